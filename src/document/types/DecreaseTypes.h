#pragma once
// The rows of the decreases (legs meeting at one top) and the clusters (an
// outline round a stem). A decrease of doubles lists its legs as {mode,
// angle} and says whether its shared bar comes first.
//
// How their names follow from what they are built of (Russian as Russian
// pattern books write it, English in US terms):
// - Legs meeting at one top are a decrease: "N ссн вместе", "dcNtog"; with
//   their bases on one line "(ровный низ)", "(flat base)".
// - An almond outline of lenses round a half-double stem is a puff with as
//   many strands as lines ("пышный столбик из 3 пссн", "3-hdc puff"); under
//   a chain cap with a white dot it is a popcorn; with a single's cross on
//   top a bobble; closed by a chain oval a puff closed with a chain.
//
// Counts: a decrease is worked into one stitch per leg and makes 1. Puffs,
// popcorns and bobbles are one stitch in one.
//
// Where a stitch is worked from, when its build does not say it: the single
// decreases' legs hang from the top at 30 degrees either side of the stem,
// so their feet stand half a stem to each side and 0.134 of it above the base.

#include "document/types/RowSupport.h"
#include "stitches/Clusters.h"
#include "stitches/Decreases.h"

namespace loopora::types {

inline constexpr ElementType kDecreaseTypes[] = {
    {13, "double1to2zaoset", Cluster, Placement, {32846, ChainClusterPalette, 7}, InRowsAndArcs, build::puff2LegsApart,
     {"пышный столбик из 2 пссн", "пыш. ст. из 2 пссн"}, {"2-hdc puff stitch", "2-hdc puff"}, {1, 1}},
    {18, "double1to3zao", Cluster, Placement, {32847, ChainClusterPalette, 8}, InRowsAndArcs, build::puff3,
     {"пышный столбик из 3 пссн", "пыш. ст. из 3 пссн"}, {"3-hdc puff stitch", "3-hdc puff"}, {1, 1}},
    {19, "double1to3zaoset", Cluster, Placement, {32849, ChainClusterPalette, 9}, InRowsAndArcs, build::puff3LegsApart,
     {"пышный столбик из 3 пссн (ножки врозь)", "пыш. ст. из 3 пссн"},
     {"3-hdc puff stitch (legs apart)", "3-hdc puff"}, {1, 1}},
    {29, "double1to5cron", Cluster, Placement, {32852, ChainClusterPalette, 12}, InRowsAndArcs, build::popcorn5,
     {"попкорн из 5 ссн", "попк. из 5 ссн"}, {"5-dc popcorn", "5-dc pc"}, {1, 1}},
    {30, "double1to5cronset", Cluster, Placement, {32853, ChainClusterPalette, 13}, InRowsAndArcs, build::popcorn5LegsApart,
     {"попкорн из 5 ссн (ножки врозь)", "попк. из 5 ссн"}, {"5-dc popcorn (legs apart)", "5-dc pc"}, {1, 1}},
    {34, "double1to5zao", Cluster, Placement, {32850, ChainClusterPalette, 10}, InRowsAndArcs, build::puff5,
     {"пышный столбик из 5 пссн", "пыш. ст. из 5 пссн"}, {"5-hdc puff stitch", "5-hdc puff"}, {1, 1}},
    {35, "double1to5zaoset", Cluster, Placement, {32851, ChainClusterPalette, 11}, InRowsAndArcs, build::puff5LegsApart,
     {"пышный столбик из 5 пссн (ножки врозь)", "пыш. ст. из 5 пссн"},
     {"5-hdc puff stitch (legs apart)", "5-hdc puff"}, {1, 1}},
    {39, "double2to1flat", Decrease, Placement, {32819, DecreasePalette, 1}, No, decrease(true, {{S, 10}, {S, -10}}),
     {"2 ссн вместе", "2 ссн вм."}, {"double crochet 2 together", "dc2tog"}, {2, 1}},
    {40, "double3to1flat", Decrease, Placement, {32820, DecreasePalette, 2}, No,
     decrease(true, {{S, 20}, {S, 0}, {S, -20}}),
     {"3 ссн вместе (ровный низ)", "3 ссн вм."}, {"double crochet 3 together (flat base)", "dc3tog"}, {3, 1}},
    {41, "double4to1flat", Decrease, Placement, {32823, DecreasePalette, 4}, No,
     decrease(true, {{S, 30}, {S, 10}, {S, -10}, {S, -30}}),
     {"4 ссн вместе (ровный низ)", "4 ссн вм."}, {"double crochet 4 together (flat base)", "dc4tog"}, {4, 1}},
    {42, "double5to1flat", Decrease, Placement, {32822, DecreasePalette, 6}, No,
     decrease(false, {{S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}}),
     {"5 ссн вместе (ровный низ)", "5 ссн вм."}, {"double crochet 5 together (flat base)", "dc5tog"}, {5, 1}},
    {54, "qibao", Cluster, Placement, {32808, BasicPalette, 11}, Everywhere, build::bobble,
     {"шишечка", "шиш."}, {"bobble", "bo"}, {1, 1}},
    {59, "single2to1", Decrease, Placement, {32810, ChainClusterPalette, 5}, No, build::sc2tog,
     {"2 сбн вместе", "2 сбн вм."}, {"single crochet 2 together", "sc2tog"}, {2, 1}, nullptr,
     basesAt({{-0.5, 0.134}, {0.5, 0.134}})},
    {60, "single3to1", Decrease, Placement, {32813, ChainClusterPalette, 6}, No, build::sc3tog,
     {"3 сбн вместе", "3 сбн вм."}, {"single crochet 3 together", "sc3tog"}, {3, 1}, nullptr,
     basesAt({{-0.5, 0.134}, {0, 0}, {0.5, 0.134}})},
    {71, "variantzao", Cluster, Placement, {32941, BasicPalette, 22}, Everywhere, build::puffClosedWithChain,
     {"пышный столбик, закреплённый в. п.", "пыш. ст. + в. п."},
     {"puff stitch closed with a chain", "puff + ch"}, {1, 1}},
    {83, "double3to1", Decrease, Placement, {32963, DecreasePalette, 3}, No,
     decrease(true, {{R, 20}, {R, 0}, {R, -20}}),
     {"3 ссн вместе", "3 ссн вм."}, {"double crochet 3 together", "dc3tog"}, {3, 1}},
    {84, "double5to1", Decrease, Placement, {32964, DecreasePalette, 7}, No,
     decrease(false, {{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}}),
     {"5 ссн вместе", "5 ссн вм."}, {"double crochet 5 together", "dc5tog"}, {5, 1}},
    {85, "double4to1", Decrease, Placement, {32965, DecreasePalette, 5}, No,
     decrease(true, {{R, 30}, {R, 10}, {R, -10}, {R, -30}}),
     {"4 ссн вместе", "4 ссн вм."}, {"double crochet 4 together", "dc4tog"}, {4, 1}},
    {86, "double6to1", Decrease, Placement, {32969, DecreasePalette, 9}, No,
     decrease(false, {{R, 45}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -45}}),
     {"6 ссн вместе", "6 ссн вм."}, {"double crochet 6 together", "dc6tog"}, {6, 1}},
    {87, "double6to1flat", Decrease, Placement, {32968, DecreasePalette, 8}, No,
     decrease(false, {{S, 40}, {S, 28}, {S, 10}, {S, -10}, {S, -28}, {S, -40}}),
     {"6 ссн вместе (ровный низ)", "6 ссн вм."}, {"double crochet 6 together (flat base)", "dc6tog"}, {6, 1}},
    {88, "double7to1", Decrease, Placement, {32967, DecreasePalette, 11}, No,
     decrease(false, {{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}}),
     {"7 ссн вместе", "7 ссн вм."}, {"double crochet 7 together", "dc7tog"}, {7, 1}},
    {89, "double7to1flat", Decrease, Placement, {32966, DecreasePalette, 10}, No,
     decrease(false, {{S, 41}, {S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}, {S, -41}}),
     {"7 ссн вместе (ровный низ)", "7 ссн вм."}, {"double crochet 7 together (flat base)", "dc7tog"}, {7, 1}},
    {160, "halfdouble2to1", Decrease, Placement, {kCommandOfTypeId, MorePalette, 5}, No,
     decrease(true, {{R, 20}, {R, -20}}, kHalfDoubleLegs),
     {"2 пссн вместе", "2 пссн вм."}, {"half double crochet 2 together", "hdc2tog"}, {2, 1}},
    {161, "halfdouble3to1", Decrease, Placement, {kCommandOfTypeId, MorePalette, 6}, No,
     decrease(true, {{R, 25}, {R, 0}, {R, -25}}, kHalfDoubleLegs),
     {"3 пссн вместе", "3 пссн вм."}, {"half double crochet 3 together", "hdc3tog"}, {3, 1}},
    {162, "treble2to1", Decrease, Placement, {kCommandOfTypeId, MorePalette, 7}, No,
     decrease(true, {{R, 22}, {R, -22}}, kTrebleLegs),
     {"2 с2н вместе", "2 с2н вм."}, {"treble crochet 2 together", "tr2tog"}, {2, 1}},
    {163, "treble3to1", Decrease, Placement, {kCommandOfTypeId, MorePalette, 8}, No,
     decrease(true, {{R, 30}, {R, 0}, {R, -30}}, kTrebleLegs),
     {"3 с2н вместе", "3 с2н вм."}, {"treble crochet 3 together", "tr3tog"}, {3, 1}},
};

} // namespace loopora::types
