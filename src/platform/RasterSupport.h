#pragma once
// Building blocks shared by the raster device context's source files: device
// coordinates in 64 bits, inclusive pixel spans, how pen pixels combine with
// the picture, and a painter that never writes outside the visible area.

#include "platform/DeviceContext.h"
#include "platform/PixelBuffer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace loopora::raster {

// Device coordinates are held within +-2^29: far beyond anything a chart holds
// (+-2^24 plus the origins) yet small enough that the products the line and
// oval code forms stay inside 64 bits (128 bits for the oval's squares).
constexpr int64_t kDeviceLimit = int64_t(1) << 29;

// A damaged chart's pen must not cost unbounded time or memory.
constexpr int32_t kMaxPenWidth = 255;

inline int64_t clampDevice(int64_t v) { return std::clamp(v, -kDeviceLimit, kDeviceLimit); }

struct DevPoint {
    int64_t x = 0;
    int64_t y = 0;
};

// Left and top included, right and bottom excluded, like Rect.
struct DevRect {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int64_t width() const { return right - left; }
    int64_t height() const { return bottom - top; }
    bool contains(int64_t x, int64_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    DevRect normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
};

// Pixels lo..hi inclusive; lo > hi means none.
struct Span {
    int64_t lo = 1;
    int64_t hi = 0;

    bool empty() const { return lo > hi; }
};

// The pen width a figure is drawn with: at least 1, at most kMaxPenWidth.
inline int32_t effectivePenWidth(const Pen& pen) { return std::clamp(pen.width, 1, kMaxPenWidth); }

inline bool drawsNothing(const Pen& pen) { return pen.style == int32_t(PenStyle::Null); }

// Calls body with a callable that combines `colour` into one pixel through
// the raster operation, the operation chosen once rather than per pixel.
template <typename Body>
void withRasterOp(RasterOp op, Pixel colour, Body&& body)
{
    switch (op) {
    case RasterOp::XorPen:
        body([colour](Pixel& p) { p ^= colour; });
        break;
    case RasterOp::NotXorPen:
        body([colour](Pixel& p) { p = ~(p ^ colour) & 0x00FFFFFFu; });
        break;
    case RasterOp::CopyPen:
    default:
        body([colour](Pixel& p) { p = colour; });
        break;
    }
}

// A colour combined with the picture through a raster operation.
struct Ink {
    RasterOp op = RasterOp::CopyPen;
    Pixel colour = 0;

    void apply(Pixel& p) const
    {
        withRasterOp(op, colour, [&p](auto combine) { combine(p); });
    }
};

template <typename Body>
void withInk(const Ink& ink, Body&& body)
{
    withRasterOp(ink.op, ink.colour, std::forward<Body>(body));
}

// Writes pixels of the buffer inside a visible rectangle (already clipped to
// the buffer); everything outside it is silently dropped.
class SpanPainter {
public:
    SpanPainter(PixelBuffer& buffer, const DevRect& visible) : buffer_(buffer), visible_(visible) {}

    const DevRect& visible() const { return visible_; }
    PixelBuffer& buffer() { return buffer_; }

    bool inside(int64_t x, int64_t y) const { return visible_.contains(x, y); }

    void ink(int64_t x, int64_t y, const Ink& ink)
    {
        if (inside(x, y))
            ink.apply(buffer_.at(int32_t(x), int32_t(y)));
    }

    // Pixels x0..x1 (inclusive) of row y through the ink.
    void inkSpan(int64_t y, int64_t x0, int64_t x1, const Ink& ink)
    {
        if (y < visible_.top || y >= visible_.bottom)
            return;
        x0 = std::max(x0, visible_.left);
        x1 = std::min(x1, visible_.right - 1);
        if (x0 > x1)
            return;
        Pixel* row = buffer_.row(int32_t(y));
        withInk(ink, [&](auto apply) {
            for (int64_t x = x0; x <= x1; ++x)
                apply(row[x]);
        });
    }

    void copySpan(int64_t y, int64_t x0, int64_t x1, Pixel colour) { inkSpan(y, x0, x1, Ink{RasterOp::CopyPen, colour}); }

    // Every pixel of r (left/top included, right/bottom excluded) set to colour.
    void copyRect(const DevRect& r, Pixel colour)
    {
        int64_t top = std::max(r.top, visible_.top);
        int64_t bottom = std::min(r.bottom, visible_.bottom);
        for (int64_t y = top; y < bottom; ++y)
            copySpan(y, r.left, r.right - 1, colour);
    }

private:
    PixelBuffer& buffer_;
    DevRect visible_;
};

} // namespace loopora::raster
