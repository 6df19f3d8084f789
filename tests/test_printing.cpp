// Printing: the print zoom per page format and scale, what a job switches off and
// back on, the page paint, and a sheet printed to a PDF file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/print.h"
#include "platform/text1250.h"
#include "render/Colors.h"
#include "render/Paint.h"
#include "res/Resource.h"
#include "file_test_support.h"
#include "kept_pictures.h"
#include "print_support.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::printtest::fileText;
using velk::printtest::Raster;
using velk::printtest::readPpm;

namespace {

// The print dialog and the preview answered by the test.
struct PrintAnswers {
    bool dialogAnswer = true;
    int dialogs = 0;
    int previews = 0;
    std::vector<Surface> pages;
    PrintAnswers() {
        setPrintDialogHandler([this] {
            ++dialogs;
            return dialogAnswer;
        });
        setPrintPreviewHandler([this](const std::vector<Surface>& p) {
            ++previews;
            pages = p;
        });
    }
    ~PrintAnswers() {
        setPrintDialogHandler(nullptr);
        setPrintPreviewHandler(nullptr);
        setPrintToFile(std::string());
    }
};

// What a component routine saw while a page was painted.
struct RoutineCall {
    double zoom;
    int ox, oy;
    int printing, simulating, showGrid, guideLines, penWidth, tool, simPass, showOnly;
};

// A sheet window with one coil at (50, 40), whose routine calls are recorded.
struct PrintStage {
    testkit::Session session;
    CVelkarionView& view;
    SheetDocument& doc;
    std::vector<RoutineCall> calls;
    PrintStage() : view(session.newSheet()), doc(session.document(view)) {
        view.m_type[0] = kTypeCoil;
        view.m_x[0] = 50;
        view.m_y[0] = 40;
        view.m_componentCount = 1;
        view.m_routineProbe = [this](Dc&, int, double zoom, int ox, int oy) {
            calls.push_back({zoom, ox, oy, view.m_printing, view.m_simulating, doc.m_showGrid, doc.m_guideLines,
                             view.m_penWidth, g_currentTool, g_simPass, g_showOnly});
        };
        view.m_wirePassProbe = [](Dc&) {};
        session.flush();
        calls.clear();
    }
};

int pageObjects(const std::string& pdf) {
    int n = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++n;
    return n;
}

bool isReddish(Color c) { return redOf(c) > 200 && greenOf(c) < 80 && blueOf(c) < 80; }
// A green line blended with the white paper at least half-way.
bool isGreenish(Color c) { return greenOf(c) - redOf(c) > 40 && greenOf(c) - blueOf(c) > 40; }

}  // namespace

TEST(PrintZoom, PerPageFormatAndScale) {
    struct Row {
        const char* name;
        int pageFormat;
        float scale;
        double zoom;
    };
    const Row rows[] = {
        {"A4 portrait at scale 1", 0, 1.0f, 10.0},
        {"A4 landscape at scale 1", 1, 1.0f, 10.0},
        {"A3 first format at scale 1", 2, 1.0f, 7.1},
        {"A3 second format at scale 1", 3, 1.0f, 7.1},
        {"user size at scale 0.5", 4, 0.5f, 5.0},
        {"A3 at scale 2", 2, 2.0f, 14.2},
        {"A4 at scale 1.5", 1, 1.5f, 15.0},
        {"a format without a sheet keeps the screen zoom", 7, 1.0f, 3.0},
        {"scale 0.05 is taken as 0.1", 1, 0.05f, 1.0},
        {"scale 0 is taken as 0.1", 2, 0.0f, 0.71},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SheetDocument doc;
        doc.m_zoom = 3.0;
        doc.m_pageFormat = row.pageFormat;
        doc.m_printScale = row.scale;
        EXPECT_NEAR(CVelkarionView::PrintZoomFor(doc), row.zoom, 1e-6);
    }
}

TEST(Printing, JobSwitchesToPaperAndBack) {
    struct Row {
        const char* name;
        int showGrid;
        int guideLines;
    };
    const Row rows[] = {
        {"grid and guide lines on", 1, 1},
        {"grid and guide lines off", 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrintStage s;
        PrintAnswers answers;
        s.doc.m_zoom = 4.0;
        s.doc.m_prevZoom = 3.0;
        s.doc.m_showGrid = row.showGrid;
        s.doc.m_guideLines = row.guideLines;
        s.doc.m_printLineWidth = 3;
        g_currentTool = kTypeMotorThreePhase;

        ASSERT_TRUE(s.view.RunPrintCommand(ID_FILE_PRINT_PREVIEW));
        EXPECT_EQ(answers.dialogs, 0) << "a preview asks nothing";
        EXPECT_EQ(answers.previews, 1);
        EXPECT_EQ(answers.pages.size(), 1u);
        ASSERT_EQ(s.calls.size(), 1u) << "one page, one pass, no preview of the tool";
        const RoutineCall& page = s.calls[0];
        EXPECT_DOUBLE_EQ(page.zoom, 10.0);
        EXPECT_EQ(page.printing, 1);
        EXPECT_EQ(page.showGrid, 0);
        EXPECT_EQ(page.guideLines, 0);
        EXPECT_EQ(page.penWidth, 3);
        EXPECT_EQ(page.tool, kTypeNone);

        // Back on the screen: zoom, grid and guide lines as they were; no tool.
        EXPECT_DOUBLE_EQ(s.doc.m_zoom, 4.0);
        EXPECT_EQ(s.doc.m_showGrid, row.showGrid);
        EXPECT_EQ(s.doc.m_guideLines, row.guideLines);
        EXPECT_EQ(s.view.m_printing, 0);
        EXPECT_EQ(s.view.m_penWidth, 1);
        EXPECT_EQ(g_currentTool, kTypeNone);
        // Zoom previous now finds the zoom the screen had before printing.
        s.view.RunZoomCommand(ID_ZOOM_PREVIOUS);
        EXPECT_DOUBLE_EQ(s.doc.m_zoom, 4.0);
    }
}

// A page is drawn as the sheet stands: no evaluation, nothing of the run changed,
// and every coordinate shifted by the print offsets.
TEST(Printing, PageShowsTheSheetAsItStands) {
    PrintStage s;
    PrintAnswers answers;
    s.doc.m_printOffsetX = 10;
    s.doc.m_printOffsetY = 5;
    s.view.m_simulating = 1;
    s.view.m_stepMode = 1;
    s.view.m_stepPending = 1;
    g_viewOnlyRepaint = 1;

    ASSERT_TRUE(s.view.RunPrintCommand(ID_FILE_PRINT_PREVIEW));
    ASSERT_EQ(s.calls.size(), 1u) << "a single pass";
    EXPECT_EQ(s.calls[0].simulating, 1) << "the page shows the run";
    EXPECT_EQ(s.calls[0].showOnly, 1) << "and evaluates nothing";
    EXPECT_EQ(s.calls[0].simPass, 0);
    EXPECT_EQ(s.calls[0].ox, 50 * 10 + 10 * 10);
    EXPECT_EQ(s.calls[0].oy, 40 * 10 + 5 * 10);

    EXPECT_EQ(s.view.m_simulating, 1);
    EXPECT_EQ(s.view.m_stepPending, 1) << "a pending step is kept for the run";
    EXPECT_EQ(g_viewOnlyRepaint, 1);
    EXPECT_EQ(s.doc.m_printOffsetX, 10);
    EXPECT_EQ(s.doc.m_printOffsetY, 5);
    s.view.m_simulating = 0;
    s.view.m_stepMode = 0;
}

TEST(Printing, PreviewPageShowsTheFrameWithoutGrid) {
    PrintStage s;
    PrintAnswers answers;
    s.doc.m_pageFormat = 1;
    s.doc.m_printScale = 1.0f;
    s.doc.m_showGrid = 1;
    s.doc.m_printInColor = 1;
    s.view.OnFilePrintPreview();
    ASSERT_EQ(answers.pages.size(), 1u);
    const Surface& page = answers.pages[0];
    testpictures::keepPicture(page, "preview.png");

    // A4 landscape less 4 mm on every side, at 300 dots per inch.
    EXPECT_NEAR(page.width(), 3413, 5);
    EXPECT_NEAR(page.height(), 2386, 5);
    // The outer frame's top edge runs at 21 units, its right edge at 336, at zoom 10.
    auto greenNear = [&page](int x, int y, bool vertical) {
        for (int d = -1; d <= 1; ++d)
            if (page.pixel(vertical ? x + d : x, vertical ? y : y + d) == g_colorGreen) return true;
        return false;
    };
    EXPECT_TRUE(greenNear(1500, 210, false));
    EXPECT_TRUE(greenNear(3360, 1200, true));
    EXPECT_EQ(page.pixel(1500, 195), g_colorWhite);
    int gridDots = 0;
    for (int y = 0; y < page.height(); y += 30)
        for (int x = 0; x < page.width(); x += 30)
            if (page.pixel(x, y) == g_colorSilver) ++gridDots;
    EXPECT_EQ(gridDots, 0) << "no grid on paper";
    EXPECT_EQ(s.doc.m_showGrid, 1) << "the grid is back on the screen";
}

TEST(Printing, KindsOfPrintCommand) {
    struct Row {
        const char* name;
        int command;
        bool dialogAnswer;
        int dialogs;
        bool written;
    };
    const Row rows[] = {
        {"print asks first", ID_FILE_PRINT, true, 1, true},
        {"a cancelled print dialog ends the job", ID_FILE_PRINT, false, 1, false},
        {"direct print asks nothing", ID_FILE_PRINT_DIRECT, false, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        PrintStage s;
        PrintAnswers answers;
        answers.dialogAnswer = row.dialogAnswer;
        const std::string pdf = (std::filesystem::path(s.session.workDir()) / "sheet.pdf").string();
        setPrintToFile(pdf);
        EXPECT_EQ(printToFile(), pdf);
        g_currentTool = kTypeCoil;
        s.doc.m_zoom = 3.0;

        EXPECT_TRUE(CVelkarionView::IsPrintCommand(row.command));
        ASSERT_TRUE(s.view.RunPrintCommand(row.command));
        EXPECT_EQ(answers.dialogs, row.dialogs);
        EXPECT_EQ(std::filesystem::exists(pdf), row.written);
        EXPECT_EQ(s.calls.size(), row.written ? 1u : 0u);
        EXPECT_EQ(g_currentTool, row.written ? kTypeNone : kTypeCoil) << "only a job that began drops the tool";
        EXPECT_DOUBLE_EQ(s.doc.m_zoom, 3.0);
        EXPECT_EQ(s.view.m_printing, 0);
        if (row.written) {
            const std::string text = fileText(pdf);
            EXPECT_EQ(text.compare(0, 5, "%PDF-"), 0);
            EXPECT_EQ(pageObjects(text), 1);
        }
    }
}

// The sheet printed to a PDF file through the print command, looked at as a page.
TEST(PrintingScenario, PdfPageShowsTheSheet) {
    PrintStage s;
    PrintAnswers answers;
    s.view.m_routineProbe = nullptr;
    // A red filled rectangle from (100, 100) to (150, 130) and a black line.
    const int rect = s.view.m_componentCount++;
    s.view.m_type[rect] = kTypeFilledRectangle;
    s.view.m_x[rect] = 100;
    s.view.m_y[rect] = 100;
    s.view.m_x2[rect] = 150;
    s.view.m_y2[rect] = 130;
    s.view.m_color[rect] = rgb(255, 0, 0);
    s.doc.m_pageFormat = 1;
    s.doc.m_printScale = 1.0f;
    s.doc.m_printInColor = 1;
    const std::filesystem::path dir = s.session.workDir();
    const std::string pdf = (dir / "sheet.pdf").string();
    setPrintToFile(pdf);
    ASSERT_EQ(s.session.command(s.view, ID_FILE_PRINT), CommandResult::Handled);
    EXPECT_EQ(answers.dialogs, 1);
    ASSERT_TRUE(std::filesystem::exists(pdf));

    if (std::system("command -v pdftoppm > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: the page cannot be looked at";
    const std::string ppmBase = (dir / "page").string();
    const std::string cmd = "pdftoppm -r 150 -singlefile '" + pdf + "' '" + ppmBase + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::optional<Raster> page = readPpm(ppmBase + ".ppm");
    ASSERT_TRUE(page);
    testpictures::keepFile(ppmBase + ".ppm", "pdf_page.ppm");
    // A4 landscape at 150 dots per inch; the sheet starts 4 mm in, 10 dots of 300
    // per unit.
    EXPECT_NEAR(page->width, 1754, 2);
    EXPECT_NEAR(page->height, 1240, 2);
    const double margin = 4.0 / 25.4 * 150;
    auto at = [&](double unitsX, double unitsY) {
        return page->at(static_cast<int>(margin + unitsX * 5), static_cast<int>(margin + unitsY * 5));
    };
    EXPECT_TRUE(isReddish(at(125, 115))) << "the rectangle";
    EXPECT_FALSE(isReddish(at(160, 115))) << "beside the rectangle";
    bool frame = false;
    for (double x = 2.4; x <= 3.6; x += 0.2) frame = frame || isGreenish(at(x, 120));
    EXPECT_TRUE(frame) << "the inner frame's left edge";
    EXPECT_EQ(at(200, 60), rgb(255, 255, 255)) << "empty sheet";
}

// A page printed while simulating shows what the screen shows: the wires in their
// letters' colours and a lit lamp, with nothing of the run evaluated or changed.
TEST(PrintingScenario, PageWhileSimulatingShowsTheRunAsTheScreenDoes) {
    testkit::Session session;
    PrintAnswers answers;
    std::ifstream example(std::string(VELK_FIXTURES) + "/../../examples/self_holding.cad", std::ios::binary);
    session.writeFile("self_holding.cad", std::string(std::istreambuf_iterator<char>(example), {}));
    CVelkarionView& v = session.openSheet("self_holding.cad");
    SheetDocument& doc = session.document(v);
    constexpr int kStart = 2, kCoil = 4, kLamp = 5, kWire = 6;
    ASSERT_EQ(v.m_type[kLamp], kTypePilotLamp);
    session.command(v, ID_MODE_RUN);
    const Point start = session.unitsToWindow(v, v.m_x[kStart] + (v.m_boxX1[kStart] + v.m_boxX2[kStart]) / 2,
                                              v.m_y[kStart] + (v.m_boxY1[kStart] + v.m_boxY2[kStart]) / 2);
    session.press(v, start.x, start.y);
    session.tick(v, 3);
    session.release(v, start.x, start.y);
    session.tick(v, 2);
    ASSERT_EQ(v.m_state[kCoil], 1);
    ASSERT_EQ(v.m_state[kLamp], 1);
    const char wireLetter = v.m_potential[kWire].letter();
    ASSERT_NE(wireLetter, '0');

    doc.m_printOffsetX = 0;
    doc.m_printOffsetY = 0;
    doc.m_printInColor = 1;
    const double zoom = CVelkarionView::PrintZoomFor(doc);
    ASSERT_TRUE(v.RunPrintCommand(ID_FILE_PRINT_PREVIEW));
    ASSERT_EQ(answers.pages.size(), 1u);
    const Surface& page = answers.pages[0];
    testpictures::keepPicture(page, "running.png");
    auto at = [&](double ux, double uy) {
        return page.pixel(static_cast<int>(ux * zoom), static_cast<int>(uy * zoom));
    };
    // Inside the lamp's circle, clear of its cross (5 units below its origin).
    EXPECT_EQ(at(v.m_x[kLamp], v.m_y[kLamp] + 5), g_colorGreen) << "the lamp is lit on paper";
    const Color wire = at(v.m_x[kWire], (v.m_y[kWire] + v.m_y2[kWire]) / 2.0);
    EXPECT_NE(wire, g_colorBlack) << "the wire carries its letter's colour";
    EXPECT_NE(wire, g_colorWhite) << "the wire is drawn";

    EXPECT_EQ(v.m_simulating, 1);
    EXPECT_EQ(v.m_state[kCoil], 1);
    EXPECT_EQ(v.m_state[kLamp], 1);
    EXPECT_EQ(v.m_potential[kWire].letter(), wireLetter);
    session.command(v, ID_MODE_EDIT);
}

// Printing to a PDF file offers the sheet's own name with its extension replaced
// by the rule Save As uses for one (a dot before digits only, or before a blank,
// starts none): beside its file when it has one, beside the file it was opened
// from when that file could not be read whole, else its window title in the
// current folder.
TEST(PrintingScenario, PrintToFileOffersTheSheetsOwnName) {
    struct Row {
        const char* name;
        std::function<CVelkarionView&(testkit::Session&)> sheet;
        std::string offered;  // in the session's folder
    };
    const std::string sheet = filetest::fixtureText("wires_only.cad");
    // Cut before its end group, the sheet reads as damaged: its path is let go.
    const std::string damaged = sheet.substr(0, sheet.find("***$$$&&&"));
    const auto savedAs = [](const std::string& file) {
        return [file](testkit::Session& s) -> CVelkarionView& {
            CVelkarionView& v = s.newSheet();
            std::filesystem::create_directories(std::filesystem::path(s.workDir()) / "plans");
            s.answerFileDialogs({cp1250((s.workDir() + "/" + file).c_str())});
            s.command(v, ID_FILE_SAVE_AS);
            return v;
        };
    };
    // Opened from `file` holding `bytes`, with the message it gives, if any.
    const auto opened = [](const std::string& file, const std::string& bytes, const std::string& message) {
        return [=](testkit::Session& s) -> CVelkarionView& {
            std::filesystem::create_directories(std::filesystem::path(s.workDir() + "/" + file).parent_path());
            s.writeFile(file, bytes);
            s.clearMessages();
            CVelkarionView& v = s.openSheet(s.workDir() + "/" + file);
            std::vector<std::string> shown;
            for (const BoxRecord& box : s.messages()) shown.push_back(box.text);
            EXPECT_EQ(shown, message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message});
            return v;
        };
    };
    const std::string damagedMessage = cp1250("El archivo está deteriorado: pueden faltar elementos");
    const auto openedDamagedThenAnother = [&](testkit::Session& s) -> CVelkarionView& {
        CVelkarionView& v = opened("plans/pump.cad", damaged, damagedMessage)(s);
        // Open moves the current folder to the other window's file.
        opened("other/fan.cad", sheet, "")(s);
        return v;
    };
    const Row rows[] = {
        {"saved in another folder", savedAs("plans/motor.cad"), "plans/motor.pdf"},
        {"opened from its file", opened("plans/pump.cad", sheet, ""), "plans/pump.pdf"},
        {"opened, no extension but a version", opened("plans/v1.2", sheet, ""), "plans/v1.2.pdf"},
        {"opened, a version and a blank", opened("plans/v1.2 sheet", sheet, ""), "plans/v1.2 sheet.pdf"},
        {"opened, a sheet", opened("plans/plan.cad", sheet, ""), "plans/plan.pdf"},
        {"opened, a dot in the name", opened("plans/a.b.cad", sheet, ""), "plans/a.b.pdf"},
        {"saved with a version", savedAs("plans/v1.2"), "plans/v1.2.pdf"},
        {"damaged, another window opened later elsewhere", openedDamagedThenAnother, "plans/pump.pdf"},
        {"damaged, a new window of it", [&](testkit::Session& s) -> CVelkarionView& {
             openedDamagedThenAnother(s);
             s.command(*s.views()[0], ID_WINDOW_NEW);
             return *s.views().back();
         },
         "plans/pump.pdf"},
        {"never saved", [](testkit::Session& s) -> CVelkarionView& { return s.newSheet(); }, "Velkar1.pdf"},
        {"never saved, after another window was opened elsewhere",
         [&](testkit::Session& s) -> CVelkarionView& {
             CVelkarionView& v = s.newSheet();
             opened("other/fan.cad", sheet, "")(s);
             return v;
         },
         "other/Velkar1.pdf"},
        {"saved under a name outside ASCII", savedAs("plans/obwód.cad"), "plans/obwód.pdf"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testkit::Session session;
        PrintAnswers answers;
        answers.dialogAnswer = false;
        CVelkarionView& view = row.sheet(session);
        session.clearMessages();
        session.command(view, ID_FILE_PRINT);
        EXPECT_EQ(answers.dialogs, 1);
        const std::filesystem::path folder = std::filesystem::canonical(session.workDir());
        EXPECT_EQ(std::filesystem::path(offeredPrintFile()).lexically_normal(), (folder / row.offered).lexically_normal());
    }
}

// The preview window opens over most of the screen with the page across its width,
// so that the sheet's labels can be read without enlarging it first.
TEST(PrintingScenario, PreviewOpensLargeWithThePageAcrossItsWidth) {
    testkit::Session session;
    CVelkarionView& view = session.newSheet();
    std::vector<PreviewWindowInfo> shown;
    // The real window this time, told about and closed as soon as it is open.
    setPrintPreviewHandler(nullptr);
    setPrintPreviewWindowHandler([&](const PreviewWindowInfo& info) { shown.push_back(info); });
    session.command(view, ID_FILE_PRINT_PREVIEW);
    setPrintPreviewWindowHandler(nullptr);
    setPrintPreviewHandler([](const std::vector<Surface>&) {});
    ASSERT_EQ(shown.size(), 1u);
    const PreviewWindowInfo& w = shown[0];
    ASSERT_GT(w.screenWidth, 0);
    EXPECT_GE(w.width, w.screenWidth * 85 / 100);
    EXPECT_GE(w.height, w.screenHeight * 85 / 100);
    EXPECT_TRUE(w.fitsWidth);
    EXPECT_GT(w.zoom, 0.0);
    EXPECT_EQ(view.m_printing, 0) << "the job has ended";
}
