#pragma once
// Post stitches (a basic stitch standing on three quarters of a ring), the
// twisted single, the single in the back loop under its cup, stitches worked
// in one loop, the reverse single, the spike single, crossed doubles, the
// Y-stitch and its inverted form, and the double with a picot across its top.

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "platform/Numeric.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/SlipStitchDot.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {

// The stitch stands on the split point r, 2/Divisor of the way up; the ring hangs below it on the
// diameter r-p0, open at the top (front post, sweep -270) or at the back (back post, +270).
template <int32_t StitchType, int Divisor, int Sweep>
bool postStitch(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, Divisor - 2, p1, 2, Divisor);
    return parts.add(StitchType, r, p1) && parts.arc(r, p0, Sweep);
}

inline bool twistedSingle(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 1, p1, 3, 4);
    if (!parts.arc(r, p1, 360.0) || !parts.add(typeids::kSingle, r, p0))
        return false;
    parts.last()->rotate(weighted(p0, 1, r, 1, 2), 45.0);
    Point u = weighted(r, 1, p0, 2, 3);
    return parts.arc(r, rotatePointAbout(r, u, 140), -80.0) && parts.arc(r, rotatePointAbout(r, u, -140), 80.0);
}

// A single hanging in a cup: two arms beside it and a half ring over one.
inline bool singleInBackLoop(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 3, p1, 1, 4);
    Point a1 = r, b1 = p1;
    shiftSideways(a1, b1, -20.0);
    Point a2 = r, b2 = p1;
    shiftSideways(a2, b2, 20.0);
    return parts.line(a1, b1) && parts.line(a2, b2) && parts.arc(a2, b2, -180.0) &&
           parts.add(typeids::kSingle, p1, weighted(p1, 1, r, 1, 2));
}

// Which loop of the stitch below a stitch is worked in.
enum class Loop { Front, Back };

// The stitch stands on r, a fifth of the way up, over the mark of its loop:
// a half ring as wide as two fifths of the stem, opening up under the stitch
// for the back loop, opening down for the front loop.
template <int32_t StitchType, Loop Worked>
bool inOneLoop(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 4, p1, 1, 5);
    if (Worked == Loop::Back) {
        auto [left, right] = besideBase(r, p1, 1, 4);
        return parts.arc(left, right, 180.0) && parts.add(StitchType, r, p1);
    }
    auto [left, right] = besideBase(p0, p1, 1, 5);
    return parts.arc(left, right, -180.0) && parts.add(StitchType, r, p1);
}

// A single over a wave across its foot: worked backwards, from left to right.
inline bool reverseSingle(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 3, p1, 1, 4);
    Point m = weighted(p0, 1, r, 1, 2);
    auto [left, right] = besideBase(m, p1, 2, 7);
    return parts.add(typeids::kSingle, r, p1) && parts.arc(left, m, -180.0) && parts.arc(m, right, 180.0);
}

// A single whose stem reaches down into the round below: its cross stands
// in the top two thirds, the stem goes on to the base.
inline bool spikeSingle(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 2, p1, 1, 3);
    return parts.line(p0, r) && parts.add(typeids::kSingle, r, p1);
}

// Two doubles worked into two stitches, crossing: the first from the left
// base to the right top, then a white dot that breaks it where the second,
// from the right base to the left top, passes in front of it.
inline bool crossedDoubles(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [baseLeft, baseRight] = besideBase(p0, p1, 1, 4);
    const Point rise{p1.x - p0.x, p1.y - p0.y};
    const Point topLeft{baseLeft.x + rise.x, baseLeft.y + rise.y};
    const Point topRight{baseRight.x + rise.x, baseRight.y + rise.y};
    Point gapStart = weighted(baseRight, 5, topLeft, 3, 8);
    Point gapEnd = weighted(baseRight, 3, topLeft, 5, 8);
    return parts.add(typeids::kDouble, baseLeft, topRight) &&
           parts.add(typeids::kSlipStitch, gapStart, gapEnd,
                     [](CChartElement& e) { static_cast<CSlipStitchDot&>(e).setWhiteFill(true); }) &&
           parts.add(typeids::kDouble, baseRight, topLeft);
}

// A stem with a double's slash up to the middle, where it forks into two
// arms with bars, each half the stem long, leaning a quarter turn apart.
inline bool yStitch(SymbolBuilder& parts, Point p0, Point p1)
{
    Point m = weighted(p0, 1, p1, 1, 2);
    return parts.line(p0, m) && parts.slash(p0, m, {1, 2}) && parts.legTurned(typeids::kHalfDouble, m, p1, -25) &&
           parts.legTurned(typeids::kHalfDouble, m, p1, 25);
}

// Two legs with a double's slash each, from bases a fifth of the stem apart
// on either side, meeting in the middle; one stem with a bar from there up.
inline bool invertedYStitch(SymbolBuilder& parts, Point p0, Point p1)
{
    Point m = weighted(p0, 1, p1, 1, 2);
    auto [left, right] = besideBase(p0, p1, 1, 5);
    return parts.line(left, m) && parts.slash(left, m, {1, 2}) && parts.line(right, m) &&
           parts.slash(right, m, {1, 2}) && parts.add(typeids::kHalfDouble, m, p1);
}

// A double with a chain lying across its top, a seventh of the stem long and
// then a fifth longer. Only charts loaded from files hold it.
inline bool doubleWithPicot(SymbolBuilder& parts, Point p0, Point p1)
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
