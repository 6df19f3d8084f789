// Button pictures: drawn icons from one table of strokes, component symbols from
// the symbols' own routines, and a text when neither draws anything.
#include "res/ButtonImages.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <utility>
#include <memory>

#include "model/SheetDocument.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "render/Colors.h"
#include "render/Terminals.h"
#include "res/Resource.h"
#include "res/Strings.h"
#include "res/Toolbars.h"

namespace velk {

namespace {

// Icons are drawn on a 16 x 15 grid and stretched to the button's size.
constexpr int kGridWidth = 16;
constexpr int kGridHeight = 15;

enum class Op {
    Line,   // p0,p1 to p2,p3
    Frame,  // rectangle outline, box p0..p3 (right and bottom outside)
    Box,    // filled rectangle with an outline of the same colour
    Oval,   // ellipse outline in the box
    Disc,   // filled ellipse in the box
    Tri,    // filled triangle p0,p1 p2,p3 p4,p5
    Glyph,  // text centred on p0,p1, cell height p2 (grid units), bold when p3 is 1
};

struct Stroke {
    Op op;
    Color color;
    std::array<int, 6> p;
    const char* text = nullptr;
};

struct Icon {
    int id;
    std::vector<Stroke> strokes;
};

constexpr Color K = rgb(0, 0, 0);
constexpr Color W = rgb(255, 255, 255);
constexpr Color G = rgb(128, 128, 128);
constexpr Color S = rgb(192, 192, 192);
constexpr Color B = rgb(0, 0, 128);
constexpr Color Y = rgb(255, 255, 0);
constexpr Color R = rgb(255, 0, 0);
constexpr Color Gr = rgb(0, 128, 0);
constexpr Color Br = rgb(128, 64, 0);

Stroke line(int x1, int y1, int x2, int y2, Color c = K) { return {Op::Line, c, {x1, y1, x2, y2, 0, 0}}; }
Stroke frame(int l, int t, int r, int b, Color c = K) { return {Op::Frame, c, {l, t, r, b, 0, 0}}; }
Stroke box(int l, int t, int r, int b, Color c) { return {Op::Box, c, {l, t, r, b, 0, 0}}; }
Stroke oval(int l, int t, int r, int b, Color c = K) { return {Op::Oval, c, {l, t, r, b, 0, 0}}; }
Stroke disc(int l, int t, int r, int b, Color c) { return {Op::Disc, c, {l, t, r, b, 0, 0}}; }
Stroke tri(int x1, int y1, int x2, int y2, int x3, int y3, Color c) { return {Op::Tri, c, {x1, y1, x2, y2, x3, y3}}; }
Stroke glyph(const char* text, int x, int y, int height, Color c = K, bool bold = true) {
    return {Op::Glyph, c, {x, y, height, bold ? 1 : 0, 0, 0}, text};
}

// A magnifying glass, the common part of the zoom icons.
std::vector<Stroke> lens(std::vector<Stroke> inside) {
    std::vector<Stroke> s = {disc(1, 1, 11, 11, W), oval(1, 1, 11, 11), line(9, 9, 15, 15), line(10, 9, 15, 14),
                             line(9, 10, 14, 15)};
    s.insert(s.end(), inside.begin(), inside.end());
    return s;
}

std::vector<Stroke> swatch(Color c) { return {box(2, 2, 14, 13, c), frame(2, 2, 14, 13)}; }

const std::vector<Icon>& icons() {
    static const std::vector<Icon> table = {
        // Main toolbar
        {ID_FILE_NEW, {box(3, 1, 13, 14, W), frame(3, 1, 13, 14), line(9, 1, 13, 5), line(9, 1, 9, 5),
                       line(9, 5, 13, 5)}},
        {ID_FILE_OPEN, {box(1, 3, 6, 5, Y), box(1, 5, 13, 13, Y), frame(1, 5, 13, 13), line(1, 3, 6, 3),
                        line(1, 3, 1, 5), line(6, 3, 7, 5)}},
        {ID_FILE_SAVE, {box(2, 1, 14, 14, B), box(4, 1, 12, 6, W), box(5, 9, 11, 14, S)}},
        {ID_FILE_PRINT, {box(4, 1, 12, 7, W), frame(4, 1, 12, 7), box(1, 6, 15, 12, S), frame(1, 6, 15, 12),
                         box(4, 10, 12, 15, W), frame(4, 10, 12, 15), line(12, 8, 14, 8, Gr)}},
        {ID_EDIT_CUT, {oval(1, 9, 7, 15), oval(9, 9, 15, 15), line(5, 10, 11, 1), line(11, 10, 5, 1)}},
        {ID_EDIT_COPY, {box(1, 1, 10, 10, W), frame(1, 1, 10, 10), box(6, 5, 15, 14, W), frame(6, 5, 15, 14),
                        line(8, 8, 13, 8, G), line(8, 10, 13, 10, G)}},
        {ID_EDIT_PASTE, {box(1, 2, 12, 14, Br), box(4, 1, 9, 4, S), frame(4, 1, 9, 4), box(6, 6, 15, 15, W),
                         frame(6, 6, 15, 15)}},
        {ID_ZOOM_IN, lens({line(3, 6, 10, 6), line(6, 3, 6, 10)})},
        {ID_ZOOM_OUT, lens({line(3, 6, 10, 6)})},
        {ID_ZOOM_WINDOW, lens({frame(3, 4, 9, 9, R)})},
        {ID_ZOOM_ALL, lens({glyph("A", 6, 6, 8)})},
        {ID_ZOOM_PREVIOUS, lens({tri(3, 6, 8, 3, 8, 9, B)})},
        {ID_EDIT_UNDO, {tri(1, 6, 6, 2, 6, 10, B), line(6, 6, 13, 6, B), line(6, 7, 13, 7, B), line(12, 6, 12, 13, B),
                        line(13, 6, 13, 13, B)}},
        {ID_EDIT_REDO, {tri(15, 6, 10, 2, 10, 10, B), line(3, 6, 10, 6, B), line(3, 7, 10, 7, B),
                        line(3, 6, 3, 13, B), line(4, 6, 4, 13, B)}},
        {ID_ROTATE_LEFT, {oval(3, 3, 14, 14), box(3, 3, 8, 8, W), tri(1, 6, 7, 6, 4, 2, B), frame(8, 7, 11, 10, R)}},
        {ID_ROTATE_RIGHT, {oval(2, 3, 13, 14), box(8, 3, 13, 8, W), tri(9, 6, 15, 6, 12, 2, B), frame(5, 7, 8, 10, R)}},
        {ID_MIRROR_HORIZONTAL, {line(8, 0, 8, 15, G), tri(1, 7, 6, 2, 6, 12, B), tri(15, 7, 10, 2, 10, 12, S)}},
        {ID_MIRROR_VERTICAL, {line(0, 7, 16, 7, G), tri(8, 0, 3, 5, 13, 5, B), tri(8, 14, 3, 9, 13, 9, S)}},
        {ID_MODE_RUN, {tri(4, 1, 4, 14, 13, 7, Gr)}},
        {ID_MODE_EDIT, {line(3, 13, 12, 4, Br), line(4, 13, 13, 4, Y), line(3, 12, 12, 3, Y), line(2, 14, 4, 12),
                        frame(2, 1, 14, 14, G)}},
        {ID_MODE_PAUSE, {box(4, 2, 7, 13, B), box(9, 2, 12, 13, B)}},
        {ID_MODE_STEP, {tri(2, 2, 2, 13, 9, 7, Gr), box(11, 2, 14, 13, B)}},
        {ID_APP_ABOUT, {disc(1, 0, 15, 15, B), glyph("?", 8, 7, 11, W)}},

        // Drawing tools
        {ID_TOOL_SELECT, {tri(4, 1, 4, 12, 11, 9, K), line(7, 9, 10, 14), line(8, 9, 11, 14)}},
        {ID_TOOL_LINE, {line(2, 13, 14, 2), line(3, 13, 15, 2)}},
        {ID_TOOL_RECTANGLE, {frame(2, 3, 14, 12)}},
        {ID_TOOL_ELLIPSE, {oval(1, 3, 15, 12)}},
        {ID_TOOL_FILLED_RECTANGLE, {box(2, 3, 14, 12, G), frame(2, 3, 14, 12)}},
        {ID_TOOL_FILLED_ELLIPSE, {disc(1, 3, 15, 12, G), oval(1, 3, 15, 12)}},
        {ID_TOOL_FILL, {tri(2, 7, 7, 2, 12, 7, S), box(3, 7, 11, 13, S), frame(3, 7, 11, 13), disc(11, 9, 15, 14, B)}},
        {ID_TOOL_COLOR_PICKER, {line(2, 13, 10, 5), line(3, 13, 11, 5), line(2, 12, 10, 4), disc(9, 1, 15, 7, K)}},
        {ID_TOOL_TEXT, {glyph("A", 8, 7, 14)}},

        // Colours
        {ID_COLOR_BLACK, swatch(rgb(0, 0, 0))},
        {ID_COLOR_WHITE, swatch(rgb(255, 255, 255))},
        {ID_COLOR_GREY, swatch(rgb(128, 128, 128))},
        {ID_COLOR_LIGHT_GREY, swatch(rgb(192, 192, 192))},
        {ID_COLOR_DARK_RED, swatch(rgb(128, 0, 0))},
        {ID_COLOR_RED, swatch(rgb(255, 0, 0))},
        {ID_COLOR_OLIVE, swatch(rgb(128, 128, 0))},
        {ID_COLOR_YELLOW, swatch(rgb(255, 255, 0))},
        {ID_COLOR_GREEN, swatch(rgb(0, 128, 0))},
        {ID_COLOR_LIME, swatch(rgb(0, 255, 0))},
        {ID_COLOR_TEAL, swatch(rgb(0, 128, 128))},
        {ID_COLOR_CYAN, swatch(rgb(0, 255, 255))},
        {ID_COLOR_CHOOSE, {box(2, 2, 8, 8, R), box(8, 2, 14, 8, Gr), box(2, 8, 8, 13, B), box(8, 8, 14, 13, Y),
                           frame(2, 2, 14, 13)}},

        // Palette selector: the letters that mark such devices on a schematic
        {ID_PALETTE_SUPPLIES, {glyph("L", 8, 7, 12)}},
        {ID_PALETTE_FUSES, {glyph("F", 8, 7, 12)}},
        {ID_PALETTE_PROTECTION, {glyph("Q", 8, 7, 12)}},
        {ID_PALETTE_CONTACTORS, {glyph("KM", 8, 7, 10)}},
        {ID_PALETTE_MOTORS, {glyph("M", 8, 7, 12)}},
        {ID_PALETTE_DRIVES, {glyph("U", 8, 7, 12)}},
        {ID_PALETTE_CONTACTS, {glyph("KA", 8, 7, 10)}},
        {ID_PALETTE_SWITCHES, {glyph("S", 8, 7, 12)}},
        {ID_PALETTE_SENSORS, {glyph("B", 8, 7, 12)}},
        {ID_PALETTE_COILS, {glyph("H", 8, 7, 12)}},
        {ID_PALETTE_LOGIC, {glyph("&", 8, 7, 12)}},
        {ID_PALETTE_GRAFCET, {frame(3, 2, 13, 12), glyph("G", 8, 7, 9)}},
        {ID_PALETTE_WIRING, {glyph("X", 8, 7, 12)}},

        // Wires and chart lines: the wire pass draws them, they have no symbol
        {ID_PLACE_WIRE_PHASE, {line(0, 10, 16, 10), glyph("L", 8, 4, 8, K, false)}},
        {ID_PLACE_WIRE_NEUTRAL, {line(0, 10, 16, 10, B), glyph("N", 8, 4, 8, B, false)}},
        {ID_PLACE_WIRE_PE, {line(0, 10, 16, 10, Gr), glyph("PE", 8, 4, 8, Gr, false)}},
        {ID_PLACE_WIRE_PLUS, {line(0, 10, 16, 10, R), glyph("+", 8, 4, 9, R)}},
        {ID_PLACE_WIRE_MINUS, {line(0, 10, 16, 10, B), glyph("-", 8, 4, 9, B)}},
        {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_1, {line(3, 0, 3, 15), line(7, 0, 7, 15), line(11, 0, 11, 15),
                                                glyph("1", 14, 7, 6, K, false)}},
        {ID_PLACE_WIRE_THREE_PHASE_VERTICAL_2, {line(3, 0, 3, 15), line(7, 0, 7, 15), line(11, 0, 11, 15),
                                                glyph("2", 14, 7, 6, K, false)}},
        {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_1, {line(0, 3, 16, 3), line(0, 7, 16, 7), line(0, 11, 16, 11),
                                                  glyph("1", 8, 13, 5, K, false)}},
        {ID_PLACE_WIRE_THREE_PHASE_HORIZONTAL_2, {line(0, 3, 16, 3), line(0, 7, 16, 7), line(0, 11, 16, 11),
                                                  glyph("2", 8, 13, 5, K, false)}},
        {ID_PLACE_BUNDLE, {box(0, 6, 16, 9, K), line(4, 1, 4, 6), line(12, 9, 12, 14)}},
        {ID_PLACE_GRAFCET_LINK, {line(8, 0, 8, 15)}},
        {ID_PLACE_GRAFCET_OR_DIVERGENCE, {line(8, 0, 8, 6), line(3, 6, 14, 6), line(3, 6, 3, 15), line(13, 6, 13, 15)}},
        {ID_PLACE_GRAFCET_OR_CONVERGENCE, {line(3, 0, 3, 9), line(13, 0, 13, 9), line(3, 9, 14, 9), line(8, 9, 8, 15)}},
        {ID_PLACE_GRAFCET_AND_DIVERGENCE, {line(8, 0, 8, 5), line(1, 5, 16, 5), line(1, 7, 16, 7), line(4, 7, 4, 15),
                                           line(12, 7, 12, 15)}},
        {ID_PLACE_GRAFCET_AND_CONVERGENCE, {line(4, 0, 4, 8), line(12, 0, 12, 8), line(1, 8, 16, 8),
                                            line(1, 10, 16, 10), line(8, 10, 8, 15)}},
        {ID_PLACE_DISPLAY_BCD, {frame(1, 2, 15, 13), glyph("BCD", 8, 7, 7, K, false)}},
        {ID_PLACE_DISPLAY_7_SEGMENTS, {frame(3, 1, 13, 14), glyph("8", 8, 7, 12, R)}},
        {ID_PLACE_PRESELECTOR_BCD, {frame(1, 2, 15, 13), glyph("0-9", 8, 7, 7, K, false)}},
    };
    return table;
}

const Icon* findIcon(int id) {
    for (const Icon& icon : icons())
        if (icon.id == id) return &icon;
    return nullptr;
}

// Grid point to button pixel.
int scaleX(int x, int width) { return x * width / kGridWidth; }
int scaleY(int y, int height) { return y * height / kGridHeight; }

void drawStroke(Dc& dc, const Stroke& s, int width, int height) {
    const auto& p = s.p;
    const int x1 = scaleX(p[0], width), y1 = scaleY(p[1], height);
    const int x2 = scaleX(p[2], width), y2 = scaleY(p[3], height);
    dc.selectPen(Pen{PenStyle::Solid, 1, s.color});
    switch (s.op) {
        case Op::Line:
            dc.moveTo(x1, y1);
            dc.lineTo(x2, y2);
            dc.setPixel(x2, y2, s.color);  // lines here include their end
            break;
        case Op::Frame:
            dc.selectBrush(Brush::hollow());
            dc.rectangle(x1, y1, x2, y2);
            break;
        case Op::Box:
            dc.selectBrush(Brush::solid(s.color));
            dc.rectangle(x1, y1, x2, y2);
            break;
        case Op::Oval:
            dc.selectBrush(Brush::hollow());
            dc.ellipse(x1, y1, x2, y2);
            break;
        case Op::Disc:
            dc.selectBrush(Brush::solid(s.color));
            dc.ellipse(x1, y1, x2, y2);
            break;
        case Op::Tri: {
            dc.selectBrush(Brush::solid(s.color));
            const Point pts[3] = {{x1, y1}, {x2, y2}, {scaleX(p[4], width), scaleY(p[5], height)}};
            dc.polygon(pts, 3);
            break;
        }
        case Op::Glyph: {
            Font font;
            font.height = -std::max(5, scaleY(p[2], height));
            font.weight = p[3] == 1 ? 700 : 400;
            dc.selectFont(font);
            dc.setTextColor(s.color);
            dc.setBackgroundTransparent(true);
            dc.setTextAlign(kAlignLeft | kAlignTop);
            const Point size = dc.textExtent(s.text);
            dc.textOut(x1 - size.x / 2, y1 - size.y / 2, s.text);
            break;
        }
    }
}

Surface iconImage(const Icon& icon, int width, int height) {
    Surface image(width, height, rgb(255, 255, 255));
    Dc dc(image);
    for (const Stroke& s : icon.strokes) drawStroke(dc, s, width, height);
    return image;
}

Surface textImage(const std::string& text, int width, int height) {
    Surface image(width, height, rgb(255, 255, 255));
    Dc dc(image);
    Font font;
    font.height = -std::max(6, std::min(height * 2 / 3, 10));
    dc.selectFont(font);
    dc.setBackgroundTransparent(true);
    // A narrow button shows as many of the letters as fit.
    std::string shown = text;
    while (shown.size() > 1 && dc.textExtent(shown).x > width - 2) shown.pop_back();
    const Point size = dc.textExtent(shown);
    dc.textOut((width - size.x) / 2, (height - size.y) / 2, shown);
    return image;
}

// The box of the pixels that are not white; empty when there are none.
Rect drawnArea(const Surface& s) {
    int left = s.width(), top = s.height(), right = 0, bottom = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.pixel(x, y) != rgb(255, 255, 255)) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x + 1);
                bottom = std::max(bottom, y + 1);
            }
    if (right <= left) return {};
    return {left, top, right, bottom};
}

// The area of `source` shrunk (never enlarged) into the middle of a width x height
// picture; each target pixel takes the darkest of the source pixels it covers.
Surface shrinkInto(const Surface& source, const Rect& area, int width, int height) {
    Surface out(width, height, rgb(255, 255, 255));
    const int innerW = std::max(1, width - 2), innerH = std::max(1, height - 2);
    // One scale for both directions keeps the symbol's proportions.
    const double scale = std::max({1.0, static_cast<double>(area.width()) / innerW,
                                   static_cast<double>(area.height()) / innerH});
    const int w = std::max(1, static_cast<int>(area.width() / scale));
    const int h = std::max(1, static_cast<int>(area.height() / scale));
    const int ox = (width - w) / 2, oy = (height - h) / 2;
    for (int ty = 0; ty < h; ++ty)
        for (int tx = 0; tx < w; ++tx) {
            const int sx0 = area.left + static_cast<int>(tx * scale);
            const int sy0 = area.top + static_cast<int>(ty * scale);
            const int sx1 = std::max(sx0 + 1, std::min(area.right, area.left + static_cast<int>((tx + 1) * scale)));
            const int sy1 = std::max(sy0 + 1, std::min(area.bottom, area.top + static_cast<int>((ty + 1) * scale)));
            int r = 255, g = 255, b = 255, darkest = 3 * 255 + 1;
            for (int y = sy0; y < sy1; ++y)
                for (int x = sx0; x < sx1; ++x) {
                    const Color c = source.pixel(x, y);
                    const int sum = redOf(c) + greenOf(c) + blueOf(c);
                    if (sum < darkest) {
                        darkest = sum;
                        r = redOf(c);
                        g = greenOf(c);
                        b = blueOf(c);
                    }
                }
            out.setPixel(ox + tx, oy + ty, rgb(r, g, b));
        }
    return out;
}

// A device context that leaves texts out.
class LinesOnlyDc : public Dc {
public:
    using Dc::Dc;
    void textOut(int, int, const std::string&) override {}
};

// Symbols are drawn at this zoom before they are shrunk into their buttons.
constexpr double kSymbolZoom = 3.0;

// Draws placement previews on a scratch view of its own, so no sheet's state
// (slots, loop index, tool orientation, terminal points) is touched.
class SymbolPainter {
public:
    SymbolPainter() { m_view.setDocument(&m_document); }

    Surface paint(int type, int width, int height, bool withTexts) {
        if (!isComponent(type) || isDrawnByWirePass(type) || isToolOnly(type)) return Surface();
        const CVelkarionView::Routine routine = CVelkarionView::routineFor(type);
        if (!routine) return Surface();
        // A canvas around the insertion point with room for the symbol's box.
        Rect box = CVelkarionView::ComputePlacementGhost(type, kSymbolZoom, 0);
        if (box.isEmpty()) box = {-90, -30, 150, 150};
        const int margin = 60;
        const int ox = -box.left + margin, oy = -box.top + margin;
        Surface canvas(box.width() + 2 * margin, box.height() + 2 * margin, rgb(255, 255, 255));

        const Point savedPoint = g_terminalPoint, savedUnits = g_terminalUnits;
        const bool savedValid = g_terminalUnitsValid;
        m_document.m_zoom = kSymbolZoom;
        m_view.m_drawingPlaced = 0;
        m_view.m_penColor = g_colorBlack;
        m_view.m_toolOrientation = 0;
        m_view.m_lastPointX = ox;
        m_view.m_lastPointY = oy;
        if (withTexts) {
            Dc dc(canvas);
            (m_view.*routine)(dc, kSymbolZoom, ox, oy);
        } else {
            LinesOnlyDc dc(canvas);
            (m_view.*routine)(dc, kSymbolZoom, ox, oy);
        }
        g_terminalPoint = savedPoint;
        g_terminalUnits = savedUnits;
        g_terminalUnitsValid = savedValid;

        const Rect drawn = drawnArea(canvas);
        if (drawn.isEmpty()) return Surface();
        return shrinkInto(canvas, drawn, width, height);
    }

private:
    SheetDocument m_document;
    CVelkarionView m_view;
};

Surface buttonImage(SymbolPainter* painter, int id, int width, int height) {
    if (const PaletteButton* b = findPaletteButton(id); b && b->type > 0 && painter) {
        Surface symbol = painter->paint(b->type, width, height, paletteShowsSymbolTexts(b->bar));
        if (!symbol.isNull()) return symbol;
    }
    if (const Icon* icon = findIcon(id)) return iconImage(*icon, width, height);
    const std::string entry = commandString(id);
    const std::string tooltip = entry.substr(entry.find('\n') == std::string::npos ? 0 : entry.find('\n') + 1);
    return textImage(buttonFallbackText(tooltip), width, height);
}

}  // namespace

std::string buttonFallbackText(const std::string& tooltip) {
    std::string text;
    bool wordStart = true;
    for (char ch : tooltip) {
        const unsigned char u = static_cast<unsigned char>(ch);
        const bool separator = ch == ' ' || ch == ',' || ch == '-' || ch == '(' || ch == ')';
        if (separator) {
            wordStart = true;
            continue;
        }
        if (wordStart && text.size() < 3) {
            // Letters of the basic alphabet go up; other bytes stay as they are.
            text.push_back(u < 128 ? static_cast<char>(std::toupper(u)) : ch);
        }
        wordStart = false;
    }
    return text;
}

Surface componentSymbolImage(int type, int width, int height, bool withTexts) {
    SymbolPainter painter;
    return painter.paint(type, width, height, withTexts);
}

bool paletteShowsSymbolTexts(int bar) { return bar == IDR_PALETTE_SUPPLIES; }

Surface commandButtonImage(int id, int width, int height) {
    if (findPaletteButton(id)) {
        SymbolPainter painter;
        return buttonImage(&painter, id, width, height);
    }
    return buttonImage(nullptr, id, width, height);
}

std::vector<Surface> toolbarImages(const ToolbarSpec& barLayout) {
    // The pictures depend on nothing that changes while the program runs: each bar's
    // are drawn once, however many times a main window is made.
    static std::map<std::pair<int, std::vector<int>>, std::vector<Surface>> drawn;
    const auto key = std::make_pair(barLayout.id * 10000 + barLayout.imageWidth * 100 + barLayout.imageHeight, barLayout.buttons);
    if (const auto it = drawn.find(key); it != drawn.end()) return it->second;
    std::vector<Surface> images;
    bool palette = false;
    for (int id : barLayout.buttons)
        if (findPaletteButton(id)) palette = true;
    // One scratch view serves the whole bar.
    std::unique_ptr<SymbolPainter> painter = palette ? std::make_unique<SymbolPainter>() : nullptr;
    for (int id : barLayout.buttons)
        if (id != 0) images.push_back(buttonImage(painter.get(), id, barLayout.imageWidth, barLayout.imageHeight));
    drawn.emplace(key, images);
    return images;
}

}  // namespace velk
