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
    // path is monotone in both axes these form one range.
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
    Cursor at(int64_t index) const;

private:
    IndexRange minorWithin(int64_t lo, int64_t hi) const;

    DevPoint from_;
    int64_t major_ = 0; // M
    int64_t minor_ = 0; // dm
    int64_t twoMajor_ = 0;
    int64_t twoMinor_ = 0;
    int32_t stepX_ = 1;
    int32_t stepY_ = 1;
    bool xMajor_ = true;
};

} // namespace loopora::raster
