// Pointer motion over the sheet. Feedback that follows every move (grid marker,
// rubber lines and figures, the zoom and band rectangles) is drawn straight onto
// the window in the inverting raster mode and erased by drawing it again; what the
// paint draws itself (guide lines, the preview) is only invalidated here.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/statusbar.h"
#include "render/Colors.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

// Tools that drag a rubber line instead of showing a symbol preview.
bool drawsRubberLine(int t) {
    return t == kTypeWirePhase || t == kTypeBundle ||
           (t >= kTypeWireThreePhaseVertical1 && t <= kTypeWirePE) || t == kTypeWirePlus ||
           t == kTypeWireMinus || (t >= kTypeGrafcetAndDivergence && t <= kTypeGrafcetLink);
}

// Moves a sheet coordinate down to the grid (signed remainder, as the press does).
int snapToGrid(int v, int step) { return v - v % step; }

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }

void drawLine(Dc& dc, Point a, Point b) {
    dc.moveTo(a.x, a.y);
    dc.lineTo(b.x, b.y);
}

// A closed outline through the four corners: in the inverting mode every corner
// pixel is drawn exactly once, so drawing it twice leaves nothing behind.
void drawRectangleOutline(Dc& dc, Point a, Point b) {
    dc.moveTo(a.x, a.y);
    dc.lineTo(b.x, a.y);
    dc.lineTo(b.x, b.y);
    dc.lineTo(a.x, b.y);
    dc.lineTo(a.x, a.y);
}

// The 3 x 3 pixel square of the grid marker around a window point.
void drawGridMarker(Dc& dc, Point c) { drawRectangleOutline(dc, {c.x - 1, c.y - 1}, {c.x + 1, c.y + 1}); }

Pen rubberPen(int tool, int penWidth) {
    switch (tool) {
        case kTypeBundle: return {PenStyle::Solid, 2 * penWidth, g_colorBlue};
        case kTypeWireNeutral: return {PenStyle::Solid, penWidth, g_colorBlue};
        case kTypeWirePE: return {PenStyle::Dot, penWidth, g_colorGreen};
        case kTypeWirePlus: return {PenStyle::Solid, penWidth, g_colorRed};
        case kTypeWireMinus:
        case kTypeGrafcetAndDivergence:
        case kTypeGrafcetAndConvergence:
        case kTypeGrafcetLink: return {PenStyle::Solid, penWidth, g_colorBlack};
        default: return {PenStyle::Solid, penWidth, g_colorMaroon};  // phase wires
    }
}

// The staggered three-wire sets start their second and third wire k6 and k12
// further along; a wire appears only once the drag is longer than its offset.
void drawStaggeredWires(Dc& dc, Point start, Point end, int k6, int k12, bool vertical) {
    drawLine(dc, start, end);
    const int length = vertical ? end.y - start.y : end.x - start.x;
    for (int k : {k6, k12}) {
        if (length <= k) continue;
        const Point endOffset = vertical ? Point{k, 0} : Point{0, k};
        drawLine(dc, start + Point{k, k}, end + endOffset);
    }
}

// The rubber line of a wire or link tool while the button is held. It draws the
// line to the previous end (erasing it) and to the new end, forces P onto the
// allowed direction, and ends a staggered three-wire tool dragged backwards.
void drawWireRubberLine(CVelkarionView& view, Dc& dc, Point& p, Point scroll, double zoom) {
    const int tool = g_currentTool;
    const Point start{view.m_dragStartX, view.m_dragStartY};
    const Point sheetStart = start + scroll;
    const Point oldEnd{view.m_dragCurrentX, view.m_dragCurrentY};
    const int k6 = truncatedPixels(6.0 * zoom);
    const int k12 = truncatedPixels(12.0 * zoom);
    dc.selectPen(rubberPen(tool, view.m_penWidth));

    switch (tool) {
        case kTypeWireThreePhaseVertical1:
        case kTypeWireThreePhaseHorizontal1: {
            const bool vertical = tool == kTypeWireThreePhaseVertical1;
            if (vertical) p.x = sheetStart.x;
            else p.y = sheetStart.y;
            const Point end = p - scroll;
            for (int k : {0, k6, k12}) {
                const Point offset = vertical ? Point{k, 0} : Point{0, k};
                drawLine(dc, start + offset, oldEnd + offset);
                drawLine(dc, start + offset, end + offset);
            }
            return;
        }
        case kTypeWireThreePhaseVertical2:
        case kTypeWireThreePhaseHorizontal2: {
            const bool vertical = tool == kTypeWireThreePhaseVertical2;
            if (vertical) {
                p.x = sheetStart.x;
                if (p.y < sheetStart.y) {
                    p.y = sheetStart.y;
                    g_currentTool = kTypeNone;
                }
            } else {
                p.y = sheetStart.y;
                if (p.x < sheetStart.x) {
                    p.x = sheetStart.x;
                    g_currentTool = kTypeNone;
                }
            }
            drawStaggeredWires(dc, start, oldEnd, k6, k12, vertical);
            drawStaggeredWires(dc, start, p - scroll, k6, k12, vertical);
            return;
        }
        default: break;
    }

    // Single wires, bundles and chart lines run horizontally unless the pointer is
    // exactly in the start column.
    if (p.x != sheetStart.x) p.y = sheetStart.y;
    if (p.y != sheetStart.y) p.x = sheetStart.x;
    const Point end = p - scroll;
    if (tool == kTypeGrafcetAndDivergence || tool == kTypeGrafcetAndConvergence) {
        const int d = truncatedPixels(zoom / 5.0 * 3.0);
        for (int dy : {-d, d}) {
            const Point offset{0, dy};
            drawLine(dc, start + offset, oldEnd + offset);
            drawLine(dc, start + offset, end + offset);
        }
        return;
    }
    drawLine(dc, start, oldEnd);
    drawLine(dc, start, end);
}

// The rubber figure of a free-drawing tool from the drag start to the previous end
// (erase) and to the new end. False when the figure may not be drawn that way
// (a box dragged left of or above its start): the move then ends.
bool drawFreeFigure(CVelkarionView& view, Dc& dc, int tool, Point start, Point oldEnd, Point end) {
    if (tool < kTypeLine || tool > kTypeFilledEllipse) return true;
    dc.selectPen({PenStyle::Solid, view.m_penWidth, view.m_currentColor});
    if (tool == kTypeLine) {
        drawLine(dc, start, oldEnd);
        drawLine(dc, start, end);
        return true;
    }
    if (end.x < start.x || end.y < start.y) return false;
    switch (tool) {
        case kTypeRectangle:
            drawRectangleOutline(dc, start, oldEnd);
            drawRectangleOutline(dc, start, end);
            break;
        case kTypeEllipse:
            // The default white brush leaves the inside unchanged in this raster mode.
            dc.ellipse(start.x, start.y, oldEnd.x, oldEnd.y);
            dc.ellipse(start.x, start.y, end.x, end.y);
            break;
        default: {
            const Brush previous = dc.selectBrush(Brush::solid(view.m_currentColor));
            if (tool == kTypeFilledRectangle) {
                dc.rectangle(start.x, start.y, oldEnd.x, oldEnd.y);
                dc.rectangle(start.x, start.y, end.x, end.y);
            } else {
                dc.ellipse(start.x, start.y, oldEnd.x, oldEnd.y);
                dc.ellipse(start.x, start.y, end.x, end.y);
            }
            dc.selectBrush(previous);
            break;
        }
    }
    return true;
}

}  // namespace

void CVelkarionView::OnMouseMove(int flags, Point point) {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double zoom = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int sx = scroll.x;
    const int sy = scroll.y;
    const int grid = std::max(1, truncatedPixels(3.0 * zoom));
    const bool leftHeld = (flags & kMouseLeft) != 0;

    Point p{snapToGrid(point.x + sx, grid), snapToGrid(point.y + sy, grid)};

    if (m_statusBar) {
        char text[96];
        std::snprintf(text, sizeof text, "X=%d, Y=%d (%d) %d", truncatedPixels(p.x * 3.33 / zoom) + 1,
                      truncatedPixels(p.y * 3.33 / zoom) + 1, m_componentCount, truncatedPixels(zoom));
        m_statusBar->setPaneText(0, text);
    }
    m_pointerX = p.x;
    m_pointerY = p.y;

    {
        std::unique_ptr<Dc> dc = clientDc();
        dc->setRasterMode(RasterMode::NotXorPen);
        const Point dragStart{m_dragStartX, m_dragStartY};
        const Point oldEnd{m_dragCurrentX, m_dragCurrentY};
        const bool idle = m_zoomWindowArmed == 0 && m_toolDragActive == 0;

        if (idle && g_currentTool >= 1 && (isFreeDrawing(g_currentTool) || drawsRubberLine(g_currentTool))) {
            dc->selectPen(Pen{});
            drawGridMarker(*dc, Point{m_markerX, m_markerY} - scroll);
            drawGridMarker(*dc, p - scroll);
            m_markerX = p.x;
            m_markerY = p.y;
        }

        if (idle && doc->m_guideLines == 1) {
            if (g_currentTool >= 1000 && !isWireTool(g_currentTool)) {
                const int w = clientWidth();
                const int h = clientHeight();
                invalidateRect({m_markerX - sx - 1, -sy, m_markerX - sx + 1, h}, true);
                invalidateRect({-sx, m_markerY - sy - 1, w, m_markerY - sy + 1}, true);
                invalidateRect({p.x - sx - 1, -sy, p.x - sx + 1, h}, false);
                invalidateRect({-sx, p.y - sy - 1, w, p.y - sy + 1}, false);
            }
            m_markerX = p.x;
            m_markerY = p.y;
        }

        if (m_zoomWindowArmed == 1 && m_zoomDragActive == 1) {
            g_itemPicked = 0;
            m_floatingBlock = 0;
            m_rubberBandActive = 0;
            m_selectionValid = 0;
            const Point end = p - scroll;
            // The rectangle only opens to the right and downwards; the last valid
            // end stays for the release.
            if (end.x < dragStart.x || end.y < dragStart.y) return;
            dc->selectPen({PenStyle::Dot, 1, g_colorBlack});
            drawRectangleOutline(*dc, dragStart, oldEnd);
            drawRectangleOutline(*dc, dragStart, end);
            invalidateRect({dragStart.x, dragStart.y, end.x, end.y}, false);
        }

        if (g_currentTool == kTypeNone && m_rubberBandActive == 1 && m_zoomWindowArmed == 0 &&
            m_zoomDragActive == 0) {
            const Point end = p - scroll;
            if (end.x < dragStart.x || end.y < dragStart.y) return;
            dc->selectPen({PenStyle::Dot, 1, g_colorRed});
            drawRectangleOutline(*dc, dragStart, oldEnd);
            drawRectangleOutline(*dc, dragStart, end);
        }

        if (g_currentTool >= 1000) {
            if (leftHeld && drawsRubberLine(g_currentTool)) drawWireRubberLine(*this, *dc, p, scroll, zoom);
            const Rect ghost = ComputePlacementGhost(g_currentTool, zoom, m_toolOrientation);
            m_ghostRect[0] = ghost.left;
            m_ghostRect[1] = ghost.top;
            m_ghostRect[2] = ghost.right;
            m_ghostRect[3] = ghost.bottom;
            if (p.x != m_lastPointX || p.y != m_lastPointY) {
                invalidateRect({m_dragCurrentX + ghost.left, m_dragCurrentY + ghost.top,
                                m_dragCurrentX + ghost.right, m_dragCurrentY + ghost.bottom},
                               true);
                invalidateRect({p.x - sx + ghost.left, p.y - sy + ghost.top, p.x - sx + ghost.right,
                                p.y - sy + ghost.bottom},
                               false);
            }
        }

        if (g_currentTool >= 1 && leftHeld &&
            !drawFreeFigure(*this, *dc, g_currentTool, dragStart, oldEnd, p - scroll))
            return;

        dc->setRasterMode(RasterMode::CopyPen);
    }

    const bool moved = p.x != m_lastPointX || p.y != m_lastPointY;

    // Live move of the picked item: absolute, keeping the grab offset of the press.
    if (g_currentTool == kTypeNone && g_itemPicked == 1 && g_selectionCount == 0 && m_selectionValid == 0 &&
        m_floatingBlock == 0 && leftHeld && moved) {
        const int i = m_pickedIndex;
        const int type = m_type[i];
        if (m_deleted[i] == 0 && (isSymbolKind(type) || isLineKind(type))) {
            invalidateRect({m_highlightRect[0] - sx, m_highlightRect[1] - sy, m_highlightRect[2] - sx,
                            m_highlightRect[3] - sy},
                           true);
            const int dx = m_x2[i] - m_x[i];
            const int dy = m_y2[i] - m_y[i];
            m_x[i] = truncatedPixels((p.x - sx - m_grabX) / zoom);
            m_y[i] = truncatedPixels((p.y - sy - m_grabY) / zoom);
            Rect area;
            if (isSymbolKind(type)) {
                area = {scaledUnits(m_x[i] + m_boxX1[i], zoom), scaledUnits(m_y[i] + m_boxY1[i], zoom),
                        scaledUnits(m_x[i] + m_boxX2[i], zoom), scaledUnits(m_y[i] + m_boxY2[i], zoom)};
            } else {
                m_x2[i] = m_x[i] + dx;
                m_y2[i] = m_y[i] + dy;
                area = {scaledUnits(m_x[i] - 5, zoom), scaledUnits(m_y[i] - 5, zoom),
                        scaledUnits(m_x2[i] + 5, zoom), scaledUnits(m_y2[i] + 5, zoom)};
            }
            invalidateRect({area.left - sx, area.top - sy, area.right - sx, area.bottom - sy}, false);
            m_highlightRect[0] = area.left;
            m_highlightRect[1] = area.top;
            m_highlightRect[2] = area.right;
            m_highlightRect[3] = area.bottom;
        }
        doc->setModified(true);
    }

    // Group move: the step from the previous move moves every selected item.
    if (g_currentTool == kTypeNone && g_selectionCount > 0 && leftHeld && moved) {
        const int du = truncatedPixels((p.x - sx - m_grabX) / zoom);
        const int dv = truncatedPixels((p.y - sy - m_grabY) / zoom);
        for (int i = 0; i < kSlotCount; ++i) {
            if (m_selected[i] != 1 || m_deleted[i] != 0) continue;
            const int type = m_type[i];
            if (isSymbolKind(type)) {
                // A connection dot keeps its second point on itself.
                if (type == kTypeConnectionDot) {
                    m_x2[i] += du;
                    m_y2[i] += dv;
                }
                m_x[i] += du;
                m_y[i] += dv;
            } else if (isLineKind(type)) {
                m_x[i] += du;
                m_y[i] += dv;
                m_x2[i] += du;
                m_y2[i] += dv;
            }
        }
        invalidateRect({scaledUnits(m_selectionRect[0], zoom) - sx - grid,
                        scaledUnits(m_selectionRect[1], zoom) - sy - grid,
                        scaledUnits(m_selectionRect[2], zoom) - sx + grid,
                        scaledUnits(m_selectionRect[3], zoom) - sy + grid},
                       true);
        m_selectionRect[0] += du;
        m_selectionRect[2] += du;
        m_selectionRect[1] += dv;
        m_selectionRect[3] += dv;
        doc->setModified(true);
    }

    if (g_currentTool == kTypeNone && g_selectionCount > 0) {
        m_grabX = p.x - sx;
        m_grabY = p.y - sy;
    }

    m_dragCurrentX = p.x - sx;
    m_dragCurrentY = p.y - sy;
    m_lastPointX = p.x;
    m_lastPointY = p.y;
    m_previewFollowsPointer = 1;
}

void CVelkarionView::OnMouseWheel(int flags, int delta, Point point) {
    m_lastPointX = kNoPoint;
    m_lastPointY = kNoPoint;
    m_previewFollowsPointer = 0;
    invalidate(true);
    View::onWheel(flags, delta, point);
}

}  // namespace velk
