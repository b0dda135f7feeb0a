// The primitives of stitch symbols as ideal shapes: chain ovals and slip
// stitches as exact ellipses, circles and their arcs as circles.

#include "elements/IdealShapes.h"
#include "stitches/ChainOval.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"

#include <cmath>
#include <numbers>

namespace loopora {

void CChainOval::describeShape(ShapeSink& sink) const
{
    if (points().size() < 2)
        return;
    if (const std::optional<ShapeStroke> stroke = plottedStroke(pen()))
        describeOutline(sink, idealOval(outline(), stroke->width, RunDirection::UpRight), *stroke);
}

// However large, a slip stitch is solid: the screen fills it with nested
// ovals, the ideal is the outer oval with its pen's width around it, filled.
void CSlipStitchDot::describeShape(ShapeSink& sink) const
{
    if (points().size() < 2)
        return;
    const std::optional<ShapeStroke> stroke = plottedStroke(pen());
    if (!stroke)
        return;
    ShapeEllipse e = idealOval(outline(), stroke->width, RunDirection::UpRight);
    e.along += stroke->width / 2;
    e.across += stroke->width / 2;
    sink.filledEllipse(e, whiteFill_ ? colours::white : penColour());
}

// The screen draws the circle on its box with the right and bottom edges
// excluded, so the outline's pixels lie around the box's centre, the corner
// where four pixels meet, half a pixel inside the box.
void CCircleArc::describeShape(ShapeSink& sink) const
{
    if (points().size() < 2)
        return;
    const std::optional<ShapeStroke> stroke = outlineStroke(pen());
    const Rect box = circleBox();
    if (!stroke || box.isEmpty())
        return;
    const int64_t doubledX = int64_t(box.left) + box.right;
    const int64_t doubledY = int64_t(box.top) + box.bottom;
    const double radius = double(box.right - box.left) / 2 - 0.5;
    const ShapeEllipse circle{{doubledX / 2.0, doubledY / 2.0}, radius, radius, 0};
    if (sweep_ == 360.0 || sweep_ == 0.0) {
        sink.ellipse(circle, *stroke);
        return;
    }
    // The same radials as the screen's arc: from the start point's
    // counter-clockwise to the end point's.
    const Point c{int32_t(doubledX / 2), int32_t(doubledY / 2)};
    const Point p = points()[0];
    const Point start = sweep_ > 0 ? p : rotatePointAbout(c, p, -sweep_);
    const Point end = sweep_ > 0 ? rotatePointAbout(c, p, 360.0 - sweep_) : p;
    auto radial = [&](Point q) -> std::pair<int64_t, int64_t> {
        const int64_t x = 2 * int64_t(q.x) - doubledX;
        const int64_t y = 2 * int64_t(q.y) - doubledY;
        return x == 0 && y == 0 ? std::pair<int64_t, int64_t>{1, 0} : std::pair{x, y};
    };
    const auto [sx, sy] = radial(start);
    const auto [ex, ey] = radial(end);
    if (sx * ey - sy * ex == 0 && sx * ex + sy * ey > 0) {
        sink.ellipse(circle, *stroke); // one radial: the whole circle
        return;
    }
    const double from = std::atan2(double(sy), double(sx));
    double counterClockwise = std::fmod(from - std::atan2(double(ey), double(ex)), 2 * std::numbers::pi);
    if (counterClockwise <= 0)
        counterClockwise += 2 * std::numbers::pi;
    sink.ellipseArc(circle, from, -counterClockwise, *stroke);
}

} // namespace loopora
