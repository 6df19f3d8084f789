// Zoom and grid commands: the zoom steps and their memory, the scroll range of
// each page format, the scroll position, the grid toggle and zoom-window arming.
#include <gtest/gtest.h>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "render/Paint.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

using namespace velk;

namespace {

// A sheet view with a 400 x 300 window on a scroll area of the page format.
struct ZoomSheet : velk::testing::PaintSheet {
    explicit ZoomSheet(double zoom = 2.0) {
        doc.m_zoom = zoom;
        view.resizeClient(400, 300);
        view.m_markerX = view.m_markerY = kNoMarker;
        view.SetPageScrollSizes();
        view.runPendingPaint();
    }
    void run(int id) { ASSERT_TRUE(view.RunZoomCommand(id)) << id; }
};

}  // namespace

TEST(ZoomCommands, ZoomStepsAndWhatTheyRemember) {
    struct Row {
        const char* name;
        int command;
        double zoom;
        double prevZoom;  // what Zoom previous would go back to
        double zoomAfter;
        double prevAfter;
    };
    const Row rows[] = {
        {"+ at 2", ID_ZOOM_IN, 2.0, 2.0, 3.0, 2.0},
        {"+ at 19.5", ID_ZOOM_IN, 19.5, 2.0, 20.0, 19.0},
        {"+ at 20 stays", ID_ZOOM_IN, 20.0, 2.0, 20.0, 20.0},
        {"+ drops the fraction of a zoom window", ID_ZOOM_IN, 3.6, 2.0, 4.0, 3.0},
        {"- at 2.7 remembers 2", ID_ZOOM_OUT, 2.7, 5.0, 1.0, 2.0},
        {"- at 1 stays", ID_ZOOM_OUT, 1.0, 5.0, 1.0, 1.0},
        {"- drops the fraction of a zoom window", ID_ZOOM_OUT, 6.4, 2.0, 5.0, 6.0},
        {"normal", ID_ZOOM_NORMAL, 7.4, 3.0, 2.0, 7.4},
        {"all", ID_ZOOM_ALL, 5.0, 3.0, 1.0, 5.0},
        {"previous exchanges", ID_ZOOM_PREVIOUS, 6.0, 3.0, 3.0, 6.0},
        {"previous to a remembered zoom above 20", ID_ZOOM_PREVIOUS, 6.0, 35.0, 20.0, 6.0},
        {"previous to a remembered zoom below 1", ID_ZOOM_PREVIOUS, 6.0, 0.25, 1.0, 6.0},
        {"grid leaves the zoom", ID_VIEW_GRID, 4.5, 3.0, 4.5, 3.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ZoomSheet s(row.zoom);
        s.doc.m_prevZoom = row.prevZoom;
        g_viewOnlyRepaint = 0;
        g_currentTool = kTypeCoil;
        g_itemPicked = 1;
        s.view.m_selectionValid = 1;
        s.run(row.command);
        EXPECT_DOUBLE_EQ(s.doc.m_zoom, row.zoomAfter);
        EXPECT_DOUBLE_EQ(s.doc.m_prevZoom, row.prevAfter);
        // Every command ends like a palette command and repaints the whole view.
        EXPECT_EQ(g_viewOnlyRepaint, 1);
        EXPECT_EQ(g_currentTool, kTypeCoil);
        EXPECT_EQ(g_itemPicked, 0);
        EXPECT_EQ(s.view.m_selectionValid, 0);
        EXPECT_EQ(s.view.m_lastPointX, static_cast<int>(20.0 * row.zoomAfter) - s.view.scrollPosition().x);
        EXPECT_EQ(s.view.pendingPaintArea(), s.view.surface().bounds());
    }
}

TEST(ZoomCommands, ScrollRangeFollowsThePageFormat) {
    struct Row {
        const char* name;
        int pageFormat;
        int width, height;  // total scroll size after Zoom + from 2 to 3
    };
    const Row rows[] = {
        {"A4 portrait", 0, 711, 1011},
        {"A4 landscape", 1, 1011, 711},
        {"A3, first format", 2, 1410, 1002},
        {"A3, second format", 3, 1410, 1002},
        {"user size 250 x 180", 4, 750, 540},
        {"no sheet: left as it was", 9, 1234, 567},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ZoomSheet s;
        s.doc.m_pageFormat = row.pageFormat;
        s.doc.m_pageWidth = 250;
        s.doc.m_pageHeight = 180;
        s.view.setScrollSizes(1234, 567);
        s.run(ID_ZOOM_IN);
        EXPECT_EQ(s.view.scrollTotalWidth(), row.width);
        EXPECT_EQ(s.view.scrollTotalHeight(), row.height);
        EXPECT_EQ(s.view.scrollPageSize(), (Point{row.width, row.height}));
        EXPECT_EQ(s.view.scrollLineSize(), (Point{row.width / 100, row.height / 100}));
    }
}

TEST(ZoomCommands, PreviousTwiceReturnsToTheStart) {
    ZoomSheet s(5.0);
    s.view.SetPageScrollSizes();
    s.view.scrollTo(1200, 800);
    s.run(ID_ZOOM_OUT);
    const Point atFour = s.view.scrollPosition();
    ASSERT_DOUBLE_EQ(s.doc.m_zoom, 4.0);
    ASSERT_EQ(atFour, (Point{948, 648})) << "the smaller range holds the position back";

    s.run(ID_ZOOM_PREVIOUS);
    EXPECT_DOUBLE_EQ(s.doc.m_zoom, 5.0);
    EXPECT_EQ(s.view.scrollPosition(), (Point{1200, 800}));
    EXPECT_EQ(s.view.scrollTotalWidth(), 5 * 337);

    s.run(ID_ZOOM_PREVIOUS);
    EXPECT_DOUBLE_EQ(s.doc.m_zoom, 4.0);
    EXPECT_EQ(s.view.scrollPosition(), atFour);
    EXPECT_EQ(s.view.scrollTotalWidth(), 4 * 337);
}

TEST(ZoomCommands, ZoomAllGoesToTheOriginAndKeepsTheRange) {
    ZoomSheet s(5.0);
    s.view.scrollTo(600, 400);
    s.run(ID_ZOOM_ALL);
    EXPECT_DOUBLE_EQ(s.doc.m_zoom, 1.0);
    EXPECT_EQ(s.view.scrollPosition(), (Point{0, 0}));
    EXPECT_EQ(s.view.scrollTotalWidth(), 5 * 337) << "still sized for zoom 5";
    EXPECT_EQ(s.doc.m_savedScrollX, 600);
    EXPECT_EQ(s.doc.m_savedScrollY, 400);
}

TEST(ZoomCommands, GridTwiceRestoresAndNothingMoves) {
    ZoomSheet s(3.0);
    s.view.scrollTo(120, 80);
    s.doc.m_prevZoom = 6.0;
    for (int expected : {0, 1}) {
        s.run(ID_VIEW_GRID);
        EXPECT_EQ(s.doc.m_showGrid, expected);
        EXPECT_EQ(s.view.scrollPosition(), (Point{120, 80}));
        EXPECT_DOUBLE_EQ(s.doc.m_prevZoom, 6.0);
    }
}

TEST(ZoomCommands, ZoomWindowOnlyArms) {
    ZoomSheet s(4.0);
    s.view.scrollTo(100, 60);
    s.view.runPendingPaint();
    const int rangeWidth = s.view.scrollTotalWidth();
    g_currentTool = kTypeCoil;
    g_viewOnlyRepaint = 0;
    s.run(ID_ZOOM_WINDOW);
    EXPECT_EQ(s.view.m_zoomWindowArmed, 1);
    EXPECT_EQ(g_currentTool, kTypeNone);
    EXPECT_EQ(g_viewOnlyRepaint, 1);
    EXPECT_DOUBLE_EQ(s.doc.m_zoom, 4.0);
    EXPECT_DOUBLE_EQ(s.doc.m_prevZoom, 4.0);
    EXPECT_EQ(s.doc.m_savedScrollX, 100);
    EXPECT_EQ(s.view.scrollTotalWidth(), rangeWidth);
    EXPECT_FALSE(s.view.pendingPaintArea() == s.view.surface().bounds()) << "not the whole view";
}

TEST(ZoomCommands, EveryZoomCommandIsOneOfTheGroup) {
    for (int id : {ID_ZOOM_PREVIOUS, ID_ZOOM_NORMAL, ID_ZOOM_IN, ID_ZOOM_OUT, ID_ZOOM_WINDOW, ID_ZOOM_ALL,
                   ID_VIEW_GRID})
        EXPECT_TRUE(CVelkarionView::IsZoomCommand(id)) << id;
    EXPECT_FALSE(CVelkarionView::IsZoomCommand(ID_TOOL_LINE));
}

// A new sheet window opens with a step of Zoom +, so Zoom previous goes one below.
TEST(ZoomScenario, PreviousRightAfterOpeningGoesOneBelow) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    SheetDocument& doc = session.document(view);
    ASSERT_DOUBLE_EQ(doc.m_zoom, 2.0);
    EXPECT_EQ(session.command(view, ID_ZOOM_PREVIOUS), CommandResult::Handled);
    EXPECT_DOUBLE_EQ(doc.m_zoom, 1.0);
    EXPECT_EQ(view.scrollPosition(), (Point{0, 0}));
    // The sheet shows at the new zoom: the A4 landscape frame's right edge moved in.
    const Surface& shown = session.surface(view);
    EXPECT_EQ(view.scrollTotalWidth(), 337);
    EXPECT_NE(shown.pixel(336, 100), rgb(255, 255, 255));
}
