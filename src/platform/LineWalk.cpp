#include "platform/LineWalk.h"

#include <algorithm>
#include <cstdlib>

namespace loopora::raster {

namespace {

// Rounds up for either sign of n; d > 0.
int64_t ceilDiv(int64_t n, int64_t d) { return n > 0 ? (n + d - 1) / d : n / d; }

IndexRange intersect(IndexRange a, IndexRange b) { return {std::max(a.first, b.first), std::min(a.last, b.last)}; }

// The indices i whose coordinate start + step*i lies in [lo, hi].
IndexRange axisWithin(int64_t start, int32_t step, int64_t lo, int64_t hi)
{
    if (step > 0)
        return {lo - start, hi - start};
    return {start - hi, start - lo};
}

} // namespace

LineWalk::LineWalk(DevPoint from, DevPoint to) : from_(from), to_(to)
{
    int64_t dx = to.x - from.x;
    int64_t dy = to.y - from.y;
    stepX_ = dx < 0 ? -1 : 1;
    stepY_ = dy < 0 ? -1 : 1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    xMajor_ = dx >= dy;
    major_ = xMajor_ ? dx : dy;
    minor_ = xMajor_ ? dy : dx;
    twoMajor_ = 2 * major_;
    twoMinor_ = 2 * minor_;
}

LineWalk::Cursor LineWalk::at(int64_t index) const
{
    // At both ends 2*i*dm + M leaves M over 2M.
    if (index == 0 || major_ == 0)
        return {from_.x, from_.y, major_, false};
    if (index == major_)
        return {to_.x, to_.y, major_, false};
    Cursor c{from_.x, from_.y, 0, false};
    int64_t numerator = index * twoMinor_ + major_;
    int64_t minorSteps = numerator / twoMajor_;
    c.rem = numerator % twoMajor_;
    if (xMajor_) {
        c.x += stepX_ * index;
        c.y += stepY_ * minorSteps;
    } else {
        c.y += stepY_ * index;
        c.x += stepX_ * minorSteps;
    }
    return c;
}

int64_t LineWalk::minorOffset(int64_t index) const
{
    if (index == 0 || major_ == 0)
        return 0;
    if (index == major_)
        return minor_;
    return (index * twoMinor_ + major_) / twoMajor_;
}

// The indices whose minor-axis offset m(i) lies in [lo, hi], from
// m(i) >= lo  <=>  2*i*dm >= 2*M*lo - M  and  m(i) <= hi  <=>  2*i*dm < 2*M*hi + M.
IndexRange LineWalk::minorWithin(int64_t lo, int64_t hi) const
{
    // Offsets along the path run from 0 to dm; narrowing keeps the products small.
    lo = std::max<int64_t>(lo, 0);
    hi = std::min(hi, minor_);
    if (lo > hi)
        return {};
    if (minor_ == 0)
        return {0, major_};
    return {ceilDiv(twoMajor_ * lo - major_, twoMinor_), ceilDiv(twoMajor_ * hi + major_, twoMinor_) - 1};
}

IndexRange LineWalk::within(const DevRect& r, int64_t first, int64_t last) const
{
    IndexRange range{std::max<int64_t>(first, 0), std::min(last, major_)};
    if (r.empty() || range.empty())
        return {};
    if (r.contains(from_.x, from_.y) && r.contains(to_.x, to_.y))
        return range;
    if (major_ == 0)
        return {};

    if (xMajor_) {
        range = intersect(range, axisWithin(from_.x, stepX_, r.left, r.right - 1));
        IndexRange offsets = axisWithin(from_.y, stepY_, r.top, r.bottom - 1);
        range = intersect(range, minorWithin(offsets.first, offsets.last));
    } else {
        range = intersect(range, axisWithin(from_.y, stepY_, r.top, r.bottom - 1));
        IndexRange offsets = axisWithin(from_.x, stepX_, r.left, r.right - 1);
        range = intersect(range, minorWithin(offsets.first, offsets.last));
    }
    return range.empty() ? IndexRange{} : range;
}

} // namespace loopora::raster
