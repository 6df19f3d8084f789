// Command enabling: which menu items and toolbar buttons can be used in edit mode,
// while simulating, with each kind of tool, pick and selection, and with no sheet
// open at all.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/MainFrm.h"
#include "circuit_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/app.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::Session;

namespace {

// What is going on when the enabling is asked.
struct Situation {
    bool sheet = true;
    bool simulating = false;
    int tool = kTypeNone;
    int picked = 0;
    int selectionValid = 0;
    int floatingBlock = 0;
};

const Situation kEdit{};
const Situation kSimulating{true, true};
const Situation kNoSheet{false};

Situation withTool(int tool, bool simulating = false) { return {true, simulating, tool}; }
Situation picked(bool simulating = false, int tool = kTypeNone) { return {true, simulating, tool, 1}; }

struct EnablingCase {
    const char* name;
    int id;
    Situation situation;
    std::optional<bool> enabled;  // empty: nothing handles the command, the platform disables it
};

const std::vector<EnablingCase>& enablingMatrix() {
    static const std::vector<EnablingCase> cases = {
        // The common rule: usable only in edit mode.
        {"New", ID_FILE_NEW, kEdit, true},
        {"New while simulating", ID_FILE_NEW, kSimulating, false},
        {"Open while simulating", ID_FILE_OPEN, kSimulating, false},
        {"Close while simulating", ID_FILE_CLOSE, kSimulating, false},
        {"Save", ID_FILE_SAVE, kEdit, true},
        {"Save while simulating", ID_FILE_SAVE, kSimulating, false},
        {"Save As while simulating", ID_FILE_SAVE_AS, kSimulating, false},
        {"Print while simulating", ID_FILE_PRINT, kSimulating, false},
        {"Print preview while simulating", ID_FILE_PRINT_PREVIEW, kSimulating, false},
        {"Import picture while simulating", ID_FILE_IMPORT_PICTURE, kSimulating, false},
        {"Export picture", ID_FILE_EXPORT_PICTURE, kEdit, true},
        {"Export picture while simulating", ID_FILE_EXPORT_PICTURE, kSimulating, false},
        {"Paste", ID_EDIT_PASTE, kEdit, true},
        {"Paste while simulating", ID_EDIT_PASTE, kSimulating, false},
        {"Undo while simulating", ID_EDIT_UNDO, kSimulating, false},
        {"Redo while simulating", ID_EDIT_REDO, kSimulating, false},
        {"Select all while simulating", ID_EDIT_SELECT_ALL_ITEMS, kSimulating, false},
        {"select tool", ID_TOOL_SELECT, kEdit, true},
        {"select tool while simulating", ID_TOOL_SELECT, kSimulating, false},
        {"text tool while simulating", ID_TOOL_TEXT, kSimulating, false},
        {"libraries while simulating", ID_TOOL_LIBRARIES, kSimulating, false},
        {"black", ID_COLOR_BLACK, kEdit, true},
        {"colour dialog while simulating", ID_COLOR_CHOOSE, kSimulating, false},
        {"palette selector", ID_PALETTE_FUSES, kEdit, true},
        {"palette selector while simulating", ID_PALETTE_FUSES, kSimulating, false},
        {"palette command", ID_PLACE_MOTOR_THREE_PHASE, kEdit, true},
        {"palette command while simulating", ID_PLACE_MOTOR_THREE_PHASE, kSimulating, false},
        {"link palette command while simulating", ID_PLACE_GRAFCET_OR_DIVERGENCE, kSimulating, false},
        // The autotransformer follows the other palette commands.
        {"autotransformer", ID_PLACE_AUTOTRANSFORMER, kEdit, true},
        {"autotransformer while simulating", ID_PLACE_AUTOTRANSFORMER, kSimulating, false},

        // No enabling handler: usable in both modes.
        {"Zoom + while simulating", ID_ZOOM_IN, kSimulating, true},
        {"Zoom previous while simulating", ID_ZOOM_PREVIOUS, kSimulating, true},
        {"Zoom window while simulating", ID_ZOOM_WINDOW, kSimulating, true},
        {"grid while simulating", ID_VIEW_GRID, kSimulating, true},
        {"Simulate", ID_MODE_RUN, kEdit, true},
        {"Simulate while simulating", ID_MODE_RUN, kSimulating, true},
        {"Edit", ID_MODE_EDIT, kEdit, true},
        {"Edit while simulating", ID_MODE_EDIT, kSimulating, true},
        {"direct print while simulating", ID_FILE_PRINT_DIRECT, kSimulating, true},
        {"reserved tool while simulating", ID_TOOL_RESERVED, kSimulating, true},
        {"Copy", ID_EDIT_COPY, kEdit, true},
        {"Copy while simulating", ID_EDIT_COPY, kSimulating, true},
        {"Show menu toggle while simulating", ID_VIEW_BAR_COILS, kSimulating, true},
        {"New window while simulating", ID_WINDOW_NEW, kSimulating, true},

        // Pause and Step only while simulating.
        {"Pause", ID_MODE_PAUSE, kEdit, false},
        {"Pause while simulating", ID_MODE_PAUSE, kSimulating, true},
        {"Step", ID_MODE_STEP, kEdit, false},
        {"Step while simulating", ID_MODE_STEP, kSimulating, true},

        // Cut needs something to cut.
        {"Cut with nothing", ID_EDIT_CUT, kEdit, false},
        {"Cut with a pick and a tool armed", ID_EDIT_CUT, picked(false, kTypeCoil), false},
        {"Cut with a pick", ID_EDIT_CUT, picked(), true},
        {"Cut with a selection", ID_EDIT_CUT, {true, false, kTypeNone, 0, 1, 0}, true},
        {"Cut with the whole sheet", ID_EDIT_CUT, {true, false, kTypeNone, 0, 0, 1}, true},
        {"Cut with a pick while simulating", ID_EDIT_CUT, picked(true), false},

        // Rotate and mirror: tools 1000 to 3999 and above 4016, or a pick.
        {"rotate with the select tool", ID_ROTATE_LEFT, withTool(kTypeNone), false},
        {"rotate with a drawing tool", ID_ROTATE_RIGHT, withTool(kTypeRectangle), false},
        {"rotate with the text tool", ID_ROTATE_LEFT, withTool(kTypeText), false},
        {"rotate with a motor", ID_ROTATE_LEFT, withTool(kTypeMotorThreePhase), true},
        {"rotate with a power contact", ID_ROTATE_RIGHT, withTool(kTypeMainContactsIII), true},
        {"rotate with the last supply code", ID_ROTATE_LEFT, withTool(kTypeBattery), true},
        {"rotate with 3999", ID_ROTATE_LEFT, withTool(3999), true},
        {"rotate with a phase wire", ID_ROTATE_LEFT, withTool(kTypeWirePhase), false},
        {"rotate with a dot", ID_ROTATE_LEFT, withTool(kTypeConnectionDot), false},
        {"rotate with a terminal", ID_ROTATE_LEFT, withTool(kTypeTerminalI), false},
        {"rotate with the three-way strip", ID_ROTATE_LEFT, withTool(kTypeTerminalStrip3), false},
        {"rotate with the four-way strip", ID_ROTATE_LEFT, withTool(kTypeTerminalStrip4), true},
        {"rotate with the plus wire", ID_ROTATE_LEFT, withTool(kTypeWirePlus), true},
        {"rotate with a fuse", ID_ROTATE_LEFT, withTool(kTypeFuseI), true},
        {"rotate with a chart link", ID_ROTATE_LEFT, withTool(kTypeGrafcetLink), true},
        {"rotate with a motor while simulating", ID_ROTATE_LEFT, withTool(kTypeMotorThreePhase, true), false},
        {"mirror with the select tool and a pick", ID_MIRROR_VERTICAL, picked(), true},
        {"mirror with a wire tool and a pick", ID_MIRROR_HORIZONTAL, picked(false, kTypeWirePhase), true},
        {"mirror with a wire tool", ID_MIRROR_HORIZONTAL, withTool(kTypeWirePhase), false},
        {"mirror with a pick while simulating", ID_MIRROR_VERTICAL, picked(true), false},

        // Nothing handles these anywhere.
        {"PLC exchange", ID_MODE_PLC_EXCHANGE, kEdit, std::nullopt},
        {"BCD display button", ID_PLACE_DISPLAY_BCD, kEdit, std::nullopt},
        {"seven-segment button", ID_PLACE_DISPLAY_7_SEGMENTS, kEdit, std::nullopt},
        {"BCD preselector button", ID_PLACE_PRESELECTOR_BCD, kEdit, std::nullopt},

        // No sheet open: only the application's and the main window's commands.
        {"New without a sheet", ID_FILE_NEW, kNoSheet, true},
        {"Open without a sheet", ID_FILE_OPEN, kNoSheet, true},
        {"Exit without a sheet", ID_APP_EXIT, kNoSheet, true},
        {"About without a sheet", ID_APP_ABOUT, kNoSheet, true},
        {"toolbar item without a sheet", ID_VIEW_TOOLBAR, kNoSheet, true},
        {"status bar item without a sheet", ID_VIEW_STATUS_BAR, kNoSheet, true},
        {"palette selector without a sheet", ID_PALETTE_WIRING, kNoSheet, true},
        {"Save without a sheet", ID_FILE_SAVE, kNoSheet, std::nullopt},
        {"palette command without a sheet", ID_PLACE_COIL, kNoSheet, std::nullopt},
        {"drawing tool without a sheet", ID_TOOL_LINE, kNoSheet, std::nullopt},
        {"colour without a sheet", ID_COLOR_RED, kNoSheet, std::nullopt},
        {"zoom without a sheet", ID_ZOOM_IN, kNoSheet, std::nullopt},
        {"Simulate without a sheet", ID_MODE_RUN, kNoSheet, std::nullopt},
        {"New window without a sheet", ID_WINDOW_NEW, kNoSheet, false},
    };
    return cases;
}

std::optional<bool> enabledIn(Session& session, CVelkarionView* view, const Situation& s, int id) {
    if (view) {
        if (s.simulating && view->m_simulating == 0) session.command(*view, ID_MODE_RUN);
        if (!s.simulating && view->m_simulating != 0) session.command(*view, ID_MODE_EDIT);
        g_currentTool = s.tool;
        g_itemPicked = s.picked;
        // A selection holds the sheet's coil in slot 0, which is also what is picked.
        view->m_pickedIndex = 0;
        view->m_selected[0] = s.selectionValid == 1 || s.floatingBlock == 1 ? 1 : 0;
        g_selectionCount = view->m_selected[0];
        view->m_selectionValid = s.selectionValid;
        view->m_floatingBlock = s.floatingBlock;
        return session.isEnabled(*view, id);
    }
    CommandUpdate state;
    if (session.app().commandState(id, state) == CommandResult::Unhandled) return std::nullopt;
    return state.enabled;
}

}  // namespace

TEST(Enabling, MatrixOfSituations) {
    Session session;
    CVelkarionView* sheet = nullptr;
    for (bool withSheet : {false, true}) {
        if (withSheet) {
            circuittest::Circuit circuit(session);
            circuit.draw({{{ID_PLACE_COIL, {60, 45}, ""}}, {}});
            sheet = &circuit.view();
        }
        for (const EnablingCase& c : enablingMatrix()) {
            if (c.situation.sheet != withSheet) continue;
            SCOPED_TRACE(c.name);
            EXPECT_EQ(enabledIn(session, sheet, c.situation, c.id), c.enabled);
            if (sheet) {
                EXPECT_EQ(sheet->m_simulating != 0, c.situation.simulating) << "the situation holds";
            }
        }
    }
}

TEST(Enabling, EveryPaletteAndDrawingButtonFollowsTheMode) {
    Session session;
    CVelkarionView& view = session.newSheet();
    CMainFrame& frame = session.mainFrame();
    std::vector<int> ids;
    for (int bar : {int(kBarPaletteSelector), int(kBarDrawingTools), int(kBarColors)})
        for (int id : frame.toolbarSpec(bar).buttons)
            if (id != 0) ids.push_back(id);
    for (int bar = kBarFirstPalette; bar <= kBarLastPalette; ++bar)
        for (int id : frame.toolbarSpec(bar).buttons)
            if (id != 0 && id != ID_PLACE_DISPLAY_BCD && id != ID_PLACE_DISPLAY_7_SEGMENTS &&
                id != ID_PLACE_PRESELECTOR_BCD)
                ids.push_back(id);
    ASSERT_EQ(ids.size(), 13u + 9u + 13u + 184u);
    for (bool simulating : {false, true}) {
        session.command(view, simulating ? ID_MODE_RUN : ID_MODE_EDIT);
        for (int id : ids) {
            SCOPED_TRACE(std::to_string(id) + (simulating ? " while simulating" : ""));
            EXPECT_EQ(session.isEnabled(view, id), !simulating);
        }
    }
}

TEST(Enabling, TheActiveSheetDecides) {
    Session session;
    CVelkarionView& running = session.newSheet();
    CVelkarionView& editing = session.newSheet();
    ASSERT_EQ(session.command(running, ID_MODE_RUN), CommandResult::Handled);
    ASSERT_EQ(running.m_simulating, 1);
    ASSERT_EQ(editing.m_simulating, 0);
    EXPECT_EQ(session.isEnabled(running, ID_FILE_SAVE), false);
    EXPECT_EQ(session.isEnabled(editing, ID_FILE_SAVE), true);
    EXPECT_EQ(session.isEnabled(running, ID_MODE_PAUSE), true);
    EXPECT_EQ(session.isEnabled(editing, ID_MODE_PAUSE), false);
    // A disabled command does nothing, even when sent directly.
    const int toolBefore = g_currentTool;
    EXPECT_EQ(session.command(running, ID_PLACE_COIL), CommandResult::Disabled);
    EXPECT_EQ(g_currentTool, toolBefore);
    EXPECT_EQ(session.command(editing, ID_PLACE_COIL), CommandResult::Handled);
    EXPECT_EQ(g_currentTool, kTypeCoil);
}
