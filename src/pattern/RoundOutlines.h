#pragma once
// The outline a chart's rounds are laid on. Rounds that grow at the same
// corners every round lie on regular polygons with their corner groups at
// the corners: a square worked with 3 sc in each corner, a granny square, a
// hexagon. A corner is a place of the round below worked into more than
// any other place and by at least three stitches; the corners of every
// round must be as many (three to eight), evenly spread along the round
// (as many units from each to the next), and each must stand over a corner
// of the round below. Anything else is laid on circles.

#include "pattern/WrittenPattern.h"

#include <vector>

namespace loopora::pattern {

struct RoundOutline {
    int corners = 0; // 0: circles
    // Each round's, where along it (in units from its start) the corner
    // that stands over the first round's first corner falls.
    std::vector<double> firstCorner;
};

RoundOutline outlineOf(const WrittenPattern& pattern);

// The room a symbol takes along its round: a unit for each stitch it makes
// or each chain; nothing for what sits on the round (joins, picots).
int unitsOf(const PlannedSymbol& s);

} // namespace loopora::pattern
