// Invariants: one chart file is open in one window at most, whatever name,
// link or second name of the file reaches it; a chart is written over its
// file only while that file is as the chart last read or wrote it, never
// over the file of a chart open in another window, and never over a
// write-protected file. A refused save leaves the file, its mode and the
// chart's unsaved changes as they were, and says why.

#include "document/ChartFile.h"
#include "support/Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

using namespace loopora;
using loopora::test::Session;
namespace fs = std::filesystem;

namespace {

class ChartFileGuards : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "loopora-guards-XXXXXX").string();
        ASSERT_TRUE(::mkdtemp(name.data()));
        dir_ = name;
        fs::create_directory(dir_ / "sub");
    }
    void TearDown() override
    {
        for (const auto& entry : fs::recursive_directory_iterator(dir_))
            ::chmod(entry.path().c_str(), 0700);
        fs::remove_all(dir_);
    }

    std::string at(const std::string& name) const { return (dir_ / name).string(); }
    static std::string read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // A stitch more: the chart has unsaved changes.
    static void draw(Session& s) { s.run({"tool line", "drag 20 20 120 20"}); }

    fs::path dir_;
};

} // namespace

TEST_F(ChartFileGuards, AChartOpenAlreadyComesToTheFrontThroughAnyNameOrLink)
{
    Session s;
    s.run({"new 200 200 0 30", "save " + at("a.loopora"), "new 200 200 0 30"});
    fs::create_symlink(at("a.loopora"), at("link.loopora"));
    fs::create_hard_link(at("a.loopora"), at("second-name.loopora"));
    for (const std::string& path : {at("a.loopora"), at("sub/../a.loopora"), at("./link.loopora"),
                                    at("second-name.loopora"), fs::relative(at("a.loopora")).string()}) {
        s.run({"window 2", "open " + path});
        EXPECT_EQ(s.app().chartCount(), 2u) << path;
        EXPECT_EQ(s.app().activeIndex(), 0u) << path;
    }
    // The same contents in another file are another chart.
    fs::copy_file(at("a.loopora"), at("copy.loopora"));
    s.run({"open " + at("copy.loopora")});
    EXPECT_EQ(s.app().chartCount(), 3u);
}

TEST_F(ChartFileGuards, AFileChangedSinceTheChartReadOrWroteItIsNotOverwritten)
{
    Session s;
    s.run({"new 200 200 0 30", "save " + at("a.loopora")});
    // Saving again and again over its own file needs no question.
    draw(s);
    s.run({"save " + at("a.loopora")});
    draw(s);
    s.run({"save " + at("a.loopora")});

    // Another program writes the file, in place or by putting a new file in its place.
    for (const bool inPlace : {true, false}) {
        const std::string theirs = inPlace ? "their chart" : "their new chart";
        if (inPlace) {
            std::ofstream(at("a.loopora"), std::ios::binary | std::ios::trunc) << theirs;
        } else {
            std::ofstream(at("new.tmp"), std::ios::binary) << theirs;
            fs::rename(at("new.tmp"), at("a.loopora"));
        }
        draw(s);
        EXPECT_EQ(s.refused("save " + at("a.loopora")),
                  "Схема не сохранена: файл «" + at("a.loopora") +
                      "» изменён другой программой после того, как схема была открыта или сохранена.");
        EXPECT_EQ(read(at("a.loopora")), theirs);
        EXPECT_TRUE(s.app().isModified(0));
    }
    // Saved elsewhere, the chart follows its new file.
    s.run({"save " + at("b.loopora")});
    draw(s);
    s.run({"save " + at("b.loopora")});
    EXPECT_FALSE(s.app().isModified(0));
}

TEST_F(ChartFileGuards, AChartIsNotSavedOverTheFileOfAnotherWindow)
{
    Session s;
    s.run({"new 200 200 0 30", "save " + at("a.loopora"), "new 300 300 0 30"});
    const std::string before = read(at("a.loopora"));
    fs::create_symlink(at("a.loopora"), at("link.loopora"));
    for (const std::string& path : {at("a.loopora"), at("link.loopora")})
        EXPECT_EQ(s.refused("save " + path), "Схема «a.loopora» открыта в другом окне. Закройте то окно или "
                                             "сохраните эту схему под другим именем.");
    EXPECT_EQ(read(at("a.loopora")), before);
    EXPECT_EQ(s.app().chartName(1), "Схема2");
}

TEST_F(ChartFileGuards, AWriteProtectedFileIsNotReplaced)
{
    // Mode 444 holds whoever runs the test, the administrator included.
    Session s;
    s.run({"new 200 200 0 30", "save " + at("own.loopora"), "new 200 200 0 30", "save " + at("other.loopora"),
           "close"});
    fs::create_symlink(at("other.loopora"), at("link.loopora"));
    for (const char* name : {"own.loopora", "other.loopora"})
        ASSERT_EQ(::chmod(at(name).c_str(), 0444), 0);
    struct stat before;
    ASSERT_EQ(::stat(at("own.loopora").c_str(), &before), 0);
    const std::string contents = read(at("own.loopora"));
    draw(s);
    // Its own file, another file, a link to one.
    for (const char* name : {"own.loopora", "other.loopora", "link.loopora"})
        EXPECT_EQ(s.refused("save " + at(name)), "Файл «" + at(name) + "» защищён от записи. Схема не сохранена.");
    struct stat after;
    ASSERT_EQ(::stat(at("own.loopora").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(read(at("own.loopora")), contents);
    EXPECT_TRUE(s.app().isModified(0));

    // Every writer of chart files refuses it.
    std::string error;
    EXPECT_FALSE(saveChartFile(*s.app().active()->document, at("other.loopora"), error));
    EXPECT_EQ(error, "cannot write " + at("other.loopora") + ": the file is write-protected");
    s.run({"save " + at("free.loopora")});
    EXPECT_FALSE(s.app().isModified(0));
}
