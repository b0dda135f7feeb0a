// Lines: one-pixel pens walk the Bresenham path (dashed when styled), wider
// pens sweep their disc along it. Both step only over the visible part of the
// path, so a line thousands of screens long costs no more than a short one.

#include "platform/LineWalk.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

namespace loopora {

using raster::DevPoint;
using raster::DevRect;
using raster::IndexRange;
using raster::Ink;
using raster::LineWalk;
using raster::SpanPainter;

namespace {

// Every dash pattern repeats within 24 pixels; bit k is set when pixel k of
// the period is drawn and clear for a gap.
constexpr int32_t kPatternLength = 24;

constexpr uint32_t pattern(std::initializer_list<int> runs)
{
    uint32_t bits = 0;
    int position = 0;
    bool on = true;
    while (position < kPatternLength) {
        for (int run : runs) {
            for (int k = 0; k < run && position < kPatternLength; ++k, ++position)
                if (on)
                    bits |= 1u << position;
            on = !on;
        }
    }
    return bits;
}

constexpr uint32_t kSolid = (1u << kPatternLength) - 1;

// The pattern of a one-pixel pen; unknown styles draw solid.
uint32_t patternOf(int32_t style)
{
    switch (PenStyle(style)) {
    case PenStyle::Dash:
        return pattern({18, 6});
    case PenStyle::Dot:
        return pattern({3, 3});
    case PenStyle::DashDot:
        return pattern({9, 6, 3, 6});
    case PenStyle::DashDotDot:
        return pattern({9, 3, 3, 3, 3, 3});
    default:
        return kSolid;
    }
}

} // namespace

void CRasterDC::lineTo(int32_t x, int32_t y)
{
    const DevPoint from = toDevice(current_.x, current_.y);
    const DevPoint to = toDevice(x, y);
    current_ = {x, y};
    if (raster::drawsNothing(pen()))
        return;
    const int32_t width = raster::effectivePenWidth(pen());
    if (width == 1)
        thinLine(from, to);
    else
        wideLine(from, to, width);
}

// Pixels 0..M-1 of the walk: the end point is left for the next segment.
// The dash pattern runs on from where the previous segment left it.
void CRasterDC::thinLine(DevPoint from, DevPoint to)
{
    const LineWalk walk(from, to);
    const int32_t patternStart = styleStep_;
    styleStep_ = int32_t((styleStep_ + walk.length() % kPatternLength) % kPatternLength);

    SpanPainter p = painter();
    const IndexRange visible = walk.within(p.visible(), 0, walk.length() - 1);
    if (visible.empty())
        return;

    const uint32_t bits = patternOf(pen().style);
    const Ink penInk{rasterOp(), pixelOf(pen().colour)};
    const Ink gapInk{rasterOp(), pixelOf(backgroundColour())};
    const bool paintGaps = backgroundMode() == BackgroundMode::Opaque;

    Pixel* pixels = p.buffer().pixels().data();
    const int64_t stride = p.buffer().width();
    const int64_t majorStep = walk.xMajor() ? walk.stepX() : walk.stepY() * stride;
    const int64_t minorStep = walk.xMajor() ? walk.stepY() * stride : walk.stepX();

    LineWalk::Cursor c = walk.at(visible.first);
    int64_t offset = c.y * stride + c.x;
    if (bits == kSolid) {
        for (int64_t i = visible.first;; ++i) {
            penInk.apply(pixels[offset]);
            if (i == visible.last)
                break;
            c.advance(walk);
            offset += majorStep + (c.minorStep ? minorStep : 0);
        }
        return;
    }
    int32_t position = int32_t((patternStart + visible.first % kPatternLength) % kPatternLength);
    for (int64_t i = visible.first;; ++i) {
        if (bits & (1u << position))
            penInk.apply(pixels[offset]);
        else if (paintGaps)
            gapInk.apply(pixels[offset]);
        if (i == visible.last)
            break;
        position = position + 1 == kPatternLength ? 0 : position + 1;
        c.advance(walk);
        offset += majorStep + (c.minorStep ? minorStep : 0);
    }
}

// The union of the pen's disc placed on every pixel of the path, ends
// included. Consecutive discs overlap or touch in every row they share, so the
// union is one span per row: it is gathered first and then painted, which
// writes each pixel once (an XOR line drawn twice leaves no trace).
void CRasterDC::wideLine(DevPoint from, DevPoint to, int32_t width)
{
    const LineWalk walk(from, to);
    styleStep_ = int32_t((styleStep_ + walk.length() % kPatternLength) % kPatternLength);
    disc_.setWidth(width);

    SpanPainter p = painter();
    const DevRect& v = p.visible();
    if (v.empty())
        return;
    // Centres whose disc can reach a visible pixel.
    const DevRect reach{v.left - disc_.widestRight(), v.top - disc_.lastRow(), v.right - disc_.widestLeft(),
                        v.bottom - disc_.firstRow()};
    const IndexRange centres = walk.within(reach, 0, walk.length());
    if (centres.empty())
        return;

    LineWalk::Cursor c = walk.at(centres.first);
    const LineWalk::Cursor last = walk.at(centres.last);
    const int64_t top = std::max(v.top, std::min(c.y, last.y) + disc_.firstRow());
    const int64_t bottom = std::min(v.bottom - 1, std::max(c.y, last.y) + disc_.lastRow());
    if (top > bottom)
        return;
    const size_t rows = size_t(bottom - top + 1);
    rowLeft_.assign(rows, std::numeric_limits<int64_t>::max());
    rowRight_.assign(rows, std::numeric_limits<int64_t>::min());

    for (int64_t i = centres.first;; ++i) {
        const int64_t firstRow = std::max<int64_t>(disc_.firstRow(), top - c.y);
        const int64_t lastRow = std::min<int64_t>(disc_.lastRow(), bottom - c.y);
        for (int64_t dy = firstRow; dy <= lastRow; ++dy) {
            const size_t row = size_t(c.y + dy - top);
            rowLeft_[row] = std::min(rowLeft_[row], c.x + disc_.left(int32_t(dy)));
            rowRight_[row] = std::max(rowRight_[row], c.x + disc_.right(int32_t(dy)));
        }
        if (i == centres.last)
            break;
        c.advance(walk);
    }

    const Ink ink{rasterOp(), pixelOf(pen().colour)};
    for (size_t row = 0; row < rows; ++row)
        if (rowLeft_[row] <= rowRight_[row])
            p.inkSpan(top + int64_t(row), rowLeft_[row], rowRight_[row], ink);
}

} // namespace loopora
