// One full paint of an A4 landscape sheet at zoom 2 (frame, zones, grid, title
// block), empty or with 999 free-drawing items, while editing (one pass on an
// erased window) and while simulating (six passes on a window that is not erased,
// as the clock's repaints are).
#include <benchmark/benchmark.h>

#include <string>

#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "platform/surface.h"
#include "render/Paint.h"

namespace {

using namespace velk;

constexpr int kItems = 999;

// Items in cells of 8 x 7 units inside the frame, 37 to a row, their kinds in turn:
// a line, a rectangle, a fill point inside that rectangle, an ellipse, a filled
// rectangle, a filled ellipse and a text.
void fillSheet(CVelkarionView& view) {
    const int kinds[] = {kTypeLine, kTypeRectangle, kTypeFill, kTypeEllipse, kTypeFilledRectangle,
                         kTypeFilledEllipse, kTypeText};
    const Color colors[] = {rgb(0, 0, 255), rgb(255, 0, 0), rgb(255, 200, 200), rgb(0, 128, 0), rgb(255, 255, 0),
                            rgb(0, 0, 128), rgb(128, 0, 0)};
    constexpr int kColumns = 37;
    int cell = -1;
    for (int i = 0; i < kItems; ++i) {
        const int k = i % 7;
        const int type = kinds[k];
        if (type != kTypeFill) ++cell;  // a fill goes into the rectangle before it
        const int x = 6 + (cell % kColumns) * 8;
        const int y = 27 + (cell / kColumns) * 7;
        const int slot = view.m_componentCount++;
        view.m_type[slot] = type;
        view.m_color[slot] = colors[k];
        view.m_x[slot] = type == kTypeFill ? x + 3 : x;
        view.m_y[slot] = type == kTypeFill ? y + 2 : y;
        view.m_x2[slot] = x + 6;
        view.m_y2[slot] = y + 5;
        if (type == kTypeLine) view.m_lineCorner[slot] = 1 + (i / 7) % 4;
        if (type == kTypeText) view.m_paramText[slot] = "-K" + std::to_string(i % 100);
    }
}

void paintSheet(benchmark::State& state, bool withItems, bool simulating) {
    SheetDocument doc;
    CVelkarionView view;
    view.setDocument(&doc);
    view.m_lastPointX = kNoPoint;
    view.m_lastPointY = kNoPoint;
    g_firstPaintDone = 1;
    g_currentTool = 0;
    if (withItems) fillSheet(view);
    view.m_simulating = simulating ? 1 : 0;
    Surface surface(700, 500);
    Dc dc(surface);
    for (auto _ : state) {
        if (!simulating) surface.fill(rgb(255, 255, 255));
        view.OnDraw(dc);
        benchmark::ClobberMemory();
    }
    state.counters["slots"] = view.m_componentCount;
}

void BM_PaintEmptySheetEditing(benchmark::State& state) { paintSheet(state, false, false); }
void BM_PaintEmptySheetSimulating(benchmark::State& state) { paintSheet(state, false, true); }
void BM_Paint999FreeItemsEditing(benchmark::State& state) { paintSheet(state, true, false); }
void BM_Paint999FreeItemsSimulating(benchmark::State& state) { paintSheet(state, true, true); }

BENCHMARK(BM_PaintEmptySheetEditing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintEmptySheetSimulating)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint999FreeItemsEditing)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint999FreeItemsSimulating)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
