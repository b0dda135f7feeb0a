#pragma once
// Scratch stitches (a basic stitch standing on three quarters of a ring), the
// twisted single, the U shape and the double with a chain across its top.

#include "stitches/ComposedSymbol.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {

// The stitch stands on the split point r, 2/Divisor of the way up; the ring hangs below it on the
// diameter r-p0, open at the top ("top" scratches, sweep -270) or at the back (+270).
template <int32_t StitchType, int Divisor, int Sweep>
bool scratch(SymbolBuilder& parts, Point p0, Point p1)
{
    Point r = weighted(p0, Divisor - 2, p1, 2, Divisor);
    return parts.add(StitchType, r, p1) && parts.arc(r, p0, Sweep);
}

bool singleTwist(SymbolBuilder& parts, Point p0, Point p1);
bool uShape(SymbolBuilder& parts, Point p0, Point p1);
// A double with a chain lying across its top, a seventh of the stem long and
// then a fifth longer. Only charts loaded from files hold it.
bool doubleWithChainTop(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
