// The chart view under a busy chart (600 x 600, 5,000 symbols): a placement
// drag of 100 pointer moves, each erasing and redrawing the rubber band; a
// select-tool click; and a full repaint after a command.

#include "bench/BusyView.h"
#include "document/History.h"
#include "document/commands/MoveCommands.h"
#include "view/ChartView.h"
#include "view/MouseEvent.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;
using bench::BusyView;

void BM_PlacementDragPerMove(benchmark::State& state)
{
    BusyView b;
    b.view.tools().selectTool("double1to5");
    for (auto _ : state) {
        b.view.onButtonDown({300, 500}, kLeftButton);
        for (int i = 1; i <= 100; ++i)
            b.view.onMouseMove({300 + i, 500 - 4 * i}, kLeftButton);
        b.view.onButtonUp({300, 500}, kNoButton); // back where it began: nothing is placed
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(BM_PlacementDragPerMove)->Unit(benchmark::kMillisecond);

void BM_SelectClick(benchmark::State& state)
{
    BusyView b;
    b.view.tools().selectTool("select");
    for (auto _ : state) {
        b.view.onButtonDown({311, 307}, kLeftButton);
        b.view.onButtonUp({311, 307}, kNoButton);
    }
}
BENCHMARK(BM_SelectClick)->Unit(benchmark::kMicrosecond);

void BM_RepaintAfterCommand(benchmark::State& state)
{
    BusyView b;
    CCanvas& canvas = b.doc->canvas();
    std::vector<CChartElement*> one{canvas.child(17)};
    int direction = 1;
    for (auto _ : state) {
        canvas.history().Execute(std::make_unique<CMoveCommand>(canvas, one, 5.0 * direction, 0.0));
        direction = -direction;
        b.view.invalidateAll();
        b.view.paint();
    }
}
BENCHMARK(BM_RepaintAfterCommand)->Unit(benchmark::kMillisecond);

} // namespace
