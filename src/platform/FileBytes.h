#pragma once
// Reading a whole file that the user named, checked before anything is read:
// a folder, a device or a pipe is refused at once (a pipe could keep the
// program waiting, a device could feed it without end), and so is a file
// larger than the caller can use.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace loopora {

// The bytes of a regular file of at most `largest` bytes; false with a
// message naming the file when it is something else or cannot be read.
bool readRegularFile(const std::filesystem::path& path, uint64_t largest, std::vector<uint8_t>& bytes,
                     std::string& error);

} // namespace loopora
