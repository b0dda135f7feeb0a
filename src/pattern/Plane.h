#pragma once
// Points of the chart in doubles, for reading where stitches stand: a stitch
// read from its rounded strokes sits between whole pixels.

#include "platform/Geometry.h"

#include <cmath>

namespace loopora::pattern {

struct Vec {
    double x = 0;
    double y = 0;

    static Vec of(Point p) { return {double(p.x), double(p.y)}; }
    friend Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
    friend Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
    friend Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
    friend bool operator==(Vec, Vec) = default;
    double dot(Vec b) const { return x * b.x + y * b.y; }
    // Not std::hypot: its care for overflow costs a reading of a large chart a third of its time.
    double length() const { return std::sqrt(x * x + y * y); }
};

inline double distance(Vec a, Vec b) { return (a - b).length(); }
inline Vec midpoint(Vec a, Vec b) { return (a + b) * 0.5; }

constexpr double kPi = 3.14159265358979323846;

// The angle of p about c as a crocheter sees the chart: counter-clockwise on
// the screen is positive (y grows downwards), in [0, 2 pi).
inline double angleAbout(Vec c, Vec p)
{
    double a = std::atan2(c.y - p.y, p.x - c.x);
    return a < 0 ? a + 2 * kPi : a;
}
// An angle brought into [0, 2 pi).
inline double wrapTurn(double a)
{
    a = std::fmod(a, 2 * kPi);
    return a < 0 ? a + 2 * kPi : a;
}
// An angle difference brought into (-pi, pi].
inline double wrapHalfTurn(double a)
{
    a = wrapTurn(a);
    return a > kPi ? a - 2 * kPi : a;
}

} // namespace loopora::pattern
