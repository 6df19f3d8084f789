// The dialogs that change a component's variant or options: the sensor data
// dialog (wiring and terminal side give the type code), the contact and
// logic-block dialog (numberings name two terminals, gate items change the code at
// once), and the picture dialog in front of the picture import; each on its own
// and on the road from the user's click to the sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "dialogs/Dibujo.h"
#include "dialogs/Editar1.h"
#include "dialogs/EditarNaNc.h"
#include "dialogs/Pilotos.h"
#include "dialogs/Exchange.h"
#include "model/Cdib.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kTitleLine = 1055;
constexpr int kLabelEdit = 1043;
constexpr int kTerminalEdits[kTerminalCount] = {1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1056};
constexpr int kTerminalShown[kTerminalCount] = {1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014};
constexpr int kTwoWire = 1082, kThreeWire = 1083, kPnp = 1084, kNpn = 1085, kOneSide = 1057;
constexpr int kOptions[] = {kTwoWire, kThreeWire, kPnp, kNpn};
constexpr int kVariantList = 1102;
constexpr int kPicturePath = 1099, kChoosePicture = 1100;

void fillRecord(int type) {
    g_exchangeType = type;
    g_exchangeLabel = "-B1";
    g_exchangeLabel2 = "";
    g_exchangeLabelVisible = 1;
    g_exchangeLabel2Visible = 0;
    for (int k = 0; k < kTerminalCount; ++k) {
        g_exchangeTerminal[k] = "t" + std::to_string(k + 1);
        g_exchangeTerminalVisible[k] = 0;
    }
}

std::vector<int> checkedOptions(const DialogDriver& d) {
    std::vector<int> on;
    for (const int id : kOptions)
        if (d.checked(id)) on.push_back(id);
    return on;
}

// --- the sensor data dialog -----------------------------------------------------------

TEST(SensorDialog, EveryFamilyAndOffsetOpensOnItsOptionsAndOkKeepsTheCode) {
    struct Family {
        int base;
        const char* name;  // the caption before its wiring
    };
    const Family families[] = {
        {7500, "Det. inductivo NA"},         {7506, "Det. capacitivo NA"},
        {7512, "Det. magnético NA"},         {7520, "Det. inductivo NC"},
        {7526, "Det. capacitivo NC"},        {7532, "Det. magnético NC"},
        {7553, "Barrera foto. receptor NA"}, {7559, "Barrera foto. receptor NC"},
    };
    const char* const wiring[] = {" 2 hilos", " 3 hilos PNP", " 3 hilos NPN"};
    const std::vector<int> options[] = {{kTwoWire}, {kThreeWire, kPnp}, {kThreeWire, kNpn}};
    Session session;
    for (const Family& family : families) {
        for (int offset = 0; offset < 6; ++offset) {
            const int type = family.base + offset;
            SCOPED_TRACE(type);
            fillRecord(type);
            session.answerDialog(IDD_EDITAR1, [&](DialogDriver& d) {
                EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Dane czujnika"));
                EXPECT_EQ(d.text(kTitleLine), std::string(family.name) + wiring[offset % 3]);
                EXPECT_EQ(checkedOptions(d), options[offset % 3]);
                EXPECT_EQ(d.checked(kOneSide), offset >= 3);
                for (const int id : kOptions) EXPECT_TRUE(d.visible(id));
                EXPECT_EQ(d.visible(kTerminalShown[2]), offset % 3 != 0) << "third box only with three wires";
                for (int k = 3; k < kTerminalCount; ++k) EXPECT_FALSE(d.visible(kTerminalShown[k]));
                for (const int id : kTerminalEdits) EXPECT_TRUE(d.visible(id));
                EXPECT_EQ(d.text(kTerminalEdits[2]), "t3");
                d.click(IDOK);
            });
            ASSERT_EQ(runPropertyDialogFor(type), DialogResult::Ok);
            EXPECT_EQ(g_exchangeType, type);
            EXPECT_EQ(g_exchangeTerminal[0], "t1");
        }
    }
    // The emitter: no wiring, only its side; outside the families: nothing.
    struct Other {
        int type;
        const char* title;
        bool oneSide;
        bool optionsShown;
    };
    const Other others[] = {{7551, "Barrera foto. emisor", false, false},
                            {7552, "Barrera foto. emisor", true, false},
                            {7518, "", false, true},
                            {7600, "", false, true}};
    for (const Other& other : others) {
        SCOPED_TRACE(other.type);
        fillRecord(other.type);
        session.answerDialog(IDD_EDITAR1, [&](DialogDriver& d) {
            EXPECT_EQ(d.text(kTitleLine), other.title);
            EXPECT_TRUE(checkedOptions(d).empty());
            EXPECT_EQ(d.checked(kOneSide), other.oneSide);
            for (const int id : kOptions) EXPECT_EQ(d.visible(id), other.optionsShown);
            EXPECT_EQ(d.visible(kTerminalShown[2]), other.optionsShown);
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(other.type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeType, other.type);
    }
}

TEST(SensorDialog, OptionsGiveTheVariantAndItsTerminals) {
    struct Case {
        const char* name;
        int type;
        std::vector<int> clicks;
        int stored;
        std::vector<std::string> terminals;  // 1 to 3 after OK
        std::vector<int> shown;              // their flags
    };
    const Case cases[] = {
        {"three wires on one side", 7500, {kThreeWire, kOneSide}, 7504, {"+", "-", "S"}, {1, 1, 1}},
        {"back to two wires", 7504, {kTwoWire}, 7503, {"1", "2", ""}, {1, 1, 0}},
        {"three then two wires, both sides", 7500, {kThreeWire, kTwoWire}, 7500, {"1", "2", ""}, {1, 1, 0}},
        {"PNP and NPN under two wires do nothing", 7500, {kPnp, kNpn}, 7500, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"NPN under three wires", 7521, {kNpn}, 7522, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"PNP back, one side off", 7563, {kPnp, kOneSide}, 7560, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"emitter to one side", 7551, {kOneSide}, 7552, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"emitter back to both sides", 7552, {kOneSide}, 7551, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"emitter ticked twice", 7551, {kOneSide, kOneSide}, 7551, {"t1", "t2", "t3"}, {0, 0, 0}},
        {"no family, no wiring: the code stays", 7518, {kOneSide}, 7518, {"t1", "t2", "t3"}, {0, 0, 0}},
    };
    Session session;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fillRecord(c.type);
        session.answerDialog(IDD_EDITAR1, [&](DialogDriver& d) {
            d.setText(kLabelEdit, "-B9");  // typed, then an option: the text stays
            for (const int id : c.clicks) d.click(id);
            EXPECT_EQ(d.text(kLabelEdit), "-B9");
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(c.type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeType, c.stored);
        EXPECT_EQ(g_exchangeLabel, "-B9");
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(g_exchangeTerminal[k], c.terminals[k]) << k;
            EXPECT_EQ(g_exchangeTerminalVisible[k], c.shown[k]) << k;
        }
        EXPECT_EQ(g_exchangeTerminal[3], "t4");
    }
}

TEST(SensorDialog, TheThirdBoxFollowsTheWiringAndCancelKeepsTheCode) {
    Session session;
    fillRecord(7500);
    session.answerDialog(IDD_EDITAR1, [&](DialogDriver& d) {
        EXPECT_FALSE(d.visible(kTerminalShown[2]));
        d.click(kThreeWire);
        EXPECT_TRUE(d.visible(kTerminalShown[2]));
        EXPECT_EQ(checkedOptions(d), (std::vector<int>{kThreeWire, kPnp}));
        EXPECT_EQ(d.text(kTerminalEdits[2]), "S");
        d.click(kTwoWire);
        EXPECT_FALSE(d.visible(kTerminalShown[2]));
        EXPECT_EQ(checkedOptions(d), std::vector<int>{kTwoWire});
        d.click(kThreeWire);
        d.click(kOneSide);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(runPropertyDialogFor(7500), DialogResult::Cancel);
    EXPECT_EQ(g_exchangeType, 7500);
    EXPECT_EQ(g_exchangeTerminal[0], "t1");

    // A label too long from a loaded sheet: one message, nothing copied, the code kept.
    fillRecord(7500);
    g_exchangeLabel = "-B1234";
    session.answerDialog(IDD_EDITAR1, [&](DialogDriver& d) {
        d.click(kThreeWire);
        d.click(IDOK);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(g_exchangeType, 7500);
        EXPECT_EQ(g_exchangeTerminal[0], "t1");
        d.escape();
    });
    EXPECT_EQ(runPropertyDialogFor(7500), DialogResult::Cancel);
    EXPECT_EQ(session.messages().size(), 1u);
}

// --- the contact and logic-block dialog -------------------------------------------------

TEST(ContactLogicDialog, NumberingsNameTerminalsOneAndTwo) {
    struct Case {
        int type;
        const char* title;
        const char* first;
        const char* chosen;
        const char* t1;
        const char* t2;
    };
    const Case cases[] = {
        {kTypeAuxContactNO, "Contacto auxiliar NA", ".3-.4", "23-24", "23", "24"},
        {kTypeAuxContactNO, "Contacto auxiliar NA", ".3-.4", ".3-.4", ".3", ".4"},
        {kTypeAuxContactNC, "Contacto auxiliar NC", ".1-.2", "81-82", "81", "82"},
    };
    Session session;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        fillRecord(c.type);
        session.answerDialog(IDD_EDITAR_NA_NC, [&](DialogDriver& d) {
            Dialog& dlg = d.dialog();
            EXPECT_EQ(dlg.dialogTemplate().caption, std::string("Edycja"));
            EXPECT_EQ(d.text(kTitleLine), c.title);
            ASSERT_EQ(dlg.itemCount(kVariantList), 9);
            EXPECT_EQ(dlg.itemText(kVariantList, 0), c.first);
            EXPECT_EQ(dlg.selection(kVariantList), -1);
            for (int k = 0; k < kTerminalCount; ++k) EXPECT_EQ(d.visible(kTerminalShown[k]), k < 2) << k;
            d.setText(kLabelEdit, "-K7");
            d.select(kVariantList, c.chosen);
            EXPECT_EQ(d.text(kTerminalEdits[0]), c.t1);
            EXPECT_EQ(d.text(kLabelEdit), "-K7");
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(c.type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeType, c.type);
        EXPECT_EQ(g_exchangeTerminal[0], c.t1);
        EXPECT_EQ(g_exchangeTerminal[1], c.t2);
        for (int k = 2; k < kTerminalCount; ++k) EXPECT_EQ(g_exchangeTerminal[k], "t" + std::to_string(k + 1));
        EXPECT_EQ(g_exchangeLabel, "-K7");
    }
}

TEST(ContactLogicDialog, GateItemsOfTheBlocksOwnKindChangeTheCodeAtOnce) {
    struct Case {
        int type;
        std::vector<std::string> items;
        const char* chosen;
        int code;
        const char* title;
    };
    const Case cases[] = {
        {10030, {"NOR 2", "NOR 3", "NOR 4", "NOR 5"}, "NOR 3", 10031, "Función lógica NOR 3"},
        {10003, {"AND 2", "AND 3", "AND 4", "AND 5"}, "AND 2", 10000, "Función lógica AND 2"},
        {10011, {"OR 2", "OR 3", "OR 4", "OR 5"}, "OR 5", 10013, "Función lógica OR 5"},
        {10022, {"NAND 2", "NAND 3", "NAND 4", "NAND 5"}, "NAND 4", 10022, "Función lógica NAND 4"},
    };
    Session session;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        fillRecord(c.type);
        session.answerDialog(IDD_EDITAR_NA_NC, [&](DialogDriver& d) {
            Dialog& dlg = d.dialog();
            std::vector<std::string> items;
            for (int i = 0; i < dlg.itemCount(kVariantList); ++i) items.push_back(dlg.itemText(kVariantList, i));
            EXPECT_EQ(items, c.items);
            for (const int id : kTerminalShown) EXPECT_FALSE(d.visible(id));
            d.select(kVariantList, c.chosen);
            EXPECT_EQ(d.text(kTitleLine), c.title);
            EXPECT_EQ(g_exchangeType, c.code) << "written before OK";
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(c.type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeType, c.code);
        EXPECT_EQ(g_exchangeTerminal[0], "t1");
    }
}

// --- the road from a double click to the sheet --------------------------------------------

using circuittest::Circuit;

Point inside(Session& session, CVelkarionView& view, int slot, int du, int dv) {
    return session.unitsToWindow(view, view.m_x[slot] + du, view.m_y[slot] + dv);
}

TEST(VariantDialogsOnTheSheet, AnAndBlockSetToFourInputsDrawsThemAndCancelKeepsIt) {
    Session session;
    Circuit c(session);
    c.draw({{{ID_PLACE_AND, {90, 90}, ""}}, {}});
    CVelkarionView& view = c.view();
    const int block = c.slotOf(kTypeAnd2);
    ASSERT_GE(block, 0);
    const Color white = rgb(255, 255, 255);
    // The leads of inputs 3 and 4 lie 12 and 18 units below the first.
    ASSERT_EQ(c.pixelAt(block, {7, 90}), white);

    const Point at = inside(session, view, block, 6, 3);
    session.answerDialog(IDD_EDITAR_NA_NC, [](DialogDriver& d) {
        d.select(kVariantList, "AND 4");
        d.click(IDOK);
    });
    session.doubleClick(view, at.x, at.y);
    ASSERT_EQ(view.m_type[block], kTypeAnd4);
    EXPECT_EQ(view.m_boxY2[block], 27);
    EXPECT_NE(c.pixelAt(block, {7, 60}), white);
    EXPECT_NE(c.pixelAt(block, {7, 90}), white);
    EXPECT_EQ(c.pixelAt(block, {7, 120}), white) << "no fifth input";

    session.answerDialog(IDD_EDITAR_NA_NC, [](DialogDriver& d) {
        d.select(kVariantList, "AND 5");
        d.escape();
    });
    session.doubleClick(view, at.x, at.y);
    EXPECT_EQ(view.m_type[block], kTypeAnd4);
    EXPECT_EQ(view.m_boxY2[block], 27);
}

TEST(VariantDialogsOnTheSheet, ASensorSwitchedToThreeWiresOnOneSide) {
    Session session;
    Circuit c(session);
    c.draw({{{ID_PLACE_INDUCTIVE_SENSOR_NO, {90, 90}, ""}}, {}});
    CVelkarionView& view = c.view();
    const int sensor = c.slotOf(kTypeInductiveSensorNO2Wire);
    ASSERT_GE(sensor, 0);
    session.answerDialog(IDD_EDITAR1, [](DialogDriver& d) {
        d.click(kThreeWire);
        d.click(kOneSide);
        d.click(IDOK);
    });
    const Point at = inside(session, view, sensor, -3, 6);
    session.doubleClick(view, at.x, at.y);
    EXPECT_EQ(session.modalRuns(), std::vector<int>{IDD_EDITAR1});
    EXPECT_EQ(view.m_type[sensor], kTypeInductiveSensorNO3WirePnpSide);
    EXPECT_EQ(view.m_terminalName[sensor][0], "+");
    EXPECT_EQ(view.m_terminalName[sensor][1], "-");
    EXPECT_EQ(view.m_terminalName[sensor][2], "S");
    EXPECT_TRUE(session.document(view).isModified());
}

TEST(VariantDialogsOnTheSheet, ALampSetToBlueLightsBlue) {
    Session session;
    Circuit c(session);
    c.draw({{{ID_PLACE_SUPPLY_LN, {60, 60}, ""}, {ID_PLACE_PILOT_LAMP, {90, 90}, ""}},
            {{circuittest::kPhase, {60, 60}, {60, 75}},
             {circuittest::kPhase, {60, 75}, {90, 75}},
             {circuittest::kPhase, {90, 75}, {90, 90}},
             {circuittest::kNeutral, {90, 102}, {90, 111}},
             {circuittest::kNeutral, {90, 111}, {120, 111}},
             {circuittest::kNeutral, {66, 60}, {120, 60}},
             {circuittest::kNeutral, {120, 60}, {120, 111}}}});
    CVelkarionView& view = c.view();
    const int lamp = c.slotOf(kTypePilotLamp);
    ASSERT_GE(lamp, 0);
    session.answerDialog(IDD_PILOTOS, [](DialogDriver& d) {
        d.click(1075);  // "niebieski"
        d.click(IDOK);
    });
    const Point at = inside(session, view, lamp, -3, 6);
    session.doubleClick(view, at.x, at.y);
    ASSERT_EQ(view.m_terminalName[lamp][2], "3");
    c.simulate();
    c.tick(2);
    EXPECT_EQ(view.m_state[lamp], 1);
    EXPECT_EQ(c.lampPixel(lamp), g_colorBlue);
}

// --- the picture dialog in front of the import --------------------------------------

std::string smallBitmap() {
    Surface image(3, 2, rgb(0, 0, 255));
    return encodeBmp24(image);
}

TEST(PictureDialog, AChosenPictureIsImported) {
    Session session;
    CVelkarionView& view = session.newSheet();
    session.writeFile("pic.bmp", smallBitmap());
    g_exchangeText = "1-0-0-000-200-010-025-050-05-05-00-0";  // left by an inverter
    std::string shownFirst;
    session.answerFileDialogs({session.workDir() + "/pic.bmp"});
    session.answerDialog(IDD_DIBUJO, [&](DialogDriver& d) {
        EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Obraz"));
        EXPECT_TRUE(d.dialog().isReadOnly(kPicturePath));
        shownFirst = d.text(kPicturePath);
        d.click(kChoosePicture);
        EXPECT_EQ(d.text(kPicturePath), "pic.bmp");
        d.click(IDOK);
    });
    session.command(view, ID_FILE_IMPORT_PICTURE);
    EXPECT_NE(shownFirst, "1-0-0-000-200-010-025-050-05-05-00-0");
    ASSERT_EQ(session.fileDialogs().size(), 1u);
    EXPECT_EQ(session.fileDialogs()[0].initialName, "*.bmp");
    EXPECT_EQ(session.fileDialogs()[0].defaultExt, "bmp");
    ASSERT_EQ(view.m_componentCount, 1);
    EXPECT_EQ(view.m_type[0], kTypePicture);
    EXPECT_EQ(view.m_paramText[0], "pic.bmp");
    EXPECT_EQ(g_exchangeText, "pic.bmp");
    ASSERT_NE(view.PictureOf(0), nullptr);
    EXPECT_EQ(view.PictureOf(0)->width(), 3);
    EXPECT_TRUE(session.messages().empty());

    // The next opening shows that name, whatever the record carries since; OK
    // without a new choice, and Cancel after one, import nothing.
    g_exchangeText = "some text";
    session.answerDialog(IDD_DIBUJO, [&](DialogDriver& d) {
        EXPECT_EQ(d.text(kPicturePath), "pic.bmp");
        d.click(IDOK);
    });
    session.command(view, ID_FILE_IMPORT_PICTURE);
    session.answerFileDialogs({session.workDir() + "/pic.bmp"});
    session.answerDialog(IDD_DIBUJO, [&](DialogDriver& d) {
        d.click(kChoosePicture);
        d.escape();
    });
    session.command(view, ID_FILE_IMPORT_PICTURE);
    EXPECT_EQ(view.m_componentCount, 1);
    EXPECT_TRUE(session.messages().empty());
}

TEST(PictureDialog, RefusedChoicesLeaveTheFieldAndImportNothing) {
    struct Case {
        const char* name;
        const char* file;
        bool written;
    };
    const Case cases[] = {
        {"a dollar", "plan$1.bmp", true}, {"a star", "a*b.bmp", true}, {"a hash", "no#1.bmp", true},
        {"a file that does not open", "missing.bmp", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session session;
        CVelkarionView& view = session.newSheet();
        if (c.written) session.writeFile(c.file, smallBitmap());
        session.answerFileDialogs({session.workDir() + "/" + c.file});
        std::string before;
        session.answerDialog(IDD_DIBUJO, [&](DialogDriver& d) {
            before = d.text(kPicturePath);
            d.click(kChoosePicture);
            EXPECT_EQ(d.text(kPicturePath), before);
            ASSERT_EQ(session.messages().size(), 1u);
            EXPECT_EQ(session.messages()[0].text, "No se puede abrir el fichero");
            d.click(IDOK);
        });
        session.command(view, ID_FILE_IMPORT_PICTURE);
        EXPECT_EQ(view.m_componentCount, 0);
        EXPECT_EQ(session.messages().size(), 1u);
        EXPECT_FALSE(session.document(view).isModified());
    }
}

}  // namespace
