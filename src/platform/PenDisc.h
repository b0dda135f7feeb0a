#pragma once
// The pixels a wide pen covers around one pixel of its path.
//
// A pen of width w is a disc of diameter w. For odd widths it is centred on the
// pixel's centre; for even widths on the pixel's top-left corner, so an even
// pen leans half a pixel up and left: a width-2 horizontal line at y covers
// rows y-1 and y, a width-4 one rows y-2..y+1. Offset (dx, dy) is covered when
// its pixel centre lies in the disc: (2dx+c)^2 + (2dy+c)^2 <= w^2, with c = 1
// for even widths and 0 for odd ones.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace loopora::raster {

class PenDisc {
public:
    // Recomputes the disc when the width changes (1 <= width <= kMaxPenWidth).
    void setWidth(int32_t width);
    int32_t width() const { return width_; }

    // Row offsets covered: firstRow()..lastRow().
    int32_t firstRow() const { return firstRow_; }
    int32_t lastRow() const { return firstRow_ + int32_t(right_.size()) - 1; }
    // Column offsets covered in row offset dy: left(dy)..right(dy).
    int32_t left(int32_t dy) const { return -right(dy) - centreShift_; }
    int32_t right(int32_t dy) const { return right_[std::size_t(dy - firstRow_)]; }
    // Whether every row covers the same columns (widths up to 3).
    bool square() const { return square_; }
    // The widest row's extent, which bounds every row.
    int32_t widestLeft() const { return left(0); }
    int32_t widestRight() const { return right(0); }

private:
    int32_t width_ = 0;
    int32_t centreShift_ = 0; // c above
    int32_t firstRow_ = 0;
    bool square_ = true;
    std::vector<int32_t> right_;
};

} // namespace loopora::raster
