#include "stitches/ComposedSymbol.h"

#include "stitches/SymbolBuilder.h"

namespace loopora {

bool CComposedSymbol::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    if (!build_(parts, p0, p1))
        return false;
    parts.finish(*this);
    return true;
}

} // namespace loopora
