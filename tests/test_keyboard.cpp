// The view's keys, background erase, cursor shapes and scroll bars.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "edit_sheet.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "file_test_support.h"
#include "render/Paint.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testing::EditSheet;

namespace {

TEST(Keyboard, DeleteCutsOnlyWhatCutMay) {
    struct Row {
        const char* name;
        bool picked;
        int simulating;
        bool removed;
    };
    const Row rows[] = {
        {"the picked item goes", true, 0, true},
        {"nothing picked or selected: nothing happens", false, 0, false},
        {"nothing is deleted while simulating", true, 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        s.addSymbol(kTypeCoil, 30, 30);
        const int target = s.addSymbol(kTypeCoil, 90, 30);
        if (row.picked) s.pick(target);
        s.view.m_simulating = row.simulating;
        s.view.OnKeyDown(kKeyDelete, 1, 0);
        EXPECT_EQ(s.view.m_lastKey, kKeyDelete);
        EXPECT_EQ(s.view.m_deleted[target], row.removed ? 1 : 0);
        EXPECT_EQ(s.view.m_deleted[0], 0);
        EXPECT_EQ(s.view.m_componentCount, 2);
        EXPECT_EQ(s.modified(), row.removed);
    }
}

// A view that records the right presses it is asked for.
struct RightPressView : CVelkarionView {
    std::vector<std::pair<int, Point>> presses;
    void onRightDown(int flags, Point p) override { presses.push_back({flags, p}); }
};

TEST(Keyboard, EscapeIsARightPressAtTheWindowCorner) {
    velk::testing::resetPaintGlobals();
    SheetDocument doc;
    RightPressView view;
    view.setDocument(&doc);
    view.resizeClient(200, 100);
    for (int key : {int{'A'}, int{kKeyReturn}, int{kKeyEscape}, int{kKeySpace}}) view.OnKeyDown(key, 1, 0);
    ASSERT_EQ(view.presses.size(), 1u);
    EXPECT_EQ(view.presses[0].first, 0);
    EXPECT_EQ(view.presses[0].second, (Point{0, 0}));
    EXPECT_EQ(view.m_lastKey, kKeySpace);
    EXPECT_EQ(view.m_componentCount, 0);
}

TEST(Keyboard, EraseBeforeARepaint) {
    struct Row {
        const char* name;
        int tool;
        int simulating;
    };
    const Row rows[] = {
        {"select tool while editing", kTypeNone, 0},
        {"component tool while editing", kTypeCoil, 0},
        {"simulating", kTypeNone, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s(60, 40);
        const int live = s.addSymbol(kTypeCoil, 30, 30);
        const int hidden = s.addSymbol(kTypeCoil, 60, 30);
        s.view.m_deleted[hidden] = 1;
        const int hole = s.add(kTypeNone);
        s.view.m_drawnState[live] = s.view.m_drawnState[hidden] = s.view.m_drawnState[hole] = 1;
        // A live item of a sheet whose count was lowered by Cut still counts.
        const int beyond = 700;
        s.view.m_type[beyond] = kTypeAuxContactNO;
        s.view.m_drawnState[beyond] = 1;
        s.view.m_markerX = s.view.m_markerY = 30;
        g_currentTool = row.tool;
        s.view.m_simulating = row.simulating;
        g_viewOnlyRepaint = 0;
        s.view.surface().fill(rgb(0, 0, 0));

        Dc dc(s.view.surface());
        dc.setClip({10, 10, 20, 20});
        s.view.OnEraseBkgnd(dc);

        EXPECT_EQ(s.view.m_markerX, row.tool == kTypeNone ? kNoMarker : 30);
        EXPECT_EQ(s.view.m_markerY, row.tool == kTypeNone ? kNoMarker : 30);
        const int redraw = row.simulating ? -1 : 1;
        EXPECT_EQ(s.view.m_drawnState[live], redraw);
        EXPECT_EQ(s.view.m_drawnState[beyond], redraw);
        EXPECT_EQ(s.view.m_drawnState[hidden], 1);
        EXPECT_EQ(s.view.m_drawnState[hole], 1);
        EXPECT_EQ(g_viewOnlyRepaint, 1);
        EXPECT_EQ(s.view.surface().pixel(15, 15), rgb(255, 255, 255));
        EXPECT_EQ(s.view.surface().pixel(25, 25), rgb(0, 0, 0)) << "only the area to erase";
        g_viewOnlyRepaint = 0;
    }
}

TEST(Keyboard, CursorShapes) {
    struct Row {
        const char* name;
        int zoomArmed;
        int tool;
        int hitTest;
        bool handled;
        CursorShape shape;
    };
    const Row rows[] = {
        {"zoom window over the sheet", 1, kTypeNone, kHitClient, true, CursorShape::Zoom},
        {"zoom window over a scroll bar", 1, kTypeCoil, kHitScrollBar, true, CursorShape::Zoom},
        {"a tool over the sheet", 0, kTypeCoil, kHitClient, true, CursorShape::Cross},
        {"a drawing tool over the sheet", 0, kTypeLine, kHitClient, true, CursorShape::Cross},
        {"a tool over a scroll bar", 0, kTypeCoil, kHitScrollBar, true, CursorShape::Arrow},
        {"the select tool is the platform's", 0, kTypeNone, kHitClient, false, CursorShape::Hand},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EditSheet s;
        s.view.setCursor(CursorShape::Hand);
        s.view.m_zoomWindowArmed = row.zoomArmed;
        g_currentTool = row.tool;
        EXPECT_EQ(s.view.OnSetCursor(row.hitTest), row.handled);
        EXPECT_EQ(s.view.cursor(), row.shape);
    }
}

// The scroll handlers of one bar, with the fields that belong to it.
struct Bar {
    const char* name;
    bool vertical;
    int Point::*axis;
    int CVelkarionView::*lastPoint;
    int CVelkarionView::*dragEnd;
    int SheetDocument::*tracking;
};
const Bar kBars[] = {
    {"vertical", true, &Point::y, &CVelkarionView::m_lastPointY, &CVelkarionView::m_dragCurrentY,
     &SheetDocument::m_vThumbTracking},
    {"horizontal", false, &Point::x, &CVelkarionView::m_lastPointX, &CVelkarionView::m_dragCurrentX,
     &SheetDocument::m_hThumbTracking},
};

void scroll(EditSheet& s, const Bar& bar, int request, int thumb = 0) {
    if (bar.vertical) s.view.OnVScroll(request, thumb);
    else s.view.OnHScroll(request, thumb);
}

TEST(Keyboard, ThumbDragRemembersWhereItStarted) {
    for (const Bar& bar : kBars) {
        SCOPED_TRACE(bar.name);
        EditSheet s;
        s.scrollTo(60, 100);
        scroll(s, bar, kScrollThumbTrack, 150);
        EXPECT_EQ(s.doc.*bar.tracking, 1);
        scroll(s, bar, kScrollThumbTrack, 300);
        scroll(s, bar, kScrollThumbPosition, 320);
        EXPECT_EQ(s.view.scrollPosition().*bar.axis, 320);
        EXPECT_EQ(s.doc.m_savedScrollX, 60);
        EXPECT_EQ(s.doc.m_savedScrollY, 100);
        scroll(s, bar, kScrollEnd);
        EXPECT_EQ(s.doc.*bar.tracking, 0);
        EXPECT_EQ(s.view.*bar.lastPoint, 60000) << "the preview leaves the sheet until the pointer moves";
        EXPECT_EQ(s.view.*bar.dragEnd, 60000);
        EXPECT_EQ(g_viewOnlyRepaint, 1);
        // The next drag remembers its own start.
        scroll(s, bar, kScrollThumbTrack, 10);
        EXPECT_EQ(s.doc.m_savedScrollX + s.doc.m_savedScrollY, bar.vertical ? 60 + 320 : 320 + 100);
        g_viewOnlyRepaint = 0;
    }
}

TEST(Keyboard, ScrollStepsRepaintWholeOnlyWithAToolArmed) {
    for (const Bar& bar : kBars) {
        for (int tool : {kTypeNone, kTypeCoil}) {
            SCOPED_TRACE(std::string(bar.name) + (tool ? " with a tool" : " without a tool"));
            EditSheet s;
            s.scrollTo(60, 100);
            s.settle();
            g_currentTool = tool;
            scroll(s, bar, kScrollLineDown);
            EXPECT_EQ(s.doc.m_savedScrollX, 60);
            EXPECT_EQ(s.doc.m_savedScrollY, 100);
            EXPECT_EQ(s.view.scrollPosition().*bar.axis, (bar.vertical ? 100 : 60) + 40);
            const bool whole = s.view.pendingPaintArea() == s.view.surface().bounds();
            EXPECT_EQ(whole, tool != kTypeNone);
            g_viewOnlyRepaint = 0;
        }
    }
}

TEST(KeyboardSession, DeleteRemovesThePickedItemAndEscapeDropsTheTool) {
    testkit::Session session;
    session.writeFile("circuit.cad", filetest::readBytes(filetest::fixturePath("circuit_with_inverter.cad")));
    CVelkarionView& view = session.openSheet("circuit.cad");
    const int coil = 4;
    ASSERT_EQ(view.m_type[coil], kTypeCoil);

    // Inside the coil's box, on the grid.
    const Point at = session.unitsToWindow(view, 36, 126);
    session.press(view, at.x, at.y);
    session.release(view, at.x, at.y);
    ASSERT_EQ(g_itemPicked, 1);
    ASSERT_EQ(view.m_pickedIndex, coil);
    session.key(view, kKeyDelete);
    EXPECT_EQ(view.m_deleted[coil], 1);
    EXPECT_EQ(g_itemPicked, 0);
    EXPECT_EQ(view.m_componentCount, 10);
    // With nothing picked the key does nothing more.
    session.key(view, kKeyDelete);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(view.m_deleted[i], i == coil ? 1 : 0) << i;

    session.command(view, ID_PLACE_COIL);
    ASSERT_EQ(g_currentTool, kTypeCoil);
    session.key(view, kKeyEscape);
    EXPECT_EQ(g_currentTool, kTypeNone);
    EXPECT_EQ(view.m_lastKey, kKeyEscape);
    EXPECT_TRUE(session.messages().empty());
}

}  // namespace
