#include "platform/ShapeSink.h"

#include <cmath>

namespace loopora {

std::vector<double> dashSteps(ShapeDash dash)
{
    switch (dash) {
    case ShapeDash::Dash: return {18, 6};
    case ShapeDash::Dot: return {3, 3};
    case ShapeDash::DashDot: return {9, 6, 3, 6};
    case ShapeDash::DashDotDot: return {9, 3, 3, 3, 3, 3};
    case ShapeDash::Solid:
    default: return {};
    }
}

ShapePoint ShapeEllipse::at(double t) const
{
    const double ca = std::cos(angle);
    const double sa = std::sin(angle);
    const double u = along * std::cos(t);
    const double v = across * std::sin(t);
    return {centre.x + u * ca - v * sa, centre.y + u * sa + v * ca};
}

ShapeBox ShapeEllipse::box() const
{
    const double ca = std::cos(angle);
    const double sa = std::sin(angle);
    const double halfWidth = std::hypot(along * ca, across * sa);
    const double halfHeight = std::hypot(along * sa, across * ca);
    return {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight};
}

double ShapeEllipse::angleTowards(double direction) const
{
    // The direction in the ellipse's own axes, then stretched to the unit circle.
    const double p = std::cos(direction - angle);
    const double q = std::sin(direction - angle);
    if (along <= 0 || across <= 0)
        return std::atan2(across <= 0 ? 0.0 : q, along <= 0 ? 0.0 : p);
    return std::atan2(q / across, p / along);
}

} // namespace loopora
