// The sheet under every item: pointer guide lines, the frame of the page format
// with its zone references, the grid dots and the place of the title block.
#include <cstdio>
#include <string>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

constexpr Color kGuideColor = rgb(0, 128, 128);
constexpr int kGridUnits = 3;
constexpr int kZoneFontTenthsPerZoom = 20;

struct Span {
    int from;
    int to;
};

// The columns (or rows) of a page format: boundary k lies at step * k + offset, the
// label of column k at step * k + labelOffset; the ticks cross the near margin (top
// or left) and the far one (bottom or right); the labels stand at `nearLabel` and
// `farLabel` across the sheet.
struct ZoneBand {
    int count;
    int step;
    int offset;
    int labelOffset;
    Span nearTick;
    Span farTick;
    int nearLabel;
    int farLabel;
};

struct TitlePlace {
    int version;  // 1 or 2
    int x;
    int y;
};

struct PageGeometry {
    int outer[4];
    int inner[4];
    ZoneBand columns;
    ZoneBand rows;
    int gridX;
    int gridY;
    Color gridColor;
    TitlePlace title[2];  // for title-block kinds 1 and 2
};

// Formats 0 to 3: A4 portrait, A4 landscape, A3 with the binding margin on the left,
// A3 with the binding margin at the top.
const PageGeometry kFixedFormats[] = {
    {{21, 0, 234, 336}, {24, 3, 231, 333},
     {5, 42, 21, 0, {0, 3}, {333, 336}, 0, 333},
     {8, 41, 0, -20, {21, 24}, {231, 234}, 22, 232},
     236, 338, g_colorGrey, {{1, 24, 297}, {1, 24, 297}}},
    {{0, 21, 336, 234}, {3, 24, 333, 231},
     {8, 41, 0, -20, {21, 24}, {231, 234}, 21, 231},
     {5, 42, 21, 0, {0, 3}, {333, 336}, 1, 334},
     338, 237, g_colorSilver, {{1, 126, 195}, {2, 3, 213}}},
    {{21, 0, 468, 333}, {24, 3, 465, 330},
     {10, 44, 21, -1, {0, 3}, {330, 333}, 0, 330},
     {8, 41, 0, -20, {21, 24}, {468, 465}, 22, 466},
     472, 338, g_colorGrey, {{1, 258, 294}, {2, 135, 312}}},
    {{0, 21, 468, 333}, {3, 24, 465, 330},
     {10, 46, 0, -23, {21, 24}, {330, 333}, 21, 330},
     {8, 38, 21, 2, {0, 3}, {465, 468}, 1, 466},
     472, 338, g_colorGrey, {{1, 258, 294}, {2, 135, 312}}},
};
constexpr int kUserFormat = 4;

// Format 4: the user's width and height, five columns and eight rows of whole units.
PageGeometry userFormat(int w, int h) {
    const int cw = w / 5;
    const int rh = h / 8;
    return {{0, 0, w, h}, {3, 3, w - 3, h - 3},
            {5, cw, 0, -(cw / 2), {0, 3}, {h - 3, h}, 0, h - 3},
            {8, rh, 0, -(rh / 2), {0, 3}, {w - 3, w}, 1, w - 2},
            w, h, g_colorGrey, {{1, w - 210, h - 39}, {2, w - 333, h - 21}}};
}

bool pageGeometry(const SheetDocument& doc, PageGeometry& out) {
    if (doc.m_pageFormat >= 0 && doc.m_pageFormat < kUserFormat) {
        out = kFixedFormats[doc.m_pageFormat];
        return true;
    }
    if (doc.m_pageFormat == kUserFormat) {
        out = userFormat(doc.m_pageWidth, doc.m_pageHeight);
        return true;
    }
    return false;
}

// Drawing units to device pixels with the paint's device offsets.
struct Device {
    double zoom;
    int offsetX;
    int offsetY;
    int x(int u) const { return scaledUnits(u, zoom) + offsetX; }
    int y(int v) const { return scaledUnits(v, zoom) + offsetY; }
};

void drawClosedRect(Dc& dc, const Device& d, const int r[4]) {
    dc.moveTo(d.x(r[0]), d.y(r[1]));
    dc.lineTo(d.x(r[2]), d.y(r[1]));
    dc.lineTo(d.x(r[2]), d.y(r[3]));
    dc.lineTo(d.x(r[0]), d.y(r[3]));
    dc.lineTo(d.x(r[0]), d.y(r[1]));
}

std::string columnLabel(int i) { return std::string(1, static_cast<char>('A' + i - 1)); }

std::string rowLabel(int j) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", j);
    return text;
}

// Columns carry their ticks and labels on vertical lines, rows on horizontal ones.
void drawZoneBand(Dc& dc, const Device& d, const ZoneBand& band, bool columns) {
    for (int i = 1; i <= band.count; ++i) {
        if (i < band.count) {
            const int b = band.step * i + band.offset;
            for (const Span& tick : {band.nearTick, band.farTick}) {
                if (columns) {
                    dc.moveTo(d.x(b), d.y(tick.from));
                    dc.lineTo(d.x(b), d.y(tick.to));
                } else {
                    dc.moveTo(d.x(tick.from), d.y(b));
                    dc.lineTo(d.x(tick.to), d.y(b));
                }
            }
        }
        const int at = band.step * i + band.labelOffset;
        const std::string label = columns ? columnLabel(i) : rowLabel(i);
        for (int across : {band.nearLabel, band.farLabel}) {
            if (columns)
                dc.textOut(d.x(at), d.y(across), label);
            else
                dc.textOut(d.x(across), d.y(at), label);
        }
    }
}

}  // namespace

void CVelkarionView::DrawGuideLines(Dc& dc) {
    const SheetDocument* doc = GetDocument();
    if (m_zoomWindowArmed != 0 || m_toolDragActive != 0 || doc->m_guideLines != 1) return;
    if (!isComponent(g_currentTool) || isWireTool(g_currentTool)) return;
    // Sheet pixels of the visible area: the pointer is already scrolled and snapped.
    const Point scroll = scrollPosition();
    const Pen previous = dc.selectPen(Pen{PenStyle::Solid, 1, kGuideColor});
    dc.moveTo(scroll.x, m_pointerY);
    dc.lineTo(scroll.x + clientWidth(), m_pointerY);
    dc.moveTo(m_pointerX, scroll.y);
    dc.lineTo(m_pointerX, scroll.y + clientHeight());
    dc.selectPen(previous);
}

void CVelkarionView::DrawSheetFrame(Dc& dc) {
    const SheetDocument* doc = GetDocument();
    PageGeometry page;
    if (!pageGeometry(*doc, page)) return;
    const double zoom = doc->m_zoom;
    const Device d{zoom, doc->m_printOffsetX, doc->m_printOffsetY};

    if (doc->m_showFrame == 1) {
        const Color color = (m_printing == 1 && doc->m_printInColor == 0) ? g_colorBlack : g_colorGreen;
        const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, color});
        drawClosedRect(dc, d, page.outer);
        drawClosedRect(dc, d, page.inner);
        if (doc->m_showZoneRefs == 1) {
            const Font previousFont =
                dc.selectFont(Font::fromPointSize(truncatedPixels(kZoneFontTenthsPerZoom * zoom)));
            dc.setTextColor(color);
            dc.setBackgroundTransparent(true);
            dc.setTextAlign(kAlignLeft | kAlignTop);
            drawZoneBand(dc, d, page.columns, true);
            drawZoneBand(dc, d, page.rows, false);
            dc.selectFont(previousFont);
        }
        dc.selectPen(previousPen);
    }

    if (doc->m_showGrid == 1) {
        // The grid starts at the sheet origin, not at the frame, and ignores the
        // print offsets. A step below one pixel would never end.
        int step = scaledUnits(kGridUnits, zoom);
        if (step < 1) step = 1;
        const int lastX = scaledUnits(page.gridX, zoom);
        const int lastY = scaledUnits(page.gridY, zoom);
        for (int x = step; x <= lastX; x += step)
            for (int y = step; y <= lastY; y += step) dc.setPixel(x, y, page.gridColor);
    }

    if (doc->m_titleBlockKind == 1 || doc->m_titleBlockKind == 2) {
        const TitlePlace& place = page.title[doc->m_titleBlockKind - 1];
        if (place.version == 1)
            DrawTitleBlock1(dc, zoom, place.x, place.y);
        else
            DrawTitleBlock2(dc, zoom, place.x, place.y);
    }
}

}  // namespace velk
