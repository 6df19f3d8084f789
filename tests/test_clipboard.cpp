// Cut, Copy, Paste, Undo, Redo and Select All: the internal clipboard, the hidden
// slots at the end of the table, the picture on the system clipboard, the
// inverter control travelling with its companion, and the enabling of the
// commands. Scenarios through the test kit keep a small circuit consistent
// across copy, paste, undo, redo, save and load.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "circuit_sheet.h"
#include "edit/Clipboard.h"
#include "edit_sheet.h"
#include "file_test_support.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/clipboard.h"
#include "platform/msgbox.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testing::EditSheet;

namespace {

struct Scenario {
    const char* name;
    std::function<void(EditSheet&)> run;
    std::function<void(EditSheet&)> check;
};

// Slots below the count that are drawn: every one of them is live or a companion,
// and nothing above the count is live.
void expectTableTidy(const CVelkarionView& v) {
    for (int i = v.m_componentCount; i < kSlotCount; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_FALSE(v.m_type[i] >= 1 && v.m_deleted[i] == 0) << "a live item above the count";
    }
}

void expectMoved(const CVelkarionView& v, int copy, int original, int by) {
    EXPECT_EQ(v.m_type[copy], v.m_type[original]);
    EXPECT_EQ(v.m_label[copy], v.m_label[original]);
    EXPECT_EQ(v.m_x[copy], v.m_x[original] + by);
    EXPECT_EQ(v.m_y[copy], v.m_y[original] + by);
    EXPECT_EQ(v.m_x2[copy], v.m_x2[original] + by);
    EXPECT_EQ(v.m_y2[copy], v.m_y2[original] + by);
    EXPECT_EQ(v.m_componentId[copy], copy);
}

const std::vector<Scenario>& clipboardScenarios() {
    static const std::vector<Scenario> rows = {
        {"copy with nothing selected empties the clipboard and keeps its box",
         [](EditSheet& s) {
             const int a = s.addSymbol(kTypeCoil, 60, 40);
             s.select({a}, {50, 30, 90, 60});
             s.view.OnEditCopy();
             // Copy leaves the selection; the right button ends it. Nothing is
             // picked or selected now; a slot hidden above the count waits.
             s.view.CancelPointerTools();
             s.view.m_selectionRect[0] = 1;
             s.add(kTypeAuxContactNO, 90, 90);
             s.view.OnEditUndo();
             s.doc.setModified(false);
             g_currentTool = kTypeCoil;
             s.view.OnEditCopy();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             EXPECT_FALSE(isClipboardEntryInUse(0));
             EXPECT_EQ(g_clipboardBox[0], 50);
             EXPECT_EQ(s.view.m_componentCount, 1);
             EXPECT_EQ(s.view.m_deleted[1], 1) << "the paste blanked the hidden slot";
             EXPECT_EQ(s.view.m_type[1], kTypeAuxContactNO);
             EXPECT_EQ(s.view.m_selectionRect[0], 65);
             EXPECT_EQ(s.view.m_selectionRect[3], 75);
             EXPECT_EQ(g_currentTool, kTypeNone);
             EXPECT_FALSE(s.modified());
         }},
        {"a single picked component pastes at the top left of the visible sheet, on the pointer",
         [](EditSheet& s) {
             s.scrollTo(100, 50);
             s.addSymbol(kTypeAuxContactNO, 20, 20);
             const int coil = s.addSymbol(kTypeCoil, 160, 90);
             s.pick(coil);
             s.view.OnEditCopy();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             // Scroll (100, 50) snaps to (96, 48) on the grid of 6: (48, 24) units.
             const int p = 2;
             EXPECT_EQ(s.view.m_componentCount, 3);
             EXPECT_EQ(s.view.m_x[p], 48 + 6);
             EXPECT_EQ(s.view.m_y[p], 24 + 3);
             EXPECT_EQ(s.view.m_componentId[p], p);
             EXPECT_EQ(g_itemPicked, 1);
             EXPECT_EQ(s.view.m_pickedIndex, p);
             EXPECT_EQ(s.view.m_selected[p], 0);
             EXPECT_EQ(s.view.m_pasteSingle, 1);
             EXPECT_EQ(s.view.m_selectionValid, 0);
             EXPECT_EQ(s.view.m_selected[1], 0) << "the copied item stays unselected";
             EXPECT_EQ(s.view.m_x[1], 160);
             EXPECT_TRUE(s.modified());
         }},
        {"a single pasted line keeps its length",
         [](EditSheet& s) {
             const int line = s.addLine(30, 12, 51, 27, 2);
             s.pick(line);
             s.view.OnEditCopy();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_x[1], 0);
             EXPECT_EQ(s.view.m_y[1], 0);
             EXPECT_EQ(s.view.m_x2[1], 21);
             EXPECT_EQ(s.view.m_y2[1], 15);
             EXPECT_EQ(s.view.m_lineCorner[1], 2);
         }},
        {"three selected items pasted twice give two groups moved 15 units",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             s.addLine(10, 60, 40, 60, 1);
             s.add(kTypeWirePhase, 30, 45, 30, 60);
             s.addSymbol(kTypePilotLamp, 200, 200);
             s.select({0, 1, 2}, {5, 20, 60, 70});
             s.view.OnEditCopy();
             s.view.OnEditPaste();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 10);
             for (int k = 0; k < 3; ++k) {
                 SCOPED_TRACE(k);
                 expectMoved(s.view, 4 + k, k, 15);
                 expectMoved(s.view, 7 + k, k, 15);
                 EXPECT_EQ(s.view.m_selected[7 + k], 1);
                 EXPECT_EQ(s.view.m_selected[k], 0) << "only the last pasted group is selected";
                 EXPECT_EQ(s.view.m_selected[4 + k], 0);
             }
             EXPECT_EQ(g_selectionCount, 3);
             EXPECT_EQ(s.view.m_selectionValid, 1);
             EXPECT_EQ(g_itemPicked, 0);
             EXPECT_EQ(s.view.m_selectionRect[0], 20);
             EXPECT_EQ(s.view.m_selectionRect[3], 85);
         }},
        {"cut of two items after a copy of five pastes exactly the two",
         [](EditSheet& s) {
             for (int k = 0; k < 5; ++k) s.addSymbol(kTypeCoil + (k % 2), 30 + 30 * k, 30);
             s.select({0, 1, 2, 3, 4}, {0, 0, 200, 60});
             s.view.OnEditCopy();
             for (int k = 0; k < 5; ++k) s.view.m_selected[k] = 0;
             s.select({1, 3}, {50, 20, 150, 50});
             s.doc.setModified(false);
             s.view.OnEditCut();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_deleted[1], 1);
             EXPECT_EQ(s.view.m_deleted[3], 1);
             EXPECT_EQ(s.view.m_deleted[2], 0);
             EXPECT_EQ(s.view.m_selected[1], 1) << "a cut item keeps its selection flag";
             EXPECT_EQ(s.view.m_componentCount, 7);
             expectMoved(s.view, 5, 1, 15);
             expectMoved(s.view, 6, 3, 15);
             EXPECT_EQ(s.view.m_deleted[5], 0);
             EXPECT_TRUE(s.modified());
         }},
        {"cut after select all empties the sheet; undo and redo walk the hidden slots",
         [](EditSheet& s) {
             for (int k = 0; k < 3; ++k) s.addSymbol(kTypeCoil, 30 * (k + 1), 30);
             s.view.OnEditSelectAllItems();
             s.view.OnEditCut();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 0);
             EXPECT_EQ(s.view.m_floatingBlock, 0);
             for (int k = 0; k < 3; ++k) EXPECT_EQ(s.view.m_deleted[k], 1);
             s.view.OnEditUndo();
             EXPECT_EQ(s.view.m_componentCount, 0);
             EXPECT_EQ(s.view.m_deleted[0], 1);
             for (int k = 1; k <= 3; ++k) {
                 s.view.OnEditRedo();
                 EXPECT_EQ(s.view.m_componentCount, k);
                 EXPECT_EQ(s.view.m_deleted[k - 1], 0);
             }
             s.view.OnEditRedo();
             EXPECT_EQ(s.view.m_componentCount, 3) << "slot 3 was never hidden";
         }},
        {"a cut that finds nothing leaves the clipboard and the sheet as they were",
         [](EditSheet& s) {
             const int a = s.addSymbol(kTypeCoil, 60, 40);
             s.pick(a);
             s.view.OnEditCopy();
             // A band that held nothing, and no pick.
             g_itemPicked = 0;
             s.view.m_selectionValid = 1;
             s.doc.setModified(false);
             s.view.OnEditCut();
         },
         [](EditSheet& s) {
             EXPECT_TRUE(isClipboardEntryInUse(0));
             EXPECT_EQ(s.view.m_deleted[0], 0);
             EXPECT_FALSE(s.modified());
         }},
        {"undo with an empty table hides slot 0 and keeps the count",
         [](EditSheet& s) { s.view.OnEditUndo(); },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 0);
             EXPECT_EQ(s.view.m_deleted[0], 1);
             EXPECT_FALSE(s.modified());
         }},
        {"undo twice and redo once",
         [](EditSheet& s) {
             for (int k = 0; k < 3; ++k) s.addSymbol(kTypeCoil, 30 * (k + 1), 30);
             s.view.OnEditUndo();
             s.view.OnEditUndo();
             s.view.OnEditRedo();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 2);
             EXPECT_EQ(s.view.m_deleted[1], 0);
             EXPECT_EQ(s.view.m_deleted[2], 1);
             EXPECT_TRUE(s.modified());
         }},
        {"redo does nothing when the slot at the count is not hidden",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             s.view.OnEditRedo();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 1);
             EXPECT_FALSE(s.modified());
         }},
        {"undo and redo do nothing while an item hangs on the pointer",
         [](EditSheet& s) {
             for (int k = 0; k < 2; ++k) s.addSymbol(kTypeCoil, 30 * (k + 1), 30);
             s.view.OnEditUndo();
             s.pick(0);
             s.view.OnEditUndo();
             s.view.OnEditRedo();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 1);
             EXPECT_EQ(s.view.m_deleted[1], 1);
             EXPECT_EQ(s.view.m_deleted[0], 0);
         }},
        {"a paste the table cannot hold is refused whole with a beep",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             s.addSymbol(kTypeCoil, 60, 30);
             s.select({0, 1}, {0, 0, 100, 60});
             s.view.OnEditCopy();
             s.view.m_componentCount = 999;
             s.doc.setModified(false);
             g_currentTool = kTypeCoil;
         },
         [](EditSheet& s) {
             const int beeps = beepCount();
             s.view.OnEditPaste();
             EXPECT_EQ(beepCount(), beeps + 1);
             EXPECT_EQ(s.view.m_componentCount, 999);
             EXPECT_EQ(s.view.m_type[999], 0);
             EXPECT_FALSE(s.modified());
             s.view.m_componentCount = 998;
             s.view.OnEditPaste();
             EXPECT_EQ(s.view.m_componentCount, 998) << "a sheet keeps at most 999 items";
             EXPECT_FALSE(s.modified());
             s.view.m_componentCount = 997;
             s.view.OnEditPaste();
             EXPECT_EQ(s.view.m_componentCount, 999) << "room for two takes two items";
             EXPECT_EQ(s.view.m_componentId[998], 998);
         }},
        {"an inverter control is copied, pasted and carried with its companion",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             const int control = s.addInverter(100, 50);
             s.pick(control);
             s.view.OnEditCopy();
             s.view.OnEditPaste();
         },
         [](EditSheet& s) {
             EXPECT_TRUE(isClipboardEntryInUse(1)) << "the companion entry follows its control";
             EXPECT_EQ(s.view.m_componentCount, 5);
             EXPECT_EQ(s.view.m_type[3], kTypeInverterControl);
             EXPECT_EQ(s.view.m_type[4], kTypeCompanionSlot);
             EXPECT_EQ(s.view.m_terminalName[4][0], "AO");
             EXPECT_EQ(s.view.m_componentId[4], 4);
             EXPECT_EQ(g_itemPicked, 1) << "control and companion are one item";
             EXPECT_EQ(s.view.m_pickedIndex, 3);
             EXPECT_EQ(s.view.m_x[4], s.view.m_x[3]);
             EXPECT_EQ(s.view.m_y[4], s.view.m_y[3]);
         }},
        {"undo and redo take an inverter control and its companion together",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             s.addInverter(100, 50);
             s.view.OnEditUndo();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_componentCount, 1);
             EXPECT_EQ(s.view.m_deleted[1], 1);
             EXPECT_EQ(s.view.m_deleted[2], 1) << "a companion left visible would still be saved";
             s.view.OnEditRedo();
             EXPECT_EQ(s.view.m_componentCount, 3);
             EXPECT_EQ(s.view.m_deleted[1], 0);
             EXPECT_EQ(s.view.m_deleted[2], 0);
         }},
        {"cut of a selected inverter control hides its companion",
         [](EditSheet& s) {
             s.addInverter(100, 50);
             s.addSymbol(kTypeCoil, 30, 30);
             s.select({0}, {90, 40, 170, 120});
             s.view.OnEditCut();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_deleted[0], 1);
             EXPECT_EQ(s.view.m_deleted[1], 1);
             EXPECT_EQ(s.view.m_deleted[2], 0);
             EXPECT_TRUE(isClipboardEntryInUse(1));
         }},
        {"cut of the picked item hides it and drops the pick",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 30, 30);
             s.addSymbol(kTypeCoil, 90, 30);
             s.pick(1);
             s.settle();
             s.view.OnEditCut();
         },
         [](EditSheet& s) {
             EXPECT_EQ(s.view.m_deleted[1], 1);
             EXPECT_EQ(s.view.m_deleted[0], 0);
             EXPECT_EQ(s.view.m_componentCount, 2);
             EXPECT_EQ(g_itemPicked, 0);
             EXPECT_TRUE(isClipboardEntryInUse(0));
             EXPECT_FALSE(isClipboardEntryInUse(1));
             EXPECT_TRUE(s.modified());
             // Its box (84..114, 27..45 units) at zoom 2 is repainted.
             EXPECT_EQ(s.view.pendingPaintArea(), (Rect{168, 54, 228, 90}));
         }},
    };
    return rows;
}

TEST(Clipboard, ScenariosKeepTheTableConsistent) {
    for (const Scenario& row : clipboardScenarios()) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        row.run(s);
        row.check(s);
        expectTableTidy(s.view);
    }
}

TEST(Clipboard, CopyPutsTheVisibleSheetOnTheSystemClipboard) {
    EditSheet s(120, 80);
    s.settle();
    s.view.surface().fillRect({10, 10, 30, 20}, rgb(0, 0, 255));
    s.view.surface().setPixel(119, 79, rgb(255, 0, 0));
    s.view.OnEditCopy();
    const Surface picture = clipboardBitmap();
    ASSERT_EQ(picture.width(), 120);
    ASSERT_EQ(picture.height(), 80);
    int differing = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 120; ++x) differing += picture.pixel(x, y) != s.view.surface().pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(picture.pixel(15, 15), rgb(0, 0, 255));
    EXPECT_TRUE(s.boxes.empty());
    EXPECT_FALSE(s.view.hasPendingPaint()) << "Copy repaints nothing";
}

TEST(Clipboard, CopyFailuresAreReportedAfterTheInternalCopy) {
    struct Row {
        const char* name;
        int width, height;
        bool heldElsewhere;
        const char* message;
    };
    const Row rows[] = {
        {"no client area to take a bitmap of", 0, 0, false, "Error al crear el mapa de bits"},
        {"the clipboard is held by another window", 50, 40, true, "No se puede abrir el portapapeles"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        s.view.resizeClient(row.width, row.height);
        s.addSymbol(kTypeCoil, 30, 30);
        s.pick(0);
        setClipboardHeldElsewhere(row.heldElsewhere);
        s.view.OnEditCopy();
        ASSERT_EQ(s.boxes.size(), 1u);
        EXPECT_EQ(s.boxes[0], row.message);
        EXPECT_TRUE(isClipboardEntryInUse(0));
        EXPECT_EQ(s.view.cursor(), CursorShape::Arrow) << "the wait cursor ends";
    }
}

TEST(Clipboard, SelectAllEnclosesEveryLiveItem) {
    struct Row {
        const char* name;
        std::function<void(EditSheet&)> build;
        int selected;
        Rect rect;
    };
    const Row rows[] = {
        {"contacts and coils: their boxes",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 60, 40, {-6, -3, 24, 15});
             s.addSymbol(kTypeAuxContactNO, 30, 90, {-6, -3, 15, 30});
         },
         2, {24, 37, 84, 120}},
        {"wires and lines: their two points; chart lines: points and box",
         [](EditSheet& s) {
             s.add(kTypeWirePhase, 30, 45, 30, 160);
             s.addLine(12, 50, 40, 70, 1);
             const int link = s.add(kTypeGrafcetLink, 50, 20, 90, 20);
             s.view.m_boxX2[link] = 100;
         },
         3, {12, 20, 150, 160}},
        {"hidden items, holes and the companion are left out",
         [](EditSheet& s) {
             s.addSymbol(kTypeCoil, 60, 40, {-6, -3, 24, 15});
             const int hidden = s.addSymbol(kTypeCoil, 300, 300);
             s.view.m_deleted[hidden] = 1;
             s.add(kTypeNone, 500, 500);
             s.addInverter(100, 100);
         },
         2, {54, 37, 160, 160}},
        {"an empty sheet", [](EditSheet&) {}, 0, {10000, 10000, 0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        row.build(s);
        g_currentTool = kTypeCoil;
        s.pick(0);
        s.view.m_selectionValid = 1;
        s.view.OnEditSelectAllItems();
        int selected = 0;
        for (int i = 0; i < kSlotCount; ++i) selected += s.view.m_selected[i];
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(g_selectionCount, row.selected);
        EXPECT_EQ(s.view.m_selectionRect[0], row.rect.left);
        EXPECT_EQ(s.view.m_selectionRect[1], row.rect.top);
        EXPECT_EQ(s.view.m_selectionRect[2], row.rect.right);
        EXPECT_EQ(s.view.m_selectionRect[3], row.rect.bottom);
        EXPECT_EQ(s.view.m_floatingBlock, 1);
        EXPECT_EQ(s.view.m_selectionValid, 0);
        EXPECT_EQ(g_currentTool, kTypeNone);
        EXPECT_EQ(g_itemPicked, 0);
        EXPECT_FALSE(s.modified());
    }
}

TEST(Clipboard, EnablingFollowsTheEditingRule) {
    // Cut is enabled only where it finds something to remove; the sheet holds one
    // coil unless the row says it is empty.
    struct Row {
        const char* name;
        int simulating, tool, picked, selected, selectionValid, floatingBlock;
        bool emptySheet;
        bool cut, others;
    };
    const Row rows[] = {
        {"editing, nothing to cut", 0, kTypeNone, 0, 0, 0, 0, false, false, true},
        {"editing, the coil picked", 0, kTypeNone, 1, 0, 0, 0, false, true, true},
        {"editing, the coil picked with a tool armed", 0, kTypeCoil, 1, 0, 0, 0, false, false, true},
        {"editing, a band selection holding the coil", 0, kTypeNone, 0, 1, 1, 0, false, true, true},
        {"editing, a band selection holding nothing", 0, kTypeNone, 0, 0, 1, 0, false, false, true},
        {"editing, the whole sheet selected", 0, kTypeNone, 0, 1, 0, 1, false, true, true},
        {"editing, the whole of an empty sheet selected", 0, kTypeNone, 0, 0, 0, 1, true, false, true},
        {"simulating with the coil picked and selected", 1, kTypeNone, 1, 1, 1, 1, false, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        if (!row.emptySheet) s.addSymbol(kTypeCoil, 30, 30);
        s.view.m_simulating = row.simulating;
        g_currentTool = row.tool;
        g_itemPicked = row.picked;
        s.view.m_selected[0] = row.selected;
        g_selectionCount = row.selected;
        s.view.m_selectionValid = row.selectionValid;
        s.view.m_floatingBlock = row.floatingBlock;
        auto enabled = [&](int id) {
            CommandUpdate state;
            EXPECT_TRUE(s.view.UpdateEditCommand(id, state));
            return state.enabled;
        };
        EXPECT_EQ(enabled(ID_EDIT_CUT), row.cut);
        for (int id : {ID_EDIT_PASTE, ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_SELECT_ALL_ITEMS})
            EXPECT_EQ(enabled(id), row.others) << id;
        EXPECT_TRUE(enabled(ID_EDIT_COPY)) << "a picture can be taken at any time";
    }
}

// --- through the test kit ---------------------------------------------------------------------

// Every saved record of a view, one text per slot that the file would keep.
std::vector<std::string> liveRecords(CVelkarionView& v) {
    std::vector<std::string> out;
    for (int i = 0; i < kSlotCount; ++i) {
        if (!((v.m_type[i] >= 1 || v.m_type[i] == kTypeCompanionSlot) && v.m_deleted[i] == 0)) continue;
        out.push_back(std::to_string(v.m_type[i]) + " " + v.m_label[i] + " " + std::to_string(v.m_x[i]) + "," +
                      std::to_string(v.m_y[i]) + " " + v.m_paramText[i]);
    }
    return out;
}

TEST(ClipboardSession, CopyPasteUndoRedoOfACircuitSurviveSaveAndLoad) {
    testkit::Session session;
    session.writeFile("circuit.cad", filetest::readBytes(filetest::fixturePath("circuit_with_inverter.cad")));
    CVelkarionView& view = session.openSheet("circuit.cad");
    ASSERT_EQ(view.m_componentCount, 10);
    const std::vector<std::string> original = liveRecords(view);

    for (int id : {ID_EDIT_SELECT_ALL_ITEMS, ID_EDIT_COPY, ID_EDIT_PASTE})
        ASSERT_EQ(session.command(view, id), CommandResult::Handled) << id;
    ASSERT_EQ(view.m_componentCount, 20);
    EXPECT_EQ(g_selectionCount, 9) << "nine items, the companion goes with its control";
    for (int i = 10; i < 20; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(view.m_componentId[i], i);
        EXPECT_EQ(view.m_type[i], view.m_type[i - 10]);
        EXPECT_EQ(view.m_x[i], view.m_x[i - 10] + 15);
    }

    // Back over the text, the line and the pasted inverter unit, then forward
    // over the unit again.
    for (int k = 0; k < 3; ++k) session.command(view, ID_EDIT_UNDO);
    EXPECT_EQ(view.m_componentCount, 16);
    session.command(view, ID_EDIT_REDO);
    EXPECT_EQ(view.m_componentCount, 18);
    EXPECT_EQ(view.m_type[16], kTypeInverterControl);
    EXPECT_EQ(view.m_deleted[17], 0);
    EXPECT_TRUE(session.document(view).isModified());
    EXPECT_TRUE(session.messages().empty());

    const std::vector<std::string> edited = liveRecords(view);
    ASSERT_EQ(edited.size(), 18u);
    for (std::size_t i = 0; i < original.size(); ++i) EXPECT_EQ(edited[i], original[i]);

    session.answerFileDialogs({"edited.cad"});
    view.OnFileSaveAs();
    CVelkarionView& reloaded = session.openSheet("edited.cad");
    EXPECT_EQ(reloaded.m_componentCount, 18);
    EXPECT_EQ(liveRecords(reloaded), edited);
    EXPECT_EQ(reloaded.ComposeSheetText(1), view.ComposeSheetText(1));
}

// --- what the user gets with the mouse, the keys and the menu ---------------------------------

// A coil and a lamp side by side, placed from their palettes with the mouse. The
// coil's pick area is 48..68 x 43..59 units, the lamp's 108..128 x 43..59.
constexpr Point kCoilAt{60, 45};
constexpr Point kLampAt{120, 45};
constexpr Point kOnCoil{57, 51};
constexpr Point kEmpty{210, 150};
// A band from its top left corner to its bottom right one around both.
constexpr Point kBandFrom{42, 36};
constexpr Point kBandTo{135, 66};

using circuittest::Circuit;

constexpr Point offset(Point p, int dx, int dy) { return {p.x + dx, p.y + dy}; }
using Gesture = std::function<void(testkit::Session&, Circuit&)>;

void drawCoilAndLamp(Circuit& c, bool withLamp = true) {
    circuittest::Sheet sheet{{{ID_PLACE_COIL, kCoilAt, ""}}, {}};
    if (withLamp) sheet.parts.push_back({ID_PLACE_PILOT_LAMP, kLampAt, ""});
    c.draw(sheet);
}

int clipboardItems() {
    int n = 0;
    for (int i = 0; i < kSlotCount; ++i) n += isClipboardEntryInUse(i) ? 1 : 0;
    return n;
}

std::vector<int> selectedSlots(const CVelkarionView& v) {
    std::vector<int> out;
    for (int i = 0; i < kSlotCount; ++i)
        if (v.m_selected[i] == 1 && v.m_deleted[i] == 0) out.push_back(i);
    return out;
}

TEST(ClipboardSession, NothingToCutLeavesTheClipboardAsItWas) {
    struct Row {
        const char* name;
        Gesture leaveNothingToCut;
    };
    const Row rows[] = {
        {"a click on empty sheet", [](testkit::Session&, Circuit& c) { c.click(kEmpty); }},
        {"a band around empty sheet", [](testkit::Session&, Circuit& c) { c.drag(kEmpty, offset(kEmpty, 30, 21)); }},
        {"a band dragged up and left over the coil", [](testkit::Session&, Circuit& c) { c.drag(kBandTo, kBandFrom); }},
        {"Select All on an empty sheet in another window",
         [](testkit::Session& session, Circuit&) { session.command(session.newSheet(), ID_EDIT_SELECT_ALL_ITEMS); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        Circuit c(session);
        drawCoilAndLamp(c, false);
        c.click(kOnCoil);
        EXPECT_EQ(g_itemPicked, 1);
        session.command(c.view(), ID_EDIT_COPY);
        row.leaveNothingToCut(session, c);

        CVelkarionView& view = *session.activeView();
        EXPECT_EQ(session.isEnabled(view, ID_EDIT_CUT), false);
        session.document(view).setModified(false);
        session.key(view, kKeyDelete);
        EXPECT_EQ(c.view().m_deleted[0], 0) << "the coil is still there";
        EXPECT_FALSE(session.document(view).isModified());
        EXPECT_EQ(clipboardItems(), 1);

        const int count = view.m_componentCount;
        session.command(view, ID_EDIT_PASTE);
        EXPECT_EQ(view.m_componentCount, count + 1) << "the copied coil is pasted";
        EXPECT_EQ(view.m_type[count], kTypeCoil);
    }
}

// Copy leaves what was chosen selected (it does not end the selection of what it
// took): a drag or Delete right after Copy must act on the items the user chose,
// and a selection without its flags left the picked item stuck.
TEST(ClipboardSession, CopyLeavesThePickAndTheSelectionAsTheyWere) {
    struct Row {
        const char* name;
        bool withLamp;
        Gesture choose;
    };
    const Row rows[] = {
        {"the picked coil", false, [](testkit::Session&, Circuit& c) { c.click(kOnCoil); }},
        {"a band around coil and lamp", true, [](testkit::Session&, Circuit& c) { c.drag(kBandFrom, kBandTo); }},
        {"the whole sheet", true,
         [](testkit::Session& session, Circuit& c) { session.command(c.view(), ID_EDIT_SELECT_ALL_ITEMS); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        Circuit c(session);
        drawCoilAndLamp(c, row.withLamp);
        CVelkarionView& view = c.view();
        row.choose(session, c);
        session.command(view, ID_EDIT_COPY);

        // A press on the coil and a drag of 30 units right and 15 down moves what
        // was chosen, the coil among it.
        c.drag(kOnCoil, offset(kOnCoil, 30, 15));
        EXPECT_EQ(view.m_x[0], kCoilAt.x + 30);
        EXPECT_EQ(view.m_y[0], kCoilAt.y + 15);
        if (row.withLamp) {
            EXPECT_EQ(view.m_x[1], kLampAt.x + 30);
            EXPECT_EQ(view.m_y[1], kLampAt.y + 15);
        }

        const int items = row.withLamp ? 2 : 1;
        session.key(view, kKeyDelete);
        for (int i = 0; i < items; ++i) EXPECT_EQ(view.m_deleted[i], 1) << "slot " << i;
        EXPECT_EQ(clipboardItems(), items) << "Delete cut what it removed";
    }
}

TEST(ClipboardSession, WhatACutLeavesMovesAsBefore) {
    struct Row {
        const char* name;
        Gesture cut;
    };
    const Row rows[] = {
        {"a band around the coil, Delete",
         [](testkit::Session& session, Circuit& c) {
             c.drag(kBandFrom, {kCoilAt.x + 12, kBandTo.y});
             session.key(c.view(), kKeyDelete);
         }},
        {"Select All, Delete, a new lamp",
         [](testkit::Session& session, Circuit& c) {
             session.command(c.view(), ID_EDIT_SELECT_ALL_ITEMS);
             session.key(c.view(), kKeyDelete);
             c.draw({{{ID_PLACE_PILOT_LAMP, kLampAt, ""}}, {}});
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        Circuit c(session);
        drawCoilAndLamp(c);
        CVelkarionView& view = c.view();
        row.cut(session, c);
        const int lamp = view.m_componentCount - 1;
        ASSERT_EQ(view.m_type[lamp], kTypePilotLamp);
        c.drag({kLampAt.x - 3, kLampAt.y + 6}, {kLampAt.x + 27, kLampAt.y + 21});
        EXPECT_EQ(view.m_x[lamp], kLampAt.x + 30);
        EXPECT_EQ(view.m_y[lamp], kLampAt.y + 15);
    }
}

TEST(ClipboardSession, CopyWhileSimulatingTakesOnlyThePicture) {
    testkit::Session session;
    Circuit c(session);
    drawCoilAndLamp(c, false);
    CVelkarionView& view = c.view();
    c.click(kOnCoil);
    session.command(view, ID_EDIT_COPY);

    c.simulate();
    EXPECT_EQ(session.isEnabled(view, ID_EDIT_COPY), true) << "a picture of the running sheet";
    ASSERT_EQ(session.command(view, ID_EDIT_COPY), CommandResult::Handled);
    const Surface picture = clipboardBitmap();
    EXPECT_EQ(picture.width(), testkit::Session::kClientWidth);
    EXPECT_EQ(picture.height(), testkit::Session::kClientHeight);

    session.command(view, ID_MODE_EDIT);
    session.command(view, ID_EDIT_PASTE);
    ASSERT_EQ(view.m_componentCount, 2) << "the coil copied before Simulate is pasted";
    EXPECT_EQ(view.m_type[1], kTypeCoil);
    EXPECT_TRUE(session.messages().empty());
}

TEST(ClipboardSession, PasteSelectsOnlyItsOwnGroup) {
    testkit::Session session;
    Circuit c(session);
    drawCoilAndLamp(c);
    CVelkarionView& view = c.view();
    c.drag(kBandFrom, kBandTo);
    session.command(view, ID_EDIT_COPY);
    session.command(view, ID_EDIT_PASTE);
    ASSERT_EQ(selectedSlots(view), (std::vector<int>{2, 3}));

    // The first pasted group is dragged away by its coil, then pasted again.
    const Point onPastedCoil = offset(kOnCoil, 15, 15);
    c.drag(onPastedCoil, offset(onPastedCoil, 60, 60));
    ASSERT_EQ(view.m_x[2], kCoilAt.x + 75);
    session.command(view, ID_EDIT_PASTE);
    EXPECT_EQ(selectedSlots(view), (std::vector<int>{4, 5}));
    EXPECT_EQ(g_selectionCount, 2);

    session.key(view, kKeyDelete);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(view.m_deleted[i], i >= 4 ? 1 : 0) << "slot " << i;
}

}  // namespace
