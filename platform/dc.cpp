#include "platform/dc.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/app.h"
#include "platform/dc_paper.h"
#include "platform/text1250.h"

namespace velk {

namespace {

struct ScreenFont;

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr std::uint32_t kAlpha = 0xff000000u;
constexpr std::uint32_t kRgbBits = 0x00ffffffu;
// Cell height of a font created with height 0.
constexpr int kDefaultCellHeight = 16;

inline std::uint32_t combine(std::uint32_t dest, std::uint32_t src, bool notXor) {
    return notXor ? (kAlpha | (~(src ^ dest) & kRgbBits)) : src;
}

bool sameFont(const Font& a, const Font& b) {
    return a.height == b.height && a.escapement == b.escapement && a.weight == b.weight && a.italic == b.italic &&
           a.underline == b.underline && a.face == b.face;
}

inline int roundToInt(double v) { return static_cast<int>(std::floor(v + 0.5)); }

double normalizedAngle(double a) {
    a = std::fmod(a, kTwoPi);
    if (a < 0) a += kTwoPi;
    return a;
}

}  // namespace

struct Dc::Impl {
    // One pixel of a curve's outline, with its position along the curve.
    struct CurvePixel {
        double along;
        int x;
        int y;
    };
    // One row of an ellipse: the whole span, and the outline runs at its two ends.
    struct EllipseRow {
        int left;
        int right;
        int leftRunEnd;     // last pixel of the left outline run
        int rightRunStart;  // first pixel of the right outline run
    };
    // The ellipse of a box, as the outline pixels are laid out.
    struct EllipseGeometry {
        int left = 0;
        int top = 0;
        double cx = 0;
        double cy = 0;
        double a = 0;  // half-axes through the outermost pixel centres
        double b = 0;
    };

    std::vector<std::uint8_t> mask;
    Rect maskArea;
    std::vector<EllipseRow> rows;
    std::vector<CurvePixel> curve;
    std::vector<double> crossings;
    std::vector<Point> stack;
    int dotPhase = 0;

    // The selected font as resolved for the screen, looked up when text is first
    // drawn or measured after a selection.
    ScreenFont* screenFont = nullptr;
    // The fonts resolved last: a symbol switches between a few fonts for every
    // text it draws, and each comes back resolved without building its key.
    struct RecentFont {
        Font font;
        ScreenFont* screen = nullptr;
    };
    static constexpr int kRecentFonts = 4;
    RecentFont recent[kRecentFonts];
    int recentNext = 0;
    ScreenFont& fontFor(const Font& f);

    // --- writing pixels ---------------------------------------------------------------

    // Where the pen of one drawing operation goes: straight onto the surface, or, when
    // each pixel must be combined only once (NotXorPen), into a mask written at the end.
    class PenWriter {
    public:
        // `mayRepeat`: the path may visit a pixel twice, or overlap the fill.
        PenWriter(Dc& dc, Impl& im, const Rect& clip, const Rect& pathBounds, bool mayRepeat)
            : m_dc(dc), m_im(im), m_clip(clip) {
            const Pen& pen = dc.m_pen;
            m_raw = Surface::toRaw(pen.color);
            m_notXor = dc.m_rop == RasterMode::NotXorPen;
            m_width = std::max(1, pen.width);
            m_dotted = pen.style == PenStyle::Dot && m_width == 1;
            m_enabled = pen.style != PenStyle::Null;
            m_lo = -(m_width - 1) / 2;
            m_hi = m_width / 2;
            m_useMask = m_notXor && m_enabled && (mayRepeat || m_width > 1);
            if (m_useMask) {
                const Rect area = Rect{pathBounds.left + m_lo, pathBounds.top + m_lo, pathBounds.right + m_hi,
                                       pathBounds.bottom + m_hi}
                                      .intersected(clip);
                m_im.beginMask(area);
            }
        }
        bool enabled() const { return m_enabled; }
        bool usesMask() const { return m_useMask; }
        // A filled shape: fill first and outline over it; with the mask the outline is
        // gathered first so the fill can leave its pixels alone, then both are written.
        template <typename Outline, typename Interior>
        void drawShape(Outline&& outline, Interior&& interior) {
            if (m_useMask) {
                outline();
                interior(true);
                finish();
            } else {
                interior(false);
                outline();
            }
        }
        // One pixel of the path, in path order.
        void path(int x, int y) {
            if (!m_enabled) return;
            if (m_dotted) {
                const bool on = (m_im.dotPhase & 1) == 0;
                ++m_im.dotPhase;
                if (!on) return;
            }
            if (m_width == 1) {
                mark(x, y);
                return;
            }
            for (int dy = m_lo; dy <= m_hi; ++dy)
                for (int dx = m_lo; dx <= m_hi; ++dx) mark(x + dx, y + dy);
        }
        // Writes what the mask collected.
        void finish() {
            if (!m_useMask) return;
            const Rect& area = m_im.maskArea;
            Surface& s = *m_dc.m_surface;
            const int w = area.width();
            for (int y = area.top; y < area.bottom; ++y) {
                std::uint8_t* row = m_im.mask.data() + static_cast<std::size_t>(y - area.top) * w;
                for (int x = area.left; x < area.right; ++x) {
                    if (row[x - area.left] == 0) continue;
                    s.setRawAt(x, y, combine(s.rawAt(x, y), m_raw, true));
                }
            }
            m_useMask = false;
        }

    private:
        void mark(int x, int y) {
            if (!m_clip.contains(x, y)) return;
            if (m_useMask) {
                const Rect& area = m_im.maskArea;
                if (!area.contains(x, y)) return;
                m_im.mask[static_cast<std::size_t>(y - area.top) * area.width() + (x - area.left)] = 1;
                return;
            }
            Surface& s = *m_dc.m_surface;
            s.setRawAt(x, y, combine(s.rawAt(x, y), m_raw, m_notXor));
        }

        Dc& m_dc;
        Impl& m_im;
        Rect m_clip;
        std::uint32_t m_raw = 0;
        bool m_notXor = false;
        bool m_dotted = false;
        bool m_enabled = true;
        bool m_useMask = false;
        int m_width = 1;
        int m_lo = 0;
        int m_hi = 0;
    };

    void beginMask(const Rect& area) {
        maskArea = area.isEmpty() ? Rect{} : area;
        const std::size_t n = static_cast<std::size_t>(std::max(0, maskArea.width())) *
                              static_cast<std::size_t>(std::max(0, maskArea.height()));
        if (mask.size() < n) mask.resize(n);
        std::fill(mask.begin(), mask.begin() + static_cast<std::ptrdiff_t>(n), std::uint8_t{0});
    }

    bool masked(int x, int y) const {
        if (!maskArea.contains(x, y)) return false;
        return mask[static_cast<std::size_t>(y - maskArea.top) * maskArea.width() + (x - maskArea.left)] != 0;
    }

    static Rect clipOf(const Dc& dc) { return dc.m_clip.intersected(dc.m_surface->bounds()); }

    // Fills the pixels x0..x1 (inclusive) of row y with the brush, leaving out the
    // pixels the pen's mask holds so that each is combined once.
    static void brushSpan(Dc& dc, const Rect& clip, int y, int x0, int x1, bool skipMasked) {
        if (y < clip.top || y >= clip.bottom) return;
        x0 = std::max(x0, clip.left);
        x1 = std::min(x1, clip.right - 1);
        if (x0 > x1) return;
        Surface& s = *dc.m_surface;
        const std::uint32_t raw = Surface::toRaw(dc.m_brush.color);
        const bool notXor = dc.m_rop == RasterMode::NotXorPen;
        Impl& im = *dc.m_impl;
        std::uint32_t* row = s.raw() + static_cast<std::size_t>(y) * s.width();
        for (int x = x0; x <= x1; ++x) {
            if (skipMasked && im.masked(x, y)) continue;
            row[x] = combine(row[x], raw, notXor);
        }
    }

    static bool brushFills(const Dc& dc) { return dc.m_brush.style == BrushStyle::Solid; }

    // --- paths ------------------------------------------------------------------------

    // The pixels from (x0, y0) towards (x1, y1), the end pixel left out.
    static void linePath(PenWriter& w, int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        int x = x0;
        int y = y0;
        while (x != x1 || y != y1) {
            w.path(x, y);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }

    static Rect boundsOf(const Point* pts, int count) {
        Rect r{pts[0].x, pts[0].y, pts[0].x + 1, pts[0].y + 1};
        for (int i = 1; i < count; ++i) r = r.united({pts[i].x, pts[i].y, pts[i].x + 1, pts[i].y + 1});
        return r;
    }

    // Lays out the rows of the ellipse inscribed in the device box [l, r) x [t, b):
    // a pixel belongs to the ellipse when its centre lies inside the ellipse through
    // the outermost pixel centres grown by half a pixel, which keeps small circles
    // round and large ones without a point at the top.
    void layoutEllipse(int l, int t, int r, int b, EllipseGeometry& g) {
        const int w = r - l;
        const int h = b - t;
        g.left = l;
        g.top = t;
        g.a = (w - 1) / 2.0;
        g.b = (h - 1) / 2.0;
        g.cx = l + g.a;
        g.cy = t + g.b;
        const double ra2 = g.a * g.a + g.a;
        const double rb2 = g.b * g.b + g.b;
        const int maxOff = static_cast<int>(std::floor(g.a));
        rows.resize(static_cast<std::size_t>(h));
        for (int j = 0; j < h; ++j) {
            const double dy = j - g.b;
            const double v = rb2 > 0 ? 1.0 - dy * dy / rb2 : 1.0;
            const double half = std::sqrt(std::max(0.0, ra2 * v));
            int off = static_cast<int>(std::floor(g.a - half)) + 1;
            off = std::clamp(off, 0, maxOff);
            rows[static_cast<std::size_t>(j)] = {l + off, r - 1 - off, 0, 0};
        }
        for (int j = 0; j < h; ++j) {
            EllipseRow& row = rows[static_cast<std::size_t>(j)];
            if (j == 0 || j == h - 1) {
                row.leftRunEnd = row.right;
                row.rightRunStart = row.left;
                continue;
            }
            const int inward = std::max(rows[static_cast<std::size_t>(j - 1)].left,
                                        rows[static_cast<std::size_t>(j + 1)].left);
            const int runEnd = std::max(row.left, inward - 1);
            const int runStart = row.right - (runEnd - row.left);
            if (runEnd + 1 >= runStart) {
                row.leftRunEnd = row.right;
                row.rightRunStart = row.left;
            } else {
                row.leftRunEnd = runEnd;
                row.rightRunStart = runStart;
            }
        }
    }

    // Angle of a point seen from the centre, counter-clockwise as on the screen.
    static double angleOf(const EllipseGeometry& g, double x, double y) {
        const double dx = x - g.cx;
        const double dy = g.cy - y;
        if (dx == 0 && dy == 0) return 0;
        return normalizedAngle(std::atan2(dy, dx));
    }

    // Collects the outline pixels of the laid-out ellipse; with `measured`, each with
    // its angle counted on from `start` (arcs and dotted pens need it).
    void collectCurve(const EllipseGeometry& g, double start, bool measured) {
        curve.clear();
        const int h = static_cast<int>(rows.size());
        for (int j = 0; j < h; ++j) {
            const EllipseRow& row = rows[static_cast<std::size_t>(j)];
            const int y = g.top + j;
            const auto add = [&](int x) {
                curve.push_back({measured ? normalizedAngle(angleOf(g, x, y) - start) : 0.0, x, y});
            };
            if (row.leftRunEnd >= row.right) {
                for (int x = row.left; x <= row.right; ++x) add(x);
            } else {
                for (int x = row.left; x <= row.leftRunEnd; ++x) add(x);
                for (int x = row.rightRunStart; x <= row.right; ++x) add(x);
            }
        }
    }

    // Where the radial through (x, y) meets the ellipse, to the nearest pixel.
    static Point radialPoint(const EllipseGeometry& g, int x, int y) {
        double dx = x - g.cx;
        double dy = y - g.cy;
        if (dx == 0 && dy == 0) dx = 1;
        const double ex = g.a > 0 ? dx / g.a : (dx != 0 ? 1e300 : 0);
        const double ey = g.b > 0 ? dy / g.b : (dy != 0 ? 1e300 : 0);
        const double k = 1.0 / std::sqrt(ex * ex + ey * ey);
        return {roundToInt(g.cx + k * dx), roundToInt(g.cy + k * dy)};
    }

    // The counter-clockwise sweep from the radial through s to the radial through e;
    // a full turn when both radials are the same.
    static double sweepOf(const EllipseGeometry& g, int xs, int ys, int xe, int ye, double& start) {
        // Doubled coordinates keep the same-radial test exact for half-pixel centres.
        const std::int64_t c2x = 2LL * g.left + static_cast<std::int64_t>(std::llround(2 * g.a));
        const std::int64_t c2y = 2LL * g.top + static_cast<std::int64_t>(std::llround(2 * g.b));
        const std::int64_t sx = 2LL * xs - c2x, sy = 2LL * ys - c2y;
        const std::int64_t ex = 2LL * xe - c2x, ey = 2LL * ye - c2y;
        start = angleOf(g, xs, ys);
        const bool sameRadial = sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0;
        if (sameRadial || (sx == 0 && sy == 0) || (ex == 0 && ey == 0)) return kTwoPi;
        const double sweep = normalizedAngle(angleOf(g, xe, ye) - start);
        return sweep == 0 ? kTwoPi : sweep;
    }

    // Draws the arc of the box [l, r) x [t, b) in device coordinates; when `closed`
    // the chord joins its ends and the brush fills the part the arc bounds.
    static void drawCurve(Dc& dc, Rect box, int xs, int ys, int xe, int ye, bool closed) {
        Impl& im = *dc.m_impl;
        box = box.normalized();
        if (box.isEmpty()) return;
        const Rect clip = clipOf(dc);
        EllipseGeometry g;
        im.layoutEllipse(box.left, box.top, box.right, box.bottom, g);
        double start = 0;
        const double sweep = sweepOf(g, xs, ys, xe, ye, start);
        const bool full = sweep >= kTwoPi;
        const Point s = radialPoint(g, xs, ys);
        const Point e = radialPoint(g, xe, ye);

        PenWriter w(dc, im, clip, box, true);
        im.dotPhase = 0;
        const auto outline = [&]() {
            if (!w.enabled()) return;
            im.collectCurve(g, start, true);
            if (dc.m_pen.style == PenStyle::Dot) {
                std::sort(im.curve.begin(), im.curve.end(),
                          [](const CurvePixel& p, const CurvePixel& q) { return p.along < q.along; });
            }
            for (const CurvePixel& p : im.curve) {
                if (full || p.along <= sweep + 1e-12) w.path(p.x, p.y);
            }
            if (closed && !full) {
                linePath(w, e.x, e.y, s.x, s.y);
                w.path(s.x, s.y);
            }
        };
        const auto interior = [&](bool skipMasked) {
            if (!closed || !brushFills(dc)) return;
            // The filled part lies on the side of the chord where the arc's middle is.
            const double mid = start + sweep / 2;
            const double mx = g.cx + g.a * std::cos(mid);
            const double my = g.cy - g.b * std::sin(mid);
            const double ux = e.x - s.x, uy = e.y - s.y;
            const double side = ux * (my - s.y) - uy * (mx - s.x);
            const int h = static_cast<int>(im.rows.size());
            for (int j = 0; j < h; ++j) {
                const EllipseRow& row = im.rows[static_cast<std::size_t>(j)];
                const int y = g.top + j;
                if (full) {
                    brushSpan(dc, clip, y, row.left, row.right, skipMasked);
                    continue;
                }
                // The chord's half-plane cuts the row in one run.
                int runStart = row.right + 1;
                for (int x = row.left; x <= row.right + 1; ++x) {
                    const bool inside = x <= row.right && (ux * (y - s.y) - uy * (x - s.x)) * side >= 0;
                    if (inside && runStart > row.right) runStart = x;
                    if (!inside && runStart <= row.right) {
                        brushSpan(dc, clip, y, runStart, x - 1, skipMasked);
                        runStart = row.right + 1;
                    }
                }
            }
        };
        w.drawShape(outline, interior);
    }
};

// --- fonts --------------------------------------------------------------------------

Font Font::fromPointSize(int tenthsOfPoint, const std::string& face) {
    Font f;
    f.face = face;
    // Tenths of a point to pixels at 96 dots per inch, rounded half away from zero.
    const long long scaled = 96LL * std::llabs(static_cast<long long>(tenthsOfPoint));
    f.height = -static_cast<int>((scaled + 360) / 720);
    return f;
}

// --- construction and state ---------------------------------------------------------

Dc::Dc(Surface& surface) : m_surface(&surface), m_clip(surface.bounds()), m_impl(std::make_unique<Impl>()) {}

Dc::~Dc() = default;

void Dc::setClip(const Rect& deviceRect) { m_clip = deviceRect.normalized().intersected(m_surface->bounds()); }

Pen Dc::selectPen(const Pen& pen) {
    Pen old = m_pen;
    m_pen = pen;
    m_impl->dotPhase = 0;
    return old;
}

Brush Dc::selectBrush(const Brush& brush) {
    Brush old = m_brush;
    m_brush = brush;
    return old;
}

Font Dc::selectFont(const Font& font) {
    Font old = m_font;
    m_font = font;
    m_impl->screenFont = nullptr;
    return old;
}

Color Dc::setTextColor(Color c) {
    const Color old = m_textColor;
    m_textColor = c;
    return old;
}

int Dc::setTextAlign(int flags) {
    const int old = m_textAlign;
    m_textAlign = flags;
    return old;
}

RasterMode Dc::setRasterMode(RasterMode mode) {
    const RasterMode old = m_rop;
    m_rop = mode;
    return old;
}

// --- pixels -------------------------------------------------------------------------

void Dc::plot(int x, int y, Color c) {
    if (!Impl::clipOf(*this).contains(x, y)) return;
    m_surface->setRawAt(x, y,
                        combine(m_surface->rawAt(x, y), Surface::toRaw(c), m_rop == RasterMode::NotXorPen));
}

void Dc::setPixel(int x, int y, Color c) { plot(x + m_origin.x, y + m_origin.y, c); }

Color Dc::getPixel(int x, int y) const {
    const int dx = x + m_origin.x;
    const int dy = y + m_origin.y;
    if (!Impl::clipOf(*this).contains(dx, dy)) return Surface::kInvalidColor;
    return m_surface->pixel(dx, dy);
}

void Dc::fillRect(const Rect& r, Color c) {
    const Rect n = r.normalized();
    const Rect device{n.left + m_origin.x, n.top + m_origin.y, n.right + m_origin.x, n.bottom + m_origin.y};
    m_surface->fillRect(device.intersected(Impl::clipOf(*this)), c);
}

// --- lines and shapes ---------------------------------------------------------------

void Dc::moveTo(int x, int y) {
    m_current = {x, y};
    m_impl->dotPhase = 0;
}

void Dc::lineTo(int x, int y) {
    const Point from{m_current.x + m_origin.x, m_current.y + m_origin.y};
    const Point to{x + m_origin.x, y + m_origin.y};
    m_current = {x, y};
    if (m_pen.style == PenStyle::Null || from == to) return;
    // Most strokes are level or upright and drawn with a plain one-pixel pen: the
    // pixels the stepping below would visit, written as one clipped run.
    if ((from.x == to.x || from.y == to.y) && m_pen.style == PenStyle::Solid && m_pen.width <= 1 &&
        m_rop == RasterMode::CopyPen) {
        const bool level = from.y == to.y;
        const int a = level ? from.x : from.y;
        const int b = level ? to.x : to.y;
        // Every pixel from the start up to, but not including, the end.
        const int lo = a < b ? a : b + 1;
        const int hi = a < b ? b - 1 : a;
        const Rect span = level ? Rect{lo, from.y, hi + 1, from.y + 1} : Rect{from.x, lo, from.x + 1, hi + 1};
        m_surface->fillRect(span.intersected(Impl::clipOf(*this)), m_pen.color);
        return;
    }
    const Point ends[2] = {from, to};
    Impl::PenWriter w(*this, *m_impl, Impl::clipOf(*this), Impl::boundsOf(ends, 2), false);
    Impl::linePath(w, from.x, from.y, to.x, to.y);
    w.finish();
}

void Dc::rectangle(int left, int top, int right, int bottom) {
    const Rect box = Rect{left + m_origin.x, top + m_origin.y, right + m_origin.x, bottom + m_origin.y}.normalized();
    if (box.isEmpty()) return;
    const Rect clip = Impl::clipOf(*this);
    const bool outlined = m_pen.style != PenStyle::Null;
    const bool thin = box.width() == 1 || box.height() == 1;
    Impl::PenWriter w(*this, *m_impl, clip, box, thin);
    const auto interior = [&](bool skipMasked) {
        if (!Impl::brushFills(*this)) return;
        // Without an outline the fill keeps to the box less its last column and row.
        const Rect inner = outlined ? Rect{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}
                                    : Rect{box.left, box.top, box.right - 1, box.bottom - 1};
        for (int y = inner.top; y < inner.bottom; ++y)
            Impl::brushSpan(*this, clip, y, inner.left, inner.right - 1, skipMasked);
    };
    const auto outline = [&]() {
        if (!outlined) return;
        m_impl->dotPhase = 0;
        const int r = box.right - 1;
        const int b = box.bottom - 1;
        const Point corners[5] = {{box.left, box.top}, {r, box.top}, {r, b}, {box.left, b}, {box.left, box.top}};
        if (thin) {
            // A box one pixel wide or high is a single stroke.
            Impl::linePath(w, box.left, box.top, r, b);
            w.path(r, b);
            return;
        }
        for (int i = 0; i < 4; ++i) Impl::linePath(w, corners[i].x, corners[i].y, corners[i + 1].x, corners[i + 1].y);
    };
    w.drawShape(outline, interior);
}

void Dc::ellipse(int left, int top, int right, int bottom) {
    const Rect box = Rect{left + m_origin.x, top + m_origin.y, right + m_origin.x, bottom + m_origin.y}.normalized();
    if (box.isEmpty()) return;
    Impl& im = *m_impl;
    const Rect clip = Impl::clipOf(*this);
    Impl::EllipseGeometry g;
    im.layoutEllipse(box.left, box.top, box.right, box.bottom, g);
    const bool outlined = m_pen.style != PenStyle::Null;
    Impl::PenWriter w(*this, im, clip, box, false);
    const auto interior = [&](bool skipMasked) {
        if (!Impl::brushFills(*this)) return;
        for (std::size_t j = 0; j < im.rows.size(); ++j) {
            const Impl::EllipseRow& row = im.rows[j];
            const int y = g.top + static_cast<int>(j);
            if (!outlined)
                Impl::brushSpan(*this, clip, y, row.left, row.right, skipMasked);
            else if (row.leftRunEnd < row.right)
                Impl::brushSpan(*this, clip, y, row.leftRunEnd + 1, row.rightRunStart - 1, skipMasked);
        }
    };
    const auto outline = [&]() {
        if (!outlined) return;
        im.dotPhase = 0;
        if (m_pen.style != PenStyle::Dot) {
            // Without dots the order does not matter: the outline runs row by row.
            for (std::size_t j = 0; j < im.rows.size(); ++j) {
                const Impl::EllipseRow& row = im.rows[j];
                const int y = g.top + static_cast<int>(j);
                if (row.leftRunEnd >= row.right) {
                    for (int x = row.left; x <= row.right; ++x) w.path(x, y);
                } else {
                    for (int x = row.left; x <= row.leftRunEnd; ++x) w.path(x, y);
                    for (int x = row.rightRunStart; x <= row.right; ++x) w.path(x, y);
                }
            }
            return;
        }
        // Dots follow the curve round from its start.
        im.collectCurve(g, 0, true);
        std::sort(im.curve.begin(), im.curve.end(),
                  [](const Impl::CurvePixel& p, const Impl::CurvePixel& q) { return p.along < q.along; });
        for (const Impl::CurvePixel& p : im.curve) w.path(p.x, p.y);
    };
    w.drawShape(outline, interior);
}

void Dc::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    if (m_pen.style == PenStyle::Null) return;
    const Point o = m_origin;
    Impl::drawCurve(*this, {left + o.x, top + o.y, right + o.x, bottom + o.y}, xs + o.x, ys + o.y, xe + o.x, ye + o.y,
                 false);
}

void Dc::chord(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) {
    const Point o = m_origin;
    Impl::drawCurve(*this, {left + o.x, top + o.y, right + o.x, bottom + o.y}, xs + o.x, ys + o.y, xe + o.x, ye + o.y,
                 true);
}

void Dc::polygon(const Point* points, int count) {
    if (points == nullptr || count < 2) return;
    Impl& im = *m_impl;
    std::vector<Point> pts(points, points + count);
    for (Point& p : pts) {
        p.x += m_origin.x;
        p.y += m_origin.y;
    }
    const Rect clip = Impl::clipOf(*this);
    const Rect bounds = Impl::boundsOf(pts.data(), count);
    Impl::PenWriter w(*this, im, clip, bounds, true);
    const auto interior = [&](bool skipMasked) {
        if (!Impl::brushFills(*this)) return;
        const int y0 = std::max(bounds.top, clip.top);
        const int y1 = std::min(bounds.bottom, clip.bottom);
        for (int y = y0; y < y1; ++y) {
            // Pixel centres inside by the even-odd rule.
            const double sy = y + 0.5;
            im.crossings.clear();
            for (int i = 0; i < count; ++i) {
                const Point& p = pts[static_cast<std::size_t>(i)];
                const Point& q = pts[static_cast<std::size_t>((i + 1) % count)];
                if ((p.y <= sy) == (q.y <= sy)) continue;
                im.crossings.push_back(p.x + (sy - p.y) * (q.x - p.x) / static_cast<double>(q.y - p.y));
            }
            std::sort(im.crossings.begin(), im.crossings.end());
            for (std::size_t k = 0; k + 1 < im.crossings.size(); k += 2) {
                const int xa = static_cast<int>(std::ceil(im.crossings[k] - 0.5));
                const int xb = static_cast<int>(std::ceil(im.crossings[k + 1] - 0.5)) - 1;
                Impl::brushSpan(*this, clip, y, xa, xb, skipMasked);
            }
        }
    };
    const auto outline = [&]() {
        im.dotPhase = 0;
        for (int i = 0; i < count; ++i) {
            const Point& p = pts[static_cast<std::size_t>(i)];
            const Point& q = pts[static_cast<std::size_t>((i + 1) % count)];
            Impl::linePath(w, p.x, p.y, q.x, q.y);
        }
    };
    w.drawShape(outline, interior);
}

void Dc::floodFillSurface(int x, int y, Color surfaceColor) {
    if (m_brush.style != BrushStyle::Solid) return;
    const Rect clip = Impl::clipOf(*this);
    const int sx = x + m_origin.x;
    const int sy = y + m_origin.y;
    if (!clip.contains(sx, sy)) return;
    const std::uint32_t target = Surface::toRaw(surfaceColor);
    const std::uint32_t paint = Surface::toRaw(m_brush.color);
    if (target == paint || m_surface->rawAt(sx, sy) != target) return;
    Surface& s = *m_surface;
    std::vector<Point>& stack = m_impl->stack;
    stack.clear();
    stack.push_back({sx, sy});
    // Scan-line fill: each popped seed fills its whole run, then seeds the rows above
    // and below once per run of target pixels.
    while (!stack.empty()) {
        const Point p = stack.back();
        stack.pop_back();
        if (s.rawAt(p.x, p.y) != target) continue;
        int l = p.x;
        int r = p.x;
        while (l - 1 >= clip.left && s.rawAt(l - 1, p.y) == target) --l;
        while (r + 1 < clip.right && s.rawAt(r + 1, p.y) == target) ++r;
        std::uint32_t* row = s.raw() + static_cast<std::size_t>(p.y) * s.width();
        std::fill(row + l, row + r + 1, paint);
        for (int ny : {p.y - 1, p.y + 1}) {
            if (ny < clip.top || ny >= clip.bottom) continue;
            bool inRun = false;
            for (int nx = l; nx <= r; ++nx) {
                const bool match = s.rawAt(nx, ny) == target;
                if (match && !inRun) stack.push_back({nx, ny});
                inRun = match;
            }
        }
    }
}

// --- text ---------------------------------------------------------------------------

namespace {

// Larger glyphs show nothing a sheet needs, and the font engine crawls over them:
// sizes and cells are held to this many pixels.
constexpr int kLargestPixelSize = 4096;

// The pixel size whose cell (ascent plus descent) is the largest not above `cell`.
// The search is bounded, so it ends whatever the cell and the font's metrics.
int pixelSizeForCell(const QFont& base, int cell) {
    cell = std::clamp(cell, 1, kLargestPixelSize);
    QFont probe(base);
    probe.setPixelSize(256);
    const QFontMetricsF ref(probe);
    const double ratio = (ref.ascent() + ref.descent()) / 256.0;
    int px = std::clamp(static_cast<int>(std::lround(cell / (ratio > 0.01 ? ratio : 1.0))), 1, kLargestPixelSize);
    for (int step = 0; step < 64; ++step) {
        probe.setPixelSize(px);
        const QFontMetrics m(probe);
        if (m.ascent() + m.descent() > cell && px > 1) {
            --px;
            continue;
        }
        if (px >= kLargestPixelSize) return px;
        probe.setPixelSize(px + 1);
        const QFontMetrics up(probe);
        if (up.ascent() + up.descent() <= cell) {
            ++px;
            continue;
        }
        return px;
    }
    return px;
}

QFont makeQFont(const Font& f, std::map<std::pair<std::string, int>, int>& cellCache) {
    QFont q(QString::fromStdString(f.face));
    // Glyphs without antialiasing so that text pixels are exact and repeatable.
    q.setStyleStrategy(QFont::NoAntialias);
    // Two-level glyphs are hinted to the pixel grid, which widens them; laid out
    // with the outline's fractional advances they run into each other ("-K" reads
    // "+K"). Full hinting lays them out with the hinted, whole-pixel advances.
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    if (f.weight > 0) q.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight, 100, 900)));
    if (f.height < 0) {
        q.setPixelSize(static_cast<int>(std::min(-static_cast<long long>(f.height), 0LL + kLargestPixelSize)));
    } else {
        const int cell = f.height > 0 ? f.height : kDefaultCellHeight;
        const auto key = std::make_pair(f.face + (f.weight >= 600 ? "|b" : "") + (f.italic ? "|i" : ""), cell);
        auto it = cellCache.find(key);
        if (it == cellCache.end()) it = cellCache.emplace(key, pixelSizeForCell(q, cell)).first;
        q.setPixelSize(it->second);
    }
    return q;
}

QColor toQColor(Color c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

// Text is costly to lay out and to rasterise, and a sheet draws the same few labels
// in the same few fonts in every paint: each font is resolved once, and each text is
// laid out and rasterised once per font and alignment. What a paint then does is
// copy the remembered pixels in the text colour.

// Pixels of one rasterised text as runs along rows, relative to its anchor.
struct PixelRun {
    int dy;
    int dx0;  // first pixel
    int dx1;  // one past the last
};

struct TextPixels {
    bool ready = false;
    bool usable = false;  // false: the text is drawn through the toolkit every time
    std::vector<PixelRun> runs;
};

// The alignments a text box can take: three horizontal by three vertical.
constexpr int kAlignments = 9;

int alignmentIndex(int align) {
    const int h = (align & kAlignCenter) == kAlignRight ? 1 : (align & kAlignCenter) == kAlignCenter ? 2 : 0;
    const int v = (align & kAlignBaseline) == kAlignBottom ? 1 : (align & kAlignBaseline) == kAlignBaseline ? 2 : 0;
    return h * 3 + v;
}

struct ShapedText {
    int width = 0;  // advance width
    TextPixels glyphs[kAlignments];
    TextPixels box[kAlignments];  // the background box, for opaque text
};

// Labels and terminal names are a few characters long and looked up for every
// text drawn: a plain byte-wise hash is enough for them.
struct ShortTextHash {
    std::size_t operator()(const std::string& text) const {
        std::uint64_t h = 1469598103934665603ull;
        for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};

struct ScreenFont {
    ScreenFont(const QFont& f, int turn)
        : qfont(f), metrics(qfont), ascent(metrics.ascent()), cell(metrics.ascent() + metrics.descent()),
          widest(std::max(metrics.maxWidth(), 2 * cell)), escapement(turn) {}
    QFont qfont;
    QFontMetrics metrics;
    int ascent;
    int cell;
    int widest;  // no character advances further than this
    int escapement;
    std::unordered_map<std::string, ShapedText, ShortTextHash> texts;
};

// Remembered texts over all fonts; past this many they are all forgotten.
constexpr std::size_t kMaxShapedTexts = 32768;
// A text whose scratch raster would be larger than this is drawn directly.
constexpr long long kMaxScratchPixels = 4LL << 20;

std::string fontKey(const Font& f) {
    return f.face + '\x1f' + std::to_string(f.height) + '\x1f' + std::to_string(f.escapement) + '\x1f' +
           std::to_string(f.weight) + (f.italic ? "i" : "") + (f.underline ? "u" : "");
}

struct FontCache {
    std::map<std::string, std::unique_ptr<ScreenFont>> fonts;
    std::map<std::pair<std::string, int>, int> cellSizes;
    std::size_t shapedTexts = 0;
};

// Never destroyed: toolkit fonts must not outlive the application object, which
// goes before static objects do.
FontCache& fontCache() {
    static FontCache* cache = new FontCache;
    return *cache;
}

// Fonts stay for the life of the program (a device context may hold one), so
// only the texts are ever forgotten.
ScreenFont& screenFontFor(const Font& f) {
    // Fonts need the toolkit's application object.
    Toolkit::ensureStarted();
    FontCache& cache = fontCache();
    const std::string key = fontKey(f);
    auto it = cache.fonts.find(key);
    if (it == cache.fonts.end())
        it = cache.fonts.emplace(key, std::make_unique<ScreenFont>(makeQFont(f, cache.cellSizes), f.escapement)).first;
    return *it->second;
}

}  // namespace

ScreenFont& Dc::Impl::fontFor(const Font& f) {
    for (const RecentFont& r : recent)
        if (r.screen != nullptr && sameFont(r.font, f)) return *r.screen;
    ScreenFont& screen = screenFontFor(f);
    recent[recentNext] = RecentFont{f, &screen};
    recentNext = (recentNext + 1) % kRecentFonts;
    return screen;
}

namespace {

ShapedText& shapedText(ScreenFont& font, const std::string& text, const QString& shown) {
    auto it = font.texts.find(text);
    if (it != font.texts.end()) return it->second;
    FontCache& cache = fontCache();
    if (cache.shapedTexts >= kMaxShapedTexts) {
        for (auto& entry : cache.fonts) entry.second->texts.clear();
        cache.shapedTexts = 0;
    }
    ++cache.shapedTexts;
    ShapedText& shaped = font.texts[text];
    shaped.width = font.metrics.horizontalAdvance(shown);
    return shaped;
}

// The unrotated text box relative to the anchor.
Point textBoxOrigin(const ScreenFont& font, int width, int align) {
    Point b{0, 0};
    switch (align & kAlignCenter) {
        case kAlignRight: b.x = -width; break;
        case kAlignCenter: b.x = -width / 2; break;
        default: break;
    }
    switch (align & kAlignBaseline) {
        case kAlignBottom: b.y = -font.cell; break;
        case kAlignBaseline: b.y = -font.ascent; break;
        default: break;
    }
    return b;
}

void prepareTextPainter(QPainter& p, int escapement) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    // Escapement turns the text counter-clockwise on the screen, whose y runs down.
    if (escapement % 3600 != 0) p.rotate(-escapement / 10.0);
}

// Rasterises the glyphs (or the background box) of a text, anchored at the origin,
// into a scratch image with room all round, and keeps the pixels as runs. Glyphs
// are drawn with whole-pixel offsets, so the pixels are the same wherever the text
// is later put. Left unusable when a pixel is not plain ink or the ink reaches the
// scratch image's edge.
void rasterise(const ScreenFont& font, const QString& shown, int width, Point box, bool background,
               TextPixels& out) {
    out.ready = true;
    out.usable = false;
    out.runs.clear();
    const int margin = font.cell + 4;
    QTransform turn;
    const int escapement = font.escapement;
    if (escapement % 3600 != 0) turn.rotate(-escapement / 10.0);
    const QRect area = turn.mapRect(QRect(box.x - margin, box.y - margin, width + 2 * margin, font.cell + 2 * margin))
                           .adjusted(-2, -2, 2, 2);
    if (static_cast<long long>(area.width()) * area.height() > kMaxScratchPixels) return;
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.translate(-area.left(), -area.top());
        prepareTextPainter(p, escapement);
        if (background) {
            p.fillRect(QRect(box.x, box.y, width, font.cell), Qt::black);
        } else {
            p.setFont(font.qfont);
            p.setPen(Qt::black);
            p.drawText(QPoint(box.x, box.y + font.ascent), shown);
        }
    }
    constexpr QRgb kPaper = 0xffffffffu;
    constexpr QRgb kInk = 0xff000000u;
    const int w = image.width();
    const int h = image.height();
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < w) {
            if (row[x] == kPaper) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && row[x] == kInk) ++x;
            if (x < w && row[x] != kPaper) return;  // a blended pixel
            if (y == 0 || y == h - 1 || start == 0 || x == w) return;
            out.runs.push_back({y + area.top(), start + area.left(), x + area.left()});
        }
    }
    out.usable = true;
}

}  // namespace

QFont toolkitFont(const Font& font) {
    // Fonts need the toolkit's application object.
    Toolkit::ensureStarted();
    return makeQFont(font, fontCache().cellSizes);
}

Point Dc::textExtent(const std::string& text) const {
    Impl& im = *m_impl;
    if (im.screenFont == nullptr) im.screenFont = &im.fontFor(m_font);
    ScreenFont& font = *im.screenFont;
    const auto it = font.texts.find(text);
    if (it != font.texts.end()) return {it->second.width, font.cell};
    const QString s = QString::fromUtf8(TextCodec1250::toUtf8(text).c_str());
    return {shapedText(font, text, s).width, font.cell};
}

void Dc::textOut(int x, int y, const std::string& text) {
    if (text.empty() || m_surface->isNull()) return;
    const Rect clip = Impl::clipOf(*this);
    if (clip.isEmpty()) return;
    Impl& im = *m_impl;
    if (im.screenFont == nullptr) im.screenFont = &im.fontFor(m_font);
    ScreenFont& font = *im.screenFont;
    const int ax = x + m_origin.x;
    const int ay = y + m_origin.y;

    // A text far outside the clip is left before it is laid out: no character
    // reaches further from the anchor than the widest advance and a cell.
    const auto found = font.texts.find(text);
    if (found == font.texts.end()) {
        const long long reach = static_cast<long long>(text.size()) * font.widest + 2LL * font.cell + 4;
        const long long across = 2LL * font.cell + 4;
        long long rx = reach, ry = reach;
        const int turn = ((m_font.escapement % 3600) + 3600) % 3600;
        if (turn == 0 || turn == 1800) ry = across;
        if (turn == 900 || turn == 2700) rx = across;
        if (ax + rx < clip.left || ax - rx >= clip.right || ay + ry < clip.top || ay - ry >= clip.bottom) return;
    }
    const QString s = found == font.texts.end() ? QString::fromUtf8(TextCodec1250::toUtf8(text).c_str()) : QString();
    ShapedText& shaped = found == font.texts.end() ? shapedText(font, text, s) : found->second;
    const int index = alignmentIndex(m_textAlign);
    const Point box = textBoxOrigin(font, shaped.width, m_textAlign);

    TextPixels& glyphs = shaped.glyphs[index];
    TextPixels* background = m_bkTransparent ? nullptr : &shaped.box[index];
    const auto shownText = [&] {
        return s.isNull() ? QString::fromUtf8(TextCodec1250::toUtf8(text).c_str()) : s;
    };
    // Quarter turns keep glyph positions on whole pixels, so their pixels do not
    // depend on where the text lands; other angles are drawn afresh every time.
    const bool remember = font.escapement % 900 == 0;
    if (remember && !glyphs.ready) rasterise(font, shownText(), shaped.width, box, false, glyphs);
    if (remember && background && !background->ready)
        rasterise(font, shownText(), shaped.width, box, true, *background);

    if (remember && glyphs.usable && (!background || background->usable)) {
        const auto stamp = [&](const TextPixels& pixels, Color c) {
            const std::uint32_t raw = Surface::toRaw(c);
            for (const PixelRun& run : pixels.runs) {
                const int ty = ay + run.dy;
                if (ty < clip.top || ty >= clip.bottom) continue;
                const int x0 = std::max(ax + run.dx0, clip.left);
                const int x1 = std::min(ax + run.dx1, clip.right);
                if (x0 >= x1) continue;
                std::uint32_t* row = m_surface->raw() + static_cast<std::size_t>(ty) * m_surface->width();
                std::fill(row + x0, row + x1, raw);
            }
        };
        if (background) stamp(*background, m_bkColor);
        stamp(glyphs, m_textColor);
        return;
    }

    // Too large or not plain ink: drawn through the toolkit, straight onto the surface.
    QImage image(reinterpret_cast<uchar*>(m_surface->raw()), m_surface->width(), m_surface->height(),
                 m_surface->width() * static_cast<int>(sizeof(std::uint32_t)), QImage::Format_RGB32);
    QPainter p(&image);
    p.setClipRect(QRect(clip.left, clip.top, clip.width(), clip.height()));
    p.translate(ax, ay);
    prepareTextPainter(p, m_font.escapement);
    if (background) p.fillRect(QRect(box.x, box.y, shaped.width, font.cell), toQColor(m_bkColor));
    p.setFont(font.qfont);
    p.setPen(toQColor(m_textColor));
    p.drawText(QPoint(box.x, box.y + font.ascent), shownText());
}

// --- bit-block transfer -------------------------------------------------------------

void Dc::blit(int x, int y, int width, int height, const Surface& source, int sx, int sy) {
    if (width <= 0 || height <= 0) return;
    const Rect clip = Impl::clipOf(*this);
    const int dx0 = x + m_origin.x;
    const int dy0 = y + m_origin.y;
    // Destination pixels whose source pixel exists and which lie inside the clip.
    Rect area{dx0, dy0, dx0 + width, dy0 + height};
    area = area.intersected(clip);
    area = area.intersected({dx0 - sx, dy0 - sy, dx0 - sx + source.width(), dy0 - sy + source.height()});
    if (area.isEmpty()) return;
    for (int ty = area.top; ty < area.bottom; ++ty) {
        const std::uint32_t* from = source.raw() + static_cast<std::size_t>(ty - dy0 + sy) * source.width() +
                                    (area.left - dx0 + sx);
        std::uint32_t* to = m_surface->raw() + static_cast<std::size_t>(ty) * m_surface->width() + area.left;
        std::copy(from, from + area.width(), to);
    }
}

void Dc::stretchBlit(const Rect& dest, const Surface& source) {
    if (source.isNull()) return;
    const int w = dest.right - dest.left;
    const int h = dest.bottom - dest.top;
    if (w == 0 || h == 0) return;
    // A negative width or height mirrors the picture.
    const Rect box = Rect{dest.left + m_origin.x, dest.top + m_origin.y, dest.right + m_origin.x,
                          dest.bottom + m_origin.y}
                         .normalized();
    const Rect area = box.intersected(Impl::clipOf(*this));
    if (area.isEmpty()) return;
    const int aw = std::abs(w);
    const int ah = std::abs(h);
    const std::int64_t sw = source.width();
    const std::int64_t sh = source.height();
    for (int ty = area.top; ty < area.bottom; ++ty) {
        int j = ty - box.top;
        if (h < 0) j = ah - 1 - j;
        // Nearest source pixel to the destination pixel's centre.
        const int srcY = static_cast<int>((2LL * j + 1) * sh / (2LL * ah));
        const std::uint32_t* from = source.raw() + static_cast<std::size_t>(srcY) * source.width();
        std::uint32_t* to = m_surface->raw() + static_cast<std::size_t>(ty) * m_surface->width();
        for (int tx = area.left; tx < area.right; ++tx) {
            int i = tx - box.left;
            if (w < 0) i = aw - 1 - i;
            to[tx] = from[(2LL * i + 1) * sw / (2LL * aw)];
        }
    }
}

}  // namespace velk
