#pragma once
// An ellipse of any size and direction, worked out row by row from its
// equation, for figures too large to walk point by point: the cost of a row
// does not depend on the size, so only the rows that show cost anything.
//
// A pixel belongs to the ellipse when its centre lies inside. An offset
// (x across, y along) from the centre lies at
// (cx + s*x - c*y, cy + c*x + s*y), with s^2 + c^2 = 1.

#include "platform/Geometry.h"
#include "platform/RasterSupport.h"

#include <utility>

namespace loopora {

struct TiltedEllipse {
    double cx = 0;
    double cy = 0;
    double s = 1;
    double c = 0;
    double along = 0;  // the semi-axis of the y offsets
    double across = 0; // the semi-axis of the x offsets; both are taken as at least one half

    // Half the width and half the height of the box around the ellipse.
    double halfWidth() const;
    double halfHeight() const;
    // The rows that can hold pixels of the ellipse.
    int64_t firstRow() const;
    int64_t lastRow() const;

    // The pixels of row y inside the ellipse.
    raster::Span row(int64_t y) const;
    // The pixels of row y on its outline: inside, with one of the four
    // neighbours outside. The outline is 8-connected; it is one or two spans.
    std::pair<raster::Span, raster::Span> outline(int64_t y) const;

    // The points of the ellipse farthest left and right (first, second), and
    // farthest up and down, as offsets from the centre.
    std::pair<double, double> rightmostOffset() const;
    std::pair<double, double> lowestOffset() const;
};

// Calls visit(x, y) for every outline pixel of the ellipse inside window
// (right and bottom excluded).
template <typename Visit>
void forEachOutlinePixel(const TiltedEllipse& e, const Rect& window, Visit&& visit)
{
    const int64_t top = std::max<int64_t>(window.top, e.firstRow());
    const int64_t bottom = std::min<int64_t>(int64_t(window.bottom) - 1, e.lastRow());
    for (int64_t y = top; y <= bottom; ++y) {
        const auto [left, right] = e.outline(y);
        for (const raster::Span& span : {left, right}) {
            const int64_t from = std::max<int64_t>(span.lo, window.left);
            const int64_t to = std::min<int64_t>(span.hi, int64_t(window.right) - 1);
            for (int64_t x = from; x <= to; ++x)
                visit(x, y);
        }
    }
}

} // namespace loopora
