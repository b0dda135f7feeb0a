#pragma once
// Post stitches (a basic stitch standing on three quarters of a ring), the
// twisted single, the single in the back loop and the double with a picot
// across its top.

#include "stitches/ComposedSymbol.h"
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

bool twistedSingle(SymbolBuilder& parts, Point p0, Point p1);
// A single hanging in a cup: two arms beside it and a half ring over one.
bool singleInBackLoop(SymbolBuilder& parts, Point p0, Point p1);
// A double with a chain lying across its top, a seventh of the stem long and
// then a fifth longer. Only charts loaded from files hold it.
bool doubleWithPicot(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
