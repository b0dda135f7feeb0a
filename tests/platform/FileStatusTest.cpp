// Invariants: a file is write-protected when nobody may write it or this
// user may not; a file reached by two names or a link is one file; any
// rewrite of a file, in place or by a new file under its name, tells it
// from the file as it was.

#include "platform/FileStatus.h"

#include <gtest/gtest.h>

#include <fstream>

#include <unistd.h>

using namespace loopora;
namespace fs = std::filesystem;

TEST(FileStatus, WriteProtectionComesFromTheModeOrTheUsersRight)
{
    const struct {
        uint32_t mode;
        bool userMayWrite;
        bool isProtected;
    } cases[] = {
        {0444, true, true},   // read-only for all: protected even where the system lets the user write
        {0400, true, true},   //
        {0644, true, false},  // the owner's own file
        {0664, false, true},  // another's file the user has no right to
        {0200, true, false},  // writable, not readable: writing it is allowed
        {0022, true, false},  // writable by group and others
    };
    for (const auto& c : cases)
        EXPECT_EQ(writeProtected(c.mode, c.userMayWrite), c.isProtected) << std::oct << c.mode;
}

TEST(FileStatus, StampsTellOneFileAndItsChanges)
{
    std::string name = (fs::temp_directory_path() / "loopora-stamp-XXXXXX").string();
    ASSERT_TRUE(::mkdtemp(name.data()));
    const fs::path dir = name;
    std::ofstream(dir / "a") << "one";
    fs::create_symlink(dir / "a", dir / "link");
    fs::create_hard_link(dir / "a", dir / "second");
    std::ofstream(dir / "b") << "one";

    const auto a = stampOf(dir / "a");
    ASSERT_TRUE(a);
    EXPECT_FALSE(stampOf(dir / "missing"));
    EXPECT_FALSE(stampOf(""));
    EXPECT_FALSE(isWriteProtected(dir / "missing"));
    EXPECT_FALSE(isWriteProtected(dir));
    for (const char* same : {"link", "second", "./a"})
        EXPECT_TRUE(stampOf(dir / same)->sameFile(*a)) << same;
    EXPECT_FALSE(stampOf(dir / "b")->sameFile(*a));
    EXPECT_TRUE(stampOf(dir / "a")->unchangedSince(*a));

    std::ofstream(dir / "a", std::ios::app) << "two";
    EXPECT_FALSE(stampOf(dir / "a")->unchangedSince(*a));
    const auto rewritten = stampOf(dir / "a");
    fs::rename(dir / "b", dir / "a");
    EXPECT_FALSE(stampOf(dir / "a")->unchangedSince(*rewritten));
    fs::remove_all(dir);
}
