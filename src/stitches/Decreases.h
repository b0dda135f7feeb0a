#pragma once
// Double decreases: a fan turned upside down, legs hanging from one top point
// and spreading toward the base, under one shared top bar.

#include "stitches/IncreaseFans.h"

namespace loopora {

struct DecreaseRow {
    int32_t typeId;
    bool topBarFirst; // the bar is the first child, or the last
    int legCount;
    std::array<FanLeg, 7> legs;
};

class CDoubleDecrease : public CLegStitch {
public:
    explicit CDoubleDecrease(const DecreaseRow& row) : CLegStitch(row.typeId, kDoubleLegs), row_(&row) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override { return cloneAs<CDoubleDecrease>(*row_); }

private:
    const DecreaseRow* row_;
};

void installDecreaseTypes();

} // namespace loopora
