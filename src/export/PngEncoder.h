#pragma once
// PNG files of 8-bit grey or RGB pictures, with a pHYs chunk that tells
// page-layout programs the resolution the picture is meant to print at.

#include <cstdint>
#include <functional>
#include <vector>

namespace loopora {

struct PngPicture {
    int32_t width = 0;
    int32_t height = 0;
    bool grey = false; // one byte a pixel, or red, green and blue
    double dpi = 0;    // 0 writes no pHYs chunk
    // Fills one row (width bytes, or 3 * width) top row first.
    std::function<void(int32_t y, uint8_t* row)> row;
};

// The whole file; false when zlib fails (out of memory).
bool encodePng(const PngPicture& picture, std::vector<uint8_t>& out);

} // namespace loopora
