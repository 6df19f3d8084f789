#pragma once
// The device context of a printed page. Every operation is drawn twice: onto the
// page's raster, exactly as the screen's device context draws it (so reading
// pixels and flood fills behave as on the screen), and onto the paper through a
// toolkit painter, where lines, shapes and text stay vectors with the same integer
// geometry, pen widths, colours and fonts. What has no vector form goes to the
// paper as a lossless image of the raster, clipped to what it changed: flood
// fills, bitmaps and anything drawn in an inverting raster mode.
//
// One unit of the painter is one pixel of the raster; without a painter only the
// raster is drawn.
#include <memory>

#include "platform/dc.h"

class QFont;
class QPainter;

namespace velk {

class PaperDc : public Dc {
public:
    explicit PaperDc(Surface& page);
    ~PaperDc() override;

    // The paper of the page being drawn, or nullptr. What is still pending for
    // the previous paper is drawn on it first.
    void setPainter(QPainter* painter);
    // Draws what is still pending (an open chain of lines) on the paper.
    void flush();

    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(const Rect& r, Color c) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) override;
    void polygon(const Point* points, int count) override;
    void setPixel(int x, int y, Color c) override;
    void floodFillSurface(int x, int y, Color surfaceColor) override;
    void textOut(int x, int y, const std::string& text) override;
    void blit(int x, int y, int width, int height, const Surface& source, int sx, int sy) override;
    void stretchBlit(const Rect& dest, const Surface& source) override;

private:
    struct Paper;
    std::unique_ptr<Paper> m_paper;
};

// The toolkit's font for a font of a device context, sized as the screen draws it.
QFont toolkitFont(const Font& font);

}  // namespace velk
