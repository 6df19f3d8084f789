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
#include "model/VelkarionView.h"
#include "platform/print.h"
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
        if (const char* out = std::getenv("VELK_TEST_OUTPUT"))
            std::filesystem::copy_file(pdf, std::filesystem::path(out) / (std::to_string(++printed) + "_" + name),
                                       std::filesystem::copy_options::overwrite_existing);
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

// Ink of `a` that `b` has no ink within one pixel of.
int unmatchedInk(const Raster& a, const Raster& b) {
    int misses = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            if (!inked(a.at(x, y))) continue;
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    found = b.inside(x + dx, y + dy) && inked(b.at(x + dx, y + dy));
            if (!found) ++misses;
        }
    return misses;
}

int inkCount(const Raster& r) {
    int n = 0;
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x) n += inked(r.at(x, y)) ? 1 : 0;
    return n;
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
        std::printf("ink %d missing %d extra %d\n", ink, missing, extra);
        EXPECT_GT(ink, 10000);
        EXPECT_LE(missing, ink / 100);
        EXPECT_LE(extra, ink / 100);
    }
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
