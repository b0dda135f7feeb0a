#include "stitches/TriangleFill.h"

#include "elements/IdealShapes.h"
#include "platform/DeviceContext.h"

#include <algorithm>
#include <cmath>

namespace loopora {

void CTriangleFill::drawShape(CDC& dc)
{
    if (points_.size() < 3)
        return;
    const Point corners[] = {points_[0], points_[1], points_[2]};
    const Rect visible = dc.visibleArea();
    const int64_t top = std::max<int64_t>({std::min({corners[0].y, corners[1].y, corners[2].y}), visible.top});
    const int64_t bottom =
        std::min<int64_t>({std::max({corners[0].y, corners[1].y, corners[2].y}), int64_t(visible.bottom) - 1});
    for (int64_t y = top; y <= bottom; ++y) {
        // Where the row meets the edges that cross it; a level edge adds its ends.
        double left = HUGE_VAL, right = -HUGE_VAL;
        for (int i = 0; i < 3; ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % 3];
            if (y < std::min(a.y, b.y) || y > std::max(a.y, b.y))
                continue;
            if (a.y == b.y) {
                left = std::min({left, double(a.x), double(b.x)});
                right = std::max({right, double(a.x), double(b.x)});
                continue;
            }
            const double x = a.x + double(y - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
        if (left > right)
            continue;
        const int64_t from = std::max<int64_t>(int64_t(std::ceil(left - 1e-9)), visible.left);
        const int64_t to = std::min<int64_t>(int64_t(std::floor(right + 1e-9)), int64_t(visible.right) - 1);
        if (from <= to)
            dc.fillRect({int32_t(from), int32_t(y), int32_t(to + 1), int32_t(y + 1)}, penColour());
    }
}

void CTriangleFill::describeShape(ShapeSink& sink) const
{
    if (points_.size() < 3)
        return;
    const ShapePoint corners[] = {pixelCentre(points_[0]), pixelCentre(points_[1]), pixelCentre(points_[2])};
    sink.filledPolygon(corners, penColour());
}

} // namespace loopora
