// A zoomed chart window over a busy chart (600 x 600, 5,000 symbols): one
// scroll step at 800 % and at 100 %, a repaint of the whole window at 50 %
// and 400 %, the repaint after one symbol moved against a repaint of the
// whole window, and a pointer move of a placement drag and of a rubber band
// at 800 %.

#include "bench/BusyView.h"
#include "document/History.h"
#include "document/commands/MoveCommands.h"
#include "view/ChartView.h"
#include "view/MouseEvent.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

// A chart window of a usual size, zoomed about its centre.
struct ZoomedView : bench::BusyView {
    explicit ZoomedView(int32_t percent, Size client = {1000, 800}) : BusyView(client, percent) {}
};

// One step of a scroll bar's arrow or of the wheel, a tenth of the window,
// down the sheet and back up.
void scrollSteps(benchmark::State& state, ZoomedView& z)
{
    const int32_t step = z.window.clientSize().height / 10;
    int32_t direction = 1;
    for (auto _ : state) {
        const Point at = z.view.scrollPosition();
        z.view.scrollTo({at.x, at.y + direction * step});
        if (z.view.scrollPosition() == at) {
            direction = -direction;
            z.view.scrollTo({at.x, at.y + direction * step});
        }
        z.view.paint();
    }
}

void BM_ScrollStepAt800(benchmark::State& state)
{
    ZoomedView z(800);
    scrollSteps(state, z);
}
BENCHMARK(BM_ScrollStepAt800)->Unit(benchmark::kMillisecond);

void BM_ScrollStepAt100(benchmark::State& state)
{
    ZoomedView z(100, {400, 300});
    scrollSteps(state, z);
}
BENCHMARK(BM_ScrollStepAt100)->Unit(benchmark::kMillisecond);

void BM_RepaintAfterMovingOneSymbol(benchmark::State& state)
{
    ZoomedView z(100, {600, 600});
    CCanvas& canvas = z.doc->canvas();
    std::vector<CChartElement*> one{canvas.child(17)};
    double direction = 1;
    for (auto _ : state) {
        canvas.history().Execute(std::make_unique<CMoveCommand>(canvas, one, 5.0 * direction, 0.0));
        direction = -direction;
        z.view.paint();
    }
}
BENCHMARK(BM_RepaintAfterMovingOneSymbol)->Unit(benchmark::kMicrosecond);

// A symbol the zoomed window shows.
CChartElement& shownSymbol(ZoomedView& z)
{
    const Size client = z.window.clientSize();
    const Point from = z.view.windowToChart({client.width / 4, client.height / 4});
    const Point to = z.view.windowToChart({client.width * 3 / 4, client.height * 3 / 4});
    for (const auto& child : z.doc->canvas().children())
        if (Rect{from.x, from.y, to.x, to.y}.contains(child->boundsCentre()))
            return *child;
    return *z.doc->canvas().child(0);
}

void BM_RepaintAfterMovingOneSymbolAt400(benchmark::State& state)
{
    ZoomedView z(400);
    CCanvas& canvas = z.doc->canvas();
    std::vector<CChartElement*> one{&shownSymbol(z)};
    double direction = 1;
    for (auto _ : state) {
        canvas.history().Execute(std::make_unique<CMoveCommand>(canvas, one, 5.0 * direction, 0.0));
        direction = -direction;
        z.view.paint();
    }
}
BENCHMARK(BM_RepaintAfterMovingOneSymbolAt400)->Unit(benchmark::kMicrosecond);

// A whole window is drawn in bands on two threads at once: the time is what
// the user waits, and the CPU time is both threads'.
void wholeRepaints(benchmark::State& state, ZoomedView& z)
{
    for (auto _ : state) {
        z.view.invalidateAll();
        z.view.paint();
    }
}

void BM_WholeRepaintAt400(benchmark::State& state)
{
    ZoomedView z(400);
    wholeRepaints(state, z);
}
BENCHMARK(BM_WholeRepaintAt400)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// The whole sheet in the window.
void BM_WholeRepaintAt50(benchmark::State& state)
{
    ZoomedView z(50);
    wholeRepaints(state, z);
}
BENCHMARK(BM_WholeRepaintAt50)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// What every repaint cost before repaints drew only what they touch: the
// whole window, every element drawn.
void BM_FullRepaint(benchmark::State& state)
{
    ZoomedView z(100, {600, 600});
    for (auto _ : state) {
        z.view.invalidateAll();
        z.view.paint();
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// Pointer moves with the button held, back and forth across the window.
void dragSteps(benchmark::State& state, ZoomedView& z, Point press)
{
    z.view.onButtonDown(press, kLeftButton);
    int i = 0;
    for (auto _ : state) {
        const int k = i < 100 ? i : 200 - i;
        z.view.onMouseMove({press.x - 4 * k, press.y - 3 * k}, kLeftButton);
        i = (i + 1) % 200;
    }
    z.view.onButtonUp(press, kNoButton); // back where it began: nothing is placed
}

void BM_PlacementDragStepAt800(benchmark::State& state)
{
    ZoomedView z(800);
    z.view.tools().selectTool("double1to5");
    dragSteps(state, z, {900, 700});
}
BENCHMARK(BM_PlacementDragStepAt800)->Unit(benchmark::kMicrosecond);

void BM_RubberBandStepAt800(benchmark::State& state)
{
    ZoomedView z(800);
    z.view.tools().selectTool("select");
    dragSteps(state, z, {900, 700});
}
BENCHMARK(BM_RubberBandStepAt800)->Unit(benchmark::kMicrosecond);

} // namespace
