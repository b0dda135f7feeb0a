#include "platform/FileStatus.h"

#include <sys/stat.h>
#include <unistd.h>

namespace loopora {

std::optional<FileStamp> stampOf(const std::filesystem::path& path)
{
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    FileStamp stamp;
    stamp.device = uint64_t(st.st_dev);
    stamp.inode = uint64_t(st.st_ino);
    stamp.size = uint64_t(st.st_size);
    stamp.modifiedSeconds = int64_t(st.st_mtim.tv_sec);
    stamp.modifiedNanoseconds = int64_t(st.st_mtim.tv_nsec);
    stamp.mode = uint32_t(st.st_mode);
    return stamp;
}

bool isWriteProtected(const std::filesystem::path& path)
{
    const std::optional<FileStamp> stamp = stampOf(path);
    if (!stamp || !S_ISREG(stamp->mode))
        return false;
    return writeProtected(stamp->mode, ::access(path.c_str(), W_OK) == 0);
}

} // namespace loopora
