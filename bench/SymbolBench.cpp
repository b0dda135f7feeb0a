// Building and drawing stitch symbols: 10,000 builds of a mix of families, a
// full repaint of a 600 x 600 chart with 5,000 symbols, and the bounds of
// 10,000 chain ovals (walked once, then kept until their points change).

#include "bench/BenchCharts.h"
#include "document/TypeTable.h"
#include "platform/RasterDC.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void BM_BuildTenThousandSymbols(benchmark::State& state)
{
    CCanvas canvas;
    std::vector<int32_t> types;
    for (const char* name : bench::kSymbolMix)
        types.push_back(typeIdOfName(name));
    for (auto _ : state) {
        for (int i = 0; i < 10'000; ++i) {
            std::unique_ptr<CChartElement> symbol = createElement(types[size_t(i) % types.size()]);
            symbol->assignState({{{100 + i % 300, 300}, {110 + i % 300, 270}}, 2, 0, 0});
            benchmark::DoNotOptimize(symbol.get());
        }
    }
}
BENCHMARK(BM_BuildTenThousandSymbols)->Unit(benchmark::kMillisecond);

void BM_RepaintFiveThousandSymbols(benchmark::State& state)
{
    auto doc = bench::denseChart(5'000);
    PixelBuffer screen(600, 600);
    CRasterDC dc(screen);
    for (auto _ : state) {
        dc.fillRect({0, 0, 600, 600}, colours::white);
        doc->canvas().draw(dc);
        benchmark::DoNotOptimize(screen.pixels().data());
    }
}
BENCHMARK(BM_RepaintFiveThousandSymbols)->Unit(benchmark::kMillisecond);

void BM_BoundsOfTenThousandChains(benchmark::State& state)
{
    CCanvas canvas;
    for (int i = 0; i < 10'000; ++i) {
        std::unique_ptr<CChartElement> chain = createElement(typeids::kChain);
        chain->assignState({{{i % 600, i % 577}, {i % 600 + 12, i % 577 - 20}}, 2, 0, 0});
        canvas.appendChild(std::move(chain));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(canvas.getBounds());
}
BENCHMARK(BM_BoundsOfTenThousandChains)->Unit(benchmark::kMicrosecond);

} // namespace
