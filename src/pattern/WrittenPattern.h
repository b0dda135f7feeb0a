#pragma once
// A pattern read from its text, counted out along its rounds: the
// foundation, then for each round or row the symbols it is made of in the
// order they are worked, what each is worked into, and the places it leaves
// for the next round in the order the next one counts them. Places are
// counted as a reading of the chart counts them (PatternReading.h): every
// top of a stitch, a beginning chain that counts as a stitch, and every
// chain space; so a chart built from this value reads back the same steps.

#include "pattern/PatternLines.h"

#include <optional>
#include <string_view>
#include <vector>

namespace loopora::pattern {

enum class PlannedKind : uint8_t {
    Stitch,    // a stitch symbol: one base, or one per leg
    Chains,    // chains between stitches (or after the last one)
    Beginning, // the beginning or turning chain
    Join,      // the slip stitch joining the round to its beginning
    Picot,     // a picot on the stitch before it
};

struct PlannedSymbol {
    PlannedKind kind = PlannedKind::Stitch;
    int32_t typeId = -1; // the stitch's type; the slip stitch of a join; chains: -1
    int chains = 0;      // chains and beginning chains
    bool counted = false; // a beginning chain that counts as a stitch
    // Places of the round below it is worked into (one per base, in working
    // order); empty for the ring, for chains and for what sits on this round.
    std::vector<int> into;
    bool inRing = false;
    bool between = false; // into: the two places it is worked between
    int host = -1;        // a join or picot: the symbol of the round it sits on
    friend bool operator==(const PlannedSymbol&, const PlannedSymbol&) = default;
};

struct PlannedRound {
    int line = 0;
    int number = 0;
    bool isRow = false;
    std::vector<PlannedSymbol> symbols;
    std::vector<Place> places; // for the next round; index is the symbol
    RoundTally tally;          // what it makes
    friend bool operator==(const PlannedRound&, const PlannedRound&) = default;
};

struct WrittenPattern {
    Foundation foundation; // no paths: nothing is drawn yet
    std::vector<PlannedRound> rounds;
    friend bool operator==(const WrittenPattern&, const WrittenPattern&) = default;
};

struct PatternRead {
    std::optional<WrittenPattern> pattern;
    std::optional<PatternError> error;
};

// Reads and counts out the text; the first problem, with its line, when it
// cannot. A round whose count does not add up is refused.
PatternRead readWrittenPattern(std::string_view text, const PhraseBook& book);
// The same from lines already read.
PatternRead countOut(const PatternSyntax& syntax, const PhraseBook& book);

// The stitches a symbol of the type makes (its tops, a fan's spaces aside).
int stitchesMadeBy(int32_t typeId);

} // namespace loopora::pattern
