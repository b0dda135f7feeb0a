// The key follows every edit, so it is counted again after each one: the
// whole 5,000-symbol chart, with half of it selected, must recount well
// within a frame (under 2 ms).

#include "bench/BenchCharts.h"
#include "document/Legend.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void BM_RecountKeyOfFiveThousandSymbols(benchmark::State& state)
{
    auto doc = bench::denseChart(5000);
    CCanvas& canvas = doc->canvas();
    for (size_t i = 0; i < canvas.childCount(); i += 2)
        canvas.select(canvas.child(i), SelectMode::Add);
    for (auto _ : state)
        benchmark::DoNotOptimize(makeLegend(canvas));
}
BENCHMARK(BM_RecountKeyOfFiveThousandSymbols)->Unit(benchmark::kMicrosecond);

} // namespace
