// The pattern panel follows every finished edit, so the chart is read and
// its text written again after each one: the 5,000-symbol chart must take
// well within a frame (under 20 ms), its warnings and all.

#include "bench/BenchCharts.h"
#include "pattern/PatternText.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void BM_ReadAndWriteFiveThousandSymbols(benchmark::State& state)
{
    auto doc = bench::denseChart(5000);
    const pattern::PhraseBook& book = pattern::phraseBook(Language::English, pattern::Terms::Us);
    for (auto _ : state) {
        const pattern::PatternReading reading = pattern::readChart(doc->canvas());
        benchmark::DoNotOptimize(pattern::writePattern(reading, book));
        benchmark::DoNotOptimize(pattern::checkText(reading, book));
    }
}
BENCHMARK(BM_ReadAndWriteFiveThousandSymbols)->Unit(benchmark::kMillisecond);

} // namespace
