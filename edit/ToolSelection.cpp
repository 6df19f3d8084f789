// Tool selection: the drawing-tool commands, the palette commands and
// BeginToolPlacement, the common tail of the palette, zoom and grid commands.
#include <algorithm>
#include <cmath>
#include <string>

#include "dialogs/Exchange.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/command.h"
#include "platform/textentry.h"
#include "render/SheetCoords.h"
#include "res/Resource.h"
#include "res/Toolbars.h"

namespace velk {

std::string g_textToolText;

namespace {

// The palette button of a command that places something (the palette table holds
// the tool and, for the link commands, the sub-kind of every button).
const PaletteButton* paletteCommandFor(int id) {
    const PaletteButton* button = findPaletteButton(id);
    return button && button->type > 0 ? button : nullptr;
}

constexpr CommandEntry<CVelkarionView> kDrawingToolCommands[] = {
    {ID_TOOL_SELECT, &CVelkarionView::OnToolSelect, nullptr},
    {ID_TOOL_LINE, &CVelkarionView::OnToolLine, nullptr},
    {ID_TOOL_RECTANGLE, &CVelkarionView::OnToolRectangle, nullptr},
    {ID_TOOL_ELLIPSE, &CVelkarionView::OnToolEllipse, nullptr},
    {ID_TOOL_FILLED_RECTANGLE, &CVelkarionView::OnToolFilledRectangle, nullptr},
    {ID_TOOL_FILLED_ELLIPSE, &CVelkarionView::OnToolFilledEllipse, nullptr},
    {ID_TOOL_FILL, &CVelkarionView::OnToolFill, nullptr},
    {ID_TOOL_COLOR_PICKER, &CVelkarionView::OnToolColorPicker, nullptr},
    {ID_TOOL_TEXT, &CVelkarionView::OnToolText, nullptr},
    {ID_TOOL_LIBRARIES, &CVelkarionView::OnToolLibraries, nullptr},
    {ID_TOOL_RESERVED, &CVelkarionView::OnToolReserved, nullptr},
};

// A drawing tool arms nothing: the sub-kind, the selection and the parked preview
// stay as they are, and the whole view is drawn anew.
void selectDrawingTool(CVelkarionView& view, int tool) {
    g_currentTool = tool;
    g_itemPicked = 0;
    view.m_toolOrientation = 0;
    view.invalidate(true);
}

// The window area of a preview drawn at window point (x, y). Pointer motion keeps
// the extents in pixels, the parking in drawing units: the area covers both.
Rect previewArea(int x, int y, const CheckedArray<int, 4>& g, double z) {
    const Rect units{truncatedPixels(x + g[0] * z), truncatedPixels(y + g[1] * z), truncatedPixels(x + g[2] * z),
                     truncatedPixels(y + g[3] * z)};
    const Rect pixels{x + g[0], y + g[1], x + g[2], y + g[3]};
    return units.normalized().united(pixels.normalized());
}

}  // namespace

void CVelkarionView::OnToolSelect() { selectDrawingTool(*this, kTypeNone); }
void CVelkarionView::OnToolLine() { selectDrawingTool(*this, kTypeLine); }
void CVelkarionView::OnToolRectangle() { selectDrawingTool(*this, kTypeRectangle); }
void CVelkarionView::OnToolEllipse() { selectDrawingTool(*this, kTypeEllipse); }
void CVelkarionView::OnToolFilledRectangle() { selectDrawingTool(*this, kTypeFilledRectangle); }
void CVelkarionView::OnToolFilledEllipse() { selectDrawingTool(*this, kTypeFilledEllipse); }
void CVelkarionView::OnToolFill() { selectDrawingTool(*this, kTypeFill); }
void CVelkarionView::OnToolColorPicker() { selectDrawingTool(*this, kTypeColorPicker); }
void CVelkarionView::OnToolLibraries() { selectDrawingTool(*this, kTypeNone); }
void CVelkarionView::OnToolReserved() {}

void CVelkarionView::OnToolText() {
    selectDrawingTool(*this, kTypeNone);
    g_textToolText.clear();
    // OK leaves the text in g_textToolText for the next click.
    if (runTextDialog() == DialogResult::Ok) g_currentTool = kTypeText;
}

void CVelkarionView::OnPaletteCommand(int id) {
    const PaletteButton* command = paletteCommandFor(id);
    if (!command) return;
    if (command->type == kTypeGrafcetLink) g_toolSubKind = command->subKind;
    g_currentTool = command->type;
    BeginToolPlacement();
}

bool CVelkarionView::IsToolCommand(int id) {
    return tableHasCommand(kDrawingToolCommands, id) || paletteCommandFor(id) != nullptr;
}

bool CVelkarionView::RunToolCommand(int id) {
    if (runCommandFrom(*this, kDrawingToolCommands, id)) return true;
    if (!paletteCommandFor(id)) return false;
    OnPaletteCommand(id);
    return true;
}

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
        deselectAll();
        const int margin = truncatedPixels(3.0 * z);
        invalidateRect({scaledUnits(m_selectionRect[0], z) - sx - margin,
                        scaledUnits(m_selectionRect[1], z) - sy - margin,
                        scaledUnits(m_selectionRect[2], z) - sx + margin,
                        scaledUnits(m_selectionRect[3], z) - sy + margin},
                       true);
    }
    // The old preview goes wherever it was, with or without a selection.
    invalidateRect(previewArea(m_dragCurrentX, m_dragCurrentY, m_ghostRect, z), true);
    m_rubberBandActive = 0;
    m_selectionValid = 0;
    m_floatingBlock = 0;

    // The preview waits near the sheet origin until the pointer moves. The paint
    // draws it at that point taken as a sheet point, so in the window it lies one
    // scroll offset further; the ghost is kept where the window shows it.
    const int px = truncatedPixels(20.0 * z) - sx;
    const int py = truncatedPixels(10.0 * z) - sy;
    m_lastPointX = px;
    m_lastPointY = py;
    m_dragCurrentX = px - sx;
    m_dragCurrentY = py - sy;
    m_previewFollowsPointer = 0;
    // The parked ghost in drawing units, widened where the tool's box is larger.
    const Rect box = ComputePlacementGhost(g_currentTool, z, 0);
    m_ghostRect[0] = std::min(-30, static_cast<int>(std::floor(box.left / z)));
    m_ghostRect[1] = std::min(-10, static_cast<int>(std::floor(box.top / z)));
    m_ghostRect[2] = std::max(50, static_cast<int>(std::ceil(box.right / z)));
    m_ghostRect[3] = std::max(50, static_cast<int>(std::ceil(box.bottom / z)));
    invalidateRect({truncatedPixels(px + m_ghostRect[0] * z - sx), truncatedPixels(py + m_ghostRect[1] * z - sy),
                    truncatedPixels(px + m_ghostRect[2] * z - sx), truncatedPixels(py + m_ghostRect[3] * z - sy)},
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
