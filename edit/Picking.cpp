// The pointer buttons of the sheet view: the press snaps to the grid, starts a tool
// drag or a band, picks the item under the pointer and drops a selection; the
// release completes the armed tool or ends the band; the right button cancels.
// While simulating the same handlers operate devices (edit/DeviceOperation.cpp).
#include <algorithm>

#include "edit/PlacementDefaults.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/window.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

bool isAliveView(const View* v) {
    for (int i = 0; i < liveViewCount(); ++i)
        if (liveView(i) == v) return true;
    return false;
}

int gridStep(double zoom) { return std::max(1, truncatedPixels(3.0 * zoom)); }

// Moves a sheet coordinate down to the grid (signed remainder, as pointer motion).
int snapToGrid(int v, int step) { return v - v % step; }

bool isPickKind(int type) { return isSymbolKind(type) || isLineKind(type); }

// Any slot of the 1000 that holds an item and is not hidden.
bool holdsItem(const CVelkarionView& v, int i) { return v.m_type[i] >= 1 && v.m_deleted[i] == 0; }

Rect shifted(const Rect& r, Point by) { return {r.left - by.x, r.top - by.y, r.right - by.x, r.bottom - by.y}; }

Rect highlightArea(const CVelkarionView& v) {
    return {v.m_highlightRect[0], v.m_highlightRect[1], v.m_highlightRect[2], v.m_highlightRect[3]};
}

// The selection rectangle in sheet pixels (drawing units times the zoom).
Rect selectionPixels(const CVelkarionView& v, double zoom) {
    return {scaledUnits(v.m_selectionRect[0], zoom), scaledUnits(v.m_selectionRect[1], zoom),
            scaledUnits(v.m_selectionRect[2], zoom), scaledUnits(v.m_selectionRect[3], zoom)};
}

Rect grown(const Rect& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// Wire, link and accessory tools completed by the wiring steps.
bool isSingleWireTool(int t) {
    return t == kTypeWirePhase || t == kTypeWireNeutral || t == kTypeWirePE || t == kTypeWirePlus ||
           t == kTypeWireMinus;
}
bool isChartLineTool(int t) { return t >= kTypeGrafcetAndDivergence && t <= kTypeGrafcetLink; }
bool isAccessoryTool(int t) {
    return (t >= kTypeConnectionDot && t <= kTypeWireThreePhaseHorizontal2) ||
           (t >= kTypeTerminalI && t <= kTypeTerminalStrip4);
}

}  // namespace

bool CVelkarionView::itemPickedHere() const {
    return g_itemPicked == 1 && (g_pickOwner == nullptr || g_pickOwner == this);
}

void CVelkarionView::claimPickAndSelection() {
    if (g_pickOwner == this) return;
    const View* previous = g_pickOwner;
    g_pickOwner = this;
    // Without a living previous owner the program-wide values are this view's.
    if (!previous || !isAliveView(previous)) return;
    auto* other = static_cast<CVelkarionView*>(const_cast<View*>(previous));
    other->m_ownItemPicked = g_itemPicked;
    other->m_ownSelectionCount = g_selectionCount;
    g_itemPicked = m_ownItemPicked;
    g_selectionCount = m_ownSelectionCount;
}

void CVelkarionView::deselectAll() {
    for (int i = 0; i < kSlotCount; ++i)
        if (holdsItem(*this, i)) m_selected[i] = 0;
}

bool CVelkarionView::symbolAreaContains(int slot, double px, double py) const {
    return m_x[slot] + m_boxX1[slot] + 3 <= px && px <= m_x[slot] + m_boxX2[slot] - 1 &&
           m_y[slot] + m_boxY1[slot] + 1 <= py && py <= m_y[slot] + m_boxY2[slot] - 1;
}

bool CVelkarionView::lineAreaContains(int slot, double px, double py) const {
    return m_x[slot] <= px && px <= m_x2[slot] && m_y[slot] <= py && py <= m_y2[slot];
}

void CVelkarionView::OnLButtonDown(int flags, Point point) {
    claimPickAndSelection();
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int grid = gridStep(zoom);
    const Point sheet{snapToGrid(point.x + scroll.x, grid), snapToGrid(point.y + scroll.y, grid)};
    const Point window{sheet.x - scroll.x, sheet.y - scroll.y};
    const bool editing = m_simulating == 0;

    if (m_zoomWindowArmed == 1) AnchorZoomWindow(sheet);

    m_toolDragActive = 0;
    if (g_currentTool >= 1 && (flags & kMouseLeft) != 0 && editing) {
        m_toolDragActive = 1;
        m_dragStartX = m_dragCurrentX = window.x;
        m_dragStartY = m_dragCurrentY = window.y;
        // The text goes in at the press; the press then goes on as with the select tool.
        if (g_currentTool == kTypeText) PlaceText();
    }

    const bool selecting = g_currentTool == kTypeNone && m_zoomDragActive == 0 && editing;

    if (selecting && g_itemPicked == 0 && m_floatingBlock == 0) {
        if (g_selectionCount == 0) {
            deselectAll();
            m_rubberBandActive = 0;
            m_selectionValid = 0;
        }
        // With a selection of its own the press moves the selection instead.
        if (m_selectionValid == 0) m_rubberBandActive = 1;
        m_pasteSingle = 0;
        invalidateRect(grown(shifted(selectionPixels(*this, zoom), scroll), 10), false);
        m_dragStartX = m_dragCurrentX = window.x;
        m_dragStartY = m_dragCurrentY = window.y;
        invalidateRect(shifted(highlightArea(*this), scroll), false);
        m_grabX = window.x;
        m_grabY = window.y;
    }

    // The whole sheet moves with the drag.
    if (selecting && m_floatingBlock == 1) {
        m_grabX = window.x;
        m_grabY = window.y;
    }

    if (selecting) PickAtPoint(sheet, window);

    // A press on empty sheet ends a selection; a press on an item keeps it (the
    // item is picked, and the drag moves the selection).
    if ((g_itemPicked == 0 && g_selectionCount > 0) || (g_itemPicked == 1 && g_selectionCount == 0)) {
        deselectAll();
        if (m_selectionValid == 1 || m_floatingBlock == 1)
            invalidateRect(grown(shifted(selectionPixels(*this, zoom), scroll), grid), true);
        m_rubberBandActive = 0;
        m_selectionValid = 0;
        m_floatingBlock = 0;
        g_selectionCount = 0;
    }

    // A single pasted item stops being a selection; it stays picked.
    if (g_itemPicked == 1 && g_selectionCount == 1 && m_pasteSingle == 1 && editing) {
        g_selectionCount = 0;
        m_pasteSingle = 0;
        invalidateRect(shifted(highlightArea(*this), scroll), true);
    }

    if (!editing) OperateOnPress(sheet);
    View::onLeftDown(flags, sheet);
}

void CVelkarionView::PickAtPoint(Point sheet, Point window) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    const double px = sheet.x / zoom;
    const double py = sheet.y / zoom;

    g_itemPicked = 0;
    bool missed = false;
    // Higher slots are drawn later and lie on top: they win.
    for (int i = kSlotCount - 1; i >= 0; --i) {
        const int type = m_type[i];
        if (m_deleted[i] != 0 || !isPickKind(type)) continue;
        const bool symbol = isSymbolKind(type);
        const bool hit = symbol ? symbolAreaContains(i, px, py) : lineAreaContains(i, px, py);
        if (!hit) {
            missed = true;
            continue;
        }
        invalidateRect(shifted(highlightArea(*this), scroll), true);
        g_itemPicked = 1;
        m_pickedIndex = i;
        const Rect area = symbol ? Rect{scaledUnits(m_x[i] + m_boxX1[i], zoom), scaledUnits(m_y[i] + m_boxY1[i], zoom),
                                        scaledUnits(m_x[i] + m_boxX2[i], zoom), scaledUnits(m_y[i] + m_boxY2[i], zoom)}
                                 : Rect{scaledUnits(m_x[i] - 5, zoom), scaledUnits(m_y[i] - 5, zoom),
                                        scaledUnits(m_x2[i] + 5, zoom), scaledUnits(m_y2[i] + 5, zoom)};
        invalidateRect(shifted(area, scroll), true);
        m_highlightRect[0] = area.left;
        m_highlightRect[1] = area.top;
        m_highlightRect[2] = area.right;
        m_highlightRect[3] = area.bottom;
        // A selection moves by steps of the pointer instead of a grab offset.
        if (m_floatingBlock == 0 && m_selectionValid == 0) {
            m_grabX = window.x - scaledUnits(m_x[i], zoom);
            m_grabY = window.y - scaledUnits(m_y[i], zoom);
        }
        return;
    }
    if (missed) {
        // Nothing under the pointer: the old highlight is repainted without it.
        m_pickedIndex = 0;
        invalidateRect(shifted(highlightArea(*this), scroll), true);
    }
}

void CVelkarionView::CancelPointerTools() {
    claimPickAndSelection();
    m_zoomWindowArmed = 0;
    g_currentTool = kTypeNone;
    g_toolSubKind = 0;
    m_lastPointX = kNoPoint;
    m_lastPointY = kNoPoint;
    m_previewFollowsPointer = 0;
    g_itemPicked = 0;
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    m_floatingBlock = 0;
    g_selectionCount = 0;
    deselectAll();
    invalidate(true);
}

void CVelkarionView::OnRButtonDown(int flags, Point point) {
    CancelPointerTools();
    const Point scroll = scrollPosition();
    const Point sheet{point.x + scroll.x, point.y + scroll.y};
    // Only the right button itself operates: Esc cancels and operates nothing.
    if (m_simulating == 1 && (flags & kMouseRight) != 0) OperateOnRightPress(sheet);
    View::onRightDown(flags, sheet);
}

void CVelkarionView::OnLButtonUp(int flags, Point point) {
    claimPickAndSelection();
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const Point scroll = scrollPosition();
    const Point sheet{point.x + scroll.x, point.y + scroll.y};

    if (m_zoomWindowArmed == 1 && m_zoomDragActive == 1 && !FinishZoomWindow()) return;
    m_zoomWindowArmed = 0;
    m_zoomDragActive = 0;

    const int tool = g_currentTool;
    if (tool >= 1) {
        if (isComponentTool(tool)) {
            FinishComponentTool();
        } else if (isFreeDrawing(tool)) {
            if (!FinishFreeDrawing(sheet)) return;
        } else {
            // Wires, links and accessories complete only a drag pressed in this view.
            const bool pressedHere = m_toolDragActive == 1;
            m_toolDragActive = 0;
            bool placed = false;
            if (pressedHere && isSingleWireTool(tool)) placed = PlaceWire();
            else if (pressedHere && isChartLineTool(tool)) placed = PlaceGrafcetLine();
            else if (pressedHere && isAccessoryTool(tool)) placed = PlaceAccessory();
            // A drag of zero length is refused without a trace.
            if (pressedHere && !placed) return;
            if (placed) ClosePlacement();
        }
    }

    if (m_rubberBandActive == 1 && g_itemPicked == 0) EndRubberBand(sheet);
    if (m_simulating == 1) OperateOnRelease(sheet);
    View::onLeftUp(flags, sheet);
}

void CVelkarionView::EndRubberBand(Point releaseSheet) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    m_rubberBandActive = 0;
    m_selectionValid = 1;
    g_selectionCount = 0;

    // The corners keep the drag direction: a band dragged left or up selects nothing.
    const int r1 = truncatedPixels((m_dragStartX + scroll.x) / zoom);
    const int s1 = truncatedPixels((m_dragStartY + scroll.y) / zoom);
    const int r2 = truncatedPixels(releaseSheet.x / zoom);
    const int s2 = truncatedPixels(releaseSheet.y / zoom);
    m_selectionRect[0] = r1;
    m_selectionRect[1] = s1;
    m_selectionRect[2] = r2;
    m_selectionRect[3] = s2;

    invalidateRect({m_dragStartX - 10, m_dragStartY - 10, releaseSheet.x - scroll.x + 10,
                    releaseSheet.y - scroll.y + 10},
                   true);

    deselectAll();
    // Only items wholly inside the band are selected.
    for (int i = 0; i < kSlotCount; ++i) {
        if (!holdsItem(*this, i)) continue;
        const int type = m_type[i];
        bool inside = false;
        if (isSymbolKind(type)) {
            inside = m_x[i] + m_boxX1[i] + 3 >= r1 && m_y[i] + m_boxY1[i] + 1 >= s1 &&
                     m_x[i] + m_boxX2[i] - 1 <= r2 && m_y[i] + m_boxY2[i] - 1 <= s2;
        } else if (isLineKind(type)) {
            inside = m_x[i] >= r1 && m_y[i] >= s1 && m_x2[i] <= r2 && m_y2[i] <= s2;
        }
        if (inside) {
            m_selected[i] = 1;
            ++g_selectionCount;
        }
    }
}

}  // namespace velk
