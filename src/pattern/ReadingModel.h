#pragma once
// The working state of one reading, between the chart and the value it
// gives (PatternReading.h): the symbols with their anchors, the chains read
// into runs, the places bases are worked into, and the work nodes the
// rounds are made of. Each step of the reading fills a part of it.

#include "pattern/PatternReading.h"

#include <vector>

namespace loopora::pattern::detail {

struct ChartSymbol {
    const CChartElement* element = nullptr;
    const ElementType* type = nullptr; // null for a ring of chains made in one gesture
    ElementPath path;
    SymbolAnchors anchors;
    Vec ringCentre; // a ring's
    double ringRadius = 0;
};

// One chain: of a chain symbol, or one oval of a chain group.
struct ChainUnit {
    int symbol = 0;
    Vec from;
    Vec to;
    double length() const { return distance(from, to); }
    Vec centre() const { return midpoint(from, to); }
};

// Chains end to end, in the order they were made.
enum class RunShape : uint8_t { Free, Standing, Loop, Ring };
struct Run {
    std::vector<int> units;
    RunShape shape = RunShape::Free;
};

// What the rounds are made of: a symbol other than a chain, or a run of chains.
enum class NodeKind : uint8_t { Symbol, Run };
struct Node {
    NodeKind kind = NodeKind::Symbol;
    int item = 0; // the symbol or the run
};

// A place a base may be worked into.
enum class PlaceRole : uint8_t {
    Ring,     // on or inside a ring
    Top,      // a top of a stitch (item = which), or the end of a standing run
    FanSpace, // the space a fan's chains make (item = which top)
    Chain,    // a chain of a loose run (item = which unit of the run)
    RunSpace, // a chain space: a loop between two stitches
};
struct PlaceRef {
    PlaceRole role = PlaceRole::Top;
    int node = 0;
    int item = 0;
    Vec at;
    double reach = 0; // a ring's radius: inside it counts as on it
    bool sameAs(const PlaceRef& o) const
    {
        return role == o.role && node == o.node && (role == PlaceRole::RunSpace || role == PlaceRole::Ring || item == o.item);
    }
};

// A base and what it is worked into: a place, the space between two tops
// (second is the other top), or nothing.
struct Attachment {
    int place = -1;
    int second = -1;
    Vec base;
    bool ambiguous = false;
};

struct Model {
    std::vector<ChartSymbol> symbols;
    std::vector<ChainUnit> chains;
    std::vector<Run> runs;
    std::vector<Node> nodes;
    std::vector<int> nodeOfSymbol; // -1 for chains
    std::vector<int> nodeOfRun;
    std::vector<PlaceRef> places;
    std::vector<std::vector<Attachment>> bases; // per node
    // A loop's start and end: the places they leave from and reach (-1: none).
    std::vector<std::pair<int, int>> loopEnds; // per node
    // Rounds: the foundation and each node's round (0 the foundation, -1 none).
    int foundation = -1;
    std::vector<int> level;
    std::vector<bool> isJoin;
    bool inRounds = true;
    Vec centre;          // what rounds go round
    Vec madeDirection;   // the foundation chain's, for rows
    double gapMiddle = 0; // rows round a ring turn at this angle
    // Working order: the nodes of each round (index 0 the foundation, empty),
    // each node's place in it, and each round's beginning (-1: none).
    std::vector<std::vector<int>> order;
    std::vector<int> orderIndex;
    std::vector<int> beginning;
    std::vector<int32_t> beginningCountsAs; // per round: -1 when its beginning chain is not counted
    // Each node's tops in working order (indexes into its anchors' tops).
    std::vector<std::vector<int>> topOrder;
    // Places the next round counts, per round in working order, as model
    // place ids (a chain space's first chain stands for it); and for every
    // model place its ordinal there (-1 when it is none).
    std::vector<std::vector<int>> roundPlaces;
    std::vector<int> placeOrdinal;
    double typicalHeight = 40;
    double reach = 12;  // kAttachReach of the typical height
    double margin = 4;  // kTieMargin of it
    std::vector<Warning> warnings;
};

inline Vec runStart(const Model& m, const Run& r) { return m.chains[size_t(r.units.front())].from; }
inline Vec runEnd(const Model& m, const Run& r) { return m.chains[size_t(r.units.back())].to; }

// The steps, in order.
void collectSymbols(const CChartElement& root, Model& m);
void linkChains(Model& m);
void attachBases(Model& m);
void assignRounds(Model& m);
void orderRounds(Model& m);

// The widest gap the stitches of a round may leave between them and still
// go all the way round the centre.
double closingGap(size_t stitches);

// The coordinate along which round r is worked: a turn counter-clockwise
// about the centre, or the distance along a row's way.
double workingCoordinate(const Model& m, int round, Vec at);

} // namespace loopora::pattern::detail
