#include "view/WindowPixels.h"

#include "platform/PixelBlocks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace loopora {

void WindowPixels::reset(Size device)
{
    drawn_ = PixelBuffer(device.width, device.height, colours::white);
    shown_ = PixelBuffer(device.width, device.height, colours::white);
    invalid_ = {};
    invalidateAll();
}

Rect WindowPixels::invalidate(const Rect& r)
{
    const Rect inside = Rect::intersected(r.normalized(), {0, 0, shown_.width(), shown_.height()});
    if (inside.isEmpty())
        return {};
    invalid_ = Rect::united(invalid_, inside);
    return invalid_;
}

Rect WindowPixels::shift(int32_t dx, int32_t dy)
{
    if (dx == 0 && dy == 0)
        return {};
    const int32_t width = shown_.width();
    const int32_t height = shown_.height();
    if (std::abs(int64_t(dx)) >= width || std::abs(int64_t(dy)) >= height) {
        invalid_ = {};
        return invalidate({0, 0, width, height});
    }
    shiftPixels(drawn_, dx, dy);
    shiftPixels(shown_, dx, dy);
    const Rect waiting = invalid_;
    invalid_ = {};
    if (!waiting.isEmpty())
        invalidate(waiting.offset(dx, dy));
    if (dx != 0)
        invalidate(dx < 0 ? Rect{width + dx, 0, width, height} : Rect{0, 0, dx, height});
    if (dy != 0)
        invalidate(dy < 0 ? Rect{0, height + dy, width, height} : Rect{0, 0, width, dy});
    return invalid_;
}

void WindowPixels::restore(const Rect& r)
{
    const Rect inside = Rect::intersected(r.normalized(), {0, 0, shown_.width(), shown_.height()});
    if (inside.isEmpty())
        return;
    const size_t bytes = size_t(inside.width()) * sizeof(Pixel);
    for (int32_t y = inside.top; y < inside.bottom; ++y)
        std::memcpy(shown_.row(y) + inside.left, drawn_.row(y) + inside.left, bytes);
}

} // namespace loopora
