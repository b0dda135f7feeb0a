#pragma once
// Where each symbol of a pattern stands on the sheet. The foundation sits
// at the sheet's centre (a ring) or along its bottom (a chain); each round
// stands on a circle whose radius grows by the height of its stitches, each
// row on a line as far above the one below. A round's stitches and chains
// share its circle (a row's its line) evenly, a unit for every stitch or
// chain they make; each stitch stands with its base on what it is worked
// into and its top on its share, facing outwards, so that several stitches
// in one place fan out from one base. Chains go from the top of the stitch
// before them to the top of the stitch after, along the round.
// The whole is scaled to fit the sheet: as large as a comfortable stitch
// allows, and no smaller than one whose every base still reads clearly.

#include "platform/Geometry.h"
#include "pattern/WrittenPattern.h"

#include <optional>
#include <string>
#include <vector>

namespace loopora::pattern {

// One element to build: a symbol of the type dragged from base to top; a
// ring of chains (kChainRing) across its diameter with `chains` chains.
struct PlacedSymbol {
    int32_t typeId = -1;
    Point base;
    Point top;
    int chains = 0;
    int round = 0; // 0: the foundation
    friend bool operator==(const PlacedSymbol&, const PlacedSymbol&) = default;
};

struct ChartLayout {
    int32_t width = 0; // the sheet's
    int32_t height = 0;
    std::vector<PlacedSymbol> symbols;
    std::string error; // the chart does not fit: why, in the book's words
};

// The editor's sheets are 100 to 600 pixels a side.
constexpr int32_t kSmallestSheet = 100;
constexpr int32_t kLargestSheet = 600;
// Pixels a stitch width: the size a chart is built at when the sheet allows,
// and the least at which every base still lies clearly on its place.
constexpr double kComfortableScale = 16;
constexpr double kLeastScale = 9;

// Lays the pattern out on a square sheet of that side, or, without one, on
// the smallest sheet (within the editor's) that holds it at a comfortable size.
ChartLayout layOut(const WrittenPattern& pattern, const PhraseBook& book, std::optional<int32_t> sheet);

} // namespace loopora::pattern
