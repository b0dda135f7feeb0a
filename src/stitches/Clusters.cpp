#include "stitches/Clusters.h"

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "stitches/SlipStitchDot.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {
namespace {

// An almond around the segment a-b: two lenses over it in opposite order.
bool almond(SymbolBuilder& parts, Point a, Point b, double bulge)
{
    return parts.lens(a, b, bulge) && parts.lens(b, a, bulge);
}

// Two points beside p0 on the line through it square to the stem, each the
// fraction num/den of the stem away: h to one side, k to the other.
std::pair<Point, Point> spread(Point p0, Point p1, int num, int den)
{
    Point e = weighted(p0, den - num, p1, num, den);
    return {rotatePointAbout(p0, e, 270), rotatePointAbout(p0, e, 90)};
}

// The white dot that blanks out what lies under the cap, then the chain outline of the cap.
bool cronCap(SymbolBuilder& parts, Point p0, Point p1)
{
    Point k = weighted(p1, 7, p0, 1, 8);
    Point g{p1.x + (p1.x - p0.x) / 8, p1.y + (p1.y - p0.y) / 8};
    Point j1 = rotatePointAbout(k, g, 270);
    Point j2 = rotatePointAbout(k, g, 90);
    return parts.add(typeids::kSlipStitch, j1, j2,
                     [](CChartElement& e) { static_cast<CSlipStitchDot&>(e).setWhiteFill(true); }) &&
           parts.add(typeids::kChain, j1, j2);
}

bool spreadLenses(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h1, k1] = spread(p0, p1, 1, 12);
    auto [h2, k2] = spread(p0, p1, 2, 12);
    return parts.lens(p1, h1, 1.55) && parts.lens(k1, p1, 1.55) && parts.lens(p1, h2, 1.4) &&
           parts.lens(k2, p1, 1.4);
}

} // namespace

bool double1to3Zao(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && almond(parts, p0, p1, 1.4);
}

bool double1to5Zao(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && almond(parts, p0, p1, 1.5) && almond(parts, p0, p1, 1.25);
}

bool double1to2ZaoSet(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h, k] = spread(p0, p1, 1, 10);
    return parts.topBar(p0, p1) && parts.lens(p1, h, 1.5) && parts.lens(k, p1, 1.5);
}

bool double1to3ZaoSet(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h, k] = spread(p0, p1, 1, 10);
    return parts.add(typeids::kHalfDouble, p0, p1) && parts.lens(p1, h, 1.5) && parts.lens(k, p1, 1.5);
}

bool double1to5ZaoSet(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && spreadLenses(parts, p0, p1);
}

bool double1to5Cron(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p0, p1) && almond(parts, p0, p1, 1.5) && almond(parts, p0, p1, 1.25) &&
           cronCap(parts, p0, p1);
}

bool double1to5CronSet(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p0, p1) && spreadLenses(parts, p0, p1) && cronCap(parts, p0, p1);
}

bool qibao(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p1, 3, p0, 2, 5);
    Point t = weighted(p1, 1, r, 2, 3);
    return parts.add(typeids::kSingle, p1, r) && parts.lens(t, p0, 1.3) && parts.lens(p0, t, 1.3);
}

bool variantZao(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p1, 5, p0, 3, 8);
    if (!parts.line(p0, r) || !almond(parts, p0, r, 1.4) || !parts.add(typeids::kChain, r, p1))
        return false;
    Point a = r, b = p1;
    crossSegment(a, b, 0.4);
    return parts.line(a, b);
}

bool single2to1(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p1, rotatePointAbout(p1, p0, 30)) && parts.line(p1, rotatePointAbout(p1, p0, 330)) &&
           parts.add(typeids::kSingle, weighted(p1, 1, p0, 2, 3), p0);
}

bool single3to1(SymbolBuilder& parts, Point p0, Point p1)
{
    return single2to1(parts, p0, p1) && parts.line(p1, weighted(p1, 3, p0, 4, 7));
}

} // namespace loopora::build
