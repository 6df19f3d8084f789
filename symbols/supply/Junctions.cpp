// Connection dots and bundle entries: wiring accessories without terminals, drawn
// with pens of their own. Wires join only where their ends meet, so a wire that
// ends on the middle of another is joined to it only through a dot: the dot is
// where their letters merge. The bundle entries only draw; the wire pass moves
// their letters.
#include "model/VelkarionView.h"
#include "render/Paint.h"
#include "render/Colors.h"
#include "render/Potentials.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

// A dot shows the letter it carries; marker letters of the families take the
// colour of what they stand for. Other letters leave the colour as it was.
struct DotColor {
    const char* letters;
    Color color;
};
constexpr DotColor kDotColors[] = {
    {"0", g_colorGrey},  {"123YyRSTABC", g_colorMaroon}, {"NUD", g_colorBlue},
    {"PVE", g_colorGreen}, {"+WF", g_colorRed},          {"-XG", g_colorBlack},
};

bool dotLetterColor(char letter, Color& color) {
    if (letter == '\0') return false;
    for (const DotColor& row : kDotColors)
        for (const char* p = row.letters; *p; ++p)
            if (*p == letter) {
                color = row.color;
                return true;
            }
    return false;
}

// The slot of a placed item drawn in this call, or -1 for the preview, which
// reads no slot.
int placedSlot(const CVelkarionView& v) {
    const int i = v.m_loopIndex;
    return CVelkarionView::isSlotIndex(i) && i < v.m_componentCount ? i : -1;
}

bool printsWithoutColor(const CVelkarionView& v) {
    const SheetDocument* doc = v.GetDocument();
    return v.m_printing == 1 && doc && doc->m_printInColor == 0;
}

// Merging the dot's wires. Positions are compared in drawing units, as the wire
// pass and the net numbering compare them, so a dot joins the same wires at
// every zoom.
class DotMerge {
public:
    DotMerge(CVelkarionView& v, int dot) : m_v(v), m_dot(dot), m_x(v.m_x[dot]), m_y(v.m_y[dot]) {}

    // Every wire passing through the dot gives its letter to the dot, then the dot
    // gives its letter to every wire through it or ending on it. False after a
    // fault report.
    bool run() {
        for (int j = 0; j < m_v.m_componentCount; ++j) {
            if (!isWire(j)) continue;
            if (onHorizontally(j) && !merge(j, m_dot)) return false;
            if (onVertically(j) && !merge(j, m_dot)) return false;
        }
        for (int j = 0; j < m_v.m_componentCount; ++j) {
            if (!isWire(j)) continue;
            if (m_x == m_v.m_x[j] && m_y == m_v.m_y[j] && !merge(m_dot, j)) return false;
            if (m_x == m_v.m_x2[j] && m_y == m_v.m_y2[j] && !merge(m_dot, j)) return false;
            if (onHorizontally(j) && !merge(m_dot, j)) return false;
            if (onVertically(j) && !merge(m_dot, j)) return false;
        }
        return true;
    }

private:
    bool isWire(int j) const { return m_v.isLive(j) && isWireLike(m_v.m_type[j]); }
    // The first end bounds from below, the second from above; a horizontal wire
    // is known by its first end's y, a vertical one by its first end's x.
    bool onHorizontally(int j) const { return m_y == m_v.m_y[j] && m_v.m_x[j] <= m_x && m_x <= m_v.m_x2[j]; }
    bool onVertically(int j) const { return m_x == m_v.m_x[j] && m_v.m_y[j] <= m_y && m_y <= m_v.m_y2[j]; }

    // A dead target takes the source's letter; two different live letters go to
    // the clash check and nothing is written.
    bool merge(int source, int target) {
        const char from = m_v.m_potential[source].letter();
        const char to = m_v.m_potential[target].letter();
        if (to == kPotentialNone) {
            m_v.m_potential[target].setLetter(from);
        } else if (from != kPotentialNone && from != to) {
            m_v.CheckPotentialClash(from, to);
            return m_v.m_simulating == 1;
        }
        return true;
    }

    CVelkarionView& m_v;
    const int m_dot;
    const int m_x, m_y;
};

// The corner of a dot or stroke: the device point plus an offset, truncated.
int offsetPixel(int at, double offset) { return truncatedPixels(static_cast<double>(at) + offset); }

void drawBundleEntry(CVelkarionView& v, Dc& dc, double zoom, int ox, int oy, int direction) {
    const int slot = placedSlot(v);
    Color color = g_colorBlue;
    if (slot >= 0) {
        const bool picked = v.isPickedSlot(slot);
        if (picked || v.m_selected[slot] == 1 || v.m_floatingBlock == 1) color = g_colorRed;
    }
    if (printsWithoutColor(v)) color = g_colorBlack;
    // The far end lies 3 drawing units down and 3 to the side.
    const double reach = 15 * (zoom / 5);
    const Pen previous = dc.selectPen(Pen{PenStyle::Solid, v.m_penWidth, color});
    dc.moveTo(ox, oy);
    dc.lineTo(offsetPixel(ox, direction * reach), offsetPixel(oy, reach));
    dc.selectPen(previous);
}

}  // namespace

void CVelkarionView::DrawConnectionDot(Dc& dc, double zoom, int ox, int oy) {
    const int slot = placedSlot(*this);
    const bool simulating = slot >= 0 && m_simulating == 1;

    Color pen = printsWithoutColor(*this) ? g_colorBlack : g_colorMaroon;
    Color fill = g_colorMaroon;
    if (m_drawingPlaced == 1) {
        fill = g_colorRed;
    } else if (slot >= 0) {
        const bool picked = isPickedSlot(slot);
        const bool selected = m_selected[slot] == 1 && m_selectionValid == 1;
        if (picked || selected || m_floatingBlock == 1) fill = g_colorRed;
    }
    if (simulating) {
        const char letter = m_potential[slot].letter();
        dotLetterColor(letter, pen);
        dotLetterColor(letter, fill);
    }

    // While simulating the evaluation passes only merge; the wire passes after
    // them draw the dot in the colour of what it then carries.
    if (!simulating || m_drawingPlaced == 0) {
        const double s = zoom / 5;
        const double lo = zoom > 1 ? -3 * s : -5 * s;
        const double hi = zoom > 1 ? 4 * s : 5 * s;
        const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, pen});
        const Brush previousBrush = dc.selectBrush(Brush::solid(fill));
        dc.ellipse(offsetPixel(ox, lo), offsetPixel(oy, lo), offsetPixel(ox, hi), offsetPixel(oy, hi));
        dc.selectBrush(previousBrush);
        dc.selectPen(previousPen);
    }

    // A paint that only shows the run merges nothing.
    if (simulating && g_showOnly == 0) DotMerge(*this, slot).run();
}

void CVelkarionView::DrawBundleEntryLeft(Dc& dc, double zoom, int ox, int oy) {
    drawBundleEntry(*this, dc, zoom, ox, oy, -1);
}

void CVelkarionView::DrawBundleEntryRight(Dc& dc, double zoom, int ox, int oy) {
    drawBundleEntry(*this, dc, zoom, ox, oy, +1);
}

}  // namespace velk
