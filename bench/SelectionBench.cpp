// Selecting a whole chart of 100,000 lines through the view, as a user does
// it: a rubber band over the sheet with the select tool, then the group
// command or the Delete key. Each must grow linearly with the number of elements.

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

} // namespace
