#pragma once
// Decreases: a fan turned upside down, legs hanging from one top point and
// spreading toward the base, under one shared top bar. The legs are doubles
// unless the recipe says otherwise.

#include "stitches/IncreaseFans.h"

namespace loopora {

// Turned legs have their bases on the circle about the top point; sheared
// ("flat") legs have them on the line through the base point.
struct DecreaseRecipe {
    bool topBarFirst = true; // the bar is the first child, or the last
    int legCount = 0;
    std::array<FanLeg, kMostLegs> legs{};
    const LegStyle* legStyle = &kDoubleLegs;
};

constexpr DecreaseRecipe decrease(bool topBarFirst, std::initializer_list<FanLeg> legs,
                                  const LegStyle& style = kDoubleLegs)
{
    DecreaseRecipe recipe{topBarFirst, int(legs.size()), {}, &style};
    size_t i = 0;
    for (const FanLeg& leg : legs)
        recipe.legs[i++] = leg;
    return recipe;
}

class CDoubleDecrease : public CLegStitch {
public:
    CDoubleDecrease(const DecreaseRecipe& recipe, int32_t typeId)
        : CLegStitch(typeId, *recipe.legStyle), recipe_(&recipe) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override { return cloneAs<CDoubleDecrease>(*recipe_, typeId()); }

private:
    const DecreaseRecipe* recipe_;
};

} // namespace loopora
