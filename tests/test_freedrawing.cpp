// Free drawing: lines with their corner order, rectangles, ellipses, filled shapes,
// fills, texts and pictures, with the colours of picked, selected and printed items.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/Cdib.h"
#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::testing::PaintSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr Color kWhite = rgb(255, 255, 255);
constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);
constexpr Color kYellow = rgb(255, 255, 0);

}  // namespace

TEST(FreeDrawing, LineCornerOrders) {
    // The box (10, 10)-(40, 30) at zoom 2; the end pixel of a line is left out.
    struct Row {
        const char* name;
        int corner;
        bool drawn;
        Point from, to;
    };
    const Row rows[] = {
        {"1: first corner to second", 1, true, {20, 20}, {80, 60}},
        {"2: rising diagonal from the bottom", 2, true, {20, 60}, {80, 20}},
        {"3: second corner to first", 3, true, {80, 60}, {20, 20}},
        {"4: rising diagonal from the top", 4, true, {80, 20}, {20, 60}},
        {"0 is no order", 0, false, {}, {}},
        {"5 is no order", 5, false, {}, {}},
        {"-1 is no order", -1, false, {}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        const int slot = s.addLine(10, 10, 40, 30, row.corner, kBlue);
        Surface surface(100, 80);
        RecordingDc dc(surface);
        s.view.DrawFreeItem(dc, slot);

        if (!row.drawn) {
            EXPECT_EQ(dc.drawingCount(), 0);
            continue;
        }
        ASSERT_EQ(dc.count(DcOp::LineTo), 1);
        EXPECT_EQ(dc.last(DcOp::MoveTo)->point(), row.from);
        EXPECT_EQ(dc.last(DcOp::LineTo)->point(1), row.to);
        EXPECT_EQ(surface.pixel(row.from.x, row.from.y), kBlue);
        EXPECT_EQ(surface.pixel(row.to.x, row.to.y), kWhite) << "the order decides which end pixel is missing";
    }
}

TEST(FreeDrawing, RectangleIsFourSegmentsAroundTheBox) {
    PaintSheet s;
    const int slot = s.addShape(kTypeRectangle, 10, 10, 40, 30, kBlue);
    RecordingDc dc;
    s.view.DrawFreeItem(dc, slot);
    const auto lines = dc.callsOf(DcOp::LineTo);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(dc.last(DcOp::MoveTo)->point(), (Point{20, 20}));
    const Point corners[] = {{80, 20}, {80, 60}, {20, 60}, {20, 20}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(lines[static_cast<std::size_t>(i)].point(1), corners[i]);
    EXPECT_EQ(dc.count(DcOp::Rectangle), 0) << "the inside is not touched";
}

TEST(FreeDrawing, OutlineFillAndTextColours) {
    struct Row {
        const char* name;
        int type;
        int picked, selected, floating;
        int printing, printInColor;
        Color expected;   // outline of types 1 to 5, text colour of 8, nothing for 6
        Color fill;       // brush of types 4, 5 and 6
    };
    const Row rows[] = {
        {"line", kTypeLine, 0, 0, 0, 0, 1, kBlue, 0},
        {"picked rectangle", kTypeRectangle, 1, 0, 0, 0, 1, kRed, 0},
        {"selected ellipse", kTypeEllipse, 0, 1, 0, 0, 1, kRed, 0},
        {"selected filled rectangle keeps its fill", kTypeFilledRectangle, 0, 1, 0, 0, 1, kRed, kBlue},
        {"filled ellipse in a floating block", kTypeFilledEllipse, 0, 0, 1, 0, 1, kRed, kBlue},
        {"rectangle printed in colour", kTypeRectangle, 0, 0, 0, 1, 1, kBlue, 0},
        {"rectangle printed without colour", kTypeRectangle, 0, 0, 0, 1, 0, kBlack, 0},
        {"selected line printed without colour", kTypeLine, 0, 1, 0, 1, 0, kBlack, 0},
        {"filled rectangle printed without colour", kTypeFilledRectangle, 0, 0, 0, 1, 0, kBlack, kBlue},
        {"text", kTypeText, 0, 0, 0, 0, 1, kBlue, 0},
        {"picked text", kTypeText, 1, 0, 0, 0, 1, kRed, 0},
        {"text printed without colour stays blue", kTypeText, 0, 0, 0, 1, 0, kBlue, 0},
        {"selected text printed without colour", kTypeText, 0, 1, 0, 1, 0, kRed, 0},
        {"fill", kTypeFill, 0, 0, 0, 0, 1, 0, kBlue},
        {"selected fill keeps its colour", kTypeFill, 0, 1, 0, 0, 1, 0, kBlue},
        {"fill printed without colour", kTypeFill, 0, 0, 0, 1, 0, 0, kBlue},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        const int slot = s.addShape(row.type, 5, 5, 20, 15, kBlue);
        s.view.m_lineCorner[slot] = 1;
        s.view.m_paramText[slot] = "Abc";
        g_itemPicked = row.picked;
        s.view.m_pickedIndex = row.picked ? slot : slot + 1;
        s.view.m_selected[slot] = row.selected;
        s.view.m_floatingBlock = row.floating;
        s.view.m_printing = row.printing;
        s.view.m_penWidth = row.printing ? 2 : 1;
        s.doc.m_printInColor = row.printInColor;
        RecordingDc dc(64, 64);
        const Pen entryPen = dc.pen();
        const Brush entryBrush = dc.brush();

        s.view.DrawFreeItem(dc, slot);

        const DcOp op = row.type == kTypeLine || row.type == kTypeRectangle ? DcOp::LineTo
                        : row.type == kTypeEllipse || row.type == kTypeFilledEllipse ? DcOp::Ellipse
                        : row.type == kTypeFilledRectangle ? DcOp::Rectangle
                        : row.type == kTypeFill ? DcOp::FloodFill
                                                : DcOp::TextOut;
        const auto calls = dc.callsOf(op);
        ASSERT_FALSE(calls.empty());
        for (const DcCall& c : calls) {
            if (op == DcOp::TextOut) {
                EXPECT_EQ(c.textColor, row.expected);
            } else if (op != DcOp::FloodFill) {
                EXPECT_EQ(c.pen.color, row.expected);
                EXPECT_EQ(c.pen.width, s.view.m_penWidth);
                EXPECT_EQ(c.pen.style, PenStyle::Solid);
            }
            if (row.type == kTypeEllipse) {
                EXPECT_EQ(c.brush.style, BrushStyle::Hollow);
            }
            if (row.fill) {
                EXPECT_EQ(c.brush.style, BrushStyle::Solid);
                EXPECT_EQ(c.brush.color, row.fill);
            }
        }
        // Every pen, brush and font made for the item is put back; the ellipse
        // leaves the hollow brush.
        EXPECT_EQ(dc.pen().color, entryPen.color);
        EXPECT_EQ(dc.pen().width, entryPen.width);
        if (row.type == kTypeEllipse) {
            EXPECT_EQ(dc.brush().style, BrushStyle::Hollow);
        } else {
            EXPECT_EQ(dc.brush().color, entryBrush.color);
        }
    }
}

TEST(FreeDrawing, TextFontFollowsTheZoom) {
    struct Row {
        const char* name;
        double zoom;
        int tenths;
        Point at;
    };
    const Row rows[] = {
        {"zoom 2: 40 tenths of a point", 2.0, 40, {14, 22}},
        {"zoom 2.5: 50 tenths of a point", 2.5, 50, {17, 27}},
        {"zoom 1: 20 tenths", 1.0, 20, {7, 11}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.doc.m_zoom = row.zoom;
        const int slot = s.addText(7, 11, "Zasilanie 24V", kBlue);
        RecordingDc dc;
        Font entryFont;
        entryFont.height = 33;
        dc.selectFont(entryFont);
        s.view.DrawFreeItem(dc, slot);

        const DcCall* t = dc.last(DcOp::TextOut);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, "Zasilanie 24V");
        EXPECT_EQ(t->point(), row.at);
        EXPECT_EQ(t->font.height, Font::fromPointSize(row.tenths).height);
        EXPECT_EQ(t->font.face, "Arial");
        EXPECT_TRUE(t->transparent);
        EXPECT_EQ(t->textAlign, kAlignLeft | kAlignTop);
        EXPECT_EQ(dc.font().height, 33) << "the previous font is back";
    }
}

TEST(FreeDrawing, EmptyTextDrawsNothing) {
    PaintSheet s;
    const int slot = s.addText(7, 11, "", kBlue);
    RecordingDc dc;
    s.view.DrawFreeItem(dc, slot);
    EXPECT_EQ(dc.drawingCount(), 0);
}

TEST(FreeDrawing, FillFloodsWhatIsDrawnBeforeIt) {
    // A user sheet of 60 x 40 units at zoom 2 with its frame; a black rectangle
    // outline (10, 10)-(30, 20) and fill points placed inside or outside it.
    struct Fill {
        int x, y;
        Color color;
        bool beforeRectangle;
    };
    struct Probe {
        int x, y;
        Color expected;
    };
    struct Row {
        const char* name;
        std::vector<Fill> fills;
        std::vector<Probe> probes;
    };
    const Row rows[] = {
        {"inside the outline",
         {{20, 15, kRed, false}},
         {{40, 30, kRed}, {22, 22, kRed}, {20, 20, kBlack}, {80, 60, kWhite}, {10, 10, kWhite}}},
        {"on the sheet outside any outline",
         {{40, 30, kYellow, false}},
         {{80, 60, kYellow}, {10, 10, kYellow}, {113, 73, kYellow}, {40, 30, kWhite}, {3, 3, kWhite},
          {130, 90, kWhite}, {6, 6, rgb(0, 128, 0)}}},
        {"both, each bounded by the outline",
         {{20, 15, kRed, false}, {40, 30, kYellow, false}},
         {{40, 30, kRed}, {80, 60, kYellow}, {20, 20, kBlack}}},
        {"a fill of a lower slot does not see the later outline",
         {{20, 15, kRed, true}},
         {{40, 30, kRed}, {80, 60, kRed}, {20, 20, kBlack}, {3, 3, kWhite}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.doc.m_pageFormat = 4;
        s.doc.m_pageWidth = 60;
        s.doc.m_pageHeight = 40;
        s.doc.m_showZoneRefs = 0;
        s.doc.m_showGrid = 0;
        s.doc.m_titleBlockKind = 0;
        for (const Fill& f : row.fills)
            if (f.beforeRectangle) s.addShape(kTypeFill, f.x, f.y, 0, 0, f.color);
        s.addShape(kTypeRectangle, 10, 10, 30, 20, kBlack);
        for (const Fill& f : row.fills)
            if (!f.beforeRectangle) s.addShape(kTypeFill, f.x, f.y, 0, 0, f.color);
        Surface surface(140, 100);
        Dc dc(surface);
        s.view.OnDraw(dc);
        for (const Probe& p : row.probes) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
            EXPECT_EQ(surface.pixel(p.x, p.y), p.expected);
        }
    }
}

TEST(FreeDrawing, DrawnInEveryEvaluationPass) {
    struct Row {
        const char* name;
        int simulating, stepMode;
        int draws;
    };
    const Row rows[] = {{"editing", 0, 0, 1}, {"running", 1, 0, 6}, {"stepping", 1, 1, 1}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.bareSheet();
        s.addLine(1, 1, 9, 9, 1);
        s.view.m_simulating = row.simulating;
        s.view.m_stepMode = row.stepMode;
        RecordingDc dc;
        s.view.OnDraw(dc);
        EXPECT_EQ(dc.count(DcOp::LineTo), row.draws);
    }
}

TEST(FreeDrawing, PicturesShowTheirOwnBitmapAndFollowThePrintOffsets) {
    struct Row {
        const char* name;
        int printing;
        Point shift;  // device offsets: (3, 2) units at zoom 2 on paper
    };
    const Row rows[] = {{"screen", 0, {0, 0}}, {"paper with offsets", 1, {6, 4}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.bareSheet();
        s.doc.m_printOffsetX = 3;
        s.doc.m_printOffsetY = 2;
        s.view.m_printing = row.printing;
        s.doc.m_printLineWidth = 1;
        const struct {
            const char* file;
            Color color;
            int x, y, x2, y2;
        } pictures[] = {{"red.bmp", kRed, 5, 5, 15, 10}, {"blue.bmp", kBlue, 20, 5, 22, 25}};
        for (const auto& p : pictures) {
            auto dib = std::make_shared<CDIB>(Surface(2, 2, p.color));
            dib->m_fileName = p.file;
            const int slot = s.add(kTypePicture, p.x, p.y, p.x2, p.y2);
            s.view.m_paramText[slot] = p.file;
            s.doc.m_pictures[slot] = {p.file, std::nullopt, dib};
        }
        s.addLine(0, 30, 10, 30, 1, kBlack);
        Surface surface(80, 80);
        Dc dc(surface);
        s.view.OnDraw(dc);

        const Point d = row.shift;
        struct Probe {
            int x, y;
            Color expected;
        };
        // Red covers (10, 10) to (30, 20) exclusive, blue (40, 10) to (44, 50).
        const Probe probes[] = {
            {10, 10, kRed},  {29, 19, kRed},   {30, 15, kWhite}, {20, 20, kWhite}, {9, 10, kWhite},
            {40, 10, kBlue}, {43, 49, kBlue},  {44, 30, kWhite},
            {40, 50, kWhite}, {0, 60, kBlack}, {19, 60, kBlack},
        };
        for (const Probe& p : probes) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
            EXPECT_EQ(surface.pixel(p.x + d.x, p.y + d.y), p.expected);
        }
    }
}
