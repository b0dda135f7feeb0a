#pragma once
// The tall stitches whose legs fans and decreases are made of: a stem, one to
// four slashes across it and a top bar. A leg may be tilted at its top
// (standing on a shared base, for fans) or at its base (hanging from a shared
// top, for decreases); its slashes stay at the same fractions and angles
// relative to the tilted leg.

#include "elements/GroupElement.h"

#include <array>

namespace loopora {

class SymbolBuilder;

struct SlashFraction {
    int num;
    int den;
};

// What tells the tall stitches apart: where their slashes sit and at which
// angle, and how long their top bar is (a quarter of the stem for k = 7,
// two sevenths for k = 6; none for k = 0). A single's leg has no bar and one
// slash square to the stem: its cross.
struct LegStyle {
    std::array<SlashFraction, 4> slashes;
    int slashCount;
    double slashAngle;
    int topBarK;
};

inline constexpr LegStyle kSingleLegs{{{{3, 5}}}, 1, 90.0, 0};
// A half double's leg is a stem and its bar, with no slash.
inline constexpr LegStyle kHalfDoubleLegs{{}, 0, 0.0, 7};
inline constexpr LegStyle kDoubleLegs{{{{2, 3}}}, 1, 150.0, 7};
inline constexpr LegStyle kTrebleLegs{{{{4, 5}, {3, 5}}}, 2, 140.0, 7};
inline constexpr LegStyle kDoubleTrebleLegs{{{{3, 4}, {5, 8}, {1, 2}}}, 3, 150.0, 6};
inline constexpr LegStyle kTrebleTrebleLegs{{{{3, 4}, {5, 8}, {1, 2}, {3, 8}}}, 4, 150.0, 6};

// A slash of the leg a->b at a fraction from a: a segment a quarter of the leg
// long through that point, at the style's angle to the leg. towardBase picks
// which way the construction starts (tilted tops start toward the base);
// roundQ rounds the construction point, otherwise it is truncated.
void appendSlash(std::vector<Point>& out, Point a, Point b, SlashFraction f, double angle, bool towardBase,
                 bool roundQ);

class CLegStitch : public CGroupElement {
public:
    const LegStyle& legStyle() const { return *style_; }

    // The leg standing on a with its top b tilted by degrees: stem, slashes and,
    // withTopBar, the top bar (perpendicular to the stem of the untilted leg
    // when parallelTopBar, so that all bars of a flat fan stay parallel).
    // Consecutive pairs of the result are the segments.
    std::vector<Point> tiltEnd(Point a, Point b, bool keepLength, double degrees, bool withTopBar,
                               bool parallelTopBar);
    // The leg hanging from b with its base a tilted: stem and slashes.
    std::vector<Point> tiltStart(Point a, Point b, bool keepLength, double degrees);

    bool addLegsFromBase(SymbolBuilder& parts, Point a, Point b, bool keepLength, double degrees,
                         bool parallelTopBar);
    bool addLegsFromTop(SymbolBuilder& parts, Point a, Point b, bool keepLength, double degrees);

    // The ends of the top bar the last tiltEnd built; chain fans bridge them.
    Point topBarStart() const { return topBarStart_; }
    Point topBarEnd() const { return topBarEnd_; }

protected:
    CLegStitch(int32_t typeId, const LegStyle& style) : CGroupElement(typeId), style_(&style) {}

private:
    const LegStyle* style_;
    Point topBarStart_{};
    Point topBarEnd_{};
};

} // namespace loopora
