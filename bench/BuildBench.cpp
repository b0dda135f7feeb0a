// Building a chart from its text: the editor's preview rebuilds it on every
// key, so a 10-round circle of doubles (660 stitches) must take well within
// 50 ms, from reading the text to the last symbol built.

#include "pattern/ChartBuild.h"
#include "pattern/ShapePresets.h"
#include "elements/TypeIds.h"

#include <benchmark/benchmark.h>

namespace {

using namespace loopora;

void BM_BuildTenRoundCircleOfDoubles(benchmark::State& state)
{
    const pattern::PhraseBook& book = pattern::phraseBook(Language::English, pattern::Terms::Us);
    const std::string text = pattern::shapeText({pattern::Shape::Circle, typeids::kDouble, 10}, book);
    for (auto _ : state)
        benchmark::DoNotOptimize(pattern::buildChart(text, book));
}
BENCHMARK(BM_BuildTenRoundCircleOfDoubles)->Unit(benchmark::kMillisecond);

} // namespace
