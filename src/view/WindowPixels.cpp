#include "view/WindowPixels.h"

#include "platform/PixelBlocks.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

namespace loopora {
namespace {

int32_t clamped(int64_t v)
{
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

} // namespace

void WindowPixels::reset(Size client, int32_t zoom, Point scroll)
{
    zoom_ = std::clamp(zoom, 1, kLargestZoom);
    scroll_ = scroll;
    window_ = PixelBuffer(client.width, client.height, colours::white);
    // Enough sheet pixels for the blocks cut at both edges of the window.
    sheet_ = PixelBuffer(std::max(0, client.width) / zoom_ + 2, std::max(0, client.height) / zoom_ + 2, colours::white);
    invalid_ = {};
    invalidateAll();
}

Point WindowPixels::sheetCorner() const
{
    return {int32_t(floorDivide(scroll_.x, zoom_)), int32_t(floorDivide(scroll_.y, zoom_))};
}

Rect WindowPixels::sheetCovering(const Rect& r) const
{
    if (r.isEmpty())
        return {};
    return {int32_t(floorDivide(int64_t(r.left) + scroll_.x, zoom_)), int32_t(floorDivide(int64_t(r.top) + scroll_.y, zoom_)),
            int32_t(floorDivide(int64_t(r.right) - 1 + scroll_.x, zoom_) + 1),
            int32_t(floorDivide(int64_t(r.bottom) - 1 + scroll_.y, zoom_) + 1)};
}

Rect WindowPixels::windowOf(const Rect& r) const
{
    return {clamped(int64_t(r.left) * zoom_ - scroll_.x), clamped(int64_t(r.top) * zoom_ - scroll_.y),
            clamped(int64_t(r.right) * zoom_ - scroll_.x), clamped(int64_t(r.bottom) * zoom_ - scroll_.y)};
}

Rect WindowPixels::invalidate(const Rect& windowRect)
{
    const Rect all{0, 0, window_.width(), window_.height()};
    const Rect inside = Rect::intersected(windowRect.normalized(), all);
    if (inside.isEmpty())
        return {};
    // A block is repainted whole: its one sheet pixel is drawn again.
    const Rect blocks = Rect::intersected(windowOf(sheetCovering(inside)), all);
    invalid_ = Rect::united(invalid_, blocks);
    return blocks;
}

bool WindowPixels::allInvalid() const
{
    return invalid_.left <= 0 && invalid_.top <= 0 && invalid_.right >= window_.width() &&
           invalid_.bottom >= window_.height();
}

Rect WindowPixels::takeInvalid() { return std::exchange(invalid_, Rect{}); }

std::pair<Rect, Rect> WindowPixels::scrollTo(Point scroll)
{
    const int64_t dx = int64_t(scroll.x) - scroll_.x;
    const int64_t dy = int64_t(scroll.y) - scroll_.y;
    if (dx == 0 && dy == 0)
        return {};
    const Point oldCorner = sheetCorner();
    scroll_ = scroll;
    const Point corner = sheetCorner();
    const int32_t width = window_.width();
    const int32_t height = window_.height();
    const int64_t sheetDx = int64_t(corner.x) - oldCorner.x;
    const int64_t sheetDy = int64_t(corner.y) - oldCorner.y;
    if (allInvalid() || std::abs(dx) >= width || std::abs(dy) >= height || std::abs(sheetDx) >= sheet_.width() ||
        std::abs(sheetDy) >= sheet_.height()) {
        invalid_ = {};
        invalidateAll();
        return {invalid_, {}};
    }
    // What was on screen moves the other way; so does what waited for a repaint.
    shiftPixels(window_, int32_t(-dx), int32_t(-dy));
    shiftPixels(sheet_, int32_t(-sheetDx), int32_t(-sheetDy));
    const Rect waiting = invalid_;
    invalid_ = {};
    if (!waiting.isEmpty())
        invalidate(waiting.offset(int32_t(-dx), int32_t(-dy)));
    const Rect columns = dx > 0 ? Rect{int32_t(width - dx), 0, width, height} : Rect{0, 0, int32_t(-dx), height};
    const Rect rows = dy > 0 ? Rect{0, int32_t(height - dy), width, height} : Rect{0, 0, width, int32_t(-dy)};
    return {dx != 0 ? invalidate(columns) : Rect{}, dy != 0 ? invalidate(rows) : Rect{}};
}

Rect WindowPixels::present(const Rect& sheetRect)
{
    const Rect area = Rect::intersected(windowOf(sheetRect), {0, 0, window_.width(), window_.height()});
    if (area.isEmpty())
        return {};
    const Point corner = sheetCorner();
    const Point phase{int32_t(int64_t(scroll_.x) - int64_t(corner.x) * zoom_),
                      int32_t(int64_t(scroll_.y) - int64_t(corner.y) * zoom_)};
    enlargeBlocks(sheet_, window_, area, zoom_, phase);
    return area;
}

} // namespace loopora
