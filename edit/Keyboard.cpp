// The smaller window handlers of the sheet view: the Delete and Escape keys, the
// background erase before a repaint, the cursor shape, the scroll bars, and the
// activation and focus changes. They keep the pointer feedback and the paint's
// drawn states consistent when the window is erased or scrolled.
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/Paint.h"

namespace velk {

namespace {

// The end of a scroll moves the preview off the sheet until the pointer moves.
constexpr int kScrolledAway = 60000;

}  // namespace

void CVelkarionView::OnKeyDown(int key, int repeat, int flags) {
    m_lastKey = key;
    if (key == kKeyDelete) {
        // Delete is Cut, and deletes only what Cut could.
        CommandUpdate cut;
        OnUpdateEditCut(cut);
        if (cut.enabled) OnEditCut();
    }
    // Escape cancels as the right button does at the window's corner.
    if (key == kKeyEscape) onRightDown(0, {0, 0});
    View::onKeyDown(key, repeat, flags);
}

void CVelkarionView::OnEraseBkgnd(Dc& dc) {
    if (g_currentTool == kTypeNone) {
        m_markerX = kNoMarker;
        m_markerY = kNoMarker;
    }
    if (m_simulating == 1) {
        // The erased window needs every state-dependent part drawn again.
        for (int i = 0; i < kSlotCount; ++i)
            if (m_type[i] >= 1 && m_deleted[i] == 0) m_drawnState[i] = -1;
    }
    g_viewOnlyRepaint = 1;
    View::onEraseBackground(dc);
}

bool CVelkarionView::OnSetCursor(int hitTest) {
    if (m_zoomWindowArmed == 1) {
        setCursor(CursorShape::Zoom);
        return true;
    }
    if (g_currentTool >= 1) {
        setCursor(hitTest == kHitClient ? CursorShape::Cross : CursorShape::Arrow);
        return true;
    }
    return View::onSetCursor(hitTest);
}

namespace {

// One scroll-bar request of either bar; `tracking` is the thumb-tracking flag of
// that bar, `lastPoint` and `dragEnd` its coordinate of the preview point.
void beforeScroll(CVelkarionView& v, int request, int& tracking, int& lastPoint, int& dragEnd) {
    SheetDocument* doc = v.GetDocument();
    auto rememberPosition = [&] {
        if (!doc) return;
        const Point scroll = v.scrollPosition();
        doc->m_savedScrollX = scroll.x;
        doc->m_savedScrollY = scroll.y;
    };
    // Zoom previous goes back to where a scroll started, not to its steps.
    if (request != kScrollThumbPosition && request != kScrollThumbTrack && request != kScrollEnd)
        rememberPosition();
    if (request == kScrollThumbTrack && tracking == 0) {
        rememberPosition();
        tracking = 1;
    }
    if (request == kScrollEnd) {
        tracking = 0;
        lastPoint = kScrolledAway;
        dragEnd = kScrolledAway;
        v.invalidate(false);
    }
    if (g_currentTool > 0) v.invalidate(true);
    g_viewOnlyRepaint = 1;
}

}  // namespace

void CVelkarionView::OnVScroll(int request, int thumbPosition) {
    SheetDocument* doc = GetDocument();
    int untracked = 0;
    beforeScroll(*this, request, doc ? doc->m_vThumbTracking : untracked, m_lastPointY, m_dragCurrentY);
    View::onScroll(true, request, thumbPosition);
}

void CVelkarionView::OnHScroll(int request, int thumbPosition) {
    SheetDocument* doc = GetDocument();
    int untracked = 0;
    beforeScroll(*this, request, doc ? doc->m_hThumbTracking : untracked, m_lastPointX, m_dragCurrentX);
    View::onScroll(false, request, thumbPosition);
}

void CVelkarionView::OnActivateView(bool activate) {
    // The panes show the mode of the sheet now in front.
    if (activate) ShowModeTexts();
    View::onActivate(activate);
}

void CVelkarionView::OnKillFocus() { View::onKillFocus(); }

}  // namespace velk
