#include "stitches/SpecialStitches.h"

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "platform/Numeric.h"

namespace loopora::build {

bool twistedSingle(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 1, p1, 3, 4);
    if (!parts.arc(r, p1, 360.0) || !parts.add(typeids::kSingle, r, p0))
        return false;
    parts.last()->rotate(weighted(p0, 1, r, 1, 2), 45.0);
    Point u = weighted(r, 1, p0, 2, 3);
    return parts.arc(r, rotatePointAbout(r, u, 140), -80.0) && parts.arc(r, rotatePointAbout(r, u, -140), 80.0);
}

bool singleInBackLoop(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 3, p1, 1, 4);
    Point a1 = r, b1 = p1;
    shiftSideways(a1, b1, -20.0);
    Point a2 = r, b2 = p1;
    shiftSideways(a2, b2, 20.0);
    return parts.line(a1, b1) && parts.line(a2, b2) && parts.arc(a2, b2, -180.0) &&
           parts.add(typeids::kSingle, p1, weighted(p1, 1, r, 1, 2));
}

bool doubleWithPicot(SymbolBuilder& parts, Point p0, Point p1)
{
    if (!parts.add(typeids::kDouble, p0, p1))
        return false;
    Point a = p0, b = p1;
    crossSegment(a, b, 1.0 / 14);
    Point centre = p1;
    Point a2{centre.x + truncToInt(1.2 * (double(a.x) - centre.x)), centre.y + truncToInt(1.2 * (double(a.y) - centre.y))};
    Point b2{centre.x + truncToInt(1.2 * (double(b.x) - centre.x)), centre.y + truncToInt(1.2 * (double(b.y) - centre.y))};
    return parts.add(typeids::kChain, a2, b2);
}

} // namespace loopora::build
