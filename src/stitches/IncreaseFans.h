#pragma once
// Increases: several legs standing on (or beside) one base point and spreading
// upwards, optionally with chains across the top or between the legs. A fan
// is its recipe: its legs (turned or sheared, at an angle, with an optional
// sideways shift and shortening) and its chains; the type table holds one per
// fan.

#include "stitches/LegStitch.h"

#include <initializer_list>

namespace loopora {

enum class LegMode {
    Turned,  // the leg turns about its base and keeps its length; its bar is square to it
    Sheared, // the leg is pushed sideways and keeps its height; all bars stay parallel
};

struct FanLeg {
    LegMode mode;
    double angle;       // degrees; positive leans to the right of an upright symbol
    double shift = 0;   // sideways shift of the whole leg, degrees (0: none)
    double shorten = 0; // the top moves toward the base by this fraction (0: none)
};

enum class FanChains {
    None,
    CrossingOval,   // one chain across the top point
    CrossingChain2, // a two-chain group across the top point
    CrossingChain3, // a three-chain group across the top point
    Bridging,       // one chain between the top bars of each pair of neighbouring legs
};

constexpr size_t kMostLegs = 7;

struct FanRecipe {
    int legCount = 0;
    std::array<FanLeg, kMostLegs> legs{};
    FanChains chains = FanChains::None;
    double crossFraction = 0; // half length of a crossing chain, as a fraction of the stem
    const LegStyle* legStyle = &kDoubleLegs;
};

// A fan of double legs, built in the order the legs are listed.
constexpr FanRecipe fan(std::initializer_list<FanLeg> legs, FanChains chains = FanChains::None,
                        double crossFraction = 0)
{
    FanRecipe recipe{int(legs.size()), {}, chains, crossFraction};
    size_t i = 0;
    for (const FanLeg& leg : legs)
        recipe.legs[i++] = leg;
    return recipe;
}
// A fan of other legs, without chains.
constexpr FanRecipe fanOf(const LegStyle& style, std::initializer_list<FanLeg> legs)
{
    FanRecipe recipe = fan(legs);
    recipe.legStyle = &style;
    return recipe;
}

// A fan built like the fan of another type, with taller legs: the treble and
// double-treble fans repeat the double fans of the fan palette.
struct FanLike {
    int32_t fanTypeId;
    const LegStyle* legs;
};

class CIncreaseFan : public CLegStitch {
public:
    CIncreaseFan(const FanRecipe& recipe, const LegStyle& legs, int32_t typeId)
        : CLegStitch(typeId, legs), recipe_(&recipe) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;

private:
    const FanRecipe* recipe_;
};

} // namespace loopora
