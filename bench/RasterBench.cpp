// How fast the raster device context strokes a busy chart: 10,000 short lines
// of about 30 pixels in every direction, as a dense stitch sheet holds.

#include "platform/RasterDC.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

using namespace loopora;

struct Segment {
    Point from;
    Point to;
};

const std::vector<Segment>& strokes()
{
    static const std::vector<Segment> segments = [] {
        std::vector<Segment> s;
        std::mt19937 rng(20240611);
        std::uniform_int_distribution<int> coord(30, 569);
        std::uniform_real_distribution<double> angle(0.0, 2.0 * M_PI);
        for (int i = 0; i < 10'000; ++i) {
            const Point from{coord(rng), coord(rng)};
            const double a = angle(rng);
            s.push_back({from, {from.x + int(std::lround(30 * std::cos(a))), from.y + int(std::lround(30 * std::sin(a)))}});
        }
        return s;
    }();
    return segments;
}

void drawStrokes(benchmark::State& state, int width)
{
    PixelBuffer buffer(600, 600);
    CRasterDC dc(buffer);
    dc.selectPen(Pen{int32_t(PenStyle::Solid), width, colours::black});
    for (auto _ : state) {
        for (const Segment& s : strokes()) {
            dc.moveTo(s.from.x, s.from.y);
            dc.lineTo(s.to.x, s.to.y);
        }
        benchmark::DoNotOptimize(buffer.pixels().data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(strokes().size()));
}

void BM_ThinLines(benchmark::State& state) { drawStrokes(state, 1); }
void BM_WideLines(benchmark::State& state) { drawStrokes(state, 2); }

} // namespace

BENCHMARK(BM_ThinLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WideLines)->Unit(benchmark::kMillisecond);
