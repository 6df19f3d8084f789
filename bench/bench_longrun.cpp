// The example sheet simulated for 100 000 clock ticks with its start and stop
// buttons pressed now and then: the heap in use must stay flat, so that a sheet
// left running for days does not grow. Run in a Release build (`make bench`);
// the run fails when the heap after the ticks exceeds the heap after warm-up.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <string>

#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace {

using namespace velk;

constexpr int kWarmUpTicks = 2000;
constexpr int kTicks = 100000;
constexpr int kTicksPerPress = 500;
// Allocator bookkeeping may move by a few pages; a leak of one block per tick
// would show as megabytes.
constexpr long long kHeapSlackBytes = 256 * 1024;

long long heapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

int slotOf(const CVelkarionView& v, int type) {
    for (int i = 0; i < v.m_componentCount; ++i)
        if (v.m_type[i] == type) return i;
    return -1;
}

// A click inside a button's operating area.
void click(testkit::Session& session, CVelkarionView& view, int slot, bool down) {
    const Point w = session.unitsToWindow(view, view.m_x[slot] - 3, view.m_y[slot] + 6);
    session.move(view, w.x, w.y);
    if (down)
        session.press(view, w.x, w.y);
    else
        session.release(view, w.x, w.y);
}

// Ticks in rounds: each round presses start or stop, then lets the clock run.
void runTicks(testkit::Session& session, CVelkarionView& view, int ticks, int& round) {
    const int start = slotOf(view, kTypePushButtonNO), stop = slotOf(view, kTypePushButtonNC);
    for (int done = 0; done < ticks; done += kTicksPerPress, ++round) {
        const int button = round % 2 == 0 ? start : stop;
        if (button >= 0) click(session, view, button, true);
        session.tick(view, 1);
        if (button >= 0) click(session, view, button, false);
        session.tick(view, kTicksPerPress - 1);
    }
}

void BM_ExampleHundredThousandTicksHeapFlat(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        testkit::Session session;
        CVelkarionView& view = session.openSheet(std::string(VELK_ROOT_DIR) + "/examples/self_holding.cad");
        session.command(view, ID_MODE_RUN);
        int round = 0;
        runTicks(session, view, kWarmUpTicks, round);
        const long long before = heapInUse();
        runTicks(session, view, kTicks, round);
        const long long after = heapInUse();
        state.counters["heap_growth_bytes"] = static_cast<double>(after - before);
        state.counters["simulating"] = view.m_simulating;
        if (view.m_simulating != 1) state.SkipWithError("the simulation stopped");
        if (after - before > kHeapSlackBytes) state.SkipWithError("the heap grew during the run");
    }
}
BENCHMARK(BM_ExampleHundredThousandTicksHeapFlat)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
