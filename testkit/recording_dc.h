#pragma once
// A device context that writes down every call made on it: the operation, its
// points, its colour or text, and the drawing state (pen, brush, font, text colour,
// alignment, background mode, raster mode) in force right after the call. Tests use
// it to check what a routine drew without looking at pixels, and to count calls.
//
// By default nothing reaches a surface; constructed on a target surface (or with
// setDrawing(true)) every call is also drawn, so a test can look at both.
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/dc.h"

namespace velk::testkit {

enum class DcOp {
    SelectPen,
    SelectBrush,
    SelectFont,
    SetTextColor,
    SetTextAlign,
    SetRasterMode,
    MoveTo,
    LineTo,
    Rectangle,
    FillRect,
    Ellipse,
    Arc,
    Chord,
    Polygon,
    SetPixel,
    GetPixel,
    FloodFill,
    TextOut,
    Blit,
    StretchBlit,
};

const char* dcOpName(DcOp op);
// Operations that put pixels on the surface (as opposed to state changes and reads).
bool isDrawingOp(DcOp op);

struct DcCall {
    DcOp op = DcOp::MoveTo;
    // The coordinates in argument order: a point per (x, y) pair, a box as its two
    // corners, an arc as box, start and end, a blit as destination, size and source.
    std::vector<Point> points;
    // SetPixel, FillRect and SetTextColor: the colour given; FloodFill: the surface
    // colour; GetPixel: the colour read.
    Color color = 0;
    // SetTextAlign: the flags given.
    int value = 0;
    std::string text;  // TextOut, as the program holds it (Windows-1250)

    // State right after the call.
    Pen pen;
    Brush brush;
    Font font;
    Color textColor = 0;
    int textAlign = 0;
    bool transparent = false;
    RasterMode rop = RasterMode::CopyPen;

    Point point(int i = 0) const { return i >= 0 && i < static_cast<int>(points.size()) ? points[i] : Point{}; }
    // One line for failure messages: "LineTo (82,200) pen solid 1 #0000ff".
    std::string describe() const;
};

namespace detail {
struct OwnSurface {
    explicit OwnSurface(int width, int height) : m_ownSurface(width, height) {}
    Surface m_ownSurface;
};
}  // namespace detail

class RecordingDc : private detail::OwnSurface, public Dc {
public:
    // Records only, over a small surface of its own.
    explicit RecordingDc(int width = 64, int height = 64);
    // Records and draws onto `target`.
    explicit RecordingDc(Surface& target);

    void setDrawing(bool draw) { m_draw = draw; }
    bool drawing() const { return m_draw; }

    const std::vector<DcCall>& calls() const { return m_calls; }
    std::vector<DcCall> callsOf(DcOp op) const;
    int count(DcOp op) const;
    int drawingCount() const;  // calls of every drawing operation
    const DcCall* last(DcOp op) const;  // nullptr when there is none
    void clear() { m_calls.clear(); }
    // Every call, one describe() line each.
    std::string transcript() const;
    // Solid brushes as drawing objects: each selection of a solid brush makes one,
    // and the next selection of any brush puts it away. The counts survive clear(),
    // so a long run can be watched with the calls cleared between paints.
    int brushesCreated() const { return m_brushesCreated; }
    int brushesReleased() const { return m_brushesReleased; }

    Pen selectPen(const Pen& pen) override;
    Brush selectBrush(const Brush& brush) override;
    Font selectFont(const Font& font) override;
    Color setTextColor(Color c) override;
    int setTextAlign(int flags) override;
    RasterMode setRasterMode(RasterMode mode) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const Rect& r, Color c) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void polygon(const Point* points, int count) override;
    void setPixel(int x, int y, Color c) override;
    Color getPixel(int x, int y) const override;
    void floodFillSurface(int x, int y, Color surfaceColor) override;
    void textOut(int x, int y, const std::string& text) override;
    void blit(int x, int y, int width, int height, const Surface& source, int sx, int sy) override;
    void stretchBlit(const Rect& dest, const Surface& source) override;

private:
    DcCall& record(DcOp op, std::initializer_list<Point> points = {}) const;
    mutable std::vector<DcCall> m_calls;
    bool m_draw = false;
    bool m_holdsCreatedBrush = false;
    int m_brushesCreated = 0;
    int m_brushesReleased = 0;
};

}  // namespace velk::testkit
