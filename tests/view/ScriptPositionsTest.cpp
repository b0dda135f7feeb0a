// Invariants: a script's pointer positions lie within the drawable area or
// the step is refused with a message; whatever a script places, with any
// scroll position or chart origin, lies in the drawable area, so the chart it
// saves opens again.

#include "document/ChartFile.h"
#include "document/History.h"
#include "platform/Numeric.h"
#include "support/ChartBytes.h"
#include "support/Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace loopora;
using loopora::test::Session;

namespace {

std::filesystem::path scratchFile(const std::string& name)
{
    return std::filesystem::temp_directory_path() / ("loopora-positions-" + std::to_string(::getpid()) + "-" + name);
}

} // namespace

TEST(ScriptPositions, DragsBeyondTheDrawableAreaAreRefused)
{
    Session s;
    s.run({"new 300 300 1 30", "tool line"});
    for (const char* line : {"drag 10 10 2147483647 2147483647", "drag -2147483648 10 20 20", "drag 10 10 20000000 20000000",
                             "press 16777217 0", "click 0 -16777217"}) {
        const std::string refused = s.refused(line);
        EXPECT_NE(refused.find("outside the drawable area"), std::string::npos) << line << ": " << refused;
    }
    EXPECT_EQ(s.elements(), 0u);
    EXPECT_EQ(s.historySize(), 0u);
}

TEST(ScriptPositions, ADragToTheEdgeOfTheDrawableAreaSavesAChartThatOpens)
{
    Session s;
    s.run({"new 300 300 1 30", "tool line", "drag 10 10 16777216 16777216", "tool double",
           "drag -16777216 -16777216 16777216 16777216 1000"});
    ASSERT_EQ(s.elements(), 2u);
    const auto path = scratchFile("edge.chart");
    s.run({"save " + path.string()});
    ChartLoadResult reopened = loadChartFile(path);
    EXPECT_TRUE(reopened.document) << reopened.error;
    std::filesystem::remove(path);
}

TEST(ScriptPositions, AFarOriginCannotCarryAPlacementOutOfTheDrawableArea)
{
    // A chart whose origin lies at the far corner of the drawable area.
    test::ChartBytes b(300, 300, 0);
    std::vector<uint8_t> bytes = b.bytes();
    const int32_t far = -kCoordinateLimit;
    std::memcpy(bytes.data() + 20, &far, 4);
    std::memcpy(bytes.data() + 24, &far, 4);
    const auto path = scratchFile("origin.chart");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    Session s;
    s.run({"open " + path.string(), "tool line", "drag 16777216 16777216 -100 -100"});
    ASSERT_EQ(s.elements(), 1u);
    EXPECT_EQ(s.element(0)->points()[0], (Point{kCoordinateLimit, kCoordinateLimit}));
    s.run({"save " + path.string()});
    ChartLoadResult reopened = loadChartFile(path);
    EXPECT_TRUE(reopened.document) << reopened.error;
    std::filesystem::remove(path);
}

TEST(ScriptPositions, ADragTakesOneToAThousandSteps)
{
    Session s;
    s.run({"new 300 300 1 30", "tool line"});
    EXPECT_NE(s.refused("drag 10 10 50 50 1001"), "");
    EXPECT_NE(s.refused("drag 10 10 50 50 0"), "");
    EXPECT_EQ(s.refused("drag 10 10 50 50 1000"), "");
    EXPECT_EQ(s.elements(), 1u);
}
