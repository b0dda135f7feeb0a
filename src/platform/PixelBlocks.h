#pragma once
// Nearest-neighbour enlargement: every pixel of a picture becomes a square
// block of zoom x zoom pixels, so an enlarged chart holds exactly the colours
// of the chart drawn at its own size and nothing in between.

#include "platform/Geometry.h"
#include "platform/PixelBuffer.h"
#include "platform/ShapeSink.h"

namespace loopora {

// Fills the area of target (its pixels, right and bottom excluded) with
// blocks of source: target pixel (x, y) shows source pixel
// ((x + phase.x) / zoom, (y + phase.y) / zoom), phase lying within 0..zoom-1
// (how far the first block starts before the target's left and top edges).
// Target pixels whose source pixel lies outside source keep their colour.
void enlargeBlocks(const PixelBuffer& source, PixelBuffer& target, const Rect& area, int32_t zoom, Point phase);

// Fills the area of target with the nearest pixels of source at any scale:
// target pixel (x, y) shows source pixel (floor((x + offset.x) / scale),
// floor((y + offset.y) / scale)). Target pixels whose source pixel lies
// outside source keep their colour.
void sampleNearest(const PixelBuffer& source, PixelBuffer& target, const Rect& area, double scale, ShapePoint offset);

// Moves the picture by (dx, dy) pixels within itself; the pixels it uncovers
// keep what they held.
void shiftPixels(PixelBuffer& picture, int32_t dx, int32_t dy);

// Division rounding toward minus infinity, for positions left of or above zero.
constexpr int64_t floorDivide(int64_t value, int64_t divisor)
{
    const int64_t q = value / divisor;
    return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? q - 1 : q;
}

} // namespace loopora
