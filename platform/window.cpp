// The view's paint, timer and scroll machinery, and the toolkit window that shows
// a view's surface and feeds it input.
#include "platform/window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>
#include <QWheelEvent>
#include <algorithm>
#include <vector>

#include "platform/cursor_qt.h"
#include "platform/msgbox.h"
#include "platform/text1250.h"
#include "platform/viewhost.h"

namespace velk {

namespace {

bool g_timersAutomatic = true;
Point g_fixedClientSize{0, 0};
std::vector<View*>& liveViews() {
    static std::vector<View*> views;
    return views;
}
bool isAlive(const View* v) {
    const auto& all = liveViews();
    return std::find(all.begin(), all.end(), v) != all.end();
}
const QEvent::Type kPaintRequestEvent = static_cast<QEvent::Type>(QEvent::User + 17);

// A client device context shows what it drew when it goes out of use.
class PresentingDc : public Dc {
public:
    PresentingDc(View& view) : Dc(view.surface()), m_view(view) {}
    ~PresentingDc() override { m_view.present(); }

private:
    View& m_view;
};

}  // namespace

void setTimersAutomatic(bool automatic) { g_timersAutomatic = automatic; }
bool timersAutomatic() { return g_timersAutomatic; }
void setFixedClientSize(int width, int height) { g_fixedClientSize = {width, height}; }
Point fixedClientSize() { return g_fixedClientSize; }
int liveViewCount() { return static_cast<int>(liveViews().size()); }
View* liveView(int index) {
    const auto& all = liveViews();
    return index >= 0 && index < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(index)] : nullptr;
}

void runAllPendingPaints() {
    // A paint may invalidate again (a deferred box's action, a timer's effect);
    // a few rounds settle every ordinary case without looping on a view that
    // invalidates itself in every paint.
    for (int round = 0; round < 8; ++round) {
        bool any = false;
        const std::vector<View*> views = liveViews();
        for (View* v : views) {
            if (isAlive(v) && v->hasPendingPaint() && !v->isPainting()) {
                v->runPendingPaint();
                any = true;
            }
        }
        if (hasDeferredBoxes()) {
            showDeferredBoxes();
            any = true;
        }
        if (!any) break;
    }
}

// ---------------------------------------------------------------------------------------
// View

View::View() {
    liveViews().push_back(this);
    const Point fixed = g_fixedClientSize;
    if (fixed.x > 0 && fixed.y > 0) m_surface.resize(fixed.x, fixed.y);
}

View::~View() {
    killAllTimers();
    if (m_host) m_host->detachView();
    auto& all = liveViews();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void View::attachHost(ViewHost* host) {
    m_host = host;
    if (!m_host) return;
    for (const TimerSlot& t : m_timers)
        if (t.id != 0) syncHostTimer(t.id);
    syncHostScrollBars();
    if (hasPendingPaint()) schedulePaint();
}

void View::onWheel(int flags, int delta, Point p) {
    const int notches = delta / 120;
    if (notches == 0) return;
    const int request = notches > 0 ? kScrollLineUp : kScrollLineDown;
    for (int i = 0; i < std::abs(notches) * 3; ++i) onScroll(true, request, 0);
    onScroll(true, kScrollEnd, 0);
}

void View::onScroll(bool vertical, int request, int thumbPosition) {
    scrollByRequest(vertical, request, thumbPosition);
}

void View::onEraseBackground(Dc& dc) { dc.surface().fillRect(dc.clip(), rgb(255, 255, 255)); }

// --- painting --------------------------------------------------------------------------

void View::invalidate(bool erase) { invalidateRect(m_surface.bounds(), erase); }

void View::invalidateRect(const Rect& r, bool erase) {
    const Rect area = r.normalized().intersected(m_surface.bounds());
    if (area.isEmpty()) return;
    m_invalid = m_invalid.united(area);
    // As on the desktop, one erasing request erases the whole pending area.
    if (erase) m_eraseArea = m_invalid;
    else if (!m_eraseArea.isEmpty()) m_eraseArea = m_invalid;
    schedulePaint();
}

void View::schedulePaint() {
    if (m_host) m_host->requestPaint();
}

void View::updateNow() {
    if (!isPainting()) runPendingPaint();
}

void View::runPendingPaint() {
    if (m_paintDepth > 0) return;  // the area waits for the paint after this one
    const Rect area = m_invalid.intersected(m_surface.bounds());
    const bool erase = !m_eraseArea.isEmpty();
    m_invalid = {};
    m_eraseArea = {};
    if (area.isEmpty()) return;

    beginPaintDeferral();
    ++m_paintDepth;
    {
        Dc dc(m_surface);
        dc.setClip(area);
        dc.setViewportOrigin(-m_scrollPos.x, -m_scrollPos.y);
        if (erase) onEraseBackground(dc);
        onPaint(dc);
    }
    --m_paintDepth;
    present();
    endPaintDeferral();
    if (isAlive(this) && hasPendingPaint()) schedulePaint();
}

std::unique_ptr<Dc> View::clientDc(bool scrolled) {
    auto dc = std::make_unique<PresentingDc>(*this);
    dc->setClip(m_surface.bounds());
    if (scrolled) dc->setViewportOrigin(-m_scrollPos.x, -m_scrollPos.y);
    return dc;
}

void View::present() {
    if (m_host) m_host->showSurface();
}

void View::resizeClient(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == m_surface.width() && height == m_surface.height()) return;
    m_surface.resize(width, height);
    // The scroll range may have shrunk below the position.
    const Point limit = scrollLimit();
    m_scrollPos = {std::min(m_scrollPos.x, limit.x), std::min(m_scrollPos.y, limit.y)};
    syncHostScrollBars();
    onSize(width, height);
    invalidate(true);
}

// --- timers -----------------------------------------------------------------------------

void View::setTimer(int id, int periodMs) {
    if (id == 0) return;  // 0 marks a free entry
    TimerSlot* slot = nullptr;
    for (TimerSlot& t : m_timers)
        if (t.id == id) slot = &t;
    if (!slot)
        for (TimerSlot& t : m_timers)
            if (t.id == 0 && !slot) slot = &t;
    if (!slot) return;
    slot->id = id;
    slot->period = std::max(periodMs, 1);
    syncHostTimer(id);
}

void View::killTimer(int id) {
    for (TimerSlot& t : m_timers) {
        if (t.id != id || id == 0) continue;
        if (m_host && t.hostTimer) m_host->stopHostTimer(t.hostTimer);
        t = TimerSlot{};
    }
}

void View::killAllTimers() {
    for (TimerSlot& t : m_timers)
        if (t.id != 0) killTimer(t.id);
}

bool View::hasTimer(int id) const { return timerPeriod(id) >= 0; }

int View::timerPeriod(int id) const {
    for (const TimerSlot& t : m_timers)
        if (t.id == id && id != 0) return t.period;
    return -1;
}

void View::syncHostTimer(int id) {
    for (TimerSlot& t : m_timers) {
        if (t.id != id) continue;
        if (m_host && t.hostTimer) m_host->stopHostTimer(t.hostTimer);
        t.hostTimer = 0;
        if (m_host && g_timersAutomatic) t.hostTimer = m_host->startHostTimer(t.period);
    }
}

// --- scrolling ------------------------------------------------------------------------------

void View::setScrollSizes(int totalWidth, int totalHeight) {
    setScrollSizes(totalWidth, totalHeight, {totalWidth, totalHeight}, {totalWidth / 100, totalHeight / 100});
}

void View::setScrollSizes(int totalWidth, int totalHeight, Point page, Point line) {
    m_scrollTotalW = std::max(totalWidth, 0);
    m_scrollTotalH = std::max(totalHeight, 0);
    m_scrollPage = page;
    m_scrollLine = line;
    scrollTo(m_scrollPos.x, m_scrollPos.y);
    syncHostScrollBars();
}

Point View::scrollLimit() const {
    return {std::max(0, m_scrollTotalW - m_surface.width()), std::max(0, m_scrollTotalH - m_surface.height())};
}

void View::scrollTo(int x, int y) {
    const Point limit = scrollLimit();
    x = std::clamp(x, 0, limit.x);
    y = std::clamp(y, 0, limit.y);
    const int dx = x - m_scrollPos.x;
    const int dy = y - m_scrollPos.y;
    if (dx == 0 && dy == 0) return;
    m_scrollPos = {x, y};

    // The pixels that stay visible move with the sheet; the strips that come into
    // view are painted with erase, the pending area moves along.
    const int w = m_surface.width();
    const int h = m_surface.height();
    if (std::abs(dx) < w && std::abs(dy) < h) {
        m_surface.scroll(dx, dy);
        if (!m_invalid.isEmpty()) {
            const Rect moved{m_invalid.left - dx, m_invalid.top - dy, m_invalid.right - dx, m_invalid.bottom - dy};
            const bool erase = !m_eraseArea.isEmpty();
            m_invalid = moved.intersected(m_surface.bounds());
            m_eraseArea = erase ? m_invalid : Rect{};
        }
        if (dx > 0) invalidateRect({w - dx, 0, w, h}, true);
        if (dx < 0) invalidateRect({0, 0, -dx, h}, true);
        if (dy > 0) invalidateRect({0, h - dy, w, h}, true);
        if (dy < 0) invalidateRect({0, 0, w, -dy}, true);
    } else {
        invalidate(true);
    }
    present();
    syncHostScrollBars();
}

void View::scrollByRequest(bool vertical, int request, int thumbPosition) {
    const int pos = vertical ? m_scrollPos.y : m_scrollPos.x;
    const int line = vertical ? m_scrollLine.y : m_scrollLine.x;
    const int page = vertical ? m_scrollPage.y : m_scrollPage.x;
    const int limit = vertical ? scrollLimit().y : scrollLimit().x;
    int target = pos;
    switch (request) {
        case kScrollLineUp: target = pos - line; break;
        case kScrollLineDown: target = pos + line; break;
        case kScrollPageUp: target = pos - page; break;
        case kScrollPageDown: target = pos + page; break;
        case kScrollThumbPosition:
        case kScrollThumbTrack: target = thumbPosition; break;
        case kScrollTop: target = 0; break;
        case kScrollBottom: target = limit; break;
        default: return;
    }
    if (vertical)
        scrollTo(m_scrollPos.x, target);
    else
        scrollTo(target, m_scrollPos.y);
}

void View::syncHostScrollBars() {
    if (m_host) m_host->updateScrollBars();
}

void View::setCursor(CursorShape shape) {
    m_cursor = shape;
    if (m_host) m_host->applyCursor();
}

void View::setFocus() {
    if (m_host) m_host->viewport()->setFocus();
}

void View::captureMouse(bool) {
    // The toolkit keeps the pointer with the window while a button is down.
}

// ---------------------------------------------------------------------------------------
// ViewHost

namespace {

int mouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers mods) {
    int flags = 0;
    if (buttons & Qt::LeftButton) flags |= kMouseLeft;
    if (buttons & Qt::RightButton) flags |= kMouseRight;
    if (mods & Qt::ShiftModifier) flags |= kMouseShift;
    if (mods & Qt::ControlModifier) flags |= kMouseControl;
    return flags;
}

Point clientPoint(const QPointF& p) {
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

// Toolkit key to the program's key code; 0 for keys the program does not know.
int keyCodeOf(int qtKey) {
    struct KeyRow {
        int qt;
        int code;
    };
    static const KeyRow kKeys[] = {
        {Qt::Key_Backspace, kKeyBack}, {Qt::Key_Tab, kKeyTab},         {Qt::Key_Return, kKeyReturn},
        {Qt::Key_Enter, kKeyReturn},   {Qt::Key_Shift, kKeyShift},     {Qt::Key_Control, kKeyControl},
        {Qt::Key_Escape, kKeyEscape},  {Qt::Key_Space, kKeySpace},     {Qt::Key_PageUp, kKeyPageUp},
        {Qt::Key_PageDown, kKeyPageDown}, {Qt::Key_End, kKeyEnd},      {Qt::Key_Home, kKeyHome},
        {Qt::Key_Left, kKeyLeft},      {Qt::Key_Up, kKeyUp},           {Qt::Key_Right, kKeyRight},
        {Qt::Key_Down, kKeyDown},      {Qt::Key_Insert, kKeyInsert},   {Qt::Key_Delete, kKeyDelete},
    };
    for (const KeyRow& k : kKeys)
        if (k.qt == qtKey) return k.code;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return kKeyF1 + (qtKey - Qt::Key_F1);
    return 0;
}

}  // namespace

ViewHost::ViewHost(View* view, QWidget* parent) : QAbstractScrollArea(parent), m_view(view) {
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this](int a) { onBarAction(false, a); });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, [this](int a) { onBarAction(true, a); });
    connect(horizontalScrollBar(), &QScrollBar::sliderReleased, this, [this] { onBarReleased(false); });
    connect(verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] { onBarReleased(true); });
    if (m_view) m_view->attachHost(this);
}

ViewHost::~ViewHost() {
    if (m_view) m_view->attachHost(nullptr);
}

void ViewHost::requestPaint() {
    if (m_paintPosted) return;
    m_paintPosted = true;
    QCoreApplication::postEvent(this, new QEvent(kPaintRequestEvent));
}

void ViewHost::showSurface() { viewport()->update(); }

int ViewHost::startHostTimer(int periodMs) { return startTimer(periodMs, Qt::PreciseTimer); }

void ViewHost::stopHostTimer(int hostTimer) { killTimer(hostTimer); }

void ViewHost::updateScrollBars() {
    if (!m_view) return;
    m_syncingBars = true;
    const Point limit = m_view->scrollLimit();
    const Point line = m_view->scrollLineSize();
    const Point pos = m_view->scrollPosition();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, limit.x);
    v->setRange(0, limit.y);
    h->setPageStep(std::max(1, m_view->clientWidth()));
    v->setPageStep(std::max(1, m_view->clientHeight()));
    h->setSingleStep(std::max(1, line.x));
    v->setSingleStep(std::max(1, line.y));
    h->setValue(pos.x);
    v->setValue(pos.y);
    m_syncingBars = false;
}

void ViewHost::applyCursor() {
    if (m_view) viewport()->setCursor(toolkitCursor(m_view->cursor()));
}

void ViewHost::onBarAction(bool vertical, int action) {
    if (!m_view || m_syncingBars) return;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    int request = -1;
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: request = kScrollLineDown; break;
        case QAbstractSlider::SliderSingleStepSub: request = kScrollLineUp; break;
        case QAbstractSlider::SliderPageStepAdd: request = kScrollPageDown; break;
        case QAbstractSlider::SliderPageStepSub: request = kScrollPageUp; break;
        case QAbstractSlider::SliderToMinimum: request = kScrollTop; break;
        case QAbstractSlider::SliderToMaximum: request = kScrollBottom; break;
        case QAbstractSlider::SliderMove: request = kScrollThumbTrack; break;
        default: return;
    }
    const int thumb = bar->sliderPosition();
    // The view decides the position: undo the bar's own step first.
    const Point pos = m_view->scrollPosition();
    m_syncingBars = true;
    bar->setSliderPosition(vertical ? pos.y : pos.x);
    m_syncingBars = false;
    View* view = m_view;
    view->onScroll(vertical, request, thumb);
    if (request != kScrollThumbTrack && m_view) m_view->onScroll(vertical, kScrollEnd, 0);
    updateScrollBars();
}

void ViewHost::onBarReleased(bool vertical) {
    if (!m_view) return;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    m_view->onScroll(vertical, kScrollThumbPosition, bar->sliderPosition());
    if (m_view) m_view->onScroll(vertical, kScrollEnd, 0);
    updateScrollBars();
}

void ViewHost::scrollContentsBy(int, int) {
    // The view moves its own pixels (View::scrollTo); nothing to do here.
}

bool ViewHost::event(QEvent* e) {
    if (e->type() == kPaintRequestEvent) {
        m_paintPosted = false;
        if (m_view && !m_view->isPainting()) m_view->runPendingPaint();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void ViewHost::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    if (!m_view) {
        painter.fillRect(viewport()->rect(), Qt::white);
        return;
    }
    // The view's own paint never runs inside the toolkit's: it may open a dialog
    // afterwards, which must not happen within this event.
    if (m_view->hasPendingPaint()) requestPaint();
    const Surface& s = m_view->surface();
    if (!s.isNull()) {
        const QImage image(reinterpret_cast<const uchar*>(s.raw()), s.width(), s.height(), s.width() * 4,
                           QImage::Format_RGB32);
        painter.drawImage(0, 0, image);
    }
    const QRect rest = viewport()->rect();
    if (rest.width() > s.width()) painter.fillRect(s.width(), 0, rest.width() - s.width(), rest.height(), Qt::lightGray);
    if (rest.height() > s.height()) painter.fillRect(0, s.height(), s.width(), rest.height() - s.height(), Qt::lightGray);
}

void ViewHost::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    if (!m_view) return;
    const Point fixed = fixedClientSize();
    if (fixed.x > 0 && fixed.y > 0)
        m_view->resizeClient(fixed.x, fixed.y);
    else
        m_view->resizeClient(viewport()->width(), viewport()->height());
    updateScrollBars();
}

void ViewHost::timerEvent(QTimerEvent* e) {
    if (!m_view) return;
    for (const View::TimerSlot& t : m_view->m_timers) {
        if (t.hostTimer == e->timerId() && t.id != 0) {
            m_view->onTimer(t.id);
            return;
        }
    }
    QAbstractScrollArea::timerEvent(e);
}

void ViewHost::mousePressEvent(QMouseEvent* e) {
    if (!m_view) return;
    viewport()->setFocus();
    const int flags = mouseFlags(e->buttons(), e->modifiers());
    const Point p = clientPoint(e->position());
    if (e->button() == Qt::LeftButton) m_view->onLeftDown(flags, p);
    if (e->button() == Qt::RightButton) m_view->onRightDown(flags, p);
}

void ViewHost::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_view) return;
    const int flags = mouseFlags(e->buttons(), e->modifiers());
    const Point p = clientPoint(e->position());
    if (e->button() == Qt::LeftButton) m_view->onLeftUp(flags, p);
    if (e->button() == Qt::RightButton) m_view->onRightUp(flags, p);
}

void ViewHost::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!m_view) return;
    const int flags = mouseFlags(e->buttons(), e->modifiers());
    const Point p = clientPoint(e->position());
    if (e->button() == Qt::LeftButton) m_view->onLeftDoubleClick(flags, p);
    if (e->button() == Qt::RightButton) m_view->onRightDown(flags, p);
}

void ViewHost::mouseMoveEvent(QMouseEvent* e) {
    if (!m_view) return;
    if (!m_view->onSetCursor(kHitClient)) {
        m_view->m_cursor = CursorShape::Arrow;
        applyCursor();
    } else {
        applyCursor();
    }
    if (m_view) m_view->onMouseMove(mouseFlags(e->buttons(), e->modifiers()), clientPoint(e->position()));
}

void ViewHost::wheelEvent(QWheelEvent* e) {
    if (!m_view) return;
    m_view->onWheel(mouseFlags(e->buttons(), e->modifiers()), e->angleDelta().y(), clientPoint(e->position()));
    updateScrollBars();
}

void ViewHost::keyPressEvent(QKeyEvent* e) {
    if (!m_view) return;
    int flags = 0;
    if (e->modifiers() & Qt::ShiftModifier) flags |= kMouseShift;
    if (e->modifiers() & Qt::ControlModifier) flags |= kMouseControl;
    const int repeat = 1;
    if (const int code = keyCodeOf(e->key())) m_view->onKeyDown(code, repeat, flags);
    if (!m_view) return;
    const QString text = e->text();
    for (const char32_t cp : text.toUcs4()) {
        if (cp < 32 && cp != 8 && cp != 13 && cp != 27 && cp != 9) continue;
        const int byte = TextCodec1250::byteOf(cp);
        if (byte < 0) {
            // A character the sheet's 8-bit text cannot hold is refused here.
            messageBeep();
            continue;
        }
        m_view->onChar(byte, repeat, flags);
        if (!m_view) return;
    }
}

void ViewHost::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    if (m_view) m_view->onSetFocus();
}

void ViewHost::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    if (m_view) m_view->onKillFocus();
}

}  // namespace velk
