// Selecting a whole chart of 100,000 lines through the view, as a user does
// it: a rubber band over the sheet with the select tool, then the group
// command or the Delete key; and the same over the dense chart of 10,000,
// 100,000 and a million symbols, where the time per symbol must stay
// within 1.3 times the time per symbol of the smallest. Each must grow
// linearly with the number of elements.

#include "bench/BenchCharts.h"
#include "bench/QuietWindow.h"
#include "document/Document.h"
#include "elements/PrototypeTable.h"
#include "elements/TypeIds.h"
#include "view/ChartView.h"
#include "view/CommandIds.h"
#include "view/MouseEvent.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

struct LineSheet {
    std::unique_ptr<CPattraDoc> doc = std::make_unique<CPattraDoc>();
    bench::QuietWindow window;
    Size remembered{};
    std::unique_ptr<CPattraView> view;

    explicit LineSheet(int count)
    {
        doc->setChartSize(600, 600);
        for (int i = 0; i < count; ++i) {
            std::unique_ptr<CChartElement> line = createElement(typeids::kLine);
            Point a{20 + i % 560, 20 + (i / 560) % 560};
            line->assignState({{a, {a.x + 7, a.y + 5}}, 2, 0, 0});
            doc->canvas().appendChild(std::move(line));
        }
        view = std::make_unique<CPattraView>(*doc, window, remembered);
        view->OnInitialUpdate();
        view->tools().selectTool("select");
    }

    void rubberBand()
    {
        view->onButtonDown({2, 2}, kLeftButton);
        view->onMouseMove({300, 300}, kLeftButton);
        view->onMouseMove({598, 598}, kLeftButton);
        view->onButtonUp({598, 598}, kNoButton);
    }
};

enum class Then { Nothing, Group, Delete };

void selectAnd(benchmark::State& state, Then then)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        LineSheet sheet(count);
        state.ResumeTiming();
        sheet.rubberBand();
        if (then == Then::Group)
            sheet.view->onCommand(cmd::kGroup);
        if (then == Then::Delete)
            sheet.view->onKeyDown(Key::Delete);
        state.PauseTiming();
        const size_t left = then == Then::Group ? 1u : then == Then::Delete ? 0u : size_t(count);
        if (sheet.doc->canvas().selection().size() != left)
            state.SkipWithError("the rubber band did not select every line");
        sheet.view.reset(); // the view goes before its document, as in the editor
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_RubberBandSelect(benchmark::State& state) { selectAnd(state, Then::Nothing); }
void BM_RubberBandSelectAndGroup(benchmark::State& state) { selectAnd(state, Then::Group); }
void BM_RubberBandSelectAndDelete(benchmark::State& state) { selectAnd(state, Then::Delete); }

BENCHMARK(BM_RubberBandSelect)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_RubberBandSelectAndGroup)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_RubberBandSelectAndDelete)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(2);

// Select all and group over the dense chart of state.range(0) symbols; the
// counter per_symbol is the CPU time per symbol.
void BM_SelectAllAndGroupSymbols(benchmark::State& state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bench::denseChart(count);
        // A window larger than the sheet: the band starts beside the sheet,
        // where no symbol stands, or the press would take one to move.
        bench::QuietWindow window({800, 800});
        Size remembered{};
        auto view = std::make_unique<CPattraView>(*doc, window, remembered);
        view->OnInitialUpdate();
        view->tools().selectTool("select");
        state.ResumeTiming();
        view->onButtonDown({799, 799}, kLeftButton);
        view->onMouseMove({400, 400}, kLeftButton);
        view->onButtonUp({0, 0}, kNoButton);
        const size_t selected = doc->canvas().selection().size();
        view->onCommand(cmd::kGroup);
        state.PauseTiming();
        if (selected != size_t(count) || doc->canvas().selection().size() != 1) {
            state.SkipWithError("the rubber band did not select and group every symbol");
            break;
        }
        view.reset();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["per_symbol"] =
        benchmark::Counter(double(state.iterations()) * count, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// As many rounds of each as make a second or two of work.
BENCHMARK(BM_SelectAllAndGroupSymbols)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(BM_SelectAllAndGroupSymbols)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SelectAllAndGroupSymbols)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
