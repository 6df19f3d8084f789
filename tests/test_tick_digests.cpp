// Tick by tick the same: every fixture sheet, the examples and the realistic sheet
// run through Simulate, clock ticks, a held button and a scroll, and after each
// paint a digest is taken of what a user and the rest of the program can see: the
// window pixels, every slot's letter, state, drawn state, terminal letters and
// links, and the message boxes shown. The digests are compared with those recorded
// in tests/fixtures/, so a faster paint or simulation that changes any of these
// is caught at the tick where it first differs.
//
// To record them anew (only when a change of behaviour is meant), run
//     VELK_RECORD_TICK_DIGESTS=1 ./velkarion_tests --gtest_filter='TickDigests*'
// which rewrites the recorded files in tests/fixtures/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "file_test_support.h"
#include "kept_pictures.h"
#include "realistic_sheet.h"
#include "render/Clock.h"
#include "render/Paint.h"
#include "sim_sheet.h"

using namespace velk;
using velk::simtest::SimSheet;

namespace {

constexpr int kFixtureWidth = 640;
constexpr int kFixtureHeight = 480;
// Most of the A3 sheet at zoom 2, so that the scroll moves it.
constexpr int kRealisticWidth = 800;
constexpr int kRealisticHeight = 560;

class Fnv {
public:
    void add(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            m_hash ^= p[i];
            m_hash *= 1099511628211ULL;
        }
    }
    void add(int v) { add(&v, sizeof v); }
    void add(const std::string& s) {
        add(static_cast<int>(s.size()));
        add(s.data(), s.size());
    }
    std::string hex() const {
        char buffer[17];
        std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(m_hash));
        return buffer;
    }

private:
    std::uint64_t m_hash = 1469598103934665603ULL;
};

std::string digest(const SimSheet& s) {
    const CVelkarionView& v = s.view;
    Fnv h;
    const Surface& surface = v.surface();
    h.add(surface.width());
    h.add(surface.height());
    h.add(surface.raw(), static_cast<std::size_t>(surface.width()) * surface.height() * sizeof(std::uint32_t));
    h.add(v.m_componentCount);
    h.add(v.m_simulating);
    for (int i = 0; i < v.m_componentCount; ++i) {
        h.add(static_cast<int>(v.m_potential[i].letter()));
        h.add(v.m_state[i]);
        h.add(v.m_drawnState[i]);
        for (int k = 0; k < kTerminalCount; ++k) {
            h.add(static_cast<int>(v.m_terminalPotential[i][k].letter()));
            h.add(v.m_terminalLink[i][k]);
        }
    }
    h.add(static_cast<int>(s.boxes.size()));
    for (const BoxRecord& box : s.boxes) {
        h.add(box.text);
        h.add(box.caption);
    }
    return h.hex();
}

// One run: a name, and the digests after each of its paints.
struct SheetRun {
    std::string name;
    std::vector<std::string> digests;
};

class Recorder {
public:
    Recorder(SimSheet& s, std::string name) : m_s(s), m_run{std::move(name), {}} {}
    void paint() {
        m_s.view.runPendingPaint();
        m_run.digests.push_back(digest(m_s));
    }
    void tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            m_s.view.OnTimer(kSimulationTimerId);
            paint();
        }
    }
    SheetRun take() { return std::move(m_run); }

private:
    SimSheet& m_s;
    SheetRun m_run;
};

// The first push button of a sheet, -1 for none.
int firstPushButton(const CVelkarionView& v) {
    for (int i = 0; i < v.m_componentCount; ++i)
        if (v.isLive(i) && v.m_type[i] >= kTypePushButtonNO && v.m_type[i] <= kTypeMushroomButtonChangeover) return i;
    return -1;
}

// The edit paint, Simulate, the start of the run, the first push button held for
// two ticks and let go, a scroll, and two more ticks.
SheetRun runSheet(SimSheet& s, const std::string& name, int width, int height, const std::function<void(Recorder&)>& start) {
    g_firstPaintDone = 1;
    g_currentTool = 0;
    g_itemPicked = 0;
    g_selectionCount = 0;
    s.view.m_lastPointX = kNoPoint;
    s.view.m_lastPointY = kNoPoint;
    Recorder r(s, name);
    s.view.resizeClient(width, height);
    realistic::setSheetScrollSizes(s.view, s.doc);
    r.paint();
    s.view.OnModeRun();
    r.paint();
    start(r);
    if (const int button = firstPushButton(s.view); button >= 0) {
        realistic::pointerOn(s.view, s.doc, button, true);
        r.tick(2);
        realistic::pointerOn(s.view, s.doc, button, false);
        r.tick(2);
    }
    s.view.scrollTo(s.view.scrollPosition().x + 24, s.view.scrollPosition().y + 40);
    r.paint();
    r.tick(2);
    s.view.OnModeEdit();
    r.paint();
    g_itemPicked = 0;
    g_selectionCount = 0;
    return r.take();
}

std::vector<std::string> cadFiles(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".cad") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<SheetRun> runCadSheets() {
    std::vector<std::string> files = cadFiles(VELK_FIXTURES);
    for (const std::string& f : cadFiles(std::string(VELK_FIXTURES) + "/../../examples")) files.push_back(f);
    std::vector<SheetRun> runs;
    for (const std::string& path : files) {
        SimSheet s;
        const std::string name = std::filesystem::path(path).filename().string();
        const std::string folder = std::filesystem::path(path).parent_path().string();
        if (!s.view.ReadSheetText(filetest::readBytes(path), folder)) {
            ADD_FAILURE() << name << " does not load";
            continue;
        }
        runs.push_back(runSheet(s, name, kFixtureWidth, kFixtureHeight, [](Recorder& r) { r.tick(4); }));
    }
    return runs;
}

// -S0 switched on after the first tick pulls every coil in; the first push button
// is then the stop button of the master relay, which drops every coil while held.
// With the short, the contacts of its rung close onto it and the run stops.
SheetRun runRealistic(int slots, bool shorted) {
    SimSheet s;
    const realistic::RealisticSheet sheet = realistic::buildRealisticSheet(s.view, s.doc, slots);
    if (shorted) {
        // The short takes the place of the last caption, so the sheet keeps its size.
        --s.view.m_componentCount;
        realistic::addShortAcrossLamp(s.view, sheet, sheet.rungs / 2);
    }
    const std::string name = "realistic_" + std::to_string(slots) + (shorted ? "_short" : "_held");
    return runSheet(s, name, kRealisticWidth, kRealisticHeight, [&](Recorder& r) {
        r.tick();
        realistic::switchOn(s.view, s.doc, sheet);
        r.tick(3);
    });
}

std::string recordedPath(const std::string& file) { return std::string(VELK_FIXTURES) + "/" + file; }

std::string format(const std::vector<SheetRun>& runs) {
    std::ostringstream out;
    for (const SheetRun& run : runs)
        for (std::size_t i = 0; i < run.digests.size(); ++i) out << run.name << ' ' << i << ' ' << run.digests[i] << '\n';
    return out.str();
}

// Compares with the recorded file line by line (each line one paint of one run),
// or records it when asked to.
void compareWithRecorded(const std::vector<SheetRun>& runs, const std::string& file) {
    const std::string now = format(runs);
    if (const char* record = std::getenv("VELK_RECORD_TICK_DIGESTS"); record && *record && *record != '0') {
        filetest::writeBytes(recordedPath(file), now);
        std::printf("recorded %s\n", recordedPath(file).c_str());
        return;
    }
    const std::string recorded = filetest::readBytes(recordedPath(file));
    ASSERT_FALSE(recorded.empty()) << "no digests recorded in " << file;
    std::istringstream a(recorded), b(now);
    std::string expected, actual;
    int line = 0;
    while (true) {
        const bool moreExpected = static_cast<bool>(std::getline(a, expected));
        const bool moreActual = static_cast<bool>(std::getline(b, actual));
        if (!moreExpected && !moreActual) break;
        ++line;
        // The first difference is the one that tells: later ticks follow from it.
        ASSERT_EQ(expected, actual) << "first difference at line " << line << " of " << file;
    }
}

}  // namespace

TEST(TickDigests, FixtureSheetsAndExamples) { compareWithRecorded(runCadSheets(), "tick_digests_sheets.txt"); }

TEST(TickDigests, RealisticSheet) {
    std::vector<SheetRun> runs;
    for (int slots : {250, 999})
        for (bool shorted : {false, true}) runs.push_back(runRealistic(slots, shorted));
    compareWithRecorded(runs, "tick_digests_realistic.txt");
}

// The sheet the digests and the benchmarks use is a working circuit: once -S0 is
// on, every coil is in and every lamp lit, at every size; the stop button of the
// master relay drops them all.
TEST(RealisticSheet, EveryCoilPullsInAndEveryLampLights) {
    for (int slots : {250, 500, 750, 999}) {
        SCOPED_TRACE(slots);
        SimSheet s;
        const realistic::RealisticSheet sheet = realistic::buildRealisticSheet(s.view, s.doc, slots);
        ASSERT_EQ(s.view.m_componentCount, slots);
        EXPECT_GE(sheet.captions, realistic::kMinCaptions);
        g_firstPaintDone = 1;
        s.view.resizeClient(kRealisticWidth, kRealisticHeight);
        s.view.OnModeRun();
        s.view.runPendingPaint();
        const auto tick = [&] {
            s.view.OnTimer(kSimulationTimerId);
            s.view.runPendingPaint();
        };
        tick();
        for (int c : sheet.coils) EXPECT_EQ(s.view.m_state[c], 0);
        realistic::switchOn(s.view, s.doc, sheet);
        tick();
        tick();
        tick();
        ASSERT_EQ(s.view.m_simulating, 1);
        EXPECT_TRUE(s.boxes.empty());
        for (int c : sheet.coils) EXPECT_EQ(s.view.m_state[c], 1) << s.view.m_label[c];
        for (int l : sheet.lamps) EXPECT_EQ(s.view.m_state[l], 1) << s.view.m_label[l];
        if (slots == 999) testpictures::keepPicture(s.view.surface(), "realistic_sheet.png");
        realistic::pointerOn(s.view, s.doc, sheet.stopButtons[0], true);
        tick();
        tick();
        for (int c : sheet.coils) EXPECT_EQ(s.view.m_state[c], 0) << s.view.m_label[c];
        realistic::pointerOn(s.view, s.doc, sheet.stopButtons[0], false);
    }
}

// The short across a lamp is harmless until the rung's contacts close onto it;
// then one short-circuit box, and the run stops.
TEST(RealisticSheet, AShortAcrossALampStopsTheRunOnItsRung) {
    SimSheet s;
    const realistic::RealisticSheet sheet = realistic::buildRealisticSheet(s.view, s.doc, 250);
    realistic::addShortAcrossLamp(s.view, sheet, 3);
    g_firstPaintDone = 1;
    s.view.resizeClient(kRealisticWidth, kRealisticHeight);
    s.view.OnModeRun();
    s.view.runPendingPaint();
    for (int i = 0; i < 2; ++i) {
        s.view.OnTimer(kSimulationTimerId);
        s.view.runPendingPaint();
    }
    EXPECT_EQ(s.view.m_simulating, 1);
    EXPECT_TRUE(s.boxes.empty());
    realistic::switchOn(s.view, s.doc, sheet);
    for (int i = 0; i < 3; ++i) {
        s.view.OnTimer(kSimulationTimerId);
        s.view.runPendingPaint();
    }
    EXPECT_EQ(s.view.m_simulating, 0);
    ASSERT_EQ(s.boxes.size(), 1u);
    EXPECT_EQ(s.boxes[0].text, "Se ha producido un cortocircuito");
}
