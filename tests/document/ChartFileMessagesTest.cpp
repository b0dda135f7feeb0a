// Invariants: when a chart cannot be saved, the message names the file the
// user chose, never the temporary file written beside it, and nothing of the
// attempt is left behind.

#include "document/ChartFile.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;
using loopora::test::FileSizeLimit;

TEST(ChartFileMessages, ASaveThatFailsNamesTheUsersFile)
{
    const fs::path dir = fs::temp_directory_path() / ("loopora-messages-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    CPattraDoc doc;
    doc.setChartSize(300, 300);
    std::string error;

    const fs::path missing = dir / "missing" / "chart.lpc";
    EXPECT_FALSE(saveChartFile(doc, missing, error));
    EXPECT_NE(error.find(missing.string() + ":"), std::string::npos) << error;
    EXPECT_EQ(error.find(".saving"), std::string::npos) << error;

    const fs::path full = dir / "full.lpc";
    {
        FileSizeLimit limit(10);
        EXPECT_FALSE(saveChartFile(doc, full, error));
    }
    EXPECT_NE(error.find(full.string() + " "), std::string::npos) << error;
    EXPECT_EQ(error.find(".saving"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_empty(dir)) << "a stray file was left";
    fs::remove_all(dir);
}
