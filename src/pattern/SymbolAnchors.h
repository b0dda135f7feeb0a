#pragma once
// Where a placed symbol is worked from and into, in chart coordinates.
//
// A symbol keeps nothing of the two points it was built on: after the build
// it is its strokes. So the anchors are read from the strokes: the type's
// symbol is built once upright on a known frame, and the affine map that
// carries those reference strokes onto the placed symbol's strokes (least
// squares over every stroke point) carries the reference anchors with them.
// Whatever the symbol went through since (moves, turns, scaling, mirroring,
// grouping, arranging) the anchors follow, as its strokes did.

#include "document/TypeTable.h"
#include "pattern/Plane.h"

#include <vector>

namespace loopora::pattern {

// What a type is in a pattern.
enum class Role : uint8_t {
    None,       // not a stitch: figures, groups, parts
    Stitch,     // one base, one top: basic stitches, clusters, post stitches...
    Fan,        // one base, a top per leg; its chains make spaces
    Decrease,   // a base per leg, one top
    Chain,      // one chain, worked from the stitch before it
    ChainGroup, // chains end to end
    SlipStitch, // a base, no top
    Picot,      // a base, no top, chains that make nothing to work into
    Ring,       // a foundation whose inside is worked into
};

// Where later stitches go: a top of a leg, or the space a symbol's own
// chains make (chains > 0).
struct TopAnchor {
    Vec at;
    int chains = 0;
};

struct SymbolAnchors {
    Role role = Role::None;
    std::vector<Vec> bases;
    std::vector<TopAnchor> tops;
    // A chain or chain group: each chain from its start to its end.
    std::vector<std::pair<Vec, Vec>> chains;
    // The frame: where the stem was dragged from and to.
    Vec base;
    Vec top;
    // False when the strokes are not those its type builds (a damaged file):
    // nothing above is then known.
    bool readable = true;

    double height() const { return distance(base, top); }
};

Role roleOf(const ElementType& type);
// The number of chains a chain group or a fan's chain space holds.
int chainsOf(const ElementType& type);

// The anchors of a symbol built upright with its base at (0, 0) and its top
// kReferenceHeight pixels above; roles without anchors give none.
constexpr double kReferenceHeight = 1000.0;
const SymbolAnchors& referenceAnchors(const ElementType& type);

// The anchors of a placed symbol of that type.
SymbolAnchors anchorsOf(const CChartElement& symbol, const ElementType& type);

} // namespace loopora::pattern
