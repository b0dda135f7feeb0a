#include "document/TypeTable.h"

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/Canvas.h"
#include "elements/GroupElement.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/PrototypeTable.h"
#include "elements/RectangleElement.h"
#include "elements/TextElement.h"
#include "stitches/BasicStitches.h"
#include "stitches/ChainGroups.h"
#include "stitches/CircleArc.h"
#include "stitches/Clusters.h"
#include "stitches/SlipStitchDot.h"
#include "stitches/SpecialStitches.h"

#include <array>

namespace loopora {
namespace {

template <typename T>
std::unique_ptr<CChartElement> make()
{
    return std::make_unique<T>();
}

using enum TypeKind;
using enum PlacingTool;
using enum Arrangeable;
constexpr LegMode R = LegMode::Turned;
constexpr LegMode S = LegMode::Sheared;

// One row per type id, in id order: id, tool name, family, the tool that
// places it, the command choosing that tool, the arrangements that repeat it,
// and its build. Fans list their legs in build order as {mode, angle, shift,
// shortening}, then their chains; decreases say whether their shared bar
// comes first. Ids 72 to 78 and 150 appear only in old chart files; 144 to 147 and 151
// have no class. Then the Russian and the English name with its
// abbreviation, the stitch counts (worked into, makes) and, where the build
// does not say it, where the stitch is worked from. The single decreases'
// legs hang from the top at 30 degrees either side of the stem, so their
// feet stand half a stem to each side and 0.134 of it above the base.
//
// How a symbol's names follow from what it is built of (Russian as Russian
// pattern books write it, English in US terms):
// - A leg's height names the stitch: no top bar but a cross сбн/sc, a bar
//   alone пссн/hdc, one to four slashes ссн/dc, с2н/tr, с3н/dtr, с4н/trtr.
// - Legs from one base are a fan: "N ссн из одной петли", "N ссн в 1 п.";
//   "2-dc increase" or "N-dc shell", "N dc in 1 st".
// - Chains crossing the fan's top sit in its middle: two legs make a
//   V-stitch ("2 ссн из одной петли через в. п."), more legs a shell with a
//   chain centre; chains bridging every pair of tops separate all legs
//   ("через в. п.", "with ch-1 spaces"). The abbreviation spells the order
//   of work: "(ссн, в. п., ссн) в 1 п.", "(dc, ch 1) × 2, dc in 1 st".
// - Legs meeting at one top are a decrease: "N ссн вместе", "dcNtog".
// - An almond outline of lenses round a half-double stem is a puff with as
//   many strands as lines ("пышный столбик из 3 пссн", "3-hdc puff"); under
//   a chain cap with a white dot it is a popcorn; with a single's cross on
//   top a bobble; closed by a chain oval a puff closed with a chain.
// - Chains end to end are counted chains ("3 в. п.", "ch 3"); three chains
//   bent back on themselves a picot; a plain circle the magic ring.
// - A stitch standing on three quarters of a ring is worked round the post:
//   the "top" ring from the front (рельефный лицевой, FP), the "back" ring
//   from behind (рельефный изнаночный, BP). A single under a cup is worked in
//   the back loop; a single's oblique cross under a loop is twisted.
// - Where several symbols are one stitch drawn differently, every drawing
//   but the usual one (legs turned about their base) is named in brackets:
//   tops on one line "(ровный верх)", "(flat top)"; bases on one line
//   "(ровный низ)", "(flat base)"; legs standing apart "(ножки врозь)",
//   "(legs apart)"; one upright leg and the others leaning "(с наклоном
//   влево)", "(leaning left)". Such symbols share an abbreviation.
//
// Counts: a fan is worked into 1 stitch and makes one per leg and chain; a
// decrease is worked into one per leg and makes 1; a chain makes 1 from
// nothing. Puffs, popcorns and bobbles are one stitch in one. A slip stitch,
// a picot and the magic ring make nothing to work into, as pattern counts
// leave them out. Groups and arrangements (the chain ring too) count what
// they hold; figures and parts are not stitches and have no counts.
constexpr ElementType kTypes[] = {
    {typeids::kGroup, "", Group, NoTool, 0, No, make<CGroupElement>,
     {"группа", ""}, {"group", ""}},
    {1, "backscratch", Special, Placement, 32855, Everywhere, build::scratch<typeids::kDouble, 5, 270>,
     {"рельефный изнаночный столбик с накидом", "рел. изн. ссн"}, {"back post double crochet", "BPdc"}, {1, 1}},
    {typeids::kCanvas, "", Canvas, NoTool, 0, No, make<CCanvas>},
    {typeids::kChain2, "chain2", ChainGroup, Placement, 32777, Everywhere, build::chain2,
     {"2 воздушные петли", "2 в. п."}, {"2 chains", "ch 2"}, {0, 2}},
    {typeids::kChain3, "chain3", ChainGroup, Placement, 32790, Everywhere, build::chain3,
     {"3 воздушные петли", "3 в. п."}, {"3 chains", "ch 3"}, {0, 3}},
    {5, "chain3teeth", ChainGroup, Placement, 32845, Everywhere, build::chain3Teeth,
     {"пико из 3 в. п.", "пико"}, {"3-chain picot", "ch-3 picot"}, {0, 0}},
    {typeids::kCircle, "circle", Special, Placement, 32856, No, make<CCircleArc>,
     {"кольцо амигуруми", "КА"}, {"magic ring", "MR"}, {0, 0}},
    {typeids::kDouble, "double", Stitch, Placement, 32805, Everywhere, make<CDoubleStitch>,
     {"столбик с накидом", "ссн"}, {"double crochet", "dc"}, {1, 1}},
    {8, "double1to2chain1", Fan, Placement, 32832, No, fan({{S, 20}, {S, -20}}, FanChains::CrossingOval, 1.0 / 7),
     {"2 ссн из одной петли через в. п.", "(ссн, в. п., ссн) в 1 п."},
     {"V-stitch", "(dc, ch 1, dc) in 1 st"}, {1, 3}},
    {9, "double1to2chain2", Fan, Placement, 32833, No, fan({{S, 30}, {S, -30}}, FanChains::CrossingChain2, 1.0 / 3),
     {"2 ссн из одной петли через 2 в. п.", "(ссн, 2 в. п., ссн) в 1 п."},
     {"V-stitch with ch-2", "(dc, ch 2, dc) in 1 st"}, {1, 4}},
    {10, "double1to2chain3", Fan, Placement, 32834, No, fan({{S, 35}, {S, -35}}, FanChains::CrossingChain3, 1.0 / 2),
     {"2 ссн из одной петли через 3 в. п.", "(ссн, 3 в. п., ссн) в 1 п."},
     {"V-stitch with ch-3", "(dc, ch 3, dc) in 1 st"}, {1, 5}},
    {11, "double1to2flat", Fan, Placement, 32824, No, fan({{S, 10}, {S, -10}}),
     {"2 ссн из одной петли (ровный верх)", "2 ссн в 1 п."}, {"2-dc increase (flat top)", "2 dc in 1 st"}, {1, 2}},
    {12, "double1to2flatset", Fan, Placement, 32837, No, fan({{S, 10, -5}, {S, -10, 5}}),
     {"2 ссн из одной петли (ровный верх, ножки врозь)", "2 ссн в 1 п."},
     {"2-dc increase (flat top, legs apart)", "2 dc in 1 st"}, {1, 2}},
    {13, "double1to2zaoset", Cluster, Placement, 32846, No, build::double1to2ZaoSet,
     {"пышный столбик из 2 пссн", "пыш. ст. из 2 пссн"}, {"2-hdc puff stitch", "2-hdc puff"}, {1, 1}},
    {14, "double1to3", Fan, Placement, 32914, No, fan({{R, -22}, {S, 0}, {R, 22}}),
     {"3 ссн из одной петли", "3 ссн в 1 п."}, {"3-dc shell", "3 dc in 1 st"}, {1, 3}},
    {15, "double1to3chain2", Fan, Placement, 32912, No, fan({{R, -26}, {S, 0}, {R, 26}}, FanChains::Bridging),
     {"3 ссн из одной петли через в. п.", "(ссн, в. п.) × 2, ссн в 1 п."},
     {"3-dc shell with ch-1 spaces", "(dc, ch 1) × 2, dc in 1 st"}, {1, 5}},
    {16, "double1to3flat", Fan, Placement, 32827, No, fan({{S, 20}, {S, 0}, {S, -20}}),
     {"3 ссн из одной петли (ровный верх)", "3 ссн в 1 п."}, {"3-dc shell (flat top)", "3 dc in 1 st"}, {1, 3}},
    {17, "double1to3flatset", Fan, Placement, 32839, No, fan({{S, 0}, {S, 15, -5}, {S, -15, 5}}),
     {"3 ссн из одной петли (ровный верх, ножки врозь)", "3 ссн в 1 п."},
     {"3-dc shell (flat top, legs apart)", "3 dc in 1 st"}, {1, 3}},
    {18, "double1to3zao", Cluster, Placement, 32847, No, build::double1to3Zao,
     {"пышный столбик из 3 пссн", "пыш. ст. из 3 пссн"}, {"3-hdc puff stitch", "3-hdc puff"}, {1, 1}},
    {19, "double1to3zaoset", Cluster, Placement, 32849, No, build::double1to3ZaoSet,
     {"пышный столбик из 3 пссн (ножки врозь)", "пыш. ст. из 3 пссн"},
     {"3-hdc puff stitch (legs apart)", "3-hdc puff"}, {1, 1}},
    {20, "double1to4chain1", Fan, Placement, 32836, No,
     fan({{R, 40}, {R, 20}, {R, -20}, {R, -40}}, FanChains::CrossingOval, 1.0 / 7),
     {"(2 ссн, в. п., 2 ссн) из одной петли", "(2 ссн, в. п., 2 ссн) в 1 п."},
     {"4-dc shell with ch-1 center", "(2 dc, ch 1, 2 dc) in 1 st"}, {1, 5}},
    {21, "double1to4chain1flat", Fan, Placement, 32922, No,
     fan({{S, 35}, {S, 20}, {S, -20}, {S, -35}}, FanChains::CrossingOval, 1.0 / 7),
     {"(2 ссн, в. п., 2 ссн) из одной петли (ровный верх)", "(2 ссн, в. п., 2 ссн) в 1 п."},
     {"4-dc shell with ch-1 center (flat top)", "(2 dc, ch 1, 2 dc) in 1 st"}, {1, 5}},
    {22, "double1to4chain1flatset", Fan, Placement, 32924, No,
     fan({{S, 30, 6}, {S, 15, 2}, {S, -15, -2}, {S, -30, -6}}, FanChains::CrossingOval, 1.0 / 7),
     {"(2 ссн, в. п., 2 ссн) из одной петли (ровный верх, ножки врозь)", "(2 ссн, в. п., 2 ссн) в 1 п."},
     {"4-dc shell with ch-1 center (flat top, legs apart)", "(2 dc, ch 1, 2 dc) in 1 st"}, {1, 5}},
    {23, "double1to4chain3", Fan, Placement, 32923, No,
     fan({{R, -45}, {R, -15}, {R, 15}, {R, 45}}, FanChains::Bridging),
     {"4 ссн из одной петли через в. п.", "(ссн, в. п.) × 3, ссн в 1 п."},
     {"4-dc shell with ch-1 spaces", "(dc, ch 1) × 3, dc in 1 st"}, {1, 7}},
    {24, "double1to4chain3set", Fan, Placement, 32902, No,
     fan({{R, -40, 5}, {R, -13, 2}, {R, 13, -2}, {R, 40, -5}}, FanChains::Bridging),
     {"4 ссн из одной петли через в. п. (ножки врозь)", "(ссн, в. п.) × 3, ссн в 1 п."},
     {"4-dc shell with ch-1 spaces (legs apart)", "(dc, ch 1) × 3, dc in 1 st"}, {1, 7}},
    {25, "double1to4flat", Fan, Placement, 32828, No, fan({{S, 30}, {S, 10}, {S, -10}, {S, -30}}),
     {"4 ссн из одной петли (ровный верх)", "4 ссн в 1 п."}, {"4-dc shell (flat top)", "4 dc in 1 st"}, {1, 4}},
    {26, "double1to4flatset", Fan, Placement, 32840, No,
     fan({{S, 7, -4}, {S, 22, -10, 0.03}, {S, -7, 4}, {S, -22, 10, 0.03}}),
     {"4 ссн из одной петли (ровный верх, ножки врозь)", "4 ссн в 1 п."},
     {"4-dc shell (flat top, legs apart)", "4 dc in 1 st"}, {1, 4}},
    {27, "double1to5", Fan, Placement, 32830, No, fan({{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}}),
     {"5 ссн из одной петли", "5 ссн в 1 п."}, {"5-dc shell", "5 dc in 1 st"}, {1, 5}},
    {28, "double1to5chain4set", Fan, Placement, 32891, No,
     fan({{R, -55, 6}, {R, -26, 3}, {S, 0}, {R, 26, -3}, {R, 55, -6}}, FanChains::Bridging),
     {"5 ссн из одной петли через в. п. (ножки врозь)", "(ссн, в. п.) × 4, ссн в 1 п."},
     {"5-dc shell with ch-1 spaces (legs apart)", "(dc, ch 1) × 4, dc in 1 st"}, {1, 9}},
    {29, "double1to5cron", Cluster, Placement, 32852, No, build::double1to5Cron,
     {"попкорн из 5 ссн", "попк. из 5 ссн"}, {"5-dc popcorn", "5-dc pc"}, {1, 1}},
    {30, "double1to5cronset", Cluster, Placement, 32853, No, build::double1to5CronSet,
     {"попкорн из 5 ссн (ножки врозь)", "попк. из 5 ссн"}, {"5-dc popcorn (legs apart)", "5-dc pc"}, {1, 1}},
    {31, "double1to5flat", Fan, Placement, 32886, No, fan({{S, 36}, {S, 20}, {S, 0}, {S, -20}, {S, -36}}),
     {"5 ссн из одной петли (ровный верх)", "5 ссн в 1 п."}, {"5-dc shell (flat top)", "5 dc in 1 st"}, {1, 5}},
    {32, "double1to5flatset", Fan, Placement, 32841, No,
     fan({{S, 0}, {S, 30, -10}, {S, 15, -5}, {S, -15, 5}, {S, -30, 10}}),
     {"5 ссн из одной петли (ровный верх, ножки врозь)", "5 ссн в 1 п."},
     {"5-dc shell (flat top, legs apart)", "5 dc in 1 st"}, {1, 5}},
    {33, "double1to5set", Fan, Placement, 32842, No,
     fan({{R, 0}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02}, {R, -15, 5, 0.02}, {R, -30, 10, 0.07}}),
     {"5 ссн из одной петли (ножки врозь)", "5 ссн в 1 п."}, {"5-dc shell (legs apart)", "5 dc in 1 st"}, {1, 5}},
    {34, "double1to5zao", Cluster, Placement, 32850, No, build::double1to5Zao,
     {"пышный столбик из 5 пссн", "пыш. ст. из 5 пссн"}, {"5-hdc puff stitch", "5-hdc puff"}, {1, 1}},
    {35, "double1to5zaoset", Cluster, Placement, 32851, No, build::double1to5ZaoSet,
     {"пышный столбик из 5 пссн (ножки врозь)", "пыш. ст. из 5 пссн"},
     {"5-hdc puff stitch (legs apart)", "5-hdc puff"}, {1, 1}},
    {36, "double1to6chain2set", Fan, Placement, 32843, No,
     fan({{R, 45, -10, 0.12}, {R, 32, -6, 0.06}, {R, 20, -2},
          {R, -20, 2}, {R, -32, 6, 0.06}, {R, -45, 10, 0.12}}, FanChains::CrossingChain2, 1.0 / 4),
     {"(3 ссн, 2 в. п., 3 ссн) из одной петли", "(3 ссн, 2 в. п., 3 ссн) в 1 п."},
     {"6-dc shell with ch-2 center", "(3 dc, ch 2, 3 dc) in 1 st"}, {1, 8}},
    {37, "double1to6set", Fan, Placement, 32911, No,
     fan({{R, 40, -15, 0.18}, {R, 25, -10, 0.08}, {R, 10, -3}, {R, -10, 3}, {R, -25, 10, 0.08}, {R, -40, 15, 0.18}}),
     {"6 ссн из одной петли (ножки врозь)", "6 ссн в 1 п."}, {"6-dc shell (legs apart)", "6 dc in 1 st"}, {1, 6}},
    {38, "double1to7", Fan, Placement, 32918, No,
     fan({{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}}),
     {"7 ссн из одной петли", "7 ссн в 1 п."}, {"7-dc shell", "7 dc in 1 st"}, {1, 7}},
    {39, "double2to1flat", Decrease, Placement, 32819, No, decrease(true, {{S, 10}, {S, -10}}),
     {"2 ссн вместе", "2 ссн вм."}, {"double crochet 2 together", "dc2tog"}, {2, 1}},
    {40, "double3to1flat", Decrease, Placement, 32820, No, decrease(true, {{S, 20}, {S, 0}, {S, -20}}),
     {"3 ссн вместе (ровный низ)", "3 ссн вм."}, {"double crochet 3 together (flat base)", "dc3tog"}, {3, 1}},
    {41, "double4to1flat", Decrease, Placement, 32823, No, decrease(true, {{S, 30}, {S, 10}, {S, -10}, {S, -30}}),
     {"4 ссн вместе (ровный низ)", "4 ссн вм."}, {"double crochet 4 together (flat base)", "dc4tog"}, {4, 1}},
    {42, "double5to1flat", Decrease, Placement, 32822, No,
     decrease(false, {{S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}}),
     {"5 ссн вместе (ровный низ)", "5 ссн вм."}, {"double crochet 5 together (flat base)", "dc5tog"}, {5, 1}},
    {typeids::kDoubleTreble, "doubletreble", Stitch, Placement, 32870, Everywhere, make<CDoubleTrebleStitch>,
     {"столбик с 3 накидами", "с3н"}, {"double treble crochet", "dtr"}, {1, 1}},
    {typeids::kLens, "", Part, NoTool, 0, No, make<CLensElement>},
    {typeids::kChain, "chain", Stitch, Placement, 32771, InRowsAndArcs, make<CChainOval>,
     {"воздушная петля", "в. п."}, {"chain", "ch"}, {0, 1}},
    {typeids::kSlipStitch, "slipstitch", Stitch, Placement, 32802, InRowsAndArcs, make<CSlipStitchDot>,
     {"соединительный столбик", "сс"}, {"slip stitch", "sl st"}, {0, 0}},
    {typeids::kHalfDouble, "halfdouble", Stitch, Placement, 32804, Everywhere, make<CHalfDoubleStitch>,
     {"полустолбик с накидом", "пссн"}, {"half double crochet", "hdc"}, {1, 1}},
    {48, "halfdoublebackscratch", Special, Placement, 32862, Everywhere, build::scratch<typeids::kHalfDouble, 5, 270>,
     {"рельефный изнаночный полустолбик с накидом", "рел. изн. пссн"},
     {"back post half double crochet", "BPhdc"}, {1, 1}},
    {49, "halfdoubletopscratch", Special, Placement, 32861, Everywhere, build::scratch<typeids::kHalfDouble, 5, -270>,
     {"рельефный лицевой полустолбик с накидом", "рел. лиц. пссн"},
     {"front post half double crochet", "FPhdc"}, {1, 1}},
    {50, "leftdouble1to2flat", Fan, Placement, 32874, No, fan({{S, 0}, {S, -20}}),
     {"2 ссн из одной петли (с наклоном влево)", "2 ссн в 1 п."},
     {"2-dc increase (leaning left)", "2 dc in 1 st"}, {1, 2}},
    {51, "leftdouble1to3flat", Fan, Placement, 32879, No, fan({{S, 0}, {S, -20}, {S, -36}}),
     {"3 ссн из одной петли (с наклоном влево)", "3 ссн в 1 п."},
     {"3-dc shell (leaning left)", "3 dc in 1 st"}, {1, 3}},
    {52, "leftdouble1to4flat", Fan, Placement, 32880, No, fan({{S, 0}, {S, -20}, {S, -36}, {S, -48}}),
     {"4 ссн из одной петли (с наклоном влево)", "4 ссн в 1 п."},
     {"4-dc shell (leaning left)", "4 dc in 1 st"}, {1, 4}},
    {typeids::kLine, "line", Figure, Placement, 32781, No, make<CLineElement>,
     {"линия", ""}, {"line", ""}},
    {54, "qibao", Cluster, Placement, 32808, Everywhere, build::qibao,
     {"шишечка", "шиш."}, {"bobble", "bo"}, {1, 1}},
    {55, "rightdouble1to2flat", Fan, Placement, 32881, No, fan({{S, 0}, {S, 20}}),
     {"2 ссн из одной петли (с наклоном вправо)", "2 ссн в 1 п."},
     {"2-dc increase (leaning right)", "2 dc in 1 st"}, {1, 2}},
    {56, "rightdouble1to3flat", Fan, Placement, 32882, No, fan({{S, 0}, {S, 20}, {S, 36}}),
     {"3 ссн из одной петли (с наклоном вправо)", "3 ссн в 1 п."},
     {"3-dc shell (leaning right)", "3 dc in 1 st"}, {1, 3}},
    {57, "rightdouble1to4flat", Fan, Placement, 32884, No, fan({{S, 0}, {S, 20}, {S, 36}, {S, 48}}),
     {"4 ссн из одной петли (с наклоном вправо)", "4 ссн в 1 п."},
     {"4-dc shell (leaning right)", "4 dc in 1 st"}, {1, 4}},
    {typeids::kSingle, "single", Stitch, Placement, 32792, Everywhere, make<CSingleStitch>,
     {"столбик без накида", "сбн"}, {"single crochet", "sc"}, {1, 1}},
    {59, "single2to1", Decrease, Placement, 32810, No, build::single2to1,
     {"2 сбн вместе", "2 сбн вм."}, {"single crochet 2 together", "sc2tog"}, {2, 1},
     basesAt({{-0.5, 0.134}, {0.5, 0.134}})},
    {60, "single3to1", Decrease, Placement, 32813, No, build::single3to1,
     {"3 сбн вместе", "3 сбн вм."}, {"single crochet 3 together", "sc3tog"}, {3, 1},
     basesAt({{-0.5, 0.134}, {0, 0}, {0.5, 0.134}})},
    {61, "singlebackscratch", Special, Placement, 32867, Everywhere, build::scratch<typeids::kSingle, 5, 270>,
     {"рельефный изнаночный столбик без накида", "рел. изн. сбн"}, {"back post single crochet", "BPsc"}, {1, 1}},
    {62, "singletopscratch", Special, Placement, 32866, Everywhere, build::scratch<typeids::kSingle, 5, -270>,
     {"рельефный лицевой столбик без накида", "рел. лиц. сбн"}, {"front post single crochet", "FPsc"}, {1, 1}},
    {63, "singletwist", Special, Placement, 32869, Everywhere, build::singleTwist,
     {"перекрученный столбик без накида", "перекр. сбн"}, {"twisted single crochet", "tw sc"}, {1, 1}},
    {64, "topscratch", Special, Placement, 32854, Everywhere, build::scratch<typeids::kDouble, 5, -270>,
     {"рельефный лицевой столбик с накидом", "рел. лиц. ссн"}, {"front post double crochet", "FPdc"}, {1, 1}},
    {typeids::kTreble, "treble", Stitch, Placement, 32806, Everywhere, make<CTrebleStitch>,
     {"столбик с 2 накидами", "с2н"}, {"treble crochet", "tr"}, {1, 1}},
    {66, "treblebackscratch", Special, Placement, 32888, Everywhere, build::scratch<typeids::kTreble, 7, 270>,
     {"рельефный изнаночный столбик с 2 накидами", "рел. изн. с2н"}, {"back post treble crochet", "BPtr"}, {1, 1}},
    {67, "trebletopscratch", Special, Placement, 32887, Everywhere, build::scratch<typeids::kTreble, 7, -270>,
     {"рельефный лицевой столбик с 2 накидами", "рел. лиц. с2н"}, {"front post treble crochet", "FPtr"}, {1, 1}},
    {typeids::kTrebleTreble, "trebletreble", Stitch, Placement, 32871, Everywhere, make<CTrebleTrebleStitch>,
     {"столбик с 4 накидами", "с4н"}, {"triple treble crochet", "trtr"}, {1, 1}},
    {69, "ushape", Special, Placement, 32873, Everywhere, build::uShape,
     {"столбик без накида за заднюю стенку", "сбн за з. ст."},
     {"single crochet in back loop only", "sc blo"}, {1, 1}},
    {70, "double1to3chain2set", Fan, Placement, 32925, No,
     fan({{R, -26, 4}, {S, 0}, {R, 26, -4}}, FanChains::Bridging),
     {"3 ссн из одной петли через в. п. (ножки врозь)", "(ссн, в. п.) × 2, ссн в 1 п."},
     {"3-dc shell with ch-1 spaces (legs apart)", "(dc, ch 1) × 2, dc in 1 st"}, {1, 5}},
    {71, "variantzao", Cluster, Placement, 32941, Everywhere, build::variantZao,
     {"пышный столбик, закреплённый в. п.", "пыш. ст. + в. п."},
     {"puff stitch closed with a chain", "puff + ch"}, {1, 1}},
    {72, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {73, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {74, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {75, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {76, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {77, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {78, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {79, "double1to4", Fan, Placement, 32958, No, fan({{R, 30}, {R, 10}, {R, -10}, {R, -30}}),
     {"4 ссн из одной петли", "4 ссн в 1 п."}, {"4-dc shell", "4 dc in 1 st"}, {1, 4}},
    {80, "double1to4set", Fan, Placement, 32959, No,
     fan({{R, 24, -8, 0.07}, {R, 8, -3, 0.02}, {R, -8, 3, 0.02}, {R, -24, 8, 0.07}}),
     {"4 ссн из одной петли (ножки врозь)", "4 ссн в 1 п."}, {"4-dc shell (legs apart)", "4 dc in 1 st"}, {1, 4}},
    {81, "double1to3set", Fan, Placement, 32960, No, fan({{R, 20, -3, 0.02}, {R, 0}, {R, -20, 3, 0.02}}),
     {"3 ссн из одной петли (ножки врозь)", "3 ссн в 1 п."}, {"3-dc shell (legs apart)", "3 dc in 1 st"}, {1, 3}},
    {82, "double1to6", Fan, Placement, 32961, No, fan({{R, 50}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -50}}),
     {"6 ссн из одной петли", "6 ссн в 1 п."}, {"6-dc shell", "6 dc in 1 st"}, {1, 6}},
    {83, "double3to1", Decrease, Placement, 32963, No, decrease(true, {{R, 20}, {R, 0}, {R, -20}}),
     {"3 ссн вместе", "3 ссн вм."}, {"double crochet 3 together", "dc3tog"}, {3, 1}},
    {84, "double5to1", Decrease, Placement, 32964, No, decrease(false, {{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}}),
     {"5 ссн вместе", "5 ссн вм."}, {"double crochet 5 together", "dc5tog"}, {5, 1}},
    {85, "double4to1", Decrease, Placement, 32965, No, decrease(true, {{R, 30}, {R, 10}, {R, -10}, {R, -30}}),
     {"4 ссн вместе", "4 ссн вм."}, {"double crochet 4 together", "dc4tog"}, {4, 1}},
    {86, "double6to1", Decrease, Placement, 32969, No,
     decrease(false, {{R, 45}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -45}}),
     {"6 ссн вместе", "6 ссн вм."}, {"double crochet 6 together", "dc6tog"}, {6, 1}},
    {87, "double6to1flat", Decrease, Placement, 32968, No,
     decrease(false, {{S, 40}, {S, 28}, {S, 10}, {S, -10}, {S, -28}, {S, -40}}),
     {"6 ссн вместе (ровный низ)", "6 ссн вм."}, {"double crochet 6 together (flat base)", "dc6tog"}, {6, 1}},
    {88, "double7to1", Decrease, Placement, 32967, No,
     decrease(false, {{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}}),
     {"7 ссн вместе", "7 ссн вм."}, {"double crochet 7 together", "dc7tog"}, {7, 1}},
    {89, "double7to1flat", Decrease, Placement, 32966, No,
     decrease(false, {{S, 41}, {S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}, {S, -41}}),
     {"7 ссн вместе (ровный низ)", "7 ссн вм."}, {"double crochet 7 together (flat base)", "dc7tog"}, {7, 1}},
    {90, "double1to7set", Fan, Placement, 32971, No,
     fan({{R, 0}, {R, 45, -15, 0.14}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02},
          {R, -15, 5, 0.02}, {R, -30, 10, 0.07}, {R, -45, 15, 0.14}}),
     {"7 ссн из одной петли (ножки врозь)", "7 ссн в 1 п."}, {"7-dc shell (legs apart)", "7 dc in 1 st"}, {1, 7}},
    {91, "treble1to2flat", Fan, Placement, 32972, No, FanLike{11, &kTrebleLegs},
     {"2 с2н из одной петли (ровный верх)", "2 с2н в 1 п."}, {"2-tr increase (flat top)", "2 tr in 1 st"}, {1, 2}},
    {92, "treble1to2flatset", Fan, Placement, 32973, No, FanLike{12, &kTrebleLegs},
     {"2 с2н из одной петли (ровный верх, ножки врозь)", "2 с2н в 1 п."},
     {"2-tr increase (flat top, legs apart)", "2 tr in 1 st"}, {1, 2}},
    {93, "lefttreble1to2flat", Fan, Placement, 32974, No, FanLike{50, &kTrebleLegs},
     {"2 с2н из одной петли (с наклоном влево)", "2 с2н в 1 п."},
     {"2-tr increase (leaning left)", "2 tr in 1 st"}, {1, 2}},
    {94, "righttreble1to2flat", Fan, Placement, 32975, No, FanLike{55, &kTrebleLegs},
     {"2 с2н из одной петли (с наклоном вправо)", "2 с2н в 1 п."},
     {"2-tr increase (leaning right)", "2 tr in 1 st"}, {1, 2}},
    {95, "treble1to3flat", Fan, Placement, 32976, No, FanLike{16, &kTrebleLegs},
     {"3 с2н из одной петли (ровный верх)", "3 с2н в 1 п."}, {"3-tr shell (flat top)", "3 tr in 1 st"}, {1, 3}},
    {96, "treble1to3flatset", Fan, Placement, 32977, No, FanLike{17, &kTrebleLegs},
     {"3 с2н из одной петли (ровный верх, ножки врозь)", "3 с2н в 1 п."},
     {"3-tr shell (flat top, legs apart)", "3 tr in 1 st"}, {1, 3}},
    {97, "treble1to3", Fan, Placement, 32978, No, FanLike{14, &kTrebleLegs},
     {"3 с2н из одной петли", "3 с2н в 1 п."}, {"3-tr shell", "3 tr in 1 st"}, {1, 3}},
    {98, "treble1to3set", Fan, Placement, 32979, No, FanLike{81, &kTrebleLegs},
     {"3 с2н из одной петли (ножки врозь)", "3 с2н в 1 п."}, {"3-tr shell (legs apart)", "3 tr in 1 st"}, {1, 3}},
    {99, "lefttreble1to3flat", Fan, Placement, 32980, No, FanLike{51, &kTrebleLegs},
     {"3 с2н из одной петли (с наклоном влево)", "3 с2н в 1 п."},
     {"3-tr shell (leaning left)", "3 tr in 1 st"}, {1, 3}},
    {100, "righttreble1to3flat", Fan, Placement, 32981, No, FanLike{56, &kTrebleLegs},
     {"3 с2н из одной петли (с наклоном вправо)", "3 с2н в 1 п."},
     {"3-tr shell (leaning right)", "3 tr in 1 st"}, {1, 3}},
    {101, "treble1to4flat", Fan, Placement, 32982, No, FanLike{25, &kTrebleLegs},
     {"4 с2н из одной петли (ровный верх)", "4 с2н в 1 п."}, {"4-tr shell (flat top)", "4 tr in 1 st"}, {1, 4}},
    {102, "treble1to4flatset", Fan, Placement, 32983, No, FanLike{26, &kTrebleLegs},
     {"4 с2н из одной петли (ровный верх, ножки врозь)", "4 с2н в 1 п."},
     {"4-tr shell (flat top, legs apart)", "4 tr in 1 st"}, {1, 4}},
    {103, "treble1to4", Fan, Placement, 32984, No, FanLike{79, &kTrebleLegs},
     {"4 с2н из одной петли", "4 с2н в 1 п."}, {"4-tr shell", "4 tr in 1 st"}, {1, 4}},
    {104, "treble1to4set", Fan, Placement, 32985, No, FanLike{80, &kTrebleLegs},
     {"4 с2н из одной петли (ножки врозь)", "4 с2н в 1 п."}, {"4-tr shell (legs apart)", "4 tr in 1 st"}, {1, 4}},
    {105, "lefttreble1to4flat", Fan, Placement, 32986, No, FanLike{52, &kTrebleLegs},
     {"4 с2н из одной петли (с наклоном влево)", "4 с2н в 1 п."},
     {"4-tr shell (leaning left)", "4 tr in 1 st"}, {1, 4}},
    {106, "righttreble1to4flat", Fan, Placement, 32987, No, FanLike{57, &kTrebleLegs},
     {"4 с2н из одной петли (с наклоном вправо)", "4 с2н в 1 п."},
     {"4-tr shell (leaning right)", "4 tr in 1 st"}, {1, 4}},
    {107, "treble1to5flat", Fan, Placement, 32988, No, FanLike{31, &kTrebleLegs},
     {"5 с2н из одной петли (ровный верх)", "5 с2н в 1 п."}, {"5-tr shell (flat top)", "5 tr in 1 st"}, {1, 5}},
    {108, "treble1to5flatset", Fan, Placement, 32989, No, FanLike{32, &kTrebleLegs},
     {"5 с2н из одной петли (ровный верх, ножки врозь)", "5 с2н в 1 п."},
     {"5-tr shell (flat top, legs apart)", "5 tr in 1 st"}, {1, 5}},
    {109, "treble1to5", Fan, Placement, 32990, No, FanLike{27, &kTrebleLegs},
     {"5 с2н из одной петли", "5 с2н в 1 п."}, {"5-tr shell", "5 tr in 1 st"}, {1, 5}},
    {110, "treble1to5set", Fan, Placement, 32991, No, FanLike{33, &kTrebleLegs},
     {"5 с2н из одной петли (ножки врозь)", "5 с2н в 1 п."}, {"5-tr shell (legs apart)", "5 tr in 1 st"}, {1, 5}},
    {111, "treble1to6", Fan, Placement, 32992, No, FanLike{82, &kTrebleLegs},
     {"6 с2н из одной петли", "6 с2н в 1 п."}, {"6-tr shell", "6 tr in 1 st"}, {1, 6}},
    {112, "treble1to6set", Fan, Placement, 32993, No, FanLike{37, &kTrebleLegs},
     {"6 с2н из одной петли (ножки врозь)", "6 с2н в 1 п."}, {"6-tr shell (legs apart)", "6 tr in 1 st"}, {1, 6}},
    {113, "treble1to7", Fan, Placement, 32994, No, FanLike{38, &kTrebleLegs},
     {"7 с2н из одной петли", "7 с2н в 1 п."}, {"7-tr shell", "7 tr in 1 st"}, {1, 7}},
    {114, "treble1to7set", Fan, Placement, 32995, No, FanLike{90, &kTrebleLegs},
     {"7 с2н из одной петли (ножки врозь)", "7 с2н в 1 п."}, {"7-tr shell (legs apart)", "7 tr in 1 st"}, {1, 7}},
    {115, "doubletreble1to2flat", Fan, Placement, 32999, No, FanLike{11, &kDoubleTrebleLegs},
     {"2 с3н из одной петли (ровный верх)", "2 с3н в 1 п."}, {"2-dtr increase (flat top)", "2 dtr in 1 st"}, {1, 2}},
    {116, "doubletreble1to2flatset", Fan, Placement, 33000, No, FanLike{12, &kDoubleTrebleLegs},
     {"2 с3н из одной петли (ровный верх, ножки врозь)", "2 с3н в 1 п."},
     {"2-dtr increase (flat top, legs apart)", "2 dtr in 1 st"}, {1, 2}},
    {117, "leftdoubletreble1to2flat", Fan, Placement, 33001, No, FanLike{50, &kDoubleTrebleLegs},
     {"2 с3н из одной петли (с наклоном влево)", "2 с3н в 1 п."},
     {"2-dtr increase (leaning left)", "2 dtr in 1 st"}, {1, 2}},
    {118, "rightdoubletreble1to2flat", Fan, Placement, 33002, No, FanLike{55, &kDoubleTrebleLegs},
     {"2 с3н из одной петли (с наклоном вправо)", "2 с3н в 1 п."},
     {"2-dtr increase (leaning right)", "2 dtr in 1 st"}, {1, 2}},
    {119, "doubletreble1to3flat", Fan, Placement, 33003, No, FanLike{16, &kDoubleTrebleLegs},
     {"3 с3н из одной петли (ровный верх)", "3 с3н в 1 п."}, {"3-dtr shell (flat top)", "3 dtr in 1 st"}, {1, 3}},
    {120, "doubletreble1to3flatset", Fan, Placement, 33004, No, FanLike{17, &kDoubleTrebleLegs},
     {"3 с3н из одной петли (ровный верх, ножки врозь)", "3 с3н в 1 п."},
     {"3-dtr shell (flat top, legs apart)", "3 dtr in 1 st"}, {1, 3}},
    {121, "doubletreble1to3", Fan, Placement, 33005, No, FanLike{14, &kDoubleTrebleLegs},
     {"3 с3н из одной петли", "3 с3н в 1 п."}, {"3-dtr shell", "3 dtr in 1 st"}, {1, 3}},
    {122, "doubletreble1to3set", Fan, Placement, 33006, No, FanLike{81, &kDoubleTrebleLegs},
     {"3 с3н из одной петли (ножки врозь)", "3 с3н в 1 п."}, {"3-dtr shell (legs apart)", "3 dtr in 1 st"}, {1, 3}},
    {123, "leftdoubletreble1to3flat", Fan, Placement, 33007, No, FanLike{51, &kDoubleTrebleLegs},
     {"3 с3н из одной петли (с наклоном влево)", "3 с3н в 1 п."},
     {"3-dtr shell (leaning left)", "3 dtr in 1 st"}, {1, 3}},
    {124, "rightdoubletreble1to3flat", Fan, Placement, 33008, No, FanLike{56, &kDoubleTrebleLegs},
     {"3 с3н из одной петли (с наклоном вправо)", "3 с3н в 1 п."},
     {"3-dtr shell (leaning right)", "3 dtr in 1 st"}, {1, 3}},
    {125, "doubletreble1to4flat", Fan, Placement, 33009, No, FanLike{25, &kDoubleTrebleLegs},
     {"4 с3н из одной петли (ровный верх)", "4 с3н в 1 п."}, {"4-dtr shell (flat top)", "4 dtr in 1 st"}, {1, 4}},
    {126, "doubletreble1to4flatset", Fan, Placement, 33010, No, FanLike{26, &kDoubleTrebleLegs},
     {"4 с3н из одной петли (ровный верх, ножки врозь)", "4 с3н в 1 п."},
     {"4-dtr shell (flat top, legs apart)", "4 dtr in 1 st"}, {1, 4}},
    {127, "doubletreble1to4", Fan, Placement, 33011, No, FanLike{79, &kDoubleTrebleLegs},
     {"4 с3н из одной петли", "4 с3н в 1 п."}, {"4-dtr shell", "4 dtr in 1 st"}, {1, 4}},
    {128, "doubletreble1to4set", Fan, Placement, 33012, No, FanLike{80, &kDoubleTrebleLegs},
     {"4 с3н из одной петли (ножки врозь)", "4 с3н в 1 п."}, {"4-dtr shell (legs apart)", "4 dtr in 1 st"}, {1, 4}},
    {129, "leftdoubletreble1to4flat", Fan, Placement, 33013, No, FanLike{52, &kDoubleTrebleLegs},
     {"4 с3н из одной петли (с наклоном влево)", "4 с3н в 1 п."},
     {"4-dtr shell (leaning left)", "4 dtr in 1 st"}, {1, 4}},
    {130, "rightdoubletreble1to4flat", Fan, Placement, 33014, No, FanLike{57, &kDoubleTrebleLegs},
     {"4 с3н из одной петли (с наклоном вправо)", "4 с3н в 1 п."},
     {"4-dtr shell (leaning right)", "4 dtr in 1 st"}, {1, 4}},
    {131, "doubletreble1to5flat", Fan, Placement, 33015, No, FanLike{31, &kDoubleTrebleLegs},
     {"5 с3н из одной петли (ровный верх)", "5 с3н в 1 п."}, {"5-dtr shell (flat top)", "5 dtr in 1 st"}, {1, 5}},
    {132, "doubletreble1to5flatset", Fan, Placement, 33016, No, FanLike{32, &kDoubleTrebleLegs},
     {"5 с3н из одной петли (ровный верх, ножки врозь)", "5 с3н в 1 п."},
     {"5-dtr shell (flat top, legs apart)", "5 dtr in 1 st"}, {1, 5}},
    {133, "doubletreble1to5", Fan, Placement, 33017, No, FanLike{27, &kDoubleTrebleLegs},
     {"5 с3н из одной петли", "5 с3н в 1 п."}, {"5-dtr shell", "5 dtr in 1 st"}, {1, 5}},
    {134, "doubletreble1to5set", Fan, Placement, 33018, No, FanLike{33, &kDoubleTrebleLegs},
     {"5 с3н из одной петли (ножки врозь)", "5 с3н в 1 п."}, {"5-dtr shell (legs apart)", "5 dtr in 1 st"}, {1, 5}},
    {135, "doubletreble1to6", Fan, Placement, 33019, No, FanLike{82, &kDoubleTrebleLegs},
     {"6 с3н из одной петли", "6 с3н в 1 п."}, {"6-dtr shell", "6 dtr in 1 st"}, {1, 6}},
    {136, "doubletreble1to6set", Fan, Placement, 33020, No, FanLike{37, &kDoubleTrebleLegs},
     {"6 с3н из одной петли (ножки врозь)", "6 с3н в 1 п."}, {"6-dtr shell (legs apart)", "6 dtr in 1 st"}, {1, 6}},
    {137, "doubletreble1to7", Fan, Placement, 33021, No, FanLike{38, &kDoubleTrebleLegs},
     {"7 с3н из одной петли", "7 с3н в 1 п."}, {"7-dtr shell", "7 dtr in 1 st"}, {1, 7}},
    {138, "doubletreble1to7set", Fan, Placement, 33022, No, FanLike{90, &kDoubleTrebleLegs},
     {"7 с3н из одной петли (ножки врозь)", "7 с3н в 1 п."}, {"7-dtr shell (legs apart)", "7 dtr in 1 st"}, {1, 7}},
    {139, "double1to5chain4", Fan, Placement, 33024, No,
     fan({{R, -55}, {R, -26}, {S, 0}, {R, 26}, {R, 55}}, FanChains::Bridging),
     {"5 ссн из одной петли через в. п.", "(ссн, в. п.) × 4, ссн в 1 п."},
     {"5-dc shell with ch-1 spaces", "(dc, ch 1) × 4, dc in 1 st"}, {1, 9}},
    {140, "double1to3chain2flat", Fan, Placement, 33026, No, fan({{S, -26}, {S, 0}, {S, 26}}, FanChains::Bridging),
     {"3 ссн из одной петли через в. п. (ровный верх)", "(ссн, в. п.) × 2, ссн в 1 п."},
     {"3-dc shell with ch-1 spaces (flat top)", "(dc, ch 1) × 2, dc in 1 st"}, {1, 5}},
    {141, "double1to3chain2flatset", Fan, Placement, 33027, No,
     fan({{S, -26, 4}, {S, 0}, {S, 26, -4}}, FanChains::Bridging),
     {"3 ссн из одной петли через в. п. (ровный верх, ножки врозь)", "(ссн, в. п.) × 2, ссн в 1 п."},
     {"3-dc shell with ch-1 spaces (flat top, legs apart)", "(dc, ch 1) × 2, dc in 1 st"}, {1, 5}},
    {142, "double1to4chain1set", Fan, Placement, 33028, No,
     fan({{R, 36, -5}, {R, 18, -2}, {R, -18, 2}, {R, -36, 5}}, FanChains::CrossingOval, 1.0 / 7),
     {"(2 ссн, в. п., 2 ссн) из одной петли (ножки врозь)", "(2 ссн, в. п., 2 ссн) в 1 п."},
     {"4-dc shell with ch-1 center (legs apart)", "(2 dc, ch 1, 2 dc) in 1 st"}, {1, 5}},
    {typeids::kChainRing, "chainsring", Arrangement, Placement, 33029, No, make<CChainRing>,
     {"кольцо из в. п.", "кольцо из в. п."}, {"chain ring", "ch ring"}},
    {typeids::kRectangle, "rectangle", Figure, Placement, 0, No, make<CRectangleElement>,
     {"прямоугольник", ""}, {"rectangle", ""}},
    {typeids::kText, "text", Figure, Placement, 33046, No, make<CTextElement>,
     {"текстовая метка", ""}, {"text label", ""}},
    {typeids::kDoubleWithChainTop, "", Special, NoTool, 0, Everywhere, build::doubleWithChainTop,
     {"столбик с накидом с пико", "ссн с пико"}, {"double crochet with picot", "dc-picot"}, {1, 1}},
    {typeids::kRow, "lines", Arrangement, RowTool, 0, No, make<CRowArrangement>,
     {"ряд", ""}, {"row", ""}},
    {typeids::kArc, "rings", Arrangement, ArcTool, 0, No, make<CArcArrangement>,
     {"дуга", ""}, {"arc", ""}},
    {typeids::kLoopedArc, "mixrings", Arrangement, LoopedArcTool, 0, No, make<CLoopedArcArrangement>,
     {"дуга с петлями", ""}, {"arc with chain loops", ""}},
};

// Two rows never share an id or a tool name, and every row with a tool
// name has a tool (and the reverse): files and tools find types by them.
constexpr bool idsAscendAndNamesAreUnique()
{
    for (size_t i = 0; i < std::size(kTypes); ++i) {
        if (i > 0 && kTypes[i].id <= kTypes[i - 1].id)
            return false;
        if (kTypes[i].name.empty() != (kTypes[i].tool == NoTool))
            return false;
        for (size_t j = i + 1; j < std::size(kTypes); ++j)
            if (!kTypes[i].name.empty() && kTypes[i].name == kTypes[j].name)
                return false;
    }
    return true;
}
static_assert(idsAscendAndNamesAreUnique(), "type ids ascend once each, tool names are unique and name a tool");

static_assert(kTypes[std::size(kTypes) - 1].id < PrototypeTable::kSize, "every id has its place in the prototype table");

// Row indexes by type id, -1 where no row is.
constexpr auto kRowIndex = [] {
    std::array<int16_t, PrototypeTable::kSize> index{};
    index.fill(-1);
    for (size_t i = 0; i < std::size(kTypes); ++i)
        index[size_t(kTypes[i].id)] = int16_t(i);
    return index;
}();

constexpr const ElementType* rowOf(int32_t typeId)
{
    if (typeId < 0 || typeId >= PrototypeTable::kSize || kRowIndex[size_t(typeId)] < 0)
        return nullptr;
    return &kTypes[size_t(kRowIndex[size_t(typeId)])];
}

// A fan built like another names a fan with a recipe of its own; a type
// built as another names one that has a build of its own.
constexpr bool referencesResolve()
{
    for (const ElementType& t : kTypes) {
        if (const auto* like = std::get_if<FanLike>(&t.build)) {
            const ElementType* model = rowOf(like->fanTypeId);
            if (!model || !std::holds_alternative<FanRecipe>(model->build))
                return false;
        }
        if (const auto* same = std::get_if<SameAs>(&t.build)) {
            const ElementType* model = rowOf(same->typeId);
            if (!model || std::holds_alternative<SameAs>(model->build))
                return false;
        }
    }
    return true;
}
static_assert(referencesResolve(), "every FanLike and SameAs names a row that builds on its own");

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

} // namespace

std::span<const ElementType> elementTypes() { return kTypes; }

const ElementType* elementType(int32_t typeId) { return rowOf(typeId); }

const ElementType* elementTypeNamed(std::string_view name)
{
    if (name.empty())
        return nullptr;
    for (const ElementType& t : kTypes)
        if (t.name == name)
            return &t;
    return nullptr;
}

const ElementType* elementTypeOfCommand(uint16_t command)
{
    if (command == 0)
        return nullptr;
    for (const ElementType& t : kTypes)
        if (t.command == command)
            return &t;
    return nullptr;
}

std::string_view typeName(int32_t typeId)
{
    const ElementType* t = rowOf(typeId);
    return t ? t->name : std::string_view{};
}

int32_t typeIdOfName(std::string_view name)
{
    const ElementType* t = elementTypeNamed(name);
    return t ? t->id : -1;
}

Arrangeable arrangeableOf(int32_t typeId)
{
    const ElementType* t = rowOf(typeId);
    return t ? t->arrangeable : No;
}

bool canArrangeInRow(int32_t typeId) { return arrangeableOf(typeId) != No; }
bool canArrangeInArc(int32_t typeId) { return arrangeableOf(typeId) != No; }
bool canArrangeInLoopedArc(int32_t typeId) { return arrangeableOf(typeId) == Everywhere; }

std::unique_ptr<CChartElement> makePrototype(const ElementType& type)
{
    const int32_t id = type.id;
    return std::visit(
        Overloaded{
            [](MakePrototype make) { return make(); },
            [id](const FanRecipe& recipe) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CIncreaseFan>(recipe, kDoubleLegs, id);
            },
            [id](const FanLike& like) -> std::unique_ptr<CChartElement> {
                const ElementType* model = rowOf(like.fanTypeId);
                const auto* recipe = model ? std::get_if<FanRecipe>(&model->build) : nullptr;
                if (!recipe)
                    return nullptr;
                return std::make_unique<CIncreaseFan>(*recipe, *like.legs, id);
            },
            [id](const DecreaseRecipe& recipe) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CDoubleDecrease>(recipe, id);
            },
            [id](ComposedBuild build) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CComposedSymbol>(id, build);
            },
            [](SameAs same) -> std::unique_ptr<CChartElement> {
                const ElementType* model = rowOf(same.typeId);
                return model ? makePrototype(*model) : nullptr;
            },
        },
        type.build);
}

bool isCatalogueSymbol(const ElementType& type) { return type.tool == Placement && type.kind != Figure; }

} // namespace loopora
