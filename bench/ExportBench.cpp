// The print-quality writers on the 600 x 600 chart with 5,000 symbols: a
// vector PDF and SVG of it, and a PNG of it at 600 dpi fitted to A4, each made
// whole in memory as the exports make them before writing.

#include "bench/BenchCharts.h"
#include "export/ChartExport.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void exportBench(benchmark::State& state, ExportFormat format, const ExportOptions& options)
{
    auto doc = bench::denseChart(5000);
    size_t bytes = 0;
    for (auto _ : state) {
        std::vector<uint8_t> out;
        std::string error;
        if (!renderChartFile(*doc, format, options, "bench", out, error))
            state.SkipWithError(error.c_str());
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = double(bytes);
}

void BM_PdfOfFiveThousandSymbols(benchmark::State& state) { exportBench(state, ExportFormat::Pdf, {}); }
BENCHMARK(BM_PdfOfFiveThousandSymbols)->Unit(benchmark::kMillisecond);

void BM_SvgOfFiveThousandSymbols(benchmark::State& state) { exportBench(state, ExportFormat::Svg, {}); }
BENCHMARK(BM_SvgOfFiveThousandSymbols)->Unit(benchmark::kMillisecond);

void BM_PngOfFiveThousandSymbolsAt600DpiOnA4(benchmark::State& state)
{
    ExportOptions options;
    options.dpi = 600;
    exportBench(state, ExportFormat::Png, options);
}
BENCHMARK(BM_PngOfFiveThousandSymbolsAt600DpiOnA4)->Unit(benchmark::kMillisecond);

} // namespace
