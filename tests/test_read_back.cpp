// What the program writes comes back as it was: a sheet holding more items than a
// window keeps is told and never written back short, a damaged sheet saved under
// a new name opens without a word and with the same items, the user page's size
// and an imported picture's box read back unchanged, and names as long as the
// file system takes save, for sheets and bitmap exports alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bmp_files.h"
#include "file_test_support.h"
#include "model/ConfigFile.h"
#include "model/VelkarionView.h"
#include "picture_sheet.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk {
namespace {

namespace fs = std::filesystem;
using filetest::fixturePath;
using filetest::readBytes;
using filetest::savedItems;
using picturetest::importPicture;
using picturetest::messagesOf;
using testkit::Session;

const std::string kDamaged = cp1250("El archivo está deteriorado: pueden faltar elementos");
const std::string kOverfull =
    cp1250("El archivo contiene más elementos de los que caben en una hoja: solo se han cargado los primeros 999");

// The window's sheet saved under `name` with Save As; the bytes written.
std::string saveAs(Session& s, CVelkarionView& v, const std::string& name) {
    s.answerFileDialogs({s.workDir() + "/" + name});
    s.command(v, ID_FILE_SAVE_AS);
    return readBytes(s.workDir() + "/" + name);
}

// Records past the 999th were skipped without a word, and the next Save wrote the
// file back with 999: the rest was gone.
TEST(ReadBack, ASheetWithMoreItemsThanAWindowHoldsIsToldAndNeverWrittenShort) {
    struct Row {
        int records;
        bool told;
    };
    for (const Row& row : {Row{999, false}, Row{1000, true}, Row{1200, true}}) {
        SCOPED_TRACE(std::to_string(row.records) + " records");
        Session s;
        const std::string file = filetest::sheetOfTexts(row.records);
        s.writeFile("big.cad", file);
        CVelkarionView& v = s.openSheet(s.workDir() + "/big.cad");
        EXPECT_EQ(v.m_componentCount, kMaxPlacedItems);
        EXPECT_EQ(v.m_paramText[kMaxPlacedItems - 1], "L998");
        EXPECT_EQ(messagesOf(s), row.told ? std::vector<std::string>{kOverfull} : std::vector<std::string>{});

        // Save asks for a name instead of writing over the file; cancelled, the file
        // is as it was.
        const std::size_t dialogs = s.fileDialogs().size();
        s.command(v, ID_FILE_SAVE);
        EXPECT_EQ(s.fileDialogs().size(), dialogs + (row.told ? 1u : 0u));
        if (row.told) {
            EXPECT_EQ(readBytes(s.workDir() + "/big.cad"), file);
        }

        // Under a new name the 999 items are written, and that file opens quietly.
        saveAs(s, v, "kept.cad");
        s.clearMessages();
        CVelkarionView& back = s.openSheet(s.workDir() + "/kept.cad");
        EXPECT_TRUE(s.messages().empty());
        EXPECT_EQ(savedItems(back), kMaxPlacedItems);
    }
}

// A damaged record can load with a delimiter inside one of its texts. Written as
// it stood, the copy saved under a new name was told as damaged on every later
// Open, and its records had moved. The writer leaves the delimiters out, as text
// entry does.
TEST(ReadBack, ADamagedSheetSavedUnderANewNameOpensQuietlyWithTheSameItems) {
    struct Row {
        const char* name;
        const char* from;
        const char* to;
    };
    const Row rows[] = {
        {"a label holding *", "#-K##A1", "#-K*1##A1"},
        {"a second text holding $", "#-S1##11", "#-S1#$#11"},
        {"a terminal name holding $", "#-S2##13#14######", "#-S2##13#1$4######"},
        {"a field ended by * instead of #", "#-H##X1#X2#0#####*1", "#-H##X1*X2#0#####*1"},
        {"a record's first * turned #", "#*4*9000#", "##4*9000#"},
    };
    const std::string whole = readBytes(fixturePath("../../examples/self_holding.cad"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::string damaged = whole;
        const std::size_t at = damaged.find(row.from);
        ASSERT_NE(at, std::string::npos);
        damaged.replace(at, std::string(row.from).size(), row.to);
        Session s;
        s.writeFile("plan.cad", damaged);
        CVelkarionView& v = s.openSheet(s.workDir() + "/plan.cad");
        ASSERT_FALSE(s.messages().empty());
        EXPECT_EQ(s.messages().back().text, kDamaged);
        const int items = savedItems(v);
        ASSERT_GT(items, 0);

        saveAs(s, v, "copy.cad");
        s.clearMessages();
        CVelkarionView& back = s.openSheet(s.workDir() + "/copy.cad");
        EXPECT_EQ(messagesOf(s), std::vector<std::string>{});
        ASSERT_EQ(savedItems(back), items);
        for (int i = 0; i < back.m_componentCount; ++i) {
            EXPECT_EQ(back.m_type[i], v.m_type[i]) << "item " << i;
            EXPECT_EQ(back.m_x[i], v.m_x[i]) << "item " << i;
        }
    }
}

// The user page's size as config.cfg holds it, 0 included (the settings' own
// default), is written to the sheet and read back unchanged: a side of 0 used to
// come back as 1, and the next Save wrote "*  1*31".
TEST(ReadBack, TheUserPageSizeFromTheSettingsReadsBackUnchanged) {
    struct Row {
        int width, height;
        const char* inFile;
    };
    const Row rows[] = {
        {0, 0, "*  0*30&&&"},
        {234, 333, "*333*3234&&&"},
        {kPageWidthMax, kPageHeightMax, "*896*3891&&&"},
        {95, 7, "*  7*395&&&"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.inFile);
        Session s;
        ConfigSettings settings;
        settings.pageFormat = 4;
        settings.pageWidth = row.width;
        settings.pageHeight = row.height;
        s.writeFile("config.cfg", formatConfigLine(settings));
        CVelkarionView& v = s.newSheet();
        ASSERT_EQ(s.document(v).m_pageWidth, row.width);
        ASSERT_EQ(s.document(v).m_pageHeight, row.height);
        s.flush();  // the page of that size is drawn

        EXPECT_NE(saveAs(s, v, "page.cad").find(row.inFile), std::string::npos);
        CVelkarionView& back = s.openSheet(s.workDir() + "/page.cad");
        EXPECT_TRUE(s.messages().empty());
        EXPECT_EQ(s.document(back).m_pageFormat, 4);
        EXPECT_EQ(s.document(back).m_pageWidth, row.width);
        EXPECT_EQ(s.document(back).m_pageHeight, row.height);
        EXPECT_NE(saveAs(s, back, "page2.cad").find(row.inFile), std::string::npos);
    }
}

// A picture wider or taller than the positions an item may hold used to be stored
// with its corner beyond them (20001 units for a 20001 x 1 bitmap at zoom 1), and
// Open brought it back to 10000 without a word. It now arrives scaled down with its
// shape kept, and the box shown after the import is the box read back.
TEST(ReadBack, AnImportedPicturesBoxIsTheBoxReadBack) {
    struct Row {
        int width, height;
        int zoomOutSteps;  // from the new sheet's zoom 2
        int x2, y2;        // the box the import gives
    };
    const Row rows[] = {
        {400, 300, 0, 200, 150},    // at its natural size
        {20001, 1, 1, 10000, 1},    // too wide at zoom 1
        {1, 20001, 1, 1, 10000},    // too tall at zoom 1
        {16000, 1000, 1, 10000, 625},
        {20001, 3, 0, 10000, 1},    // 10000.5 units at zoom 2
        {20000, 20, 0, 10000, 10},  // exactly the limit at zoom 2
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
        Session s;
        const int stride = ((row.width + 31) / 32) * 4;
        s.writeFile("wide.bmp",
                    bmptest::buildBmp({40, row.width, row.height, 1, 0, {rgb(0, 0, 0), rgb(0, 0, 255)}, {},
                                       std::string(static_cast<std::size_t>(stride) * row.height, '\xff')}));
        CVelkarionView& v = s.newSheet();
        for (int i = 0; i < row.zoomOutSteps; ++i) s.command(v, ID_ZOOM_OUT);
        importPicture(s, v, s.workDir() + "/wide.bmp");
        EXPECT_TRUE(s.messages().empty());
        ASSERT_EQ(v.m_componentCount, 1);
        EXPECT_EQ(v.m_x2[0], row.x2);
        EXPECT_EQ(v.m_y2[0], row.y2);

        saveAs(s, v, "wide.cad");
        CVelkarionView& back = s.openSheet(s.workDir() + "/wide.cad");
        EXPECT_TRUE(s.messages().empty());
        ASSERT_EQ(back.m_componentCount, 1);
        EXPECT_EQ(back.m_x2[0], v.m_x2[0]);
        EXPECT_EQ(back.m_y2[0], v.m_y2[0]);
    }
}

// The temporary file beside the target was named after it, so a name of 245 bytes
// or more failed with "No se puede guardar el archivo" though the file system takes
// names up to 255. Every such name saves, a sheet with Save As and Save, a view
// with the bitmap export, and no temporary file is left behind.
TEST(ReadBack, NamesAsLongAsTheFileSystemTakesSave) {
    struct Row {
        std::size_t length;  // of the whole name, extension included
        const char* extension;
        int command;
    };
    const Row rows[] = {
        {244, ".cad", ID_FILE_SAVE_AS}, {250, ".cad", ID_FILE_SAVE_AS}, {255, ".cad", ID_FILE_SAVE_AS},
        {250, ".bmp", ID_FILE_EXPORT_PICTURE}, {255, ".bmp", ID_FILE_EXPORT_PICTURE},
    };
    for (const Row& row : rows) {
        const std::string name = std::string(row.length - 4, 'n') + row.extension;
        SCOPED_TRACE(std::to_string(row.length) + " bytes, " + row.extension);
        Session s;
        CVelkarionView& v = s.newSheet();
        s.answerFileDialogs({s.workDir() + "/" + name});
        s.command(v, row.command);
        EXPECT_TRUE(s.messages().empty());
        const std::string written = readBytes(s.workDir() + "/" + name);
        ASSERT_FALSE(written.empty());
        if (row.command == ID_FILE_SAVE_AS) {
            EXPECT_EQ(written.compare(0, 9, "Velkarion"), 0);
            s.command(v, ID_FILE_SAVE);  // the same name again, now without asking
            EXPECT_TRUE(s.messages().empty());
            s.openSheet(s.workDir() + "/" + name);
            EXPECT_TRUE(s.messages().empty());
        } else {
            EXPECT_EQ(written.compare(0, 2, "BM"), 0);
        }
        for (const auto& entry : fs::directory_iterator(s.workDir()))
            EXPECT_EQ(entry.path().extension() == ".tmp", false) << entry.path().filename();
    }
}

}  // namespace
}  // namespace velk
