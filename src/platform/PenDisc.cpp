#include "platform/PenDisc.h"

#include <algorithm>

namespace loopora::raster {

namespace {

// The largest d >= 0 with (2d + c)^2 <= limit, or -1 when even d = 0 fails.
int32_t largestOffset(int64_t limit, int32_t c)
{
    int32_t d = -1;
    while (int64_t(2 * (d + 1) + c) * (2 * (d + 1) + c) <= limit)
        ++d;
    return d;
}

} // namespace

void PenDisc::setWidth(int32_t width)
{
    if (width == width_)
        return;
    width_ = width;
    centreShift_ = (width % 2 == 0) ? 1 : 0;
    const int64_t diameterSquared = int64_t(width) * width;
    // Rows run symmetrically about the centre: -n-c .. n.
    const int32_t lastRow = largestOffset(diameterSquared - centreShift_ * centreShift_, centreShift_);
    firstRow_ = -lastRow - centreShift_;
    right_.clear();
    for (int32_t dy = firstRow_; dy <= lastRow; ++dy) {
        const int64_t v = 2 * dy + centreShift_;
        right_.push_back(largestOffset(diameterSquared - v * v, centreShift_));
    }
    square_ = std::all_of(right_.begin(), right_.end(), [this](int32_t r) { return r == right_.front(); });
}

} // namespace loopora::raster
