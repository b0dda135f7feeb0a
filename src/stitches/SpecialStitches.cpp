// Scratch stitches (a basic stitch standing on three quarters of a ring), the
// twisted single, the U shape and the double with a chain across its top.

#include "elements/PointMath.h"
#include "platform/Numeric.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {
namespace {

// The stitch stands on the split point r, 2/Divisor of the way up; the ring hangs below it on the
// diameter r-p0, open at the top ("top" scratches, sweep -270) or at the back (+270).
template <int32_t StitchType, int Divisor, int Sweep>
bool scratch(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, Divisor - 2, p1, 2, Divisor);
    return parts.add(StitchType, r, p1) && parts.arc(r, p0, Sweep);
}

bool singleTwist(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 1, p1, 3, 4);
    if (!parts.arc(r, p1, 360.0) || !parts.add(typeids::kSingle, r, p0))
        return false;
    parts.last()->rotate(weighted(p0, 1, r, 1, 2), 45.0);
    Point u = weighted(r, 1, p0, 2, 3);
    return parts.arc(r, rotatePointAbout(r, u, 140), -80.0) && parts.arc(r, rotatePointAbout(r, u, -140), 80.0);
}

bool uShape(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, 3, p1, 1, 4);
    Point a1 = r, b1 = p1;
    shiftSideways(a1, b1, -20.0);
    Point a2 = r, b2 = p1;
    shiftSideways(a2, b2, 20.0);
    return parts.line(a1, b1) && parts.line(a2, b2) && parts.arc(a2, b2, -180.0) &&
           parts.add(typeids::kSingle, p1, weighted(p1, 1, r, 1, 2));
}

// A double with a chain lying across its top, a seventh of the stem long and
// then a fifth longer. Only charts loaded from files hold it.
bool doubleWithChainTop(SymbolBuilder& parts, Point p0, Point p1)
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

constexpr SymbolKind kSpecials[] = {
    {64, Arrangeable::Everywhere, scratch<typeids::kDouble, 5, -270>},
    {1, Arrangeable::Everywhere, scratch<typeids::kDouble, 5, 270>},
    {49, Arrangeable::Everywhere, scratch<typeids::kHalfDouble, 5, -270>},
    {48, Arrangeable::Everywhere, scratch<typeids::kHalfDouble, 5, 270>},
    {62, Arrangeable::Everywhere, scratch<typeids::kSingle, 5, -270>},
    {61, Arrangeable::Everywhere, scratch<typeids::kSingle, 5, 270>},
    {67, Arrangeable::Everywhere, scratch<typeids::kTreble, 7, -270>},
    {66, Arrangeable::Everywhere, scratch<typeids::kTreble, 7, 270>},
    {63, Arrangeable::Everywhere, singleTwist},
    {69, Arrangeable::Everywhere, uShape},
    {typeids::kDoubleWithChainTop, Arrangeable::Everywhere, doubleWithChainTop},
};

} // namespace

void installScratchAndSpecialTypes() { installComposedSymbols(kSpecials, std::size(kSpecials)); }

} // namespace loopora
