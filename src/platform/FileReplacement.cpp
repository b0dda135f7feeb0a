#include "platform/FileReplacement.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace loopora {
namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

std::string reason(int code) { return std::strerror(code); }

// The file the path names once its symbolic links are followed; a link to
// nothing names the file that is to be made.
bool followLinks(const fs::path& path, fs::path& file, std::string& why)
{
    fs::path p = path;
    for (int i = 0; i < kMostLinks; ++i) {
        struct stat st;
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            file = p;
            return true;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) {
            why = ec.message();
            return false;
        }
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    why = reason(ELOOP);
    return false;
}

bool writeAll(int fd, std::span<const uint8_t> bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// Syncing the folder makes the rename itself survive a power cut. The file
// is saved already if this fails, so a failure is not reported.
void syncFolder(const fs::path& file)
{
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

fs::path temporaryFileBeside(const fs::path& file)
{
    fs::path temporary = file;
    temporary += ".saving";
    return temporary;
}

bool replaceFile(const fs::path& path, std::span<const uint8_t> bytes, std::string& error)
{
    auto fail = [&](const std::string& why) {
        error = "cannot write " + path.string() + ": " + why;
        return false;
    };
    fs::path file;
    std::string why;
    if (!followLinks(path, file, why))
        return fail(why);

    struct stat old;
    const bool replacing = ::stat(file.c_str(), &old) == 0;
    if (replacing && S_ISDIR(old.st_mode))
        return fail("it is a folder");
    if (replacing && !S_ISREG(old.st_mode))
        return fail("it is not a regular file");

    const fs::path temporary = temporaryFileBeside(file);
    // Something under the temporary name that cannot be cleared away (a
    // folder, say) is what stands in the way, so the message names it.
    auto blocked = [&](int code) {
        return fail(temporary.string() + ", where the new contents are written first, is in the way: " +
                    reason(code));
    };
    // A file left by a killed save goes; creating anew (never opening what is
    // there) also keeps a link planted under that name from being followed.
    if (::unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return blocked(errno);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666);
    if (fd < 0)
        return errno == EEXIST ? blocked(errno) : fail(reason(errno));
    // The old contents are still in place after any failure from here on.
    const std::string kept = replacing ? "; " + path.string() + " was left as it was" : std::string();
    auto abandon = [&](int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        error = "writing " + path.string() + " failed: " + reason(code) + kept;
        return false;
    };
    if (replacing) {
        // The owner first: changing it may clear the set-id bits set below.
        // Another user's file keeps at least its group; when even that is
        // not ours to give, the new file keeps ours.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            [[maybe_unused]] const int groupKept = ::fchown(fd, uid_t(-1), old.st_gid);
        }
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "writing " + path.string() + " failed: " + reason(code) + kept;
        return false;
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "cannot replace " + path.string() + ": " + reason(code) + kept;
        return false;
    }
    syncFolder(file);
    return true;
}

} // namespace loopora
