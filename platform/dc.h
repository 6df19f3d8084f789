#pragma once
// Device context: the drawing operations the sheet, the symbols and the dialogs
// use, drawn without antialiasing so that every pixel is exact and reproducible.
//
// Coordinates are logical; device = logical + viewport origin. Outlines are drawn
// with the selected pen and interiors filled with the selected brush, the way a
// draughtsman's plotter would: a line leaves out its last pixel, a rectangle or
// ellipse box covers [left, right) x [top, bottom).
#include <memory>
#include <string>

#include "platform/color.h"
#include "platform/geometry.h"
#include "platform/surface.h"

namespace velk {

// A dotted pen alternates one pixel on, one off along the path (the phase runs on
// across a chain of lineTo calls and restarts at moveTo); only a one-pixel pen is
// dotted, wider ones draw solid. A wider pen is a square stamp centred on the path.
enum class PenStyle { Solid, Dot, Null };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // device pixels; 0 counts as 1
    Color color = rgb(0, 0, 0);
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Color color = rgb(255, 255, 255);
    static Brush solid(Color c) { return {BrushStyle::Solid, c}; }
    static Brush hollow() { return {BrushStyle::Hollow, rgb(0, 0, 0)}; }
    static Brush white() { return {BrushStyle::Solid, rgb(255, 255, 255)}; }
};

struct Font {
    std::string face = "Arial";
    // Cell height in logical units (character height plus internal leading);
    // a negative value is the character height alone; 0 a default cell of 16.
    int height = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise: 0, 900, 1800, 2700
    int weight = 0;      // 0 default, 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    // A font of the given size in tenths of a point at the screen's 96 dpi.
    static Font fromPointSize(int tenthsOfPoint, const std::string& face = "Arial");
};

// Text alignment flags: one horizontal and one vertical flag combined.
enum TextAlign : int {
    kAlignLeft = 0,
    kAlignRight = 2,
    kAlignCenter = 6,
    kAlignTop = 0,
    kAlignBottom = 8,
    kAlignBaseline = 24,
};

// The raster mode governs everything a drawing operation paints with the pen or
// the brush: lines, outlines, the interiors of rectangles, ellipses, chords and
// polygons, and setPixel. Text, fillRect, flood fills and bit-block transfers
// always copy. Each pixel of one operation is combined once, so NotXorPen drawn
// twice restores the surface exactly.
enum class RasterMode {
    CopyPen,    // dest = pen
    NotXorPen,  // dest = NOT(pen XOR dest): drawing twice restores the surface
};

// The drawing operations are virtual so that a test can record them.
class Dc {
public:
    explicit Dc(Surface& surface);
    virtual ~Dc();
    Dc(const Dc&) = delete;
    Dc& operator=(const Dc&) = delete;

    Surface& surface() { return *m_surface; }

    // Device clip rectangle; drawing outside it leaves pixels alone.
    void setClip(const Rect& deviceRect);
    Rect clip() const { return m_clip; }

    void setViewportOrigin(int x, int y) { m_origin = {x, y}; }
    Point viewportOrigin() const { return m_origin; }

    virtual Pen selectPen(const Pen& pen);        // returns the previous pen
    virtual Brush selectBrush(const Brush& brush);
    virtual Font selectFont(const Font& font);
    Pen pen() const { return m_pen; }
    Brush brush() const { return m_brush; }
    Font font() const { return m_font; }

    virtual Color setTextColor(Color c);
    Color textColor() const { return m_textColor; }
    void setBackgroundTransparent(bool transparent) { m_bkTransparent = transparent; }
    bool backgroundTransparent() const { return m_bkTransparent; }
    void setBackgroundColor(Color c) { m_bkColor = c; }
    Color backgroundColor() const { return m_bkColor; }
    virtual int setTextAlign(int flags);
    int textAlign() const { return m_textAlign; }
    virtual RasterMode setRasterMode(RasterMode mode);
    RasterMode rasterMode() const { return m_rop; }

    virtual void moveTo(int x, int y);
    Point currentPosition() const { return m_current; }
    virtual void lineTo(int x, int y);  // the end pixel is not drawn
    // With a null pen the fill alone covers [left, right - 1) x [top, bottom - 1).
    virtual void rectangle(int left, int top, int right, int bottom);
    virtual void fillRect(const Rect& r, Color c);  // no outline, ignores the raster mode
    virtual void ellipse(int left, int top, int right, int bottom);
    // Arc of the ellipse in the box, counter-clockwise (as seen on the screen) from
    // the radial through (xs, ys) to the radial through (xe, ye).
    virtual void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    // The same arc closed by its chord, filled with the brush.
    virtual void chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye);
    virtual void polygon(const Point* points, int count);
    virtual void setPixel(int x, int y, Color c);
    virtual Color getPixel(int x, int y) const;  // Surface::kInvalidColor outside
    // Fills with the brush the connected area (4-neighbours) whose pixels have
    // exactly the colour `surfaceColor`, starting at (x, y).
    virtual void floodFillSurface(int x, int y, Color surfaceColor);

    // Text is 8-bit Windows-1250, converted for display here.
    virtual void textOut(int x, int y, const std::string& text);
    // Width and height of the text in the selected font (unrotated).
    virtual Point textExtent(const std::string& text) const;

    // Copies a rectangle of another surface onto this one.
    virtual void blit(int x, int y, int width, int height, const Surface& source, int sx, int sy);
    // Draws the whole of `source` stretched into the destination box.
    virtual void stretchBlit(const Rect& dest, const Surface& source);

private:
    struct Impl;
    void plot(int x, int y, Color c);  // device coordinates, clip and raster mode applied
    Surface* m_surface;
    Rect m_clip;
    Point m_origin{0, 0};
    Point m_current{0, 0};
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    Color m_textColor = rgb(0, 0, 0);
    Color m_bkColor = rgb(255, 255, 255);
    bool m_bkTransparent = false;
    int m_textAlign = kAlignLeft | kAlignTop;
    RasterMode m_rop = RasterMode::CopyPen;
    std::unique_ptr<Impl> m_impl;  // scratch buffers and the font in use
};

}  // namespace velk
