// One simulation tick of a sheet of wires in long chains: the clock clears the
// wire letters, a supply letter is put on the first wire of every chain (as the
// supply routines would), and the six evaluation passes with their two wire
// passes each, plus the closing one, carry the letters along.
#include <benchmark/benchmark.h>

#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "platform/surface.h"
#include "render/Clock.h"

namespace {

using namespace velk;

constexpr int kChainLength = 100;
constexpr int kEvaluationPasses = 6;
constexpr int kWirePassesPerEvaluation = 2;

// `wires` horizontal wires of 2 units each, in chains of kChainLength laid out
// row under row, in slot order along each chain.
void buildChains(CVelkarionView& v, int wires) {
    v.clearAllSlots();
    v.m_componentCount = 0;
    for (int n = 0; n < wires; ++n) {
        const int row = n / kChainLength, step = n % kChainLength;
        const int i = v.m_componentCount++;
        v.m_type[i] = kTypeWirePhase;
        v.m_componentId[i] = i;
        v.m_x[i] = 5 + 2 * step;
        v.m_x2[i] = 7 + 2 * step;
        v.m_y[i] = v.m_y2[i] = 10 + 3 * row;
    }
}

void feedChains(CVelkarionView& v) {
    for (int i = 0; i < v.m_componentCount; i += kChainLength) v.m_potential[i].setLetter('1');
}

// The wire passes of one running tick: six evaluation passes of two placed wire
// passes each, and the closing pass that draws.
void runTickWirePasses(CVelkarionView& v, Dc& dc) {
    v.OnTimer(kSimulationTimerId);
    feedChains(v);
    v.m_drawingPlaced = 1;
    for (int p = 0; p < kEvaluationPasses * kWirePassesPerEvaluation; ++p) v.DrawWires(dc);
    v.m_drawingPlaced = 0;
    v.DrawWires(dc);
}

void BM_SimulationTickWirePasses(benchmark::State& state) {
    SheetDocument doc;
    CVelkarionView v;
    v.setDocument(&doc);
    v.m_penWidth = 1;
    buildChains(v, static_cast<int>(state.range(0)));
    v.OnModeRun();
    Surface surface(1000, 800);
    Dc dc(surface);
    for (auto _ : state) {
        runTickWirePasses(v, dc);
        benchmark::DoNotOptimize(v.m_potential[v.m_componentCount - 1].letter());
    }
    if (v.m_potential[v.m_componentCount - 1].letter() != '1') state.SkipWithError("letters did not settle");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SimulationTickWirePasses)
    ->Arg(250)
    ->Arg(500)
    ->Arg(750)
    ->Arg(999)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNSquared);

// The whole tick as the clock makes it: the tick, then the paint it asks for, with
// its six evaluation passes, thirteen wire passes and the wires drawn. Frame, grid
// and title block are off: what is measured is the simulation.
void BM_SimulationTickPaint(benchmark::State& state) {
    SheetDocument doc;
    doc.m_showFrame = 0;
    doc.m_showGrid = 0;
    doc.m_titleBlockKind = 0;
    CVelkarionView v;
    v.setDocument(&doc);
    v.resizeClient(1000, 800);
    buildChains(v, static_cast<int>(state.range(0)));
    v.OnModeRun();
    v.runPendingPaint();
    for (auto _ : state) {
        v.OnTimer(kSimulationTimerId);
        feedChains(v);
        v.runPendingPaint();
        benchmark::DoNotOptimize(v.m_potential[v.m_componentCount - 1].letter());
    }
    if (v.m_potential[v.m_componentCount - 1].letter() != '1') state.SkipWithError("letters did not settle");
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SimulationTickPaint)
    ->Arg(250)
    ->Arg(500)
    ->Arg(750)
    ->Arg(999)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNSquared);

// Net numbering at Simulate, for the same sheets.
void BM_SimulateNumbering(benchmark::State& state) {
    SheetDocument doc;
    CVelkarionView v;
    v.setDocument(&doc);
    buildChains(v, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        v.OnModeRun();
        benchmark::DoNotOptimize(v.m_netNumber[0]);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SimulateNumbering)->Arg(250)->Arg(500)->Arg(999)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
