#pragma once
// The key of a chart: one row per stitch symbol type on the sheet, in the
// order pattern books list them (the basic stitches from the chain up, then
// chain groups, special stitches, clusters, fans and decreases, and the
// yarn's join and fasten-off marks last), with how many there are in the
// chart and in the selection, and the totals of the stitches.

#include "document/Canvas.h"
#include "document/StitchCounts.h"

#include <vector>

namespace loopora {

struct LegendRow {
    const ElementType* type;
    int32_t inChart;
    int32_t inSelection;
};

struct Legend {
    std::vector<LegendRow> rows;
    StitchTally chart;
    StitchTally selection;
    bool hasSelection = false;
};

// The key of everything on the canvas's sheet and of its selection.
Legend makeLegend(const CCanvas& canvas);
// The key of a chart's tallies; a type of the selection is listed even when
// it is not among the chart's (it always is, unless the tallies disagree).
Legend makeLegend(const StitchTally& chart, const StitchTally* selection);

// Where a type stands in a key: lower comes first.
int legendRank(const ElementType& type);

} // namespace loopora
