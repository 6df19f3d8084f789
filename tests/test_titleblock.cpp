// The title block in both layouts: its lines, its captions, the values of the
// document with their shown flags and alignments, and its colours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/VelkarionView.h"
#include "paint_sheet.h"
#include "platform/text1250.h"
#include "testkit/recording_dc.h"

using namespace velk;
using velk::testing::PaintSheet;
using velk::testkit::DcCall;
using velk::testkit::DcOp;
using velk::testkit::RecordingDc;

namespace {

constexpr Color kGreen = rgb(0, 128, 0);
constexpr Color kBlack = rgb(0, 0, 0);
constexpr int kCaptionCount = 10;

void drawBlock(CVelkarionView& view, Dc& dc, int version, double zoomArgument, int x0, int y0) {
    if (version == 1)
        view.DrawTitleBlock1(dc, zoomArgument, x0, y0);
    else
        view.DrawTitleBlock2(dc, zoomArgument, x0, y0);
}

void fillTitleTexts(SheetDocument& doc) {
    const char* texts[kTitleTextCount] = {"d0", "n1", "d2", "n3", "Entity", "Title", "d6", "1", "3", "file.cad"};
    for (int i = 0; i < kTitleTextCount; ++i) doc.m_titleText[i] = texts[i];
}

}  // namespace

TEST(TitleBlock, LinesAtTheBlockCorner) {
    struct Row {
        const char* name;
        int version;
        double zoom;
        int x0, y0;
        int offsetX, offsetY;
        std::size_t lines;
        Point topFrom, topTo, lastFrom, lastTo;
    };
    const Row rows[] = {
        {"version 1 at (24, 297), zoom 2", 1, 2.0, 24, 297, 0, 0, 13, {48, 594}, {462, 594}, {462, 594}, {462, 666}},
        {"version 2 at (3, 213), zoom 2", 2, 2.0, 3, 213, 0, 0, 14, {6, 426}, {666, 426}, {666, 426}, {666, 462}},
        // The corner and the point are added before the zoom: trunc(208 x 2.5) = 520.
        {"version 1 at (1, 1), zoom 2.5", 1, 2.5, 1, 1, 0, 0, 13, {2, 2}, {520, 2}, {520, 2}, {520, 92}},
        {"version 1 with device offsets", 1, 2.0, 24, 297, 100, 50, 13, {148, 644}, {562, 644}, {562, 644},
         {562, 716}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PaintSheet s;
        s.doc.m_zoom = row.zoom;
        s.doc.m_printOffsetX = row.offsetX;
        s.doc.m_printOffsetY = row.offsetY;
        RecordingDc dc;
        // The zoom argument is not used: the document's zoom holds.
        drawBlock(s.view, dc, row.version, 7.0, row.x0, row.y0);

        const auto moves = dc.callsOf(DcOp::MoveTo);
        const auto lines = dc.callsOf(DcOp::LineTo);
        ASSERT_EQ(lines.size(), row.lines);
        ASSERT_EQ(moves.size(), row.lines);
        EXPECT_EQ(moves.front().point(), row.topFrom);
        EXPECT_EQ(lines.front().point(1), row.topTo);
        EXPECT_EQ(moves.back().point(), row.lastFrom);
        EXPECT_EQ(lines.back().point(1), row.lastTo);
    }
}

TEST(TitleBlock, CaptionsWhenNoRowIsShown) {
    struct Row {
        int version;
        Point titleCaption, numberCaption;
    };
    const Row rows[] = {{1, {33, 20}, {159, 21}}, {2, {195, 2}, {303, 3}}};
    const std::vector<std::string> captions = {"Fecha",   "Nombre",        "Firmas", "Dibujado", "Comprobado",
                                               "Entidad", cp1250("Título"), "Fecha:", cp1250("Nún:"), "Archivo:"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.version);
        PaintSheet s;
        s.doc.m_zoom = 1.0;
        fillTitleTexts(s.doc);
        s.doc.m_titleShow.fill(0);
        RecordingDc dc;
        drawBlock(s.view, dc, row.version, 1.0, 0, 0);

        const auto texts = dc.callsOf(DcOp::TextOut);
        ASSERT_EQ(texts.size(), captions.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, captions[i]);
            EXPECT_EQ(texts[i].textAlign, kAlignLeft | kAlignTop);
            EXPECT_EQ(texts[i].font.height, Font::fromPointSize(20).height);
        }
        EXPECT_EQ(texts[0].point(), (Point{33, 2}));
        EXPECT_EQ(texts[6].point(), row.titleCaption);
        EXPECT_EQ(texts[8].point(), row.numberCaption);
    }
}

TEST(TitleBlock, ValuesFollowTheirAlignment) {
    struct Value {
        const char* text;
        int x[3];
        int y;
        bool large;
    };
    struct Layout {
        int version;
        std::vector<Value> values;  // in drawing order
    };
    const Layout layouts[] = {
        {1,
         {{"d0", {33, 45, 57}, 8, false},
          {"n1", {63, 76, 87}, 8, false},
          {"d2", {33, 45, 57}, 14, false},
          {"n3", {63, 76, 87}, 14, false},
          {"d6", {3, 15, 27}, 26, false},
          {"1 de 3", {170, 185, 200}, 21, false},
          {"file.cad", {170, 185, 200}, 30, false},
          {"Entity", {124, 164, 204}, 8, true},
          {"Title", {33, 93, 153}, 26, true}}},
        {2,
         {{"d0", {33, 45, 57}, 8, false},
          {"n1", {63, 76, 87}, 8, false},
          {"d2", {33, 45, 57}, 14, false},
          {"n3", {63, 76, 87}, 14, false},
          {"d6", {279, 289, 299}, 3, false},
          {"1 de 3", {308, 318, 328}, 3, false},
          {"file.cad", {279, 302, 325}, 12, false},
          {"Entity", {125, 156, 187}, 8, true},
          {"Title", {197, 228, 259}, 8, true}}},
    };
    const int alignFlags[3] = {kAlignLeft | kAlignTop, kAlignCenter | kAlignTop, kAlignRight | kAlignTop};
    for (const Layout& layout : layouts) {
        for (int align = 0; align < 3; ++align) {
            SCOPED_TRACE("version " + std::to_string(layout.version) + ", alignment " + std::to_string(align));
            PaintSheet s;
            s.doc.m_zoom = 2.0;
            fillTitleTexts(s.doc);
            s.doc.m_titleAlign.fill(align);
            RecordingDc dc;
            drawBlock(s.view, dc, layout.version, 2.0, 10, 20);

            const auto texts = dc.callsOf(DcOp::TextOut);
            ASSERT_EQ(texts.size(), kCaptionCount + layout.values.size());
            for (std::size_t i = 0; i < layout.values.size(); ++i) {
                const Value& v = layout.values[i];
                const DcCall& t = texts[kCaptionCount + i];
                SCOPED_TRACE(v.text);
                EXPECT_EQ(t.text, v.text);
                EXPECT_EQ(t.point(), (Point{2 * (10 + v.x[align]), 2 * (20 + v.y)}));
                EXPECT_EQ(t.textAlign, alignFlags[align]);
                EXPECT_EQ(t.font.height, Font::fromPointSize(v.large ? 70 : 40).height);
                EXPECT_EQ(t.textColor, kGreen);
                EXPECT_TRUE(t.transparent);
            }
        }
    }
}

TEST(TitleBlock, EachShownFlagHidesItsOwnValues) {
    // Rows: 0 drawn-by, 1 checked-by, 2 entity, 3 title, 4 date, 5 sheet, 6 file name.
    struct Row {
        int row;
        std::vector<std::string> hidden;
    };
    const Row rows[] = {
        {0, {"d0", "n1"}}, {1, {"d2", "n3"}}, {2, {"Entity"}}, {3, {"Title"}},
        {4, {"d6"}},       {5, {"1 de 3"}},   {6, {"file.cad"}},
    };
    const std::vector<std::string> all = {"d0", "n1", "d2", "n3", "d6", "1 de 3", "file.cad", "Entity", "Title"};
    for (int version = 1; version <= 2; ++version) {
        for (const Row& row : rows) {
            SCOPED_TRACE("version " + std::to_string(version) + ", row " + std::to_string(row.row));
            PaintSheet s;
            fillTitleTexts(s.doc);
            s.doc.m_titleShow[row.row] = 0;
            RecordingDc dc;
            drawBlock(s.view, dc, version, 2.0, 0, 0);
            std::vector<std::string> drawn;
            const auto texts = dc.callsOf(DcOp::TextOut);
            for (std::size_t i = kCaptionCount; i < texts.size(); ++i) drawn.push_back(texts[i].text);
            std::vector<std::string> expected;
            for (const std::string& t : all) {
                bool hide = false;
                for (const std::string& h : row.hidden) hide = hide || h == t;
                if (!hide) expected.push_back(t);
            }
            EXPECT_EQ(drawn, expected);
        }
    }
}

TEST(TitleBlock, AlignmentOutsideTheDialogsValuesDrawsLeft) {
    PaintSheet s;
    s.doc.m_zoom = 1.0;
    fillTitleTexts(s.doc);
    s.doc.m_titleShow.fill(0);
    s.doc.m_titleShow[6] = 1;
    s.doc.m_titleAlign[6] = 7;
    RecordingDc dc;
    s.view.DrawTitleBlock1(dc, 1.0, 0, 0);
    const DcCall* value = dc.last(DcOp::TextOut);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text, "file.cad");
    EXPECT_EQ(value->point(), (Point{170, 30}));
    EXPECT_EQ(value->textAlign, kAlignLeft | kAlignTop);
}

TEST(TitleBlock, ColoursAndWhatIsLeftOnTheDeviceContext) {
    struct Row {
        const char* name;
        int printing, printInColor, penWidth;
        Color color;
    };
    const Row rows[] = {
        {"screen", 0, 0, 1, kGreen},
        {"paper in colour", 1, 1, 3, kGreen},
        {"paper without colour", 1, 0, 3, kBlack},
    };
    for (int version = 1; version <= 2; ++version) {
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + ", version " + std::to_string(version));
            PaintSheet s;
            fillTitleTexts(s.doc);
            s.view.m_printing = row.printing;
            s.view.m_penWidth = row.penWidth;
            s.doc.m_printInColor = row.printInColor;
            RecordingDc dc;
            const Pen entryPen{PenStyle::Dot, 1, rgb(9, 9, 9)};
            Font entryFont;
            entryFont.height = 11;
            dc.selectPen(entryPen);
            dc.selectFont(entryFont);

            drawBlock(s.view, dc, version, 2.0, 3, 4);

            for (const DcCall& l : dc.callsOf(DcOp::LineTo)) {
                ASSERT_EQ(l.pen.color, row.color);
                ASSERT_EQ(l.pen.width, row.penWidth);
                ASSERT_EQ(l.pen.style, PenStyle::Solid);
            }
            for (const DcCall& t : dc.callsOf(DcOp::TextOut)) ASSERT_EQ(t.textColor, row.color);
            EXPECT_EQ(dc.pen().color, entryPen.color);
            EXPECT_EQ(dc.pen().style, entryPen.style);
            EXPECT_EQ(dc.font().height, entryFont.height);
            EXPECT_TRUE(dc.backgroundTransparent());
            EXPECT_EQ(dc.textColor(), row.color);
        }
    }
}
