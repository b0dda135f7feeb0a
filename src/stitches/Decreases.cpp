#include "stitches/Decreases.h"

#include "stitches/SymbolBuilder.h"

namespace loopora {

bool CDoubleDecrease::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    bool ok = true;
    if (recipe_->topBarFirst)
        ok = parts.topBar(p0, p1) && ok;
    for (int i = 0; i < recipe_->legCount; ++i) {
        const FanLeg& leg = recipe_->legs[size_t(i)];
        ok = addLegsFromTop(parts, p0, p1, leg.mode == LegMode::Turned, leg.angle) && ok;
    }
    if (!recipe_->topBarFirst)
        ok = parts.topBar(p0, p1) && ok;
    if (!ok)
        return false;
    parts.finish(*this);
    return true;
}

} // namespace loopora
