#include "platform/dc_paper.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/text1250.h"

namespace velk {

namespace {

constexpr double kRadToDeg = 57.29577951308232;

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QRectF toQRect(const Rect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

int strokeWidth(const Pen& pen) { return std::max(1, pen.width); }

// A pen w pixels wide covers the pixels -(w - 1) / 2 to w / 2 around each pixel of
// the path, so the stroke's centre lies half a pixel further on for even widths.
double strokeOffset(const Pen& pen) { return strokeWidth(pen) % 2 == 0 ? 1.0 : 0.5; }

// The square a pen stamps on one pixel of its path.
QRectF stampAt(const Pen& pen, int x, int y) {
    const int w = strokeWidth(pen);
    const int lo = -(w - 1) / 2;
    return QRectF(x + lo, y + lo, w, w);
}

QPen toQPen(const Pen& pen) {
    const int w = strokeWidth(pen);
    QPen q(toQColor(pen.color), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    if (pen.style == PenStyle::Dot && w == 1) {
        q.setDashPattern({1.0, 1.0});
        q.setCapStyle(Qt::FlatCap);
    }
    return q;
}

bool samePen(const Pen& a, const Pen& b) {
    return a.style == b.style && strokeWidth(a) == strokeWidth(b) && a.color == b.color;
}

Rect grownBy(const Rect& r, const Pen& pen) {
    const int w = strokeWidth(pen);
    return {r.left - w, r.top - w, r.right + w, r.bottom + w};
}

Rect deviceBox(int left, int top, int right, int bottom, Point origin) {
    return Rect{left + origin.x, top + origin.y, right + origin.x, bottom + origin.y}.normalized();
}

}  // namespace

struct PaperDc::Paper {
    QPainter* painter = nullptr;
    Rect paperClip;
    bool paperClipSet = false;
    // The open chain of lines, in device pixels, and the pen it is drawn with:
    // drawn as one path so that its corners join.
    std::vector<Point> chain;
    Pen chainPen;
    // The raster under an operation that goes to the paper as an image.
    std::vector<std::uint32_t> before;

    // The painter for the next operation, with the device context's clip; the
    // chain drawn first when the clip changes under it.
    QPainter* ready(const PaperDc& dc) {
        if (painter == nullptr) return nullptr;
        if (!paperClipSet || !(dc.clip() == paperClip)) {
            drawChain();
            paperClip = dc.clip();
            paperClipSet = true;
            painter->setClipRect(toQRect(paperClip));
        }
        return painter;
    }

    // The painter for an operation that is not a line of the chain.
    QPainter* readyAlone(const PaperDc& dc) {
        QPainter* p = ready(dc);
        drawChain();
        return p;
    }

    void drawChain() {
        if (painter != nullptr && chain.size() >= 2) {
            const double d = strokeOffset(chainPen);
            QPainterPath path;
            path.moveTo(chain[0].x + d, chain[0].y + d);
            const bool closed = chain.size() > 3 && chain.front() == chain.back();
            const std::size_t end = closed ? chain.size() - 1 : chain.size();
            for (std::size_t i = 1; i < end; ++i) path.lineTo(chain[i].x + d, chain[i].y + d);
            if (closed) path.closeSubpath();
            painter->strokePath(path, toQPen(chainPen));
        }
        chain.clear();
    }

    // Runs `draw` on the raster and puts on the paper, as one image, the pixels of
    // `area` it changed; `opaque` puts the whole area (a bitmap replaces every pixel).
    template <typename Draw>
    void asImage(PaperDc& dc, Rect area, bool opaque, Draw&& draw) {
        QPainter* p = readyAlone(dc);
        Surface& s = dc.surface();
        area = area.intersected(dc.clip()).intersected(s.bounds());
        if (p == nullptr || area.isEmpty()) {
            draw();
            return;
        }
        const int w = area.width();
        if (!opaque) {
            before.resize(static_cast<std::size_t>(w) * area.height());
            for (int y = area.top; y < area.bottom; ++y)
                std::copy(s.raw() + static_cast<std::size_t>(y) * s.width() + area.left,
                          s.raw() + static_cast<std::size_t>(y) * s.width() + area.right,
                          before.begin() + static_cast<std::ptrdiff_t>(y - area.top) * w);
        }
        draw();
        Rect changed = area;
        if (!opaque) {
            changed = {};
            for (int y = area.top; y < area.bottom; ++y) {
                const std::uint32_t* was = before.data() + static_cast<std::size_t>(y - area.top) * w;
                const std::uint32_t* now = s.raw() + static_cast<std::size_t>(y) * s.width() + area.left;
                for (int x = 0; x < w; ++x)
                    if (was[x] != now[x]) changed = changed.united({area.left + x, y, area.left + x + 1, y + 1});
            }
            if (changed.isEmpty()) return;
        }
        QImage image(changed.width(), changed.height(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        for (int y = changed.top; y < changed.bottom; ++y) {
            auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y - changed.top));
            const std::uint32_t* now = s.raw() + static_cast<std::size_t>(y) * s.width();
            const std::uint32_t* was = opaque ? nullptr : before.data() + static_cast<std::size_t>(y - area.top) * w;
            for (int x = changed.left; x < changed.right; ++x)
                to[x - changed.left] = opaque || now[x] != was[x - area.left] ? now[x] : 0u;
        }
        p->drawImage(toQRect(changed), image);
    }

    // The arc of the ellipse in the device box from the radial through s counter-
    // clockwise to the radial through e; `closed` adds the chord and fills with the brush.
    static void curve(PaperDc& dc, QPainter& p, const Rect& box, Point s, Point e, bool closed) {
        const Pen pen = dc.pen();
        const double a = (box.width() - 1) / 2.0;
        const double b = (box.height() - 1) / 2.0;
        const double cx = box.left + a;
        const double cy = box.top + b;
        // The ellipse's own angle of the point where a radial meets it, as the painter counts it.
        const auto angleOf = [&](Point q) {
            double dx = q.x - cx;
            const double dy = q.y - cy;
            if (dx == 0 && dy == 0) dx = 1;
            return std::atan2(-dy * a, dx * b) * kRadToDeg;
        };
        // Doubled coordinates keep the same-radial test exact for half-pixel centres.
        const long long c2x = 2LL * box.left + box.width() - 1;
        const long long c2y = 2LL * box.top + box.height() - 1;
        const long long sx = 2LL * s.x - c2x, sy = 2LL * s.y - c2y;
        const long long ex = 2LL * e.x - c2x, ey = 2LL * e.y - c2y;
        const bool sameRadial = sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0;
        const double start = angleOf(s);
        double sweep = std::fmod(angleOf(e) - start + 720.0, 360.0);
        const bool full = sameRadial || (sx == 0 && sy == 0) || (ex == 0 && ey == 0) || sweep == 0;
        if (full) sweep = 360.0;

        const double d = pen.style == PenStyle::Null ? 0.5 : strokeOffset(pen);
        const QRectF onCentres(box.left + d, box.top + d, box.width() - 1, box.height() - 1);
        QPainterPath path;
        path.arcMoveTo(onCentres, start);
        path.arcTo(onCentres, start, sweep);
        if (closed) path.closeSubpath();
        if (closed && dc.brush().style == BrushStyle::Solid) p.fillPath(path, toQColor(dc.brush().color));
        if (pen.style != PenStyle::Null) p.strokePath(path, toQPen(pen));
    }
};

PaperDc::PaperDc(Surface& page) : Dc(page), m_paper(std::make_unique<Paper>()) {}

PaperDc::~PaperDc() = default;

void PaperDc::setPainter(QPainter* painter) {
    m_paper->drawChain();
    m_paper->painter = painter;
    m_paper->paperClipSet = false;
}

void PaperDc::flush() { m_paper->drawChain(); }

void PaperDc::lineTo(int x, int y) {
    const Point o = viewportOrigin();
    const Point from{currentPosition().x + o.x, currentPosition().y + o.y};
    const Point to{x + o.x, y + o.y};
    const Pen pen = this->pen();
    if (rasterMode() != RasterMode::CopyPen) {
        const Rect bounds = Rect{std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
                                 std::max(from.y, to.y) + 1};
        m_paper->asImage(*this, grownBy(bounds, pen), false, [&] { Dc::lineTo(x, y); });
        return;
    }
    Dc::lineTo(x, y);
    if (pen.style == PenStyle::Null || from == to) return;
    if (m_paper->ready(*this) == nullptr) return;
    Paper& paper = *m_paper;
    const bool continues = !paper.chain.empty() && paper.chain.back() == from && samePen(paper.chainPen, pen);
    if (!continues) {
        paper.drawChain();
        paper.chain.push_back(from);
        paper.chainPen = pen;
    }
    paper.chain.push_back(to);
}

void PaperDc::rectangle(int left, int top, int right, int bottom) {
    const Rect box = deviceBox(left, top, right, bottom, viewportOrigin());
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, grownBy(box, pen()), false, [&] { Dc::rectangle(left, top, right, bottom); });
        return;
    }
    Dc::rectangle(left, top, right, bottom);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr || box.isEmpty()) return;
    const Pen pen = this->pen();
    const bool outlined = pen.style != PenStyle::Null;
    if (brush().style == BrushStyle::Solid) {
        // Without an outline the fill keeps to the box less its last column and row.
        const Rect inner = outlined ? Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}
                                    : Rect{box.left, box.top, box.right - 1, box.bottom - 1};
        if (!inner.isEmpty()) p->fillRect(toQRect(inner), toQColor(brush().color));
    }
    if (!outlined) return;
    if (box.width() == 1 && box.height() == 1) {
        p->fillRect(stampAt(pen, box.left, box.top), toQColor(pen.color));
        return;
    }
    const double d = strokeOffset(pen);
    QPainterPath path;
    if (box.width() == 1 || box.height() == 1) {
        path.moveTo(box.left + d, box.top + d);
        path.lineTo(box.right - 1 + d, box.bottom - 1 + d);
    } else {
        path.addRect(QRectF(box.left + d, box.top + d, box.width() - 1, box.height() - 1));
    }
    p->strokePath(path, toQPen(pen));
}

void PaperDc::fillRect(const Rect& r, Color c) {
    Dc::fillRect(r, c);
    QPainter* p = m_paper->readyAlone(*this);
    const Rect box = deviceBox(r.left, r.top, r.right, r.bottom, viewportOrigin());
    if (p != nullptr && !box.isEmpty()) p->fillRect(toQRect(box), toQColor(c));
}

void PaperDc::ellipse(int left, int top, int right, int bottom) {
    const Rect box = deviceBox(left, top, right, bottom, viewportOrigin());
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, grownBy(box, pen()), false, [&] { Dc::ellipse(left, top, right, bottom); });
        return;
    }
    Dc::ellipse(left, top, right, bottom);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr || box.isEmpty()) return;
    const Pen pen = this->pen();
    const bool outlined = pen.style != PenStyle::Null;
    if (box.width() == 1 && box.height() == 1) {
        if (outlined) p->fillRect(stampAt(pen, box.left, box.top), toQColor(pen.color));
        return;
    }
    const double d = strokeOffset(pen);
    const QRectF onCentres(box.left + d, box.top + d, box.width() - 1, box.height() - 1);
    if (brush().style == BrushStyle::Solid) {
        // The fill alone reaches half a pixel beyond the outermost pixel centres.
        QPainterPath fill;
        fill.addEllipse(outlined ? onCentres : toQRect(box));
        p->fillPath(fill, toQColor(brush().color));
    }
    if (!outlined) return;
    QPainterPath path;
    path.addEllipse(onCentres);
    p->strokePath(path, toQPen(pen));
}

void PaperDc::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const Point o = viewportOrigin();
    const Rect box = deviceBox(left, top, right, bottom, o);
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, grownBy(box, pen()), false, [&] { Dc::arc(left, top, right, bottom, xs, ys, xe, ye); });
        return;
    }
    Dc::arc(left, top, right, bottom, xs, ys, xe, ye);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr || box.isEmpty() || pen().style == PenStyle::Null) return;
    Paper::curve(*this, *p, box, {xs + o.x, ys + o.y}, {xe + o.x, ye + o.y}, false);
}

void PaperDc::chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const Point o = viewportOrigin();
    const Rect box = deviceBox(left, top, right, bottom, o);
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, grownBy(box, pen()), false,
                         [&] { Dc::chord(left, top, right, bottom, xs, ys, xe, ye); });
        return;
    }
    Dc::chord(left, top, right, bottom, xs, ys, xe, ye);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr || box.isEmpty()) return;
    Paper::curve(*this, *p, box, {xs + o.x, ys + o.y}, {xe + o.x, ye + o.y}, true);
}

void PaperDc::polygon(const Point* points, int count) {
    if (points == nullptr || count < 2) return;
    const Point o = viewportOrigin();
    Rect bounds;
    for (int i = 0; i < count; ++i)
        bounds = bounds.united({points[i].x + o.x, points[i].y + o.y, points[i].x + o.x + 1, points[i].y + o.y + 1});
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, grownBy(bounds, pen()), false, [&] { Dc::polygon(points, count); });
        return;
    }
    Dc::polygon(points, count);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr) return;
    const Pen pen = this->pen();
    if (brush().style == BrushStyle::Solid) {
        // The interior is the pixel centres inside the corner points, by the even-odd rule.
        QPainterPath fill;
        fill.setFillRule(Qt::OddEvenFill);
        fill.moveTo(points[0].x + o.x, points[0].y + o.y);
        for (int i = 1; i < count; ++i) fill.lineTo(points[i].x + o.x, points[i].y + o.y);
        fill.closeSubpath();
        p->fillPath(fill, toQColor(brush().color));
    }
    if (pen.style == PenStyle::Null) return;
    const double d = strokeOffset(pen);
    QPainterPath path;
    path.moveTo(points[0].x + o.x + d, points[0].y + o.y + d);
    for (int i = 1; i < count; ++i) path.lineTo(points[i].x + o.x + d, points[i].y + o.y + d);
    path.closeSubpath();
    p->strokePath(path, toQPen(pen));
}

void PaperDc::setPixel(int x, int y, Color c) {
    const Point o = viewportOrigin();
    if (rasterMode() != RasterMode::CopyPen) {
        m_paper->asImage(*this, {x + o.x, y + o.y, x + o.x + 1, y + o.y + 1}, false, [&] { Dc::setPixel(x, y, c); });
        return;
    }
    Dc::setPixel(x, y, c);
    if (QPainter* p = m_paper->readyAlone(*this)) p->fillRect(QRectF(x + o.x, y + o.y, 1, 1), toQColor(c));
}

void PaperDc::floodFillSurface(int x, int y, Color surfaceColor) {
    m_paper->asImage(*this, clip(), false, [&] { Dc::floodFillSurface(x, y, surfaceColor); });
}

void PaperDc::textOut(int x, int y, const std::string& text) {
    Dc::textOut(x, y, text);
    QPainter* p = m_paper->readyAlone(*this);
    if (p == nullptr || text.empty() || clip().isEmpty()) return;
    QFont qfont = toolkitFont(font());
    const QFontMetrics metrics(qfont);
    const QString s = QString::fromUtf8(TextCodec1250::toUtf8(text).c_str());
    // The box is laid out as on the screen, so that aligned texts keep their anchors.
    const int width = textExtent(text).x;
    const int ascent = metrics.ascent();
    const int cell = ascent + metrics.descent();
    int bx = 0;
    switch (textAlign() & kAlignCenter) {
        case kAlignRight: bx = -width; break;
        case kAlignCenter: bx = -width / 2; break;
        default: break;
    }
    int by = 0;
    switch (textAlign() & kAlignBaseline) {
        case kAlignBottom: by = -cell; break;
        case kAlignBaseline: by = -ascent; break;
        default: break;
    }
    // Paper takes the outlines as they are: smooth, and without the screen's hinting.
    qfont.setStyleStrategy(QFont::PreferDefault);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    const Point o = viewportOrigin();
    p->save();
    p->translate(x + o.x, y + o.y);
    if (font().escapement % 3600 != 0) p->rotate(-font().escapement / 10.0);
    if (!backgroundTransparent()) p->fillRect(QRectF(bx, by, width, cell), toQColor(backgroundColor()));
    p->setFont(qfont);
    p->setPen(toQColor(textColor()));
    p->drawText(QPointF(bx, by + ascent), s);
    p->restore();
}

void PaperDc::blit(int x, int y, int width, int height, const Surface& source, int sx, int sy) {
    const Point o = viewportOrigin();
    const int dx = x + o.x;
    const int dy = y + o.y;
    const Rect area = Rect{dx, dy, dx + width, dy + height}.intersected(
        {dx - sx, dy - sy, dx - sx + source.width(), dy - sy + source.height()});
    m_paper->asImage(*this, area, true, [&] { Dc::blit(x, y, width, height, source, sx, sy); });
}

void PaperDc::stretchBlit(const Rect& dest, const Surface& source) {
    const Rect area = source.isNull() ? Rect{} : deviceBox(dest.left, dest.top, dest.right, dest.bottom, viewportOrigin());
    m_paper->asImage(*this, area, true, [&] { Dc::stretchBlit(dest, source); });
}

}  // namespace velk
