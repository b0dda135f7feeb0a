#pragma once
// A 32-bit picture, top row first. Each pixel is 0x00RRGGBB: in memory on a
// little-endian machine the bytes are blue, green, red, 0, the layout of a
// 32-bit bitmap row and of a Qt RGB32 image alike.

#include "platform/Colour.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace loopora {

using Pixel = uint32_t;

constexpr Pixel pixelOf(Colour c)
{
    return (Pixel(redOf(c)) << 16) | (Pixel(greenOf(c)) << 8) | Pixel(blueOf(c));
}
constexpr Colour colourOf(Pixel p)
{
    return rgb(uint8_t((p >> 16) & 0xFF), uint8_t((p >> 8) & 0xFF), uint8_t(p & 0xFF));
}

class PixelBuffer {
public:
    PixelBuffer() = default;
    PixelBuffer(int32_t width, int32_t height, Colour fill = colours::white)
        : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
          pixels_(size_t(width_) * size_t(height_), pixelOf(fill))
    {
    }

    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    bool inside(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    Pixel* row(int32_t y) { return pixels_.data() + size_t(y) * size_t(width_); }
    const Pixel* row(int32_t y) const { return pixels_.data() + size_t(y) * size_t(width_); }
    Pixel& at(int32_t x, int32_t y) { return row(y)[x]; }
    Pixel at(int32_t x, int32_t y) const { return row(y)[x]; }
    // The colour at a pixel, for tests and checks; outside the picture it is white.
    Colour colourAt(int32_t x, int32_t y) const { return inside(x, y) ? colourOf(at(x, y)) : colours::white; }

    const std::vector<Pixel>& pixels() const { return pixels_; }
    std::vector<Pixel>& pixels() { return pixels_; }
    void fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), pixelOf(c)); }

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::vector<Pixel> pixels_;
};

} // namespace loopora
