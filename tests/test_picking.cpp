// The pointer buttons: grid snapping of the press, picking with the pick areas,
// band selection, the drop rules, the cancel, and pick and selection per window.
#include <gtest/gtest.h>

#include <vector>

#include "button_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"

using namespace velk;
using velk::testing::Box;
using velk::testing::ButtonSheet;

namespace {

constexpr Box kCoilBox{-6, -3, 24, 15};

}  // namespace

TEST(Picking, PressSnapsTheSheetPointToTheGrid) {
    struct Row {
        const char* name;
        double zoom;
        Point scroll;
        Point window;
        Point dragStart;  // window coordinates of the snapped point
    };
    const Row rows[] = {
        {"zoom 2: grid step 6", 2.0, {0, 0}, {20, 47}, {18, 42}},
        {"zoom 1.5: grid step 4", 1.5, {0, 0}, {22, 22}, {20, 20}},
        {"zoom 1: grid step 3", 1.0, {0, 0}, {5, 8}, {3, 6}},
        {"scrolled: the grid is fixed to the sheet", 2.0, {100, 40}, {20, 20}, {20, 20}},
        {"scrolled off the grid", 2.0, {99, 0}, {20, 20}, {15, 18}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s(row.zoom);
        s.scrollTo(row.scroll.x, row.scroll.y);
        s.arm(kTypeWirePhase);
        s.press(row.window.x, row.window.y);
        EXPECT_EQ(s.view.m_toolDragActive, 1);
        EXPECT_EQ(s.view.m_dragStartX, row.dragStart.x);
        EXPECT_EQ(s.view.m_dragStartY, row.dragStart.y);
        EXPECT_EQ(s.view.m_dragCurrentX, row.dragStart.x);
        EXPECT_EQ(s.view.m_dragCurrentY, row.dragStart.y);
    }
}

TEST(Picking, PickAreasBoundsIncluded) {
    // Zoom 10, so that sheet pixels give tenths of a drawing unit.
    struct Row {
        const char* name;
        bool wire;  // else the coil
        Point sheet;
        bool hit;
    };
    // The coil at (100, 50) with box (-6, -3, 24, 15) is hit for x 97 to 123 and
    // y 48 to 64; the wire from (9, 21) to (39, 21) has an area of zero height.
    const Row rows[] = {
        {"coil: left bound", false, {970, 560}, true},
        {"coil: just left of it", false, {969, 560}, false},
        {"coil: right bound", false, {1230, 560}, true},
        {"coil: just right of it", false, {1231, 560}, false},
        {"coil: top bound", false, {1100, 480}, true},
        {"coil: just above", false, {1100, 479}, false},
        {"coil: bottom bound", false, {1100, 640}, true},
        {"coil: just below", false, {1100, 641}, false},
        {"coil: the box corner itself", false, {940, 470}, false},
        {"wire: first end", true, {90, 210}, true},
        {"wire: second end", true, {390, 210}, true},
        {"wire: before the first end", true, {89, 210}, false},
        {"wire: beyond the second end", true, {391, 210}, false},
        {"wire: a tenth above", true, {240, 209}, false},
        {"wire: a tenth below", true, {240, 211}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s(10.0);
        const int slot = row.wire ? s.add(kTypeWirePhase, 9, 21, 39, 21) : s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
        s.view.PickAtPoint(row.sheet, row.sheet);
        EXPECT_EQ(g_itemPicked, row.hit ? 1 : 0);
        EXPECT_EQ(s.view.m_pickedIndex, row.hit ? slot : 0);
    }
}

TEST(Picking, PressPicksTheTopmostItem) {
    struct Row {
        const char* name;
        void (*setUp)(ButtonSheet&);
        int picked;  // -1 nothing
    };
    const Row rows[] = {
        {"the higher of two overlapping symbols",
         [](ButtonSheet& s) {
             s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
             s.addSymbol(kTypePushButtonNO, 100, 50, kCoilBox);
         },
         1},
        {"a wire over a symbol",
         [](ButtonSheet& s) {
             s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
             s.add(kTypeWirePhase, 90, 57, 150, 57);
         },
         1},
        {"a hidden item on top is skipped",
         [](ButtonSheet& s) {
             s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
             const int top = s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
             s.view.m_deleted[top] = 1;
         },
         0},
        {"the companion slot of an inverter control is never picked",
         [](ButtonSheet& s) {
             s.addSymbol(kTypeCoil, 100, 50, kCoilBox);
             s.addSymbol(kTypeCompanionSlot, 100, 50, kCoilBox);
         },
         0},
        {"a chart line with its empty box is picked on its line",
         [](ButtonSheet& s) { s.add(kTypeGrafcetLink, 90, 57, 150, 57); }, 0},
        {"an automatic junction dot has no area", [](ButtonSheet& s) { s.add(kTypeConnectionDot, 111, 57, 111, 57); },
         -1},
        {"empty sheet", [](ButtonSheet&) {}, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        row.setUp(s);
        // Zoom 2: window (222, 114) is the grid point (111, 57).
        s.press(223, 115);
        EXPECT_EQ(g_itemPicked, row.picked >= 0 ? 1 : 0);
        EXPECT_EQ(s.view.m_pickedIndex, row.picked >= 0 ? row.picked : 0);
        s.release(223, 115);
    }
}

TEST(Picking, PickHighlightAndGrabOffset) {
    ButtonSheet s;
    s.scrollTo(20, 10);
    const int coil = s.addSymbol(kTypeCoil, 50, 20, kCoilBox);
    const int wire = s.add(kTypeWirePhase, 60, 90, 120, 90);

    // The symbol's box times the zoom; the grab offset is the press less the
    // item's position times the zoom (window coordinates).
    s.press(108 - 20, 48 - 10);
    ASSERT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_pickedIndex, coil);
    EXPECT_EQ(s.view.m_highlightRect[0], 88);
    EXPECT_EQ(s.view.m_highlightRect[1], 34);
    EXPECT_EQ(s.view.m_highlightRect[2], 148);
    EXPECT_EQ(s.view.m_highlightRect[3], 70);
    EXPECT_EQ(s.view.m_grabX, 8 - 20);
    EXPECT_EQ(s.view.m_grabY, 8 - 10);
    s.release(88, 38);

    // A line item's highlight is its corners grown by 5 units.
    s.press(180 - 20, 180 - 10);
    ASSERT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_pickedIndex, wire);
    EXPECT_EQ(s.view.m_highlightRect[0], 110);
    EXPECT_EQ(s.view.m_highlightRect[1], 170);
    EXPECT_EQ(s.view.m_highlightRect[2], 250);
    EXPECT_EQ(s.view.m_highlightRect[3], 190);
    s.release(160, 170);
    s.view.runPendingPaint();

    // A press on empty sheet drops the pick and repaints the old highlight.
    s.press(300, 250);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(s.view.m_pickedIndex, 0);
    EXPECT_EQ(s.view.pendingPaintArea().left, 110 - 20);
    EXPECT_EQ(s.view.pendingPaintArea().top, 170 - 10);
}

TEST(Picking, BandSelectsWholeItemsOnly) {
    struct Row {
        const char* name;
        Point from, to;  // drawing units of the drag
        std::vector<int> selected;
    };
    // Slots: 0 coil wholly inside (60, 30)-(120, 90), 1 coil partly inside, 2 wire
    // inside, 3 wire reaching out, 4 hidden coil inside.
    const Row rows[] = {
        {"left to right, top to bottom", {60, 30}, {120, 90}, {0, 2}},
        {"the band's edge on the coil's area", {60, 30}, {93, 90}, {0}},
        {"one unit short of it", {60, 30}, {92, 90}, {}},
        {"right to left", {120, 30}, {60, 90}, {}},
        {"bottom to top", {60, 90}, {120, 30}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ButtonSheet s;
        s.addSymbol(kTypeCoil, 70, 35, kCoilBox);    // area 67..93 x 33..49
        s.addSymbol(kTypeCoil, 105, 35, kCoilBox);   // area 102..128: reaches out
        s.add(kTypeWirePhase, 60, 60, 120, 60);
        s.add(kTypeWirePhase, 90, 75, 150, 75);
        const int hidden = s.addSymbol(kTypeCoil, 70, 65, kCoilBox);
        s.view.m_deleted[hidden] = 1;

        const Point a = s.at(row.from.x, row.from.y);
        const Point b = s.at(row.to.x, row.to.y);
        s.press(a.x, a.y);
        EXPECT_EQ(s.view.m_rubberBandActive, 1);
        s.drag(b.x, b.y);
        s.release(b.x + 1, b.y + 1);  // the release is not snapped: same units

        EXPECT_EQ(s.view.m_rubberBandActive, 0);
        EXPECT_EQ(s.view.m_selectionValid, 1);
        EXPECT_EQ(s.view.m_selectionRect[0], row.from.x);
        EXPECT_EQ(s.view.m_selectionRect[1], row.from.y);
        EXPECT_EQ(s.view.m_selectionRect[2], row.to.x);
        EXPECT_EQ(s.view.m_selectionRect[3], row.to.y);
        std::vector<int> selected;
        for (int i = 0; i < s.view.m_componentCount; ++i)
            if (s.view.m_selected[i] == 1) selected.push_back(i);
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(g_selectionCount, static_cast<int>(row.selected.size()));
    }
}

TEST(Picking, DropRulesForSelectionAndPastedItem) {
    ButtonSheet s;
    for (int x : {30, 60, 90}) s.addSymbol(kTypeCoil, x, 30, kCoilBox);
    const Point bandFrom = s.at(21, 21);
    const Point bandTo = s.at(120, 60);
    s.press(bandFrom.x, bandFrom.y);
    s.drag(bandTo.x, bandTo.y);
    s.release(bandTo.x, bandTo.y);
    ASSERT_EQ(g_selectionCount, 3);

    // A press on a selected item keeps the selection and picks the item.
    const Point onItem = s.at(63, 36);
    s.press(onItem.x, onItem.y);
    EXPECT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_pickedIndex, 1);
    EXPECT_EQ(g_selectionCount, 3);
    EXPECT_EQ(s.view.m_rubberBandActive, 0) << "a valid selection starts no band";
    s.release(onItem.x, onItem.y);

    // A press on empty sheet ends the selection but starts no band.
    const Point empty = s.at(150, 120);
    s.press(empty.x, empty.y);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(g_selectionCount, 0);
    EXPECT_EQ(s.view.m_selectionValid, 0);
    EXPECT_EQ(s.view.m_rubberBandActive, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s.view.m_selected[i], 0);
    s.release(empty.x, empty.y);
    // The next press on empty sheet starts one.
    s.press(empty.x, empty.y);
    EXPECT_EQ(s.view.m_rubberBandActive, 1);
    s.release(empty.x, empty.y);

    // A pasted item stops being a selection at the next press on it; it stays picked.
    g_itemPicked = 1;
    s.view.m_pickedIndex = 2;
    s.view.m_selected[2] = 1;
    g_selectionCount = 1;
    s.view.m_pasteSingle = 1;
    s.view.m_selectionValid = 1;
    const Point onPasted = s.at(93, 36);
    s.press(onPasted.x, onPasted.y);
    EXPECT_EQ(g_itemPicked, 1);
    EXPECT_EQ(s.view.m_pickedIndex, 2);
    EXPECT_EQ(g_selectionCount, 0);
    EXPECT_EQ(s.view.m_pasteSingle, 0);
}

TEST(Picking, RightButtonCancelsEverything) {
    ButtonSheet s;
    s.arm(kTypeGrafcetLink, kTypeGrafcetOrDivergence);
    s.move(100, 100);
    const int coil = s.addSymbol(kTypeCoil, 60, 30, kCoilBox);
    s.view.m_selected[coil] = 1;
    s.view.m_selectionValid = 1;
    s.view.m_floatingBlock = 1;
    s.view.m_rubberBandActive = 1;
    s.view.m_zoomWindowArmed = 1;
    g_selectionCount = 1;
    g_itemPicked = 1;
    s.view.runPendingPaint();

    s.rightPress(150, 150);
    EXPECT_EQ(g_currentTool, kTypeNone);
    EXPECT_EQ(g_toolSubKind, 0);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(g_selectionCount, 0);
    EXPECT_EQ(s.view.m_selected[coil], 0);
    EXPECT_EQ(s.view.m_selectionValid, 0);
    EXPECT_EQ(s.view.m_floatingBlock, 0);
    EXPECT_EQ(s.view.m_rubberBandActive, 0);
    EXPECT_EQ(s.view.m_zoomWindowArmed, 0);
    EXPECT_EQ(s.view.m_lastPointX, kNoPoint) << "no preview until the pointer moves";
    EXPECT_EQ(s.view.m_lastPointY, kNoPoint);
    EXPECT_EQ(s.view.pendingPaintArea(), (Rect{0, 0, 400, 300}));
}

TEST(Picking, PickAndSelectionBelongToTheirWindow) {
    ButtonSheet a;
    ButtonSheet b;
    a.addSymbol(kTypeCoil, 30, 30, kCoilBox);
    const int picked = a.addSymbol(kTypeCoil, 60, 30, kCoilBox);
    b.addSymbol(kTypeCoil, 60, 30, kCoilBox);
    const Point onItem = a.at(63, 36);
    a.press(onItem.x, onItem.y);
    a.release(onItem.x, onItem.y);
    ASSERT_EQ(g_itemPicked, 1);

    // B's own press on empty sheet neither drops nor moves A's pick.
    b.press(300, 250);
    EXPECT_EQ(g_itemPicked, 0);
    b.drag(320, 260);
    b.release(320, 260);
    EXPECT_EQ(a.view.m_x[picked], 60);
    a.view.claimPickAndSelection();
    EXPECT_EQ(g_itemPicked, 1);
    EXPECT_EQ(a.view.m_pickedIndex, picked);

    // A band selection in A survives a press on empty sheet in B.
    a.rightPress(0, 0);
    const Point from = a.at(21, 21);
    const Point to = a.at(120, 60);
    a.press(from.x, from.y);
    a.drag(to.x, to.y);
    a.release(to.x, to.y);
    ASSERT_EQ(g_selectionCount, 2);
    b.press(300, 250);
    b.release(300, 250);
    EXPECT_EQ(g_selectionCount, 0) << "B has no selection of its own";
    EXPECT_EQ(a.view.m_selected[0], 1);
    EXPECT_EQ(a.view.m_selected[1], 1);
    a.view.claimPickAndSelection();
    EXPECT_EQ(g_selectionCount, 2);
    EXPECT_EQ(a.view.m_selectionValid, 1);
}

TEST(Picking, AnotherWindowNeverDrawsThePickInRed) {
    ButtonSheet a;
    ButtonSheet b;
    const int inA = a.addLine(18, 42, 120, 42, 1);
    const int inB = b.addLine(18, 42, 120, 42, 1);
    ASSERT_EQ(inA, inB) << "the same slot index in both windows";
    const Point onLine = a.at(60, 42);  // on the snapping grid
    a.press(onLine.x, onLine.y);
    a.release(onLine.x, onLine.y);
    ASSERT_EQ(g_itemPicked, 1);

    auto redPixelsOnLine = [](ButtonSheet& s) {
        s.view.invalidate();
        s.view.runPendingPaint();
        const Point from = s.at(18, 42);
        const Point to = s.at(120, 42);
        int red = 0;
        for (int x = from.x; x < to.x; ++x)
            if (s.view.surface().pixel(x, from.y) == rgb(255, 0, 0)) ++red;
        return red;
    };
    EXPECT_GT(redPixelsOnLine(a), 0) << "the picking window shows its pick";
    EXPECT_EQ(redPixelsOnLine(b), 0) << "the other window's line at the same slot stays black";
}
