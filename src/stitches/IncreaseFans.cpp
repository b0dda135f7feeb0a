#include "stitches/IncreaseFans.h"

#include "elements/PointMath.h"
#include "elements/TypeIds.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {
namespace {

int32_t crossingType(FanChains chains)
{
    switch (chains) {
    case FanChains::CrossingChain2: return typeids::kChain2;
    case FanChains::CrossingChain3: return typeids::kChain3;
    default: return typeids::kChain;
    }
}

} // namespace

bool CIncreaseFan::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    bool ok = true;
    const FanChains chains = recipe_->chains;
    if (chains == FanChains::CrossingOval || chains == FanChains::CrossingChain2 ||
        chains == FanChains::CrossingChain3) {
        Point a = p0, b = p1;
        crossSegment(a, b, recipe_->crossFraction);
        ok = parts.add(crossingType(chains), a, b) && ok;
    }
    std::vector<std::pair<Point, Point>> bars;
    for (int i = 0; i < recipe_->legCount; ++i) {
        const FanLeg& leg = recipe_->legs[size_t(i)];
        Point a = p0, b = p1;
        if (leg.shift != 0)
            shiftSideways(a, b, leg.shift);
        if (leg.shorten != 0)
            moveToward(a, b, leg.shorten);
        bool turned = leg.mode == LegMode::Turned;
        ok = addLegsFromBase(parts, a, b, turned, leg.angle, !turned) && ok;
        bars.emplace_back(topBarStart(), topBarEnd());
    }
    if (chains == FanChains::Bridging)
        for (size_t i = 0; i + 1 < bars.size(); ++i)
            ok = parts.add(typeids::kChain, bars[i].second, bars[i + 1].first) && ok;
    if (!ok)
        return false;
    parts.finish(*this);
    return true;
}

std::unique_ptr<CChartElement> CIncreaseFan::clone() const
{
    return cloneAs<CIncreaseFan>(*recipe_, legStyle(), typeId());
}

} // namespace loopora
