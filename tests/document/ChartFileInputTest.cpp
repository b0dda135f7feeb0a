// Invariants: a chart is read only from a regular file of a size a chart can
// have; a folder, a device, a pipe or a huge file is refused at once with a
// message naming it, before anything is read (nothing waits, nothing grows).

#include "document/ChartFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;

namespace {

class ChartInput : public testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("loopora-input-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The load's error, which names the file; empty when it loaded.
    static std::string refusal(const fs::path& path)
    {
        ChartLoadResult loaded = loadChartFile(path);
        EXPECT_EQ(loaded.document == nullptr, !loaded.error.empty());
        if (!loaded.error.empty()) {
            EXPECT_NE(loaded.error.find(path.string()), std::string::npos) << loaded.error;
        }
        return loaded.error;
    }

    fs::path dir_;
};

} // namespace

TEST_F(ChartInput, AFolderIsRefused)
{
    EXPECT_NE(refusal(dir_).find("is a folder"), std::string::npos);
}

TEST_F(ChartInput, DevicesAndPipesAreRefusedWithoutReadingOrWaiting)
{
    EXPECT_NE(refusal("/dev/zero").find("not a regular file"), std::string::npos);
    EXPECT_NE(refusal("/dev/null").find("not a regular file"), std::string::npos);
    const fs::path pipe = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_NE(refusal(pipe).find("not a regular file"), std::string::npos);
}

TEST_F(ChartInput, AFileLargerThanAnyChartIsRefusedUnread)
{
    const fs::path huge = dir_ / "huge.chart";
    { std::ofstream(huge).put('x'); }
    fs::resize_file(huge, kLargestChartFile + 1); // sparse: nothing is written
    EXPECT_NE(refusal(huge).find("more than"), std::string::npos);
}

TEST_F(ChartInput, ALinkToAChartAndAMissingFile)
{
    const fs::path missing = dir_ / "missing.chart";
    EXPECT_NE(refusal(missing).find("cannot open"), std::string::npos);
    // An empty file is a regular file: it is read and refused by the format.
    const fs::path empty = dir_ / "empty.chart";
    { std::ofstream{empty}; }
    fs::create_symlink(empty, dir_ / "link.chart");
    EXPECT_NE(refusal(dir_ / "link.chart").find("offset"), std::string::npos);
}
