#pragma once
// The pixels of an oval inscribed in a box (right and bottom edges excluded),
// one span per row.
//
// A pixel belongs to the oval when its centre lies inside the ellipse whose
// axes are the box's width and height, so box (0,0,10,10) reaches columns and
// rows 0..9. Very flat or very thin ovals could lose their tips that way, so
// the middle row(s) always run the box's full width and every row keeps at
// least its middle pixel(s): the oval then touches all four sides of its box
// and stays in one piece. The arithmetic is exact (integers, 128-bit squares).

#include "platform/RasterSupport.h"

namespace loopora::raster {

class EllipseRows {
public:
    // box must be non-empty and within +-kDeviceLimit.
    explicit EllipseRows(const DevRect& box);

    const DevRect& box() const { return box_; }
    // The oval's pixels in row y; empty outside the box.
    Span row(int64_t y) const;
    // The pixels of row y whose four neighbours all lie in the oval; what is
    // left of the row is the one-pixel outline, which is 8-connected.
    Span interior(int64_t y) const;

private:
    DevRect box_;
    int64_t width_;
    int64_t height_;
};

} // namespace loopora::raster
