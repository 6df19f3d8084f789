// The symbol-command interpreter: a typical symbol of twenty commands drawn onto a
// real surface, and the same symbol interpreted with every drawing call left out.
// The allocs_per_command counter shows that interpreting allocates nothing.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>

#include "model/SheetDocument.h"
#include "model/TypeCodes.h"
#include "model/VelkarionView.h"
#include "platform/dc.h"
#include "platform/surface.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace velk;

// A coil-like symbol: label and function texts, two terminals, outline, fills,
// arcs and small texts, as a component routine would emit them.
constexpr const char* kSymbol[] = {
    "TEXT,-010,-023,  -K1,2",
    "TEXT,-010,-008,  Fan,2",
    "NUME,+005,-005,A1",
    "NUME,+005,+060,A2",
    "LINE,+000,+000,+000,+015",
    "LINE,+000,+045,+000,+060",
    "LINE,-015,+015,+015,+015",
    "LINE,+015,+015,+015,+045",
    "LINE,+015,+045,-015,+045",
    "LINE,-015,+045,-015,+015",
    "POLI,-015,+015,+015,+015,+015,+020,-015,+020",
    "ELIP,-005,+025,+005,+035",
    "ARCO,-010,+020,+010,+040,+010,+030,-010,+030",
    "CUER,-008,+022,+008,+038,+008,+030,-008,+030",
    "PUNT,+000,+030",
    "RELL,+000,+030",
    "LINE,-020,+030,-015,+030",
    "LINE,+015,+030,+020,+030",
    "TEXT,+020,+020,   24,0",
    "TEXT,+020,+035,  VDC,0",
};
constexpr int kCommandCount = static_cast<int>(sizeof kSymbol / sizeof kSymbol[0]);

// Keeps the drawing state but puts nothing on the surface.
class NoDrawingDc : public Dc {
public:
    explicit NoDrawingDc(Surface& s) : Dc(s) {}
    void lineTo(int x, int y) override { Dc::moveTo(x, y); }
    void rectangle(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void arc(int, int, int, int, int, int, int, int) override {}
    void chord(int, int, int, int, int, int, int, int) override {}
    void polygon(const Point*, int) override {}
    void setPixel(int, int, Color) override {}
    Color getPixel(int, int) const override { return rgb(255, 255, 255); }
    void floodFillSurface(int, int, Color) override {}
    void textOut(int, int, const std::string&) override {}
};

template <typename V>
struct PaintlessView : V {
    void onPaint(Dc&) override {}
};
using BenchView = std::conditional_t<std::is_abstract_v<CVelkarionView>, PaintlessView<CVelkarionView>,
                                     CVelkarionView>;

struct Stage {
    SheetDocument doc;
    std::unique_ptr<CVelkarionView> view = std::make_unique<BenchView>();
    explicit Stage(int code) {
        view->setDocument(&doc);
        view->m_type[0] = kTypeCoil;
        view->m_orientation[0] = code;
        view->m_x[0] = 90;
        view->m_y[0] = 60;
        view->m_componentCount = 1;
        view->m_loopIndex = 0;
        view->m_drawingPlaced = 1;
        view->m_penWidth = 1;
        view->m_simulating = 1;
    }
    void drawSymbol(Dc& dc, double zoom) {
        const double scale = zoom / 5.0;
        const int ox = static_cast<int>(view->m_x[0] * zoom), oy = static_cast<int>(view->m_y[0] * zoom);
        for (const char* command : kSymbol) view->DrawCommand(dc, command, scale, ox, oy);
    }
};

void BM_DrawSymbol(benchmark::State& state) {
    Stage stage(static_cast<int>(state.range(0)));
    Surface surface(400, 300);
    Dc dc(surface);
    for (auto _ : state) {
        stage.drawSymbol(dc, 2.0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kCommandCount);
}
BENCHMARK(BM_DrawSymbol)->Arg(0)->Arg(5);

void BM_InterpretSymbol(benchmark::State& state) {
    Stage stage(static_cast<int>(state.range(0)));
    Surface surface(8, 8);
    NoDrawingDc dc(surface);
    stage.drawSymbol(dc, 2.0);  // first use of fonts and statics
    const long before = g_allocations.load();
    for (auto _ : state) {
        stage.drawSymbol(dc, 2.0);
        benchmark::ClobberMemory();
    }
    const long allocations = g_allocations.load() - before;
    state.SetItemsProcessed(state.iterations() * kCommandCount);
    state.counters["allocs_per_command"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations() * kCommandCount);
}
BENCHMARK(BM_InterpretSymbol)->Arg(0)->Arg(5);

}  // namespace

BENCHMARK_MAIN();
