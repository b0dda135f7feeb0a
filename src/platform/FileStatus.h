#pragma once
// What the editor needs to know about a chart's file on disk: which file a
// name leads to (so that one file reached through two names or a link is
// told to be the same), whether it changed since the editor last read or
// wrote it, and whether its owner protected it from writing.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace loopora {

// A file as the system knows it, links followed.
struct FileStamp {
    uint64_t device = 0;
    uint64_t inode = 0;
    uint64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    uint32_t mode = 0;

    // The same file, whatever name or link reached it.
    bool sameFile(const FileStamp& other) const { return device == other.device && inode == other.inode; }
    // The same file with the same contents as far as the system tells: a
    // save by another program changes its time or size, or puts a new file
    // in its place.
    bool unchangedSince(const FileStamp& earlier) const
    {
        return sameFile(earlier) && size == earlier.size && modifiedSeconds == earlier.modifiedSeconds &&
               modifiedNanoseconds == earlier.modifiedNanoseconds;
    }
};

// The stamp of the file the path names; nothing when there is none.
std::optional<FileStamp> stampOf(const std::filesystem::path& path);

// True when the path names a file the user may not, or did not mean to,
// replace: nobody has the right to write it (mode 444, which its owner set
// on purpose, and which holds even for the system's administrator), or the
// user lacks that right. A file that is not there is not protected.
bool isWriteProtected(const std::filesystem::path& path);

// The decision itself, from a file's mode bits and what the system answers
// when asked whether this user may write it.
constexpr bool writeProtected(uint32_t mode, bool userMayWrite)
{
    return (mode & 0222u) == 0 || !userMayWrite;
}

} // namespace loopora
