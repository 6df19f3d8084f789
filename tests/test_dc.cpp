// The device context's pixel rules: what each drawing operation puts on the
// surface, exactly, and what it leaves alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/dc.h"
#include "platform/surface.h"
#include "platform/text1250.h"

using namespace velk;

namespace {

constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kGreen = rgb(0, 128, 0);
constexpr Color kGrey = rgb(128, 128, 128);

struct Ink {
    int count = 0;
    Rect bounds;  // empty when there is no ink
};

// Pixels that differ from `background`, and the box around them.
Ink inkOf(const Surface& s, Color background = kWhite, const Rect* within = nullptr) {
    Ink ink;
    const Rect area = within ? within->intersected(s.bounds()) : s.bounds();
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (s.pixel(x, y) == background) continue;
            ++ink.count;
            ink.bounds = ink.bounds.united({x, y, x + 1, y + 1});
        }
    return ink;
}

int countColor(const Surface& s, Color c, const Rect& area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) n += s.pixel(x, y) == c;
    return n;
}

bool sameSurface(const Surface& a, const Surface& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.rawAt(x, y) != b.rawAt(x, y)) return false;
    return true;
}

std::string describe(const Rect& r) {
    return "[" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// A background in which no pixel has a colour the primitives draw with.
void paintPattern(Surface& s) {
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, rgb(100 + (x * 7) % 120, 90 + (y * 11) % 130, 140 + (x + y) % 90));
}

Pen solidPen(Color c, int width = 1) { return {PenStyle::Solid, width, c}; }

// Every drawing operation once, inside the box (2, 2)-(70, 70), each with its own pen and brush.
struct Primitive {
    const char* name;
    bool followsRasterMode;  // text, fills and transfers always copy
    std::function<void(Dc&)> draw;
};

const std::vector<Primitive>& primitives() {
    static const Surface stamp = [] {
        Surface s(6, 5, kBlue);
        s.setPixel(0, 0, kRed);
        s.setPixel(5, 4, kGreen);
        return s;
    }();
    static const std::vector<Primitive> list = {
        {"line", true, [](Dc& dc) { dc.moveTo(3, 4); dc.lineTo(60, 41); }},
        {"dotted polyline", true,
         [](Dc& dc) {
             dc.selectPen({PenStyle::Dot, 1, kBlack});
             dc.moveTo(5, 60);
             dc.lineTo(30, 10);
             dc.lineTo(31, 40);
             dc.lineTo(60, 62);
         }},
        {"wide line", true,
         [](Dc& dc) {
             dc.selectPen(solidPen(kBlack, 4));
             dc.moveTo(8, 8);
             dc.lineTo(50, 31);
         }},
        {"hollow rectangle", true,
         [](Dc& dc) {
             dc.selectBrush(Brush::hollow());
             dc.rectangle(4, 6, 61, 40);
         }},
        {"filled rectangle", true,
         [](Dc& dc) {
             dc.selectBrush(Brush::solid(kBlue));
             dc.rectangle(10, 12, 45, 66);
         }},
        {"filled ellipse", true,
         [](Dc& dc) {
             dc.selectBrush(Brush::solid(kBlue));
             dc.ellipse(5, 9, 64, 50);
         }},
        {"dotted hollow ellipse", true,
         [](Dc& dc) {
             dc.selectPen({PenStyle::Dot, 1, kBlack});
             dc.selectBrush(Brush::hollow());
             dc.ellipse(6, 6, 66, 66);
         }},
        {"wide filled ellipse", true,
         [](Dc& dc) {
             dc.selectPen(solidPen(kBlack, 3));
             dc.selectBrush(Brush::solid(kGreen));
             dc.ellipse(10, 10, 52, 40);
         }},
        {"arc", true, [](Dc& dc) { dc.arc(5, 5, 65, 55, 65, 30, 5, 5); }},
        {"filled chord", true,
         [](Dc& dc) {
             dc.selectBrush(Brush::solid(kBlue));
             dc.chord(5, 5, 65, 55, 60, 50, 10, 5);
         }},
        {"filled polygon", true,
         [](Dc& dc) {
             const Point star[] = {{35, 4}, {50, 66}, {4, 26}, {66, 26}, {18, 66}};
             dc.selectBrush(Brush::solid(kGreen));
             dc.polygon(star, 5);
         }},
        {"pixels", true,
         [](Dc& dc) {
             for (int i = 0; i < 30; ++i) dc.setPixel(5 + 2 * i, 5 + i, kRed);
         }},
        {"fill rectangle", false, [](Dc& dc) { dc.fillRect({12, 14, 44, 33}, kRed); }},
        {"flood fill inside an outline", false,
         [](Dc& dc) {
             dc.selectBrush(Brush::hollow());
             dc.rectangle(8, 8, 60, 50);
             dc.selectBrush(Brush::solid(kGreen));
             dc.floodFillSurface(30, 30, dc.getPixel(30, 30));
         }},
        {"text", false,
         [](Dc& dc) {
             dc.selectFont({"Arial", 14, 0});
             dc.setBackgroundTransparent(true);
             dc.textOut(6, 20, "Kq1");
             dc.selectFont({"Arial", 14, 900});
             dc.textOut(50, 60, "-K2");
         }},
        {"blit and stretch", false,
         [](Dc& dc) {
             dc.blit(4, 4, 6, 5, stamp, 0, 0);
             dc.stretchBlit({20, 30, 44, 50}, stamp);
         }},
    };
    return list;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Lines

TEST(DcLine, LineToLeavesOutTheEndPixel) {
    struct Row {
        const char* name;
        Point from, to;
    };
    const Row rows[] = {
        {"horizontal", {5, 10}, {25, 10}},  {"horizontal leftwards", {25, 10}, {5, 10}},
        {"vertical", {10, 3}, {10, 30}},    {"vertical upwards", {10, 30}, {10, 3}},
        {"diagonal", {2, 2}, {22, 22}},     {"diagonal up-left", {22, 22}, {2, 2}},
        {"shallow", {1, 5}, {30, 12}},      {"steep", {7, 1}, {12, 30}},
        {"one pixel long", {9, 9}, {10, 9}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(40, 40);
        Dc dc(s);
        dc.moveTo(row.from.x, row.from.y);
        dc.lineTo(row.to.x, row.to.y);
        EXPECT_EQ(s.pixel(row.from.x, row.from.y), kBlack) << "the start pixel is drawn";
        EXPECT_EQ(s.pixel(row.to.x, row.to.y), kWhite) << "the end pixel is left out";
        const int steps = std::max(std::abs(row.to.x - row.from.x), std::abs(row.to.y - row.from.y));
        const Ink ink = inkOf(s);
        EXPECT_EQ(ink.count, steps) << "one pixel per step of the longer axis";
        const Rect box = Rect{row.from.x, row.from.y, row.to.x, row.to.y}.normalized();
        EXPECT_TRUE(ink.bounds.intersected({box.left, box.top, box.right + 1, box.bottom + 1}) == ink.bounds)
            << describe(ink.bounds);
        EXPECT_EQ(dc.currentPosition(), row.to);
    }
}

TEST(DcLine, ChainedLinesMeetWithoutGapOrOverlap) {
    // Each segment leaves out its end, which the next one starts with, so a closed
    // outline drawn with NotXorPen inverts every corner exactly once.
    Surface s(30, 30);
    Dc dc(s);
    dc.setRasterMode(RasterMode::NotXorPen);
    dc.moveTo(5, 5);
    dc.lineTo(20, 5);
    dc.lineTo(20, 20);
    dc.lineTo(5, 20);
    dc.lineTo(5, 5);
    EXPECT_EQ(inkOf(s).count, 60);
    for (Point corner : {Point{5, 5}, Point{20, 5}, Point{20, 20}, Point{5, 20}})
        EXPECT_EQ(s.pixel(corner.x, corner.y), kBlack) << corner.x << "," << corner.y;
}

TEST(DcLine, DottedPenLeavesGapsAndKeepsItsPhaseAlongAPolyline) {
    Surface s(40, 10);
    Dc dc(s);
    dc.selectPen({PenStyle::Dot, 1, kBlack});
    dc.moveTo(0, 2);
    dc.lineTo(5, 2);  // odd length: the next segment starts "off"
    dc.lineTo(12, 2);
    for (int x = 0; x < 12; ++x) EXPECT_EQ(s.pixel(x, 2), x % 2 == 0 ? kBlack : kWhite) << "x=" << x;

    // A new moveTo starts the pattern again with a drawn pixel.
    dc.moveTo(3, 6);
    dc.lineTo(8, 6);
    EXPECT_EQ(s.pixel(3, 6), kBlack);
    EXPECT_EQ(s.pixel(4, 6), kWhite);
    EXPECT_EQ(inkOf(s).count, 6 + 3);
}

TEST(DcLine, DottedOutlinesDrawEveryOtherPixelOfTheSolidOne) {
    const struct {
        const char* name;
        std::function<void(Dc&)> draw;
    } shapes[] = {
        {"rectangle", [](Dc& dc) { dc.rectangle(5, 5, 40, 30); }},
        {"ellipse", [](Dc& dc) { dc.ellipse(4, 6, 47, 39); }},
        {"arc", [](Dc& dc) { dc.arc(4, 6, 47, 39, 47, 20, 4, 6); }},
        {"polygon", [](Dc& dc) {
             const Point tri[] = {{5, 40}, {25, 3}, {45, 40}};
             dc.polygon(tri, 3);
         }},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        Surface solid(50, 50), dotted(50, 50);
        Dc sd(solid), dd(dotted);
        sd.selectBrush(Brush::hollow());
        dd.selectBrush(Brush::hollow());
        dd.selectPen({PenStyle::Dot, 1, kBlack});
        shape.draw(sd);
        shape.draw(dd);
        const int n = inkOf(solid).count;
        EXPECT_EQ(inkOf(dotted).count, (n + 1) / 2);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                if (dotted.pixel(x, y) == kBlack) {
                    ASSERT_EQ(solid.pixel(x, y), kBlack) << x << "," << y;
                }
            }
    }
}

TEST(DcLine, PenWidthAndNullPen) {
    struct Row {
        const char* name;
        Pen pen;
        int rowsCovered;  // rows a horizontal line covers
    };
    const Row rows[] = {
        {"width 0 counts as 1", solidPen(kBlack, 0), 1},
        {"width 1", solidPen(kBlack, 1), 1},
        {"width 3", solidPen(kBlack, 3), 3},
        {"width 4", solidPen(kBlack, 4), 4},
        {"dotted wide pens draw solid", {PenStyle::Dot, 3, kBlack}, 3},
        {"null pen", {PenStyle::Null, 1, kBlack}, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(40, 40);
        Dc dc(s);
        dc.selectPen(row.pen);
        dc.moveTo(10, 20);
        dc.lineTo(30, 20);
        const Ink ink = inkOf(s);
        EXPECT_EQ(ink.bounds.height(), row.rowsCovered);
        if (row.rowsCovered > 0) {
            EXPECT_EQ(ink.count, ink.bounds.width() * ink.bounds.height()) << "a solid band";
            EXPECT_LE(std::abs((ink.bounds.top + ink.bounds.bottom - 1) - 40), 1) << "centred on the path";
        }
    }
}

// ---------------------------------------------------------------------------------------
// Boxes: rectangle and ellipse

TEST(DcShapes, RectangleAndEllipseStayInsideTheirBox) {
    struct Row {
        const char* name;
        Rect box;
    };
    const Row rows[] = {
        {"one pixel", {10, 10, 11, 11}},    {"two by two", {10, 10, 12, 12}}, {"three by five", {10, 10, 13, 15}},
        {"wide flat", {3, 20, 57, 27}},     {"tall narrow", {20, 2, 26, 58}}, {"circle", {5, 5, 46, 46}},
        {"even circle", {5, 5, 45, 45}},    {"one pixel high", {4, 30, 40, 31}},
    };
    using Shape = void (Dc::*)(int, int, int, int);
    const struct {
        const char* name;
        Shape draw;
    } shapes[] = {{"rectangle", &Dc::rectangle}, {"ellipse", &Dc::ellipse}};
    for (const auto& shape : shapes) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(shape.name) + " " + row.name);
            Surface s(60, 60);
            Dc dc(s);
            dc.selectBrush(Brush::solid(kBlue));
            (dc.*shape.draw)(row.box.left, row.box.top, row.box.right, row.box.bottom);
            const Ink ink = inkOf(s);
            EXPECT_EQ(ink.bounds, row.box) << describe(ink.bounds) << " for " << describe(row.box);
            EXPECT_EQ(s.pixel(row.box.left + row.box.width() / 2, row.box.top), kBlack) << "outline at the top edge";

            // The same box given by its other corners gives the same pixels.
            Surface t(60, 60);
            Dc other(t);
            other.selectBrush(Brush::solid(kBlue));
            (other.*shape.draw)(row.box.right, row.box.bottom, row.box.left, row.box.top);
            EXPECT_TRUE(sameSurface(s, t)) << "corners in any order";

            // Mirror symmetry about both axes of the box.
            for (int y = row.box.top; y < row.box.bottom; ++y)
                for (int x = row.box.left; x < row.box.right; ++x) {
                    const int mx = row.box.left + row.box.right - 1 - x;
                    const int my = row.box.top + row.box.bottom - 1 - y;
                    ASSERT_EQ(s.pixel(x, y), s.pixel(mx, y)) << x << "," << y;
                    ASSERT_EQ(s.pixel(x, y), s.pixel(x, my)) << x << "," << y;
                }
        }
    }
}

TEST(DcShapes, CircleOutlineIsRoundAndClosed) {
    // A 41-pixel circle centred on (25, 25): every outline pixel near radius 20, and
    // the outline 8-connected so that a fill inside cannot leak.
    Surface s(52, 52);
    Dc dc(s);
    dc.selectBrush(Brush::hollow());
    dc.ellipse(5, 5, 46, 46);
    int outline = 0;
    for (int y = 0; y < 52; ++y)
        for (int x = 0; x < 52; ++x) {
            if (s.pixel(x, y) != kBlack) continue;
            ++outline;
            const double r = std::hypot(x - 25, y - 25);
            EXPECT_NEAR(r, 20.0, 0.75) << x << "," << y;
        }
    EXPECT_GT(outline, 100);
    dc.selectBrush(Brush::solid(kRed));
    dc.floodFillSurface(25, 25, kWhite);
    EXPECT_EQ(s.pixel(1, 1), kWhite) << "the fill stayed inside";
    EXPECT_EQ(s.pixel(25, 8), kRed);
}

TEST(DcShapes, HollowBrushLeavesTheInside) {
    struct Row {
        const char* name;
        Brush brush;
        Color inside;
    };
    const Row rows[] = {
        {"hollow", Brush::hollow(), kGrey},
        {"solid", Brush::solid(kRed), kRed},
        {"default white", Brush::white(), kWhite},
    };
    using Shape = void (Dc::*)(int, int, int, int);
    for (Shape shape : {Shape(&Dc::rectangle), Shape(&Dc::ellipse)}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(shape == Shape(&Dc::rectangle) ? "rectangle " : "ellipse ") + row.name);
            Surface s(40, 40, kGrey);
            Dc dc(s);
            dc.selectBrush(row.brush);
            (dc.*shape)(5, 5, 35, 35);
            EXPECT_EQ(countColor(s, row.inside, {10, 10, 30, 30}), 400);
            EXPECT_EQ(s.pixel(20, 5), kBlack) << "outline with the pen";
            EXPECT_EQ(s.pixel(20, 34), kBlack);
            EXPECT_EQ(s.pixel(20, 35), kGrey) << "nothing on the box's far edge";
        }
    }
}

TEST(DcShapes, NullPenFillsWithoutOutline) {
    Surface s(40, 40);
    Dc dc(s);
    dc.selectPen({PenStyle::Null, 1, kBlack});
    dc.selectBrush(Brush::solid(kRed));
    dc.rectangle(5, 5, 25, 25);
    EXPECT_EQ(countColor(s, kBlack, s.bounds()), 0);
    EXPECT_EQ(inkOf(s).bounds, (Rect{5, 5, 24, 24})) << "one pixel less to the right and bottom";
}

// ---------------------------------------------------------------------------------------
// Arcs and chords

TEST(DcArcs, ArcRunsCounterClockwiseFromStartToEnd) {
    // Circle in (10, 10)-(51, 51), centre (30, 30). Radials: east (60, 30), north (30, 0),
    // west (0, 30), south (30, 60).
    struct Quadrants {
        bool upperRight, upperLeft, lowerLeft, lowerRight;
    };
    struct Row {
        const char* name;
        Point start, end;
        Quadrants ink;
        Rect within;  // all the ink lies here
    };
    const Row rows[] = {
        {"east to north", {60, 30}, {30, 0}, {true, false, false, false}, {30, 10, 51, 31}},
        {"north to east, the long way", {30, 0}, {60, 30}, {false, true, true, true}, {10, 10, 51, 51}},
        {"west to east through the bottom", {0, 30}, {60, 30}, {false, false, true, true}, {10, 30, 51, 51}},
        {"north-west to south-west", {0, 0}, {0, 60}, {false, true, true, false}, {10, 10, 17, 51}},
        {"radial points far outside the box", {300, 30}, {30, -500}, {true, false, false, false}, {30, 10, 51, 31}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(62, 62);
        Dc dc(s);
        dc.selectBrush(Brush::solid(kBlue));  // an arc never fills
        dc.arc(10, 10, 51, 51, row.start.x, row.start.y, row.end.x, row.end.y);
        // Quadrant interiors, keeping away from the axes where both neighbours may meet.
        const Rect ur{33, 0, 62, 28}, ul{0, 0, 28, 28}, ll{0, 33, 28, 62}, lr{33, 33, 62, 62};
        EXPECT_EQ(inkOf(s, kWhite, &ur).count > 0, row.ink.upperRight);
        EXPECT_EQ(inkOf(s, kWhite, &ul).count > 0, row.ink.upperLeft);
        EXPECT_EQ(inkOf(s, kWhite, &ll).count > 0, row.ink.lowerLeft);
        EXPECT_EQ(inkOf(s, kWhite, &lr).count > 0, row.ink.lowerRight);
        const Ink ink = inkOf(s);
        EXPECT_TRUE(ink.bounds.intersected(row.within) == ink.bounds) << describe(ink.bounds);
        EXPECT_EQ(countColor(s, kBlack, s.bounds()), ink.count) << "pen only";
    }
}

TEST(DcArcs, SameRadialDrawsTheWholeEllipse) {
    Surface whole(60, 60), arc(60, 60), chord(60, 60);
    Dc w(whole), a(arc), c(chord);
    w.selectBrush(Brush::solid(kBlue));
    w.ellipse(4, 8, 55, 49);
    // Centre (29, 28): both points on one radial from it.
    a.arc(4, 8, 55, 49, 40, 10, 51, -8);
    c.selectBrush(Brush::solid(kBlue));
    c.chord(4, 8, 55, 49, 40, 10, 51, -8);
    EXPECT_TRUE(sameSurface(whole, chord)) << "a chord with one radial is the filled ellipse";
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(arc.pixel(x, y) == kBlack, whole.pixel(x, y) == kBlack) << x << "," << y;
}

TEST(DcArcs, ChordFillsTheArcSideOfItsLine) {
    struct Row {
        const char* name;
        Point start, end;
        Point filled, empty;
    };
    // Circle (10, 10)-(51, 51), centre (30, 30).
    const Row rows[] = {
        {"lower half", {0, 30}, {60, 30}, {30, 45}, {30, 15}},
        {"upper half", {60, 30}, {0, 30}, {30, 15}, {30, 45}},
        {"small cap on the right", {60, 60}, {60, 0}, {47, 30}, {30, 30}},
        {"all but a cap on the right", {60, 0}, {60, 60}, {30, 30}, {48, 30}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(62, 62);
        Dc dc(s);
        dc.selectBrush(Brush::solid(kBlue));
        dc.chord(10, 10, 51, 51, row.start.x, row.start.y, row.end.x, row.end.y);
        EXPECT_EQ(s.pixel(row.filled.x, row.filled.y), kBlue);
        EXPECT_EQ(s.pixel(row.empty.x, row.empty.y), kWhite);
        const Ink ink = inkOf(s);
        EXPECT_TRUE(ink.bounds.intersected({10, 10, 51, 51}) == ink.bounds) << describe(ink.bounds);
    }
    // The closing line is drawn with the pen: a straight chord across the middle.
    Surface s(62, 62);
    Dc dc(s);
    dc.selectBrush(Brush::hollow());
    dc.chord(10, 10, 51, 51, 0, 30, 60, 30);
    EXPECT_EQ(countColor(s, kBlack, {12, 30, 49, 31}), 37);
}

// ---------------------------------------------------------------------------------------
// Polygons

TEST(DcPolygon, FilledWithTheBrushByTheAlternateRule) {
    Surface s(70, 70);
    Dc dc(s);
    dc.selectBrush(Brush::solid(kGreen));
    const Point star[] = {{35, 4}, {50, 66}, {4, 26}, {66, 26}, {18, 66}};
    dc.polygon(star, 5);
    EXPECT_EQ(s.pixel(35, 40), kWhite) << "the pentagon in the middle is crossed twice: a hole";
    EXPECT_EQ(s.pixel(35, 15), kGreen) << "top point";
    EXPECT_EQ(s.pixel(14, 30), kGreen) << "left point";
    EXPECT_EQ(s.pixel(35, 4), kBlack) << "vertices are on the outline";
    EXPECT_EQ(s.pixel(66, 26), kBlack);
    EXPECT_EQ(inkOf(s).bounds, (Rect{4, 4, 67, 67}));

    // A square polygon: outline on its corner points, brush strictly inside.
    Surface q(30, 30);
    Dc qd(q);
    qd.selectBrush(Brush::solid(kRed));
    const Point square[] = {{5, 5}, {20, 5}, {20, 20}, {5, 20}};
    qd.polygon(square, 4);
    EXPECT_EQ(countColor(q, kBlack, q.bounds()), 60);
    EXPECT_EQ(countColor(q, kRed, q.bounds()), 14 * 14);
    EXPECT_EQ(inkOf(q).bounds, (Rect{5, 5, 21, 21}));
}

TEST(DcPolygon, DegenerateInputsDrawLittleOrNothing) {
    Surface s(20, 20);
    Dc dc(s);
    const Point pts[] = {{3, 3}, {15, 3}, {15, 3}, {3, 3}};
    dc.polygon(pts, 1);
    dc.polygon(nullptr, 4);
    EXPECT_EQ(inkOf(s).count, 0);
    dc.selectBrush(Brush::solid(kRed));
    dc.polygon(pts, 4);  // a flat quadrilateral: its outline only
    EXPECT_EQ(countColor(s, kRed, s.bounds()), 0);
    EXPECT_EQ(inkOf(s).count, 13);
}

// ---------------------------------------------------------------------------------------
// Flood fill

TEST(DcFloodFill, FillsTheConnectedAreaOfTheSeedColourOnly) {
    struct Row {
        const char* name;
        Point seed;
        Color surfaceColor;
        Brush brush;
        Point filled;     // a pixel that must be the brush colour afterwards (x < 0: none)
        Point untouched;  // a pixel that must keep its colour
    };
    const Row rows[] = {
        {"inside a closed outline", {20, 20}, kWhite, Brush::solid(kRed), {11, 11}, {5, 5}},
        {"outside it", {2, 2}, kWhite, Brush::solid(kRed), {45, 45}, {20, 20}},
        {"seed pixel of another colour", {10, 20}, kWhite, Brush::solid(kRed), {-1, -1}, {20, 20}},
        {"brush of the surface colour", {20, 20}, kWhite, Brush::solid(kWhite), {-1, -1}, {20, 20}},
        {"hollow brush", {20, 20}, kWhite, Brush::hollow(), {-1, -1}, {20, 20}},
        {"seed outside the surface", {-3, 20}, kWhite, Brush::solid(kRed), {-1, -1}, {20, 20}},
        {"the outline itself", {10, 10}, kBlack, Brush::solid(kBlue), {30, 10}, {20, 20}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(50, 50);
        Dc dc(s);
        dc.selectBrush(Brush::hollow());
        dc.rectangle(10, 10, 31, 31);
        const Surface before = s;
        dc.selectBrush(row.brush);
        dc.floodFillSurface(row.seed.x, row.seed.y, row.surfaceColor);
        if (row.filled.x < 0) {
            EXPECT_TRUE(sameSurface(s, before)) << "nothing filled";
            continue;
        }
        EXPECT_EQ(s.pixel(row.filled.x, row.filled.y), row.brush.color);
        EXPECT_EQ(s.pixel(row.untouched.x, row.untouched.y), before.pixel(row.untouched.x, row.untouched.y));
        // Every pixel changed had the surface colour and is connected: nothing else moved.
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                if (s.pixel(x, y) != before.pixel(x, y)) {
                    ASSERT_EQ(before.pixel(x, y), row.surfaceColor) << x << "," << y;
                }
    }
}

TEST(DcFloodFill, FourNeighboursDoNotLeakThroughADiagonal) {
    Surface s(30, 30);
    Dc dc(s);
    dc.moveTo(0, 0);
    dc.lineTo(30, 30);  // a staircase of single pixels touching only at corners
    dc.selectBrush(Brush::solid(kRed));
    dc.floodFillSurface(20, 5, kWhite);
    EXPECT_EQ(s.pixel(29, 0), kRed);
    EXPECT_EQ(s.pixel(0, 29), kWhite) << "the other side stays";
    EXPECT_EQ(countColor(s, kRed, s.bounds()), 30 * 29 / 2);
}

TEST(DcFloodFill, LargeAreaAndClip) {
    // A whole large surface fills without running out of stack; a clip stops the fill.
    Surface big(1200, 900);
    Dc bd(big);
    bd.selectBrush(Brush::solid(kBlue));
    for (int i = 0; i < 40; ++i) bd.setPixel(30 * i + 7, (i * 37) % 900, kBlack);  // islands
    bd.floodFillSurface(600, 450, kWhite);
    EXPECT_EQ(countColor(big, kBlue, big.bounds()), 1200 * 900 - 40);

    Surface s(40, 40);
    Dc dc(s);
    dc.setClip({0, 0, 20, 40});
    dc.selectBrush(Brush::solid(kRed));
    dc.floodFillSurface(5, 5, kWhite);
    EXPECT_EQ(inkOf(s).bounds, (Rect{0, 0, 20, 40}));
    dc.floodFillSurface(30, 5, kWhite);  // seed outside the clip
    EXPECT_EQ(s.pixel(30, 5), kWhite);
}

// ---------------------------------------------------------------------------------------
// What every operation shares: raster mode, clip, origin

TEST(DcCommon, NotXorPenDrawnTwiceRestoresTheSurface) {
    for (const Primitive& p : primitives()) {
        if (!p.followsRasterMode) continue;
        SCOPED_TRACE(p.name);
        Surface original(80, 80);
        paintPattern(original);

        // What the operation covers in copy mode, on the same background.
        Surface copied = original;
        {
            Dc dc(copied);
            p.draw(dc);
        }
        Surface inverted = original;
        Dc dc(inverted);
        dc.setRasterMode(RasterMode::NotXorPen);
        p.draw(dc);
        int changed = 0;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const bool covered = copied.pixel(x, y) != original.pixel(x, y);
                const bool flipped = inverted.pixel(x, y) != original.pixel(x, y);
                ASSERT_EQ(covered, flipped) << "each covered pixel is combined exactly once at " << x << "," << y;
                if (!flipped) continue;
                ++changed;
                // dest = NOT(source XOR dest) with the colour copy mode put there.
                const std::uint32_t expect = 0xff000000u | (~(copied.rawAt(x, y) ^ original.rawAt(x, y)) & 0xffffffu);
                ASSERT_EQ(inverted.rawAt(x, y), expect) << x << "," << y;
            }
        EXPECT_GT(changed, 0);

        p.draw(dc);
        EXPECT_TRUE(sameSurface(inverted, original)) << "the second drawing undoes the first";
        dc.setRasterMode(RasterMode::CopyPen);
        p.draw(dc);
        EXPECT_TRUE(sameSurface(inverted, copied)) << "back to copy mode";
    }
}

TEST(DcCommon, ClipRectangleIsRespected) {
    const Rect clip{13, 9, 41, 37};
    for (const Primitive& p : primitives()) {
        SCOPED_TRACE(p.name);
        Surface whole(80, 80), clipped(80, 80);
        {
            Dc dc(whole);
            p.draw(dc);
        }
        Dc dc(clipped);
        dc.setClip(clip);
        EXPECT_EQ(dc.clip(), clip);
        p.draw(dc);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 80; ++x) {
                const Color expected = clip.contains(x, y) ? whole.pixel(x, y) : kWhite;
                ASSERT_EQ(clipped.pixel(x, y), expected) << x << "," << y;
            }
    }
}

TEST(DcCommon, ViewportOriginShiftsEveryOperation) {
    const int dx = 7, dy = 5;
    for (const Primitive& p : primitives()) {
        SCOPED_TRACE(p.name);
        Surface plain(90, 90), shifted(90, 90);
        {
            Dc dc(plain);
            p.draw(dc);
        }
        Dc dc(shifted);
        dc.setViewportOrigin(dx, dy);
        p.draw(dc);
        EXPECT_EQ(inkOf(plain).count, inkOf(shifted).count);
        for (int y = 0; y + dy < 90; ++y)
            for (int x = 0; x + dx < 90; ++x)
                ASSERT_EQ(shifted.pixel(x + dx, y + dy), plain.pixel(x, y)) << x << "," << y;
    }
}

TEST(DcCommon, PixelsReadAndWritten) {
    Surface s(20, 20);
    Dc dc(s);
    dc.setPixel(3, 4, kRed);
    EXPECT_EQ(dc.getPixel(3, 4), kRed);
    EXPECT_EQ(s.pixel(3, 4), kRed);
    dc.setPixel(-1, 4, kRed);  // outside: nothing, no fault
    dc.setPixel(3, 20, kRed);
    EXPECT_EQ(inkOf(s).count, 1);
    EXPECT_EQ(dc.getPixel(-1, 0), Surface::kInvalidColor);
    EXPECT_EQ(dc.getPixel(20, 0), Surface::kInvalidColor);

    dc.setViewportOrigin(-2, -3);
    EXPECT_EQ(dc.getPixel(5, 7), kRed) << "read through the origin";
    dc.setClip({0, 0, 2, 2});
    EXPECT_EQ(dc.getPixel(5, 7), Surface::kInvalidColor) << "outside the clip";

    Dc x(s);
    x.setRasterMode(RasterMode::NotXorPen);
    x.setPixel(3, 4, rgb(0x0f, 0xf0, 0x33));
    EXPECT_EQ(s.pixel(3, 4), rgb(~(0xff ^ 0x0f) & 0xff, ~(0x00 ^ 0xf0) & 0xff, ~(0x00 ^ 0x33) & 0xff));
}

// ---------------------------------------------------------------------------------------
// Text

namespace {

struct TextInk {
    Ink ink;
    Surface surface;
};

TextInk drawText(const Font& font, int align, Point anchor, const std::string& text, bool transparent = true,
                 Color background = kWhite) {
    TextInk out{{}, Surface(200, 200)};
    Dc dc(out.surface);
    dc.selectFont(font);
    dc.setTextAlign(align);
    dc.setBackgroundTransparent(transparent);
    dc.setBackgroundColor(background);
    dc.textOut(anchor.x, anchor.y, text);
    out.ink = inkOf(out.surface);
    return out;
}

}  // namespace

TEST(DcText, EscapementTurnsTheTextAboutItsAnchor) {
    const Point a{100, 100};
    struct Row {
        const char* name;
        int escapement;
        Rect region;  // where all the ink must lie
        bool tall;
    };
    const Row rows[] = {
        {"0: reads left to right below the anchor", 0, {100, 100, 200, 200}, false},
        {"900: reads bottom to top, right of the anchor", 900, {100, 0, 200, 101}, true},
        {"1800: upside down, left of and above the anchor", 1800, {0, 0, 101, 101}, false},
        {"2700: reads top to bottom, left of the anchor", 2700, {0, 100, 101, 200}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TextInk t = drawText({"Arial", 20, row.escapement}, kAlignLeft | kAlignTop, a, "-K12");
        ASSERT_GT(t.ink.count, 20);
        EXPECT_TRUE(t.ink.bounds.intersected(row.region) == t.ink.bounds) << describe(t.ink.bounds);
        EXPECT_EQ(t.ink.bounds.height() > t.ink.bounds.width(), row.tall) << describe(t.ink.bounds);
        // The long side is about as long as the text is wide.
        const Point extent = [&] {
            Surface s(1, 1);
            Dc dc(s);
            dc.selectFont({"Arial", 20, row.escapement});
            return dc.textExtent("-K12");
        }();
        EXPECT_LE(std::max(t.ink.bounds.width(), t.ink.bounds.height()), extent.x + 1);
        EXPECT_GE(std::max(t.ink.bounds.width(), t.ink.bounds.height()), extent.x - 6);
    }
}

TEST(DcText, AlignmentPlacesTheAnchor) {
    const Point a{100, 100};
    struct Row {
        const char* name;
        int align;
        Rect region;
    };
    const Row rows[] = {
        {"left top", kAlignLeft | kAlignTop, {100, 100, 200, 200}},
        {"right top", kAlignRight | kAlignTop, {0, 100, 101, 200}},
        {"right bottom", kAlignRight | kAlignBottom, {0, 0, 101, 101}},
        {"left bottom", kAlignLeft | kAlignBottom, {100, 0, 200, 101}},
    };
    const Font font{"Arial", 24, 0};
    const std::string text = "H-Kg";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TextInk t = drawText(font, row.align, a, text);
        EXPECT_TRUE(t.ink.bounds.intersected(row.region) == t.ink.bounds) << describe(t.ink.bounds);
    }
    const TextInk left = drawText(font, kAlignLeft | kAlignTop, a, text);
    const TextInk centre = drawText(font, kAlignCenter | kAlignTop, a, text);
    const TextInk right = drawText(font, kAlignRight | kAlignTop, a, text);
    EXPECT_LT(centre.ink.bounds.left, a.x);
    EXPECT_GT(centre.ink.bounds.right, a.x);
    EXPECT_NEAR((centre.ink.bounds.left + centre.ink.bounds.right) / 2.0, a.x, 3.0) << "centred on the anchor";
    EXPECT_EQ(left.ink.count, right.ink.count) << "alignment moves the same ink";
    EXPECT_EQ(left.ink.bounds.width(), centre.ink.bounds.width());

    // Baseline: the descender of "g" below the anchor, capitals above it.
    const TextInk base = drawText(font, kAlignLeft | kAlignBaseline, a, "Hg");
    EXPECT_LT(base.ink.bounds.top, a.y - 10);
    EXPECT_GT(base.ink.bounds.bottom, a.y + 2);
}

TEST(DcText, FontHeightIsTheCellOrTheCharacterHeight) {
    struct Row {
        const char* name;
        Font font;
        int cellAtMost;
        int cellAtLeast;
    };
    const Row rows[] = {
        {"cell 6 (zoom 2 symbol text)", {"Arial", 6, 0}, 6, 5},
        {"cell 15", {"Arial", 15, 0}, 15, 14},
        {"cell 40", {"Arial", 40, 0}, 40, 38},
        {"character height 11: cell larger", {"Arial", -11, 0}, 14, 12},
        {"4 points", Font::fromPointSize(40), 7, 5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(1, 1);
        Dc dc(s);
        dc.selectFont(row.font);
        const Point e = dc.textExtent("Wybierz");
        EXPECT_LE(e.y, row.cellAtMost);
        EXPECT_GE(e.y, row.cellAtLeast);
        EXPECT_GT(e.x, e.y) << "seven letters are wider than high";
    }

    struct Points {
        int tenths;
        int height;
    };
    const Points points[] = {{40, -5}, {50, -7}, {75, -10}, {80, -11}, {90, -12}, {100, -13}, {400, -53}, {0, 0}};
    for (const Points& p : points) {
        SCOPED_TRACE(p.tenths);
        const Font f = Font::fromPointSize(p.tenths);
        EXPECT_EQ(f.height, p.height);
        EXPECT_EQ(f.face, "Arial");
        EXPECT_EQ(f.escapement, 0);
    }
}

TEST(DcText, GlyphsAreExactAndTheBackgroundFollowsTheMode) {
    const Point a{20, 30};
    const Font font{"Arial", 22, 0};
    const std::string text = cp1250("Łódź Wybierz");
    // Opaque: the text box is filled with the background colour first.
    const TextInk opaque = drawText(font, kAlignLeft | kAlignTop, a, text, false, kRed);
    Surface probe(1, 1);
    Dc pd(probe);
    pd.selectFont(font);
    const Point extent = pd.textExtent(text);
    const Rect box{a.x, a.y, a.x + extent.x, a.y + extent.y};
    EXPECT_EQ(opaque.ink.bounds, box);
    EXPECT_GT(countColor(opaque.surface, kRed, box), extent.x * extent.y / 2);

    // Transparent: only glyph pixels, in the text colour alone (no antialiasing),
    // and the same pixels every time.
    const TextInk first = drawText(font, kAlignLeft | kAlignTop, a, text);
    const TextInk again = drawText(font, kAlignLeft | kAlignTop, a, text);
    EXPECT_TRUE(sameSurface(first.surface, again.surface));
    EXPECT_EQ(countColor(first.surface, kRed, first.surface.bounds()), 0);
    EXPECT_EQ(first.ink.count, countColor(first.surface, kBlack, first.surface.bounds()));
    EXPECT_TRUE(first.ink.bounds.intersected(box) == first.ink.bounds);
    // Glyph pixels of the opaque drawing are the same glyph pixels.
    EXPECT_EQ(countColor(opaque.surface, kBlack, box), first.ink.count);

    // Byte 0xB9 is "ą" with its hook below the line (in Latin-1 it would be a raised "¹").
    const TextInk hooked = drawText(font, kAlignLeft | kAlignTop, a, "\xB9");
    const TextInk bare = drawText(font, kAlignLeft | kAlignTop, a, "a");
    EXPECT_GT(hooked.ink.bounds.bottom, bare.ink.bounds.bottom + 1);
    EXPECT_GE(hooked.ink.bounds.top, bare.ink.bounds.top);

    // Empty text draws nothing, also with an opaque background.
    EXPECT_EQ(drawText(font, kAlignLeft | kAlignTop, a, "", false, kRed).ink.count, 0);
}

TEST(DcText, TextColourIsUsed) {
    Surface s(100, 40);
    Dc dc(s);
    dc.selectFont({"Arial", 20, 0});
    dc.setBackgroundTransparent(true);
    dc.setTextColor(kBlue);
    dc.textOut(5, 5, "Stop");
    const Ink ink = inkOf(s);
    EXPECT_GT(ink.count, 20);
    EXPECT_EQ(countColor(s, kBlue, s.bounds()), ink.count);
}

// ---------------------------------------------------------------------------------------
// Bit-block transfer and memory surfaces

TEST(DcBlit, CopiesAndStretchesExactly) {
    // Memory surface drawn through its own device context.
    Surface memory(4, 3, kGrey);
    {
        Dc md(memory);
        md.setPixel(0, 0, kRed);
        md.setPixel(3, 2, kBlue);
        md.setPixel(1, 1, kGreen);
    }
    struct Row {
        const char* name;
        std::function<void(Dc&)> draw;
        std::vector<std::pair<Point, Color>> expect;
        int inkCount;
    };
    const Row rows[] = {
        {"blit whole", [&](Dc& dc) { dc.blit(10, 20, 4, 3, memory, 0, 0); },
         {{{10, 20}, kRed}, {{13, 22}, kBlue}, {{11, 21}, kGreen}, {{12, 20}, kGrey}},
         12},
        {"blit part, source clipped", [&](Dc& dc) { dc.blit(10, 20, 9, 9, memory, 1, 1); },
         {{{10, 20}, kGreen}, {{12, 21}, kBlue}, {{13, 20}, kWhite}},
         6},
        {"blit partly off the surface", [&](Dc& dc) { dc.blit(-2, -1, 4, 3, memory, 0, 0); },
         {{{1, 1}, kBlue}, {{0, 0}, kGrey}, {{2, 0}, kWhite}},
         4},
        {"stretch twice", [&](Dc& dc) { dc.stretchBlit({10, 10, 18, 16}, memory); },
         {{{10, 10}, kRed}, {{11, 11}, kRed}, {{12, 12}, kGreen}, {{13, 13}, kGreen}, {{16, 14}, kBlue},
          {{17, 15}, kBlue}, {{14, 10}, kGrey}},
         48},
        {"shrink to half", [&](Dc& dc) { dc.stretchBlit({10, 10, 12, 12}, memory); },
         {{{10, 10}, kGrey}, {{11, 11}, kBlue}},
         4},
        {"stretch mirrored left to right", [&](Dc& dc) { dc.stretchBlit({18, 10, 10, 16}, memory); },
         {{{17, 10}, kRed}, {{10, 15}, kBlue}, {{15, 12}, kGreen}},
         48},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Surface s(40, 40);
        Dc dc(s);
        row.draw(dc);
        for (const auto& [p, c] : row.expect) EXPECT_EQ(s.pixel(p.x, p.y), c) << p.x << "," << p.y;
        EXPECT_EQ(inkOf(s).count, row.inkCount);
    }
}

TEST(Surface, ResizeKeepsPixelsAndFillRectClips) {
    Surface s(10, 8, kGrey);
    s.setPixel(2, 3, kRed);
    s.setPixel(9, 7, kBlue);
    s.resize(12, 5, kWhite);
    EXPECT_EQ(s.width(), 12);
    EXPECT_EQ(s.height(), 5);
    EXPECT_EQ(s.pixel(2, 3), kRed);
    EXPECT_EQ(s.pixel(9, 4), kGrey);
    EXPECT_EQ(s.pixel(11, 0), kWhite) << "new columns take the fill";
    EXPECT_EQ(s.pixel(9, 7), Surface::kInvalidColor) << "cut rows are gone";
    s.fillRect({8, -5, 40, 2}, kGreen);
    EXPECT_EQ(countColor(s, kGreen, s.bounds()), 4 * 2);
    s.fillRect({3, 3, 1, 1}, kBlue);  // corners in either order
    EXPECT_EQ(countColor(s, kBlue, s.bounds()), 4);
    s.resize(0, 3);
    EXPECT_TRUE(s.isNull());
    Dc dc(s);  // drawing on an empty surface is harmless
    dc.moveTo(0, 0);
    dc.lineTo(5, 5);
    dc.textOut(0, 0, "x");
    dc.floodFillSurface(0, 0, kWhite);
}

TEST(Surface, SavesAPng) {
    Surface s(16, 9, kGreen);
    const std::string path = ::testing::TempDir() + "velk_surface.png";
    ASSERT_TRUE(s.savePng(path.c_str()));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    unsigned char head[8] = {};
    EXPECT_EQ(std::fread(head, 1, 8, f), 8u);
    std::fclose(f);
    std::remove(path.c_str());
    EXPECT_EQ(head[1], 'P');
    EXPECT_EQ(head[2], 'N');
    EXPECT_EQ(head[3], 'G');
    EXPECT_FALSE(Surface().savePng(path.c_str())) << "nothing to write";
}
