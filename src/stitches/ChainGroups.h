#pragma once
// Chains in a row, end to end, and the chain with side loops.

#include "stitches/ComposedSymbol.h"

namespace loopora::build {

bool chain2(SymbolBuilder& parts, Point p0, Point p1);
bool chain3(SymbolBuilder& parts, Point p0, Point p1);
// A chain with a loop standing out beside each end, both on the right of an upright symbol.
bool chain3Teeth(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
