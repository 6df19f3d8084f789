// Opening a sheet while others are open, as a user does it: File Open of the
// example motor circuit with three sheet windows already open (one of them
// simulating), through the headless test kit; each round closes the new window
// again, so every round opens into the same four-window program.
//
// Instruction counts repeat where times do not: run it under
// `valgrind --tool=callgrind --toggle-collect='*openBesideOthers*'` and divide the
// instructions by the calls.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "model/VelkarionView.h"
#include "res/Resource.h"
#include "testkit/testkit.h"

namespace {

using namespace velk;

constexpr int kSheetsAlreadyOpen = 3;

std::string example(const char* name) { return std::string(VELK_ROOT_DIR) + "/examples/" + name; }

// Kept apart (not inlined) so that an instruction counter can be told to count it alone.
[[gnu::noinline]] CVelkarionView& openBesideOthers(testkit::Session& session, const std::string& path) {
    return session.openSheet(path);
}

void BM_OpenSheetWhileOthersOpen(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testkit::Session session;
    for (int i = 0; i < kSheetsAlreadyOpen; ++i) session.openSheet(example("self_holding.cad"));
    session.command(*session.views().front(), ID_MODE_RUN);
    // File Open is offered while the sheet in front edits: the last one comes forward.
    session.command(*session.views().back(), ID_MODE_EDIT);
    const std::string path = example("motor_start.cad");
    for (auto _ : state) {
        CVelkarionView& view = openBesideOthers(session, path);
        if (view.m_componentCount == 0) state.SkipWithError("the sheet did not load");
        state.PauseTiming();
        session.closeWindow(view);
        state.ResumeTiming();
    }
    state.counters["open_before"] = kSheetsAlreadyOpen;
}
BENCHMARK(BM_OpenSheetWhileOthersOpen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
