#pragma once
// Windows of the program: the view (what a sheet window shows and how it takes
// input), and the host that shows it. A view draws only through paints on its
// persistent surface: invalidate, then the paint calls onPaint with a device
// context clipped to the invalid area; pixels outside it are kept.
//
// Paints never run inside the call that invalidates: they run from the event
// loop, or at once through updateNow(). A paint that invalidates again leaves
// that area for the next paint.
#include <memory>
#include <string>

#include "platform/command.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace velk {

class ViewHost;  // the toolkit window behind a view (window.cpp)

enum MouseButtonFlags : int { kMouseLeft = 1, kMouseRight = 2, kMouseShift = 4, kMouseControl = 8 };

// Scroll-bar requests, numbered as the handlers expect them.
enum ScrollRequest : int {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
    kScrollEnd = 8,
};

// Key codes of onKeyDown for keys without a character of their own; letters and
// digits use their upper-case ASCII code.
enum KeyCode : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyShift = 16,
    kKeyControl = 17,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyInsert = 45,
    kKeyDelete = 46,
    kKeyF1 = 112,
};

// The cursor's place as onSetCursor sees it.
enum HitTest : int { kHitClient = 1, kHitScrollBar = 2 };

class View : public CommandTarget {
public:
    View();
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // --- handlers, called by the host ------------------------------------------------
    virtual void onPaint(Dc& dc) = 0;
    // Once, after the window exists and before its first paint.
    virtual void onInitialUpdate() {}
    // Window > New window: right after its initial update, a new window of the
    // document takes over what `original` (the active window) shows.
    virtual void onNewWindowOf(View& original) {}
    virtual void onTimer(int id) {}
    virtual void onLeftDown(int flags, Point p) {}
    virtual void onLeftUp(int flags, Point p) {}
    virtual void onLeftDoubleClick(int flags, Point p) {}
    virtual void onRightDown(int flags, Point p) {}
    virtual void onRightUp(int flags, Point p) {}
    virtual void onMouseMove(int flags, Point p) {}
    // Default: three line steps of the vertical bar per notch.
    virtual void onWheel(int flags, int delta, Point p);
    virtual void onKeyDown(int key, int repeat, int flags) {}
    // A typed character as its Windows-1250 byte.
    virtual void onChar(int ch, int repeat, int flags) {}
    virtual void onSize(int width, int height) {}
    // A scroll-bar request; the default is the plain scrolling of scrollByRequest.
    virtual void onScroll(bool vertical, int request, int thumbPosition);
    // Before a paint whose area is to be erased; the default fills the area white.
    // `dc` is clipped to the area to erase.
    virtual void onEraseBackground(Dc& dc);
    // The pointer is over the window; true when the handler set the cursor.
    virtual bool onSetCursor(int hitTest) { return false; }
    // Its window became the active sheet window (true) or another one did (false).
    virtual void onActivate(bool active) {}
    virtual void onSetFocus() {}
    virtual void onKillFocus() {}
    // The window is going away; the view's timers are stopped right after.
    virtual void onDestroy() {}

    // --- painting -------------------------------------------------------------------------
    void invalidate(bool erase = true);
    void invalidateRect(const Rect& r, bool erase = true);  // client pixels
    bool hasPendingPaint() const { return !m_invalid.isEmpty(); }
    Rect pendingPaintArea() const { return m_invalid; }
    // Runs the pending paint at once (the window's immediate update).
    void updateNow();
    bool isPainting() const { return m_paintDepth > 0; }
    Surface& surface() { return m_surface; }
    const Surface& surface() const { return m_surface; }
    int clientWidth() const { return m_surface.width(); }
    int clientHeight() const { return m_surface.height(); }
    // A device context that draws straight onto the window outside a paint. With
    // `scrolled` its logical origin is the scroll position, as in a paint;
    // otherwise logical coordinates are client pixels.
    std::unique_ptr<Dc> clientDc(bool scrolled = false);
    // Called by the host (or the test kit) when the client area changes size:
    // the whole window is then painted again with erase.
    void resizeClient(int width, int height);
    // Shows the surface on the screen now (after drawing through a client dc).
    void present();

    // --- timers: one per id, all die with the view -----------------------------------
    void setTimer(int id, int periodMs);  // replaces a timer of the same id
    void killTimer(int id);
    void killAllTimers();
    bool hasTimer(int id) const;
    int timerPeriod(int id) const;  // -1 when not running

    // --- scrolling --------------------------------------------------------------------------
    // Total size; the page step is the total and the line step a hundredth of it.
    void setScrollSizes(int totalWidth, int totalHeight);
    void setScrollSizes(int totalWidth, int totalHeight, Point page, Point line);
    int scrollTotalWidth() const { return m_scrollTotalW; }
    int scrollTotalHeight() const { return m_scrollTotalH; }
    Point scrollPageSize() const { return m_scrollPage; }
    Point scrollLineSize() const { return m_scrollLine; }
    Point scrollPosition() const { return m_scrollPos; }
    // The largest position of each bar (0 when the sheet fits the window).
    Point scrollLimit() const;
    // Moves the content to the position (clamped to the range): the pixels that
    // stay visible move along, the uncovered strips are painted with erase.
    void scrollTo(int x, int y);
    // The plain scrolling of one request: line and page steps, top and bottom,
    // thumb position and track go to the given position.
    void scrollByRequest(bool vertical, int request, int thumbPosition);

    void setCursor(CursorShape shape);
    CursorShape cursor() const { return m_cursor; }
    void setFocus();
    void captureMouse(bool capture);

    ViewHost* host() const { return m_host; }
    void attachHost(ViewHost* host);

    // Runs one paint over the pending area now; used by the host and the test kit.
    void runPendingPaint();

private:
    friend class ViewHost;
    void schedulePaint();
    void syncHostTimer(int id);
    void syncHostScrollBars();
    Surface m_surface;
    ViewHost* m_host = nullptr;
    Rect m_invalid;    // pending paint area, empty when none
    Rect m_eraseArea;  // part of it to fill white first
    int m_paintDepth = 0;
    int m_scrollTotalW = 0;
    int m_scrollTotalH = 0;
    Point m_scrollPage{0, 0};
    Point m_scrollLine{0, 0};
    Point m_scrollPos{0, 0};
    CursorShape m_cursor = CursorShape::Arrow;
    struct TimerSlot {
        int id = 0;
        int period = 0;
        int hostTimer = 0;  // the toolkit's timer, 0 when not started
    };
    static constexpr int kMaxTimers = 8;
    TimerSlot m_timers[kMaxTimers] = {};
};

// --- program-wide window behaviour (the test kit switches these) ------------------
// When false, timers are only recorded: nothing fires them but the caller of onTimer.
void setTimersAutomatic(bool automatic);
bool timersAutomatic();
// When set (width and height above 0), every view's client area has this size
// whatever its window measures, so that pixels are the same on every screen.
void setFixedClientSize(int width, int height);
Point fixedClientSize();

// Views that are alive, in creation order (for running every pending paint).
int liveViewCount();
View* liveView(int index);
// Runs the pending paints of every view, then the actions deferred past paints;
// repeats while that caused new paints (at most a few rounds).
void runAllPendingPaints();

}  // namespace velk
