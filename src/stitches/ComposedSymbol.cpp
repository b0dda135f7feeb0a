#include "stitches/ComposedSymbol.h"

#include "elements/PrototypeTable.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {

bool CComposedSymbol::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(*this, state);
    if (!kind_->build(parts, p0, p1))
        return false;
    parts.finish(*this);
    return true;
}

void installComposedSymbols(const SymbolKind* kinds, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        PrototypeTable::install(kinds[i].typeId, std::make_unique<CComposedSymbol>(kinds[i]));
}

} // namespace loopora
