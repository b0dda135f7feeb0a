#pragma once
// What a chart holds in stitches, the way a designer checks a round: how many
// symbols of each type, how many stitches of the round below they are worked
// into and how many new stitches they make. Only what is on the sheet counts:
// deleted, cut and undone elements stay in the tree hidden and are left out.

#include "document/TypeTable.h"
#include "elements/ChartElement.h"
#include "elements/PrototypeTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace loopora {

struct StitchTally {
    std::array<int32_t, PrototypeTable::kSize> symbolsOfType{};
    int64_t symbols = 0; // the stitch symbols; marks are counted by their type only
    int64_t workedInto = 0;
    int64_t makes = 0;
    int64_t marks = 0;

    void add(const ElementType& type);
    void add(const StitchTally& other);
    bool empty() const { return symbols == 0 && marks == 0; }
    bool operator==(const StitchTally&) const = default;
};

// An element on the sheet: itself when it is a stitch symbol, otherwise the
// symbols its visible groups and arrangements hold. Nothing for a hidden one.
StitchTally countStitches(const CChartElement& element);
// Selected elements, each counted once even when a group around it is
// selected too.
StitchTally countStitches(std::span<CChartElement* const> elements);

// A visible group or arrangement: the symbols that lie directly in it (those
// in a group or arrangement inside it are that one's) and the totals of all
// it holds, so that a listing of every holder grows with the chart, however
// deep its groups nest.
struct HolderTally {
    const CChartElement* holder;
    int depth;      // 1 for one at the top of the chart, 2 inside it, and so on
    int32_t parent; // the entry of the holder around it; -1 at the top of the chart
    size_t index;   // its place among that one's (or the chart's) children
    std::vector<std::pair<int32_t, int32_t>> own; // (type id, count), by type id
    int64_t symbols = 0;
    int64_t workedInto = 0;
    int64_t makes = 0;

    // The symbols directly in it as a tally.
    StitchTally ownTally() const;
};
// Every visible group and arrangement below root, in tree order.
std::vector<HolderTally> countHolders(const CChartElement& root);

} // namespace loopora
