#include "stitches/Decreases.h"

#include "elements/PrototypeTable.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {
namespace {

constexpr LegMode R = LegMode::Turned;
constexpr LegMode S = LegMode::Sheared;

// Turned legs have their bases on the circle about the top point; sheared
// ("flat") legs have them on the line through the base point.
constexpr DecreaseRow kDecreases[] = {
    {39, true, 2, {{{S, 10}, {S, -10}}}},
    {40, true, 3, {{{S, 20}, {S, 0}, {S, -20}}}},
    {41, true, 4, {{{S, 30}, {S, 10}, {S, -10}, {S, -30}}}},
    {42, false, 5, {{{S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}}}},
    {87, false, 6, {{{S, 40}, {S, 28}, {S, 10}, {S, -10}, {S, -28}, {S, -40}}}},
    {89, false, 7, {{{S, 41}, {S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}, {S, -41}}}},
    {83, true, 3, {{{R, 20}, {R, 0}, {R, -20}}}},
    {85, true, 4, {{{R, 30}, {R, 10}, {R, -10}, {R, -30}}}},
    {84, false, 5, {{{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}}}},
    {86, false, 6, {{{R, 45}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -45}}}},
    {88, false, 7, {{{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}}}},
};

} // namespace

bool CDoubleDecrease::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(*this, state);
    bool ok = true;
    if (row_->topBarFirst)
        ok = parts.topBar(p0, p1) && ok;
    for (int i = 0; i < row_->legCount; ++i) {
        const FanLeg& leg = row_->legs[size_t(i)];
        ok = addLegsFromTop(parts, p0, p1, leg.mode == LegMode::Turned, leg.angle) && ok;
    }
    if (!row_->topBarFirst)
        ok = parts.topBar(p0, p1) && ok;
    if (!ok)
        return false;
    parts.finish(*this);
    return true;
}

void installDecreaseTypes()
{
    for (const DecreaseRow& row : kDecreases)
        PrototypeTable::install(row.typeId, std::make_unique<CDoubleDecrease>(row));
}

} // namespace loopora
