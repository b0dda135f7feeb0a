#include "platform/FileBytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace loopora {
namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string megabytes(uint64_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }

} // namespace

bool readRegularFile(const std::filesystem::path& path, uint64_t largest, std::vector<uint8_t>& bytes,
                     std::string& error)
{
    const std::string name = path.string();
    // Without O_NONBLOCK, opening a named pipe would wait for a writer.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        error = "cannot open " + name + ": " + std::strerror(errno);
        return false;
    }
    // The checks look at what was opened, so nothing can swap the file in between.
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        error = "cannot read " + name + ": " + std::strerror(errno);
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        error = name + " is a folder, not a file";
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        error = name + " is not a regular file (a device, a pipe or a socket)";
        return false;
    }
    if (uint64_t(info.st_size) > largest) {
        error = name + " is " + std::to_string(info.st_size) + " bytes, more than the " + megabytes(largest) +
                " any chart can take";
        return false;
    }
    // One buffer of the file's size: a chart of a million symbols is a few
    // hundred megabytes, so the buffer must not grow (and be held twice
    // while it moves) to find the end.
    bytes.assign(size_t(info.st_size), 0);
    size_t have = 0;
    uint8_t probe[4096];
    while (true) {
        uint8_t* into = bytes.data() + have;
        size_t room = bytes.size() - have;
        if (room == 0) {
            // Full: the end of the file is here unless it grew since fstat.
            into = probe;
            room = sizeof probe;
        }
        const ssize_t got = ::read(file.get(), into, room);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = "cannot read " + name + ": " + std::strerror(errno);
            return false;
        }
        if (got == 0)
            break;
        if (into == probe) {
            // It grew; read on, within the limit.
            bytes.insert(bytes.end(), probe, probe + got);
            have = bytes.size();
            if (have > largest)
                break;
            bytes.resize(std::min<uint64_t>(largest + 1, have + 65536));
            continue;
        }
        have += size_t(got);
    }
    bytes.resize(have);
    if (have > largest) {
        error = name + " is more than the " + megabytes(largest) + " any chart can take";
        return false;
    }
    return true;
}

} // namespace loopora
