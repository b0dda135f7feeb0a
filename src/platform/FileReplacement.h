#pragma once
// Replacing a file the user named with new contents, so that the name holds
// the old contents or the whole new ones at every moment, a crash or a power
// cut included:
// - a symbolic link is followed to the file it names; that file is replaced
//   and the link stays a link;
// - the new contents are written to a temporary file beside that file (on
//   its file system, so that renaming it over the file is atomic), after any
//   temporary file a killed save left there is removed;
// - the temporary file takes the replaced file's permissions, and its owner
//   where the system allows, before anything is written to it;
// - it is synced to the disk before it takes the file's name, and the
//   folder is synced after.
// Messages name the file the user named (and the temporary file when that
// is what stands in the way), and say when the old file was left as it was.
// Every file the program writes, charts, pictures and printed PDFs alike,
// is written through here.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace loopora {

bool replaceFile(const std::filesystem::path& path, std::span<const uint8_t> bytes, std::string& error);

// The name of the temporary file beside `file` that replaceFile writes.
std::filesystem::path temporaryFileBeside(const std::filesystem::path& file);

} // namespace loopora
