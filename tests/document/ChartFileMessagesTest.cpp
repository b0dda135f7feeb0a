// Invariants: when a chart cannot be saved, the message names the file the
// user chose, never the temporary file written beside it, and nothing of the
// attempt is left behind.

#include "document/ChartFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;

namespace {

// Files may not grow past a few bytes while it lives, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

} // namespace

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
