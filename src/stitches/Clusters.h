#pragma once
// Clusters and bobbles (almond outlines of lens pairs around a stem or a small
// stitch) and the single decreases.

#include "stitches/ComposedSymbol.h"

namespace loopora::build {

bool double1to3Zao(SymbolBuilder& parts, Point p0, Point p1);
bool double1to5Zao(SymbolBuilder& parts, Point p0, Point p1);
bool double1to2ZaoSet(SymbolBuilder& parts, Point p0, Point p1);
bool double1to3ZaoSet(SymbolBuilder& parts, Point p0, Point p1);
bool double1to5ZaoSet(SymbolBuilder& parts, Point p0, Point p1);
bool double1to5Cron(SymbolBuilder& parts, Point p0, Point p1);
bool double1to5CronSet(SymbolBuilder& parts, Point p0, Point p1);
bool qibao(SymbolBuilder& parts, Point p0, Point p1);
bool variantZao(SymbolBuilder& parts, Point p0, Point p1);
// Two legs meeting at the top point and a small single near the base.
bool single2to1(SymbolBuilder& parts, Point p0, Point p1);
bool single3to1(SymbolBuilder& parts, Point p0, Point p1);

} // namespace loopora::build
