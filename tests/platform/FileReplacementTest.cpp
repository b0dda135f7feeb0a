// Invariants: replacing a file keeps its permissions and, where allowed, its
// owner; a symbolic link is written through to the file it names, which is
// replaced beside itself while the link stays; no temporary file is left,
// whatever an earlier killed save left or planted under its name; a failed
// replacement leaves the old file as it was, and a folder in the way of the
// temporary file is named as what is wrong.

#include "platform/FileReplacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include <sys/stat.h>
#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;

namespace {

class FileReplacement : public testing::Test {
protected:
    void SetUp() override
    {
        std::string name = (fs::temp_directory_path() / "loopora-replace-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(name.data()));
        dir_ = name;
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path at(const std::string& name) const { return dir_ / name; }

    static void write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    static std::string read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static bool replace(const fs::path& p, const std::string& text, std::string* error = nullptr)
    {
        std::string message;
        const bool ok = replaceFile(p, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, message);
        if (error)
            *error = message;
        return ok;
    }
    static mode_t modeOf(const fs::path& p)
    {
        struct stat st{};
        ::stat(p.c_str(), &st);
        return st.st_mode & 07777;
    }
    // Everything in the folder, links included.
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const auto& e : fs::recursive_directory_iterator(dir_))
            out.push_back(e.path().lexically_relative(dir_).string());
        std::sort(out.begin(), out.end());
        return out;
    }

    fs::path dir_;
};

} // namespace

TEST_F(FileReplacement, KeepsThePermissionsOfTheFileItReplaces)
{
    for (mode_t mode : {0600, 0640, 0755, 0444}) {
        const fs::path file = at("chart");
        write(file, "old");
        ::chmod(file.c_str(), mode);
        ASSERT_TRUE(replace(file, "new"));
        EXPECT_EQ(modeOf(file), mode);
        EXPECT_EQ(read(file), "new");
        fs::remove(file);
    }
}

TEST_F(FileReplacement, KeepsTheOwnerWhereTheSystemAllows)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only a superuser can give a file to another owner";
    const fs::path file = at("chart");
    write(file, "old");
    ASSERT_EQ(::chown(file.c_str(), 4242, 4343), 0);
    ASSERT_TRUE(replace(file, "new"));
    struct stat st{};
    ::stat(file.c_str(), &st);
    EXPECT_EQ(st.st_uid, 4242u);
    EXPECT_EQ(st.st_gid, 4343u);
}

TEST_F(FileReplacement, WritesThroughLinksToTheFileTheyNameAndKeepsTheLinks)
{
    fs::create_directories(at("real"));
    fs::create_directories(at("links"));
    write(at("real/chart"), "old");
    ::chmod(at("real/chart").c_str(), 0600);
    fs::create_symlink("../real/chart", at("links/first"));
    fs::create_symlink("first", at("links/second"));
    ASSERT_TRUE(replace(at("links/second"), "new"));
    EXPECT_TRUE(fs::is_symlink(at("links/first")));
    EXPECT_TRUE(fs::is_symlink(at("links/second")));
    EXPECT_EQ(read(at("real/chart")), "new");
    EXPECT_EQ(modeOf(at("real/chart")), 0600u);
    EXPECT_EQ(names(), (std::vector<std::string>{"links", "links/first", "links/second", "real", "real/chart"}));
}

TEST_F(FileReplacement, ALinkToNothingMakesTheFileItNames)
{
    fs::create_symlink("made", at("link"));
    ASSERT_TRUE(replace(at("link"), "new"));
    EXPECT_TRUE(fs::is_symlink(at("link")));
    EXPECT_EQ(read(at("made")), "new");
}

TEST_F(FileReplacement, ALoopOfLinksIsRefused)
{
    fs::create_symlink("b", at("a"));
    fs::create_symlink("a", at("b"));
    std::string error;
    EXPECT_FALSE(replace(at("a"), "new", &error));
    EXPECT_NE(error.find(at("a").string()), std::string::npos) << error;
}

TEST_F(FileReplacement, ATemporaryFileLeftByAKilledSaveIsReplaced)
{
    write(at("chart"), "old");
    write(temporaryFileBeside(at("chart")), "half written");
    ::chmod(temporaryFileBeside(at("chart")).c_str(), 0);
    ASSERT_TRUE(replace(at("chart"), "new"));
    EXPECT_EQ(read(at("chart")), "new");
    EXPECT_EQ(names(), (std::vector<std::string>{"chart"}));
}

TEST_F(FileReplacement, ALinkPlantedUnderTheTemporaryNameIsNotFollowed)
{
    write(at("chart"), "old");
    write(at("victim"), "precious");
    fs::create_symlink("victim", temporaryFileBeside(at("chart")));
    ASSERT_TRUE(replace(at("chart"), "new"));
    EXPECT_EQ(read(at("victim")), "precious");
    EXPECT_EQ(read(at("chart")), "new");
    EXPECT_EQ(names(), (std::vector<std::string>{"chart", "victim"}));
}

TEST_F(FileReplacement, AFailureLeavesTheOldFileAndNamesTheUsersFile)
{
    fs::create_directories(at("folder"));
    std::string error;
    EXPECT_FALSE(replace(at("folder"), "new", &error));
    EXPECT_NE(error.find("folder"), std::string::npos) << error;
    EXPECT_FALSE(replace(at("missing/chart"), "new", &error));
    EXPECT_NE(error.find(at("missing/chart").string()), std::string::npos) << error;
    EXPECT_EQ(error.find(".saving"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(at("folder")));
    EXPECT_EQ(names(), (std::vector<std::string>{"folder"}));
}

TEST_F(FileReplacement, AFolderInTheWayOfTheTemporaryFileIsNamedAndTheOldFileKept)
{
    write(at("chart"), "old");
    fs::create_directories(temporaryFileBeside(at("chart")) / "inside");
    std::string error;
    EXPECT_FALSE(replace(at("chart"), "new", &error));
    EXPECT_NE(error.find(temporaryFileBeside(at("chart")).string() + ","), std::string::npos) << error;
    EXPECT_NE(error.find("in the way"), std::string::npos) << error;
    EXPECT_EQ(read(at("chart")), "old");
}
