#pragma once
// Windows of the program: the view (what a sheet window shows and how it takes
// input), and the host that shows it. A view draws only through paints on its
// persistent surface: invalidate, then the paint calls onPaint with a device
// context clipped to the invalid area; pixels outside it are kept.
#include <memory>
#include <string>

#include "platform/dc.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace velk {

class ViewHost;  // the toolkit window behind a view (window.cpp)

enum MouseButtonFlags : int { kMouseLeft = 1, kMouseRight = 2, kMouseShift = 4, kMouseControl = 8 };

enum class CursorShape { Arrow, Cross, Hand, Wait, SizeAll };

class View {
public:
    View();
    virtual ~View();
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // --- handlers, called by the host ------------------------------------------------
    virtual void onPaint(Dc& dc) = 0;
    virtual void onTimer(int id) {}
    virtual void onLeftDown(int flags, Point p) {}
    virtual void onLeftUp(int flags, Point p) {}
    virtual void onLeftDoubleClick(int flags, Point p) {}
    virtual void onRightDown(int flags, Point p) {}
    virtual void onRightUp(int flags, Point p) {}
    virtual void onMouseMove(int flags, Point p) {}
    virtual void onWheel(int flags, int delta, Point p) {}
    virtual void onKeyDown(int key, int repeat, int flags) {}
    virtual void onChar(int ch, int repeat, int flags) {}
    virtual void onSize(int width, int height) {}
    virtual void onScroll(bool vertical, int position) {}
    virtual void onSetFocus() {}
    virtual void onKillFocus() {}
    virtual void onDestroy() {}

    // --- painting -------------------------------------------------------------------------
    void invalidate(bool erase = true);
    void invalidateRect(const Rect& r, bool erase = true);
    bool hasPendingPaint() const;
    // Runs the pending paint at once (the window's immediate update).
    void updateNow();
    bool isPainting() const { return m_paintDepth > 0; }
    Surface& surface() { return m_surface; }
    const Surface& surface() const { return m_surface; }
    int clientWidth() const { return m_surface.width(); }
    int clientHeight() const { return m_surface.height(); }
    // A device context that draws straight onto the window outside a paint.
    std::unique_ptr<Dc> clientDc();
    // Called by the host (or the test kit) when the client area changes size.
    void resizeClient(int width, int height);

    // --- timers: one per id, all die with the view -----------------------------------
    void setTimer(int id, int periodMs);  // replaces a timer of the same id
    void killTimer(int id);
    bool hasTimer(int id) const;
    int timerPeriod(int id) const;  // -1 when not running

    // --- scrolling --------------------------------------------------------------------------
    void setScrollSizes(int totalWidth, int totalHeight);
    int scrollTotalWidth() const { return m_scrollTotalW; }
    int scrollTotalHeight() const { return m_scrollTotalH; }
    Point scrollPosition() const { return m_scrollPos; }
    void scrollTo(int x, int y);  // clamped to the scroll range; repaints

    void setCursor(CursorShape shape);
    void setFocus();
    void captureMouse(bool capture);

    ViewHost* host() const { return m_host; }
    void attachHost(ViewHost* host) { m_host = host; }

    // Runs one paint over the pending area now; used by the host and the test kit.
    void runPendingPaint();

private:
    friend class ViewHost;
    Surface m_surface;
    ViewHost* m_host = nullptr;
    Rect m_invalid;          // pending paint area, empty when none
    Rect m_eraseArea;        // part of it to fill white first
    int m_paintDepth = 0;
    int m_scrollTotalW = 0;
    int m_scrollTotalH = 0;
    Point m_scrollPos{0, 0};
    struct TimerSlot { int id; int period; };
    TimerSlot m_timers[8] = {};
    int m_timerCount = 0;
};

}  // namespace velk
