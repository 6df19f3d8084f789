// The free-drawing tools at the press and the release: texts are placed at the
// press, lines and shapes at the release of their drag, a fill paints the screen
// at once and keeps its point, the colour picker takes a colour from the screen.
// The zoom window turns its drag into a whole zoom factor and a scroll position.
#include "edit/FreeDrawingTools.h"

#include <algorithm>
#include <memory>
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

// Pixels per character at the whole zooms 1 to 20.
constexpr int kTextExtentFactors[20] = {2, 4, 6, 7, 9, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40};

constexpr double kMaxZoom = 20.0;

// Which corner a line was dragged from, so that the paint draws its diagonal the
// right way.
int lineCornerOf(Point start, Point end) {
    if (end.y >= start.y) return end.x >= start.x ? 1 : 2;
    return end.x < start.x ? 3 : 4;
}

// A window point of the drag in drawing units.
Point unitsOf(int windowX, int windowY, Point scroll, double zoom) {
    return {truncatedPixels((windowX + scroll.x) / zoom), truncatedPixels((windowY + scroll.y) / zoom)};
}

// Items are appended only below the placement limit, so that no item ever lies
// at or above the count.
bool roomForItem(const CVelkarionView& v) { return v.m_componentCount >= 0 && v.m_componentCount < kMaxPlacedItems; }

// Starts a new free-drawing item at the count; a slot hidden by Undo lends it
// nothing.
int beginItem(CVelkarionView& v, int type) {
    const int n = v.m_componentCount;
    v.clearSlot(n);
    v.m_controlOutput[n] = 0;
    v.m_componentId[n] = n;
    v.m_type[n] = type;
    v.m_deleted[n] = 0;
    v.m_color[n] = v.m_currentColor;
    return n;
}

void setCorners(CVelkarionView& v, int n, Point a, Point b) {
    v.m_x[n] = a.x;
    v.m_y[n] = a.y;
    v.m_x2[n] = b.x;
    v.m_y2[n] = b.y;
}

// A drag whose item would show nothing, and so could never be found on the
// sheet again: such a release is refused like a shape dragged backwards, with
// the tool left armed. A shape opens only to the right and downwards; one dragged
// the other way keeps the press point as its end, since pointer motion stops
// following it. A rectangle of no width or height still shows one side, an
// ellipse or a filled shape nothing.
bool drawsNothing(int tool, Point start, Point end) {
    switch (tool) {
        case kTypeLine: return end == start;
        case kTypeRectangle: return end.x < start.x || end.y < start.y || end == start;
        case kTypeEllipse:
        case kTypeFilledRectangle:
        case kTypeFilledEllipse: return end.x <= start.x || end.y <= start.y;
        default: return false;
    }
}

enum class Release { Placed, Nothing, EndHandler };

Release completeTool(CVelkarionView& v, Point releaseSheet) {
    SheetDocument* doc = v.GetDocument();
    const int tool = g_currentTool;
    if (!doc || tool < kTypeLine || tool > kTypeText) return Release::Nothing;
    // The text went down at the press: the tool is still the text tool only when
    // the press did not place it.
    if (tool == kTypeText) return Release::EndHandler;

    const double z = doc->m_zoom;
    const Point scroll = v.scrollPosition();
    const Point start = unitsOf(v.m_dragStartX, v.m_dragStartY, scroll, z);
    const Point end = unitsOf(v.m_dragCurrentX, v.m_dragCurrentY, scroll, z);

    if (tool == kTypeColorPicker) {
        // The colour under the press, not under the release.
        const Color c = v.surface().pixel(v.m_dragStartX, v.m_dragStartY);
        if (c != Surface::kInvalidColor) v.m_currentColor = c;
        g_currentTool = kTypeNone;
        return Release::Placed;
    }
    if (drawsNothing(tool, start, end)) return Release::EndHandler;
    if (!roomForItem(v)) {
        messageBeep();
        return Release::Nothing;
    }

    const int n = beginItem(v, tool);
    if (tool == kTypeLine) {
        setCorners(v, n, {std::min(start.x, end.x), std::min(start.y, end.y)},
                   {std::max(start.x, end.x), std::max(start.y, end.y)});
        v.m_lineCorner[n] = lineCornerOf(start, end);
    } else if (tool == kTypeFill) {
        {
            std::unique_ptr<Dc> dc = v.clientDc();
            const Point at{releaseSheet.x - scroll.x, releaseSheet.y - scroll.y};
            const Color under = dc->getPixel(at.x, at.y);
            if (under != Surface::kInvalidColor) {
                dc->selectBrush(Brush::solid(v.m_currentColor));
                dc->floodFillSurface(at.x, at.y, under);
            }
        }
        // The stored point lies inside the area right of and below the grid point.
        const Point p{start.x + 2, start.y + 2};
        setCorners(v, n, p, {p.x + 2, p.y + 2});
    } else {
        setCorners(v, n, start, end);
    }
    v.m_componentCount = n + 1;
    if (tool == kTypeFill) {
        g_currentTool = kTypeNone;
        v.invalidate(false);
    }
    return Release::Placed;
}

}  // namespace

bool isBlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || (c >= '\t' && c <= '\r') || static_cast<unsigned char>(c) == 0xA0;
    });
}

int textExtentFactor(double zoom) {
    for (int whole = 1; whole <= 20; ++whole)
        if (zoom == static_cast<double>(whole)) return kTextExtentFactors[whole - 1];
    return 0;
}

void CVelkarionView::PlaceText() {
    SheetDocument* doc = GetDocument();
    if (!doc) return;
    // Refused without a trace; the tool stays for a text that shows.
    if (isBlankText(g_textToolText)) return;
    if (!roomForItem(*this)) {
        messageBeep();
        return;
    }
    const double z = doc->m_zoom;
    const Point scroll = scrollPosition();
    const int n = beginItem(*this, kTypeText);
    const Point at = unitsOf(m_dragStartX, m_dragStartY, scroll, z);
    const double f = textExtentFactor(z);
    const double length = static_cast<double>(g_textToolText.size());
    setCorners(*this, n, at,
               {truncatedPixels(at.x + length * f / z), truncatedPixels(at.y + 2.0 * f / z)});
    m_paramText[n] = g_textToolText;
    invalidateRect({scaledUnits(m_x[n], z) - scroll.x, scaledUnits(m_y[n], z) - scroll.y,
                    scaledUnits(m_x2[n], z) - scroll.x, scaledUnits(m_y2[n], z) - scroll.y},
                   false);
    m_componentCount = n + 1;
    // Each text needs the text tool again.
    g_currentTool = kTypeNone;
    m_toolDragActive = 0;
    doc->setModified(true);
}

bool CVelkarionView::CompletePrimitive(Point releaseSheet) {
    return completeTool(*this, releaseSheet) != Release::EndHandler;
}

bool CVelkarionView::FinishFreeDrawing(Point releaseSheet) {
    // The tool is program-wide: only a press in this view makes this a drawing.
    const bool pressedHere = m_toolDragActive == 1;
    m_toolDragActive = 0;
    if (!pressedHere) return g_currentTool != kTypeText;
    const Release outcome = completeTool(*this, releaseSheet);
    if (outcome != Release::Placed) return outcome != Release::EndHandler;

    if (g_currentTool >= 1) {
        // Lines and shapes keep the tool armed: the usual closing steps.
        ClosePlacement();
        return true;
    }
    // The fill and the colour picker have already gone back to the select tool, so
    // the free slots keep what Undo hid there.
    SheetDocument* doc = GetDocument();
    const int j = m_componentCount - 1;
    if (doc && j >= 0) {
        const double z = doc->m_zoom;
        const Point scroll = scrollPosition();
        m_highlightRect[0] = scaledUnits(m_x[j] + m_boxX1[j], z);
        m_highlightRect[1] = scaledUnits(m_y[j] + m_boxY1[j], z);
        m_highlightRect[2] = scaledUnits(m_x[j] + m_boxX2[j], z);
        m_highlightRect[3] = scaledUnits(m_y[j] + m_boxY2[j], z);
        invalidateRect({m_highlightRect[0] - scroll.x, m_highlightRect[1] - scroll.y,
                        m_highlightRect[2] - scroll.x, m_highlightRect[3] - scroll.y},
                       false);
    }
    if (doc) doc->setModified(true);
    return true;
}

void CVelkarionView::AnchorZoomWindow(Point sheetPoint) {
    SheetDocument* doc = GetDocument();
    if (!doc || m_zoomWindowArmed != 1) return;
    const Point scroll = scrollPosition();
    m_dragStartX = m_dragCurrentX = sheetPoint.x - scroll.x;
    m_dragStartY = m_dragCurrentY = sheetPoint.y - scroll.y;
    m_zoomAnchorX = truncatedPixels(sheetPoint.x / doc->m_zoom);
    m_zoomAnchorY = truncatedPixels(sheetPoint.y / doc->m_zoom);
    m_zoomDragActive = 1;
}

bool CVelkarionView::FinishZoomWindow() {
    SheetDocument* doc = GetDocument();
    if (!doc || m_zoomWindowArmed != 1 || m_zoomDragActive != 1) return true;
    const int dx = m_dragCurrentX - m_dragStartX;
    const int dy = m_dragCurrentY - m_dragStartY;
    const int w = clientWidth();
    const int h = clientHeight();
    // A drag to the left (or none) is ignored and the mode stays armed.
    if (w <= 0 || dx <= 0) return false;
    const int factor = dx > dy ? w / dx : h / dy;
    // A drag larger than the window gives no whole factor: the zoom stays.
    if (factor < 1) return false;

    doc->m_zoom = std::min(doc->m_zoom * factor, kMaxZoom);
    const double z = doc->m_zoom;
    SetPageScrollSizes();
    // The anchor becomes the top left corner of the window.
    scrollTo(truncatedPixels(m_zoomAnchorX * z), truncatedPixels(m_zoomAnchorY * z));
    invalidate(true);
    m_zoomWindowArmed = 0;
    m_zoomDragActive = 0;
    return true;
}

}  // namespace velk
