// Arming a tool: the common tail of the palette, zoom and grid commands.
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "render/SheetCoords.h"

namespace velk {

void CVelkarionView::BeginToolPlacement() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    const double z = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int sx = scroll.x;
    const int sy = scroll.y;

    // The sub-kind only means something to the link tool.
    if (g_currentTool != kTypeGrafcetLink) g_toolSubKind = 0;
    m_toolOrientation = 0;
    m_toolVariant = 0;

    if (g_itemPicked == 1) {
        g_itemPicked = 0;
        const int k = m_pickedIndex;
        m_highlightRect[0] = scaledUnits(m_x[k] + m_boxX1[k], z);
        m_highlightRect[1] = scaledUnits(m_y[k] + m_boxY1[k], z);
        m_highlightRect[2] = scaledUnits(m_x[k] + m_boxX2[k], z);
        m_highlightRect[3] = scaledUnits(m_y[k] + m_boxY2[k], z);
        invalidateRect({m_highlightRect[0] - sx, m_highlightRect[1] - sy, m_highlightRect[2] - sx,
                        m_highlightRect[3] - sy},
                       true);
    }

    if (m_selectionValid == 1 || m_floatingBlock == 1) {
        for (int i = 0; i < kSlotCount; ++i)
            if (m_type[i] >= 1 && m_deleted[i] == 0) m_selected[i] = 0;
        const int margin = truncatedPixels(3.0 * z);
        invalidateRect({scaledUnits(m_selectionRect[0], z) - sx - margin,
                        scaledUnits(m_selectionRect[1], z) - sy - margin,
                        scaledUnits(m_selectionRect[2], z) - sx + margin,
                        scaledUnits(m_selectionRect[3], z) - sy + margin},
                       true);
    } else {
        invalidateRect({truncatedPixels(m_dragCurrentX + m_ghostRect[0] * z),
                        truncatedPixels(m_dragCurrentY + m_ghostRect[1] * z),
                        truncatedPixels(m_dragCurrentX + m_ghostRect[2] * z),
                        truncatedPixels(m_dragCurrentY + m_ghostRect[3] * z)},
                       true);
    }
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    m_floatingBlock = 0;

    // The preview waits near the sheet origin until the pointer moves.
    const int px = truncatedPixels(20.0 * z) - sx;
    const int py = truncatedPixels(10.0 * z) - sy;
    m_lastPointX = m_dragCurrentX = px;
    m_lastPointY = m_dragCurrentY = py;
    m_previewFollowsPointer = 0;
    m_ghostRect[0] = -30;
    m_ghostRect[1] = -10;
    m_ghostRect[2] = 50;
    m_ghostRect[3] = 50;
    invalidateRect({truncatedPixels(px - 30 * z - sx), truncatedPixels(py - 10 * z - sy),
                    truncatedPixels(px + 50 * z - sx), truncatedPixels(py + 50 * z - sy)},
                   false);

    if (doc->m_guideLines == 1 && g_currentTool >= 1) {
        m_pointerX = px;
        m_pointerY = py;
        const int w = clientWidth() + sx;
        const int h = clientHeight() + sy;
        invalidateRect({m_markerX - 1 - sx, -sy, m_markerX + 1 - sx, h - sy}, true);
        invalidateRect({-sx, m_markerY - 1 - sy, w - sx, m_markerY + 1 - sy}, true);
        invalidateRect({m_pointerX - 1 - sx, -sy, m_pointerX + 1 - sx, h - sy}, false);
        invalidateRect({-sx, m_pointerY - 1 - sy, w - sx, m_pointerY + 1 - sy}, false);
        // No guide lines follow the wire tools.
        if (isWireTool(g_currentTool)) {
            m_markerX = kNoMarker;
            m_markerY = kNoMarker;
        } else {
            m_markerX = m_pointerX;
            m_markerY = m_pointerY;
        }
    }
}

}  // namespace velk
