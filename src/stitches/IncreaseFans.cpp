#include "stitches/IncreaseFans.h"

#include "elements/PointMath.h"
#include "elements/PrototypeTable.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {
namespace {

constexpr LegMode R = LegMode::Turned;
constexpr LegMode S = LegMode::Sheared;

// Each row: type id, number of legs, legs in build order {mode, angle, shift, shorten}, chains.
constexpr FanRow kFans[] = {
    {11, 2, {{{S, 10}, {S, -10}}}},
    {12, 2, {{{S, 10, -5}, {S, -10, 5}}}},
    {50, 2, {{{S, 0}, {S, -20}}}},
    {55, 2, {{{S, 0}, {S, 20}}}},
    {14, 3, {{{R, -22}, {S, 0}, {R, 22}}}},
    {81, 3, {{{R, 20, -3, 0.02}, {R, 0}, {R, -20, 3, 0.02}}}},
    {16, 3, {{{S, 20}, {S, 0}, {S, -20}}}},
    {17, 3, {{{S, 0}, {S, 15, -5}, {S, -15, 5}}}},
    {51, 3, {{{S, 0}, {S, -20}, {S, -36}}}},
    {56, 3, {{{S, 0}, {S, 20}, {S, 36}}}},
    {79, 4, {{{R, 30}, {R, 10}, {R, -10}, {R, -30}}}},
    {80, 4, {{{R, 24, -8, 0.07}, {R, 8, -3, 0.02}, {R, -8, 3, 0.02}, {R, -24, 8, 0.07}}}},
    {25, 4, {{{S, 30}, {S, 10}, {S, -10}, {S, -30}}}},
    {26, 4, {{{S, 7, -4}, {S, 22, -10, 0.03}, {S, -7, 4}, {S, -22, 10, 0.03}}}},
    {52, 4, {{{S, 0}, {S, -20}, {S, -36}, {S, -48}}}},
    {57, 4, {{{S, 0}, {S, 20}, {S, 36}, {S, 48}}}},
    {27, 5, {{{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}}}},
    {33, 5, {{{R, 0}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02}, {R, -15, 5, 0.02}, {R, -30, 10, 0.07}}}},
    {31, 5, {{{S, 36}, {S, 20}, {S, 0}, {S, -20}, {S, -36}}}},
    {32, 5, {{{S, 0}, {S, 30, -10}, {S, 15, -5}, {S, -15, 5}, {S, -30, 10}}}},
    {82, 6, {{{R, 50}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -50}}}},
    {37, 6, {{{R, 40, -15, 0.18}, {R, 25, -10, 0.08}, {R, 10, -3}, {R, -10, 3}, {R, -25, 10, 0.08}, {R, -40, 15, 0.18}}}},
    {38, 7, {{{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}}}},
    {90, 7, {{{R, 0}, {R, 45, -15, 0.14}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02}, {R, -15, 5, 0.02}, {R, -30, 10, 0.07}, {R, -45, 15, 0.14}}}},
    {8, 2, {{{S, 20}, {S, -20}}}, FanChains::CrossingOval, 1.0 / 7},
    {9, 2, {{{S, 30}, {S, -30}}}, FanChains::CrossingChain2, 1.0 / 3},
    {10, 2, {{{S, 35}, {S, -35}}}, FanChains::CrossingChain3, 1.0 / 2},
    {15, 3, {{{R, -26}, {S, 0}, {R, 26}}}, FanChains::Bridging},
    {70, 3, {{{R, -26, 4}, {S, 0}, {R, 26, -4}}}, FanChains::Bridging},
    {140, 3, {{{S, -26}, {S, 0}, {S, 26}}}, FanChains::Bridging},
    {141, 3, {{{S, -26, 4}, {S, 0}, {S, 26, -4}}}, FanChains::Bridging},
    {20, 4, {{{R, 40}, {R, 20}, {R, -20}, {R, -40}}}, FanChains::CrossingOval, 1.0 / 7},
    {142, 4, {{{R, 36, -5}, {R, 18, -2}, {R, -18, 2}, {R, -36, 5}}}, FanChains::CrossingOval, 1.0 / 7},
    {21, 4, {{{S, 35}, {S, 20}, {S, -20}, {S, -35}}}, FanChains::CrossingOval, 1.0 / 7},
    {22, 4, {{{S, 30, 6}, {S, 15, 2}, {S, -15, -2}, {S, -30, -6}}}, FanChains::CrossingOval, 1.0 / 7},
    {23, 4, {{{R, -45}, {R, -15}, {R, 15}, {R, 45}}}, FanChains::Bridging},
    {24, 4, {{{R, -40, 5}, {R, -13, 2}, {R, 13, -2}, {R, 40, -5}}}, FanChains::Bridging},
    {139, 5, {{{R, -55}, {R, -26}, {S, 0}, {R, 26}, {R, 55}}}, FanChains::Bridging},
    {28, 5, {{{R, -55, 6}, {R, -26, 3}, {S, 0}, {R, 26, -3}, {R, 55, -6}}}, FanChains::Bridging},
    {36, 6, {{{R, 45, -10, 0.12}, {R, 32, -6, 0.06}, {R, 20, -2}, {R, -20, 2}, {R, -32, 6, 0.06}, {R, -45, 10, 0.12}}}, FanChains::CrossingChain2, 1.0 / 4},
};

// The fan palette's order of the double fans; the treble and double-treble
// fans follow it with type ids 91 + k and 115 + k.
constexpr int32_t kPaletteOrder[24] = {11, 12, 50, 55, 16, 17, 14, 81, 51, 56, 25, 26,
                                       79, 80, 52, 57, 31, 32, 27, 33, 82, 37, 38, 90};
constexpr int32_t kFirstTrebleFan = 91;
constexpr int32_t kFirstDoubleTrebleFan = 115;

const FanRow* fanRow(int32_t typeId)
{
    for (const FanRow& row : kFans)
        if (row.typeId == typeId)
            return &row;
    return nullptr;
}

int32_t crossingType(FanChains chains)
{
    switch (chains) {
    case FanChains::CrossingChain2: return 3;
    case FanChains::CrossingChain3: return 4;
    default: return typeids::kChain;
    }
}

} // namespace

bool CIncreaseFan::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(*this, state);
    bool ok = true;
    const FanChains chains = row_->chains;
    if (chains == FanChains::CrossingOval || chains == FanChains::CrossingChain2 ||
        chains == FanChains::CrossingChain3) {
        Point a = p0, b = p1;
        crossSegment(a, b, row_->crossFraction);
        ok = parts.add(crossingType(chains), a, b) && ok;
    }
    std::vector<std::pair<Point, Point>> bars;
    for (int i = 0; i < row_->legCount; ++i) {
        const FanLeg& leg = row_->legs[size_t(i)];
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
    return cloneAs<CIncreaseFan>(*row_, legStyle(), typeId());
}

void installIncreaseFanTypes()
{
    for (const FanRow& row : kFans)
        PrototypeTable::install(row.typeId, std::make_unique<CIncreaseFan>(row, kDoubleLegs, row.typeId));
    for (int32_t k = 0; k < 24; ++k) {
        const FanRow& row = *fanRow(kPaletteOrder[k]);
        PrototypeTable::install(kFirstTrebleFan + k, std::make_unique<CIncreaseFan>(row, kTrebleLegs, kFirstTrebleFan + k));
        PrototypeTable::install(kFirstDoubleTrebleFan + k,
                                std::make_unique<CIncreaseFan>(row, kDoubleTrebleLegs, kFirstDoubleTrebleFan + k));
    }
}

} // namespace loopora
