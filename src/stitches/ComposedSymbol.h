#pragma once
// Symbols composed of primitives and smaller symbols by a short build of their
// own: chain groups, scratches, clusters, single decreases and the rest. The
// type table pairs each type id with its build (ChainGroups.h, Clusters.h,
// SpecialStitches.h).

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
