// Invariants: what a chart costs to open, draw and list is bounded by the
// sheet, never by the size of its figures: a file of a few dozen bytes holding
// an enormous chain, slip stitch or lens opens, draws and closes in a few
// megabytes, and a slip stitch enlarged by the user stays a solid dot.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "elements/TypeIds.h"
#include "export/BitmapWriter.h"
#include "limits/AllocationMeter.h"
#include "support/ChartBytes.h"
#include "support/Session.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace loopora;
using loopora::test::AllocationMeter;
using loopora::test::ChartBytes;

namespace {

// Far more than a 600 x 600 sheet and its bitmap need, far less than the
// hundreds of megabytes such figures once cost.
constexpr size_t kModestBytes = size_t(32) << 20;

// Loads, draws and lists a chart; returns the peak memory it took.
size_t costOfOpening(const std::vector<uint8_t>& bytes, bool& opened)
{
    AllocationMeter meter;
    ChartLoadResult loaded = loadChartBytes(bytes);
    opened = loaded.document != nullptr;
    if (opened) {
        PixelBuffer sheet = renderSheet(*loaded.document);
        std::string json = chartToJson(*loaded.document);
        EXPECT_FALSE(json.empty());
    }
    return meter.peakBytes();
}

ChartBytes& chain(ChartBytes& b, int32_t length)
{
    return b.plain(typeids::kChain, {0, 0}, {length, 0}, 255).real(2.0);
}

} // namespace

TEST(HostileCharts, HugeFiguresInTinyFilesOpenAndDrawInLittleMemory)
{
    ChartBytes slip(600, 600, 1);
    slip.plain(typeids::kSlipStitch, {0, 0}, {16'000'000, 0}, 255).ints({0}).real(2.0);
    ASSERT_EQ(slip.bytes().size(), 84u);

    ChartBytes oneChain(600, 600, 1);
    chain(oneChain, 1'000'000);
    ChartBytes fourChains(600, 600, 4);
    for (int i = 0; i < 4; ++i)
        chain(fourChains, 1'000'000);
    ChartBytes lens(600, 600, 1);
    lens.plain(typeids::kLens, {0, 0}, {1'000'000, 0}, 255).real(1.5);
    ChartBytes tilted(600, 600, 2);
    tilted.plain(typeids::kSlipStitch, {-3'000'000, -2'000'000}, {5'000'000, 4'000'000}, 255).ints({1}).real(0.001);
    tilted.plain(typeids::kLens, {16'000'000, -16'000'000}, {-16'000'000, 16'000'000}, 255).real(1e-9);

    for (const ChartBytes* chart : {&slip, &oneChain, &fourChains, &lens, &tilted}) {
        bool opened = false;
        EXPECT_LT(costOfOpening(chart->bytes(), opened), kModestBytes);
        EXPECT_TRUE(opened);
    }
}

TEST(HostileCharts, AFileRefusedAfterAHugeGroupedChainCostsLittle)
{
    // The group's frame is measured as it closes, before the bad record is read.
    ChartBytes b(600, 600, 2);
    b.ints({typeids::kGroup, 1});
    chain(b, 1'000'000);
    b.ints({151, 0, 0});
    bool opened = true;
    EXPECT_LT(costOfOpening(b.bytes(), opened), kModestBytes);
    EXPECT_FALSE(opened);
}

TEST(HostileCharts, HugeFiguresKeepTheirBoundsAroundTheirGeometry)
{
    ChartBytes b(600, 600, 1);
    chain(b, 1'000'000);
    ChartLoadResult loaded = loadChartBytes(b.bytes());
    ASSERT_TRUE(loaded.document);
    const Rect r = loaded.document->canvas().child(0)->getBounds();
    // From one end to the other, as wide as half the length, with the pen on top.
    EXPECT_LE(r.left, -5);
    EXPECT_GE(r.right, 1'000'000 + 254);
    EXPECT_LE(r.top, -250'000 - 254);
    EXPECT_GE(r.bottom, 250'000);
    EXPECT_LE(r.right, 1'000'000 + 254 + 8);
    EXPECT_GE(r.top, -250'000 - 254 - 8);
}

namespace {

// The sheet's pixels that are not the pen's black, in a box.
int notBlackIn(const PixelBuffer& sheet, Rect box)
{
    int count = 0;
    for (int32_t y = box.top; y < box.bottom; ++y)
        for (int32_t x = box.left; x < box.right; ++x)
            if (sheet.colourAt(x, y) != colours::black)
                ++count;
    return count;
}

} // namespace

TEST(EnlargedSlipStitch, StaysASolidDotAndCostsLittle)
{
    test::Session s;
    s.run({"new 600 600 1 30", "tool slipstitch", "drag 300 20 300 580", "group"});
    AllocationMeter meter;
    for (int i = 0; i < 4; ++i)
        s.run({"answer ok widthfactor=2 heightfactor=2", "command 32786"});
    const PixelBuffer sheet = renderSheet(s.view().document());
    EXPECT_LT(meter.peakBytes(), kModestBytes);
    // Sixteen times its length, the dot covers the whole sheet.
    EXPECT_EQ(notBlackIn(sheet, {0, 0, 600, 600}), 0);
}

TEST(EnlargedSlipStitch, AShortOneScaledSevenTimesStaysSolidAndSmallInMemory)
{
    test::Session s;
    s.run({"new 600 600 1 30", "tool slipstitch", "drag 300 200 300 400", "group"});
    AllocationMeter meter;
    for (int i = 0; i < 7; ++i)
        s.run({"answer ok widthfactor=2 heightfactor=2", "command 32786"});
    const PixelBuffer sheet = renderSheet(s.view().document());
    EXPECT_LT(meter.peakBytes(), kModestBytes);
    EXPECT_EQ(notBlackIn(sheet, {0, 0, 600, 600}), 0);
}

TEST(OutOfMemory, OpeningAChartSaysSoInsteadOfThrowing)
{
    ChartBytes b(600, 600, 200);
    for (int i = 0; i < 200; ++i)
        b.plain(typeids::kLine, {i, 0}, {i, 100}, 2);
    ChartLoadResult loaded;
    {
        AllocationMeter scarce(4096);
        loaded = loadChartBytes(b.bytes());
    }
    EXPECT_FALSE(loaded.document);
    EXPECT_NE(loaded.error.find("not enough memory"), std::string::npos) << loaded.error;
}

TEST(OutOfMemory, AScriptNamesTheLineThatRanOutAndTheOtherChartsLiveOn)
{
    std::ostringstream out, err;
    cli::ScriptRunner runner({400, 300}, out);
    std::istringstream first("new 300 300 1 30\ntool double\ndrag 100 200 100 150\n");
    ASSERT_EQ(runner.run(first, err), 0) << err.str();
    int status = 0;
    {
        AllocationMeter scarce(1024);
        std::istringstream second("new 4000 4000 1 30\n");
        status = runner.run(second, err);
    }
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.str().find("script line 1: there is not enough memory"), std::string::npos) << err.str();
    std::istringstream third("window 1\ntool double\ndrag 200 200 200 150\n");
    EXPECT_EQ(runner.run(third, err), 0) << err.str();
    EXPECT_EQ(runner.app().chart(0).document->canvas().childCount(), 2u);
}
