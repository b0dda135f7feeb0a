#pragma once
// Uncompressed 32-bit bitmap files of a whole sheet: a 14-byte file header, a
// 40-byte information header and the rows bottom-up, each pixel blue, green,
// red, 0.

#include "document/Document.h"
#include "platform/PixelBuffer.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace loopora {

std::vector<uint8_t> encodeBitmap(const PixelBuffer& picture);
// Written whole beside the file and then put in its place (replaceFile), so
// that a failure leaves the old file.
bool writeBitmapFile(const PixelBuffer& picture, const std::filesystem::path& path, std::string& error);

// The sheet of a chart as the canvas draws it, over white: background, then
// every visible element. Selection handles are editing marks and stay out.
PixelBuffer renderSheet(CPattraDoc& doc);

} // namespace loopora
