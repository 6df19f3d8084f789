// The symbol-command interpreter: words, fixed columns, orientation codes, pens,
// fills, texts, and commands that are short, malformed or in lower case.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "command_stage.h"
#include "render/Colors.h"

using namespace velk;
using velk::testkit::DcCall;
using velk::testkit::DcOp;

namespace {

constexpr Color kSymbolColor = rgb(10, 120, 200);

std::string pointsOf(const std::vector<Point>& pts) {
    std::string s;
    for (const Point& p : pts) s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return s;
}

bool samePen(const Pen& a, const Pen& b) { return a.style == b.style && a.width == b.width && a.color == b.color; }
bool sameBrush(const Brush& a, const Brush& b) { return a.style == b.style && a.color == b.color; }
bool sameFont(const Font& a, const Font& b) {
    return a.face == b.face && a.height == b.height && a.escapement == b.escapement;
}

}  // namespace

class Interpreter : public CommandStage {};

TEST_F(Interpreter, EachWordDrawsItsElement) {
    struct Row {
        const char* name;
        const char* command;
        int code;
        double scale;
        int ox, oy;
        DcOp op;
        std::vector<Point> points;
    };
    const Row rows[] = {
        {"LINE turned a quarter", "LINE,-015,+015,+000,+045", 1, 0.4, 100, 200, DcOp::LineTo,
         {{94, 194}, {82, 200}}},
        {"negative sum truncates toward zero", "PUNT,-003,+000", 0, 0.5, 0, 0, DcOp::SetPixel, {{-1, 0}}},
        {"PUNT mirrored top to bottom", "PUNT,+007,+003", 6, 2.0, 10, 10, DcOp::SetPixel, {{24, 4}}},
        {"POLI with a short seventh field", "POLI,+090,+090,+120,+090,+120,+105,+90,+107", 0, 1.0, 0, 0,
         DcOp::Polygon, {{90, 90}, {120, 90}, {120, 105}, {90, 107}}},
        {"POLI mirrored keeps the point order", "POLI,+000,+000,+010,+000,+010,+005,+000,+005", 4, 1.0, 50, 50,
         DcOp::Polygon, {{50, 50}, {40, 50}, {40, 55}, {50, 55}}},
        {"LINE ending after field 2", "LINE,+010,+020", 0, 1.0, 0, 0, DcOp::LineTo, {{10, 20}, {0, 0}}},
        {"ELIP box turned and ordered", "ELIP,-005,-020,+005,-010", 1, 1.0, 100, 100, DcOp::Ellipse,
         {{110, 95}, {120, 105}}},
        {"ARCO as drawn", "ARCO,-010,-010,+010,+010,+010,+000,+000,-010", 0, 1.0, 50, 50, DcOp::Arc,
         {{40, 40}, {60, 60}, {60, 50}, {50, 40}}},
        {"ARCO mirrored runs from the end point", "ARCO,-010,-010,+010,+010,+010,+000,+000,-010", 4, 1.0, 50, 50,
         DcOp::Arc, {{40, 40}, {60, 60}, {50, 40}, {40, 50}}},
        {"ARCO mirrored on the falling diagonal", "ARCO,-010,-010,+010,+010,+010,+000,+000,-010", 7, 1.0, 50,
         50, DcOp::Arc, {{40, 40}, {60, 60}, {40, 50}, {50, 60}}},
        {"CUER turned half keeps its order", "CUER,-010,-010,+010,+010,+010,+000,+000,-010", 2, 1.0, 50, 50,
         DcOp::Chord, {{40, 40}, {60, 60}, {40, 50}, {50, 60}}},
        {"CUER mirrored on the rising diagonal", "CUER,-010,-010,+010,+010,+010,+000,+000,-010", 5, 1.0, 50,
         50, DcOp::Chord, {{40, 40}, {60, 60}, {60, 50}, {50, 40}}},
        {"RELL turned three quarters", "RELL,+004,+006", 3, 1.0, 20, 20, DcOp::FloodFill, {{26, 16}}},
        {"TEXT at its turned anchor", "TEXT,+010,+000,ab   ,0", 1, 1.0, 30, 30, DcOp::TextOut, {{30, 40}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        place(kTypeCoil, r.code);
        draw(r.command, r.scale, r.ox, r.oy);
        EXPECT_EQ(dc.drawingCount(), 1) << dc.transcript();
        const DcCall* call = dc.last(r.op);
        ASSERT_NE(call, nullptr) << dc.transcript();
        EXPECT_EQ(pointsOf(call->points), pointsOf(r.points));
    }
}

TEST_F(Interpreter, UnknownWordsDrawNothingButStillTakeAPen) {
    const char* commands[] = {
        "line,+000,+000,+010,+010", "Line,+000,+000,+010,+010", "TEXt,+000,+000,abc  ,0",
        "LIN",  "L", "", " LINE,+000,+000,+010,+010", "XXXX,+000,+000,+010,+010", "LIN,+000,+000",
    };
    const Pen before{PenStyle::Dot, 4, rgb(1, 2, 3)};
    for (const char* command : commands) {
        SCOPED_TRACE(std::string("\"") + command + "\"");
        dc.selectPen(before);
        draw(command);
        EXPECT_EQ(dc.drawingCount(), 0) << dc.transcript();
        EXPECT_EQ(dc.count(DcOp::SelectPen), 2);
        EXPECT_TRUE(samePen(dc.pen(), before));
    }
}

// Each chunk is a field and the column after it, which is never read: the commas
// are only a convention.
TEST_F(Interpreter, NumericFieldsReadTheirFourColumns) {
    struct Row {
        const char* chunk;
        int value;
    };
    const Row rows[] = {
        {"+015,", 15}, {"-040,", -40}, {"0030,", 30},  {"+90,,", 90}, {"  7,,", 7},   {" -3 ,", -3},
        {"\t+5,,", 5}, {"9999,", 9999}, {"-999,", -999}, {"12-4,", 12}, {"+ab,,", 0}, {"----,", 0},
        {",,,,,", 0},  {" - 5,", 0},   {"    ,", 0},    {"+0159", 15}, {"-0017", -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string("\"") + r.chunk + "\"");
        draw(std::string("PUNT,") + r.chunk + "+000");
        const DcCall* call = dc.last(DcOp::SetPixel);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->point().x, r.value);
        EXPECT_EQ(call->point().y, 0);
    }
}

// The text ends at its length or at a NUL; fields cut by the end read what is there
// and absent fields read 0.
TEST_F(Interpreter, CommandsEndWhereTheirTextEnds) {
    const std::string full = "LINE,+010,+020,+030,+040";
    struct Row {
        const char* name;
        std::string_view command;
        std::vector<Point> points;
    };
    const std::string withNul("LINE,+010,+020\0+030,+040", 24);
    const Row rows[] = {
        {"whole", full, {{10, 20}, {30, 40}}},
        {"cut inside field 3", std::string_view(full).substr(0, 17), {{10, 20}, {0, 0}}},
        {"cut inside field 4", std::string_view(full).substr(0, 23), {{10, 20}, {30, 4}}},
        {"NUL after field 2", withNul, {{10, 20}, {0, 0}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        draw(r.command);
        const DcCall* call = dc.last(DcOp::LineTo);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(pointsOf(call->points), pointsOf(r.points));
    }
}

// Every prefix of the longest forms, each in a buffer of exactly its own size with
// no terminator: the sanitizer stops any read past the end.
TEST_F(Interpreter, NoPrefixIsReadPastItsEnd) {
    const char* commands[] = {
        "ARCO,-010,-010,+010,+010,+010,+000,+000,-010", "CUER,-010,-010,+010,+010,+010,+000,+000,-010",
        "POLI,+090,+090,+120,+090,+120,+105,+090,+107", "TEXT,-010,-015,  -K1,2",
        "NUME,+095,+135,A1  ",  "RELL,+004,+006", "PUNT,+001,+002", "ELIP,-005,-020,+005,-010",
    };
    view->m_simulating = 1;
    doc.m_showConnectionSymbols = 1;
    for (const char* command : commands) {
        const std::size_t n = std::strlen(command);
        for (std::size_t len = 0; len <= n; ++len) {
            SCOPED_TRACE(std::string(command, len));
            std::unique_ptr<char[]> exact(new char[len > 0 ? len : 1]);
            std::memcpy(exact.get(), command, len);
            draw(std::string_view(exact.get(), len), 0.4, 100, 100);
            if (len < 4) {
                EXPECT_EQ(dc.drawingCount(), 0);
            }
        }
    }
}

TEST_F(Interpreter, OrientationComesFromTheSlotOrTheTool) {
    struct Row {
        const char* name;
        int drawingPlaced;
        int slotCode;
        int toolCode;
        Point from, to;
    };
    // p1 (10, 20) and p2 (30, -40) at origin (100, 100), scale 1.
    const Row rows[] = {
        {"code 0 as drawn", 1, 0, 5, {110, 120}, {130, 60}},
        {"code 1 quarter turn", 1, 1, 0, {80, 110}, {140, 130}},
        {"code 2 half turn", 1, 2, 0, {90, 80}, {70, 140}},
        {"code 3 three quarters", 1, 3, 0, {120, 90}, {60, 70}},
        {"code 4 mirrored left-right", 1, 4, 0, {90, 120}, {70, 60}},
        {"code 5 rising diagonal", 1, 5, 0, {80, 90}, {140, 70}},
        {"code 6 top to bottom", 1, 6, 0, {110, 80}, {130, 140}},
        {"code 7 falling diagonal", 1, 7, 0, {120, 110}, {60, 130}},
        {"code 8 leaves points", 1, 8, 0, {110, 120}, {130, 60}},
        {"code -1 leaves points", 1, -1, 0, {110, 120}, {130, 60}},
        {"preview takes the tool's code", 0, 0, 1, {80, 110}, {140, 130}},
        {"any other flag takes the tool's code", 2, 3, 6, {110, 80}, {130, 140}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        place(kTypeCoil, r.slotCode);
        view->m_drawingPlaced = r.drawingPlaced;
        view->m_toolOrientation = r.toolCode;
        draw("LINE,+010,+020,+030,-040", 1.0, 100, 100);
        const DcCall* call = dc.last(DcOp::LineTo);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(pointsOf(call->points), pointsOf({r.from, r.to}));
    }
}

// Printing without colour turns only the pens black: fills, points and texts keep
// the symbol's colour.
TEST_F(Interpreter, PensFollowTheColourWidthAndPrinting) {
    struct Row {
        const char* name;
        int printing;
        int printInColor;
        const char* command;
        DcOp op;
        Color pen;
        Color fill;  // brush of POLI and RELL, pixel of PUNT, text colour of TEXT
    };
    const Color black = g_colorBlack;
    const Row rows[] = {
        {"line on screen", 0, 0, "LINE,+000,+000,+010,+000", DcOp::LineTo, kSymbolColor, 0},
        {"line printed in colour", 1, 1, "LINE,+000,+000,+010,+000", DcOp::LineTo, kSymbolColor, 0},
        {"line printed without colour", 1, 0, "LINE,+000,+000,+010,+000", DcOp::LineTo, black, 0},
        {"quad on screen", 0, 0, "POLI,+000,+000,+010,+000,+010,+010,+000,+010", DcOp::Polygon, kSymbolColor,
         kSymbolColor},
        {"quad printed without colour", 1, 0, "POLI,+000,+000,+010,+000,+010,+010,+000,+010", DcOp::Polygon,
         black, kSymbolColor},
        {"fill printed without colour", 1, 0, "RELL,+005,+005", DcOp::FloodFill, black, kSymbolColor},
        {"point printed without colour", 1, 0, "PUNT,+005,+005", DcOp::SetPixel, black, kSymbolColor},
        {"text printed without colour", 1, 0, "TEXT,+000,+000,abc  ,0", DcOp::TextOut, black, kSymbolColor},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        view->m_printing = r.printing;
        doc.m_printInColor = r.printInColor;
        view->m_penColor = kSymbolColor;
        view->m_penWidth = r.printing ? 3 : 1;
        draw(r.command);
        const DcCall* call = dc.last(r.op);
        ASSERT_NE(call, nullptr) << dc.transcript();
        EXPECT_EQ(call->pen.color, r.pen);
        EXPECT_EQ(call->pen.width, view->m_penWidth);
        EXPECT_EQ(call->pen.style, PenStyle::Solid);
        switch (r.op) {
            case DcOp::Polygon:
            case DcOp::FloodFill:
                EXPECT_EQ(call->brush.style, BrushStyle::Solid);
                EXPECT_EQ(call->brush.color, r.fill);
                break;
            case DcOp::SetPixel: EXPECT_EQ(call->color, r.fill); break;
            case DcOp::TextOut: EXPECT_EQ(call->textColor, r.fill); break;
            default: break;
        }
    }
}

// The fill starts from the colour under its point before anything is drawn.
TEST_F(Interpreter, FillFloodsTheColourFoundAtItsPoint) {
    dc.surface().setPixel(12, 7, rgb(0, 200, 0));
    draw("RELL,+002,-003", 1.0, 10, 10);
    ASSERT_EQ(dc.count(DcOp::GetPixel), 1);
    EXPECT_EQ(dc.last(DcOp::GetPixel)->point(), (Point{12, 7}));
    EXPECT_EQ(dc.last(DcOp::FloodFill)->color, rgb(0, 200, 0));
}

// Ellipses and chords are filled with whatever brush the routine selected.
TEST_F(Interpreter, OutlinesUseTheCallersBrush) {
    const char* commands[] = {"ELIP,-005,-005,+005,+005", "CUER,-010,-010,+010,+010,+010,+000,+000,-010"};
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        dc.selectBrush(Brush::solid(rgb(7, 8, 9)));
        draw(command);
        ASSERT_EQ(dc.drawingCount(), 1);
        for (const DcCall& c : dc.calls())
            if (testkit::isDrawingOp(c.op)) {
                EXPECT_TRUE(sameBrush(c.brush, Brush::solid(rgb(7, 8, 9))));
            }
        EXPECT_EQ(dc.count(DcOp::SelectBrush), 0);
    }
}

TEST_F(Interpreter, EveryWordLeavesTheToolsAsItFoundThem) {
    const char* commands[] = {
        "PUNT,+001,+001", "LINE,+000,+000,+010,+010", "ELIP,-005,-005,+005,+005",
        "ARCO,-010,-010,+010,+010,+010,+000,+000,-010", "CUER,-010,-010,+010,+010,+010,+000,+000,-010",
        "POLI,+000,+000,+010,+000,+010,+010,+000,+010", "RELL,+005,+005", "NUME,+095,+135,A1",
        "TEXT,+000,+000,abc  ,3", "TEXT,+000,+000,abc  ,7", "BOGUS",
    };
    doc.m_showConnectionSymbols = 1;
    view->m_simulating = 1;
    const Pen pen{PenStyle::Dot, 2, rgb(1, 1, 1)};
    const Brush brush = Brush::hollow();
    Font font;
    font.face = "Courier";
    font.height = 33;
    for (const char* command : commands) {
        SCOPED_TRACE(command);
        dc.selectPen(pen);
        dc.selectBrush(brush);
        dc.selectFont(font);
        draw(command, 0.4, 50, 50);
        EXPECT_TRUE(samePen(dc.pen(), pen));
        EXPECT_TRUE(sameBrush(dc.brush(), brush));
        EXPECT_TRUE(sameFont(dc.font(), font));
    }
}

TEST_F(Interpreter, TextAlignsTurnsAndMirrors) {
    struct Row {
        const char* name;
        const char* command;
        int code;
        double scale;
        bool drawn;
        Point anchor;
        int align;
        int escapement;
        const char* text;
        int height;
    };
    const int left = kAlignLeft | kAlignTop, right = kAlignRight | kAlignTop, centre = kAlignCenter | kAlignTop;
    // Origin (100, 100).
    const Row rows[] = {
        {"right-aligned label as drawn", "TEXT,-010,-015,  -K1,2", 0, 1.0, true, {90, 85}, right, 0, "  -K1", 15},
        {"mirrored label starts at its anchor", "TEXT,-010,-015,  -K1,2", 4, 1.0, true, {110, 85}, left, 0,
         "  -K1", 15},
        {"centred as drawn", "TEXT,+000,+010,  abc,3", 0, 1.0, true, {100, 110}, centre, 0, "  abc", 15},
        {"centred mirrored on the rising diagonal", "TEXT,+000,+010,  abc,3", 5, 1.0, true, {90, 100}, left, 2700,
         "  abc", 15},
        {"quarter turn reads downward", "TEXT,+020,+000,A    ,2", 1, 1.0, true, {100, 120}, right, 2700,
         "A    ", 15},
        {"half turn upside down", "TEXT,+020,+000,A    ,0", 2, 1.0, true, {80, 100}, left, 1800, "A    ", 15},
        {"three quarters reads upward", "TEXT,+020,+000,A    ,3", 3, 1.0, true, {100, 80}, centre, 900,
         "A    ", 15},
        {"mirrored top to bottom", "TEXT,+020,+010,A    ,2", 6, 1.0, true, {120, 90}, left, 1800, "A    ", 15},
        {"mirrored on the falling diagonal", "TEXT,+020,+010,A    ,0", 7, 1.0, true, {110, 120}, left, 900,
         "A    ", 15},
        {"scale sets the cell height", "TEXT,-010,-015,  -K1,2", 0, 0.4, true, {96, 94}, right, 0, "  -K1", 6},
        {"cell height truncates", "TEXT,-010,-015,  -K1,2", 0, 0.5, true, {95, 92}, right, 0, "  -K1", 7},
        {"short text without alignment", "TEXT,+000,+000,AB", 0, 1.0, true, {100, 100}, left, 0, "AB", 15},
        {"alignment 1 draws nothing", "TEXT,+000,+000,abc  ,1", 0, 1.0, false, {}, 0, 0, "", 0},
        {"alignment 9 draws nothing", "TEXT,+000,+000,abc  ,9", 4, 1.0, false, {}, 0, 0, "", 0},
        {"code 8 draws nothing", "TEXT,+000,+000,abc  ,0", 8, 1.0, false, {}, 0, 0, "", 0},
    };
    view->m_penColor = kSymbolColor;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        place(kTypeCoil, r.code);
        dc.setBackgroundTransparent(false);
        draw(r.command, r.scale, 100, 100);
        EXPECT_TRUE(dc.backgroundTransparent());
        const DcCall* call = dc.last(DcOp::TextOut);
        if (!r.drawn) {
            EXPECT_EQ(call, nullptr);
            EXPECT_EQ(dc.textColor(), g_colorBlack);
            continue;
        }
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(call->point(), r.anchor);
        EXPECT_EQ(call->text, r.text);
        EXPECT_EQ(call->textAlign, r.align);
        EXPECT_EQ(call->font.escapement, r.escapement);
        EXPECT_EQ(call->font.height, r.height);
        EXPECT_EQ(call->font.face, "Arial");
        EXPECT_EQ(call->textColor, kSymbolColor);
        EXPECT_EQ(dc.textColor(), kSymbolColor);
    }
}

// Through a real device context: the line leaves out its end pixel, a point and a
// fill put the symbol's colour where the commands say.
TEST_F(Interpreter, CommandsReachThePixels) {
    struct Row {
        const char* command;
        Point pixel;
        bool painted;
    };
    const Row rows[] = {
        {"LINE,+000,+000,+010,+000", {5, 5}, true},
        {"LINE,+000,+000,+010,+000", {14, 5}, true},
        {"LINE,+000,+000,+010,+000", {15, 5}, false},
        {"LINE,+000,+000,+010,+000", {5, 6}, false},
        {"PUNT,+003,+004", {8, 9}, true},
        {"RELL,+003,+004", {31, 31}, true},
    };
    const Color red = g_colorRed;
    view->m_penColor = red;
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.command) + " at " + std::to_string(r.pixel.x) + "," + std::to_string(r.pixel.y));
        Surface surface(32, 32);
        testkit::RecordingDc pixels(surface);
        view->DrawCommand(pixels, r.command, 1.0, 5, 5);
        EXPECT_EQ(surface.pixel(r.pixel.x, r.pixel.y), r.painted ? red : g_colorWhite);
        EXPECT_EQ(pixels.drawingCount(), 1);
    }
}
