#pragma once
// Symbols composed of primitives and smaller symbols by a short build of their
// own: chain groups, post stitches, clusters, single decreases, yarn marks and
// the rest. Each family's builds are short functions written in the symbol
// builder's words, in one header of their own (ChainGroups.h, Clusters.h,
// SpecialStitches.h, YarnMarks.h) that the type table reads; the type table
// pairs each type id with its build.

#include "elements/GroupElement.h"

namespace loopora {

class SymbolBuilder;

// Adds the parts for the frame p0 (base), p1 (top); false when one cannot be built.
using ComposedBuild = bool (*)(SymbolBuilder& parts, Point p0, Point p1);

class CComposedSymbol : public CGroupElement {
public:
    CComposedSymbol(int32_t typeId, ComposedBuild build) : CGroupElement(typeId), build_(build) {}

    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override { return cloneAs<CComposedSymbol>(typeId(), build_); }

private:
    ComposedBuild build_;
};

} // namespace loopora
