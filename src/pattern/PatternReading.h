#pragma once
// A chart read the way a crocheter reads it: its foundation, then round by
// round (or row by row) every symbol in the order it is worked, with what
// each of its bases is worked into, and what the reading could not decide.
// The reading is a value: the same chart gives the same value whatever
// order its symbols were drawn in, however they are grouped, and when the
// whole chart is turned or any symbol moved by a pixel or two.
//
// A base is worked into a place (the ring, a stitch's top, a chain, a chain
// space, the space between two tops) when it lies within kAttachReach of
// the chart's typical stitch height from it: the median stem length of its
// stitches (chains and slip stitches aside). When a second place is within
// kTieMargin of that height as close, the base is as close to two places
// and the reading says so instead of choosing.

#include "pattern/SymbolAnchors.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace loopora {
class CChartElement;
}

namespace loopora::pattern {

constexpr double kAttachReach = 0.3;
constexpr double kTieMargin = 0.1;

// The indexes of an element's ancestors from the canvas down, and its own:
// the path `dump` and `legend --json` give.
using ElementPath = std::vector<uint32_t>;

enum class IntoKind : uint8_t { None, Ring, Stitch, Chain, Space };

// What one base is worked into.
struct Into {
    IntoKind kind = IntoKind::None;
    int round = 0;  // 0: the foundation
    int index = -1; // the symbol's place in that round's working order
    int top = 0;    // which of its tops (a fan's legs), from the first worked
    int place = -1; // the place among those of that round that the next round counts ("next st")
    bool between = false; // the space between two tops; `place` is the first of them

    friend bool operator==(const Into&, const Into&) = default;
};

// A place of a round that the next round may work into, in working order.
enum class PlaceKind : uint8_t { Stitch, Chain, Space };
struct Place {
    PlaceKind kind = PlaceKind::Stitch;
    int index = 0;  // the symbol in the round's working order
    int top = 0;    // which of its tops
    int chains = 0; // a space: the chains that make it
    friend bool operator==(const Place&, const Place&) = default;
};

struct WorkedStitch {
    ElementPath path;
    int32_t typeId = -1;
    Role role = Role::None;
    // Stitches it adds to the round's count (a counted beginning chain adds
    // one on its first chain; a chain of a space adds none).
    int makes = 0;
    std::vector<Into> into; // one for each base, in the order worked
    int chainRun = -1;      // the chain run of the round it belongs to
    friend bool operator==(const WorkedStitch&, const WorkedStitch&) = default;
};

// Chains of a round read together: the beginning chain, a chain space
// between two stitches, or chains that lead nowhere.
enum class RunKind : uint8_t { Beginning, Space, Loose };
struct ChainRun {
    RunKind kind = RunKind::Space;
    int first = 0; // its first symbol in the working order
    int symbols = 0;
    int chains = 0;
    int32_t countsAs = -1; // a beginning chain counted as a stitch of this type
    friend bool operator==(const ChainRun&, const ChainRun&) = default;
};

struct Round {
    int number = 0;
    bool isRow = false;
    std::vector<WorkedStitch> stitches; // in working order: beginning chain first, join last
    std::vector<ChainRun> runs;
    bool joined = false; // the last stitch is a slip stitch joining the round to its beginning
    std::vector<Place> places;
    int makes = 0;      // stitches made
    int workedInto = 0; // places of the rounds below worked into
    int skipped = 0;    // places of the round below worked into by nothing
    friend bool operator==(const Round&, const Round&) = default;
};

enum class FoundationKind : uint8_t { None, Ring, Chain };
struct Foundation {
    FoundationKind kind = FoundationKind::None;
    bool magicRing = false;  // a ring: a magic ring, else a ring of chains
    int chains = 0;          // a chain ring's or the foundation chain's chains
    ElementPath path;        // the ring, or the first chain made
    std::vector<ElementPath> chainPaths; // the foundation chain's symbols in the order made
    friend bool operator==(const Foundation&, const Foundation&) = default;
};

enum class WarningKind : uint8_t {
    WorkedIntoNothing,  // a base near no place
    TwoPlaces,          // a base as close to two places
    DrawnTwice,         // two identical symbols on top of each other
    NothingWorkedInto,  // a stitch of the round below that nothing is worked into
    RoundNotClosed,     // a round whose stitches do not go round the centre
    Unreadable,         // strokes that are not those of their symbol
    SecondFoundation,   // a second ring or loose chain that stitches are worked into
};
struct Warning {
    WarningKind kind;
    int round = 0;  // 0: no round
    int index = -1; // the symbol in its round, -1 when it is in none
    ElementPath path;
    friend bool operator==(const Warning&, const Warning&) = default;
};

struct PatternReading {
    Foundation foundation;
    std::vector<Round> rounds;
    std::vector<Warning> warnings;
    friend bool operator==(const PatternReading&, const PatternReading&) = default;
};

// Reads every visible symbol below root (the canvas).
PatternReading readChart(const CChartElement& root);

} // namespace loopora::pattern
