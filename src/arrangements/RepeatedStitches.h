#pragma once
// What rows and arcs share: the symbol they repeat (shared by an arrangement,
// its copies and the tool that places them, and freed with the last of them),
// and the making of one copy of it on each base/top pair.

#include "elements/ChartElement.h"

#include <memory>
#include <utility>
#include <vector>

namespace loopora {

class CGroupElement;

// More stitches than any dialog allows; a guard against runaway builds.
constexpr int32_t kMaximumRepeats = 1000;

using StitchTemplate = std::shared_ptr<const CChartElement>;
using StitchFrames = std::vector<std::pair<Point, Point>>;

// One copy of the template per frame, built with the state's pen. Empty when
// any copy refuses to build; nothing half-made is kept.
std::vector<std::unique_ptr<CChartElement>> buildStitches(const CChartElement& templateElement,
                                                          const StitchFrames& frames, const ElementState& state);

// Builds the stitches and lets the arrangement adopt them; false, with
// nothing adopted, when any refuses to build.
bool adoptStitches(CGroupElement& arrangement, const CChartElement& templateElement, const StitchFrames& frames,
                   const ElementState& state);

// Writes the type id of the repeated symbol, or reads one and makes a fresh
// element of that type (refusing ids without a class).
void serializeTemplate(CArchive& ar, StitchTemplate& templateElement, int32_t fallbackTypeId);

} // namespace loopora
