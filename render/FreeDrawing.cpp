// Free drawing: lines, rectangles, ellipses, filled shapes, fills, texts and
// pictures. They have no routine of their own; the slot loop of the paint draws
// them in slot order among the components, in every evaluation pass.
#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

constexpr int kTextFontTenthsPerZoom = 20;

// Which diagonal of the box a line is, and from which end it is drawn: the
// platform leaves out the last pixel, so the order decides which end is missing.
struct CornerOrder {
    bool fromSecondX, fromSecondY;  // the start takes x2 (y2) instead of x (y)
};
const CornerOrder kCornerOrders[] = {
    {false, false},  // 1: (x, y) to (x2, y2)
    {false, true},   // 2: (x, y2) to (x2, y)
    {true, true},    // 3: (x2, y2) to (x, y)
    {true, false},   // 4: (x2, y) to (x, y2)
};

// Picked or selected items show red; the print rule applies only to outlines.
Color itemColor(const CVelkarionView& v, int slot, bool outline) {
    Color c = v.m_color[slot];
    if (v.isPickedSlot(slot)) c = g_colorRed;
    if (v.m_selected[slot] == 1 || v.m_floatingBlock == 1) c = g_colorRed;
    if (outline && v.m_printing == 1 && v.GetDocument()->m_printInColor == 0) c = g_colorBlack;
    return c;
}

}  // namespace

void CVelkarionView::DrawFreeItem(Dc& dc, int slot) {
    const SheetDocument* doc = GetDocument();
    const double zoom = doc->m_zoom;
    const int type = m_type[slot];
    const int x = scaledUnits(m_x[slot], zoom) + doc->m_printOffsetX;
    const int y = scaledUnits(m_y[slot], zoom) + doc->m_printOffsetY;
    const int x2 = scaledUnits(m_x2[slot], zoom) + doc->m_printOffsetX;
    const int y2 = scaledUnits(m_y2[slot], zoom) + doc->m_printOffsetY;

    switch (type) {
    case kTypeLine: {
        const int order = m_lineCorner[slot];
        if (order < 1 || order > 4) return;
        const CornerOrder& c = kCornerOrders[order - 1];
        const Pen previous = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, itemColor(*this, slot, true)});
        dc.moveTo(c.fromSecondX ? x2 : x, c.fromSecondY ? y2 : y);
        dc.lineTo(c.fromSecondX ? x : x2, c.fromSecondY ? y : y2);
        dc.selectPen(previous);
        return;
    }
    case kTypeRectangle: {
        const Pen previous = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, itemColor(*this, slot, true)});
        dc.moveTo(x, y);
        dc.lineTo(x2, y);
        dc.lineTo(x2, y2);
        dc.lineTo(x, y2);
        dc.lineTo(x, y);
        dc.selectPen(previous);
        return;
    }
    case kTypeEllipse: {
        // The hollow brush stays selected: the slot loop selects it after every slot anyway.
        const Pen previous = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, itemColor(*this, slot, true)});
        dc.selectBrush(Brush::hollow());
        dc.ellipse(x, y, x2, y2);
        dc.selectPen(previous);
        return;
    }
    case kTypeFilledRectangle:
    case kTypeFilledEllipse: {
        // The fill keeps the item's own colour, picked, selected or printed.
        const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, itemColor(*this, slot, true)});
        const Brush previousBrush = dc.selectBrush(Brush::solid(m_color[slot]));
        if (type == kTypeFilledRectangle)
            dc.rectangle(x, y, x2, y2);
        else
            dc.ellipse(x, y, x2, y2);
        dc.selectPen(previousPen);
        dc.selectBrush(previousBrush);
        return;
    }
    case kTypeFill: {
        // Floods whatever has been drawn so far in this paint: the frame, the grid
        // and the items of lower slots bound it.
        const Brush previous = dc.selectBrush(Brush::solid(m_color[slot]));
        dc.floodFillSurface(x, y, dc.getPixel(x, y));
        dc.selectBrush(previous);
        return;
    }
    case kTypeText: {
        if (m_paramText[slot].empty()) return;
        const Font previous = dc.selectFont(Font::fromPointSize(truncatedPixels(kTextFontTenthsPerZoom * zoom)));
        dc.setBackgroundTransparent(true);
        dc.setTextColor(itemColor(*this, slot, false));
        dc.setTextAlign(kAlignLeft | kAlignTop);
        dc.textOut(x, y, m_paramText[slot]);
        dc.selectFont(previous);
        return;
    }
    case kTypePicture: {
        // Stretched over the whole box; the size leaves the offsets out.
        const int width = scaledUnits(m_x2[slot], zoom) - scaledUnits(m_x[slot], zoom);
        const int height = scaledUnits(m_y2[slot], zoom) - scaledUnits(m_y[slot], zoom);
        DrawPictureStretched(dc, slot, x, y, width, height);
        return;
    }
    default:
        return;
    }
}

}  // namespace velk
