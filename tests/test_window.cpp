// The view's window machinery without the application: paints over the persistent
// surface, invalidation with and without erase, timers and scrolling.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/window.h"

using namespace velk;

namespace {

const Color kWhite = rgb(255, 255, 255);
const Color kRed = rgb(255, 0, 0);
const Color kBlue = rgb(0, 0, 255);

// A view whose paint fills everything it may touch with one colour and writes
// down each paint's clip and logical origin.
class FillView : public View {
public:
    explicit FillView(int w = 100, int h = 80) { resizeClient(w, h); runPendingPaint(); }
    void onPaint(Dc& dc) override {
        clips.push_back(dc.clip());
        origins.push_back(dc.viewportOrigin());
        if (paintColor) dc.surface().fillRect(dc.surface().bounds().intersected(dc.clip()), *paintColor);
        if (onPaintHook) onPaintHook(dc);
    }
    void onTimer(int id) override { fired.push_back(id); }
    const Color* paintColor = nullptr;
    std::function<void(Dc&)> onPaintHook;
    std::vector<Rect> clips;
    std::vector<Point> origins;
    std::vector<int> fired;
};

}  // namespace

TEST(Window, PaintTouchesOnlyTheInvalidAreaAndEraseDecidesTheRest) {
    struct Row {
        const char* name;
        Rect area;
        bool erase;
        bool paintDraws;
        Color inside;   // at (15, 15)
        Color outside;  // at (60, 60)
    };
    const Row rows[] = {
        {"non-erasing, paint draws nothing: pixels kept", {10, 10, 20, 20}, false, false, kRed, kRed},
        {"erasing, paint draws nothing: area white", {10, 10, 20, 20}, true, false, kWhite, kRed},
        {"paint fills: only the area changes", {10, 10, 20, 20}, false, true, kBlue, kRed},
        {"whole window erased", {0, 0, 100, 80}, true, false, kWhite, kWhite},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FillView v;
        v.surface().fill(kRed);
        v.paintColor = row.paintDraws ? &kBlue : nullptr;
        v.invalidateRect(row.area, row.erase);
        EXPECT_TRUE(v.hasPendingPaint());
        v.updateNow();
        EXPECT_FALSE(v.hasPendingPaint());
        EXPECT_EQ(v.surface().pixel(15, 15), row.inside);
        EXPECT_EQ(v.surface().pixel(60, 60), row.outside);
        EXPECT_EQ(v.clips.back(), row.area);
    }
}

TEST(Window, InvalidationsAccumulateIntoOnePaintAndNeverRunInsideTheCall) {
    FillView v;
    const std::size_t before = v.clips.size();
    v.invalidateRect({5, 5, 10, 10}, false);
    v.invalidateRect({30, 40, 35, 50}, false);
    v.invalidateRect({-20, -20, -5, -5}, false);  // outside the window: nothing
    EXPECT_EQ(v.clips.size(), before) << "invalidating does not paint";
    v.updateNow();
    ASSERT_EQ(v.clips.size(), before + 1);
    EXPECT_EQ(v.clips.back(), (Rect{5, 5, 35, 50}));
    v.updateNow();
    EXPECT_EQ(v.clips.size(), before + 1) << "nothing pending, no paint";
}

TEST(Window, AnInvalidationDuringAPaintWaitsForTheNextPaint) {
    FillView v;
    int depth = 0;
    int maxDepth = 0;
    int paints = 0;
    v.onPaintHook = [&](Dc&) {
        ++depth;
        ++paints;
        maxDepth = std::max(maxDepth, depth);
        if (paints == 1) {
            v.invalidateRect({0, 0, 5, 5}, false);
            v.updateNow();  // must not nest
        }
        --depth;
    };
    v.invalidate(false);
    v.updateNow();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(maxDepth, 1);
    EXPECT_TRUE(v.hasPendingPaint());
    runAllPendingPaints();
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(v.clips.back(), (Rect{0, 0, 5, 5}));
}

TEST(Window, PaintOriginFollowsTheScrollPosition) {
    FillView v(100, 80);
    v.setScrollSizes(400, 300);
    v.scrollTo(30, 50);
    v.invalidate(false);
    v.updateNow();
    EXPECT_EQ(v.origins.back(), (Point{-30, -50})) << "logical = sheet pixels, device = logical - scroll";
    auto client = v.clientDc(false);
    EXPECT_EQ(client->viewportOrigin(), (Point{0, 0}));
    auto scrolled = v.clientDc(true);
    EXPECT_EQ(scrolled->viewportOrigin(), (Point{-30, -50}));
}

TEST(Window, ScrollRequestsStepByLineAndPageAndStayInRange) {
    // Total 400 x 300 in a 100 x 80 window: limits 300 and 220; a line is 4 / 3
    // pixels, a page the whole total.
    struct Row {
        const char* name;
        bool vertical;
        int request;
        int thumb;
        Point start;
        Point expected;
    };
    const Row rows[] = {
        {"line down", true, kScrollLineDown, 0, {0, 10}, {0, 13}},
        {"line up at the top stays", true, kScrollLineUp, 0, {0, 0}, {0, 0}},
        {"line right", false, kScrollLineDown, 0, {10, 0}, {14, 0}},
        {"page down goes to the end", true, kScrollPageDown, 0, {0, 10}, {0, 220}},
        {"page left goes to the start", false, kScrollPageUp, 0, {200, 0}, {0, 0}},
        {"thumb track", false, kScrollThumbTrack, 123, {0, 0}, {123, 0}},
        {"thumb past the end is clamped", true, kScrollThumbPosition, 999, {0, 0}, {0, 220}},
        {"bottom", true, kScrollBottom, 0, {5, 5}, {5, 220}},
        {"top", false, kScrollTop, 0, {50, 5}, {0, 5}},
        {"end of scroll moves nothing", true, kScrollEnd, 0, {7, 9}, {7, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FillView v(100, 80);
        v.setScrollSizes(400, 300);
        v.scrollTo(row.start.x, row.start.y);
        v.onScroll(row.vertical, row.request, row.thumb);
        EXPECT_EQ(v.scrollPosition(), row.expected);
    }
}

TEST(Window, ScrollingMovesTheKeptPixelsAndRepaintsOnlyTheUncoveredStrip) {
    FillView v(100, 80);
    v.setScrollSizes(400, 300);
    v.surface().fill(kWhite);
    v.surface().setPixel(50, 40, kRed);
    v.scrollTo(0, 10);
    EXPECT_EQ(v.surface().pixel(50, 30), kRed) << "the sheet moved up by ten pixels";
    EXPECT_EQ(v.pendingPaintArea(), (Rect{0, 70, 100, 80}));
    v.scrollTo(7, 10);
    EXPECT_EQ(v.surface().pixel(43, 30), kRed);
    EXPECT_EQ(v.pendingPaintArea(), (Rect{0, 70, 100, 80}).united(Rect{93, 0, 100, 80}));
}

TEST(Window, ShrinkingTheScrollRangePullsThePositionBack) {
    FillView v(100, 80);
    v.setScrollSizes(400, 300);
    v.scrollTo(250, 200);
    v.setScrollSizes(150, 90);
    EXPECT_EQ(v.scrollPosition(), (Point{50, 10}));
    EXPECT_EQ(v.scrollPageSize(), (Point{150, 90}));
    EXPECT_EQ(v.scrollLineSize(), (Point{1, 0}));
    v.setScrollSizes(50, 50);
    EXPECT_EQ(v.scrollPosition(), (Point{0, 0})) << "the sheet fits the window";
}

TEST(Window, ResizingPaintsTheWholeWindowWithErase) {
    FillView v(100, 80);
    v.surface().fill(kRed);
    v.resizeClient(120, 90);
    EXPECT_EQ(v.pendingPaintArea(), (Rect{0, 0, 120, 90}));
    v.updateNow();
    EXPECT_EQ(v.surface().pixel(10, 10), kWhite);
    EXPECT_EQ(v.surface().pixel(115, 85), kWhite);
}

TEST(Window, TimersAreReplacedKilledAndDieWithTheView) {
    FillView v;
    v.setTimer(1, 250);
    v.setTimer(1, 500);  // replaces
    v.setTimer(2, 40);
    v.setTimer(0, 10);   // no such id
    EXPECT_EQ(v.timerPeriod(1), 500);
    EXPECT_EQ(v.timerPeriod(2), 40);
    EXPECT_FALSE(v.hasTimer(0));
    v.setTimer(3, 0);
    EXPECT_EQ(v.timerPeriod(3), 1) << "a period below 1 ms runs at 1 ms";
    v.killTimer(1);
    EXPECT_FALSE(v.hasTimer(1));
    EXPECT_TRUE(v.hasTimer(2));
    v.killAllTimers();
    EXPECT_FALSE(v.hasTimer(2));
    EXPECT_EQ(v.timerPeriod(3), -1);
}

TEST(Window, EveryLiveViewIsKnownUntilItGoes) {
    const int before = liveViewCount();
    {
        FillView a;
        FillView b;
        EXPECT_EQ(liveViewCount(), before + 2);
        a.invalidate(false);
        b.invalidate(false);
        const std::size_t pa = a.clips.size();
        const std::size_t pb = b.clips.size();
        runAllPendingPaints();
        EXPECT_EQ(a.clips.size(), pa + 1);
        EXPECT_EQ(b.clips.size(), pb + 1);
    }
    EXPECT_EQ(liveViewCount(), before);
}
