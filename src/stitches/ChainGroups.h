#pragma once
// Chains in a row, end to end, and the picot: a chain with a loop standing
// out beside each end.

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {

inline bool chains2(SymbolBuilder& parts, Point p0, Point p1)
{
    Point m = weighted(p0, 1, p1, 1, 2);
    return parts.add(typeids::kChain, p0, m) && parts.add(typeids::kChain, m, p1);
}

inline bool chains3(SymbolBuilder& parts, Point p0, Point p1)
{
    // Each term is divided on its own, as the thirds have always been placed.
    Point t1{2 * p0.x / 3 + p1.x / 3, 2 * p0.y / 3 + p1.y / 3};
    Point t2{2 * p1.x / 3 + p0.x / 3, 2 * p1.y / 3 + p0.y / 3};
    return parts.add(typeids::kChain, p0, t1) && parts.add(typeids::kChain, t1, t2) &&
           parts.add(typeids::kChain, t2, p1);
}

// Its side loops both stand out on the right of an upright symbol.
inline bool picot(SymbolBuilder& parts, Point p0, Point p1)
{
    if (!parts.add(typeids::kChain, p0, p1))
        return false;
    Point c = rotatePointAbout(p0, p1, 90);
    if (!parts.add(typeids::kChain, c, weighted(c, 1, p0, 6, 7)))
        return false;
    Point d = rotatePointAbout(p1, p0, 270);
    return parts.add(typeids::kChain, d, weighted(d, 1, p1, 6, 7));
}

} // namespace loopora::build
