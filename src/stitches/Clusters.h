#pragma once
// Puffs, popcorns and bobbles (almond outlines of lens pairs around a stem
// or a small stitch) and the single decreases.

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {

namespace detail {

// The strands of five standing apart: an inner pair of lenses from a
// twelfth of the stem beside the base, an outer pair from two twelfths.
inline bool fiveStrandsApart(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h1, k1] = besideBase(p0, p1, 1, 12);
    auto [h2, k2] = besideBase(p0, p1, 2, 12);
    return parts.lens(p1, h1, 1.55) && parts.lens(k1, p1, 1.55) && parts.lens(p1, h2, 1.4) &&
           parts.lens(k2, p1, 1.4);
}

} // namespace detail

// Puffs: a half-double stem in an almond, the strands' bases together or apart.
inline bool puff3(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && parts.almond(p0, p1, 1.4);
}

inline bool puff5(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && parts.almond(p0, p1, 1.5) && parts.almond(p0, p1, 1.25);
}

inline bool puff2LegsApart(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h, k] = besideBase(p0, p1, 1, 10);
    return parts.topBar(p0, p1) && parts.lens(p1, h, 1.5) && parts.lens(k, p1, 1.5);
}

inline bool puff3LegsApart(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [h, k] = besideBase(p0, p1, 1, 10);
    return parts.add(typeids::kHalfDouble, p0, p1) && parts.lens(p1, h, 1.5) && parts.lens(k, p1, 1.5);
}

inline bool puff5LegsApart(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.add(typeids::kHalfDouble, p0, p1) && detail::fiveStrandsApart(parts, p0, p1);
}

// Popcorns: a stem in nested outlines under a chain cap.
inline bool popcorn5(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p0, p1) && parts.almond(p0, p1, 1.5) && parts.almond(p0, p1, 1.25) &&
           parts.popcornCap(p0, p1);
}

inline bool popcorn5LegsApart(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p0, p1) && detail::fiveStrandsApart(parts, p0, p1) && parts.popcornCap(p0, p1);
}

// An almond from the base with a single's cross on top.
inline bool bobble(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p1, 3, p0, 2, 5);
    Point t = weighted(p1, 1, r, 2, 3);
    return parts.add(typeids::kSingle, p1, r) && parts.lens(t, p0, 1.3) && parts.lens(p0, t, 1.3);
}

// A puff closed by a chain above it.
inline bool puffClosedWithChain(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p1, 5, p0, 3, 8);
    if (!parts.line(p0, r) || !parts.almond(p0, r, 1.4) || !parts.add(typeids::kChain, r, p1))
        return false;
    Point a = r, b = p1;
    crossSegment(a, b, 0.4);
    return parts.line(a, b);
}

// Two legs meeting at the top point and a small single near the base.
inline bool sc2tog(SymbolBuilder& parts, Point p0, Point p1)
{
    return parts.line(p1, rotatePointAbout(p1, p0, 30)) && parts.line(p1, rotatePointAbout(p1, p0, 330)) &&
           parts.add(typeids::kSingle, weighted(p1, 1, p0, 2, 3), p0);
}

inline bool sc3tog(SymbolBuilder& parts, Point p0, Point p1)
{
    return sc2tog(parts, p0, p1) && parts.line(p1, weighted(p1, 3, p0, 4, 7));
}

} // namespace loopora::build
