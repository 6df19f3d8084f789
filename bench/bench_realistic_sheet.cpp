// The realistic control sheet of the tests (tests/realistic_sheet.h) at 250, 500,
// 750 and 999 slots: A3 at zoom 2, rungs of stop button, interlock contact, coil
// and lamp, every coil pulled in. Measured: one plain paint while editing, one
// simulation tick (the clock's tick and the paint it asks for), Simulate itself
// (resets and net numbering), and one scroll step at zoom 5 while editing and
// while the run goes on (every repaint of a run is a tick).
//
// The tick should cost little more than the plain paint and grow linearly with
// the sheet: compare BM_RealisticTick with BM_RealisticPaint at each size.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/VelkarionView.h"
#include "render/Clock.h"
#include "render/Paint.h"
#include "tests/realistic_sheet.h"

namespace {

using namespace velk;

constexpr int kClientWidth = 960;
constexpr int kClientHeight = 690;
constexpr double kScrollZoom = 5.0;

struct Bench {
    SheetDocument doc;
    CVelkarionView view;
    realistic::RealisticSheet sheet;

    explicit Bench(int slots, double zoom = realistic::kZoom) {
        g_firstPaintDone = 1;
        g_currentTool = 0;
        view.setDocument(&doc);
        view.m_lastPointX = kNoPoint;
        view.m_lastPointY = kNoPoint;
        sheet = realistic::buildRealisticSheet(view, doc, slots);
        doc.m_zoom = zoom;
        view.resizeClient(kClientWidth, kClientHeight);
        realistic::setSheetScrollSizes(view, doc);
        view.runPendingPaint();
    }

    void tick() {
        view.OnTimer(kSimulationTimerId);
        view.runPendingPaint();
    }

    // Simulate, -S0 on and the ticks until every coil is in.
    bool startRun() {
        view.OnModeRun();
        view.runPendingPaint();
        tick();
        realistic::switchOn(view, doc, sheet);
        for (int i = 0; i < 4; ++i) tick();
        return allCoilsIn();
    }
    bool allCoilsIn() const {
        if (view.m_simulating != 1) return false;
        for (int c : sheet.coils)
            if (view.m_state[c] != 1) return false;
        return true;
    }
};

void BM_RealisticPaint(benchmark::State& state) {
    Bench b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        b.view.invalidate(true);
        b.view.runPendingPaint();
        benchmark::ClobberMemory();
    }
    state.counters["slots"] = b.view.m_componentCount;
    state.SetComplexityN(state.range(0));
}

void BM_RealisticTick(benchmark::State& state) {
    Bench b(static_cast<int>(state.range(0)));
    if (!b.startRun()) state.SkipWithError("the coils did not pull in");
    for (auto _ : state) {
        b.tick();
        benchmark::DoNotOptimize(b.view.m_state[b.sheet.coils.back()]);
    }
    if (!b.allCoilsIn()) state.SkipWithError("the run did not hold");
    state.counters["slots"] = b.view.m_componentCount;
    state.SetComplexityN(state.range(0));
}

void BM_RealisticSimulate(benchmark::State& state) {
    Bench b(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        b.view.OnModeRun();
        benchmark::DoNotOptimize(b.view.m_netNumber[b.view.m_componentCount - 1]);
    }
    state.counters["slots"] = b.view.m_componentCount;
    state.SetComplexityN(state.range(0));
}

// One step down then one step up, in turn, by a scroll-bar line.
void scrollSteps(benchmark::State& state, bool running) {
    Bench b(static_cast<int>(state.range(0)), kScrollZoom);
    b.view.scrollTo(0, 400);
    b.view.runPendingPaint();
    if (running && !b.startRun()) state.SkipWithError("the coils did not pull in");
    const int line = static_cast<int>(realistic::kSheetHeight * kScrollZoom) / 100;
    int step = line;
    for (auto _ : state) {
        b.view.scrollTo(b.view.scrollPosition().x, b.view.scrollPosition().y + step);
        b.view.runPendingPaint();
        step = -step;
        benchmark::ClobberMemory();
    }
    if (running && !b.allCoilsIn()) state.SkipWithError("the run did not hold");
    state.counters["slots"] = b.view.m_componentCount;
}
void BM_RealisticScrollStepEditing(benchmark::State& state) { scrollSteps(state, false); }
void BM_RealisticScrollStepRunning(benchmark::State& state) { scrollSteps(state, true); }

void sheetSizes(benchmark::internal::Benchmark* b) {
    for (int slots : {250, 500, 750, 999}) b->Arg(slots);
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_RealisticPaint)->Apply(sheetSizes);
BENCHMARK(BM_RealisticTick)->Apply(sheetSizes);
BENCHMARK(BM_RealisticSimulate)->Apply(sheetSizes);
BENCHMARK(BM_RealisticScrollStepEditing)->Apply(sheetSizes);
BENCHMARK(BM_RealisticScrollStepRunning)->Apply(sheetSizes);

}  // namespace

BENCHMARK_MAIN();
