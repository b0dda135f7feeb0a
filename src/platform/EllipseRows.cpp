#include "platform/EllipseRows.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace loopora::raster {

namespace {

__extension__ using Wide = __int128;

} // namespace

EllipseRows::EllipseRows(const DevRect& box) : box_(box), width_(box.width()), height_(box.height()) {}

// In doubled coordinates about the centre, the pixel in column x and row y is
// at U = 2(x-left)+1-w, V = 2(y-top)+1-h, and lies inside when
// U^2 h^2 + V^2 w^2 <= w^2 h^2. U has the parity of w-1, so the row's span is
// the largest such U of that parity, mirrored.
Span EllipseRows::row(int64_t y) const
{
    if (y < box_.top || y >= box_.bottom)
        return {};
    const int64_t w = width_;
    const int64_t h = height_;
    const int64_t v = 2 * (y - box_.top) + 1 - h;
    if (std::abs(v) <= 1)
        return {box_.left, box_.right - 1};

    const int64_t rowRoom = h * h - v * v; // > 0 inside the box
    const Wide limit = Wide(w) * w * rowRoom;
    const Wide hh = Wide(h) * h;
    auto fits = [&](int64_t u) { return Wide(u) * u * hh <= limit; };

    // A floating-point estimate, then exact correction of its last bit or two.
    int64_t u = int64_t(double(w) * std::sqrt(double(rowRoom)) / double(h));
    u = std::clamp<int64_t>(u, 0, w);
    while (u < w && fits(u + 1))
        ++u;
    while (u > 0 && !fits(u))
        --u;
    const int64_t parity = (w - 1) & 1;
    if (((u - parity) & 1) != 0)
        --u;
    u = std::clamp(u, parity, w - 1); // at least the middle pixel(s)
    return {box_.left + (w - 1 - u) / 2, box_.left + (w - 1 + u) / 2};
}

Span EllipseRows::interior(int64_t y) const
{
    const Span here = row(y);
    const Span above = row(y - 1);
    const Span below = row(y + 1);
    if (here.empty() || above.empty() || below.empty())
        return {};
    return {std::max({here.lo + 1, above.lo, below.lo}), std::min({here.hi - 1, above.hi, below.hi})};
}

} // namespace loopora::raster
