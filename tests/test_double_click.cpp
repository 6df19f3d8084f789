// Editing by double click: the general property dialog with its type-name table
// and limits, the choice of dialog by type, the exchange record copied out and
// back (after OK only), the variant boxes, texts, and the whole road through the
// test kit from a double click to a relabelled coil.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "dialogs/Editar.h"
#include "dialogs/Editar1.h"
#include "dialogs/EditarNaNc.h"
#include "dialogs/Editar_var1.h"
#include "dialogs/Editar_var2.h"
#include "dialogs/Exchange.h"
#include "dialogs/Pilotos.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "platform/textentry.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::DialogDriver;
using velk::testkit::Session;

namespace {

constexpr int kTitleLine = 1055;
constexpr int kLabelEdit = 1043;
constexpr int kLabel2Edit = 1044;
constexpr int kTerminalEdits[kTerminalCount] = {1045, 1046, 1047, 1048, 1049, 1050, 1051, 1052, 1056};
constexpr int kTerminalShown[kTerminalCount] = {1006, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014};

// A new sheet whose slots a test writes itself; the double click goes to the view
// with the item picked as the first click of the double click leaves it.
struct EditorSheet {
    Session session;
    CVelkarionView& view = session.newSheet();
    SheetDocument& doc = session.document(view);

    int add(int type, int x, int y, Rect box = {-6, -3, 24, 15}, const std::string& label = "-K") {
        const int i = view.m_componentCount++;
        view.m_type[i] = type;
        view.m_componentId[i] = i;
        view.m_x[i] = x;
        view.m_y[i] = y;
        view.m_boxX1[i] = box.left;
        view.m_boxY1[i] = box.top;
        view.m_boxX2[i] = box.right;
        view.m_boxY2[i] = box.bottom;
        view.m_label[i] = label;
        view.m_labelVisible[i] = 1;
        return i;
    }
    void doubleClickPicked(int slot) {
        view.claimPickAndSelection();
        g_itemPicked = 1;
        view.m_pickedIndex = slot;
        view.OnLButtonDblClk(kMouseLeft, {0, 0});
    }
    // The dialog of the slot's type answered by `script` for the picked slot.
    void edit(int slot, testkit::DialogScript script) {
        const PropertyDialogChoice& own = propertyDialogFor(view.m_type[slot]);
        session.answerDialog(own.run ? own.resourceId : IDD_EDITAR, std::move(script));
        doubleClickPicked(slot);
    }
};

// --- the general dialog on its own --------------------------------------------------

TEST(EditarDialog, TypeNameTableGivesTitleAndShownBoxes) {
    EXPECT_EQ(typeNameRowCount(), 125);
    struct Row {
        int type;
        const char* title;
        int kept;
    };
    const Row rows[] = {
        {3000, "Alimentación L", 0},    {2001, "Contactor III", 6},
        {1055, "Variador velocidad ca III.", 8},
        {1052, "Autotransformador III", 9}, {1057, "Variador velocidad cc.", 9},
        {1058, "Variador velocidad cc.", 9}, {1059, "ControlVariador velocidad cc.", 9},
        {10040, "Función lógica INV", 0}, {3014, "Fuente de alimentacióm", 5},
        {1003, "Motor Dahalander", 7},   {4000, "Cable", 0},
        {10101, "", 9},                  {1060, "", 9},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.type));
        Session session;
        g_exchangeType = row.type;
        g_exchangeTerminal.fill("");
        g_exchangeTerminal[8] = "X9";
        for (int k = 0; k < kTerminalCount; ++k) g_exchangeTerminalVisible[k] = k % 2;
        session.answerDialog(IDD_EDITAR, [&](DialogDriver& d) {
            EXPECT_EQ(d.dialog().dialogTemplate().width, 200);
            EXPECT_EQ(d.dialog().dialogTemplate().height, 190);
            EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Editar"));
            EXPECT_EQ(d.text(kTitleLine), row.title);
            EXPECT_TRUE(d.dialog().isReadOnly(kTitleLine));
            for (int k = 0; k < kTerminalCount; ++k) {
                EXPECT_EQ(d.visible(kTerminalShown[k]), k < row.kept) << "box " << k + 1;
                EXPECT_TRUE(d.visible(kTerminalEdits[k])) << "edit " << k + 1;
            }
            // Terminal 1 travels back whether its box shows or not.
            d.setText(kTerminalEdits[0], "A1");
            d.click(IDOK);
        });
        ASSERT_EQ(runPropertyDialogFor(row.type), DialogResult::Ok);
        EXPECT_EQ(g_exchangeTerminal[0], "A1");
        EXPECT_EQ(g_exchangeTerminal[8], "X9");
        for (int k = 0; k < kTerminalCount; ++k) EXPECT_EQ(g_exchangeTerminalVisible[k], k % 2) << k;
    }
}

TEST(EditarDialog, LimitsWhileTypingAndOverLongTextsAtOk) {
    Session session;
    g_exchangeType = kTypeCoil;
    g_exchangeLabel = "ABCDEF";  // from a sheet
    g_exchangeLabel2 = "";
    const int beeps = session.beeps();
    session.answerDialog(IDD_EDITAR, [&](DialogDriver& d) {
        EXPECT_EQ(d.text(kLabelEdit), "ABCDEF");
        d.setText(kLabel2Edit, "12345");
        d.setText(kLabel2Edit, "123456");
        EXPECT_EQ(d.text(kLabel2Edit), "12345");
        d.setText(kTerminalEdits[0], "13");
        d.setText(kTerminalEdits[0], "134");
        EXPECT_EQ(d.text(kTerminalEdits[0]), "13");
        d.setText(kTerminalEdits[1], "A*");
        EXPECT_EQ(d.text(kTerminalEdits[1]), "A");
        // The ninth name is kept by the file for the autotransformer only.
        EXPECT_TRUE(d.dialog().isReadOnly(kTerminalEdits[8]));
        d.click(IDOK);
        EXPECT_TRUE(d.isOpen());
        EXPECT_EQ(d.focus(), kLabelEdit);
        ASSERT_EQ(session.messages().size(), 1u);
        EXPECT_EQ(TextCodec1250::toUtf8(session.messages()[0].text), "Wprowadź nie więcej niż 5 znaków.");
        EXPECT_EQ(g_exchangeLabel, "ABCDEF") << "nothing copied";
        d.setText(kLabelEdit, "ABCDE");
        d.click(IDOK);
    });
    ASSERT_EQ(runPropertyDialogFor(kTypeCoil), DialogResult::Ok);
    EXPECT_EQ(session.beeps() - beeps, 3);
    EXPECT_EQ(g_exchangeLabel, "ABCDE");
    EXPECT_EQ(g_exchangeLabel2, "12345");
    EXPECT_EQ(g_exchangeTerminal[0], "13");
    EXPECT_EQ(session.messages().size(), 1u);

    g_exchangeType = kTypeAutotransformer;
    session.answerDialog(IDD_EDITAR, [&](DialogDriver& d) {
        EXPECT_FALSE(d.dialog().isReadOnly(kTerminalEdits[8]));
        d.setText(kTerminalEdits[8], "n");
        d.click(IDOK);
    });
    ASSERT_EQ(runPropertyDialogFor(kTypeAutotransformer), DialogResult::Ok);
    EXPECT_EQ(g_exchangeTerminal[8], "n");
}

TEST(EditarDialog, DialogChoiceByType) {
    struct Row {
        int type;
        int dialog;
        bool repaintFirst;
    };
    const Row rows[] = {
        {7550, kPropertyDialogGeneral, false},      {4000, kPropertyDialogGeneral, false},
        {10041, kPropertyDialogGeneral, false},     {10034, kPropertyDialogGeneral, false},
        {10020, kPropertyDialogContactLogic, false}, {10033, kPropertyDialogContactLogic, false},
        {7000, kPropertyDialogContactLogic, false},  {7002, kPropertyDialogGeneral, false},
        {7500, kPropertyDialogSensor, true},         {7549, kPropertyDialogSensor, true},
        {7600, kPropertyDialogSensor, true},         {9008, kPropertyDialogLamp, false},
        {9009, kPropertyDialogLamp, false},          {9004, kPropertyDialogTimer, false},
        {9007, kPropertyDialogTimer, false},         {1056, kPropertyDialogInverter, false},
        {1061, kPropertyDialogRegulator, false},     {1000, kPropertyDialogGeneral, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.type));
        EXPECT_EQ(propertyDialogFor(row.type).resourceId, row.dialog);
        EXPECT_EQ(propertyDialogFor(row.type).repaintFirst, row.repaintFirst);
    }
    // A type whose own dialog is not there yet opens the general dialog meanwhile.
    Session session;
    for (const int type : {7550, 4000, 10041, 10020, 7500}) {
        SCOPED_TRACE(std::to_string(type));
        const PropertyDialogChoice& own = propertyDialogFor(type);
        if (own.resourceId != kPropertyDialogGeneral && own.run) continue;
        g_exchangeType = type;
        session.answerDialog(IDD_EDITAR, [](DialogDriver& d) { d.escape(); });
        EXPECT_EQ(runPropertyDialogFor(type), DialogResult::Cancel);
        EXPECT_EQ(session.modalRuns().back(), IDD_EDITAR);
    }
}

// --- copy out, copy back ---------------------------------------------------------------

TEST(DoubleClickEditor, OkCopiesBackAndCancelLeavesTheSlot) {
    EditorSheet s;
    const int coil = s.add(kTypeCoil, 90, 120);
    s.view.m_label2[coil] = "Pompa";
    s.view.m_terminalName[coil][0] = "A1";
    s.view.m_terminalName[coil][1] = "A2";
    s.view.m_terminalNameVisible[coil][0] = 1;
    s.doc.setModified(false);

    s.edit(coil, [](DialogDriver& d) {
        EXPECT_EQ(d.text(kLabelEdit), "-K");
        EXPECT_EQ(d.text(kLabel2Edit), "Pompa");
        EXPECT_EQ(d.text(kTerminalEdits[1]), "A2");
        EXPECT_TRUE(d.checked(kTerminalShown[0]));
        EXPECT_FALSE(d.checked(kTerminalShown[1]));
        d.setText(kLabelEdit, "-K9");
        d.click(kTerminalShown[1]);
        d.escape();
    });
    EXPECT_EQ(s.view.m_label[coil], "-K");
    EXPECT_EQ(s.view.m_terminalNameVisible[coil][1], 0);
    EXPECT_FALSE(s.doc.isModified());
    EXPECT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_pickedIndex, coil);

    s.edit(coil, [](DialogDriver& d) { d.enter(); });
    EXPECT_FALSE(s.doc.isModified()) << "OK without changes writes the same values";
    EXPECT_EQ(s.view.m_label2[coil], "Pompa");

    s.view.runPendingPaint();
    s.edit(coil, [](DialogDriver& d) {
        d.setText(kLabelEdit, "-K9");
        d.setText(kTerminalEdits[2], "x");
        d.click(kTerminalShown[1]);
        d.click(IDOK);
    });
    EXPECT_EQ(s.view.m_label[coil], "-K9");
    EXPECT_EQ(s.view.m_terminalName[coil][2], "x");
    EXPECT_EQ(s.view.m_terminalNameVisible[coil][1], 1);
    EXPECT_EQ(s.view.m_type[coil], kTypeCoil);
    EXPECT_TRUE(s.doc.isModified());
    EXPECT_EQ(s.view.m_pickedIndex, coil);
    EXPECT_TRUE(s.view.hasPendingPaint());
    EXPECT_EQ(s.view.pendingPaintArea(), (Rect{0, 0, Session::kClientWidth, Session::kClientHeight}));
}

TEST(DoubleClickEditor, VariantBoxesAfterOk) {
    struct Row {
        const char* name;
        int type;
        int newType;          // what the type's own dialog leaves in the record
        const char* param;    // parameter text after the dialog, nullptr to leave it
        Rect box;
        // What the user does in the sensor or logic dialog; without it the
        // script writes the record itself.
        std::function<void(DialogDriver&)> choose;
    };
    const auto click = [](int id) { return [id](DialogDriver& d) { d.click(id); }; };
    const auto pick = [](const char* item) { return [item](DialogDriver& d) { d.select(1102, item); }; };
    const Row rows[] = {
        {"two-wire sensor to three-wire", 7500, 7501, nullptr, {-18, -3, 15, 15}, click(1083)},
        {"three-wire to one side", 7501, 7504, nullptr, {-30, -3, 9, 9}, click(1057)},
        {"receiver to two-wire", 7554, 7553, nullptr, {-18, -3, 9, 15}, click(1082)},
        {"AND to 4 inputs", 10000, 10002, nullptr, {-6, -3, 24, 27}, pick("AND 4")},
        {"NOR to 5 inputs", 10030, 10033, nullptr, {-6, -3, 24, 33}, pick("NOR 5")},
        {"NAND to 2 inputs", 10023, 10020, nullptr, {-6, -3, 24, 15}, pick("NAND 2")},
        {"inverter without potentiometer", 1056, 1056, "1-0-0-000-200-010-025-050-05-05-00-0", {-6, -3, 24, 33}, nullptr},
        {"inverter with potentiometer", 1056, 1056, "1-1-0-000-200-010-025-050-05-05-00-0", {-6, -3, 24, 36}, nullptr},
        {"regulator without potentiometer", 1061, 1061, "0-050-230-0050-2000-05-05", {-6, -3, 24, 33}, nullptr},
        {"regulator with potentiometer", 1061, 1061, "1-050-230-0050-2000-05-05", {-6, -3, 24, 36}, nullptr},
        {"a text too short for the field", 1056, 1056, "1", {-6, -3, 24, 36}, nullptr},
        {"no variant: the box stays", 9000, 9000, nullptr, {-6, -3, 24, 15}, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSheet s;
        s.doc.m_zoom = 2.0;
        const int i = s.add(row.type, 60, 90);
        s.view.m_paramText[i] = "1-0-0-000-200-010-025-050-05-05-00-0";
        s.view.m_highlightRect.fill(-7);
        // The type's own dialog: a sensor or logic dialog is used as a user would;
        // the others get the record as their dialog leaves it and end with OK
        // without their own writing.
        s.edit(i, [&](DialogDriver& d) {
            if (row.choose) {
                row.choose(d);
                d.click(IDOK);
                return;
            }
            g_exchangeType = row.newType;
            if (row.param) g_exchangeText = row.param;
            d.dialog().endDialog(DialogResult::Ok);
        });
        EXPECT_EQ(s.view.m_type[i], row.newType);
        EXPECT_EQ((Rect{s.view.m_boxX1[i], s.view.m_boxY1[i], s.view.m_boxX2[i], s.view.m_boxY2[i]}), row.box);
        if (row.newType == 9000) {
            EXPECT_EQ(s.view.m_highlightRect[0], -7);
            continue;
        }
        EXPECT_EQ(s.view.m_highlightRect[0], (60 + row.box.left) * 2);
        EXPECT_EQ(s.view.m_highlightRect[1], (90 + row.box.top) * 2);
        EXPECT_EQ(s.view.m_highlightRect[2], (60 + row.box.right) * 2);
        EXPECT_EQ(s.view.m_highlightRect[3], (90 + row.box.bottom) * 2);
        if (row.param) {
            EXPECT_EQ(s.view.m_paramText[i], row.param);
        }
    }
}

TEST(DoubleClickEditor, SensorSheetIsRepaintedBeforeItsDialogOpens) {
    for (const int type : {kTypeInductiveSensorNO2Wire, kTypeCoil}) {
        SCOPED_TRACE(std::to_string(type));
        EditorSheet s;
        const int i = s.add(type, 60, 90);
        s.session.flush();
        s.view.runPendingPaint();
        s.edit(i, [&](DialogDriver& d) {
            EXPECT_EQ(s.view.hasPendingPaint(), type == kTypeInductiveSensorNO2Wire);
            d.escape();
        });
        // Cancel repaints nothing more.
        EXPECT_EQ(s.view.hasPendingPaint(), type == kTypeInductiveSensorNO2Wire);
    }
}

TEST(DoubleClickEditor, InverterCompanionOnlyWhenItIsThere) {
    EditorSheet s;
    const int inverter = s.add(kTypeInverterControl, 60, 90, {-3, -9, 21, 33}, "-G");
    s.view.m_paramText[inverter] = "1-0-0-000-200-010-025-050-05-05-00-0";
    const int companion = s.add(kTypeCompanionSlot, 60, 90, {0, 0, 0, 0}, "");
    s.view.m_terminalName[companion][5] = "AO";
    s.view.m_terminalNameVisible[companion][5] = 1;
    s.session.answerDialog(kPropertyDialogInverter, [](DialogDriver& d) {
        EXPECT_EQ(g_exchangeCompanionTerminal[5], "AO");
        EXPECT_EQ(g_exchangeCompanionTerminalVisible[5], 1);
        d.setText(1086, "R+");  // terminal 8
        d.click(IDOK);
    });
    s.doubleClickPicked(inverter);
    EXPECT_EQ(s.view.m_terminalName[companion][0], "R+");

    // A control whose next slot is another item: nothing of it is read or written.
    const int lone = s.add(kTypeInverterControl, 200, 90, {-3, -9, 21, 33}, "-G2");
    const int coil = s.add(kTypeCoil, 300, 90);
    s.view.m_terminalName[coil][0] = "A1";
    s.session.answerDialog(kPropertyDialogInverter, [](DialogDriver& d) {
        for (int k = 0; k < kCompanionTerminalCount; ++k) {
            EXPECT_EQ(g_exchangeCompanionTerminal[k], "");
            EXPECT_EQ(g_exchangeCompanionTerminalVisible[k], 0);
        }
        d.setText(1086, "zz");
        d.click(IDOK);
    });
    s.doubleClickPicked(lone);
    EXPECT_EQ(s.view.m_terminalName[coil][0], "A1");
    EXPECT_EQ(s.view.m_type[coil], kTypeCoil);
}

TEST(DoubleClickEditor, TextItemTakesTheNewTextAndExtent) {
    struct Row {
        const char* name;
        double zoom;
        std::optional<std::string> answer;
        int x2, y2;
        std::string text;
    };
    const Row rows[] = {
        {"zoom 2, three characters", 2.0, std::string("abc"), 50 + 6, 40 + 4, "abc"},
        {"zoom 2.5 gives no extent", 2.5, std::string("abc"), 50, 40, "abc"},
        {"zoom 5, Polish text", 5.0, cp1250("Łódź"), 50 + 7, 40 + 3, cp1250("Łódź")},
        {"Cancel leaves the item", 2.0, std::nullopt, 77, 55, "old text"},
        // Emptied, the item would show nothing and could not be found again.
        {"an emptied text is not taken", 2.0, std::string(""), 77, 55, "old text"},
        {"blanks only are not taken", 2.0, std::string("   "), 77, 55, "old text"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSheet s;
        s.doc.m_zoom = row.zoom;
        const int t = s.add(kTypeText, 50, 40, {0, 0, 0, 0}, "");
        s.view.m_x2[t] = 77;
        s.view.m_y2[t] = 55;
        s.view.m_paramText[t] = "old text";
        s.doc.setModified(false);
        std::vector<std::string> asked;
        s.session.answerDialog(158, [&](DialogDriver& d) {
            asked.push_back(d.text(1040));
            if (!row.answer) return d.escape();
            d.setText(1040, TextCodec1250::toUtf8(*row.answer));
            d.click(IDOK);
        });
        s.doubleClickPicked(t);
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0], "old text");
        EXPECT_EQ(g_textDialogPrefill, 0);
        EXPECT_EQ(s.view.m_paramText[t], row.text);
        EXPECT_EQ(s.view.m_x2[t], row.x2);
        EXPECT_EQ(s.view.m_y2[t], row.y2);
        EXPECT_EQ(s.doc.isModified(), row.text != "old text");
        EXPECT_EQ(g_itemPicked, 1);
        EXPECT_EQ(s.session.modalRuns(), std::vector<int>{158});
    }
}

// --- through the test kit ------------------------------------------------------------

using circuittest::Circuit;

// L feeds a coil "-K" straight from the supply; an auxiliary contact "-K" stands
// beside it, unwired.
const circuittest::Sheet kCoilAndContact = {
    {
        {ID_PLACE_SUPPLY_LN, {60, 60}, ""},
        {ID_PLACE_COIL, {90, 120}, "-K"},
        {ID_PLACE_AUX_CONTACT_NO, {180, 120}, "-K"},
    },
    {
        {circuittest::kPhase, {60, 60}, {60, 75}},
        {circuittest::kPhase, {60, 75}, {90, 75}},
        {circuittest::kPhase, {90, 75}, {90, 120}},
        {circuittest::kNeutral, {90, 132}, {90, 141}},
        {circuittest::kNeutral, {90, 141}, {150, 141}},
        {circuittest::kNeutral, {66, 60}, {150, 60}},
        {circuittest::kNeutral, {150, 60}, {150, 141}},
    },
};

Point windowAt(Session& session, CVelkarionView& view, int slot) {
    return session.unitsToWindow(view, view.m_x[slot] - 3, view.m_y[slot] + 6);
}

TEST(DoubleClickEditor, RelabelledCoilNoLongerDrivesItsContact) {
    Session session;
    Circuit c(session);
    c.draw(kCoilAndContact);
    CVelkarionView& view = c.view();
    const int coil = c.slotOf(kTypeCoil);
    const int contact = c.slotOf(kTypeAuxContactNO);
    ASSERT_GE(coil, 0);
    ASSERT_GE(contact, 0);

    c.simulate();
    c.tick(2);
    ASSERT_EQ(view.m_state[coil], 1);
    ASSERT_EQ(view.m_state[contact], 1) << "the contact follows its coil";
    session.command(view, ID_MODE_EDIT);

    const Point at = windowAt(session, view, coil);
    session.answerDialog(IDD_EDITAR, [](DialogDriver& d) {
        EXPECT_EQ(d.text(kTitleLine), "Bobina monoestable");
        d.setText(kLabelEdit, "-K2");
        d.click(IDOK);
    });
    session.doubleClick(view, at.x, at.y);
    EXPECT_EQ(session.modalRuns(), std::vector<int>{IDD_EDITAR});
    EXPECT_EQ(view.m_label[coil], "-K2");
    EXPECT_EQ(view.m_label[contact], "-K");

    c.simulate();
    c.tick(2);
    EXPECT_EQ(view.m_state[coil], 1);
    EXPECT_EQ(view.m_state[contact], 0) << "no longer the coil's contact";

    // While simulating a double click edits nothing.
    session.doubleClick(view, at.x, at.y);
    EXPECT_EQ(session.modalRuns().size(), 1u);
}

TEST(DoubleClickEditor, WhatADoubleClickOpens) {
    struct Row {
        const char* name;
        std::function<int(EditorSheet&)> place;  // the slot, -1 for empty sheet
        std::vector<int> dialogs;
    };
    const Row rows[] = {
        {"empty sheet", [](EditorSheet&) { return -1; }, {}},
        {"a picture",
         [](EditorSheet& s) {
             const int p = s.add(kTypePicture, 100, 100);
             s.view.m_x2[p] = 140;
             s.view.m_y2[p] = 140;
             return p;
         },
         {}},
        {"a rectangle",
         [](EditorSheet& s) {
             const int r = s.add(kTypeRectangle, 100, 100);
             s.view.m_x2[r] = 140;
             s.view.m_y2[r] = 140;
             return r;
         },
         {}},
        {"a wire",
         [](EditorSheet& s) {
             const int w = s.add(kTypeWirePhase, 100, 120);
             s.view.m_x2[w] = 160;
             s.view.m_y2[w] = 120;
             return w;
         },
         {IDD_EDITAR}},
        {"the reflex barrier", [](EditorSheet& s) { return s.add(kTypeReflexBarrier, 120, 120); }, {IDD_EDITAR}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditorSheet s;
        const int slot = row.place(s);
        s.session.flush();
        if (!row.dialogs.empty())
            s.session.answerDialog(IDD_EDITAR, [](DialogDriver& d) {
                EXPECT_EQ(d.dialog().dialogTemplate().caption, std::string("Editar"));
                d.escape();
            });
        const Point at = slot >= 0 ? s.session.unitsToWindow(s.view, 120, 120) : Point{600, 500};
        s.session.doubleClick(s.view, at.x, at.y);
        EXPECT_EQ(s.session.modalRuns(), row.dialogs);
    }
}

// Each property dialog opens with the typing going into its first field: the
// label, not the read-only title line above it.
TEST(DoubleClickEditor, PropertyDialogsOpenReadyForTyping) {
    struct Row {
        const char* name;
        int command;
        int type;
        int dialog;
    };
    const Row rows[] = {
        {"coil", ID_PLACE_COIL, kTypeCoil, IDD_EDITAR},
        {"lamp", ID_PLACE_PILOT_LAMP, kTypePilotLamp, IDD_PILOTOS},
        {"timer relay", ID_PLACE_ON_DELAY_TIMER, kTypeOnDelayTimer, IDD_TEMPORIZA},
        {"sensor", ID_PLACE_INDUCTIVE_SENSOR_NO, kTypeInductiveSensorNO2Wire, IDD_EDITAR1},
        {"auxiliary contact", ID_PLACE_AUX_CONTACT_NO, kTypeAuxContactNO, IDD_EDITAR_NA_NC},
        {"inverter control", ID_PLACE_INVERTER_CONTROL, kTypeInverterControl, IDD_EDITAR_VAR1},
        {"regulator control", ID_PLACE_DC_REGULATOR_CONTROL, kTypeDcRegulatorControl, IDD_EDITAR_VAR2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        Circuit c(session);
        c.draw({{{row.command, {60, 60}, ""}}, {}});
        CVelkarionView& view = c.view();
        const int slot = c.slotOf(row.type);
        ASSERT_GE(slot, 0);
        std::string title;
        session.answerDialog(row.dialog, [&](DialogDriver& d) {
            title = d.text(kTitleLine);
            d.setText(d.focus(), "-Q7");
            d.enter();
        });
        const Point at = session.unitsToWindow(view, view.m_x[slot] + view.m_boxX1[slot] + 6,
                                               view.m_y[slot] + view.m_boxY1[slot] + 6);
        session.doubleClick(view, at.x, at.y);
        EXPECT_EQ(session.modalRuns(), std::vector<int>{row.dialog});
        EXPECT_EQ(view.m_label[slot], "-Q7");
        EXPECT_FALSE(title.empty()) << "the title line is there, above the label";
    }
}

TEST(DoubleClickEditor, OnlyThisViewsOwnPick) {
    Session session;
    CVelkarionView& first = session.newSheet();
    CVelkarionView& second = session.newSheet();
    const int i = first.m_componentCount++;
    first.m_type[i] = kTypeCoil;
    first.m_x[i] = 90;
    first.m_y[i] = 120;
    first.m_boxX1[i] = -6;
    first.m_boxY1[i] = -3;
    first.m_boxX2[i] = 24;
    first.m_boxY2[i] = 15;
    const Point at = session.unitsToWindow(first, 90, 126);
    session.press(first, at.x, at.y);
    session.release(first, at.x, at.y);
    ASSERT_EQ(g_itemPicked, 1);
    // The second window gets only the double click: its own pick is none.
    second.onLeftDoubleClick(kMouseLeft, at);
    session.flush();
    EXPECT_TRUE(session.modalRuns().empty());
}

}  // namespace
