#pragma once
// Colours as charts store them: 0x00BBGGRR, red in the lowest byte.

#include <cstdint>

namespace loopora {

using Colour = uint32_t;

constexpr Colour rgb(uint8_t r, uint8_t g, uint8_t b)
{
    return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}
constexpr uint8_t redOf(Colour c) { return uint8_t(c & 0xFF); }
constexpr uint8_t greenOf(Colour c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t blueOf(Colour c) { return uint8_t((c >> 16) & 0xFF); }

namespace colours {
constexpr Colour black = rgb(0, 0, 0);
constexpr Colour white = rgb(255, 255, 255);
constexpr Colour lightGrey = rgb(192, 192, 192);
constexpr Colour green = rgb(0, 255, 0);
constexpr Colour blue = rgb(0, 0, 255);
} // namespace colours

} // namespace loopora
