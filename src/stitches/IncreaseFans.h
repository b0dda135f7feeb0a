#pragma once
// Increases: several legs standing on (or beside) one base point and spreading
// upwards, optionally with chains across the top or between the legs. Every
// fan is a row of a table: its legs (turned or sheared, at an angle, with an
// optional sideways shift and shortening) and its chains.

#include "stitches/LegStitch.h"

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

struct FanRow {
    int32_t typeId;
    int legCount;
    std::array<FanLeg, 7> legs;
    FanChains chains = FanChains::None;
    double crossFraction = 0; // half length of a crossing chain, as a fraction of the stem
};

class CIncreaseFan : public CLegStitch {
public:
    CIncreaseFan(const FanRow& row, const LegStyle& legs, int32_t typeId)
        : CLegStitch(typeId, legs), row_(&row) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;

private:
    const FanRow* row_;
};

// The named double fans, the 24 treble fans (type ids 91..114) and the 24
// double-treble fans (115..138) built like the double fans of the fan palette.
void installIncreaseFanTypes();

} // namespace loopora
