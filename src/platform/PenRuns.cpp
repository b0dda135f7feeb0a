#include "platform/PenRuns.h"

#include "platform/RasterSupport.h"

#include <algorithm>

namespace loopora {
namespace {

int32_t held(int64_t v) { return int32_t(std::clamp<int64_t>(v, CDC::kEverywhere.left, CDC::kEverywhere.right)); }

} // namespace

int32_t runLength(int32_t penWidth) { return std::clamp(penWidth, 0, raster::kMaxPenWidth); }

PenRuns::PenRuns(CDC& dc, Colour colour, int32_t penWidth, RunDirection direction)
    : dc_(dc), colour_(colour), length_(runLength(penWidth)), step_(int32_t(direction)), visible_(dc.visibleArea())
{
    if (length_ == 0 || visible_.isEmpty())
        return;
    const int32_t tail = length_ - 1;
    reach_ = step_ < 0 ? Rect{held(int64_t(visible_.left) - tail), visible_.top, visible_.right,
                              held(int64_t(visible_.bottom) + tail)}
                       : Rect{held(int64_t(visible_.left) - tail), held(int64_t(visible_.top) - tail), visible_.right,
                              visible_.bottom};
}

void PenRuns::plot(int64_t x, int64_t y)
{
    if (!reach_.contains({held(x), held(y)}))
        return;
    // The steps i of the run whose pixel lies inside the visible area.
    int64_t lo = std::max<int64_t>(0, visible_.left - x);
    int64_t hi = std::min<int64_t>(length_ - 1, int64_t(visible_.right) - 1 - x);
    if (step_ < 0) {
        lo = std::max<int64_t>(lo, y - visible_.bottom + 1);
        hi = std::min<int64_t>(hi, y - visible_.top);
    } else {
        lo = std::max<int64_t>(lo, visible_.top - y);
        hi = std::min<int64_t>(hi, int64_t(visible_.bottom) - 1 - y);
    }
    for (int64_t i = lo; i <= hi; ++i) {
        if (used_ == batch_.size())
            flush();
        batch_[used_++] = {int32_t(x + i), int32_t(y + step_ * i)};
    }
}

void PenRuns::flush()
{
    if (used_ == 0)
        return;
    dc_.setPixels({batch_.data(), used_}, colour_);
    used_ = 0;
}

PenRunExtent::PenRunExtent(Point start, int32_t penWidth, RunDirection direction)
    : start_(start), length_(runLength(penWidth)), step_(int32_t(direction))
{
}

void PenRunExtent::plot(int64_t x, int64_t y) { plotBox(x, y, x, y); }

void PenRunExtent::plotBox(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    if (!any_) {
        left_ = left, top_ = top, right_ = right, bottom_ = bottom;
        any_ = true;
        return;
    }
    left_ = std::min(left_, left);
    top_ = std::min(top_, top);
    right_ = std::max(right_, right);
    bottom_ = std::max(bottom_, bottom);
}

Rect PenRunExtent::box() const
{
    Rect r{start_.x, start_.y, start_.x, start_.y};
    if (!any_ || length_ == 0)
        return r;
    const int64_t tail = length_ - 1;
    const int64_t top = step_ < 0 ? top_ - tail : top_;
    const int64_t bottom = step_ < 0 ? bottom_ : bottom_ + tail;
    return {held(std::min<int64_t>(r.left, left_)), held(std::min<int64_t>(r.top, top)),
            held(std::max<int64_t>(r.right, right_ + tail)), held(std::max<int64_t>(r.bottom, bottom))};
}

} // namespace loopora
