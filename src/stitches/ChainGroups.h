#pragma once
// Chains in a row, end to end, and the picot: a chain with a loop standing
// out beside each end.

#include "stitches/ComposedSymbol.h"

namespace loopora::build {

bool chains2(SymbolBuilder& parts, Point p0, Point p1);
bool chains3(SymbolBuilder& parts, Point p0, Point p1);
// Its side loops both stand out on the right of an upright symbol.
bool picot(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
