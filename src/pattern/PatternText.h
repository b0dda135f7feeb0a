#pragma once
// The written instructions of a reading in one phrase book: the foundation
// as a line of its own, then a line per round or row, as pattern books
// write them ("Rnd 2: 2 dc in each st around. (24 dc)").

#include "pattern/Instructions.h"
#include "pattern/PhraseBook.h"

#include <map>
#include <string>
#include <vector>

namespace loopora::pattern {

struct PatternText {
    std::string foundation; // empty without a foundation
    std::vector<std::string> rounds;
    // The lines as a pattern file holds them, each ending in a newline.
    std::string written() const;
};

PatternText writePattern(const PatternReading& reading, const PhraseBook& book);

// "Make a magic ring.", "Ch 11."; empty without a foundation.
std::string foundationLine(const PhraseBook& book, const Foundation& foundation);
// "Rnd 2", "Row 1", "2-й круговой ряд".
std::string roundName(const PhraseBook& book, const Round& round);
std::string roundName(const PhraseBook& book, int number, bool isRow);

// What a round makes, as its count tells it: stitches by the type they count
// as (none listed when a count gives only the total) and spaces by their chains.
struct RoundTally {
    std::map<int32_t, int> stitches;
    int total = 0;
    std::map<int, int> spaces;
    friend bool operator==(const RoundTally&, const RoundTally&) = default;
};
RoundTally tallyOf(const Round& round);
// The count after a line ("12 dc, 4 ch-2 sps"); empty when it makes nothing.
std::string countText(const PhraseBook& book, const RoundTally& tally);
inline std::string countOf(const PhraseBook& book, const Round& round) { return countText(book, tallyOf(round)); }

// One round's line from its steps and its count.
std::string roundLine(const PhraseBook& book, int number, bool isRow, const RoundSteps& steps, const std::string& count);
// The check of a reading: each round's made, worked into and skipped, then
// each warning on a line of its own.
std::string checkText(const PatternReading& reading, const PhraseBook& book);
// A path as the dump writes it: "[0, 3]".
std::string pathText(const ElementPath& path);

} // namespace loopora::pattern
