#pragma once
// The Bresenham path between two device pixels, in closed form so that a line
// reaching far outside the picture can start stepping where it becomes visible
// and still land on exactly the pixels the whole walk would have drawn.
//
// The path has length()+1 pixels, index 0 at `from` and index length() at `to`.
// Along the major axis (the longer one; x when both are equal) pixel i sits i
// steps from `from`; along the minor axis it sits m(i) = floor(i*dm/M + 1/2)
// steps away, M and dm being the major and minor distances. Exact halves round
// away from `from`.

#include "platform/RasterSupport.h"

#include <algorithm>
#include <cstdint>

namespace loopora::raster {

struct IndexRange {
    int64_t first = 1;
    int64_t last = 0;

    bool empty() const { return first > last; }
};

class LineWalk {
public:
    LineWalk(DevPoint from, DevPoint to);

    int64_t length() const { return major_; }
    bool xMajor() const { return xMajor_; }
    int32_t stepX() const { return stepX_; }
    int32_t stepY() const { return stepY_; }

    // The indices within [first, last] whose pixels lie inside r. Because the
    // path is monotone in both axes these form one range. A path lying wholly
    // inside r, the usual case, costs no division.
    IndexRange within(const DevRect& r, int64_t first, int64_t last) const;

    // A position on the path that steps forward one pixel at a time.
    struct Cursor {
        int64_t x = 0;
        int64_t y = 0;
        int64_t rem = 0;    // 2*i*dm + M, modulo 2M: the minor axis moves when it wraps
        bool minorStep = false;

        void advance(const LineWalk& walk)
        {
            rem += walk.twoMinor_;
            minorStep = rem >= walk.twoMajor_;
            if (minorStep)
                rem -= walk.twoMajor_;
            if (walk.xMajor_) {
                x += walk.stepX_;
                if (minorStep)
                    y += walk.stepY_;
            } else {
                y += walk.stepY_;
                if (minorStep)
                    x += walk.stepX_;
            }
        }
    };
    Cursor at(int64_t index) const; // cheap at either end

    // Calls f(minor, low, high) for each run of consecutive pixels in the
    // index range that share one minor-axis coordinate `minor`, their
    // major-axis coordinates spanning low..high. Run lengths come from the
    // division remainder rather than from stepping pixel by pixel, so a wide
    // pen pays per run, not per pixel, and without unpredictable branches.
    template <typename F>
    void forEachRun(IndexRange range, F&& f) const;

private:
    IndexRange minorWithin(int64_t lo, int64_t hi) const;
    int64_t minorOffset(int64_t index) const; // m(i)

    DevPoint from_;
    DevPoint to_;
    int64_t major_ = 0; // M
    int64_t minor_ = 0; // dm
    int64_t twoMajor_ = 0;
    int64_t twoMinor_ = 0;
    int32_t stepX_ = 1;
    int32_t stepY_ = 1;
    bool xMajor_ = true;
};

// Run m holds the indices i with m(i) = m, from ceil((2Mm - M) / 2dm) up to
// the next run's start ceil((2Mm + M) / 2dm) - 1. Successive starts differ by
// 2M / 2dm or one more, as the remainder E of the ceiling says.
template <typename F>
void LineWalk::forEachRun(IndexRange range, F&& f) const
{
    if (range.empty())
        return;
    const int64_t majorFrom = xMajor_ ? from_.x : from_.y;
    const int64_t minorFrom = xMajor_ ? from_.y : from_.x;
    const int64_t majorStep = xMajor_ ? stepX_ : stepY_;
    const int64_t minorStep = xMajor_ ? stepY_ : stepX_;
    auto run = [&](int64_t m, int64_t i0, int64_t i1) {
        const int64_t a0 = majorFrom + majorStep * i0;
        const int64_t a1 = majorFrom + majorStep * i1;
        f(minorFrom + minorStep * m, std::min(a0, a1), std::max(a0, a1));
    };
    if (minor_ == 0) {
        run(0, range.first, range.last);
        return;
    }
    const int64_t m0 = minorOffset(range.first);
    const int64_t m1 = minorOffset(range.last);
    const int64_t d = twoMinor_;
    // 2M < 2^32 within kDeviceLimit, so the per-line division can be 32-bit.
    const auto whole = int64_t(uint32_t(twoMajor_) / uint32_t(d));
    const auto part = int64_t(uint32_t(twoMajor_) % uint32_t(d));
    const int64_t numerator = twoMajor_ * m0 + major_;
    int64_t next = m0 == 0 ? int64_t((uint32_t(major_) + uint32_t(d) - 1) / uint32_t(d)) : (numerator + d - 1) / d;
    int64_t excess = next * d - numerator;
    int64_t start = range.first;
    for (int64_t m = m0; m < m1; ++m) {
        run(m, start, next - 1);
        start = next;
        const int64_t t = excess - part;
        const int64_t carry = t < 0 ? 1 : 0;
        next += whole + carry;
        excess = t + carry * d;
    }
    run(m1, start, range.last);
}

} // namespace loopora::raster
