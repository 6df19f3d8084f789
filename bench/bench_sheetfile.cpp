// The sheet file with every slot in use: 999 items of mixed kinds (components
// with labels and terminal names, wires, texts, an autotransformer now and then),
// composed, saved to disk, read from text and loaded from disk. The bytes_per_second
// counter gives the file's throughput.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/SheetDocument.h"
#include "model/VelkarionView.h"
#include "platform/msgbox.h"

namespace {

using namespace velk;

void fillSheet(CVelkarionView& v) {
    const int kinds[] = {kTypeCoil, kTypeWirePhase, kTypeAuxContactNO, kTypeText, kTypeAutotransformer, kTypeLine};
    for (int i = 0; i < kMaxPlacedItems; ++i) {
        const int type = kinds[i % 6];
        v.m_componentId[i] = i;
        v.m_type[i] = type;
        v.m_x[i] = (i * 7) % 330;
        v.m_y[i] = (i * 13) % 230;
        v.m_x2[i] = v.m_x[i] + 12;
        v.m_y2[i] = v.m_y[i] + 18;
        v.m_boxX1[i] = -6, v.m_boxY1[i] = -3, v.m_boxX2[i] = 9, v.m_boxY2[i] = 15;
        v.m_orientation[i] = i % 8;
        v.m_labelVisible[i] = 1;
        if (type == kTypeText) {
            v.m_paramText[i] = "Arranque estrella " + std::to_string(i);
            continue;
        }
        if (type == kTypeWirePhase || type == kTypeLine) continue;
        v.m_label[i] = "-K" + std::to_string(i % 40);
        v.m_label2[i] = "Bomba";
        for (int k = 0; k < 9; ++k) {
            v.m_terminalName[i][k] = std::to_string(10 * k + 3);
            v.m_terminalNameVisible[i][k] = 1;
        }
    }
    v.m_componentCount = kMaxPlacedItems;
}

struct BenchSheet {
    SheetDocument doc;
    CVelkarionView view;
    BenchSheet() { view.setDocument(&doc); }
};

std::string scratchFile() {
    return (std::filesystem::temp_directory_path() / ("velk_bench_sheet_" + std::to_string(::getpid()) + ".cad"))
        .string();
}

void BM_ComposeSheet999(benchmark::State& state) {
    BenchSheet sheet;
    fillSheet(sheet.view);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = sheet.view.ComposeSheetText(2);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ComposeSheet999)->Unit(benchmark::kMicrosecond);

void BM_SaveSheet999(benchmark::State& state) {
    BenchSheet sheet;
    fillSheet(sheet.view);
    sheet.view.m_filePath = scratchFile();
    for (auto _ : state) sheet.view.OnFileSave();
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(sheet.view.m_filePath)));
    std::filesystem::remove(sheet.view.m_filePath);
}
BENCHMARK(BM_SaveSheet999)->Unit(benchmark::kMicrosecond);

void BM_ReadSheetText999(benchmark::State& state) {
    BenchSheet source;
    fillSheet(source.view);
    const std::string text = source.view.ComposeSheetText(2);
    BenchSheet sheet;
    for (auto _ : state) {
        sheet.view.ReadSheetText(text, "");
        benchmark::DoNotOptimize(sheet.view.m_componentCount);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSheetText999)->Unit(benchmark::kMicrosecond);

// The whole reader as Open runs it: clearing the table, reading the file,
// taking its records and settings, and applying the zoom.
void BM_LoadSheet999(benchmark::State& state) {
    setMessageBoxHandler([](const BoxRecord&) { return BoxAnswer::Ok; });
    BenchSheet source;
    fillSheet(source.view);
    source.view.m_filePath = scratchFile();
    source.view.OnFileSave();
    BenchSheet sheet;
    for (auto _ : state) {
        sheet.view.LoadDrawing(source.view.m_filePath);
        benchmark::DoNotOptimize(sheet.view.m_componentCount);
    }
    if (sheet.view.m_componentCount != kMaxPlacedItems) state.SkipWithError("the sheet did not load whole");
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(source.view.m_filePath)));
    std::filesystem::remove(source.view.m_filePath);
    setMessageBoxHandler(nullptr);
}
BENCHMARK(BM_LoadSheet999)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
