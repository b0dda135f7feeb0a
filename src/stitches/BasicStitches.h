#pragma once
// The basic stitches besides chain and slip stitch: single, half double and
// the four tall stitches, which also lend their legs to fans and decreases.

#include "elements/TypeIds.h"
#include "stitches/LegStitch.h"

namespace loopora {

// A stem with a cross bar through its middle, half the stem long.
class CSingleStitch : public CGroupElement {
public:
    CSingleStitch() : CGroupElement(typeids::kSingle) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
};

// A stem with a top bar.
class CHalfDoubleStitch : public CGroupElement {
public:
    CHalfDoubleStitch() : CGroupElement(typeids::kHalfDouble) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
};

// The tall stitches: the number of slashes (one to four) and their angle tell them apart.
class CTallStitch : public CLegStitch {
protected:
    using CLegStitch::CLegStitch;
    // Stem and top bar in the given order, then the slashes from the base up.
    bool buildTall(const ElementState& state, bool topBarFirst);
};

class CDoubleStitch : public CTallStitch {
public:
    CDoubleStitch() : CTallStitch(typeids::kDouble, kDoubleLegs) {}
    bool assignState(const ElementState& state) override;
    std::unique_ptr<CChartElement> clone() const override;
};

class CTrebleStitch : public CTallStitch {
public:
    CTrebleStitch() : CTallStitch(typeids::kTreble, kTrebleLegs) {}
    bool assignState(const ElementState& state) override { return buildTall(state, false); }
    std::unique_ptr<CChartElement> clone() const override;
};

class CDoubleTrebleStitch : public CTallStitch {
public:
    CDoubleTrebleStitch() : CTallStitch(typeids::kDoubleTreble, kDoubleTrebleLegs) {}
    bool assignState(const ElementState& state) override { return buildTall(state, true); }
    std::unique_ptr<CChartElement> clone() const override;
};

class CTrebleTrebleStitch : public CTallStitch {
public:
    CTrebleTrebleStitch() : CTallStitch(typeids::kTrebleTreble, kTrebleTrebleLegs) {}
    bool assignState(const ElementState& state) override { return buildTall(state, true); }
    std::unique_ptr<CChartElement> clone() const override;
};

} // namespace loopora
