// Chart files and hit testing at sizes beyond any real chart: loading and
// saving 100,000 lines, and finding the element under the pointer among
// 10,000 top-level elements.

#include "bench/BenchCharts.h"
#include "document/ChartFile.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

std::unique_ptr<CPattraDoc> lineChart(int count)
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(600, 600);
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CChartElement> line = createElement(typeids::kLine);
        line->assignState({{{i % 600, (i / 600) % 600}, {(i + 30) % 600, (i / 600 + 17) % 600}}, 2, 0, 0});
        doc->canvas().appendChild(std::move(line));
    }
    return doc;
}

void BM_SaveHundredThousandLines(benchmark::State& state)
{
    auto doc = lineChart(100'000);
    for (auto _ : state)
        benchmark::DoNotOptimize(saveChartBytes(*doc));
}
BENCHMARK(BM_SaveHundredThousandLines)->Unit(benchmark::kMillisecond);

void BM_LoadHundredThousandLines(benchmark::State& state)
{
    std::vector<uint8_t> bytes = saveChartBytes(*lineChart(100'000));
    for (auto _ : state) {
        ChartLoadResult loaded = loadChartBytes(bytes);
        benchmark::DoNotOptimize(loaded.document.get());
    }
}
BENCHMARK(BM_LoadHundredThousandLines)->Unit(benchmark::kMillisecond);

void BM_HitTestTenThousandElements(benchmark::State& state)
{
    auto doc = bench::denseChart(10'000);
    // A point no element covers: every element is tested.
    for (auto _ : state) {
        HitInfo hit;
        hit.point = {-100, -100};
        benchmark::DoNotOptimize(doc->canvas().hitTest(hit));
    }
}
BENCHMARK(BM_HitTestTenThousandElements)->Unit(benchmark::kMicrosecond);

} // namespace
