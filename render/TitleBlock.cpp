// The title block (Cajetin) of the sheet in its two layouts: version 1, 207 x 36
// units, and version 2, one strip of 330 x 18 units. Both are one routine over
// their tables of lines, captions and values.
#include <string>

#include "model/VelkarionView.h"
#include "platform/text1250.h"
#include "render/Colors.h"
#include "render/SheetCoords.h"

namespace velk {

namespace {

constexpr int kSmallFontTenthsPerZoom = 20;
constexpr int kLargeFontTenthsPerZoom = 35;

struct BlockLine {
    int x1, y1, x2, y2;
};

struct Caption {
    const char* text;  // UTF-8 here, Windows-1250 when drawn
    int x, y;
};

// Which document texts a value shows: one text, or the sheet number "%s de %s"
// of texts 7 and 8.
enum class ValueText { Single, SheetOfSheets };

struct BlockValue {
    int text;
    ValueText kind;
    int row;        // index of the shown flag and alignment
    int x[3];       // anchor x for left, centred and right alignment
    int y;
};

struct BlockLayout {
    const BlockLine* lines;
    int lineCount;
    const Caption* captions;
    int captionCount;
    const BlockValue* small;  // drawn with the small font
    int smallCount;
    const BlockValue* large;  // entity and title, with the large font
    int largeCount;
};

template <typename T, int N>
constexpr int countOf(const T (&)[N]) {
    return N;
}

const BlockLine kLines1[] = {
    {0, 0, 207, 0},   {0, 6, 90, 6},     {0, 12, 90, 12},   {0, 18, 207, 18}, {156, 27, 207, 27},
    {30, 0, 30, 36},  {60, 0, 60, 18},   {90, 0, 90, 18},   {120, 0, 120, 18}, {156, 18, 156, 36},
    {0, 0, 0, 36},    {0, 36, 207, 36},  {207, 0, 207, 36},
};
const Caption kCaptions1[] = {
    {"Fecha", 33, 2},    {"Nombre", 63, 2}, {"Firmas", 93, 2}, {"Dibujado", 3, 8},   {"Comprobado", 3, 14},
    {"Entidad", 123, 2}, {"Título", 33, 20}, {"Fecha:", 3, 20}, {"Nún:", 159, 21}, {"Archivo:", 159, 30},
};
const BlockValue kSmall1[] = {
    {0, ValueText::Single, 0, {33, 45, 57}, 8},
    {1, ValueText::Single, 0, {63, 76, 87}, 8},
    {2, ValueText::Single, 1, {33, 45, 57}, 14},
    {3, ValueText::Single, 1, {63, 76, 87}, 14},
    {6, ValueText::Single, 4, {3, 15, 27}, 26},
    {7, ValueText::SheetOfSheets, 5, {170, 185, 200}, 21},
    {9, ValueText::Single, 6, {170, 185, 200}, 30},
};
const BlockValue kLarge1[] = {
    {4, ValueText::Single, 2, {124, 164, 204}, 8},
    {5, ValueText::Single, 3, {33, 93, 153}, 26},
};

const BlockLine kLines2[] = {
    {0, 0, 330, 0},     {0, 6, 90, 6},     {0, 12, 90, 12},   {264, 9, 330, 9},   {30, 0, 30, 18},
    {60, 0, 60, 18},    {90, 0, 90, 18},   {120, 0, 120, 18}, {192, 0, 192, 18},  {264, 0, 264, 18},
    {300, 0, 300, 9},   {0, 0, 0, 18},     {0, 18, 330, 18},  {330, 0, 330, 18},
};
const Caption kCaptions2[] = {
    {"Fecha", 33, 2},    {"Nombre", 63, 2},    {"Firmas", 93, 2}, {"Dibujado", 3, 8},   {"Comprobado", 3, 14},
    {"Entidad", 123, 2}, {"Título", 195, 2}, {"Fecha:", 267, 3}, {"Nún:", 303, 3}, {"Archivo:", 267, 12},
};
const BlockValue kSmall2[] = {
    {0, ValueText::Single, 0, {33, 45, 57}, 8},
    {1, ValueText::Single, 0, {63, 76, 87}, 8},
    {2, ValueText::Single, 1, {33, 45, 57}, 14},
    {3, ValueText::Single, 1, {63, 76, 87}, 14},
    {6, ValueText::Single, 4, {279, 289, 299}, 3},
    {7, ValueText::SheetOfSheets, 5, {308, 318, 328}, 3},
    {9, ValueText::Single, 6, {279, 302, 325}, 12},
};
const BlockValue kLarge2[] = {
    {4, ValueText::Single, 2, {125, 156, 187}, 8},
    {5, ValueText::Single, 3, {197, 228, 259}, 8},
};

const BlockLayout kLayout1{kLines1, countOf(kLines1), kCaptions1, countOf(kCaptions1),
                           kSmall1, countOf(kSmall1),  kLarge1,    countOf(kLarge1)};
const BlockLayout kLayout2{kLines2, countOf(kLines2), kCaptions2, countOf(kCaptions2),
                           kSmall2, countOf(kSmall2),  kLarge2,    countOf(kLarge2)};

struct BlockPlace {
    double zoom;
    int x0, y0;
    int offsetX, offsetY;
    // The corner and the block offset are added in drawing units before the zoom.
    int x(int u) const { return scaledUnits(x0 + u, zoom) + offsetX; }
    int y(int v) const { return scaledUnits(y0 + v, zoom) + offsetY; }
};

const int kAlignFlags[3] = {kAlignLeft | kAlignTop, kAlignCenter | kAlignTop, kAlignRight | kAlignTop};

std::string valueText(const SheetDocument& doc, const BlockValue& v) {
    if (v.kind == ValueText::SheetOfSheets) return doc.m_titleText[v.text] + " de " + doc.m_titleText[v.text + 1];
    return doc.m_titleText[v.text];
}

void drawValues(Dc& dc, const SheetDocument& doc, const BlockPlace& at, const BlockValue* values, int count) {
    for (int i = 0; i < count; ++i) {
        const BlockValue& v = values[i];
        if (doc.m_titleShow[v.row] != 1) continue;
        // The dialog stores only 0, 1 and 2; anything else is drawn like left.
        int align = doc.m_titleAlign[v.row];
        if (align < 0 || align > 2) align = 0;
        dc.setTextAlign(kAlignFlags[align]);
        dc.textOut(at.x(v.x[align]), at.y(v.y), valueText(doc, v));
    }
}

void drawTitleBlock(const CVelkarionView& v, Dc& dc, const BlockLayout& layout, int x0, int y0) {
    const SheetDocument* doc = v.GetDocument();
    const double zoom = doc->m_zoom;
    const BlockPlace at{zoom, x0, y0, doc->m_printOffsetX, doc->m_printOffsetY};

    const Color color = (v.m_printing == 1 && doc->m_printInColor == 0) ? g_colorBlack : g_colorGreen;
    const Pen previousPen = dc.selectPen(Pen{PenStyle::Solid, v.m_penWidth, color});
    const Font previousFont = dc.selectFont(Font::fromPointSize(truncatedPixels(kSmallFontTenthsPerZoom * zoom)));
    dc.setTextColor(color);
    dc.setBackgroundTransparent(true);
    dc.setTextAlign(kAlignLeft | kAlignTop);

    for (int i = 0; i < layout.lineCount; ++i) {
        const BlockLine& l = layout.lines[i];
        dc.moveTo(at.x(l.x1), at.y(l.y1));
        dc.lineTo(at.x(l.x2), at.y(l.y2));
    }
    for (int i = 0; i < layout.captionCount; ++i) {
        const Caption& c = layout.captions[i];
        dc.textOut(at.x(c.x), at.y(c.y), cp1250(c.text));
    }
    drawValues(dc, *doc, at, layout.small, layout.smallCount);

    dc.selectFont(Font::fromPointSize(truncatedPixels(kLargeFontTenthsPerZoom * zoom)));
    drawValues(dc, *doc, at, layout.large, layout.largeCount);

    dc.selectFont(previousFont);
    dc.selectPen(previousPen);
}

}  // namespace

// The zoom argument is not used: the block always follows the document's zoom.
void CVelkarionView::DrawTitleBlock1(Dc& dc, double, int x0, int y0) { drawTitleBlock(*this, dc, kLayout1, x0, y0); }

void CVelkarionView::DrawTitleBlock2(Dc& dc, double, int x0, int y0) { drawTitleBlock(*this, dc, kLayout2, x0, y0); }

}  // namespace velk
