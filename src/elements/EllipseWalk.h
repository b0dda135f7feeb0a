#pragma once
// The integer midpoint walk that chain ovals and lens curves are plotted with,
// pixel by pixel, and the orientation that lays a walked offset along a chord.
// Ovals too long to walk are drawn from their equation instead (TiltedEllipse).

#include "elements/PointMath.h"
#include "platform/Numeric.h"
#include "platform/TiltedEllipse.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace loopora {

// Ovals with a longer axis are not walked: a walk costs time in proportion
// to the oval's size, however little of it shows. No chart made by hand comes
// near: such a chain stitch would be seven sheets long.
constexpr int64_t kLongestWalkedAxis = 2048;

// Walks the quarter x, y >= 0 of the ellipse x^2/across^2 + y^2/along^2 = 1
// in two regions, starting at (0, along), and hands every visited offset to
// four, which stands for its four mirror images (x, y), (-x, y), (x, -y), (-x, -y).
template <typename Four>
void walkEllipseQuarter(int64_t along, int64_t across, Four&& four)
{
    const int64_t a = std::clamp<int64_t>(along, 0, kLongestWalkedAxis);
    const int64_t b = std::clamp<int64_t>(across, 0, kLongestWalkedAxis);
    const int64_t a2 = a * a;
    const int64_t b2 = b * b;
    int64_t x = 0;
    int64_t y = a;
    int64_t decision = int64_t(std::trunc(double(a2) - double(b2) * a + double(b2) / 4.0 + 0.5));
    int64_t stepX = 0;          // 2 a^2 x
    int64_t stepY = 2 * b2 * y; // 2 b^2 y
    while (stepX < stepY) {
        four(x, y);
        ++x;
        stepX += 2 * a2;
        if (decision < 0) {
            decision += stepX + a2;
        } else {
            --y;
            stepY -= 2 * b2;
            decision += stepX - stepY + a2;
        }
    }
    decision = int64_t(std::trunc(double(a2) * (x + 0.5) * (x + 0.5) + double(b2) * (y - 1) * (y - 1) -
                                  double(a2) * double(b2) + 0.5));
    while (y >= 0) {
        four(x, y);
        --y;
        stepY -= 2 * b2;
        if (decision > 0) {
            decision += b2 - stepY;
        } else {
            ++x;
            stepX += 2 * a2;
            decision += stepX - stepY + b2;
        }
    }
}

// The same walk handing each of the four mirror images to visit in turn.
template <typename Visit>
void walkEllipse(int64_t along, int64_t across, Visit&& visit)
{
    walkEllipseQuarter(along, across, [&](int64_t x, int64_t y) {
        visit(x, y);
        visit(-x, y);
        visit(x, -y);
        visit(-x, -y);
    });
}

// Lays an offset (x across, y along) onto the chart: the point
// (centre.x + s*x - c*y, centre.y + c*x + s*y).
struct ChordOrientation {
    double s = 0;
    double c = 0;

    // The slope m of the chord, kVerticalSlope for a vertical one; cNegativeAtZero
    // says whether a slope of exactly 0 takes the negative c (ovals) or not (lenses).
    static ChordOrientation fromSlope(double m, bool cNegativeAtZero)
    {
        double n = std::sqrt(m * m + 1);
        bool negative = cNegativeAtZero ? m >= 0 : m > 0;
        return {std::fabs(m / n), negative ? -1 / n : 1 / n};
    }

    Point place(Point centre, int64_t x, int64_t y) const
    {
        return {roundFractionUp(centre.x + s * double(x) - c * double(y)),
                roundFractionUp(centre.y + c * double(x) + s * double(y))};
    }
};

// One oval of a plotted figure: where it stands, its two semi-axes and which way it lies.
struct PlottedOval {
    Point centre;
    int64_t along = 0;
    int64_t across = 0;
    ChordOrientation orientation;

    bool walked() const { return along <= kLongestWalkedAxis && across <= kLongestWalkedAxis; }
    TiltedEllipse equation() const
    {
        return {double(centre.x), double(centre.y), orientation.s, orientation.c, double(along), double(across)};
    }
};

// The slope of the segment from q to p as (p.y - q.y) / (p.x - q.x), with the
// stand-in slope for a vertical segment.
inline double slopeOf(Point p, Point q)
{
    return p.x == q.x ? kVerticalSlope : double(int64_t(p.y) - q.y) / double(int64_t(p.x) - q.x);
}

} // namespace loopora
