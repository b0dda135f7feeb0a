#include "stitches/LegStitch.h"

#include "elements/PointMath.h"
#include "platform/Numeric.h"
#include "stitches/SymbolBuilder.h"

#include <cstdlib>

namespace loopora {

void appendSlash(std::vector<Point>& out, Point a, Point b, SlashFraction f, double angle, bool towardBase,
                 bool roundQ)
{
    Point m = pointAtFraction(a, b, f.num, f.den);
    double ox = towardBase ? (double(a.x) - b.x) / 8.0 : (double(b.x) - a.x) / 8.0;
    double oy = towardBase ? (double(a.y) - b.y) / 8.0 : (double(b.y) - a.y) / 8.0;
    Point q = roundQ ? Point{roundHalfUp(m.x + ox), roundHalfUp(m.y + oy)} : Point{truncToInt(m.x + ox), truncToInt(m.y + oy)};
    out.push_back(rotatePointAbout(m, q, angle));
    out.push_back(rotatePointAbout(m, q, angle + 180.0));
}

namespace {

// The fourth corner of the parallelogram a, b, b2 (b2 is b tilted): the point
// through which a top bar at b2 runs perpendicular to the untilted stem.
Point parallelogramCorner(Point a, Point b, Point b2)
{
    if (std::abs(int64_t(a.y) - b.y) <= 1)
        return {a.x + b2.x - b.x, b2.y};
    if (std::abs(int64_t(a.x) - b.x) <= 1)
        return {b2.x, a.y - b.y + b2.y};
    // The line through b2 parallel to a->b meets the line through a parallel to b->b2.
    double m1 = (double(b.y) - a.y) / (double(b.x) - a.x);
    double m2 = b2.x == b.x ? kVerticalSlope : (double(b2.y) - b.y) / (double(b2.x) - b.x);
    if (m1 == m2)
        return {a.x + b2.x - b.x, a.y + b2.y - b.y};
    double x = (double(a.y) - b2.y + m1 * b2.x - m2 * a.x) / (m1 - m2);
    double y = m1 * (x - b2.x) + b2.y;
    return {roundHalfUp(x), roundHalfUp(y)};
}

} // namespace

std::vector<Point> CLegStitch::tiltEnd(Point a, Point b, bool keepLength, double degrees, bool withTopBar,
                                       bool parallelTopBar)
{
    auto [base, top] = tiltEndPoints(a, b, keepLength, degrees);
    std::vector<Point> out{base, top};
    for (int i = 0; i < style_->slashCount; ++i)
        appendSlash(out, base, top, style_->slashes[size_t(i)], style_->slashAngle, true, true);
    if (!withTopBar || style_->topBarK == 0)
        return out;
    Point x = (!parallelTopBar || degrees == 0) ? a : parallelogramCorner(a, b, top);
    const double k = style_->topBarK;
    Point t{roundHalfUp((k * top.x + x.x) / (k + 1)), roundHalfUp((k * top.y + x.y) / (k + 1))};
    topBarStart_ = rotatePointAbout(top, t, 90);
    topBarEnd_ = rotatePointAbout(top, t, 270);
    out.push_back(topBarStart_);
    out.push_back(topBarEnd_);
    return out;
}

std::vector<Point> CLegStitch::tiltStart(Point a, Point b, bool keepLength, double degrees)
{
    auto [base, top] = tiltStartPoints(a, b, keepLength, degrees);
    std::vector<Point> out{base, top};
    for (int i = 0; i < style_->slashCount; ++i)
        appendSlash(out, base, top, style_->slashes[size_t(i)], style_->slashAngle, false, true);
    return out;
}

bool CLegStitch::addLegsFromBase(SymbolBuilder& parts, Point a, Point b, bool keepLength, double degrees,
                                 bool parallelTopBar)
{
    return parts.lines(tiltEnd(a, b, keepLength, degrees, true, parallelTopBar));
}

bool CLegStitch::addLegsFromTop(SymbolBuilder& parts, Point a, Point b, bool keepLength, double degrees)
{
    return parts.lines(tiltStart(a, b, keepLength, degrees));
}

} // namespace loopora
