// Component placement: the record a component tool writes at the count, the slot
// limits, the placement point, the closing steps, and the arming of a tool.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/msgbox.h"
#include "testkit/testkit.h"

using namespace velk;

namespace {

// A sheet view with a window, zoom and tool, driven the way the press and release
// handlers drive placement.
struct PlaceSheet : velk::testing::PaintSheet {
    explicit PlaceSheet(double zoom = 2.0) {
        doc.m_zoom = zoom;
        view.resizeClient(400, 300);
        view.m_markerX = view.m_markerY = kNoMarker;
    }
    void arm(int tool) {
        g_currentTool = tool;
        view.BeginToolPlacement();
    }
    void move(int x, int y, int flags = 0) { view.OnMouseMove(flags, {x, y}); }
    // What the left press records for a tool (the snapped point in window
    // coordinates), then the release.
    bool click(int x, int y) {
        const int grid = static_cast<int>(3.0 * doc.m_zoom);
        const Point s = view.scrollPosition();
        const int px = x + s.x - (x + s.x) % grid;
        const int py = y + s.y - (y + s.y) % grid;
        view.m_toolDragActive = 1;
        view.m_dragStartX = view.m_dragCurrentX = px - s.x;
        view.m_dragStartY = view.m_dragCurrentY = py - s.y;
        return view.FinishComponentTool();
    }
    void scrollTo(int x, int y) {
        view.setScrollSizes(4000, 4000);
        view.scrollTo(x, y);
    }
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// What a placed component must carry, written from the placement rules in their
// own grouping (pole rule, contact forms), independent of the program's table.
struct Expected {
    int type;
    std::string label;
    std::string terminals;  // shown names in terminal order
    std::string data;       // names kept hidden after the terminals
    std::string param;
};

std::vector<Expected> expectedDefaults() {
    std::vector<Expected> e = {
        {1000, "-M", "U1 V1 W1 PE", "", ""},
        {1001, "-M", "U1 V1 W1 PE W2 U2 V2", "", ""},
        {1002, "-M", "U N PE", "", ""},
        {1003, "-M", "U1 V1 W1 PE U2 V2 W2", "", ""},
        {1004, "-M", "U1 V1 W1 PE K L M", "", ""},
        {1005, "-M", "U1 V1 W1 PE U2 V2 W2", "", ""},
        {1006, "-M", "A1 A2 PE", "", ""},
        {1007, "-M", "A1 A2 PE F1 F2", "", ""},
        {1050, "-R", "1 2", "", ""},
        {1051, "-R", "1 3 5 2 4 6", "", ""},
        {1052, "-T", "1 4 7 2 5 8 3 6 9", "", ""},
        {1053, "-G", "1 3 5 2 4 6 PE", "", ""},
        {1054, "-G", "L1 N PE U V W PE", "", ""},
        {1055, "-G", "L1 L2 L3 PE U V W PE", "", ""},
        {1056, "-G", "RA RC I1 I2 I3 I4 +", "", "1-0-0-000-200-010-025-050-05-05-00-0"},
        {1057, "-G", "L1 N PE M1 M2", "", ""},
        {1058, "-G", "L1 N PE M1 M2 F1 F2", "", ""},
        {1059, "-G", "L1 L2 L3 PE M1 M2", "", ""},
        {1060, "-G", "L1 L2 L3 PE M1 M2 F1 F2", "", ""},
        {1061, "-G", "RA RC IN V+ + AI 0V", "", "0-050-230-0050-2000-05-05"},
        {1062, "-G", "IN A1 A2", "", ""},
        {3012, "-T", "1 2 3 4", "", ""},
        {3013, "-V", "1 2 3 4", "", ""},
        {3014, "-V", "1 2 3 4 PE", "", ""},
        {3015, "", "", "", ""},
        {3016, "-D", "1 2", "", ""},
        {3017, "-T", "1 2 3 4 5 6", "", ""},
        {3018, "-V", "1 2 3 4 5 PE", "", ""},
        {3019, "-V", "+ -", "", ""},
        {6013, "-F", "1 2 3", "", ""},
        {6014, "-F", "1 2 3 4 5", "", ""},
        {8020, "-S", "1 2 3", "", ""},
        {8021, "-S", "1 2 3 4", "", ""},
        {8022, "-S", "1 2 3 4", "", ""},
        {7550, "-B", "1 2 3 4 5", "", ""},
        {9000, "-K", "A1 A2", "", ""},
        {9001, "-K", "A1 B1 A2", "", ""},
        {9002, "-K", "A1 A2", "", ""},
        {9003, "-EV  ", "A1 A2", "", ""},
        {10070, "-I", "", "", ""},
        {10071, "-Q", "", "", ""},
        {10100, "0", "", "", ""},
        {10111, "M", "", "", ""},
    };
    for (int t = 3000; t <= 3011; ++t) e.push_back({t, "-X", "", "", ""});
    for (int t : {7500, 7506, 7512, 7520, 7526, 7532, 7551, 7553, 7559}) e.push_back({t, "-B", "1 2", "", ""});
    for (int t = 9004; t <= 9007; ++t) e.push_back({t, "-K", "A1 A2", "0 1", ""});
    for (int t : {9008, 9009}) e.push_back({t, "-H", "X1 X2", "0", ""});
    for (int t = 9010; t <= 9013; ++t) e.push_back({t, "-H", "X1 X2", "", ""});
    for (int t : {10000, 10010, 10020, 10030, 10040, 10041, 10050, 10051, 10052, 10053, 10060, 10061, 10062})
        e.push_back({t, "-U", "", "", ""});
    for (int t : {10101, 10102, 10103, 10107, 10108}) e.push_back({t, "1", "", "", ""});

    // With p poles the upper terminals 1 3 5 7 come first, then the lower 2 4 6 8.
    struct Poled {
        int type;
        const char* label;
        int poles;
    };
    const Poled poled[] = {
        {2006, "-KM", 1}, {2000, "-KM", 2}, {2001, "-KM", 3}, {2002, "-KM", 4}, {2007, "-S", 1}, {2003, "-S", 2},
        {2004, "-S", 3},  {2005, "-S", 4},  {5000, "-F", 1},  {5001, "-F", 2},  {5002, "-F", 2}, {5003, "-F", 3},
        {5004, "-F", 4},  {5005, "-F", 1},  {5006, "-F", 2},  {5007, "-F", 2},  {5008, "-F", 3}, {5009, "-F", 4},
        {6000, "-F", 1},  {6001, "-F", 2},  {6002, "-F", 2},  {6003, "-F", 3},  {6004, "-F", 4}, {6005, "-F", 2},
        {6006, "-F", 4},  {6007, "-F", 3},  {6010, "-Q", 1},  {6008, "-Q", 2},  {6009, "-Q", 3}, {6011, "-Q", 2},
        {6012, "-Q", 4},
    };
    for (const Poled& p : poled) {
        std::string names;
        for (int k = 0; k < p.poles; ++k) names += std::to_string(2 * k + 1) + " ";
        for (int k = 0; k < p.poles; ++k) names += std::to_string(2 * k + 2) + " ";
        e.push_back({p.type, p.label, names, "", ""});
    }

    // Forms NO, NC, NO+NC and changeover share their names within a family.
    const char* const switching[4] = {"13 14", "11 12", "11 13 12 14", "11 12 14"};
    const char* const timed[4] = {"67 68", "55 56", "55 57 56 58", "55 56 58"};
    const char* const thermal[4] = {"97 98", "95 96", "95 97 96 98", "95 96 98"};
    const struct {
        const char* label;
        const char* const* forms;
        int first;
    } families[] = {
        {"-K", switching, 7000}, {"-KA", timed, 7004}, {"-KA", timed, 7008},  {"-KA", timed, 7012},
        {"-S", switching, 8000}, {"-S", switching, 8004}, {"-S", switching, 8008}, {"-S", switching, 8012},
        {"-F", thermal, 8016},
    };
    for (const auto& f : families)
        for (int form = 0; form < 4; ++form) e.push_back({f.first + form, f.label, f.forms[form], "", ""});
    return e;
}

// Checks that slot `slot` holds the defaults of `e` in terminal entries 0 to 8.
void expectTerminals(const CVelkarionView& v, int slot, const std::vector<std::string>& shown,
                     const std::vector<std::string>& hidden) {
    for (int k = 0; k < kTerminalCount; ++k) {
        SCOPED_TRACE("terminal entry " + std::to_string(k));
        const std::size_t i = static_cast<std::size_t>(k);
        if (i < shown.size()) {
            EXPECT_EQ(v.m_terminalName[slot][k], shown[i]);
            EXPECT_EQ(v.m_terminalNameVisible[slot][k], 1);
        } else if (i < shown.size() + hidden.size()) {
            EXPECT_EQ(v.m_terminalName[slot][k], hidden[i - shown.size()]);
            EXPECT_EQ(v.m_terminalNameVisible[slot][k], 0);
        } else {
            EXPECT_EQ(v.m_terminalName[slot][k], "");
            EXPECT_EQ(v.m_terminalNameVisible[slot][k], 0);
        }
    }
}

}  // namespace

TEST(Placement, EveryPaletteTypeGetsItsDefaults) {
    const std::vector<Expected> table = expectedDefaults();
    ASSERT_EQ(table.size(), 159u) << "every palette tool except the wiring tools and chart lines";

    for (const Expected& e : table) {
        SCOPED_TRACE(typeCodeName(e.type));
        PlaceSheet s;
        s.arm(e.type);
        s.move(123, 88);  // snaps to (120, 84): drawing point (60, 42) at zoom 2
        ASSERT_TRUE(s.click(10, 10));
        const CVelkarionView& v = s.view;
        const bool companion = e.type == kTypeInverterControl;
        EXPECT_EQ(v.m_componentCount, companion ? 2 : 1);

        EXPECT_EQ(v.m_componentId[0], 0);
        EXPECT_EQ(v.m_type[0], e.type);
        EXPECT_EQ(v.m_label[0], e.label);
        EXPECT_EQ(v.m_labelVisible[0], e.label.empty() ? 0 : 1);
        EXPECT_EQ(v.m_label2[0], "");
        EXPECT_EQ(v.m_label2Visible[0], 0);
        EXPECT_EQ(v.m_x[0], 60);
        EXPECT_EQ(v.m_y[0], 42);
        const Rect ghost = CVelkarionView::ComputePlacementGhost(e.type, 2.0, 0);
        EXPECT_EQ(v.m_boxX1[0], ghost.left / 2);
        EXPECT_EQ(v.m_boxY1[0], ghost.top / 2);
        EXPECT_EQ(v.m_boxX2[0], ghost.right / 2);
        EXPECT_EQ(v.m_boxY2[0], ghost.bottom / 2);
        EXPECT_EQ(v.m_deleted[0], 0);
        EXPECT_EQ(v.m_orientation[0], 0);
        EXPECT_EQ(v.m_variant[0], 0);
        EXPECT_EQ(v.m_color[0], 0u);
        EXPECT_EQ(v.m_selected[0], 0);
        EXPECT_EQ(v.m_state[0], 0);
        for (int k = 0; k < kTerminalCount; ++k) EXPECT_EQ(v.m_terminalLink[0][k], 0);
        expectTerminals(v, 0, words(e.terminals), words(e.data));
        EXPECT_EQ(v.m_paramText[0], e.param);

        if (companion) {
            SCOPED_TRACE("companion slot");
            EXPECT_EQ(v.m_type[1], kTypeCompanionSlot);
            EXPECT_EQ(v.m_componentId[1], 1);
            EXPECT_EQ(v.m_label[1], "");
            EXPECT_EQ(v.m_labelVisible[1], 0);
            EXPECT_EQ(v.m_label2Visible[1], 0);
            EXPECT_EQ(v.m_x[1], 60);
            EXPECT_EQ(v.m_y[1], 42);
            EXPECT_EQ(v.m_boxX2[1], v.m_boxX2[0]);
            EXPECT_EQ(v.m_boxY2[1], v.m_boxY2[0]);
            EXPECT_EQ(v.m_paramText[1], "");
            expectTerminals(v, 1, words("R+ R- + AI 0V AO"), {});
        }
    }

    // No other code is completed as a component.
    for (int i = 0; i < kAllTypeCodeCount; ++i) {
        const int type = kAllTypeCodes[i];
        bool listed = false;
        for (const Expected& e : table) listed = listed || e.type == type;
        EXPECT_EQ(isComponentTool(type), listed) << type;
    }
}

TEST(Placement, OrientationTurnsTheStoredBox) {
    PlaceSheet s;
    s.arm(kTypeCoil);
    s.view.m_toolOrientation = 1;
    s.move(120, 120);
    ASSERT_TRUE(s.click(120, 120));
    EXPECT_EQ(s.view.m_orientation[0], 1);
    // Pixels (-30, -30, 6, 18) at zoom 2.
    EXPECT_EQ(s.view.m_boxX1[0], -15);
    EXPECT_EQ(s.view.m_boxY1[0], -15);
    EXPECT_EQ(s.view.m_boxX2[0], 3);
    EXPECT_EQ(s.view.m_boxY2[0], 9);
}

TEST(Placement, PositionAndBoxAreTruncatedTowardZero) {
    PlaceSheet s(2.5);
    g_currentTool = kTypeMotorThreePhase;
    s.view.m_lastPointX = 63;
    s.view.m_lastPointY = 70;
    s.view.m_previewFollowsPointer = 1;
    const int ghost[4] = {-13, -7, 22, 37};
    for (int k = 0; k < 4; ++k) s.view.m_ghostRect[k] = ghost[k];
    ASSERT_TRUE(s.click(300, 200));  // the release point itself is not used
    EXPECT_EQ(s.view.m_x[0], 25);
    EXPECT_EQ(s.view.m_y[0], 28);
    EXPECT_EQ(s.view.m_boxX1[0], -5);  // -5.2, not -6
    EXPECT_EQ(s.view.m_boxY1[0], -2);
    EXPECT_EQ(s.view.m_boxX2[0], 8);
    EXPECT_EQ(s.view.m_boxY2[0], 14);
}

TEST(Placement, SlotLimits) {
    struct Row {
        const char* name;
        int type;
        int countBefore;
        bool placed;
        int countAfter;
    };
    const Row rows[] = {
        {"motor into slot 998", kTypeMotorThreePhase, 998, true, 999},
        {"motor at a full sheet", kTypeMotorThreePhase, 999, false, 999},
        {"pilot lamp at a full sheet", kTypePilotLamp, 999, false, 999},
        {"regulator control into slot 997", kTypeDcRegulatorControl, 997, true, 998},
        {"regulator control never takes slot 998", kTypeDcRegulatorControl, 998, false, 998},
        {"soft-starter control never takes slot 998", kTypeSoftStarterControl, 998, false, 998},
        {"soft-starter control into slot 997", kTypeSoftStarterControl, 997, true, 998},
        {"inverter control and companion into 997 and 998", kTypeInverterControl, 997, true, 999},
        {"inverter control needs two free slots", kTypeInverterControl, 998, false, 998},
        {"inverter control at a full sheet", kTypeInverterControl, 999, false, 999},
        {"slot 999 taken by a picture", kTypeCoil, 1000, false, 1000},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaceSheet s;
        if (row.countBefore == 1000) {
            s.view.m_type[999] = kTypePicture;
            s.view.m_paramText[999] = "plan.bmp";
        }
        s.view.m_componentCount = row.countBefore;
        s.arm(row.type);
        s.move(60, 60);
        const int beeps = beepCount();

        EXPECT_EQ(s.click(60, 60), row.placed);
        EXPECT_EQ(s.view.m_componentCount, row.countAfter);
        EXPECT_EQ(s.doc.isModified(), row.placed);
        EXPECT_EQ(beepCount(), beeps + (row.placed ? 0 : 1));
        if (row.placed) {
            EXPECT_EQ(s.view.m_type[row.countBefore], row.type);
        } else if (row.countBefore < kSlotCount) {
            EXPECT_EQ(s.view.m_type[row.countBefore], 0);
            EXPECT_EQ(s.view.m_label[row.countBefore], "");
        }
        if (row.countBefore == 1000) {
            EXPECT_EQ(s.view.m_type[999], kTypePicture);
            EXPECT_EQ(s.view.m_paramText[999], "plan.bmp");
        }
        EXPECT_EQ(s.view.m_type[999], row.countBefore == 1000 ? kTypePicture : 0) << "slot 999 stays free";
    }
}

TEST(Placement, ReusedSlotStartsBlank) {
    // Slot 2 holds an item that Undo hid; the next placement goes there and must not
    // inherit anything the new item does not set.
    PlaceSheet s;
    CVelkarionView& v = s.view;
    v.m_componentCount = 2;
    v.m_type[2] = kTypeInverterControl;
    v.m_deleted[2] = 1;
    v.m_selected[2] = 1;
    v.m_color[2] = rgb(0, 0, 255);
    v.m_x2[2] = 40;
    v.m_label2[2] = "Funkcja";
    v.m_label2Visible[2] = 1;
    v.m_paramText[2] = "1-0-0-000-200-010-025-050-05-05-00-0";
    for (int k = 0; k < kTerminalCount; ++k) {
        v.m_terminalLink[2][k] = 7;
        v.m_terminalName[2][k] = "Z";
        v.m_terminalNameVisible[2][k] = 1;
    }
    v.m_state[2] = 1;
    v.m_drawnState[2] = 1;
    v.m_potential[2].setLetter('1');
    v.m_controlOutput[2] = 5000;

    s.arm(kTypeCoil);
    s.move(60, 60);
    ASSERT_TRUE(s.click(60, 60));
    EXPECT_EQ(v.m_type[2], kTypeCoil);
    EXPECT_EQ(v.m_deleted[2], 0);
    EXPECT_EQ(v.m_selected[2], 0);
    EXPECT_EQ(v.m_color[2], 0u);
    EXPECT_EQ(v.m_x2[2], 0);
    EXPECT_EQ(v.m_label2[2], "");
    EXPECT_EQ(v.m_label2Visible[2], 0);
    EXPECT_EQ(v.m_paramText[2], "");
    expectTerminals(v, 2, {"A1", "A2"}, {});
    for (int k = 0; k < kTerminalCount; ++k) EXPECT_EQ(v.m_terminalLink[2][k], 0);
    EXPECT_EQ(v.m_state[2], 0);
    EXPECT_EQ(v.m_drawnState[2], 0);
    EXPECT_EQ(v.m_potential[2].letter(), '0');
    EXPECT_EQ(v.m_controlOutput[2], 0);
}

TEST(Placement, PointWithoutPointerMotion) {
    // The press is at window (100, 60) with the view scrolled by (30, 12): the
    // snapped sheet point is (126, 72), drawing point (63, 36) at zoom 2.
    struct Row {
        const char* name;
        void (*before)(PlaceSheet&);
        int x, y;
    };
    const Row rows[] = {
        {"tool just armed: the press point", [](PlaceSheet&) {}, 63, 36},
        {"after the wheel hid the preview: the press point",
         [](PlaceSheet& s) {
             s.move(150, 90);
             s.view.OnMouseWheel(0, 0, {150, 90});
         },
         63, 36},
        {"after the right button hid the preview: the press point",
         [](PlaceSheet& s) {
             s.move(150, 90);
             s.view.m_lastPointX = s.view.m_lastPointY = kNoPoint;
         },
         63, 36},
        {"after a scroll moved the preview away: the press point",
         [](PlaceSheet& s) {
             s.move(150, 90);
             s.view.m_lastPointY = 60000;
         },
         63, 36},
        {"after motion: where the preview stands, not the press",
         // Window (150, 90) + (30, 12) = (180, 102), on the grid.
         [](PlaceSheet& s) { s.move(150, 90); }, 90, 51},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaceSheet s;
        s.scrollTo(30, 12);
        s.arm(kTypeCoil);
        row.before(s);
        ASSERT_TRUE(s.click(100, 60));
        EXPECT_EQ(s.view.m_x[0], row.x);
        EXPECT_EQ(s.view.m_y[0], row.y);
        // The box is the coil's at zoom 2, whichever point was used.
        EXPECT_EQ(s.view.m_boxX1[0], -15);
        EXPECT_EQ(s.view.m_boxY2[0], 15);
    }
}

TEST(Placement, ReleasesThatPlaceNothing) {
    struct Row {
        const char* name;
        int tool;
        int pressedHere;
        int simulating;
    };
    const Row rows[] = {
        {"press happened in another view", kTypeCoil, 0, 0},
        {"simulating, autotransformer tool", kTypeAutotransformer, 1, 1},
        {"simulating, coil tool", kTypeCoil, 1, 1},
        {"select tool", kTypeNone, 1, 0},
        {"wire tool (placed by the wiring step)", kTypeWirePhase, 1, 0},
        {"terminal tool (placed by the wiring step)", kTypeTerminalI, 1, 0},
        {"sensor variant without a palette command", kTypeInductiveSensorNO3WirePnp, 1, 0},
        {"gate with three inputs", kTypeAnd3, 1, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaceSheet s;
        s.arm(row.tool);
        s.move(60, 60);
        s.view.m_simulating = row.simulating;
        s.view.m_toolDragActive = row.pressedHere;
        const int beeps = beepCount();
        EXPECT_FALSE(s.view.FinishComponentTool());
        EXPECT_EQ(s.view.m_toolDragActive, 0);
        EXPECT_EQ(s.view.m_componentCount, 0);
        EXPECT_EQ(s.view.m_type[0], 0);
        EXPECT_FALSE(s.doc.isModified());
        EXPECT_EQ(beepCount(), beeps);
    }
}

TEST(Placement, ClosingSteps) {
    PlaceSheet s;
    CVelkarionView& v = s.view;
    s.scrollTo(24, 12);
    // Two items, and two more hidden by Undo above them.
    v.m_componentCount = 2;
    for (int i = 2; i < 4; ++i) {
        v.m_type[i] = kTypeCoil;
        v.m_deleted[i] = 1;
        v.m_label[i] = "-K";
        v.m_terminalName[i][0] = "A1";
        v.m_terminalLink[i][1] = 4;
    }
    s.arm(kTypeMotorThreePhase);
    s.move(96, 48);  // sheet (120, 60): drawing point (60, 30)
    ASSERT_TRUE(s.click(96, 48));
    s.move(156, 48);
    s.view.runPendingPaint();
    ASSERT_TRUE(s.click(156, 48));

    // Two motors with equal defaults; nothing is renumbered.
    EXPECT_EQ(v.m_componentCount, 4);
    EXPECT_EQ(v.m_label[2], "-M");
    EXPECT_EQ(v.m_label[3], "-M");
    EXPECT_EQ(v.m_terminalName[3][3], "PE");
    EXPECT_EQ(v.m_x[3] - v.m_x[2], 30);
    // The tool stays armed and the sheet is modified.
    EXPECT_EQ(g_currentTool, kTypeMotorThreePhase);
    EXPECT_TRUE(s.doc.isModified());
    // The last item's area, in sheet pixels: box (-12, -6, 24, 24) around (90, 30).
    EXPECT_EQ(v.m_highlightRect[0], 156);
    EXPECT_EQ(v.m_highlightRect[1], 48);
    EXPECT_EQ(v.m_highlightRect[2], 228);
    EXPECT_EQ(v.m_highlightRect[3], 108);
    // Only that area, less the scroll, is repainted (without erase) to show it.
    EXPECT_EQ(v.pendingPaintArea(), (Rect{156 - 24, 48 - 12, 228 - 24, 108 - 12}));
    // Slots from the count up are blank: nothing hidden there can come back.
    for (int i = 4; i < kSlotCount; ++i) {
        ASSERT_EQ(v.m_type[i], 0) << i;
        ASSERT_EQ(v.m_label[i], "") << i;
    }

    // A wire tool's closing steps leave the highlight where it was.
    g_currentTool = kTypeWirePhase;
    v.ClosePlacement();
    EXPECT_EQ(v.m_highlightRect[0], 156);
}

TEST(ToolArming, PreviewParkedAndStateDropped) {
    struct Row {
        const char* name;
        int tool;
        int subKindBefore;
        int guideLines;
        int subKindAfter;
        Point markerAfter;
    };
    const Row rows[] = {
        {"link tool keeps its sub-kind", kTypeGrafcetLink, kTypeGrafcetOrDivergence, 0, kTypeGrafcetOrDivergence,
         {77, 77}},
        {"any other tool clears it", kTypeCoil, kTypeGrafcetOrDivergence, 0, 0, {77, 77}},
        {"guide lines follow a component tool", kTypeCoil, 0, 1, 0, {40, 20}},
        {"no guide lines for a wire tool", kTypeWirePhase, 0, 1, 0, {kNoMarker, kNoMarker}},
        {"no guide lines for a terminal strip tool", kTypeTerminalStrip3, 0, 1, 0, {kNoMarker, kNoMarker}},
        {"the select tool leaves the marker", kTypeNone, 0, 1, 0, {77, 77}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PlaceSheet s;
        CVelkarionView& v = s.view;
        s.doc.m_guideLines = row.guideLines;
        g_toolSubKind = row.subKindBefore;
        v.m_markerX = v.m_markerY = 77;
        v.m_toolOrientation = 5;
        v.m_toolVariant = 3;
        // A picked coil at (50, 20), and both live slots selected.
        v.m_componentCount = 2;
        for (int i = 0; i < 2; ++i) {
            v.m_type[i] = kTypeCoil;
            v.m_x[i] = 50;
            v.m_y[i] = 20;
            v.m_boxX1[i] = -15;
            v.m_boxY1[i] = -3;
            v.m_boxX2[i] = 9;
            v.m_boxY2[i] = 15;
            v.m_selected[i] = 1;
        }
        g_itemPicked = 1;
        v.m_pickedIndex = 1;
        v.m_selectionValid = 1;
        v.m_rubberBandActive = 1;

        s.arm(row.tool);
        EXPECT_EQ(g_toolSubKind, row.subKindAfter);
        EXPECT_EQ(v.m_toolOrientation, 0);
        EXPECT_EQ(v.m_toolVariant, 0);
        EXPECT_EQ(g_itemPicked, 0);
        EXPECT_EQ(v.m_highlightRect[0], 70);
        EXPECT_EQ(v.m_highlightRect[1], 34);
        EXPECT_EQ(v.m_highlightRect[2], 118);
        EXPECT_EQ(v.m_highlightRect[3], 70);
        EXPECT_EQ(v.m_selected[0] + v.m_selected[1], 0);
        EXPECT_EQ(v.m_selectionValid + v.m_rubberBandActive + v.m_floatingBlock, 0);
        // The preview waits at drawing point (20, 10) until the pointer moves.
        EXPECT_EQ(v.m_lastPointX, 40);
        EXPECT_EQ(v.m_lastPointY, 20);
        EXPECT_EQ(v.m_dragCurrentX, 40);
        EXPECT_EQ(v.m_dragCurrentY, 20);
        EXPECT_EQ(v.m_ghostRect[0], -30);
        EXPECT_EQ(v.m_ghostRect[3], 50);
        EXPECT_EQ(v.m_markerX, row.markerAfter.x);
        EXPECT_EQ(v.m_markerY, row.markerAfter.y);
    }
}

TEST(PlacementScenario, ToolFollowsThePointerAndPlacesInTheSheet) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    struct Call {
        int type, ox, oy;
    };
    std::vector<Call> calls;
    view.m_routineProbe = [&calls](Dc&, int type, double, int ox, int oy) { calls.push_back({type, ox, oy}); };

    // Choose the coil tool and point at drawing point (60, 42).
    g_currentTool = kTypeCoil;
    view.BeginToolPlacement();
    const Point at = session.unitsToWindow(view, 60, 42);
    session.move(view, at.x + 1, at.y + 2);  // off the grid: snaps back
    EXPECT_EQ(session.paneText(0), "X=200, Y=140 (0) 2");
    session.move(view, at.x + 7, at.y);
    EXPECT_EQ(session.paneText(0), "X=210, Y=140 (0) 2") << "the status follows the pointer";
    session.move(view, at.x, at.y);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().type, kTypeCoil) << "the preview follows the pointer";
    EXPECT_EQ(calls.back().ox, 120);
    EXPECT_EQ(calls.back().oy, 84);

    // The press in this view, then the release completes the tool.
    calls.clear();
    session.press(view, at.x, at.y);
    EXPECT_EQ(view.m_toolDragActive, 1);
    session.release(view, at.x, at.y);
    EXPECT_EQ(view.m_toolDragActive, 0);
    EXPECT_EQ(view.m_componentCount, 1);
    EXPECT_EQ(view.m_type[0], kTypeCoil);
    EXPECT_EQ(view.m_label[0], "-K");
    EXPECT_EQ(view.m_x[0], 60);
    EXPECT_EQ(view.m_y[0], 42);
    EXPECT_TRUE(view.GetDocument()->isModified());
    // The repaint draws the placed coil at its position, then the preview again.
    bool placedDrawn = false;
    for (const Call& c : calls) placedDrawn = placedDrawn || (c.type == kTypeCoil && c.ox == 120 && c.oy == 84);
    EXPECT_TRUE(placedDrawn);
    session.move(view, at.x + 12, at.y);
    EXPECT_EQ(session.paneText(0), "X=220, Y=140 (1) 2") << "the count follows the placement";
}
