// Lines: one-pixel pens walk the Bresenham path (dashed when styled), wider
// pens sweep their disc along it. Both step only over the visible part of the
// path, so a line thousands of screens long costs no more than a short one.

#include "platform/LineWalk.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <array>
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

// Paints a wide line's spans. Lines across the walk are numbered u = 0, 1, ...
// from the first run's own line, the minor coordinate moving by `step` each.
struct AcrossLines {
    Pixel* pixels;
    int64_t firstLine;
    int32_t step;
    int64_t lineLow, lineHigh;   // visible range of the minor coordinate
    int64_t majorLow, majorHigh; // visible range along each line
    int64_t along, across;       // pixel offsets of one step along a line and across lines

    template <typename Apply>
    void paint(Apply apply, int64_t u, raster::Span span) const
    {
        const int64_t line = firstLine + step * u;
        if (line < lineLow || line > lineHigh)
            return;
        const int64_t low = std::max(span.lo, majorLow);
        const int64_t high = std::min(span.hi, majorHigh);
        int64_t offset = line * across + low * along;
        for (int64_t k = low; k <= high; ++k, offset += along)
            apply(pixels[offset]);
    }
};

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
    // Gaps take the background colour in opaque mode when the pen copies.
    // Under an exclusive-or mix they are left alone, so that a rubber band
    // stays dotted on the sheet and drawing it again removes it exactly.
    const bool paintGaps = backgroundMode() == BackgroundMode::Opaque && rasterOp() == RasterOp::CopyPen;

    Pixel* pixels = p.buffer().pixels().data();
    const int64_t stride = p.buffer().width();
    const int64_t majorStep = walk.xMajor() ? walk.stepX() : walk.stepY() * stride;
    const int64_t minorStep = walk.xMajor() ? walk.stepY() * stride : walk.stepX();

    LineWalk::Cursor c = walk.at(visible.first);
    int64_t offset = c.y * stride + c.x;
    if (bits == kSolid) {
        raster::withInk(penInk, [&](auto apply) {
            for (int64_t i = visible.first;; ++i) {
                apply(pixels[offset]);
                if (i == visible.last)
                    break;
                c.advance(walk);
                offset += majorStep + (c.minorStep ? minorStep : 0);
            }
        });
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
// included, painted as one span along the major axis per line across it
// (rows for flat lines, columns for steep ones). Consecutive discs overlap or
// touch on every such line they share, so the union there is one span, and
// painting each span once writes each pixel once: an XOR line drawn twice
// leaves no trace. The disc is symmetric under swapping x and y, so its row
// table serves both orientations.
//
// The path's pixels come in runs, one per line across it; run j's discs reach
// lines j+nearest..j+farthest, numbering lines in the order runs meet them.
// A line is painted as soon as the last run reaching it has been seen.
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

    const bool xMajor = walk.xMajor();
    const LineWalk::Cursor start = walk.at(centres.first);
    const int32_t step = xMajor ? walk.stepY() : walk.stepX();
    const int32_t nearest = step > 0 ? disc_.firstRow() : -disc_.lastRow();
    const int32_t farthest = step > 0 ? disc_.lastRow() : -disc_.firstRow();
    const AcrossLines lines{p.buffer().pixels().data(),
                            xMajor ? start.y : start.x,
                            step,
                            xMajor ? v.top : v.left,
                            (xMajor ? v.bottom : v.right) - 1,
                            xMajor ? v.left : v.top,
                            (xMajor ? v.right : v.bottom) - 1,
                            xMajor ? 1 : int64_t(p.buffer().width()),
                            xMajor ? int64_t(p.buffer().width()) : 1};

    raster::withInk(Ink{rasterOp(), pixelOf(pen().colour)}, [&](auto apply) {
        int64_t j = 0;
        if (disc_.square()) {
            // Every row of the disc covers the same columns, so a line's span
            // runs from the earliest run reaching it to the latest (runs move
            // steadily along the major axis): only the last few runs are kept.
            const int64_t left = disc_.widestLeft();
            const int64_t right = disc_.widestRight();
            const bool forward = (xMajor ? walk.stepX() : walk.stepY()) > 0;
            std::array<raster::Span, 4> recent; // run j at j % 4; the disc has at most 3 rows
            auto spanOf = [&](int64_t earliest, int64_t latest) {
                const raster::Span& a = recent[size_t(std::max<int64_t>(earliest, 0) & 3)];
                const raster::Span& b = recent[size_t(latest & 3)];
                return forward ? raster::Span{a.lo + left, b.hi + right} : raster::Span{b.lo + left, a.hi + right};
            };
            walk.forEachRun(centres, [&](int64_t, int64_t low, int64_t high) {
                recent[size_t(j & 3)] = {low, high};
                lines.paint(apply, j + nearest, spanOf(j + nearest - farthest, j));
                ++j;
            });
            for (int64_t u = j + nearest; u < j + farthest; ++u)
                lines.paint(apply, u, spanOf(u - farthest, j - 1));
            return;
        }
        // Rounder discs: each line's span gathers the reach of every run
        // within the disc's height, in a ring of the lines still open.
        auto slot = [this, nearest](int64_t u) -> raster::Span& {
            return lineWindow_[size_t(u - nearest) & (kLineWindow - 1)];
        };
        for (int64_t u = nearest; u < farthest; ++u)
            slot(u) = {};
        walk.forEachRun(centres, [&](int64_t, int64_t low, int64_t high) {
            slot(j + farthest) = {};
            for (int32_t k = nearest; k <= farthest; ++k) {
                raster::Span& span = slot(j + k);
                span = span.empty() ? raster::Span{low + disc_.left(step * k), high + disc_.right(step * k)}
                                    : raster::Span{std::min(span.lo, low + disc_.left(step * k)),
                                                   std::max(span.hi, high + disc_.right(step * k))};
            }
            lines.paint(apply, j + nearest, slot(j + nearest));
            ++j;
        });
        for (int64_t u = j + nearest; u < j + farthest; ++u)
            lines.paint(apply, u, slot(u));
    });
}

} // namespace loopora
