#pragma once
// Puffs, popcorns and bobbles (almond outlines of lens pairs around a stem
// or a small stitch) and the single decreases.

#include "stitches/ComposedSymbol.h"

namespace loopora::build {

// Puffs: a half-double stem in an almond, the strands' bases together or apart.
bool puff3(SymbolBuilder& parts, Point p0, Point p1);
bool puff5(SymbolBuilder& parts, Point p0, Point p1);
bool puff2LegsApart(SymbolBuilder& parts, Point p0, Point p1);
bool puff3LegsApart(SymbolBuilder& parts, Point p0, Point p1);
bool puff5LegsApart(SymbolBuilder& parts, Point p0, Point p1);
// A puff closed by a chain above it.
bool puffClosedWithChain(SymbolBuilder& parts, Point p0, Point p1);
// Popcorns: a stem in nested outlines under a chain cap.
bool popcorn5(SymbolBuilder& parts, Point p0, Point p1);
bool popcorn5LegsApart(SymbolBuilder& parts, Point p0, Point p1);
// An almond from the base with a single's cross on top.
bool bobble(SymbolBuilder& parts, Point p0, Point p1);
// Two legs meeting at the top point and a small single near the base.
bool sc2tog(SymbolBuilder& parts, Point p0, Point p1);
bool sc3tog(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
