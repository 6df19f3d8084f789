// The sheet under the items: frame and zone references of every page format, the
// grid dots, where the title block goes, and the pointer guide lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
constexpr Color kGreen = rgb(0, 128, 0);
constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kGrey = rgb(128, 128, 128);
constexpr Color kSilver = rgb(192, 192, 192);

// A ready sheet of the format with only the decorations asked for.
void setSheet(PaintSheet& s, int format, double zoom, int frame, int zones, int grid, int titleKind) {
    s.doc.m_pageFormat = format;
    s.doc.m_zoom = zoom;
    s.doc.m_showFrame = frame;
    s.doc.m_showZoneRefs = zones;
    s.doc.m_showGrid = grid;
    s.doc.m_titleBlockKind = titleKind;
}

std::vector<DcCall> drawingCalls(const RecordingDc& dc, DcOp op) { return dc.callsOf(op); }

}  // namespace

TEST(SheetFrame, Format1AtZoom2OnPixels) {
    PaintSheet s;
    setSheet(s, 1, 2.0, 1, 0, 0, 0);
    Surface surface(700, 520);
    Dc dc(surface);
    s.view.OnDraw(dc);

    struct Probe {
        int x, y;
        Color expected;
    };
    // Outer frame from (0, 42) to (672, 468), inner from (6, 48) to (666, 462).
    const Probe probes[] = {
        {0, 42, kGreen},    {671, 42, kGreen},  {672, 42, kGreen},  {672, 467, kGreen}, {672, 468, kGreen},
        {0, 468, kGreen},   {0, 43, kGreen},    {336, 42, kGreen},  {673, 42, kWhite},  {0, 41, kWhite},
        {672, 469, kWhite}, {1, 43, kWhite},    {6, 48, kGreen},    {666, 48, kGreen},  {666, 462, kGreen},
        {6, 462, kGreen},   {3, 45, kWhite},    {669, 465, kWhite}, {336, 255, kWhite},
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(surface.pixel(p.x, p.y), p.expected);
    }
}

TEST(SheetFrame, GridDotsFromTheSheetOrigin) {
    struct Row {
        const char* name;
        int format;
        double zoom;
        int width, height;  // user size (format 4)
        int step, lastX, lastY;
        Color color;
    };
    const Row rows[] = {
        {"A4 landscape at zoom 2: silver every 6 px", 1, 2.0, 0, 0, 6, 672, 474, kSilver},
        {"A4 portrait at zoom 1.5: step trunc(4.5)", 0, 1.5, 0, 0, 4, 352, 504, kGrey},
        {"A3 left margin at zoom 1", 2, 1.0, 0, 0, 3, 471, 336, kGrey},
        {"A3 top margin at zoom 3", 3, 3.0, 0, 0, 9, 1413, 1008, kGrey},
        {"user size 100 x 50 at zoom 2", 4, 2.0, 100, 50, 6, 198, 96, kGrey},
        {"zoom below a third: never below one pixel", 1, 0.25, 0, 0, 1, 84, 59, kSilver},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, row.format, row.zoom, 0, 0, 1, 0);
        s.doc.m_pageWidth = row.width;
        s.doc.m_pageHeight = row.height;
        s.doc.m_printOffsetX = 7;  // the grid ignores the offsets, even on paper
        s.view.m_printing = 1;
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);

        const auto dots = drawingCalls(dc, DcOp::SetPixel);
        ASSERT_EQ(dots.size(), static_cast<std::size_t>((row.lastX / row.step) * (row.lastY / row.step)));
        EXPECT_EQ(dots.front().point(), (Point{row.step, row.step}));
        EXPECT_EQ(dots.back().point(), (Point{row.lastX, row.lastY}));
        // Columns outer, rows inner.
        EXPECT_EQ(dots[1].point(), (Point{row.step, 2 * row.step}));
        for (const DcCall& d : dots) ASSERT_EQ(d.color, row.color);
    }
}

TEST(SheetFrame, ZoneReferencesOfEveryFormat) {
    // At zoom 1 device pixels are drawing units. The format 4 sheet is 234 x 333:
    // columns of 46, rows of 41.
    struct Tick {
        Point from, to;
    };
    struct Row {
        const char* name;
        int format;
        int columns, rows;
        Point firstColumnTop, firstColumnBottom, lastColumnTop;
        Point firstRowLeft, firstRowRight, lastRowLeft;
        Tick firstColumnTick, lastRowTick;
    };
    const Row rows[] = {
        {"A4 portrait", 0, 5, 8, {42, 0}, {42, 333}, {210, 0}, {22, 21}, {232, 21}, {22, 308},
         {{63, 0}, {63, 3}}, {{231, 287}, {234, 287}}},
        {"A4 landscape", 1, 8, 5, {21, 21}, {21, 231}, {308, 21}, {1, 42}, {334, 42}, {1, 210},
         {{41, 21}, {41, 24}}, {{333, 189}, {336, 189}}},
        {"A3, binding margin left", 2, 10, 8, {43, 0}, {43, 330}, {439, 0}, {22, 21}, {466, 21}, {22, 308},
         {{65, 0}, {65, 3}}, {{468, 287}, {465, 287}}},
        {"A3, binding margin top", 3, 10, 8, {23, 21}, {23, 330}, {437, 21}, {1, 40}, {466, 40}, {1, 306},
         {{46, 21}, {46, 24}}, {{465, 287}, {468, 287}}},
        {"user size", 4, 5, 8, {23, 0}, {23, 330}, {207, 0}, {1, 21}, {232, 21}, {1, 308},
         {{46, 0}, {46, 3}}, {{231, 287}, {234, 287}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, row.format, 1.0, 1, 1, 0, 0);
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);

        const auto texts = drawingCalls(dc, DcOp::TextOut);
        ASSERT_EQ(texts.size(), static_cast<std::size_t>(2 * row.columns + 2 * row.rows));
        const auto& lastColumn = texts[static_cast<std::size_t>(2 * row.columns - 2)];
        const auto& firstRow = texts[static_cast<std::size_t>(2 * row.columns)];
        EXPECT_EQ(texts[0].text, "A");
        EXPECT_EQ(texts[1].text, "A");
        EXPECT_EQ(texts[0].point(), row.firstColumnTop);
        EXPECT_EQ(texts[1].point(), row.firstColumnBottom);
        EXPECT_EQ(lastColumn.text, std::string(1, static_cast<char>('A' + row.columns - 1)));
        EXPECT_EQ(lastColumn.point(), row.lastColumnTop);
        EXPECT_EQ(firstRow.text, "1");
        EXPECT_EQ(firstRow.point(), row.firstRowLeft);
        EXPECT_EQ(texts[static_cast<std::size_t>(2 * row.columns + 1)].point(), row.firstRowRight);
        EXPECT_EQ(texts[texts.size() - 2].text, std::to_string(row.rows));
        EXPECT_EQ(texts[texts.size() - 2].point(), row.lastRowLeft);
        for (const DcCall& t : texts) {
            EXPECT_EQ(t.textColor, kGreen);
            EXPECT_TRUE(t.transparent);
            EXPECT_EQ(t.textAlign, kAlignLeft | kAlignTop);
            EXPECT_EQ(t.font.height, Font::fromPointSize(20).height);
            EXPECT_EQ(t.font.face, "Arial");
        }

        // Two rectangles of four segments each, then one tick per boundary in each margin.
        const auto moves = drawingCalls(dc, DcOp::MoveTo);
        const auto lines = drawingCalls(dc, DcOp::LineTo);
        const int ticks = 2 * (row.columns - 1) + 2 * (row.rows - 1);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(8 + ticks));
        ASSERT_EQ(moves.size(), static_cast<std::size_t>(2 + ticks));
        EXPECT_EQ(moves[2].point(), row.firstColumnTick.from);
        EXPECT_EQ(lines[8].point(1), row.firstColumnTick.to);
        EXPECT_EQ(moves.back().point(), row.lastRowTick.from);
        EXPECT_EQ(lines.back().point(1), row.lastRowTick.to);
        for (const DcCall& l : lines) EXPECT_EQ(l.pen.color, kGreen);
    }
}

TEST(SheetFrame, UserSizeFrameAndLetters) {
    // Column letters of a 234 x 333 sheet at x = 23, 69, 115, 161 and 207 units.
    PaintSheet s;
    setSheet(s, 4, 2.0, 1, 1, 0, 0);
    RecordingDc dc(8, 8);
    s.view.OnDraw(dc);
    const auto texts = drawingCalls(dc, DcOp::TextOut);
    ASSERT_GE(texts.size(), 10u);
    const int expectedX[] = {23, 69, 115, 161, 207};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texts[static_cast<std::size_t>(2 * i)].text, std::string(1, static_cast<char>('A' + i)));
        EXPECT_EQ(texts[static_cast<std::size_t>(2 * i)].point(), (Point{2 * expectedX[i], 0}));
        EXPECT_EQ(texts[static_cast<std::size_t>(2 * i + 1)].point(), (Point{2 * expectedX[i], 660}));
    }
    const auto moves = drawingCalls(dc, DcOp::MoveTo);
    EXPECT_EQ(moves[0].point(), (Point{0, 0}));
    EXPECT_EQ(moves[1].point(), (Point{6, 6}));
    const auto lines = drawingCalls(dc, DcOp::LineTo);
    EXPECT_EQ(lines[5].point(1), (Point{462, 660})) << "inner corner (W - 3, H - 3)";
}

TEST(SheetFrame, TitleBlockPlacePerFormat) {
    struct Row {
        const char* name;
        int format, kind;
        int lines;  // 13 for version 1, 14 for version 2
        Point corner;
    };
    const Row rows[] = {
        {"A4 portrait, version 1", 0, 1, 13, {24, 297}},
        {"A4 portrait has no room for version 2", 0, 2, 13, {24, 297}},
        {"A4 landscape, version 1", 1, 1, 13, {126, 195}},
        {"A4 landscape, version 2", 1, 2, 14, {3, 213}},
        {"A3 left, version 1", 2, 1, 13, {258, 294}},
        {"A3 left, version 2", 2, 2, 14, {135, 312}},
        {"A3 top, version 1", 3, 1, 13, {258, 294}},
        {"A3 top, version 2", 3, 2, 14, {135, 312}},
        {"user size, version 1", 4, 1, 13, {24, 294}},
        {"user size, version 2", 4, 2, 14, {-99, 312}},
        {"no title block", 1, 0, 0, {0, 0}},
        {"unknown kind", 1, 3, 0, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, row.format, 1.0, 0, 0, 0, row.kind);
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);
        const auto lines = drawingCalls(dc, DcOp::LineTo);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(row.lines));
        if (row.lines) {
            EXPECT_EQ(dc.callsOf(DcOp::MoveTo).front().point(), row.corner) << "top line starts there";
        }
    }
}

TEST(SheetFrame, WhatEachSwitchDraws) {
    struct Row {
        const char* name;
        int format, frame, zones, grid, titleKind;
        int lines, texts;
        bool dots;
    };
    // A4 landscape: 8 frame segments and 22 ticks, 26 zone labels.
    const Row rows[] = {
        {"frame, zones and grid", 1, 1, 1, 1, 0, 30, 26, true},
        {"zones off", 1, 1, 0, 1, 0, 8, 0, true},
        {"frame hidden: no zones, even when on", 1, 0, 1, 1, 0, 0, 0, true},
        {"frame hidden keeps the title block", 1, 0, 1, 0, 1, 13, 19, false},
        {"grid off", 1, 1, 1, 0, 0, 30, 26, false},
        {"format 5 draws nothing", 5, 1, 1, 1, 2, 0, 0, false},
        {"format -1 draws nothing", -1, 1, 1, 1, 1, 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, row.format, 1.0, row.frame, row.zones, row.grid, row.titleKind);
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);
        EXPECT_EQ(dc.count(DcOp::LineTo), row.lines);
        EXPECT_EQ(dc.count(DcOp::TextOut), row.texts);
        EXPECT_EQ(dc.count(DcOp::SetPixel) > 0, row.dots);
    }
}

TEST(SheetFrame, ColoursOnScreenAndOnPaper) {
    struct Row {
        const char* name;
        int printing, printInColor;
        Color frame;
        int width;
    };
    const Row rows[] = {
        {"screen", 0, 0, kGreen, 1},
        {"paper in colour", 1, 1, kGreen, 2},
        {"paper without colour", 1, 0, kBlack, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, 1, 2.0, 1, 1, 1, 0);
        s.view.m_printing = row.printing;
        s.doc.m_printInColor = row.printInColor;
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);
        for (const DcCall& l : dc.callsOf(DcOp::LineTo)) {
            ASSERT_EQ(l.pen.color, row.frame);
            ASSERT_EQ(l.pen.width, row.width);
        }
        for (const DcCall& t : dc.callsOf(DcOp::TextOut)) ASSERT_EQ(t.textColor, row.frame);
        // The grid keeps its colour; printing without it only switches it off.
        for (const DcCall& d : dc.callsOf(DcOp::SetPixel)) ASSERT_EQ(d.color, kSilver);
    }
}

TEST(SheetFrame, PrintOffsetsShiftTheFrame) {
    PaintSheet s;
    setSheet(s, 1, 2.0, 1, 0, 0, 0);
    s.doc.m_printOffsetX = 10;
    s.doc.m_printOffsetY = 5;
    s.view.m_printing = 1;
    RecordingDc dc(8, 8);
    s.view.OnDraw(dc);
    EXPECT_EQ(dc.callsOf(DcOp::MoveTo).front().point(), (Point{20, 52}));
}

TEST(SheetFrame, GuideLinesFollowThePointer) {
    struct Row {
        const char* name;
        int tool;
        int guideLines, zoomArmed, dragActive;
        bool drawn;
    };
    const Row rows[] = {
        {"contactor coil", kTypeCoil, 1, 0, 0, true},
        {"motor", kTypeMotorThreePhase, 1, 0, 0, true},
        {"connection dot", kTypeConnectionDot, 1, 0, 0, true},
        {"switched off", kTypeCoil, 0, 0, 0, false},
        {"zoom window armed", kTypeCoil, 1, 1, 0, false},
        {"tool dragged", kTypeCoil, 1, 0, 1, false},
        {"wire", kTypeWirePhase, 1, 0, 0, false},
        {"bundle", kTypeBundle, 1, 0, 0, false},
        {"three-phase wire", kTypeWireThreePhaseHorizontal2, 1, 0, 0, false},
        {"terminal I", kTypeTerminalI, 1, 0, 0, false},
        {"terminal strip", kTypeTerminalStrip2, 1, 0, 0, false},
        {"DC minus wire", kTypeWireMinus, 1, 0, 0, false},
        {"chart AND convergence", kTypeGrafcetAndConvergence, 1, 0, 0, false},
        {"chart step", kTypeGrafcetStep, 1, 0, 0, true},
        {"line tool", kTypeLine, 1, 0, 0, false},
        {"select", 0, 1, 0, 0, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        setSheet(s, 1, 2.0, 0, 0, 0, 0);
        s.view.resizeClient(400, 300);
        s.view.setScrollSizes(2000, 1500);
        s.view.scrollTo(100, 50);
        s.doc.m_guideLines = row.guideLines;
        s.view.m_zoomWindowArmed = row.zoomArmed;
        s.view.m_toolDragActive = row.dragActive;
        s.view.m_pointerX = 240;
        s.view.m_pointerY = 132;
        g_currentTool = row.tool;
        RecordingDc dc(8, 8);
        s.view.OnDraw(dc);

        const auto moves = dc.callsOf(DcOp::MoveTo);
        const auto lines = dc.callsOf(DcOp::LineTo);
        if (!row.drawn) {
            EXPECT_TRUE(lines.empty());
            continue;
        }
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(moves[0].point(), (Point{100, 132}));
        EXPECT_EQ(lines[0].point(1), (Point{500, 132}));
        EXPECT_EQ(moves[1].point(), (Point{240, 50}));
        EXPECT_EQ(lines[1].point(1), (Point{240, 350}));
        for (const DcCall& l : lines) {
            EXPECT_EQ(l.pen.color, rgb(0, 128, 128));
            EXPECT_EQ(l.pen.width, 1);
            EXPECT_EQ(l.pen.style, PenStyle::Solid);
        }
        EXPECT_EQ(dc.calls()[1].op, DcOp::MoveTo) << "drawn first, under everything";
    }
}
