// The history under a long editing session: 100,000 moves of a three-element
// selection executed, then all undone, then all redone. Commands change
// elements in place and keep their points from before and after; the memory
// counters report what each command holds. Then the same for one move and
// one mirror of the whole dense chart, per symbol.

#include "bench/BenchCharts.h"
#include "document/Document.h"
#include "document/History.h"
#include "document/commands/MoveCommands.h"
#include "document/commands/TransformCommands.h"
#include "elements/GroupElement.h"
#include "elements/PrototypeTable.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace loopora;

namespace {

constexpr int kMoves = 100'000;

CChartElement* placeLine(CChartElement& parent, Point a, Point b)
{
    auto e = createElement(typeids::kLine);
    e->assignState({{a, b}});
    return parent.appendChild(std::move(e));
}

// A chart of fifty lines and a group of two, with one line, the group and
// another line selected.
struct BenchChart {
    BenchChart()
    {
        for (int i = 0; i < 50; ++i)
            placeLine(canvas, {10 + i, 10}, {10 + i, 60});
        CChartElement* a = placeLine(canvas, {100, 100}, {140, 100});
        CChartElement* b = placeLine(canvas, {120, 80}, {120, 120});
        canvas.select(a, SelectMode::Replace);
        canvas.select(b, SelectMode::Add);
        CGroupElement* group = canvas.selection().makeGroup();
        canvas.select(canvas.child(3), SelectMode::Replace);
        canvas.select(group, SelectMode::Add);
        canvas.select(canvas.child(40), SelectMode::Add);
    }

    void executeMoves()
    {
        for (int i = 0; i < kMoves; ++i)
            canvas.history().Execute(
                std::make_unique<CMoveCommand>(canvas, canvas.selection().members(), (i % 2) ? 5.0 : -5.0, 1.5));
    }

    CPattraDoc doc;
    CCanvas& canvas = doc.canvas();
};

size_t heapInUse() { return mallinfo2().uordblks; }

void HistoryExecute100kMoves(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto chart = std::make_unique<BenchChart>();
        chart->canvas.history();
        const size_t heapBefore = heapInUse();
        state.ResumeTiming();
        chart->executeMoves();
        state.PauseTiming();
        const auto& history = chart->canvas.history();
        const auto* first = static_cast<const CMoveCommand*>(history.command(0));
        // The command's own storage: the object, its list and its slot in the history.
        state.counters["own_bytes_per_command"] = double(sizeof(CMoveCommand) +
                                                         first->elements().capacity() * sizeof(CChartElement*) +
                                                         sizeof(std::unique_ptr<CCommand>));
        // What the heap really grew by: the points kept, allocator overhead and
        // the history's spare capacity included.
        state.counters["heap_bytes_per_command"] = double(heapInUse() - heapBefore) / kMoves;
        chart.reset();
        state.ResumeTiming();
    }
}

void HistoryUndo100kMoves(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto chart = std::make_unique<BenchChart>();
        chart->executeMoves();
        state.ResumeTiming();
        for (int i = 0; i < kMoves; ++i)
            chart->canvas.history().Undo();
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
}

void HistoryRedo100kMoves(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto chart = std::make_unique<BenchChart>();
        chart->executeMoves();
        for (int i = 0; i < kMoves; ++i)
            chart->canvas.history().Undo();
        state.ResumeTiming();
        for (int i = 0; i < kMoves; ++i)
            chart->canvas.history().Redo();
        state.PauseTiming();
        chart.reset();
        state.ResumeTiming();
    }
}

// One command over every symbol of the dense chart: the heap it holds, per symbol.
template <typename Command, typename... Args>
void wholeChartCommand(benchmark::State& state, Args... args)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = bench::denseChart(count);
        CCanvas& canvas = doc->canvas();
        std::vector<CChartElement*> all;
        for (size_t i = 0; i < canvas.childCount(); ++i)
            all.push_back(canvas.child(i));
        canvas.history();
        const size_t heapBefore = heapInUse();
        state.ResumeTiming();
        canvas.history().Execute(std::make_unique<Command>(canvas, std::move(all), args...));
        state.PauseTiming();
        state.counters["heap_bytes_per_symbol"] = double(heapInUse() - heapBefore) / count;
        doc.reset();
        state.ResumeTiming();
    }
}

void HistoryMoveWholeChart(benchmark::State& state) { wholeChartCommand<CMoveCommand>(state, 3.0, -2.0); }
void HistoryMirrorWholeChart(benchmark::State& state) { wholeChartCommand<CFlipHorizontalCommand>(state, Point{300, 300}); }

} // namespace

BENCHMARK(HistoryMoveWholeChart)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HistoryMirrorWholeChart)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(HistoryExecute100kMoves)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HistoryUndo100kMoves)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(HistoryRedo100kMoves)->Unit(benchmark::kMillisecond)->Iterations(5);
