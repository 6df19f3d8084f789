// The .cad sheet file: the exact text Save and Save As write, what the reader
// makes of it (including damaged, truncated and overlong files), the dialogs and
// the four messages.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/VelkarionDoc.h"
#include "model/ConfigFile.h"
#include "file_test_support.h"
#include "memory_figures.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk {
namespace {

using filetest::Answers;
using filetest::kDefaultTail;
using filetest::fixturePath;
using filetest::readBytes;
using filetest::ScratchFolder;
using filetest::Sheet;
using filetest::writeBytes;

const char kSheetFilter[] = "Archivos Velkarion (*.cad)|*.cad|Todos los archivos (*.*) |*.*||";
const char kEndGroup[] = "***$$$&&&";


// The fixture copied into a scratch folder under its own name, so that the title
// block's file name is the name it is loaded from.
std::string copyOfFixture(const ScratchFolder& folder, const char* name) {
    const std::string path = folder.file(name);
    writeBytes(path, readBytes(fixturePath(name)));
    return path;
}

TEST(SheetFile, EmptySheetSavesTheHeaderTheGroupsAndTwoEndGroups) {
    Answers answers;
    ScratchFolder folder;
    Sheet sheet;
    sheet.view.m_filePath = folder.file("empty.cad");
    sheet.view.OnFileSave();
    EXPECT_EQ(readBytes(sheet.view.m_filePath), "Velkarion$$$" + kDefaultTail + kEndGroup + kEndGroup);
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_TRUE(answers.requests.empty());

    Sheet back;
    back.view.m_componentCount = 5;
    EXPECT_TRUE(back.view.LoadDrawing(sheet.view.m_filePath));
    EXPECT_EQ(back.view.m_componentCount, 0);
    EXPECT_TRUE(answers.messages.empty());
}

// One saved slot of each record shape, against its text written out by hand.
TEST(SheetFile, RecordsHaveTheirExactText) {
    struct Row {
        const char* name;
        std::function<void(CVelkarionView&)> fill;  // fills slot 0
        std::string record;
    };
    const std::vector<Row> rows = {
        {"component with every column",
         [](CVelkarionView& v) {
             v.m_type[0] = kTypeCoil;
             v.m_label[0] = "-K1";
             v.m_label2[0] = "Motor";
             const char* names[] = {"A1", "A2", "13", "14", "21", "22", "31", "32"};
             for (int k = 0; k < 8; ++k) {
                 v.m_terminalName[0][k] = names[k];
                 v.m_terminalNameVisible[0][k] = k % 2;
             }
             v.m_x[0] = 120, v.m_y[0] = 45, v.m_x2[0] = 130, v.m_y2[0] = 60;
             v.m_boxX1[0] = -6, v.m_boxY1[0] = -3, v.m_boxX2[0] = 9, v.m_boxY2[0] = 15;
             v.m_color[0] = rgb(1, 2, 3);
             v.m_orientation[0] = 5;
             v.m_variant[0] = 3;
             v.m_labelVisible[0] = 1;
             v.m_label2Visible[0] = 1;
             v.m_terminalLink[0][0] = 7;
             v.m_terminalLink[0][1] = -2;
             v.m_terminalLink[0][2] = 99;  // not saved
             v.m_paramText[0] = "p=1";
         },
         "*0*9000#-K1#Motor#A1#A2#13#14#21#22#31#32*0*1*0*1*0*1*0*1*120*45*130*60*-6*-3*9*15*197121*5*3*1*1*7*-2#p=1"},
        {"autotransformer with a ninth terminal",
         [](CVelkarionView& v) {
             v.m_type[0] = kTypeAutotransformer;
             for (int k = 0; k < 9; ++k) {
                 v.m_terminalName[0][k] = std::to_string(k + 1);
                 v.m_terminalNameVisible[0][k] = 1;
             }
         },
         "*0*1052###1#2#3#4#5#6#7#8#9*1*1*1*1*1*1*1*1*1*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0#"},
        {"ninth terminal of another type is not saved",
         [](CVelkarionView& v) {
             v.m_type[0] = kTypeCoil;
             v.m_terminalName[0][8] = "X";
             v.m_terminalNameVisible[0][8] = 1;
         },
         "*0*9000##########*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0#"},
        {"companion slot",
         [](CVelkarionView& v) {
             v.m_type[0] = kTypeCompanionSlot;
             v.m_terminalName[0][0] = "RA";
         },
         "*0*-1###RA#######*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0*0#"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Sheet sheet;
        row.fill(sheet.view);
        sheet.view.m_componentCount = 1;
        EXPECT_EQ(sheet.view.ComposeSheetText(0), "Velkarion" + row.record + "$$$" + kDefaultTail);
    }
}

TEST(SheetFile, FixtureLoadsIntoEveryColumnAndTheDocument) {
    Answers answers;
    Sheet sheet;
    ASSERT_TRUE(sheet.view.LoadDrawing(fixturePath("every_column.cad")));
    const CVelkarionView& v = sheet.view;
    ASSERT_EQ(v.m_componentCount, 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(v.m_componentId[i], i);
        EXPECT_EQ(v.m_deleted[i], 0);
    }
    // Slot 0: every column.
    EXPECT_EQ(v.m_type[0], kTypeCoil);
    EXPECT_EQ(v.m_label[0], "-K1");
    EXPECT_EQ(v.m_label2[0], "Motor");
    EXPECT_EQ(v.m_terminalName[0][7], "32");
    EXPECT_EQ(v.m_terminalNameVisible[0][2], 0);
    EXPECT_EQ(v.m_terminalNameVisible[0][7], 1);
    const int numbers[] = {v.m_x[0], v.m_y[0], v.m_x2[0], v.m_y2[0], v.m_boxX1[0], v.m_boxY1[0],
                           v.m_boxX2[0], v.m_boxY2[0], static_cast<int>(v.m_color[0]), v.m_orientation[0],
                           v.m_variant[0], v.m_labelVisible[0], v.m_label2Visible[0], v.m_terminalLink[0][0],
                           v.m_terminalLink[0][1]};
    const int expected[] = {120, 45, 130, 60, -6, -3, 9, 15, 255, 5, 3, 1, 1, 7, -2};
    for (int n = 0; n < 15; ++n) EXPECT_EQ(numbers[n], expected[n]) << "number " << n;
    EXPECT_EQ(v.m_paramText[0], "p=1");
    // The autotransformer's ninth terminal, the companion slot, texts as bytes.
    EXPECT_EQ(v.m_terminalName[1][8], "9");
    EXPECT_EQ(v.m_terminalNameVisible[1][8], 0);
    EXPECT_EQ(v.m_x[1], 30);
    EXPECT_EQ(v.m_paramText[2], "1-0-0-  0- 50- 10- 20- 30- 5- 5- 2-0");
    EXPECT_EQ(v.m_type[3], kTypeCompanionSlot);
    EXPECT_EQ(v.m_terminalName[3][5], "24V");
    EXPECT_EQ(v.m_lineCorner[5], 2);
    EXPECT_EQ(v.m_type[7], kTypeColorPicker);  // a code without a drawing loads unchanged
    EXPECT_EQ(v.m_label[8], cp1250("Łódź"));
    EXPECT_EQ(v.m_lampColor[8], "4");
    // A picture whose bitmap is missing keeps its item.
    EXPECT_EQ(v.m_type[9], kTypePicture);
    EXPECT_EQ(v.m_paramText[9], "missing_picture.bmp");
    EXPECT_EQ(v.PictureOf(9), nullptr);
    EXPECT_EQ(answers.messages, std::vector<std::string>{"No se puede abrir el archivo"});

    const SheetDocument& d = sheet.doc;
    const int settings[] = {d.m_pageFormat, d.m_showFrame, d.m_showTerminalRefs, d.m_titleBlockKind,
                            d.m_refsVertical, d.m_showGrid, d.m_showConnectionSymbols, d.m_showWireLabels,
                            d.m_pageHeight, d.m_pageWidth};
    const int expectedSettings[] = {4, 1, 0, 1, 1, 0, 1, 1, 210, 95};
    for (int n = 0; n < 10; ++n) EXPECT_EQ(settings[n], expectedSettings[n]) << "setting " << n;
    EXPECT_EQ(d.m_zoom, 12.0);
    const char* titles[] = {"12-03-2024", "Autor", "13-03-2024", "Revisor", "Planta de prueba",
                            "Arranque estrella", "14-Mar-2024", "1", "2", "every_column.cad"};
    for (int t = 0; t < kTitleTextCount; ++t) EXPECT_EQ(d.m_titleText[t], titles[t]) << "title " << t;
    const int shows[] = {1, 0, 1, 1, 0, 1, 1}, aligns[] = {0, 1, 2, 1, 0, 2, 1};
    for (int r = 0; r < kTitleRowCount; ++r) {
        EXPECT_EQ(d.m_titleShow[r], shows[r]) << "row " << r;
        EXPECT_EQ(d.m_titleAlign[r], aligns[r]) << "row " << r;
    }
}

TEST(SheetFile, FixtureSavesBackToItsOwnBytes) {
    Answers answers;
    ScratchFolder folder;
    const std::string path = copyOfFixture(folder, "every_column.cad");
    const std::string original = readBytes(path);
    Sheet sheet;
    ASSERT_TRUE(sheet.view.LoadDrawing(path));
    sheet.view.OnFileSave();
    EXPECT_EQ(readBytes(path), original);
}

// Save, load and Save again over a sheet built in memory: hidden slots drop out
// and the items behind them move down with new identifiers.
TEST(SheetFile, SaveLoadSaveGivesTheSameBytes) {
    Answers answers;
    ScratchFolder folder;
    Sheet sheet;
    CVelkarionView& v = sheet.view;
    struct Item {
        int type;
        const char* label;
        int deleted;
    };
    const Item items[] = {
        {kTypeSupplyL, "L1", 0}, {kTypeCoil, "-K1", 1}, {kTypeAutotransformer, "-T1", 0},
        {kTypeInverterControl, "-U1", 0}, {kTypeCompanionSlot, "", 0}, {kTypeLine, "", 1},
        {kTypeText, "", 0}, {4005, "", 0},
    };
    for (int i = 0; i < 8; ++i) {
        v.m_componentId[i] = i;
        v.m_type[i] = items[i].type;
        v.m_label[i] = items[i].label;
        v.m_deleted[i] = items[i].deleted;
        for (int k = 0; k < kTerminalCount; ++k) {
            v.m_terminalName[i][k] = "T" + std::to_string(i) + std::to_string(k);
            v.m_terminalNameVisible[i][k] = (i + k) % 2;
        }
        v.m_x[i] = 3 * i, v.m_y[i] = -4 * i, v.m_x2[i] = 5 * i, v.m_y2[i] = 6 * i;
        v.m_boxX1[i] = -i, v.m_boxY1[i] = -2 * i, v.m_boxX2[i] = i, v.m_boxY2[i] = 2 * i;
        v.m_color[i] = rgb(i, 2 * i, 3 * i);
        v.m_orientation[i] = i % 8;
        v.m_variant[i] = i;
        v.m_labelVisible[i] = 1;
        v.m_label2Visible[i] = i % 2;
        v.m_label2[i] = "F" + std::to_string(i);
        v.m_terminalLink[i][0] = 10 + i;
        v.m_terminalLink[i][1] = 20 + i;
        v.m_paramText[i] = "param " + std::to_string(i);
    }
    v.m_componentCount = 7;  // slot 7 lies above the count and is saved all the same
    sheet.doc.m_zoom = 12.0;
    sheet.doc.m_pageFormat = 4;
    sheet.doc.m_pageWidth = 95;
    sheet.doc.m_pageHeight = 7;
    sheet.doc.m_titleText[0] = "a  b";
    sheet.doc.m_titleText[9] = "round.cad";
    v.m_filePath = folder.file("round.cad");
    v.OnFileSave();
    const std::string first = readBytes(v.m_filePath);
    EXPECT_NE(first.find("*  7*395&&&"), std::string::npos);

    Sheet back;
    ASSERT_TRUE(back.view.LoadDrawing(v.m_filePath));
    const int survivors[] = {0, 2, 3, 4, 6, 7};
    ASSERT_EQ(back.view.m_componentCount, 6);
    for (int j = 0; j < 6; ++j) {
        SCOPED_TRACE("loaded slot " + std::to_string(j));
        const int i = survivors[j];
        EXPECT_EQ(back.view.m_componentId[j], j);
        EXPECT_EQ(back.view.m_type[j], v.m_type[i]);
        EXPECT_EQ(back.view.m_label2[j], v.m_label2[i]);
        EXPECT_EQ(back.view.m_terminalName[j][7], v.m_terminalName[i][7]);
        EXPECT_EQ(back.view.m_terminalName[j][8], i == 2 ? v.m_terminalName[i][8] : "");
        EXPECT_EQ(back.view.m_color[j], v.m_color[i]);
        EXPECT_EQ(back.view.m_y[j], v.m_y[i]);
        EXPECT_EQ(back.view.m_terminalLink[j][1], v.m_terminalLink[i][1]);
        EXPECT_EQ(back.view.m_paramText[j], v.m_paramText[i]);
    }
    EXPECT_EQ(back.doc.m_zoom, 12.0);
    EXPECT_EQ(back.doc.m_pageWidth, 95);
    EXPECT_EQ(back.doc.m_pageHeight, 7);
    EXPECT_EQ(back.doc.m_titleText[0], "a  b");
    back.view.OnFileSave();
    EXPECT_EQ(readBytes(v.m_filePath), first);
    EXPECT_TRUE(answers.messages.empty());
}

TEST(SheetFile, TitleTextsAreCutToTheirFieldsAndComeBackRightTrimmed) {
    struct Row {
        const char* name;
        int field;
        std::string text;
        std::string inFile;  // between the field's "*" and the next
        std::string readBack;
    };
    const std::vector<Row> rows = {
        {"ten characters in eleven", 0, "10-03-2024", "10-03-2024 ", "10-03-2024"},
        {"two blanks inside keep the tail", 4, "Planta  norte", "Planta  norte            ", "Planta  norte"},
        {"trailing blank dropped", 1, "abc ", "abc        ", "abc"},
        {"too long for its field", 5, std::string(30, 'x'), std::string(25, 'x'), std::string(25, 'x')},
        {"file name keeps a blank before the flags", 9, "abcdefghijklmnopqrstuvwxyz0123",
         "abcdefghijklmnopqrst ", "abcdefghijklmnopqrst"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Sheet sheet;
        sheet.doc.m_titleText[row.field] = row.text;
        const std::string text = sheet.view.ComposeSheetText(1);
        EXPECT_NE(text.find("*" + row.inFile + "*"), std::string::npos);
        Sheet back;
        ASSERT_TRUE(back.view.ReadSheetText(text, ""));
        EXPECT_EQ(back.doc.m_titleText[row.field], row.readBack);
    }
}

TEST(SheetFile, LoadsTheFirst999RecordsOfALongerFile) {
    Sheet sheet;
    ASSERT_TRUE(sheet.view.ReadSheetText(filetest::sheetOfTexts(1200), ""));
    EXPECT_EQ(sheet.view.m_componentCount, 999);
    EXPECT_EQ(sheet.view.m_paramText[0], "L0");
    EXPECT_EQ(sheet.view.m_paramText[998], "L998");
    EXPECT_EQ(sheet.view.m_x[998], 998);
    EXPECT_EQ(sheet.view.m_type[999], 0);
    EXPECT_EQ(sheet.doc.m_zoom, 5.0);  // the groups after the skipped records are still read
}

// Every prefix of a sheet file loads without reading past its end: the records
// complete in the prefix and nothing else, in order.
TEST(SheetFile, EveryPrefixOfTheFixtureLoadsWhatItHolds) {
    Answers answers;
    const std::string whole = readBytes(fixturePath("every_column.cad"));
    int previousCount = 0;
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        Sheet sheet;
        const bool valid = sheet.view.ReadSheetText(whole.substr(0, n), "/nonexistent/");
        ASSERT_EQ(valid, n >= 9) << "prefix " << n;
        const int count = sheet.view.m_componentCount;
        ASSERT_GE(count, previousCount) << "prefix " << n;
        ASSERT_LE(count, 10) << "prefix " << n;
        for (int i = 0; i < count; ++i) ASSERT_EQ(sheet.view.m_componentId[i], i);
        previousCount = count;
    }
    EXPECT_EQ(previousCount, 10);
}

// The numbers that place or size the sheet and its items are brought into range;
// every other value is kept as the file holds it and written back unchanged (an
// orientation of 9 used to come back as 7, drawn mirrored and with texts).
TEST(SheetFile, NumbersThatSizeTheSheetAreBroughtIntoRangeOthersAreKept) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
        std::function<long long(const Sheet&)> value;
        long long expected;
        bool kept;  // Save writes the text read
    };
    const char* group = "*4*1*0*1*12*1*0*1*1*210*395&&&";
    const char* slot0 = "*120*45*130*60*-6*-3*9*15*255*5*3";
    const char* flags = "*1*0*1*1*0*1*1*0*1*2*1*0*2*1***";
    auto zoom = [](const Sheet& s) { return static_cast<long long>(s.doc.m_zoom); };
    auto format = [](const Sheet& s) { return s.doc.m_pageFormat; };
    auto color = [](const Sheet& s) { return static_cast<long long>(s.view.m_color[0]); };
    auto pageWidth = [](const Sheet& s) { return s.doc.m_pageWidth; };
    auto pageHeight = [](const Sheet& s) { return s.doc.m_pageHeight; };
    const std::vector<Row> rows = {
        {"zoom 0", group, "*4*1*0*1*0*1*0*1*1*210*395&&&", zoom, 1, false},
        {"zoom 99", group, "*4*1*0*1*99*1*0*1*1*210*395&&&", zoom, 20, false},
        {"zoom with a huge number", group, "*4*1*0*1*99999999999999999999*1*0*1*1*210*395&&&", zoom, 20, false},
        {"page format 9", group, "*9*1*0*1*12*1*0*1*1*210*395&&&", format, 4, false},
        {"page format -2", group, "*-2*1*0*1*12*1*0*1*1*210*395&&&", format, 0, false},
        // The page's sides are taken in the range config.cfg takes them, 0 (the
        // settings' own default) included, so that a size from either file reads
        // back unchanged from the other.
        {"page width 5000", group, "*4*1*0*1*12*1*0*1*1*210*35000&&&", pageWidth, kPageWidthMax, false},
        {"page height 999", group, "*4*1*0*1*12*1*0*1*1*999*395&&&", pageHeight, kPageHeightMax, false},
        {"page width 0", group, "*4*1*0*1*12*1*0*1*1*210*30&&&", pageWidth, 0, true},
        {"page height 0", group, "*4*1*0*1*12*1*0*1*1*  0*395&&&", pageHeight, 0, true},
        {"largest page", group, "*4*1*0*1*12*1*0*1*1*896*3891&&&", pageHeight, 896, true},
        {"position far off", slot0, "*99999999999*45*130*60*-6*-3*9*15*255*5*3", [](const Sheet& s) { return s.view.m_x[0]; }, 10000, false},
        {"box far off", slot0, "*120*45*130*60*-6*-3*9*-77777*255*5*3", [](const Sheet& s) { return s.view.m_boxY2[0]; }, -10000, false},
        {"negative colour", slot0, "*120*45*130*60*-6*-3*9*15*-5*5*3", color, 0, false},
        {"title block kind 5", group, "*4*1*0*5*12*1*0*1*1*210*395&&&", [](const Sheet& s) { return s.doc.m_titleBlockKind; }, 5, true},
        {"grid flag 7", group, "*4*1*0*1*12*1*7*1*1*210*395&&&", [](const Sheet& s) { return s.doc.m_showGrid; }, 7, true},
        {"orientation 9", slot0, "*120*45*130*60*-6*-3*9*15*255*9*3", [](const Sheet& s) { return s.view.m_orientation[0]; }, 9, true},
        {"orientation -1", slot0, "*120*45*130*60*-6*-3*9*15*255*-1*3", [](const Sheet& s) { return s.view.m_orientation[0]; }, -1, true},
        {"colour above white", slot0, "*120*45*130*60*-6*-3*9*15*16777471*5*3", color, 16777471, true},
        {"largest colour", slot0, "*120*45*130*60*-6*-3*9*15*4294967295*5*3", color, 4294967295LL, true},
        {"shown flag 9", flags, "*9*0*1*1*0*1*1*0*1*2*1*0*2*1***", [](const Sheet& s) { return s.doc.m_titleShow[0]; }, 9, true},
        {"alignment 7", flags, "*1*0*1*1*0*1*1*7*1*2*1*0*2*1***", [](const Sheet& s) { return s.doc.m_titleAlign[0]; }, 7, true},
    };
    Answers answers;
    const std::string fixture = readBytes(fixturePath("every_column.cad"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string text = fixture;
        const std::size_t at = text.find(row.from);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string(row.from).size(), row.to);
        Sheet sheet;
        ASSERT_TRUE(sheet.view.ReadSheetText(text, ""));
        EXPECT_EQ(row.value(sheet), row.expected);
        const std::string saved = sheet.view.ComposeSheetText(2);
        EXPECT_EQ(saved.find(row.to) != std::string::npos, row.kept);
    }
}

// What the reader says, and what it leaves, when the sheet or a picture fails.
TEST(SheetFile, LoadFailuresShowTheirMessageAndLeaveASafeState) {
    struct Row {
        const char* name;
        std::function<std::string(const ScratchFolder&)> prepare;  // gives the path to load
        std::vector<std::string> messages;
        bool valid;
        int count;
        bool pathKept;
        std::string title;
    };
    const std::string bmMessage = cp1250("Tipo del fichero no válido. Debe ser BM");
    const std::vector<Row> rows = {
        {"missing sheet", [](const ScratchFolder& f) { return f.file("absent.cad"); },
         {"No se puede abrir el archivo"}, false, 0, false, "Velkar1"},
        {"wrong header word", [](const ScratchFolder& f) {
             writeBytes(f.file("other.cad"), "Velkarjon$$$*0*0*0*0*7*0*0*0*0*100*3100&&&");
             return f.file("other.cad");
         },
         {"El archivo no es valido"}, false, 0, false, "other.cad"},
        {"picture missing beside the sheet", [](const ScratchFolder& f) {
             return copyOfFixture(f, "picture_item.cad");
         },
         {"No se puede abrir el archivo", "No se puede abrir el archivo"}, true, 2, true, "picture_item.cad"},
        {"picture that is no bitmap", [](const ScratchFolder& f) {
             writeBytes(f.file("two_by_two.bmp"), "not a bitmap");
             return copyOfFixture(f, "picture_item.cad");
         },
         {bmMessage, "No se puede leer el archivo", bmMessage, "No se puede leer el archivo"}, true, 2, true,
         "picture_item.cad"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        const std::string path = row.prepare(folder);
        Sheet sheet;
        EXPECT_EQ(sheet.view.LoadDrawing(path), row.valid);
        EXPECT_EQ(answers.messages, row.messages);
        EXPECT_EQ(sheet.view.m_componentCount, row.count);
        EXPECT_EQ(sheet.view.m_filePath, row.pathKept ? path : "");
        EXPECT_EQ(sheet.doc.sheetTitle(), row.title);
        EXPECT_EQ(sheet.doc.m_zoom, 2.0);  // a file that was not read changes no setting
        for (int i = 0; i < row.count; ++i) {
            EXPECT_EQ(sheet.view.m_type[i], kTypePicture);  // the item stays for Save
            EXPECT_EQ(sheet.view.PictureOf(i), nullptr);
        }
    }
}

TEST(SheetFile, PicturesBesideTheSheetAreReadOnceAndShared) {
    Answers answers;
    Sheet sheet;
    ASSERT_TRUE(sheet.view.LoadDrawing(fixturePath("picture_item.cad")));
    EXPECT_TRUE(answers.messages.empty());
    const CDIB* first = sheet.view.PictureOf(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, sheet.view.PictureOf(1));
    EXPECT_EQ(first->width(), 2);
    EXPECT_EQ(first->image().pixel(0, 0), rgb(255, 0, 0));
}

TEST(SheetFile, OpenAsksWithTheFilterAndLoadsTheChosenSheet) {
    Answers answers;
    ScratchFolder folder;
    const std::string path = copyOfFixture(folder, "every_column.cad");
    answers.files.push_back(path);
    Sheet sheet;
    g_currentTool = kTypeCoil;
    g_itemPicked = 1;
    sheet.view.m_floatingBlock = sheet.view.m_rubberBandActive = sheet.view.m_selectionValid = 1;
    sheet.view.OpenDrawing();
    ASSERT_EQ(answers.requests.size(), 1u);
    EXPECT_FALSE(answers.requests[0].save);
    EXPECT_EQ(answers.requests[0].filter, kSheetFilter);
    EXPECT_EQ(sheet.view.m_componentCount, 10);
    EXPECT_EQ(sheet.view.m_filePath, path);
    EXPECT_EQ(sheet.doc.sheetTitle(), "every_column.cad");
    EXPECT_EQ(sheet.doc.m_titleText[9], "every_column.cad");
    EXPECT_EQ(g_currentTool, 0);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(sheet.view.m_floatingBlock + sheet.view.m_rubberBandActive + sheet.view.m_selectionValid, 0);
    // Zoom 12 on the user page format of 95 x 210 units.
    EXPECT_EQ(sheet.view.scrollTotalWidth(), 12 * 95);
    EXPECT_EQ(sheet.view.scrollTotalHeight(), 12 * 210);

    sheet.view.OpenDrawing();  // cancelled: the sheet stays
    EXPECT_EQ(sheet.view.m_componentCount, 10);
    EXPECT_EQ(sheet.view.m_filePath, path);
}

// The loaded zoom is applied as it was saved, the step below it remembered, and
// the scroll area sized for the page at that zoom.
TEST(SheetFile, LoadedZoomIsAppliedAsSaved) {
    struct Row {
        double saved;
        double zoom, previous;
    };
    const Row rows[] = {{1.0, 1.0, 1.0}, {12.0, 12.0, 11.0}, {20.0, 20.0, 19.0}};
    for (const Row& row : rows) {
        SCOPED_TRACE("zoom " + std::to_string(row.saved));
        Answers answers;
        ScratchFolder folder;
        Sheet saved;
        saved.doc.m_zoom = row.saved;
        saved.view.m_filePath = folder.file("zoom.cad");
        saved.view.OnFileSave();
        Sheet sheet;
        sheet.doc.m_zoom = 2.0;
        ASSERT_TRUE(sheet.view.LoadDrawing(saved.view.m_filePath));
        EXPECT_EQ(sheet.doc.m_zoom, row.zoom);
        EXPECT_EQ(sheet.doc.m_prevZoom, row.previous);
        EXPECT_EQ(sheet.view.scrollTotalWidth(), static_cast<int>(row.zoom * 337));  // A4 landscape
        EXPECT_EQ(sheet.view.scrollTotalHeight(), static_cast<int>(row.zoom * 237));
    }
}

TEST(SheetFile, FirstSaveOfAnUntitledSheetRunsSaveAs) {
    Answers answers;
    ScratchFolder folder;
    Sheet sheet;
    sheet.doc.m_titleText[9] = "Velkar1";
    sheet.doc.setModified(true);
    answers.files.push_back(folder.file("plan.cad"));
    sheet.view.OnFileSave();
    ASSERT_EQ(answers.requests.size(), 1u);
    EXPECT_TRUE(answers.requests[0].save);
    EXPECT_EQ(answers.requests[0].filter, kSheetFilter);
    EXPECT_EQ(answers.requests[0].initialName, "*.cad");
    EXPECT_TRUE(answers.requests[0].confirmOverwrite);
    // Save As writes one end group, and the file keeps the title block's name from
    // before: the name is updated after writing.
    const std::string text = readBytes(folder.file("plan.cad"));
    EXPECT_EQ(text.substr(text.size() - 11), std::string("*1") + kEndGroup);
    EXPECT_NE(text.find("*Velkar1" + std::string(14, ' ') + "*"), std::string::npos);
    EXPECT_EQ(sheet.view.m_filePath, folder.file("plan.cad"));
    EXPECT_EQ(sheet.doc.sheetTitle(), "plan.cad");
    EXPECT_EQ(sheet.doc.m_titleText[9], "plan.cad");
    EXPECT_FALSE(sheet.doc.isModified());
}

TEST(SheetFile, SaveOfASavedSheetWritesWithoutAskingAndReplacesALongerFile) {
    Answers answers;
    ScratchFolder folder;
    Sheet sheet;
    sheet.view.m_filePath = folder.file("plan.cad");
    writeBytes(sheet.view.m_filePath, std::string(5000, 'z'));
    const auto rights = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                        std::filesystem::perms::group_read;
    std::filesystem::permissions(sheet.view.m_filePath, rights);
    sheet.doc.setModified(true);
    sheet.view.OnFileSave();
    EXPECT_EQ(std::filesystem::status(sheet.view.m_filePath).permissions(), rights);
    EXPECT_TRUE(answers.requests.empty());
    EXPECT_EQ(readBytes(sheet.view.m_filePath), sheet.view.ComposeSheetText(2));
    EXPECT_FALSE(sheet.doc.isModified());
    // Nothing but the sheet is left in its folder.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST(SheetFile, SaveAsCancelledOrRefusedChangesNothing) {
    struct Row {
        const char* name;
        std::optional<std::string> answer;
        std::vector<std::string> messages;
    };
    const std::vector<Row> rows = {
        {"cancelled", std::nullopt, {}},
        {"folder that does not exist", std::string("/nonexistent/folder/plan.cad"), {"No se puede guardar el archivo"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Answers answers;
        ScratchFolder folder;
        Sheet sheet;
        sheet.view.m_filePath = folder.file("old.cad");
        writeBytes(sheet.view.m_filePath, "old content");
        sheet.doc.setModified(true);
        answers.files.push_back(row.answer);
        sheet.view.OnFileSaveAs();
        ASSERT_EQ(answers.requests.size(), 1u);
        EXPECT_EQ(answers.requests[0].initialName, folder.file("old.cad"));
        EXPECT_EQ(answers.messages, row.messages);
        EXPECT_EQ(sheet.view.m_filePath, folder.file("old.cad"));
        EXPECT_EQ(readBytes(folder.file("old.cad")), "old content");
        EXPECT_TRUE(sheet.doc.isModified());
        EXPECT_EQ(sheet.doc.sheetTitle(), "Velkar1");
    }
}


// --- through the program, as a user opens and saves ------------------------------------

std::vector<std::string> messageTexts(const testkit::Session& session) {
    std::vector<std::string> texts;
    for (const BoxRecord& box : session.messages()) texts.push_back(box.text);
    return texts;
}

TEST(SheetFileSession, OpenMakesAWindowWithTheSheetUnderItsName) {
    testkit::Session session;
    const std::string path = session.workDir() + "/every_column.cad";
    writeBytes(path, readBytes(fixturePath("every_column.cad")));
    CVelkarionView& view = session.openSheet(path);
    EXPECT_EQ(view.m_componentCount, 10);
    EXPECT_NE(session.windowTitle(view).find("every_column.cad"), std::string::npos);
    const CVelkarionDoc& doc = session.document(view);
    EXPECT_EQ(doc.m_titleText[9], "every_column.cad");
    EXPECT_EQ(doc.m_titleText[6], "14-Mar-2024");  // the file's date, not today's
    EXPECT_EQ(doc.m_zoom, 12.0);
    EXPECT_EQ(messageTexts(session), std::vector<std::string>{"No se puede abrir el archivo"});  // its picture
}

TEST(SheetFileSession, ASheetThatCouldNotBeReadIsSavedUnderANewName) {
    testkit::Session session;
    CVelkarionView& view = session.openSheet(session.workDir() + "/absent.cad");
    EXPECT_EQ(messageTexts(session), std::vector<std::string>{"No se puede abrir el archivo"});
    EXPECT_EQ(view.m_componentCount, 0);
    EXPECT_EQ(view.m_filePath, "");
    const std::size_t asked = session.fileDialogs().size();
    session.answerFileDialogs({session.workDir() + "/new.cad"});
    view.OnFileSave();
    ASSERT_EQ(session.fileDialogs().size(), asked + 1);
    EXPECT_TRUE(session.fileDialogs().back().save);
    EXPECT_FALSE(std::filesystem::exists(session.workDir() + "/absent.cad"));
    EXPECT_TRUE(std::filesystem::exists(session.workDir() + "/new.cad"));
}

// A sheet the program wrote is well under a megabyte; a file grown far past any
// sheet (here the example followed by a gigabyte of nothing, held sparse on disk)
// is refused by its size, before a byte of it costs memory.
TEST(SheetFileSession, AFileLargerThanAnySheetIsNotRead) {
    struct Row {
        const char* name;
        std::uint64_t size;
        std::vector<std::string> messages;
        int count;
    };
    const std::vector<std::string> refused = {"El archivo no es valido"};
    const Row rows[] = {
        {"a gigabyte", std::uint64_t{1} << 30, refused, 0},
        {"one byte over", kMaxSheetFileBytes + 1, refused, 0},
        // Read, and its trailing nothing told as damage like any other.
        {"the largest read", kMaxSheetFileBytes, {cp1250("El archivo está deteriorado: pueden faltar elementos")}, 25},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        const std::string path = session.workDir() + "/grown.cad";
        writeBytes(path, readBytes(fixturePath("../../examples/self_holding.cad")));
        std::filesystem::resize_file(path, row.size);
        memtest::resetPeakResident();
        const std::int64_t start = memtest::peakResident();
        CVelkarionView& view = session.openSheet(path);
        const std::int64_t grown = memtest::peakResident() - start;
        EXPECT_EQ(messageTexts(session), row.messages);
        EXPECT_EQ(view.m_componentCount, row.count);
        EXPECT_EQ(view.m_filePath, "") << "Save asks for a name";
        EXPECT_LT(grown, 4 * static_cast<std::int64_t>(kMaxSheetFileBytes)) << grown / memtest::kMiB << " MB more";
    }
}

// A push button at orientation 9, a rectangle coloured above white and a title
// row aligned 7 were changed on reading (to 7, white and 2): the button drew
// mirrored and with texts, the rectangle vanished, and the next Save rewrote the
// file. They are kept: the button draws untransformed and without texts, the
// rectangle in its colour's low bytes, and Save writes the file back unchanged.
TEST(SheetFileSession, ValuesKeptAsReadAreSavedBackUnchanged) {
    std::string sheet = readBytes(fixturePath("../../examples/self_holding.cad"));
    auto replace = [&sheet](const std::string& from, const std::string& to) {
        const std::size_t at = sheet.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        sheet.replace(at, from.size(), to);
    };
    replace("#-S2##13#14######*1*1*0*0*0*0*0*0*90*120*0*0*-18*-3*6*15*0*0*",
            "#-S2##13#14######*1*1*0*0*0*0*0*0*90*120*0*0*-18*-3*6*15*0*9*");
    replace("$$$", "*25*2##########*0*0*0*0*0*0*0*0*200*20*220*40*0*0*0*0*16777471*0*0*1*0*0*0#$$$");
    replace("*Velkar1              *", "*self_holding.cad     *");
    replace("*1*1*1*1*1*1*1*1*1*1*1*1*1*1***", "*1*1*1*1*1*1*1*7*1*1*1*1*1*1***");
    sheet += kEndGroup;  // Save writes the end group twice

    testkit::Session session;
    const std::string path = session.workDir() + "/self_holding.cad";
    writeBytes(path, sheet);
    CVelkarionView& view = session.openSheet(path);
    EXPECT_TRUE(session.messages().empty());
    ASSERT_EQ(view.m_componentCount, 26);
    EXPECT_EQ(view.m_orientation[2], 9);
    EXPECT_EQ(view.m_color[25], 16777471u);
    EXPECT_EQ(session.document(view).m_titleAlign[0], 7);
    const Point top = session.unitsToWindow(view, 210, 20);
    EXPECT_EQ(session.surface(view).pixel(top.x, top.y), rgb(255, 0, 0));

    const std::size_t asked = session.fileDialogs().size();
    EXPECT_EQ(session.command(view, ID_FILE_SAVE), CommandResult::Handled);
    EXPECT_EQ(session.fileDialogs().size(), asked);
    EXPECT_EQ(readBytes(path), sheet);
}

// The first Save As writes the untitled name into the title block, because the
// name changes after writing; the window and a later Open show the file's name.
TEST(SheetFileSession, FirstSaveAsKeepsTheUntitledNameInTheFile) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    EXPECT_EQ(session.document(view).m_titleText[9], "Velkar1");
    const std::string path = session.workDir() + "/plan.cad";
    session.answerFileDialogs({path});
    view.OnFileSaveAs();
    EXPECT_NE(readBytes(path).find("*Velkar1" + std::string(14, ' ') + "*"), std::string::npos);
    EXPECT_NE(session.windowTitle(view).find("plan.cad"), std::string::npos);
    EXPECT_EQ(session.document(view).m_titleText[9], "plan.cad");

    CVelkarionView& again = session.openSheet(path);
    EXPECT_EQ(session.document(again).m_titleText[9], "plan.cad");
    EXPECT_NE(session.windowTitle(again).find("plan.cad"), std::string::npos);
    EXPECT_TRUE(session.messages().empty());
}

}  // namespace
}  // namespace velk
