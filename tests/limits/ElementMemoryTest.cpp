// What a chart costs in memory: a leaf figure is a few machine words, a
// placed symbol about half a kilobyte with its strokes, and rendering a chart
// of a hundred thousand symbols stays under seventy megabytes.

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

#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
namespace {

// Runs work in a child process and returns its exit status.
template <typename Work>
int inChild(Work&& work)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(work());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(ElementMemory, RenderingAHundredThousandSymbolsStaysUnderSeventyMegabytes)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("loopora-limits-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const std::string chart = (dir / "dense.lpc").string();
    const std::string picture = (dir / "dense.bmp").string();
    // A child process writes the chart, so that this one stays small: a new
    // program's peak counts the memory of the process that started it.
    ASSERT_EQ(inChild([&] {
                  installElementTypes();
                  auto doc = bench::denseChart(100'000);
                  std::string error;
                  return saveChartFile(*doc, chart, error) ? 0 : 1;
              }),
              0);
    malloc_trim(0);
    const char* argv[] = {LOOPORA_CLI_PATH, "render", chart.c_str(), picture.c_str(), nullptr};
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[0], const_cast<char**>(argv));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    ASSERT_EQ(wait4(child, &status, 0, &usage), child);
    std::filesystem::remove_all(dir);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_LE(usage.ru_maxrss, 70 * 1024) << "peak resident kilobytes";
}
#endif
