#pragma once
// What a symbol is made of, in the stitches written instructions name: a
// fan of doubles is so many doubles and the chains between them, a beginning
// chain stands as tall as the stitch it replaces.

#include "document/TypeTable.h"

#include <vector>

namespace loopora::pattern {

// A fan's recipe and the legs it is built with.
struct FanBuild {
    const FanRecipe* recipe = nullptr;
    const LegStyle* legs = nullptr;
};
// Nothing for a type that is not a fan.
FanBuild fanBuildOf(const ElementType& type);

// The basic stitch a symbol's legs are (a fan of doubles: the double); the
// symbol's own type for the others.
int32_t legTypeOf(const ElementType& type);

// One part of what a symbol makes: count stitches of a type (the chain's
// for chains).
struct MakeupPart {
    int32_t typeId = 0;
    int count = 0;
    friend bool operator==(const MakeupPart&, const MakeupPart&) = default;
};
// A fan: its legs and chains from left to right, neighbours of one kind
// together; any other symbol: itself once.
std::vector<MakeupPart> makeupOf(const ElementType& type);

// The chains that stand for a stitch at the beginning of a round or row:
// 1 for a single (not counted as a stitch), 2 for a half double, 3 for a
// double and one more for each taller stitch; 0 for other types.
int beginningChainsFor(int32_t typeId);

} // namespace loopora::pattern
