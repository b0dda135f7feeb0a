#pragma once
// Where the yarn comes in and goes out: triangles standing on the base with
// their point at the top, as wide as they are tall, outlined in the stitches'
// pen. Joining the yarn is an open triangle, fastening off a solid one.

#include "elements/TypeIds.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/SymbolBuilder.h"

namespace loopora::build {

inline bool joinYarn(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [left, right] = besideBase(p0, p1, 4, 7);
    return parts.line(left, right) && parts.line(right, p1) && parts.line(p1, left);
}

inline bool fastenOff(SymbolBuilder& parts, Point p0, Point p1)
{
    auto [left, right] = besideBase(p0, p1, 4, 7);
    return parts.triangleFill(left, right, p1) && joinYarn(parts, p0, p1);
}

} // namespace loopora::build
