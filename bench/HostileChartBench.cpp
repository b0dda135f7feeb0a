// Charts of a few dozen bytes that once cost seconds and gigabytes: each is
// loaded, drawn onto its sheet and listed as JSON, as `loopora-cli render`
// and `dump` do, or exported. Every one must stay well under a second.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "elements/TypeIds.h"
#include "export/BitmapWriter.h"
#include "export/ChartWriters.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace loopora;

class Bytes {
public:
    Bytes(int32_t side, int32_t count, int32_t background = 1, int32_t spacing = 30)
    {
        ints({side, side, count, background, spacing, 0, 0, side, side});
    }
    Bytes& ints(std::initializer_list<int32_t> values)
    {
        for (int32_t v : values)
            raw(&v, 4);
        return *this;
    }
    Bytes& real(double v) { return raw(&v, 8); }
    // A figure from (0, 0) to (length, 0) in a pen 255 pixels wide.
    Bytes& figure(int32_t typeId, int32_t length) { return ints({typeId, 2, 0, 0, length, 0, 255, 0, 0}); }
    std::vector<uint8_t> bytes;

private:
    Bytes& raw(const void* p, size_t n)
    {
        const auto* b = static_cast<const uint8_t*>(p);
        bytes.insert(bytes.end(), b, b + n);
        return *this;
    }
};

void openDrawAndList(benchmark::State& state, const std::vector<uint8_t>& bytes)
{
    for (auto _ : state) {
        ChartLoadResult loaded = loadChartBytes(bytes);
        if (!loaded.document) {
            state.SkipWithError(loaded.error.c_str());
            return;
        }
        PixelBuffer sheet = renderSheet(*loaded.document);
        std::string json = chartToJson(*loaded.document);
        benchmark::DoNotOptimize(sheet.pixels().data());
        benchmark::DoNotOptimize(json.data());
    }
}

void BM_HostileSlipStitch16M(benchmark::State& state)
{
    Bytes b(600, 1);
    b.figure(typeids::kSlipStitch, 16'000'000).ints({0}).real(2.0);
    openDrawAndList(state, b.bytes);
}

void BM_HostileChain1M(benchmark::State& state)
{
    Bytes b(600, 1);
    b.figure(typeids::kChain, 1'000'000).real(2.0);
    openDrawAndList(state, b.bytes);
}

void BM_HostileFourChains1M(benchmark::State& state)
{
    Bytes b(600, 4);
    for (int i = 0; i < 4; ++i)
        b.figure(typeids::kChain, 1'000'000).real(2.0);
    openDrawAndList(state, b.bytes);
}

void BM_HostileLens1M(benchmark::State& state)
{
    Bytes b(600, 1);
    b.figure(typeids::kLens, 1'000'000).real(1.5);
    openDrawAndList(state, b.bytes);
}

void BM_HostileCirclesEveryPixel4000(benchmark::State& state)
{
    Bytes b(4000, 0, 1, 1);
    openDrawAndList(state, b.bytes);
}

// The most expensive walked figures a kilobyte can hold: 22 chains just
// short of being drawn from their equation, all across the sheet.
void BM_KilobyteOfLargestWalkedChains(benchmark::State& state)
{
    Bytes b(600, 22);
    for (int i = 0; i < 22; ++i)
        b.ints({typeids::kChain, 2, -3794, 300 + i, 300, 300 - i, 255, 0, 0}).real(1.0);
    openDrawAndList(state, b.bytes);
}

// The most expensive slip stitches a kilobyte can hold that are still drawn
// with nested ovals: round, as large as the editor's largest sheet, in a pen
// twenty times the editor's.
void BM_KilobyteOfLargestNestedSlipStitches(benchmark::State& state)
{
    Bytes b(600, 20);
    for (int i = 0; i < 20; ++i)
        b.ints({typeids::kSlipStitch, 2, 300 + i, -19, 300 - i, 619, 40, 0, 0, 0}).real(1.0);
    openDrawAndList(state, b.bytes);
}

// Four hundred chains stretched to a ratio of a thousandth (ovals a million
// pixels long and ten million wide), their outlines across the sheet,
// exported as a PDF: only what crosses the sheet is drawn.
void BM_StretchedChainsToPdf(benchmark::State& state)
{
    Bytes b(600, 400);
    for (int i = 0; i < 400; ++i) {
        const int32_t y = 20 + (i * 7) % 560;
        b.ints({typeids::kChain, 2, i % 2 ? 300 : -999'700, y, i % 2 ? 1'000'300 : 300, y, 2, 0, 0}).real(1e-3);
    }
    ChartLoadResult loaded = loadChartBytes(b.bytes);
    if (!loaded.document) {
        state.SkipWithError(loaded.error.c_str());
        return;
    }
    for (auto _ : state) {
        std::vector<uint8_t> pdf;
        std::string error;
        writeChartPdf(*loaded.document, {}, "stretched", pdf, error);
        benchmark::DoNotOptimize(pdf.data());
    }
}

BENCHMARK(BM_HostileSlipStitch16M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileChain1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileFourChains1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileLens1M)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HostileCirclesEveryPixel4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KilobyteOfLargestWalkedChains)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KilobyteOfLargestNestedSlipStitches)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchedChainsToPdf)->Unit(benchmark::kMillisecond);

} // namespace
