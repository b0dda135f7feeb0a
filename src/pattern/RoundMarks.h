#pragma once
// Where a picture of the chart shows its rounds: each round's number as
// near its first stitch as it can stand clear of every symbol, of the marks
// and of the other numbers (on a sheet, within it), with a mark where it
// starts and the way it goes; and which round each symbol belongs to, for
// pictures that colour the rounds apart.

#include "pattern/PatternReading.h"

#include <unordered_map>
#include <vector>

namespace loopora::pattern {

struct RoundMark {
    int number = 0;
    bool isRow = false;
    Vec start;       // the first stitch's top, where the round starts
    Vec direction;   // a unit step the way the round goes from there
    Vec label;       // the centre of the number
    double reach = 0; // how far the arrow of the way goes
};

// The marks of a reading of the chart under root; labelSize is the size of
// a number's box in chart units, which the number keeps clear of symbols by.
std::vector<RoundMark> roundMarks(const PatternReading& reading, const CChartElement& root, double labelSize);

// The round of each symbol of a round (the foundation's symbols are round 0).
std::unordered_map<const CChartElement*, int> roundsOfSymbols(const PatternReading& reading, const CChartElement& root);

// The element at a path below root, or null.
const CChartElement* elementAt(const CChartElement& root, const ElementPath& path);
inline CChartElement* elementAt(CChartElement& root, const ElementPath& path)
{
    return const_cast<CChartElement*>(elementAt(static_cast<const CChartElement&>(root), path));
}

} // namespace loopora::pattern
