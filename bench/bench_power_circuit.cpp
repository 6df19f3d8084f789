// One simulation tick of a full sheet of power circuits: 111 units of a
// three-phase supply, three wires down to closed main contacts, three wires on
// to a motor, 999 slots in all. The tick clears the letters; the paint runs the
// six evaluation passes, in which every pole scans its terminals and walks the
// sheet, and every motor scans its terminals.
#include <benchmark/benchmark.h>

#include "model/VelkarionView.h"
#include "platform/surface.h"
#include "render/Clock.h"

namespace {

using namespace velk;

constexpr int kUnitSlots = 9;
constexpr int kUnitsPerRow = 10;

int append(CVelkarionView& v, int type, int x, int y, int x2, int y2) {
    const int i = v.m_componentCount++;
    v.m_type[i] = type;
    v.m_componentId[i] = i;
    v.m_x[i] = x;
    v.m_y[i] = y;
    v.m_x2[i] = x2;
    v.m_y2[i] = y2;
    v.m_labelVisible[i] = 1;
    return i;
}

void buildUnits(CVelkarionView& v, int units) {
    v.clearAllSlots();
    v.m_componentCount = 0;
    for (int n = 0; n < units; ++n) {
        const int x = 30 + 30 * (n % kUnitsPerRow), y = 30 + 60 * (n / kUnitsPerRow);
        append(v, kTypeSupplyL1L2L3, x, y, x, y);
        for (int p = 0; p < 3; ++p) append(v, kTypeWirePhase, x + 6 * p, y, x + 6 * p, y + 9);
        const int contacts = append(v, kTypeMainContactsIII, x, y + 9, x, y + 9);
        v.m_label[contacts] = "-K" + std::to_string(n);
        for (int p = 0; p < 3; ++p) append(v, kTypeWirePhase, x + 6 * p, y + 21, x + 6 * p, y + 27);
        append(v, kTypeMotorThreePhase, x, y + 27, x, y + 27);
    }
}

void BM_PowerCircuitTick(benchmark::State& state) {
    SheetDocument doc;
    doc.m_showFrame = 0;
    doc.m_showGrid = 0;
    doc.m_titleBlockKind = 0;
    CVelkarionView v;
    v.setDocument(&doc);
    v.m_penWidth = 1;
    v.resizeClient(1000, 800);
    const int units = static_cast<int>(state.range(0)) / kUnitSlots;
    buildUnits(v, units);
    v.OnModeRun();
    // No coil here: the contacts are closed by hand, as their coil would close them.
    for (int i = 0; i < v.m_componentCount; ++i)
        if (v.m_type[i] == kTypeMainContactsIII) v.m_state[i] = 1;
    v.runPendingPaint();
    for (auto _ : state) {
        v.OnTimer(kSimulationTimerId);
        v.runPendingPaint();
        benchmark::DoNotOptimize(v.m_drawnState[v.m_componentCount - 1]);
    }
    if (v.m_simulating != 1 || v.m_drawnState[v.m_componentCount - 1] != 1)
        state.SkipWithError("the last motor does not run");
    state.SetComplexityN(v.m_componentCount);
}
BENCHMARK(BM_PowerCircuitTick)
    ->Arg(252)
    ->Arg(504)
    ->Arg(999)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

}  // namespace

BENCHMARK_MAIN();
