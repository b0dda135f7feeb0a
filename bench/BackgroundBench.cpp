// The sheet's background at the limits the chart loader accepts: a 4000 x
// 4000 sheet with circles or a grid every pixel, and the ordinary 600 x 600
// sheet with circles every 30 pixels for comparison.

#include "document/Document.h"
#include "platform/RasterDC.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void drawBackground(benchmark::State& state, int32_t side, Background kind, int32_t spacing)
{
    CPattraDoc doc;
    doc.setChartSize(side, side);
    doc.canvas().setBackgroundKind(int32_t(kind));
    doc.canvas().setLineSpacing(spacing);
    PixelBuffer sheet(side, side);
    CRasterDC dc(sheet);
    for (auto _ : state) {
        doc.canvas().drawBackground(dc);
        benchmark::DoNotOptimize(sheet.pixels().data());
    }
}

void BM_CirclesEveryPixelOn4000Sheet(benchmark::State& state) { drawBackground(state, 4000, Background::Circles, 1); }
void BM_GridEveryPixelOn4000Sheet(benchmark::State& state) { drawBackground(state, 4000, Background::Grid, 1); }
void BM_CirclesOnOrdinarySheet(benchmark::State& state) { drawBackground(state, 600, Background::Circles, 30); }

BENCHMARK(BM_CirclesEveryPixelOn4000Sheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GridEveryPixelOn4000Sheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CirclesOnOrdinarySheet)->Unit(benchmark::kMillisecond);

} // namespace
