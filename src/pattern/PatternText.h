#pragma once
// The written instructions of a reading in one phrase book: the foundation
// as a line of its own, then a line per round or row, as pattern books
// write them ("Rnd 2: 2 dc in each st around. (24 dc)").

#include "pattern/PhraseBook.h"

#include <string>
#include <vector>

namespace loopora::pattern {

struct PatternText {
    std::string foundation; // empty without a foundation
    std::vector<std::string> rounds;
};

PatternText writePattern(const PatternReading& reading, const PhraseBook& book);

// "Rnd 2", "Row 1", "2-й круговой ряд".
std::string roundName(const PhraseBook& book, const Round& round);
// What the round makes, as the count after its line says it ("12 dc, 4
// ch-2 sps"); empty when it makes nothing.
std::string countOf(const PhraseBook& book, const Round& round);
// The check of a reading: each round's made, worked into and skipped, then
// each warning on a line of its own.
std::string checkText(const PatternReading& reading, const PhraseBook& book);
// A path as the dump writes it: "[0, 3]".
std::string pathText(const ElementPath& path);

} // namespace loopora::pattern
