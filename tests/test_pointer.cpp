// Pointer motion: snapping and the status text, the grid marker, rubber lines and
// figures drawn in the inverting mode, the ghost and guide-line repaints, live and
// group moves, and the wheel.
#include <gtest/gtest.h>

#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/statusbar.h"

using namespace velk;

namespace {

constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kMaroon = rgb(128, 0, 0);

struct Panes : StatusPanes {
    std::string texts[3];
    void setPaneText(int pane, const std::string& text) override {
        if (pane >= 0 && pane < 3) texts[pane] = text;
    }
    std::string paneText(int pane) const override { return pane >= 0 && pane < 3 ? texts[pane] : std::string(); }
};

struct MotionSheet : velk::testing::PaintSheet {
    Panes panes;
    explicit MotionSheet(double zoom = 2.0) {
        doc.m_zoom = zoom;
        view.resizeClient(400, 300);
        view.m_statusBar = &panes;
        view.m_markerX = view.m_markerY = kNoMarker;
    }
    void scrollTo(int x, int y) {
        view.setScrollSizes(4000, 4000);
        view.scrollTo(x, y);
    }
    // The press with a tool: drag start and end at the (already snapped) window point.
    void press(int x, int y) {
        view.m_toolDragActive = 1;
        view.m_dragStartX = view.m_dragCurrentX = x;
        view.m_dragStartY = view.m_dragCurrentY = y;
    }
    void move(int x, int y, int flags = 0) { view.OnMouseMove(flags, {x, y}); }
    void drag(int x, int y) { move(x, y, kMouseLeft); }
    // Repaints what is pending, so that the next step's invalidations stand alone.
    void settle() { view.runPendingPaint(); }
    Color pixel(int x, int y) const { return view.surface().pixel(x, y); }
    // Pixels of a horizontal or vertical run, from `a` up to but not including `b`.
    bool runIs(Point a, Point b, Color c) const {
        const int dx = (b.x > a.x) - (b.x < a.x);
        const int dy = (b.y > a.y) - (b.y < a.y);
        for (Point p = a; p != b; p = {p.x + dx, p.y + dy})
            if (pixel(p.x, p.y) != c) return false;
        return true;
    }
};

}  // namespace

TEST(PointerMotion, SnapsAndShowsThePosition) {
    struct Row {
        const char* name;
        double zoom;
        Point scroll;
        int count;
        Point window;
        Point sheet;
        const char* status;
    };
    const Row rows[] = {
        {"zoom 2, grid step 6", 2.0, {0, 0}, 0, {100, 50}, {96, 48}, "X=160, Y=80 (0) 2"},
        {"zoom 1.5, grid step 4", 1.5, {0, 0}, 5, {22, 7}, {20, 4}, "X=45, Y=9 (5) 1"},
        {"the grid is fixed to the sheet, not the window", 2.0, {100, 0}, 0, {20, 50}, {120, 48},
         "X=200, Y=80 (0) 2"},
        {"left of and above the window the remainder keeps its sign", 2.0, {0, 0}, 0, {-5, -7}, {0, -6},
         "X=1, Y=-8 (0) 2"},
        {"zoom 20, grid step 60", 20.0, {0, 0}, 998, {130, 59}, {120, 0}, "X=20, Y=1 (998) 20"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s(row.zoom);
        s.scrollTo(row.scroll.x, row.scroll.y);
        s.view.m_componentCount = row.count;
        s.move(row.window.x, row.window.y);
        EXPECT_EQ(s.panes.texts[0], row.status);
        EXPECT_EQ(s.view.m_pointerX, row.sheet.x);
        EXPECT_EQ(s.view.m_pointerY, row.sheet.y);
        EXPECT_EQ(s.view.m_lastPointX, row.sheet.x);
        EXPECT_EQ(s.view.m_lastPointY, row.sheet.y);
        EXPECT_EQ(s.view.m_dragCurrentX, row.sheet.x - row.scroll.x);
        EXPECT_EQ(s.view.m_dragCurrentY, row.sheet.y - row.scroll.y);
    }
}

TEST(PointerMotion, GridMarkerFollowsDrawingAndWireTools) {
    struct Row {
        const char* name;
        int tool;
        bool marker;
    };
    const Row rows[] = {
        {"line tool", kTypeLine, true},
        {"filled ellipse tool", kTypeFilledEllipse, true},
        {"phase wire", kTypeWirePhase, true},
        {"sequential-chart link", kTypeGrafcetLink, true},
        {"coil: a preview instead", kTypeCoil, false},
        {"terminal strip: a preview instead", kTypeTerminalStrip2, false},
        {"select tool", kTypeNone, false},
    };
    const auto squareAround = [](const MotionSheet& s, int x, int y, Color c) {
        return s.runIs({x - 1, y - 1}, {x + 1, y - 1}, c) && s.runIs({x + 1, y - 1}, {x + 1, y + 1}, c) &&
               s.runIs({x + 1, y + 1}, {x - 1, y + 1}, c) && s.runIs({x - 1, y + 1}, {x - 1, y - 1}, c);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s;
        g_currentTool = row.tool;
        s.move(30, 30);
        s.move(60, 60);
        EXPECT_EQ(squareAround(s, 60, 60, kBlack), row.marker);
        EXPECT_EQ(s.pixel(60, 60), kWhite) << "the centre stays";
        EXPECT_TRUE(squareAround(s, 30, 30, kWhite)) << "the previous marker is erased";
        EXPECT_EQ(s.view.m_markerX, row.marker ? 60 : kNoMarker);
        // No marker while a tool drag is under way.
        s.press(60, 60);
        s.move(90, 90);
        EXPECT_FALSE(squareAround(s, 90, 90, kBlack));
    }
}

TEST(PointerMotion, WireEndsAreForcedOntoTheirDirection) {
    // Zoom 2, the drag starts at window (60, 60).
    struct Row {
        const char* name;
        int tool;
        Point to;
        Point end;
        int toolAfter;
    };
    const Row rows[] = {
        {"off the start column: horizontal", kTypeWirePhase, {66, 90}, {66, 60}, kTypeWirePhase},
        {"in the start column: vertical", kTypeWirePhase, {60, 90}, {60, 90}, kTypeWirePhase},
        {"bundle", kTypeBundle, {120, 36}, {120, 60}, kTypeBundle},
        {"chart link", kTypeGrafcetLink, {60, 24}, {60, 24}, kTypeGrafcetLink},
        {"three vertical wires stay in the start column", kTypeWireThreePhaseVertical1, {84, 120}, {60, 120},
         kTypeWireThreePhaseVertical1},
        {"three horizontal wires stay in the start row", kTypeWireThreePhaseHorizontal1, {84, 120}, {84, 60},
         kTypeWireThreePhaseHorizontal1},
        {"staggered vertical set dragged down", kTypeWireThreePhaseVertical2, {84, 120}, {60, 120},
         kTypeWireThreePhaseVertical2},
        {"staggered vertical set dragged up ends the tool", kTypeWireThreePhaseVertical2, {84, 30}, {60, 60},
         kTypeNone},
        {"staggered horizontal set dragged left ends the tool", kTypeWireThreePhaseHorizontal2, {30, 90}, {60, 60},
         kTypeNone},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s;
        g_currentTool = row.tool;
        s.press(60, 60);
        s.drag(row.to.x, row.to.y);
        EXPECT_EQ(s.view.m_lastPointX, row.end.x);
        EXPECT_EQ(s.view.m_lastPointY, row.end.y);
        EXPECT_EQ(s.view.m_dragCurrentX, row.end.x);
        EXPECT_EQ(s.view.m_dragCurrentY, row.end.y);
        EXPECT_EQ(g_currentTool, row.toolAfter);
        // Wire tools have no ghost.
        EXPECT_EQ(s.view.m_ghostRect[2] - s.view.m_ghostRect[0], 0);
    }
}

TEST(PointerMotion, RubberLineShowsOnlyTheLatestEnd) {
    MotionSheet s;
    g_currentTool = kTypeWirePhase;
    s.press(60, 60);
    s.drag(90, 66);  // horizontal to (90, 60)
    s.drag(120, 72);
    EXPECT_TRUE(s.runIs({60, 60}, {120, 60}, kMaroon));
    EXPECT_EQ(s.pixel(120, 60), kWhite) << "a line leaves out its last pixel";
    EXPECT_TRUE(s.runIs({60, 61}, {120, 61}, kWhite));

    s.drag(60, 120);  // back into the start column: vertical
    EXPECT_TRUE(s.runIs({60, 60}, {60, 120}, kMaroon));
    EXPECT_TRUE(s.runIs({61, 60}, {121, 60}, kWhite)) << "the horizontal line is erased";

    // The double chart line runs a pixel above and below the pointer row at zoom 2.
    MotionSheet chart;
    g_currentTool = kTypeGrafcetAndDivergence;
    chart.press(60, 60);
    chart.drag(90, 60);
    EXPECT_TRUE(chart.runIs({60, 59}, {90, 59}, kBlack));
    EXPECT_TRUE(chart.runIs({60, 61}, {90, 61}, kBlack));
    EXPECT_TRUE(chart.runIs({60, 60}, {90, 60}, kWhite));

    // Staggered vertical set at zoom 2 (offsets 12 and 24): 18 pixels down, the
    // second wire has begun at (72, 72) and the third not yet.
    MotionSheet staggered;
    g_currentTool = kTypeWireThreePhaseVertical2;
    staggered.press(60, 60);
    staggered.drag(60, 90);
    staggered.drag(60, 78);
    EXPECT_TRUE(staggered.runIs({60, 60}, {60, 78}, kMaroon));
    EXPECT_TRUE(staggered.runIs({72, 72}, {72, 78}, kMaroon));
    EXPECT_TRUE(staggered.runIs({72, 78}, {72, 92}, kWhite)) << "the longer second wire is erased";
    EXPECT_TRUE(staggered.runIs({84, 60}, {84, 100}, kWhite)) << "the third wire has gone again";
}

TEST(PointerMotion, GhostAndGuideLineRepaints) {
    struct Row {
        const char* name;
        int tool;
        int orientation;
        int guideLines;
        Rect ghost;
        Rect pending;
    };
    // The preview is parked at window (40, 20) by the tool command; the pointer
    // then moves to window (120, 84).
    const Rect window{0, 0, 400, 300};
    const Row rows[] = {
        {"coil: old and new ghost", kTypeCoil, 0, 0, {-30, -6, 18, 30}, {10, 14, 138, 114}},
        {"coil turned once", kTypeCoil, 1, 0, {-30, -30, 6, 18}, {10, -10, 126, 102}},
        {"coil with guide lines: the bands cross the window", kTypeCoil, 0, 1, {-30, -6, 18, 30}, window},
        {"wire with guide lines: nothing to repaint", kTypeWirePhase, 0, 1, {0, 0, 0, 0}, {}},
        // A drawing tool leaves the ghost as the tool command parked it.
        {"line tool: nothing to repaint", kTypeLine, 0, 0, {-30, -10, 50, 50}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s;
        g_currentTool = row.tool;
        s.view.BeginToolPlacement();
        s.view.m_toolOrientation = row.orientation;
        s.doc.m_guideLines = row.guideLines;
        s.settle();
        s.move(120, 84);
        EXPECT_EQ((Rect{s.view.m_ghostRect[0], s.view.m_ghostRect[1], s.view.m_ghostRect[2], s.view.m_ghostRect[3]}),
                  row.ghost);
        EXPECT_EQ(s.view.pendingPaintArea(), row.pending.intersected(window));
        if (row.guideLines) {
            EXPECT_EQ(s.view.m_markerX, 120);
            EXPECT_EQ(s.view.m_markerY, 84);
        }
        // Without guide lines a move that snaps to the same point repaints nothing.
        s.settle();
        s.move(121, 85);
        if (row.guideLines == 0) {
            EXPECT_FALSE(s.view.hasPendingPaint());
        }
    }
}

TEST(PointerMotion, LiveMoveKeepsTheGrabOffset) {
    // Zoom 2: the item at (50, 20) was picked by a press at window (108, 48), a grab
    // offset of (8, 8); the pointer is now at window (132, 48).
    struct Row {
        const char* name;
        int type;
        int deleted;
        Point to;
        Point to2;
        Rect highlight;
    };
    const Row rows[] = {
        {"symbol moves by its insertion point", kTypeCoil, 0, {62, 20}, {0, 0}, {94, 34, 142, 70}},
        {"line moves both corners", kTypeLine, 0, {62, 20}, {92, 40}, {114, 30, 194, 90}},
        {"hidden item stays", kTypeCoil, 1, {50, 20}, {0, 0}, {1, 2, 3, 4}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s;
        CVelkarionView& v = s.view;
        v.m_componentCount = 1;
        v.m_type[0] = row.type;
        v.m_deleted[0] = row.deleted;
        v.m_x[0] = 50;
        v.m_y[0] = 20;
        if (row.type == kTypeLine) {
            v.m_x2[0] = 80;
            v.m_y2[0] = 40;
        }
        v.m_boxX1[0] = -15;
        v.m_boxY1[0] = -3;
        v.m_boxX2[0] = 9;
        v.m_boxY2[0] = 15;
        v.m_highlightRect[0] = 1;
        v.m_highlightRect[1] = 2;
        v.m_highlightRect[2] = 3;
        v.m_highlightRect[3] = 4;
        g_itemPicked = 1;
        v.m_pickedIndex = 0;
        v.m_grabX = 8;
        v.m_grabY = 8;

        s.move(132, 48);  // button up: nothing moves
        EXPECT_EQ(v.m_x[0], 50);
        s.drag(132, 48);  // same point as the last move: nothing moves either
        EXPECT_EQ(v.m_x[0], 50);
        s.drag(138, 48);
        s.drag(132, 48);
        EXPECT_EQ(v.m_x[0], row.to.x);
        EXPECT_EQ(v.m_y[0], row.to.y);
        EXPECT_EQ(v.m_x2[0], row.to2.x);
        EXPECT_EQ(v.m_y2[0], row.to2.y);
        EXPECT_EQ((Rect{v.m_highlightRect[0], v.m_highlightRect[1], v.m_highlightRect[2], v.m_highlightRect[3]}),
                  row.highlight);
        EXPECT_TRUE(s.doc.isModified());
    }
}

TEST(PointerMotion, GroupMoveStepsEverySelectedItem) {
    MotionSheet s;
    CVelkarionView& v = s.view;
    struct Item {
        int type;
        int x, y, x2, y2;
        int selected, deleted;
    };
    const Item items[] = {
        {kTypeCoil, 50, 20, 0, 0, 1, 0},
        {kTypeLine, 10, 10, 30, 10, 1, 0},
        {kTypeConnectionDot, 40, 40, 40, 40, 1, 0},
        {kTypeCoil, 100, 100, 0, 0, 0, 0},  // not selected
        {kTypeCoil, 70, 70, 0, 0, 1, 1},    // hidden
    };
    v.m_componentCount = 5;
    for (int i = 0; i < 5; ++i) {
        v.m_type[i] = items[i].type;
        v.m_x[i] = items[i].x;
        v.m_y[i] = items[i].y;
        v.m_x2[i] = items[i].x2;
        v.m_y2[i] = items[i].y2;
        v.m_selected[i] = items[i].selected;
        v.m_deleted[i] = items[i].deleted;
    }
    g_selectionCount = 3;
    v.m_selectionValid = 1;
    v.m_selectionRect[0] = 0;
    v.m_selectionRect[1] = 0;
    v.m_selectionRect[2] = 60;
    v.m_selectionRect[3] = 50;
    v.m_grabX = 60;  // the press
    v.m_grabY = 60;

    s.drag(66, 60);  // one grid step right: 3 units
    s.drag(66, 66);  // one grid step down
    const int expected[5][4] = {{53, 23, 0, 0}, {13, 13, 33, 13}, {43, 43, 43, 43}, {100, 100, 0, 0}, {70, 70, 0, 0}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE("slot " + std::to_string(i));
        EXPECT_EQ(v.m_x[i], expected[i][0]);
        EXPECT_EQ(v.m_y[i], expected[i][1]);
        EXPECT_EQ(v.m_x2[i], expected[i][2]);
        EXPECT_EQ(v.m_y2[i], expected[i][3]);
    }
    EXPECT_EQ((Rect{v.m_selectionRect[0], v.m_selectionRect[1], v.m_selectionRect[2], v.m_selectionRect[3]}),
              (Rect{3, 3, 63, 53}));
    EXPECT_TRUE(s.doc.isModified());

    // Without the button the grab point follows the pointer and nothing moves.
    s.move(90, 90);
    EXPECT_EQ(v.m_grabX, 90);
    EXPECT_EQ(v.m_grabY, 90);
    EXPECT_EQ(v.m_x[0], 53);
}

TEST(PointerMotion, FiguresThatMayNotOpenBackwardsEndTheMove) {
    // A valid move to (90, 90) first, then one left of or above the start (60, 60):
    // the figure and the last point stay where they were.
    struct Row {
        const char* name;
        void (*setUp)(MotionSheet&);
        Point bad;
    };
    const Row rows[] = {
        {"rectangle dragged left", [](MotionSheet& s) { g_currentTool = kTypeRectangle; }, {30, 90}},
        {"ellipse dragged up", [](MotionSheet& s) { g_currentTool = kTypeEllipse; }, {90, 30}},
        {"zoom window dragged left",
         [](MotionSheet& s) {
             s.view.m_zoomWindowArmed = 1;
             s.view.m_zoomDragActive = 1;
         },
         {24, 90}},
        {"band dragged up", [](MotionSheet& s) { s.view.m_rubberBandActive = 1; }, {90, 24}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MotionSheet s;
        row.setUp(s);
        s.press(60, 60);
        if (g_currentTool == kTypeNone) s.view.m_toolDragActive = 0;
        s.drag(90, 90);
        ASSERT_EQ(s.view.m_lastPointX, 90);
        s.drag(row.bad.x, row.bad.y);
        EXPECT_EQ(s.view.m_lastPointX, 90);
        EXPECT_EQ(s.view.m_lastPointY, 90);
        EXPECT_EQ(s.view.m_dragCurrentX, 90);
        EXPECT_EQ(s.view.m_dragCurrentY, 90);
        EXPECT_EQ(s.view.m_pointerX, row.bad.x) << "the pointer position itself is kept";
    }

    // The rubber rectangle is still the one to (90, 90).
    MotionSheet s;
    g_currentTool = kTypeRectangle;
    s.view.m_currentColor = kBlack;
    s.press(60, 60);
    s.drag(90, 90);
    s.drag(30, 90);
    EXPECT_TRUE(s.runIs({60, 60}, {90, 60}, kBlack));
    EXPECT_TRUE(s.runIs({90, 60}, {90, 90}, kBlack));
}

TEST(PointerMotion, ZoomWindowDropsPickAndSelection) {
    MotionSheet s;
    s.view.m_zoomWindowArmed = 1;
    s.view.m_zoomDragActive = 1;
    g_itemPicked = 1;
    s.view.m_floatingBlock = 1;
    s.view.m_selectionValid = 1;
    s.press(60, 60);
    s.view.m_toolDragActive = 0;
    s.drag(90, 90);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(s.view.m_floatingBlock, 0);
    EXPECT_EQ(s.view.m_selectionValid, 0);
    // Dotted outline: the corner pixel is drawn, the one next to it not.
    EXPECT_EQ(s.pixel(60, 60), kBlack);
    EXPECT_EQ(s.pixel(61, 60), kWhite);
}

TEST(PointerMotion, WheelHidesThePreviewAndScrolls) {
    MotionSheet s;
    s.view.setScrollSizes(4000, 4000);  // line step 40
    g_currentTool = kTypeCoil;
    s.move(120, 84);
    s.settle();
    s.view.onWheel(0, -120, {120, 84});
    EXPECT_EQ(s.view.m_lastPointX, kNoPoint);
    EXPECT_EQ(s.view.m_previewFollowsPointer, 0);
    EXPECT_EQ(s.view.scrollPosition().y, 120) << "three line steps per notch";
    EXPECT_EQ(s.view.pendingPaintArea(), (Rect{0, 0, 400, 300}));
    s.move(120, 84);
    EXPECT_EQ(s.view.m_lastPointY, 84 + 120);
    EXPECT_EQ(s.view.m_previewFollowsPointer, 1);
}
