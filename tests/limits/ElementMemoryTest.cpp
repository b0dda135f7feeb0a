// What a chart costs in memory: a leaf figure is a few machine words, a
// placed symbol about half a kilobyte with its strokes, and rendering a chart
// of as many symbols as a chart file holds (85,000, about 480,000 elements)
// stays under seventy megabytes.

#include "bench/BenchCharts.h"
#include "document/ChartFile.h"
#include "document/ElementTypes.h"
#include "elements/GroupElement.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/RectangleElement.h"
#include "limits/AllocationMeter.h"
#include "stitches/ChainOval.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"
#include "stitches/TriangleFill.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

using namespace loopora;

namespace {

struct Footprint {
    const char* figure;
    size_t bytes;
    size_t most;
};

// A line is three quarters of the elements of a chart of symbols.
const Footprint kLeaves[] = {
    {"line", sizeof(CLineElement), 64},
    {"rectangle", sizeof(CRectangleElement), 64},
    {"circle arc", sizeof(CCircleArc), 72},
    {"triangle fill", sizeof(CTriangleFill), 72},
    {"chain oval", sizeof(CChainOval), 112},
    {"slip stitch dot", sizeof(CSlipStitchDot), 112},
    {"lens", sizeof(CLensElement), 112},
    {"group", sizeof(CGroupElement), 144},
};

} // namespace

TEST(ElementMemory, LeafFiguresAndGroupsStayWithinTheirBytes)
{
    for (const Footprint& f : kLeaves)
        EXPECT_LE(f.bytes, f.most) << f.figure;
}

TEST(ElementMemory, APlacedSymbolTakesAboutHalfAKilobyte)
{
    installElementTypes();
    test::AllocationMeter meter;
    auto doc = bench::denseChart(10'000);
    EXPECT_LT(meter.peakBytes() / 10'000, 600u);
}

#if defined(LOOPORA_CLI_PATH) && !defined(LOOPORA_SANITIZED)
TEST(ElementMemory, RenderingTheLargestChartFileStaysUnderSeventyMegabytes)
{
    installElementTypes();
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("loopora-limits-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string chart = (dir / "dense.lpc").string();
    const std::string picture = (dir / "dense.bmp").string();
    {
        auto doc = bench::denseChart(85'000);
        std::string error;
        ASSERT_TRUE(saveChartFile(*doc, chart, error)) << error;
    }
    const char* argv[] = {LOOPORA_CLI_PATH, "render", chart.c_str(), picture.c_str(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ), 0);
    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(child, &status, 0, &usage), child);
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LE(usage.ru_maxrss, 70 * 1024) << "peak resident kilobytes";
}
#endif
