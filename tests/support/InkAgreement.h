#pragma once
// Comparing where two pictures of one chart have ink: the pixel-exact bitmap
// and an antialiased rendering of its ideal shapes. A pixel has ink by its
// darkness, 255 minus its lowest channel, so coloured strokes count too.

#include "platform/PixelBuffer.h"
#include "platform/Geometry.h"

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace loopora::test {

inline int darkness(Pixel p)
{
    const int lowest = std::min({int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)});
    return 255 - lowest;
}

// The pixels of `from` at least `fromLevel` dark with no pixel of `to` at
// least `toLevel` dark within `radius` pixels (euclidean).
inline std::vector<Point> inkWithoutCounterpart(const PixelBuffer& from, int fromLevel, const PixelBuffer& to,
                                                int toLevel, int radius)
{
    const int32_t w = std::min(from.width(), to.width());
    const int32_t h = std::min(from.height(), to.height());
    std::vector<uint8_t> near(size_t(w) * size_t(h), 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            if (darkness(to.at(x, y)) < toLevel)
                continue;
            for (int32_t dy = -radius; dy <= radius; ++dy)
                for (int32_t dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius && x + dx >= 0 && y + dy >= 0 && x + dx < w &&
                        y + dy < h)
                        near[size_t(y + dy) * size_t(w) + size_t(x + dx)] = 1;
        }
    std::vector<Point> misses;
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (darkness(from.at(x, y)) >= fromLevel && !near[size_t(y) * size_t(w) + size_t(x)])
                misses.push_back({x, y});
    return misses;
}

inline std::string describePoints(const std::vector<Point>& points, size_t most = 12)
{
    std::ostringstream out;
    out << points.size() << " pixels:";
    for (size_t i = 0; i < std::min(most, points.size()); ++i)
        out << " (" << points[i].x << ", " << points[i].y << ")";
    return out.str();
}

// Ink of a bitmap must have ink of the vector picture within `radius`
// pixels (2 unless told), and ink of the vector picture (its solid part, not
// the faint antialiased fringe) must have ink of the bitmap as near.
struct InkAgreement {
    std::vector<Point> missing; // bitmap ink the vector picture lacks
    std::vector<Point> extra;   // vector ink the bitmap lacks
};

// How dark a vector picture's pixel is to count as near ink, and to count
// as its solid ink that the bitmap must have near.
constexpr int kVectorInk = 32;
constexpr int kSolidVectorInk = 96;

inline InkAgreement compareInk(const PixelBuffer& bitmap, const PixelBuffer& vector, int radius = 2)
{
    return {inkWithoutCounterpart(bitmap, 1, vector, kVectorInk, radius),
            inkWithoutCounterpart(vector, kSolidVectorInk, bitmap, 1, radius)};
}

} // namespace loopora::test
