#pragma once
// Symbols composed of primitives and smaller symbols by a short build of their
// own: chain groups, scratches, clusters, single decreases and the rest. Each
// is a row of a table: its type id, whether rows and arcs accept it, and its
// build.

#include "elements/GroupElement.h"

namespace loopora {

class SymbolBuilder;

enum class Arrangeable { None, RowAndArc, Everywhere };

struct SymbolKind {
    int32_t typeId;
    Arrangeable arrangeable;
    // Adds the parts for the frame p0 (base), p1 (top); false when one cannot be built.
    bool (*build)(SymbolBuilder& parts, Point p0, Point p1);
};

class CComposedSymbol : public CGroupElement {
public:
    explicit CComposedSymbol(const SymbolKind& kind) : CGroupElement(kind.typeId), kind_(&kind) {}

    bool assignState(const ElementState& state) override;
    bool canArrangeInRow() const override { return kind_->arrangeable != Arrangeable::None; }
    bool canArrangeInArc() const override { return kind_->arrangeable != Arrangeable::None; }
    bool canArrangeInLoopedArc() const override { return kind_->arrangeable == Arrangeable::Everywhere; }
    std::unique_ptr<CChartElement> clone() const override { return cloneAs<CComposedSymbol>(*kind_); }

private:
    const SymbolKind* kind_;
};

// Installs a prototype for every kind of a family's table.
void installComposedSymbols(const SymbolKind* kinds, size_t count);

void installChainGroupTypes();
void installScratchAndSpecialTypes();
void installClusterTypes();

} // namespace loopora
