// Start-up, documents and windows, driven headless through the test kit: the
// settings file of each new document, the initial update of a new view, Open and
// the recent files, the save prompt on close, the window commands and the splash.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <locale>
#include <sstream>
#include <thread>

#include "app/MainFrm.h"
#include "app/Velkarion.h"
#include "app/VelkarionDoc.h"
#include "model/VelkarionView.h"
#include "platform/statusbar.h"
#include "platform/text1250.h"
#include "render/Clock.h"
#include "render/Paint.h"
#include "testkit/testkit.h"

using namespace velk;
using velk::testkit::Session;
using velk::testkit::SessionOptions;

namespace {

// The eighteen settings in the order of the settings file.
struct ConfigValues {
    int pageFormat, showFrame, refsVertical, showTerminalRefs, showConnectionSymbols, showWireLabels,
        autoJunction, guideLines, printOffsetX, printOffsetY;
    float printScale;
    int printLineWidth, printInColor, pageWidth, pageHeight, showZoneRefs, titleBlockKind, simSpeed;
};

constexpr ConfigValues kDocumentDefaults = {1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1.0f, 2, 1, 234, 333, 1, 2, 50};

ConfigValues valuesOf(const SheetDocument& d) {
    return {d.m_pageFormat,    d.m_showFrame,      d.m_refsVertical, d.m_showTerminalRefs, d.m_showConnectionSymbols,
            d.m_showWireLabels, d.m_autoJunction,  d.m_guideLines,   d.m_printOffsetX,     d.m_printOffsetY,
            d.m_printScale,    d.m_printLineWidth, d.m_printInColor, d.m_pageWidth,        d.m_pageHeight,
            d.m_showZoneRefs,  d.m_titleBlockKind, g_simSpeed};
}

void expectValues(const ConfigValues& got, const ConfigValues& want) {
    EXPECT_EQ(got.pageFormat, want.pageFormat);
    EXPECT_EQ(got.showFrame, want.showFrame);
    EXPECT_EQ(got.refsVertical, want.refsVertical);
    EXPECT_EQ(got.showTerminalRefs, want.showTerminalRefs);
    EXPECT_EQ(got.showConnectionSymbols, want.showConnectionSymbols);
    EXPECT_EQ(got.showWireLabels, want.showWireLabels);
    EXPECT_EQ(got.autoJunction, want.autoJunction);
    EXPECT_EQ(got.guideLines, want.guideLines);
    EXPECT_EQ(got.printOffsetX, want.printOffsetX);
    EXPECT_EQ(got.printOffsetY, want.printOffsetY);
    EXPECT_FLOAT_EQ(got.printScale, want.printScale);
    EXPECT_EQ(got.printLineWidth, want.printLineWidth);
    EXPECT_EQ(got.printInColor, want.printInColor);
    EXPECT_EQ(got.pageWidth, want.pageWidth);
    EXPECT_EQ(got.pageHeight, want.pageHeight);
    EXPECT_EQ(got.showZoneRefs, want.showZoneRefs);
    EXPECT_EQ(got.titleBlockKind, want.titleBlockKind);
    EXPECT_EQ(got.simSpeed, want.simSpeed);
}

const std::string kBadConfig = cp1250("El archivo de configuración no es valido");

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&local, "%d-%b-%Y");
    return out.str();
}

std::string cwd() { return std::filesystem::current_path().string(); }

}  // namespace

TEST(Startup, EachNewDocumentReadsTheSettingsFileByFixedColumns) {
    struct Row {
        const char* name;
        bool present;
        std::string text;
        ConfigValues expected;
        bool complaint;
    };
    const Row rows[] = {
        {"no file: defaults, silently", false, "", kDocumentDefaults, false},
        {"the writer's default line", true, "Velkarion*1*1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*  50$$$",
         {1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1.0f, 2, 1, 0, 0, 1, 2, 50}, false},
        {"every field changed, speed with a leading zero", true,
         "Velkarion*4*0*1*0*1*1*0*1*100* 50*2.5000*5*0*300*200*0*1*0100$$$",
         {4, 0, 1, 0, 1, 1, 0, 1, 100, 50, 2.5f, 5, 0, 300, 200, 0, 1, 100}, false},
        {"header word in other letter case", true, "velkarion*4*0*1*0*1*1*0*1*100* 50*2.5000*5*0*300*200*0*1*0100$$$",
         kDocumentDefaults, true},
        {"shorter than the header word", true, "Velk", kDocumentDefaults, true},
        {"empty file", true, "", kDocumentDefaults, true},
        {"header word alone", true, "Velkarion", kDocumentDefaults, false},
        {"cut inside field 9: read as far as it goes", true, "Velkarion*4*0*1*0*1*1*0*1* 7",
         {4, 0, 1, 0, 1, 1, 0, 1, 7, 0, 1.0f, 2, 1, 234, 333, 1, 2, 50}, false},
        {"ends with a line break after field 2", true, "Velkarion*2*0\n",
         {2, 0, 0, 1, 0, 0, 1, 0, 0, 0, 1.0f, 2, 1, 234, 333, 1, 2, 50}, false},
        {"blank field 1 gives A4 portrait", true, "Velkarion* *1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*  50$$$",
         {0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1.0f, 2, 1, 0, 0, 1, 2, 50}, false},
        // Each field is then brought into the range the configuration dialog keeps it
        // in, where the described reader takes any value: a speed of -500 made
        // six-second ticks, a format of 9 drew a sheet of no known size.
        {"garbled numbers give 0, an overflowing scale too, then the dialog's lowest", true,
         "Velkarion*x*1*0*1*0*0*1*0*-12*abc*9e9999*2*1* +5*  0*1*2*ab50$$$",
         {0, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0.1f, 2, 1, 5, 0, 1, 2, 1}, false},
        {"values beyond the dialog's ranges are brought into them", true,
         "Velkarion*9*7*3*1*0*0*1*0*250*-50*9.5000*0*1*999*999*1*7*-500$$$",
         {4, 1, 1, 1, 0, 0, 1, 0, 100, 0, 5.0f, 1, 1, 891, 896, 1, 2, 1}, false},
        {"a line followed by a megabyte: only the start is read", true,
         "Velkarion*0*1*0*1*0*0*1*0*  5*  0*1.0000*2*1*  0*  0*1*2*  70$$$" + std::string(1 << 20, 'x'),
         {0, 1, 0, 1, 0, 0, 1, 0, 5, 0, 1.0f, 2, 1, 0, 0, 1, 2, 70}, false},
        {"scale without a leading digit", true, "Velkarion*1*1*0*1*0*0*1*0*  0*  0*   .75*2*1*  0*  0*1*2*  50$$$",
         {1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 0.75f, 2, 1, 0, 0, 1, 2, 50}, false},
    };
    Session session;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::filesystem::remove(std::filesystem::path(session.workDir()) / kConfigFileName);
        if (row.present) session.writeFile(kConfigFileName, row.text);
        g_simSpeed = 50;
        session.clearMessages();
        CVelkarionView& view = session.newSheet();
        expectValues(valuesOf(session.document(view)), row.expected);
        if (row.complaint) {
            ASSERT_EQ(session.messages().size(), 1u);
            EXPECT_EQ(session.messages()[0].text, kBadConfig);
            EXPECT_EQ(session.messages()[0].caption, "Velkarion");
            EXPECT_EQ(session.messages()[0].buttons, BoxButtons::Ok);
        } else {
            EXPECT_TRUE(session.messages().empty());
        }
    }
}

TEST(Startup, TheSettingsFileIsLookedUpWhereTheLastFileDialogLeftTheDirectory) {
    Session session;
    session.writeFile(kConfigFileName, "Velkarion*0*1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*  50$$$");
    CVelkarionView& first = session.newSheet();
    EXPECT_EQ(session.document(first).m_pageFormat, 0);

    const std::filesystem::path other = std::filesystem::path(session.workDir()) / "other";
    std::filesystem::create_directory(other);
    session.answerFileDialogs({(other / "plan.cad").string()});
    first.OnFileSaveAs();
    EXPECT_EQ(cwd(), other.string());

    CVelkarionView& second = session.newSheet();
    EXPECT_EQ(session.document(second).m_pageFormat, 1) << "no settings file in the new folder";
}

// Opens a pipe for writing, again and again, until `done`: a reader that waits
// for a writer gets one and then the end of its text, so a test that hangs on a
// pipe ends and fails instead of blocking the run.
class PipeWatchdog {
public:
    PipeWatchdog(std::string path, std::chrono::seconds patience)
        : m_thread([this, path = std::move(path), patience] {
              const auto start = std::chrono::steady_clock::now();
              while (!m_done) {
                  if (std::chrono::steady_clock::now() - start > patience) {
                      const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                      if (fd >= 0) ::close(fd);
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(20));
              }
          }) {}
    ~PipeWatchdog() {
        m_done = true;
        m_thread.join();
    }

private:
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

// A folder named "config.cfg" ended the program with an uncaught read error, a
// pipe held File New up for ever and a link to an endless device was read until
// memory ran out: anything but a plain file counts as no settings file.
TEST(Startup, ASettingsFileThatIsNoPlainFileGivesTheDefaults) {
    namespace fs = std::filesystem;
    struct Row {
        const char* name;
        std::function<void(const fs::path&)> make;
    };
    const Row rows[] = {
        {"folder",
         [](const fs::path& p) {
             fs::create_directory(p);
             std::ofstream(p / "inside") << "Velkarion*0*0*1*0*1*1*0*1*100* 50*2.5000*5*0*300*200*0*1*0100$$$";
         }},
        {"pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
        {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
        {"link to /dev/urandom", [](const fs::path& p) { fs::create_symlink("/dev/urandom", p); }},
        {"link to a folder", [](const fs::path& p) { fs::create_directory_symlink(p.parent_path(), p); }},
    };
    Session session;
    const fs::path config = fs::path(session.workDir()) / kConfigFileName;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fs::remove_all(config);
        row.make(config);
        g_simSpeed = 50;
        session.clearMessages();
        const auto start = std::chrono::steady_clock::now();
        {
            PipeWatchdog watchdog(config.string(), std::chrono::seconds(5));
            CVelkarionView& view = session.newSheet();
            expectValues(valuesOf(session.document(view)), kDocumentDefaults);
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_TRUE(session.messages().empty());
    }
    fs::remove_all(config);
}

// A speed of -500 in a hand-edited settings file made the clock tick every six
// seconds; the slider's slowest speed is as slow as it gets.
TEST(Startup, TheSettingsFileCannotSlowTheClockBeyondTheSlowestSpeed) {
    Session session;
    session.writeFile(kConfigFileName, "Velkarion*1*1*0*1*0*0*1*0*  0*  0*1.0000*2*1*  0*  0*1*2*-500$$$");
    CVelkarionView& view = session.newSheet();
    session.tick(view);
    EXPECT_EQ(view.timerPeriod(kSimulationTimerId), 990);
    g_simSpeed = 50;
}

TEST(Startup, ANewViewStartsAsAnEmptySheetInEditMode) {
    Session session;
    CVelkarionView& v = session.newSheet();
    CVelkarionDoc& doc = session.document(v);

    EXPECT_EQ(session.windowTitle(v), "Velkar1");
    EXPECT_EQ(session.mainTitle(), "Velkarion - Velkar1");
    EXPECT_DOUBLE_EQ(doc.m_zoom, 2.0);
    EXPECT_DOUBLE_EQ(doc.m_prevZoom, 1.0) << "the opening zoom step is remembered";

    struct Scalar {
        const char* name;
        int value;
        int expected;
    };
    const Scalar scalars[] = {
        {"m_dragCurrentX", v.m_dragCurrentX, 40}, {"m_dragCurrentY", v.m_dragCurrentY, 20},
        {"m_markerX", v.m_markerX, kNoMarker},    {"m_markerY", v.m_markerY, kNoMarker},
        {"m_lastPointX", v.m_lastPointX, kNoPoint}, {"m_lastPointY", v.m_lastPointY, kNoPoint},
        {"m_penWidth", v.m_penWidth, 1},          {"m_printing", v.m_printing, 0},
        {"m_componentCount", v.m_componentCount, 0}, {"m_netCounter", v.m_netCounter, 1},
        {"m_bundleCounter", v.m_bundleCounter, 1}, {"m_simulating", v.m_simulating, 0},
        {"m_zoomWindowArmed", v.m_zoomWindowArmed, 0}, {"m_toolOrientation", v.m_toolOrientation, 0},
        {"m_ghostRect[2]", v.m_ghostRect[2], 0},  {"timer 1", v.timerPeriod(kSimulationTimerId), 250},
        {"scroll width", v.scrollTotalWidth(), 674}, {"scroll height", v.scrollTotalHeight(), 474},
        {"page width", v.scrollPageSize().x, 674}, {"line width", v.scrollLineSize().x, 6},
        {"line height", v.scrollLineSize().y, 4},
    };
    for (const Scalar& s : scalars) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(s.value, s.expected);
    }

    for (int i = 0; i < kSlotCount; ++i) {
        if (v.m_type[i] != 0 || !v.m_label[i].empty() || v.m_potential[i].letter() != '0') {
            ADD_FAILURE() << "slot " << i << " is not cleared";
            break;
        }
    }

    const std::string titles[kTitleTextCount] = {"", "", "", "", "", "", today(), "1", "1", "Velkar1"};
    for (int t = 0; t < kTitleTextCount; ++t) {
        SCOPED_TRACE("title text " + std::to_string(t + 1));
        EXPECT_EQ(doc.m_titleText[t], titles[t]);
    }

    ASSERT_NE(v.m_statusBar, nullptr);
    EXPECT_EQ(v.m_statusBar, &session.statusPanes()) << "the main window's status bar";
    EXPECT_EQ(session.paneText(0), "Velkarion");
    EXPECT_EQ(session.paneText(1), cp1250("Edición"));
    EXPECT_EQ(session.paneText(2), "Stop");
    EXPECT_EQ(v.m_mainWnd, session.app().mainFrame());
}

TEST(Startup, InitialUpdateCutsTheZoomAndSizesTheScrollAreaByPageFormat) {
    struct Row {
        const char* name;
        double zoom;
        int pageFormat;
        double zoomAfter;
        double prevZoom;
        int width, height;
    };
    const Row rows[] = {
        {"default", 2.0, 1, 2.0, 1.0, 674, 474},
        {"a fraction is cut", 2.7, 1, 2.0, 1.0, 674, 474},
        {"portrait", 3.0, 0, 3.0, 2.0, 711, 1011},
        {"A3 format 1", 1.0, 2, 1.0, 0.0, 470, 334},
        {"A3 format 2", 2.0, 3, 2.0, 1.0, 940, 668},
        {"user size", 2.0, 4, 2.0, 1.0, 200, 90},
        {"above the largest zoom", 25.0, 1, 20.0, 24.0, 6740, 4740},
        {"unknown format keeps the portrait start", 2.0, 9, 2.0, 1.0, 474, 674},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SheetDocument doc;
        doc.m_zoom = row.zoom;
        doc.m_pageFormat = row.pageFormat;
        doc.m_pageWidth = 100;
        doc.m_pageHeight = 45;
        CVelkarionView view;
        view.setDocument(&doc);
        view.OnInitialUpdate();
        EXPECT_DOUBLE_EQ(doc.m_zoom, row.zoomAfter);
        EXPECT_DOUBLE_EQ(doc.m_prevZoom, row.prevZoom);
        EXPECT_EQ(view.scrollTotalWidth(), row.width);
        EXPECT_EQ(view.scrollTotalHeight(), row.height);
        EXPECT_EQ(view.m_dragCurrentX, static_cast<int>(row.zoomAfter * 20));
    }
}

TEST(Startup, InitialUpdateClearsEverySlotButKeepsTitleTextsAlreadyThere) {
    SheetDocument doc;
    doc.m_titleText[6] = "01-Jan-2000";
    doc.m_titleText[8] = "3";
    CVelkarionView view;
    view.setDocument(&doc);
    for (int i : {0, 500, 999}) {
        view.m_type[i] = kTypeLine;
        view.m_label[i] = "-K1";
        view.m_state[i] = 1;
        view.m_terminalName[i][8] = "A1";
        view.m_potential[i].setLetter('1');
        view.m_controlOutput[i] = 4200;
    }
    view.m_componentCount = 1000;
    view.m_simulating = 1;
    view.OnInitialUpdate();
    for (int i : {0, 500, 999}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(view.m_type[i], 0);
        EXPECT_EQ(view.m_label[i], "");
        EXPECT_EQ(view.m_state[i], 0);
        EXPECT_EQ(view.m_terminalName[i][8], "");
        EXPECT_EQ(view.m_potential[i].letter(), '0');
        EXPECT_EQ(view.m_controlOutput[i], 4200) << "the drive outputs are not cleared";
    }
    EXPECT_EQ(view.m_componentCount, 0);
    EXPECT_EQ(view.m_simulating, 0);
    EXPECT_EQ(doc.m_titleText[6], "01-Jan-2000");
    EXPECT_EQ(doc.m_titleText[7], "1");
    EXPECT_EQ(doc.m_titleText[8], "3");
    ASSERT_NE(view.m_statusBar, nullptr) << "a view without a main window still has panes";
    EXPECT_EQ(view.m_statusBar->paneText(2), "Stop");
}

TEST(Startup, UntitledWindowsAreNumberedAndTheSplashShowsOncePerRun) {
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run + 1));
        Session session;
        EXPECT_TRUE(session.views().empty());
        EXPECT_EQ(session.dialogCount("splash"), 0);
        CVelkarionView& a = session.newSheet();
        CVelkarionView& b = session.newSheet();
        EXPECT_EQ(session.windowTitle(a), "Velkar1");
        EXPECT_EQ(session.windowTitle(b), "Velkar2");
        EXPECT_EQ(session.activeView(), &b);
        EXPECT_EQ(session.dialogCount("splash"), 1);
        EXPECT_EQ(g_firstPaintDone, 1);
        ASSERT_TRUE(session.closeWindow(a));
        CVelkarionView& c = session.newSheet();
        EXPECT_EQ(session.windowTitle(c), "Velkar3") << "numbers are not reused";
        EXPECT_EQ(session.dialogCount("splash"), 1);
    }
}

TEST(Startup, TheProgramStartsWithASheetWindowOnAnEmptyCommandLine) {
    SessionOptions options;
    options.startupSheet = true;
    Session session(options);
    ASSERT_EQ(session.views().size(), 1u);
    EXPECT_EQ(session.windowTitle(*session.views()[0]), "Velkar1");
    EXPECT_EQ(session.dialogCount("splash"), 1) << "the first paint showed it";
    EXPECT_TRUE(session.mainFrame().isVisible());
}

TEST(Startup, OpenAlwaysMakesANewWindowThatAsksForTheFile) {
    Session session;
    CVelkarionView& sheet = session.newSheet();
    session.answerFileDialogs({"pump.cad"});
    sheet.OnFileSaveAs();
    const std::string saved = (std::filesystem::path(session.workDir()) / "pump.cad").string();
    ASSERT_TRUE(std::filesystem::exists(saved));

    struct Row {
        const char* name;
        std::string answer;
        std::string title;
        std::string filePath;
    };
    const Row rows[] = {
        {"a sheet chosen", saved, "pump.cad", saved},
        {"dialog cancelled: empty sheet under the untitled name", "", "Velkar3", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::size_t asked = session.fileDialogs().size();
        const std::size_t before = session.views().size();
        session.answerFileDialogs({row.answer});
        EXPECT_EQ(session.command(sheet, kCmdFileOpen), CommandResult::Handled);
        ASSERT_EQ(session.views().size(), before + 1);
        CVelkarionView& opened = *session.views().back();
        EXPECT_EQ(session.fileDialogs().size(), asked + 1);
        EXPECT_FALSE(session.fileDialogs().back().save);
        EXPECT_EQ(session.windowTitle(opened), row.title);
        EXPECT_EQ(opened.m_filePath, row.filePath);
        EXPECT_EQ(g_openOnInit, 0);
    }
    EXPECT_TRUE(session.messages().empty());
}

TEST(Startup, AFileOnTheCommandLineOrFromTheRecentListIsLoadedLikeOpen) {
    std::string workDir;
    std::string saved;
    {
        Session first;
        workDir = first.workDir() + "-kept";
        std::filesystem::create_directory(workDir);
        saved = (std::filesystem::path(workDir) / "hoist.cad").string();
        CVelkarionView& sheet = first.newSheet();
        first.answerFileDialogs({saved});
        sheet.OnFileSaveAs();
        ASSERT_TRUE(std::filesystem::exists(saved));
    }
    {
        SessionOptions options;
        options.workDir = workDir;
        options.args = {saved};
        Session session(options);
        ASSERT_EQ(session.views().size(), 1u);
        CVelkarionView& view = *session.views()[0];
        EXPECT_EQ(session.windowTitle(view), "hoist.cad");
        EXPECT_EQ(view.m_filePath, saved);
        EXPECT_TRUE(session.fileDialogs().empty()) << "the name answered the open dialog";
        EXPECT_TRUE(session.messages().empty());

        // The opened sheet heads the recent files, which live in the settings store.
        ASSERT_FALSE(session.app().recentFiles().empty());
        EXPECT_EQ(session.app().recentFiles().front(), saved);
        EXPECT_EQ(session.command(view, kCmdRecentFile1), CommandResult::Handled);
        ASSERT_EQ(session.views().size(), 2u);
        EXPECT_EQ(session.views()[1]->m_filePath, saved);
        EXPECT_EQ(session.isEnabled(view, kCmdRecentFile1 + 1), false) << "only one entry";
    }
    {
        SessionOptions options;
        options.workDir = workDir;
        Session restarted(options);
        ASSERT_EQ(restarted.app().recentFiles().size(), 1u);
        EXPECT_EQ(restarted.app().recentFiles()[0], saved);
        // Four entries at most, the newest first.
        CVelkarionView& sheet = restarted.newSheet();
        for (const char* name : {"a.cad", "b.cad", "c.cad", "d.cad"}) {
            restarted.answerFileDialogs({(std::filesystem::path(workDir) / name).string()});
            sheet.OnFileSaveAs();
        }
        const std::vector<std::string> recent = restarted.app().recentFiles();
        ASSERT_EQ(recent.size(), 4u);
        EXPECT_EQ(std::filesystem::path(recent[0]).filename(), "d.cad");
        EXPECT_EQ(std::filesystem::path(recent[3]).filename(), "a.cad");
    }
    std::filesystem::remove_all(workDir);
}

TEST(Startup, ClosingAModifiedWindowAsksAndOnlyASuccessfulSaveLetsItGo) {
    struct Row {
        const char* name;
        bool modified;
        BoxAnswer answer;
        std::string saveAnswer;  // for the Save As that Save runs on a new sheet
        bool closed;
        bool written;
    };
    const Row rows[] = {
        {"unmodified: no question", false, BoxAnswer::Ok, "", true, false},
        {"Cancel keeps it", true, BoxAnswer::Cancel, "", false, false},
        {"No closes without saving", true, BoxAnswer::No, "", true, false},
        {"Yes, save dialog cancelled: kept", true, BoxAnswer::Yes, "", false, false},
        {"Yes and saved: closed", true, BoxAnswer::Yes, "kept.cad", true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Session session;
        CVelkarionView& view = session.newSheet();
        session.document(view).setModified(row.modified);
        session.answerBoxes({row.answer});
        session.answerFileDialogs({row.saveAnswer});
        const bool closed = session.closeWindow(view);
        EXPECT_EQ(closed, row.closed);
        EXPECT_EQ(session.views().size(), row.closed ? 0u : 1u);
        if (row.modified) {
            ASSERT_EQ(session.messages().size(), 1u);
            EXPECT_EQ(session.messages()[0].text, std::string("¿Guardar los cambios en Velkar1?"));
            EXPECT_EQ(session.messages()[0].buttons, BoxButtons::YesNoCancel);
        } else {
            EXPECT_TRUE(session.messages().empty());
        }
        EXPECT_EQ(std::filesystem::exists(std::filesystem::path(session.workDir()) / "kept.cad"), row.written);
    }
}

TEST(Startup, WindowCommandsActOnTheActiveSheet) {
    Session session;
    EXPECT_EQ(session.command(kCmdWindowCascade), CommandResult::Disabled) << "no sheet window open";
    CVelkarionView& first = session.newSheet();
    EXPECT_EQ(session.command(first, kCmdWindowNew), CommandResult::Handled);
    ASSERT_EQ(session.views().size(), 2u);
    CVelkarionView& second = *session.views()[1];
    EXPECT_EQ(first.GetDocument(), second.GetDocument()) << "a second window on the same sheet document";
    EXPECT_EQ(session.windowTitle(first), "Velkar1:1");
    EXPECT_EQ(session.windowTitle(second), "Velkar1:2");
    for (int id : {kCmdWindowCascade, kCmdWindowTile, kCmdWindowArrange}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(session.command(second, id), CommandResult::Handled);
    }

    // Each window holds its own sheet: one with changes asks even while another
    // window of the document stays open.
    session.document(first).setModified(true);
    session.answerBoxes({BoxAnswer::No});
    ASSERT_TRUE(session.closeWindow(second));
    EXPECT_EQ(session.messages().size(), 1u);
    session.clearMessages();
    EXPECT_EQ(session.windowTitle(first), "Velkar1");

    CVelkarionView& other = session.newSheet();
    EXPECT_EQ(session.command(other, kCmdWindowNew), CommandResult::Handled);
    ASSERT_EQ(session.views().size(), 3u);
    session.answerBoxes({BoxAnswer::No});
    EXPECT_EQ(session.command(first, kCmdFileClose), CommandResult::Handled);
    ASSERT_EQ(session.views().size(), 2u) << "Close ends the document and its window";
    EXPECT_EQ(session.messages().size(), 1u);
    EXPECT_EQ(session.command(*session.views()[0], kCmdFileClose), CommandResult::Handled);
    EXPECT_TRUE(session.views().empty()) << "both windows of the other document closed";
}

TEST(Startup, AboutBoxAndCommandsWithoutAHandler) {
    Session session;
    CVelkarionView& view = session.newSheet();
    EXPECT_EQ(session.command(view, kCmdAppAbout), CommandResult::Handled);
    ASSERT_EQ(session.dialogCount("about"), 1);
    const testkit::DialogRecord& about = session.dialogs().back();
    EXPECT_EQ(about.caption, cp1250("Acerca de Velkarion"));
    ASSERT_FALSE(about.lines.empty());
    EXPECT_EQ(about.lines[0], cp1250("Velkarion Versión 1.0"));
    EXPECT_EQ(session.command(kCmdAppAbout), CommandResult::Handled) << "also without a sheet window";

    const int noHandler = 32799;  // the PLC exchange item has a handler nowhere
    EXPECT_EQ(session.command(view, noHandler), CommandResult::Unhandled);
    EXPECT_EQ(session.isEnabled(view, noHandler), std::nullopt);
    EXPECT_EQ(session.isEnabled(view, kCmdFileNew), true);
    EXPECT_EQ(session.isChecked(view, kCmdViewStatusBar), true);
    EXPECT_EQ(session.command(view, kCmdViewStatusBar), CommandResult::Handled);
    EXPECT_EQ(session.isChecked(view, kCmdViewStatusBar), false);
}

TEST(Startup, TheClockTimerDiesWithItsWindow) {
    Session session;
    CVelkarionView& view = session.newSheet();
    EXPECT_TRUE(view.hasTimer(kSimulationTimerId));
    session.tick(view, 2);
    EXPECT_EQ(view.timerPeriod(kSimulationTimerId), simulationTimerPeriod(g_simSpeed)) << "re-armed by the tick";
    const int before = liveViewCount();
    ASSERT_TRUE(session.closeWindow(view));
    EXPECT_EQ(liveViewCount(), before - 1);
}
