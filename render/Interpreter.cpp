// The symbol-command interpreter: every component symbol is drawn as a run of short
// commands ("LINE,-015,+015,+000,+045") in the symbol's own frame, which this turns
// by the component's orientation, scales and places at the component's origin.
// One routine per component type therefore serves all eight orientations, the
// placement preview, the screen and the printer.
#include <climits>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "model/VelkarionView.h"
#include "render/Colors.h"
#include "render/SlotLookups.h"
#include "render/Terminals.h"

namespace velk {

Point g_terminalPoint;
Point g_terminalUnits;
bool g_terminalUnitsValid = false;

void clearTerminalPoint() {
    g_terminalPoint = {0, 0};
    g_terminalUnits = {0, 0};
    g_terminalUnitsValid = false;
}

namespace {

// Field k of a command lives in columns 5k to 5k+3; nothing past column 43 is read.
constexpr int kColumnLimit = 44;
constexpr int kFieldWidth = 4;
constexpr int kTextColumn = 15;
constexpr int kTextLength = 5;
constexpr int kAlignColumn = 21;
constexpr int kNameLength = 3;
constexpr int kSupplyNameTail = 16;
constexpr int kCellHeight = 15;  // font cell height in command units

// A command seen as fixed columns. The text ends at its length, at a NUL or after
// column 43, whichever comes first; columns past the end are absent. Nothing here
// copies or allocates.
class CommandText {
public:
    explicit CommandText(std::string_view text) : m_chars(text.data()) {
        const std::size_t limit = text.size() < kColumnLimit ? text.size() : kColumnLimit;
        std::size_t n = 0;
        while (n < limit && text[n] != '\0') ++n;
        m_length = static_cast<int>(n);
    }

    bool has(int column) const { return column >= 0 && column < m_length; }
    char at(int column) const { return has(column) ? m_chars[column] : '\0'; }
    bool startsWith(const char (&word)[5]) const { return m_length >= 4 && std::memcmp(m_chars, word, 4) == 0; }

    // Up to `count` characters from `first`, fewer where the text ends.
    std::string_view columns(int first, int count) const {
        if (!has(first)) return {};
        const int n = first + count <= m_length ? count : m_length - first;
        return {m_chars + first, static_cast<std::size_t>(n)};
    }

    // The columns read as a decimal integer: leading white space skipped, an
    // optional sign, then digits up to the first other character; no digit is 0.
    int number(int first, int width) const {
        const std::string_view s = columns(first, width);
        std::size_t i = 0;
        while (i < s.size() && isSpace(s[i])) ++i;
        bool negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
        int value = 0;
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) value = value * 10 + (s[i] - '0');
        return negative ? -value : value;
    }
    int field(int k) const { return number(5 * k, kFieldWidth); }

private:
    static bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    const char* m_chars;
    int m_length = 0;
};

// Truncation toward zero, held inside the int range so that an absurd scale or
// origin gives a far-away pixel instead of undefined behaviour.
int truncToInt(double v) {
    if (!(v == v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

// Turns command points by one orientation code and maps them to device pixels:
// origin + value x scale in double precision, truncated toward zero.
struct Placement {
    int code;
    double scale;
    int ox, oy;

    Point device(Point turned) const {
        return {truncToInt(static_cast<double>(ox) + static_cast<double>(turned.x) * scale),
                truncToInt(static_cast<double>(oy) + static_cast<double>(turned.y) * scale)};
    }
    Point operator()(int x, int y) const { return device(turnedPoint(code, x, y)); }
    bool mirrored() const { return code >= 4 && code <= 7; }
};

bool isOrientationCode(int code) { return code >= 0 && code <= 7; }

Font arialFor(double scale, int escapement) {
    Font f;
    f.height = truncToInt(kCellHeight * scale);
    f.escapement = escapement;
    return f;
}

Rect boxOf(Point a, Point b) { return Rect{a.x, a.y, b.x, b.y}.normalized(); }

// Everything one command needs: the view's state is read, never written, except
// for the terminal globals of "NUME".
struct CommandContext {
    CVelkarionView& view;
    const SheetDocument& doc;
    Dc& dc;
    const CommandText& cmd;
    Placement at;
    double scale;
    int ox, oy;

    Point p(int k) const { return at(cmd.field(2 * k - 1), cmd.field(2 * k)); }
};

const SheetDocument& documentOf(const CVelkarionView& view) {
    static const SheetDocument kDefaults;
    return view.GetDocument() ? *view.GetDocument() : kDefaults;
}

// --- the words ----------------------------------------------------------------------

void drawPoint(CommandContext& c) {
    const Point q = c.p(1);
    c.dc.setPixel(q.x, q.y, c.view.m_penColor);
}

void drawLine(CommandContext& c) {
    const Point a = c.p(1), b = c.p(2);
    c.dc.moveTo(a.x, a.y);
    c.dc.lineTo(b.x, b.y);
}

void drawEllipse(CommandContext& c) {
    const Rect r = boxOf(c.p(1), c.p(2));
    c.dc.ellipse(r.left, r.top, r.right, r.bottom);
}

// A mirror reverses the sense of rotation, so a mirrored arc runs from the end
// point back to the start point to cover the mirrored part of the ellipse.
template <bool kChord>
void drawArc(CommandContext& c) {
    const Rect r = boxOf(c.p(1), c.p(2));
    Point from = c.p(3), to = c.p(4);
    if (c.at.mirrored()) std::swap(from, to);
    if (kChord)
        c.dc.chord(r.left, r.top, r.right, r.bottom, from.x, from.y, to.x, to.y);
    else
        c.dc.arc(r.left, r.top, r.right, r.bottom, from.x, from.y, to.x, to.y);
}

// Filled areas keep the symbol's colour even where printing turns pens black.
void drawQuad(CommandContext& c) {
    const Point pts[4] = {c.p(1), c.p(2), c.p(3), c.p(4)};
    const Brush previous = c.dc.selectBrush(Brush::solid(c.view.m_penColor));
    c.dc.polygon(pts, 4);
    c.dc.selectBrush(previous);
}

void drawFill(CommandContext& c) {
    const Point q = c.p(1);
    const Color surfaceColor = c.dc.getPixel(q.x, q.y);
    const Brush previous = c.dc.selectBrush(Brush::solid(c.view.m_penColor));
    c.dc.floodFillSurface(q.x, q.y, surfaceColor);
    c.dc.selectBrush(previous);
}

// Escapement of texts for each orientation code: the text reads along the turned
// x axis.
constexpr int kTextEscapement[8] = {0, 2700, 1800, 900, 0, 2700, 1800, 900};

void drawText(CommandContext& c) {
    const Point anchor = c.p(1);
    const std::string_view text = c.cmd.columns(kTextColumn, kTextLength);
    const int alignDigit = c.cmd.number(kAlignColumn, 1);
    c.dc.setBackgroundTransparent(true);
    int align;
    switch (alignDigit) {
        case 0: align = kAlignLeft | kAlignTop; break;
        case 2: align = kAlignRight | kAlignTop; break;
        case 3: align = kAlignCenter | kAlignTop; break;
        default: c.dc.setTextColor(g_colorBlack); return;
    }
    c.dc.setTextAlign(align);
    if (!isOrientationCode(c.at.code)) {
        c.dc.setTextColor(g_colorBlack);
        return;
    }
    // A mirrored label is drawn unmirrored, starting at its anchor.
    if (c.at.mirrored()) c.dc.setTextAlign(kAlignLeft | kAlignTop);
    const Font previous = c.dc.selectFont(arialFor(c.scale, kTextEscapement[c.at.code]));
    c.dc.setTextColor(c.view.m_penColor);
    c.dc.textOut(anchor.x, anchor.y, std::string(text));
    c.dc.selectFont(previous);
}

// --- "NUME": terminal reference, connection circle and connection point ----------

enum class RefAlign { Left, Right, RightForLetterName };

// Where the terminal name goes relative to the turned label position: a fixed
// shift plus a shift per name width (horizontal layout: 0 for a name beginning
// with a letter, 7 for one digit, 15 for two; vertical: 10, or 15 for two digits).
struct ReferenceRow {
    int escapement;
    Point fixed;
    Point perWidth;
    RefAlign align;
};

constexpr ReferenceRow kHorizontalRefs[8] = {
    {0, {0, 0}, {0, 0}, RefAlign::Left},
    {2700, {0, 0}, {0, 0}, RefAlign::Left},
    {1800, {0, 0}, {0, 0}, RefAlign::Left},
    {900, {0, 0}, {0, 0}, RefAlign::Left},
    {0, {0, 0}, {-1, 0}, RefAlign::RightForLetterName},
    {2700, {0, 0}, {0, -1}, RefAlign::RightForLetterName},
    {1800, {0, 0}, {0, 0}, RefAlign::Right},
    {900, {0, -10}, {0, 0}, RefAlign::Left},
};

constexpr ReferenceRow kVerticalRefs[8] = {
    {900, {-20, 0}, {0, 1}, RefAlign::Left},
    {0, {0, -20}, {-1, 0}, RefAlign::Left},
    {2700, {20, 0}, {0, -1}, RefAlign::Left},
    {1800, {0, 20}, {1, 0}, RefAlign::Left},
    {900, {-10, 0}, {0, 1}, RefAlign::Left},
    {0, {0, -10}, {-1, 0}, RefAlign::Left},
    {2700, {10, 0}, {0, -1}, RefAlign::Left},
    {1800, {0, -5}, {1, 0}, RefAlign::Left},
};

void drawTerminalName(CommandContext& c, int x, int y, std::string_view name, int number) {
    const int code = c.at.code;
    c.dc.setTextColor(c.view.m_penColor);
    if (!isOrientationCode(code)) return;
    const bool vertical = c.doc.m_refsVertical != 0;
    const ReferenceRow& row = (vertical ? kVerticalRefs : kHorizontalRefs)[code];
    const int width = vertical ? (number > 9 ? 15 : 10) : (number == 0 ? 0 : number > 9 ? 15 : 7);
    const Point turned = turnedPoint(code, x, y);
    const Point anchor = c.at.device(
        {turned.x + row.fixed.x + row.perWidth.x * width, turned.y + row.fixed.y + row.perWidth.y * width});
    if (row.align == RefAlign::Right || (row.align == RefAlign::RightForLetterName && number == 0))
        c.dc.setTextAlign(kAlignRight | kAlignTop);
    const Font previous = c.dc.selectFont(arialFor(c.scale, row.escapement));
    if (c.doc.m_showTerminalRefs == 1) c.dc.textOut(anchor.x, anchor.y, std::string(name));
    c.dc.selectFont(previous);
}

Color circleColor(const CommandContext& c) {
    const CVelkarionView& v = c.view;
    if (v.m_printing == 1 && c.doc.m_printInColor == 0) return g_colorBlack;
    const bool marked = v.isPickedSlot(v.m_loopIndex) ||
                        (v.m_loopIndex < kSlotCount && v.m_selected[v.m_loopIndex] == 1) ||
                        v.m_floatingBlock == 1;
    return marked ? g_colorRed : g_colorBlue;
}

bool fitsInt(long long v) { return v >= INT_MIN && v <= INT_MAX; }

void drawTerminal(CommandContext& c) {
    const int x = c.cmd.field(1), y = c.cmd.field(2);
    const std::string_view name = c.cmd.columns(kTextColumn, kNameLength);
    const int number = c.cmd.number(kTextColumn, kNameLength);
    c.dc.setBackgroundTransparent(true);
    c.dc.setTextAlign(kAlignLeft | kAlignTop);
    drawTerminalName(c, x, y, name, number);

    CVelkarionView& v = c.view;
    if (c.doc.m_showConnectionSymbols != 1 && v.m_simulating != 1) return;
    clearTerminalPoint();

    // A placed slot is drawn while the loop index is inside the table; past it the
    // paint is drawing the tool's preview, which connects nothing.
    const bool placed = v.m_loopIndex < v.m_componentCount;
    const int slot = v.m_loopIndex;
    const int code = placed ? v.m_orientation[slot] : v.m_toolOrientation;
    const int type = placed ? v.m_type[slot] : g_currentTool;
    if (!isOrientationCode(code)) return;

    // The wire end in the symbol frame: 5 units left of the label, and 15 further
    // down when the label lies below the origin, so the label sits beside the end
    // of the terminal stroke. Supplies put their label above and left of the end.
    int ex = x, ey = y;
    if (isFixedSupply(type)) {
        ex = x + (c.cmd.at(kSupplyNameTail) == ' ' ? 9 : 13);
        ey = y + 35;
    }
    const bool drop = ey > 0 && !isSideTerminalType(type);
    const Point end = turnedPoint(code, ex - 5, ey + (drop ? 15 : 0));
    const Placement turned{code, c.scale, c.ox, c.oy};
    const Point device = turned.device(end);

    if (placed) {
        g_terminalPoint = device;
        const long long ux = static_cast<long long>(v.m_x[slot]) * kCommandUnitsPerUnit + end.x;
        const long long uy = static_cast<long long>(v.m_y[slot]) * kCommandUnitsPerUnit + end.y;
        if (fitsInt(ux) && fitsInt(uy)) {
            g_terminalUnits = {static_cast<int>(ux), static_cast<int>(uy)};
            g_terminalUnitsValid = true;
        }
    }
    if (placed && c.doc.m_showConnectionSymbols != 1) return;

    const Pen previous = c.dc.selectPen(Pen{PenStyle::Solid, v.m_penWidth, circleColor(c)});
    const Rect box = boxOf(turned.device({end.x - 5, end.y - 5}), turned.device({end.x + 5, end.y + 5}));
    c.dc.ellipse(box.left, box.top, box.right, box.bottom);
    c.dc.selectPen(previous);
}

// --- dispatch -----------------------------------------------------------------------------

struct WordRow {
    const char word[5];
    void (*draw)(CommandContext&);
};

// Tested in this order; the word is the first four characters, upper case.
constexpr WordRow kWords[] = {
    {"PUNT", drawPoint},      {"LINE", drawLine},        {"ELIP", drawEllipse},
    {"ARCO", drawArc<false>}, {"CUER", drawArc<true>},   {"POLI", drawQuad},
    {"RELL", drawFill},       {"NUME", drawTerminal},    {"TEXT", drawText},
};

}  // namespace

void CVelkarionView::DrawCommand(Dc& dc, std::string_view command, double scale, int ox, int oy) {
    const CommandText cmd(command);
    const SheetDocument& doc = documentOf(*this);
    const bool monochrome = m_printing == 1 && doc.m_printInColor == 0;
    const int code = m_drawingPlaced == 1 ? m_orientation[m_loopIndex] : m_toolOrientation;
    CommandContext c{*this, doc, dc, cmd, Placement{code, scale, ox, oy}, scale, ox, oy};

    const Pen previous = dc.selectPen(Pen{PenStyle::Solid, m_penWidth, monochrome ? g_colorBlack : m_penColor});
    for (const WordRow& row : kWords) {
        if (cmd.startsWith(row.word)) {
            row.draw(c);
            break;
        }
    }
    dc.selectPen(previous);
}

bool CVelkarionView::endsAtTerminal(int j) const {
    if (!g_terminalUnitsValid) return false;
    const auto on = [](int x, int y) {
        return static_cast<long long>(x) * kCommandUnitsPerUnit == g_terminalUnits.x &&
               static_cast<long long>(y) * kCommandUnitsPerUnit == g_terminalUnits.y;
    };
    return on(m_x[j], m_y[j]) || on(m_x2[j], m_y2[j]);
}

namespace {
// The wire end in drawing units that lies on the terminal, if the terminal lies on
// a whole unit at all.
bool terminalInUnits(Point& units) {
    if (g_terminalUnits.x % kCommandUnitsPerUnit != 0 || g_terminalUnits.y % kCommandUnitsPerUnit != 0) return false;
    units = {g_terminalUnits.x / kCommandUnitsPerUnit, g_terminalUnits.y / kCommandUnitsPerUnit};
    return true;
}
}  // namespace

int CVelkarionView::nextWireAtTerminal(int after) const {
    if (!g_terminalUnitsValid) return -1;
    const int count = m_componentCount < kSlotCount ? m_componentCount : kSlotCount;
    if (after >= count) return -1;
    if (const SlotLookups* lookups = paintLookups()) {
        Point p;
        return terminalInUnits(p) ? lookups->terminalWires.nextAt(p.x, p.y, CornerIndex::kEnds, after) : -1;
    }
    for (int j = after < 0 ? 0 : after + 1; j < count; ++j)
        if (isLive(j) && isTerminalWire(m_type[j]) && endsAtTerminal(j)) return j;
    return -1;
}

int CVelkarionView::wireAtTerminal() const {
    if (!g_terminalUnitsValid) return -1;
    if (const SlotLookups* lookups = paintLookups()) {
        Point p;
        return terminalInUnits(p) ? lookups->terminalWires.lastAt(p.x, p.y, CornerIndex::kEnds) : -1;
    }
    const int count = m_componentCount < kSlotCount ? m_componentCount : kSlotCount;
    for (int j = count - 1; j >= 0; --j)
        if (isLive(j) && isTerminalWire(m_type[j]) && endsAtTerminal(j)) return j;
    return -1;
}

}  // namespace velk
