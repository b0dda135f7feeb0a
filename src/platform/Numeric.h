#pragma once
// Conversions from computed doubles to pixel coordinates. Every conversion
// saturates at the drawable range so that a damaged chart or a long run of
// scalings can never push a coordinate into integer overflow.

#include <cmath>
#include <cstdint>

namespace loopora {

// Coordinates of every element stay within +-kCoordinateLimit; sums of a few
// coordinates and their weighted sums (up to 8 times) still fit in 32 bits.
constexpr int32_t kCoordinateLimit = 1 << 24;

inline int32_t clampCoordinate(int64_t v)
{
    if (v > kCoordinateLimit)
        return kCoordinateLimit;
    if (v < -kCoordinateLimit)
        return -kCoordinateLimit;
    return int32_t(v);
}

// Truncation toward zero.
inline int32_t truncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= kCoordinateLimit)
        return kCoordinateLimit;
    if (v <= -kCoordinateLimit)
        return -kCoordinateLimit;
    return int32_t(v);
}

// The chart's usual rounding: add one half, then truncate toward zero
// (so -2.7 becomes -2 and 2.5 becomes 3).
inline int32_t roundHalfUp(double v) { return truncToInt(v + 0.5); }

// The rounding of the oval and lens rasterisers: a fraction of one half or more
// rounds up, anything else truncates toward zero (negative values always truncate).
inline int32_t roundFractionUp(double v)
{
    int32_t t = truncToInt(v);
    return (v - t >= 0.5) ? clampCoordinate(int64_t(t) + 1) : t;
}

// Distance between two integer points, truncated to a whole pixel.
inline int32_t integerDistance(int64_t dx, int64_t dy)
{
    return truncToInt(std::sqrt(double(dx * dx + dy * dy)));
}

} // namespace loopora
