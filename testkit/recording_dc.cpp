#include "testkit/recording_dc.h"

#include <cstdio>

namespace velk::testkit {

namespace {
struct OpRow {
    DcOp op;
    const char* name;
    bool draws;
};
constexpr OpRow kOps[] = {
    {DcOp::SelectPen, "SelectPen", false},     {DcOp::SelectBrush, "SelectBrush", false},
    {DcOp::SelectFont, "SelectFont", false},   {DcOp::SetTextColor, "SetTextColor", false},
    {DcOp::SetTextAlign, "SetTextAlign", false}, {DcOp::SetRasterMode, "SetRasterMode", false},
    {DcOp::MoveTo, "MoveTo", false},           {DcOp::LineTo, "LineTo", true},
    {DcOp::Rectangle, "Rectangle", true},      {DcOp::FillRect, "FillRect", true},
    {DcOp::Ellipse, "Ellipse", true},          {DcOp::Arc, "Arc", true},
    {DcOp::Chord, "Chord", true},              {DcOp::Polygon, "Polygon", true},
    {DcOp::SetPixel, "SetPixel", true},        {DcOp::GetPixel, "GetPixel", false},
    {DcOp::FloodFill, "FloodFill", true},      {DcOp::TextOut, "TextOut", true},
    {DcOp::Blit, "Blit", true},                {DcOp::StretchBlit, "StretchBlit", true},
};

const OpRow* rowOf(DcOp op) {
    for (const OpRow& r : kOps)
        if (r.op == op) return &r;
    return nullptr;
}

std::string hexColor(Color c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return buf;
}
}  // namespace

const char* dcOpName(DcOp op) {
    const OpRow* r = rowOf(op);
    return r ? r->name : "?";
}

bool isDrawingOp(DcOp op) {
    const OpRow* r = rowOf(op);
    return r && r->draws;
}

std::string DcCall::describe() const {
    std::string s = dcOpName(op);
    for (const Point& p : points) s += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    if (op == DcOp::SetPixel || op == DcOp::FillRect || op == DcOp::SetTextColor || op == DcOp::FloodFill ||
        op == DcOp::GetPixel)
        s += " colour " + hexColor(color);
    if (op == DcOp::SetTextAlign) s += " flags " + std::to_string(value);
    if (op == DcOp::TextOut) {
        s += " \"" + text + "\" align " + std::to_string(textAlign) + " colour " + hexColor(textColor);
        s += " font " + font.face + " " + std::to_string(font.height) + " esc " + std::to_string(font.escapement);
    }
    const char* style = pen.style == PenStyle::Solid ? "solid" : pen.style == PenStyle::Dot ? "dot" : "null";
    s += std::string(" pen ") + style + " " + std::to_string(pen.width) + " " + hexColor(pen.color);
    s += brush.style == BrushStyle::Hollow ? " brush hollow" : " brush " + hexColor(brush.color);
    return s;
}

RecordingDc::RecordingDc(int width, int height) : OwnSurface(width, height), Dc(m_ownSurface) {}

RecordingDc::RecordingDc(Surface& target) : OwnSurface(1, 1), Dc(target), m_draw(true) {}

DcCall& RecordingDc::record(DcOp op, std::initializer_list<Point> points) const {
    DcCall call;
    call.op = op;
    call.points.assign(points.begin(), points.end());
    call.pen = pen();
    call.brush = brush();
    call.font = font();
    call.textColor = textColor();
    call.textAlign = textAlign();
    call.transparent = backgroundTransparent();
    call.rop = rasterMode();
    m_calls.push_back(std::move(call));
    return m_calls.back();
}

std::vector<DcCall> RecordingDc::callsOf(DcOp op) const {
    std::vector<DcCall> out;
    for (const DcCall& c : m_calls)
        if (c.op == op) out.push_back(c);
    return out;
}

int RecordingDc::count(DcOp op) const {
    int n = 0;
    for (const DcCall& c : m_calls) n += c.op == op;
    return n;
}

int RecordingDc::drawingCount() const {
    int n = 0;
    for (const DcCall& c : m_calls) n += isDrawingOp(c.op);
    return n;
}

const DcCall* RecordingDc::last(DcOp op) const {
    for (auto it = m_calls.rbegin(); it != m_calls.rend(); ++it)
        if (it->op == op) return &*it;
    return nullptr;
}

std::string RecordingDc::transcript() const {
    std::string s;
    for (const DcCall& c : m_calls) s += c.describe() + "\n";
    return s;
}

// State changes always reach the base, so that the state seen by later calls (and
// by the code under test) is the real one.
Pen RecordingDc::selectPen(const Pen& p) {
    const Pen previous = Dc::selectPen(p);
    record(DcOp::SelectPen);
    return previous;
}

Brush RecordingDc::selectBrush(const Brush& b) {
    if (m_holdsCreatedBrush) ++m_brushesReleased;
    m_holdsCreatedBrush = b.style == BrushStyle::Solid;
    if (m_holdsCreatedBrush) ++m_brushesCreated;
    const Brush previous = Dc::selectBrush(b);
    record(DcOp::SelectBrush);
    return previous;
}

Font RecordingDc::selectFont(const Font& f) {
    const Font previous = Dc::selectFont(f);
    record(DcOp::SelectFont);
    return previous;
}

Color RecordingDc::setTextColor(Color c) {
    const Color previous = Dc::setTextColor(c);
    record(DcOp::SetTextColor).color = c;
    return previous;
}

int RecordingDc::setTextAlign(int flags) {
    const int previous = Dc::setTextAlign(flags);
    record(DcOp::SetTextAlign).value = flags;
    return previous;
}

RasterMode RecordingDc::setRasterMode(RasterMode mode) {
    const RasterMode previous = Dc::setRasterMode(mode);
    record(DcOp::SetRasterMode);
    return previous;
}

void RecordingDc::moveTo(int x, int y) {
    Dc::moveTo(x, y);
    record(DcOp::MoveTo, {{x, y}});
}

// The line starts at the current position; both ends are recorded.
void RecordingDc::lineTo(int x, int y) {
    const Point from = currentPosition();
    if (m_draw)
        Dc::lineTo(x, y);
    else
        Dc::moveTo(x, y);
    record(DcOp::LineTo, {from, {x, y}});
}

void RecordingDc::rectangle(int left, int top, int right, int bottom) {
    if (m_draw) Dc::rectangle(left, top, right, bottom);
    record(DcOp::Rectangle, {{left, top}, {right, bottom}});
}

void RecordingDc::fillRect(const Rect& r, Color c) {
    if (m_draw) Dc::fillRect(r, c);
    record(DcOp::FillRect, {{r.left, r.top}, {r.right, r.bottom}}).color = c;
}

void RecordingDc::ellipse(int left, int top, int right, int bottom) {
    if (m_draw) Dc::ellipse(left, top, right, bottom);
    record(DcOp::Ellipse, {{left, top}, {right, bottom}});
}

void RecordingDc::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    if (m_draw) Dc::arc(left, top, right, bottom, xs, ys, xe, ye);
    record(DcOp::Arc, {{left, top}, {right, bottom}, {xs, ys}, {xe, ye}});
}

void RecordingDc::chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    if (m_draw) Dc::chord(left, top, right, bottom, xs, ys, xe, ye);
    record(DcOp::Chord, {{left, top}, {right, bottom}, {xs, ys}, {xe, ye}});
}

void RecordingDc::polygon(const Point* points, int count) {
    if (m_draw) Dc::polygon(points, count);
    DcCall& call = record(DcOp::Polygon);
    if (points && count > 0) call.points.assign(points, points + count);
}

void RecordingDc::setPixel(int x, int y, Color c) {
    if (m_draw) Dc::setPixel(x, y, c);
    record(DcOp::SetPixel, {{x, y}}).color = c;
}

Color RecordingDc::getPixel(int x, int y) const {
    const Color c = Dc::getPixel(x, y);
    record(DcOp::GetPixel, {{x, y}}).color = c;
    return c;
}

void RecordingDc::floodFillSurface(int x, int y, Color surfaceColor) {
    if (m_draw) Dc::floodFillSurface(x, y, surfaceColor);
    record(DcOp::FloodFill, {{x, y}}).color = surfaceColor;
}

void RecordingDc::textOut(int x, int y, const std::string& text) {
    if (m_draw) Dc::textOut(x, y, text);
    record(DcOp::TextOut, {{x, y}}).text = text;
}

void RecordingDc::blit(int x, int y, int width, int height, const Surface& source, int sx, int sy) {
    if (m_draw) Dc::blit(x, y, width, height, source, sx, sy);
    record(DcOp::Blit, {{x, y}, {width, height}, {sx, sy}});
}

void RecordingDc::stretchBlit(const Rect& dest, const Surface& source) {
    if (m_draw) Dc::stretchBlit(dest, source);
    record(DcOp::StretchBlit, {{dest.left, dest.top}, {dest.right, dest.bottom}});
}

}  // namespace velk::testkit
