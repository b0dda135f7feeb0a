// Invariants: when a chart cannot be saved, the message names the file the
// user chose, never the temporary file written beside it, and nothing of the
// attempt is left behind.

#include "document/ChartFile.h"
#include "elements/TextElement.h"
#include "platform/Archive.h"
#include "support/FileSizeLimit.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;
using loopora::test::FileSizeLimit;
using loopora::test::place;

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

// A chart grown past what loading accepts is not saved, so no file is written
// that would refuse to open; the file already there stays as it was.
TEST(ChartFileMessages, AChartBeyondWhatOpensIsNotSaved)
{
    struct Case {
        const char* what;
        size_t labels;
        size_t characters;
    };
    const Case cases[] = {
        {"texts", size_t(CArchive::kMaximumTexts) + 1, 1},
        {"characters", 1, CArchive::kMaximumTextCharacters + 1},
    };
    const fs::path path = fs::temp_directory_path() / ("loopora-beyond-" + std::to_string(::getpid()) + ".lpc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CPattraDoc doc;
        doc.setChartSize(300, 300);
        std::string error;
        ASSERT_TRUE(saveChartFile(doc, path, error)) << error;
        const auto before = fs::file_size(path);
        for (size_t i = 0; i < c.labels; ++i)
            static_cast<CTextElement*>(place(doc.canvas(), typeids::kText, {{0, 0}, {10, 10}}))
                ->setText(std::string(c.characters, 'x'));
        EXPECT_FALSE(saveChartFile(doc, path, error));
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
        EXPECT_NE(error.find(c.what), std::string::npos) << error;
        EXPECT_EQ(fs::file_size(path), before);

        // One label fewer or one character shorter, and the chart saves and opens again.
        doc.canvas().child(doc.canvas().childCount() - 1)->setFlags(kRemoved);
        if (c.labels == 1)
            place(doc.canvas(), typeids::kText, {{0, 0}, {10, 10}});
        EXPECT_TRUE(saveChartFile(doc, path, error)) << error;
        EXPECT_TRUE(loadChartFile(path).document) << loadChartFile(path).error;
    }
    fs::remove(path);
}
