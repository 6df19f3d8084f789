// Printing on paper: a page goes to the printer as vector drawing with real text,
// fills and pictures as lossless images, and looks as the page raster did; the
// print rules (black without colour, offsets, line width) hold on both back ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/TypeCodes.h"
#include "platform/dc.h"
#include "model/VelkarionView.h"
#include "platform/print.h"
#include "kept_pictures.h"
#include "print_support.h"
#include "render/Colors.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace velk {
namespace {

using printtest::Raster;

std::string examplePath(const std::string& name) { return std::string(VELK_FIXTURES) + "/../../examples/" + name; }

const char* backEndName(PrintBackEnd b) { return b == PrintBackEnd::Paper ? "paper" : "raster"; }

// A sheet window of a session, printed straight to PDF files in the session's folder.
struct PaperStage {
    testkit::Session session;
    CVelkarionView* view = nullptr;
    static inline int printed = 0;

    ~PaperStage() {
        setPrintBackEnd(PrintBackEnd::Paper);
        setPrintToFile(std::string());
    }
    SheetDocument& doc() { return session.document(*view); }

    std::string print(PrintBackEnd backEnd, const std::string& name) {
        const std::string pdf = (std::filesystem::path(session.workDir()) / name).string();
        setPrintBackEnd(backEnd);
        setPrintToFile(pdf);
        EXPECT_EQ(session.command(*view, ID_FILE_PRINT_DIRECT), CommandResult::Handled);
        setPrintBackEnd(PrintBackEnd::Paper);
        setPrintToFile(std::string());
        testpictures::keepFile(pdf, std::to_string(++printed) + "_" + name);
        return pdf;
    }

    int add(int type, int x, int y, int x2, int y2, Color color) {
        CVelkarionView& v = *view;
        const int slot = v.m_componentCount++;
        v.m_type[slot] = type;
        v.m_x[slot] = x;
        v.m_y[slot] = y;
        v.m_x2[slot] = x2;
        v.m_y2[slot] = y2;
        v.m_color[slot] = color;
        return slot;
    }
    int addSymbol(int type, int x, int y, const std::string& label) {
        const int slot = add(type, x, y, 0, 0, g_colorBlack);
        view->m_label[slot] = label;
        view->m_labelVisible[slot] = 1;
        return slot;
    }
};

void openExample(PaperStage& s) { s.view = &s.session.openSheet(examplePath("self_holding.cad")); }

// A push button and a coil, and every free-drawing item: a line, a rectangle filled
// by the fill tool, an ellipse, a filled rectangle and ellipse, a text and a picture.
void buildFreeDrawing(PaperStage& s) {
    s.view = &s.session.newSheet();
    SheetDocument& doc = s.doc();
    doc.m_pageFormat = 1;
    doc.m_titleText[4] = "Planta Norte";
    doc.m_titleText[5] = "Arranque bomba";
    s.addSymbol(kTypePushButtonNC, 90, 90, "-S1");
    s.addSymbol(kTypeCoil, 90, 150, "-K1");
    const int line = s.add(kTypeLine, 200, 60, 260, 90, g_colorBlack);
    s.view->m_lineCorner[line] = 1;
    s.add(kTypeRectangle, 200, 100, 260, 140, g_colorBlue);
    s.add(kTypeEllipse, 270, 100, 310, 140, g_colorMaroon);
    s.add(kTypeFilledRectangle, 200, 150, 240, 170, g_colorYellow);
    s.add(kTypeFilledEllipse, 250, 150, 290, 180, g_colorGreen);
    s.add(kTypeFill, 230, 120, 230, 120, g_colorRed);
    const int text = s.add(kTypeText, 200, 40, 200, 40, g_colorBlack);
    s.view->m_paramText[text] = "Bomba de agua";
    const int picture = s.add(kTypePicture, 150, 40, 180, 70, g_colorBlack);
    s.view->m_paramText[picture] = "two_by_two.bmp";
    s.view->LoadPictureOfSlot(picture, std::string(VELK_FIXTURES) + "/");
    EXPECT_TRUE(s.session.messages().empty());
    s.session.flush();
}

struct SheetRow {
    const char* name;
    std::function<void(PaperStage&)> build;
    std::vector<std::string> texts;
    int images;
};

std::vector<SheetRow> sheetRows() {
    return {
        {"example sheet", openExample, {"-S1", "-S2", "-K", "-H", "self_holding.cad", "10-Dec-2026", "Título"}, 0},
        {"every free-drawing item",
         buildFreeDrawing,
         {"-S1", "-K1", "Bomba de agua", "Planta Norte", "Arranque bomba"},
         2},
    };
}

// Ink: anything clearly darker or more coloured than the paper.
bool inked(Color c) { return std::min({redOf(c), greenOf(c), blueOf(c)}) < 170; }

// Ink of `a` inside `area` (all of it by default) that `b` has no ink within `reach` pixels of.
int unmatchedInk(const Raster& a, const Raster& b, Rect area = {0, 0, 1 << 20, 1 << 20}, int reach = 1) {
    int misses = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, a.height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, a.width); ++x) {
            if (!inked(a.at(x, y))) continue;
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = b.inside(x + dx, y + dy) && inked(b.at(x + dx, y + dy));
            if (!found) ++misses;
        }
    return misses;
}

int inkCount(const Raster& r, Rect area = {0, 0, 1 << 20, 1 << 20}) {
    int n = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, r.height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, r.width); ++x) n += inked(r.at(x, y)) ? 1 : 0;
    return n;
}

// One drawing operation of the device context in a cell of its own, 200 dots square.
struct DcCase {
    const char* name;
    std::function<void(Dc&)> draw;
    // Glyph outlines on paper differ a little from the screen's hinted glyphs.
    bool text = false;
};

// A job of one page that draws each case in its cell, the viewport origin at the cell.
class CasesClient : public PrintClient {
public:
    static constexpr int kCell = 200;
    static constexpr int kColumns = 8;
    explicit CasesClient(const std::vector<DcCase>& cases) : m_cases(cases) {}
    static Rect cellOf(std::size_t i) {
        const int left = 100 + static_cast<int>(i % kColumns) * kCell * 3 / 2;
        const int top = 100 + static_cast<int>(i / kColumns) * kCell * 3 / 2;
        return {left, top, left + kCell, top + kCell};
    }
    bool preparePrinting(PrintInfo& info) override { return preparePrintingDefault(info); }
    void beginPrinting(Dc&, PrintInfo&) override {}
    void printPage(Dc& dc, PrintInfo&) override {
        for (std::size_t i = 0; i < m_cases.size(); ++i) {
            const Rect cell = cellOf(i);
            dc.setViewportOrigin(cell.left, cell.top);
            dc.selectPen(Pen{});
            dc.selectBrush(Brush::white());
            dc.setRasterMode(RasterMode::CopyPen);
            m_cases[i].draw(dc);
        }
        dc.setViewportOrigin(0, 0);
    }
    void endPrinting(Dc&, PrintInfo&) override {}

private:
    const std::vector<DcCase>& m_cases;
};

std::vector<DcCase> dcCases(const Surface& picture) {
    const Color red = rgb(255, 0, 0), blue = rgb(0, 0, 255), green = rgb(0, 128, 0);
    return {
        {"a line of each pen width",
         [](Dc& dc) {
             for (int w = 1; w <= 5; ++w) {
                 dc.selectPen(Pen{PenStyle::Solid, w, rgb(0, 0, 0)});
                 dc.moveTo(10, 20 * w);
                 dc.lineTo(190, 20 * w + 60);
             }
         }},
        {"a chain of lines, dotted and solid",
         [](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 3, rgb(0, 0, 255)});
             dc.moveTo(10, 10);
             dc.lineTo(190, 10);
             dc.lineTo(190, 100);
             dc.lineTo(10, 10);
             dc.selectPen(Pen{PenStyle::Dot, 1, rgb(0, 0, 0)});
             dc.moveTo(10, 150);
             dc.lineTo(190, 150);
             dc.lineTo(190, 190);
         }},
        {"rectangles outlined, filled and bare",
         [red, blue](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 2, blue});
             dc.selectBrush(Brush::solid(red));
             dc.rectangle(10, 10, 90, 90);
             dc.selectBrush(Brush::hollow());
             dc.rectangle(110, 10, 190, 90);
             dc.rectangle(10, 120, 190, 121);
             dc.selectPen(Pen{PenStyle::Null, 1, blue});
             dc.selectBrush(Brush::solid(blue));
             dc.rectangle(10, 140, 190, 190);
         }},
        {"ellipses outlined, filled and bare",
         [red, green](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0)});
             dc.selectBrush(Brush::solid(red));
             dc.ellipse(10, 10, 90, 90);
             dc.selectPen(Pen{PenStyle::Solid, 4, green});
             dc.selectBrush(Brush::hollow());
             dc.ellipse(110, 10, 190, 60);
             dc.selectPen(Pen{PenStyle::Null, 1, green});
             dc.selectBrush(Brush::solid(green));
             dc.ellipse(20, 110, 180, 190);
         }},
        {"arcs counter-clockwise from start to end",
         [blue](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 2, blue});
             dc.arc(10, 10, 190, 190, 190, 100, 100, 10);   // upper right quarter
             dc.arc(40, 40, 160, 160, 40, 100, 160, 100);   // lower half
             dc.arc(70, 70, 130, 130, 100, 70, 100, 70);    // a full turn
         }},
        {"chords filled and hollow",
         [red](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 2, rgb(0, 0, 0)});
             dc.selectBrush(Brush::solid(red));
             dc.chord(10, 10, 190, 100, 10, 55, 190, 55);
             dc.selectBrush(Brush::hollow());
             dc.chord(10, 110, 190, 190, 190, 110, 10, 110);
         }},
        {"polygons filled and hollow",
         [green](Dc& dc) {
             const Point arrow[4] = {{10, 10}, {190, 50}, {10, 90}, {60, 50}};
             dc.selectPen(Pen{PenStyle::Solid, 1, rgb(0, 0, 0)});
             dc.selectBrush(Brush::solid(green));
             dc.polygon(arrow, 4);
             const Point bow[4] = {{10, 110}, {190, 190}, {190, 110}, {10, 190}};
             dc.selectPen(Pen{PenStyle::Solid, 3, green});
             dc.selectBrush(Brush::hollow());
             dc.polygon(bow, 4);
         }},
        {"pixels and plain rectangles",
         [red](Dc& dc) {
             for (int k = 0; k < 40; ++k) dc.setPixel(10 + 4 * k, 10 + 4 * k, rgb(0, 0, 0));
             dc.fillRect({100, 20, 180, 60}, red);
         }},
        {"texts turned and aligned",
         [blue](Dc& dc) {
             Font f;
             f.height = 30;
             dc.setBackgroundTransparent(true);
             dc.setTextColor(blue);
             for (int e : {0, 900, 1800, 2700}) {
                 f.escapement = e;
                 dc.selectFont(f);
                 dc.setTextAlign(kAlignLeft | kAlignTop);
                 dc.textOut(100, 100, "-K1");
             }
             f.escapement = 0;
             dc.selectFont(f);
             dc.setTextAlign(kAlignRight | kAlignTop);
             dc.textOut(190, 160, "A2");
         },
         true},
        {"text on its background",
         [](Dc& dc) {
             Font f;
             f.height = 40;
             dc.selectFont(f);
             dc.setBackgroundTransparent(false);
             dc.setBackgroundColor(rgb(255, 255, 0));
             dc.setTextColor(rgb(0, 0, 0));
             dc.setTextAlign(kAlignCenter | kAlignBaseline);
             dc.textOut(100, 100, "Pompa");
             dc.setBackgroundTransparent(true);
         },
         true},
        {"a flood fill inside an outline",
         [red, blue](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 2, blue});
             dc.selectBrush(Brush::hollow());
             dc.ellipse(10, 10, 190, 190);
             dc.selectBrush(Brush::solid(red));
             dc.floodFillSurface(100, 100, dc.getPixel(100, 100));
         }},
        {"lines in the inverting raster mode",
         [](Dc& dc) {
             dc.selectPen(Pen{PenStyle::Solid, 3, rgb(0, 0, 0)});
             dc.setRasterMode(RasterMode::NotXorPen);
             dc.moveTo(10, 100);
             dc.lineTo(190, 100);
             dc.moveTo(100, 10);
             dc.lineTo(100, 190);
             dc.setRasterMode(RasterMode::CopyPen);
         }},
        {"a picture stretched and copied",
         [&picture](Dc& dc) {
             dc.stretchBlit({10, 10, 190, 90}, picture);
             dc.blit(10, 110, picture.width(), picture.height(), picture, 0, 0);
         }},
    };
}

}  // namespace

TEST(PaperPrint, PdfHoldsRealTextAndOnlyTheImagesItNeeds) {
    if (!printtest::havePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    for (const SheetRow& row : sheetRows()) {
        SCOPED_TRACE(row.name);
        PaperStage s;
        row.build(s);
        const std::string pdf = s.print(PrintBackEnd::Paper, "sheet.pdf");
        ASSERT_TRUE(std::filesystem::exists(pdf));
        const std::string text = printtest::pdfText(pdf);
        for (const std::string& label : row.texts) EXPECT_NE(text.find(label), std::string::npos) << label;
        const std::string font = printtest::pdfFontLine(pdf, "LiberationSans");
        EXPECT_NE(font.find(" yes "), std::string::npos) << "the text's font is embedded: " << font;

        const std::vector<printtest::PdfImage> images = printtest::pdfImages(pdf);
        const auto imageCount = std::count_if(images.begin(), images.end(),
                                              [](const printtest::PdfImage& i) { return i.type == "image"; });
        EXPECT_EQ(imageCount, row.images) << "one image per fill or picture";
        for (const printtest::PdfImage& i : images) EXPECT_NE(i.encoding, "jpeg") << "lossless images only";
        EXPECT_LT(std::filesystem::file_size(pdf), 100u * 1024u);
    }
}

// The paper page rendered back at the job's resolution has every stroke of the
// raster page within one pixel, and nothing the raster page lacks.
TEST(PaperPrint, PdfLooksAsTheRasterPrint) {
    if (!printtest::havePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    for (const SheetRow& row : sheetRows()) {
        SCOPED_TRACE(row.name);
        PaperStage s;
        row.build(s);
        const std::optional<Raster> raster = printtest::renderPdf(s.print(PrintBackEnd::Raster, "raster.pdf"), 300);
        const std::optional<Raster> paper = printtest::renderPdf(s.print(PrintBackEnd::Paper, "paper.pdf"), 300);
        ASSERT_TRUE(raster && paper);
        ASSERT_EQ(raster->width, paper->width);
        ASSERT_EQ(raster->height, paper->height);
        const int ink = inkCount(*raster);
        const int missing = unmatchedInk(*raster, *paper);
        const int extra = unmatchedInk(*paper, *raster);
        EXPECT_GT(ink, 10000);
        EXPECT_LE(missing, ink / 100);
        EXPECT_LE(extra, ink / 100);
    }
}

// Each operation of the device context, printed on paper, lies within one pixel of
// what the page raster draws; only what has no vector form becomes an image.
TEST(PaperPrint, EveryOperationLandsWhereTheRasterDrawsIt) {
    if (!printtest::havePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    testkit::Session session;
    Surface picture(40, 40, rgb(0, 128, 0));
    picture.fillRect({0, 0, 20, 20}, rgb(255, 0, 0));
    const std::vector<DcCase> cases = dcCases(picture);
    CasesClient client(cases);
    std::optional<Raster> pages[2];
    std::vector<printtest::PdfImage> paperImages;
    for (const PrintBackEnd backEnd : {PrintBackEnd::Raster, PrintBackEnd::Paper}) {
        const std::string pdf =
            (std::filesystem::path(session.workDir()) / (std::string(backEndName(backEnd)) + ".pdf")).string();
        setPrintBackEnd(backEnd);
        setPrintToFile(pdf);
        EXPECT_TRUE(runPrintJob(client, PrintKind::Direct));
        setPrintBackEnd(PrintBackEnd::Paper);
        setPrintToFile(std::string());
        testpictures::keepFile(pdf, "cases_" + std::string(backEndName(backEnd)) + ".pdf");
        pages[backEnd == PrintBackEnd::Paper ? 1 : 0] = printtest::renderPdf(pdf, 300);
        if (backEnd == PrintBackEnd::Paper) paperImages = printtest::pdfImages(pdf);
    }
    ASSERT_TRUE(pages[0] && pages[1]);
    const Raster& raster = *pages[0];
    const Raster& paper = *pages[1];
    // The page lies 4 mm into the paper.
    const int margin = static_cast<int>(4.0 / 25.4 * 300);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        const Rect c = CasesClient::cellOf(i);
        const Rect area{c.left + margin - 10, c.top + margin - 10, c.right + margin + 10, c.bottom + margin + 10};
        const int ink = inkCount(raster, area);
        EXPECT_GT(ink, 50);
        const int reach = cases[i].text ? 2 : 1;
        const int missing = unmatchedInk(raster, paper, area, reach);
        const int extra = unmatchedInk(paper, raster, area, reach);
        EXPECT_LE(missing, ink / 100);
        EXPECT_LE(extra, ink / 100);
    }
    // The fill, the two inverted lines and the two pictures.
    const auto imageCount = std::count_if(paperImages.begin(), paperImages.end(),
                                          [](const printtest::PdfImage& i) { return i.type == "image"; });
    EXPECT_EQ(imageCount, 5);
}

// Printed without colour, with print offsets (10, 5) and a line width of 3: the
// frame and a blue rectangle come out black, 3 dots wide, where the offsets put them.
TEST(PaperPrint, PrintRulesHoldOnBothBackEnds) {
    if (!printtest::havePoppler()) GTEST_SKIP() << "poppler-utils is not installed";
    for (const PrintBackEnd backEnd : {PrintBackEnd::Paper, PrintBackEnd::Raster}) {
        SCOPED_TRACE(backEndName(backEnd));
        PaperStage s;
        s.view = &s.session.newSheet();
        SheetDocument& doc = s.doc();
        doc.m_pageFormat = 1;
        doc.m_printInColor = 0;
        doc.m_printOffsetX = 10;
        doc.m_printOffsetY = 5;
        doc.m_printLineWidth = 3;
        s.add(kTypeRectangle, 100, 100, 150, 130, g_colorBlue);
        const std::optional<Raster> page = printtest::renderPdf(s.print(backEnd, "rules.pdf"), 300);
        ASSERT_TRUE(page);
        const double margin = 4.0 / 25.4 * 300;
        // Dark pixels of a row (or column) across an edge, and whether any is coloured.
        const auto across = [&](int at, int from, int to, bool vertical, bool& coloured) {
            int dark = 0;
            for (int k = from; k <= to; ++k) {
                const int x = static_cast<int>(margin) + (vertical ? k : at);
                const int y = static_cast<int>(margin) + (vertical ? at : k);
                const Color c = page->at(x, y);
                if (std::max({redOf(c), greenOf(c), blueOf(c)}) < 128) ++dark;
                if (std::max({redOf(c), greenOf(c), blueOf(c)}) - std::min({redOf(c), greenOf(c), blueOf(c)}) > 60)
                    coloured = true;
            }
            return dark;
        };
        bool coloured = false;
        // The rectangle's left edge lies at 100 + 10 units, its top edge at 100 + 5, at 10 dots a unit.
        EXPECT_NEAR(across(1200, 1090, 1115, true, coloured), 3, 1) << "left edge of the rectangle";
        EXPECT_NEAR(across(1300, 1040, 1065, false, coloured), 3, 1) << "top edge of the rectangle";
        EXPECT_EQ(across(1200, 990, 1010, true, coloured), 0) << "nothing where the rectangle was without offsets";
        // The frame's outer top edge runs at 21 units, shifted by 5.
        EXPECT_NEAR(across(1500, 250, 270, false, coloured), 3, 1) << "the frame";
        EXPECT_FALSE(coloured) << "black without colour";
    }
}

}  // namespace velk
