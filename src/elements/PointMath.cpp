#include "elements/PointMath.h"

#include "platform/Numeric.h"

#include <cmath>

namespace loopora {

Affine Affine::then(const Affine& n) const
{
    return {m11 * n.m11 + m12 * n.m21, m11 * n.m12 + m12 * n.m22, m21 * n.m11 + m22 * n.m21,
            m21 * n.m12 + m22 * n.m22, dx * n.m11 + dy * n.m21 + n.dx, dx * n.m12 + dy * n.m22 + n.dy};
}

Affine Affine::rotation(double radians)
{
    double c = std::cos(radians);
    double s = std::sin(radians);
    return {c, s, -s, c, 0, 0};
}

Affine Affine::about(Point c, const Affine& t)
{
    return translation(-double(c.x), -double(c.y)).then(t).then(translation(c.x, c.y));
}

Point transformTruncated(const Affine& m, Point p)
{
    auto [x, y] = m.apply(p.x, p.y);
    return {truncToInt(x), truncToInt(y)};
}

Point transformRounded(const Affine& m, Point p)
{
    auto [x, y] = m.apply(p.x, p.y);
    return {roundHalfUp(x), roundHalfUp(y)};
}

Point rotatePointAbout(Point centre, Point p, double degrees)
{
    return rotatePointAboutRadians(centre, p, degrees * kRotationDegreeFactor);
}

Point rotatePointAboutRadians(Point centre, Point p, double radians)
{
    return transformRounded(Affine::about(centre, Affine::rotation(radians)), p);
}

void moveToward(Point a, Point& b, double t)
{
    b = {truncToInt((1 - t) * b.x + t * a.x), truncToInt((1 - t) * b.y + t * a.y)};
}

namespace {

// from + u * (to - from), rounded.
Point along(Point from, Point to, double u)
{
    return {roundHalfUp(from.x + u * (double(to.x) - from.x)), roundHalfUp(from.y + u * (double(to.y) - from.y))};
}

} // namespace

void shiftSideways(Point& a, Point& b, double degrees)
{
    double u = std::tan(degrees * kTangentDegreeFactor);
    a = rotatePointAboutRadians(a, along(a, b, u), kThreeQuarterTurn);
    b = rotatePointAboutRadians(b, along(b, a, u), kQuarterTurn);
}

void crossSegment(Point& a, Point& b, double t)
{
    Point q = along(b, a, t);
    Point pivot = b;
    a = rotatePointAboutRadians(pivot, q, kQuarterTurn);
    b = rotatePointAboutRadians(pivot, q, kThreeQuarterTurn);
}

std::pair<Point, Point> tiltStartPoints(Point a, Point b, bool keepLength, double degrees)
{
    if (keepLength)
        return {rotatePointAbout(b, a, degrees), b};
    Point q = along(a, b, std::tan(degrees * kTangentDegreeFactor));
    return {rotatePointAbout(a, q, 270.0), b};
}

std::pair<Point, Point> tiltEndPoints(Point a, Point b, bool keepLength, double degrees)
{
    if (keepLength)
        return {a, rotatePointAbout(a, b, degrees)};
    Point q = along(b, a, std::tan(degrees * kTangentDegreeFactor));
    return {a, rotatePointAbout(b, q, 270.0)};
}

} // namespace loopora
