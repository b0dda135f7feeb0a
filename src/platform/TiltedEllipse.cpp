#include "platform/TiltedEllipse.h"

#include <algorithm>
#include <cmath>

namespace loopora {
namespace {

// A semi-axis under half a pixel would make rows vanish from a thin ellipse.
double atLeastHalf(double v) { return std::isfinite(v) ? std::max(v, 0.5) : 0.5; }

} // namespace

double TiltedEllipse::halfWidth() const
{
    const double a = atLeastHalf(along);
    const double b = atLeastHalf(across);
    return std::sqrt(s * s * b * b + c * c * a * a);
}

double TiltedEllipse::halfHeight() const
{
    const double a = atLeastHalf(along);
    const double b = atLeastHalf(across);
    return std::sqrt(c * c * b * b + s * s * a * a);
}

int64_t TiltedEllipse::firstRow() const { return int64_t(std::floor(cy - halfHeight())); }

int64_t TiltedEllipse::lastRow() const { return int64_t(std::ceil(cy + halfHeight())); }

// With the offset (dx, dy) from the centre, the ellipse is
// a^2 (s dx + c dy)^2 + b^2 (s dy - c dx)^2 <= a^2 b^2; for a fixed dy the
// solutions in dx are centred on mid and reach half either way.
raster::Span TiltedEllipse::row(int64_t y) const
{
    const double a = atLeastHalf(along);
    const double b = atLeastHalf(across);
    const double h2 = c * c * b * b + s * s * a * a;
    const double dy = double(y) - cy;
    if (dy * dy > h2)
        return {};
    const double mid = cx - dy * s * c * (a * a - b * b) / h2;
    const double half = a * b * std::sqrt(h2 - dy * dy) / h2;
    const double lo = std::ceil(mid - half);
    const double hi = std::floor(mid + half);
    if (lo > hi)
        return {};
    return {raster::clampDevice(int64_t(lo)), raster::clampDevice(int64_t(hi))};
}

std::pair<raster::Span, raster::Span> TiltedEllipse::outline(int64_t y) const
{
    const raster::Span here = row(y);
    if (here.empty())
        return {};
    const raster::Span above = row(y - 1);
    const raster::Span below = row(y + 1);
    if (above.empty() || below.empty())
        return {here, {}};
    const raster::Span inner{std::max({here.lo + 1, above.lo, below.lo}), std::min({here.hi - 1, above.hi, below.hi})};
    if (inner.empty())
        return {here, {}};
    return {{here.lo, inner.lo - 1}, {inner.hi + 1, here.hi}};
}

std::pair<double, double> TiltedEllipse::rightmostOffset() const
{
    const double a = atLeastHalf(along);
    const double b = atLeastHalf(across);
    const double w = halfWidth();
    return {w, s * c * (b * b - a * a) / w};
}

std::pair<double, double> TiltedEllipse::lowestOffset() const
{
    const double a = atLeastHalf(along);
    const double b = atLeastHalf(across);
    const double h = halfHeight();
    return {s * c * (b * b - a * a) / h, h};
}

} // namespace loopora
