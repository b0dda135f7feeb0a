#pragma once
// A round of a reading as the steps a crocheter follows, before any words:
// what is made and where, counted along the round below ("in next st",
// "in same st", "sk next 2 sts"), with the beginning chain and the join
// apart. The wording (PatternText.h) puts these into a language's phrases;
// text read back into a chart comes through these too.

#include "pattern/PatternReading.h"
#include "pattern/StitchMakeup.h"

#include <vector>

namespace loopora::pattern {

enum class Where : uint8_t {
    Nowhere,  // chains between stitches, a picot on the stitch before
    Ring,     // in the ring
    Next,     // in the next place of the round below
    Same,     // in the place the stitch before went into
    Skipped,  // back in a place passed over before
    FromHook, // row 1: in the n-th chain from the hook
    Skip,     // not made: places passed over
};
enum class Noun : uint8_t { Stitch, Chain, Space, Between };

struct Instruction {
    std::vector<MakeupPart> what; // empty for a skip
    Where where = Where::Nowhere;
    Noun noun = Noun::Stitch;
    int places = 1;      // places worked over (a decrease's legs) or passed over
    int spaceChains = 0; // the chains of the space worked into or passed over
    int ordinal = 0;     // FromHook: which chain
    // The position in the round below of the last place it used (-1: none).
    int reached = -1;
    friend bool operator==(const Instruction& a, const Instruction& b)
    {
        return a.what == b.what && a.where == b.where && a.noun == b.noun && a.places == b.places &&
               a.spaceChains == b.spaceChains && a.ordinal == b.ordinal;
    }
};

struct RoundSteps {
    int beginningChains = 0;     // 0: no beginning chain
    int32_t beginningCountsAs = -1;
    bool joined = false;
    bool turn = false;
    bool toEnd = false;          // the last step reaches the last place of the round below
    int placesBelow = 0;
    std::vector<Instruction> steps;
};

// The steps of round number (from 1) of the reading.
RoundSteps stepsOf(const PatternReading& reading, int number);

} // namespace loopora::pattern
