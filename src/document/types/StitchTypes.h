#pragma once
// The rows of the basic stitches, the chain groups and the special stitches.
//
// How their names follow from what they are built of (Russian as Russian
// pattern books write it, English in US terms):
// - A leg's height names the stitch: no top bar but a cross сбн/sc, a bar
//   alone пссн/hdc, one to four slashes ссн/dc, с2н/tr, с3н/dtr, с4н/trtr.
// - Chains end to end are counted chains ("3 в. п.", "ch 3"); three chains
//   bent back on themselves a picot; a plain circle the magic ring.
// - A stitch standing on three quarters of a ring is worked round the post:
//   the "top" ring from the front (рельефный лицевой, FP), the "back" ring
//   from behind (рельефный изнаночный, BP). A single under a cup is worked in
//   the back loop; a single's oblique cross under a loop is twisted.
//
// Where a stitch is worked from and into, when its build does not say it:
// crossed doubles stand on bases a quarter stem either side of the point
// dragged from and reach tops as far apart; a Y-stitch's arms fork at half
// height and lean 25 degrees, so its tops stand 0.211 of a stem to each side
// and 0.953 up; an inverted Y's legs stand a fifth of a stem either side.
//
// Counts: a stitch is worked into 1 stitch and makes 1; a chain makes 1 from
// nothing. A slip stitch, a picot and the magic ring make nothing to work
// into, as pattern counts leave them out.

#include "document/types/RowSupport.h"
#include "stitches/BasicStitches.h"
#include "stitches/ChainGroups.h"
#include "stitches/ChainOval.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"
#include "stitches/SpecialStitches.h"
#include "stitches/YarnMarks.h"
#include "platform/Texts.h"

namespace loopora::types {

inline constexpr ElementType kStitchTypes[] = {
    {1, "backscratch", Special, Placement, {32855, BasicPalette, 17}, Everywhere,
     build::postStitch<typeids::kDouble, 5, 270>,
     {"рельефный изнаночный столбик с накидом", "рел. изн. ссн"}, {"back post double crochet", "BPdc"}, {1, 1}},
    {typeids::kChain2, "chain2", ChainGroup, Placement, {32777, ChainClusterPalette, 1}, Everywhere, build::chains2,
     {"2 воздушные петли", "2 в. п."}, {"2 chains", "ch 2"}, {0, 2}},
    {typeids::kChain3, "chain3", ChainGroup, Placement, {32790, ChainClusterPalette, 2}, Everywhere, build::chains3,
     {"3 воздушные петли", "3 в. п."}, {"3 chains", "ch 3"}, {0, 3}},
    {5, "chain3teeth", ChainGroup, Placement, {32845, ChainClusterPalette, 3}, Everywhere, build::picot,
     {"пико из 3 в. п.", "пико"}, {"3-chain picot", "ch-3 picot"}, {0, 0}},
    {typeids::kCircle, "circle", Special, Placement, {32856, BasicPalette, 1}, No, make<CCircleArc>,
     {"кольцо амигуруми", "КА"}, {"magic ring", "MR"}, {0, 0}},
    {typeids::kDouble, "double", Stitch, Placement, {32805, BasicPalette, 7}, Everywhere, make<CDoubleStitch>,
     {"столбик с накидом", "ссн"}, {"double crochet", "dc"}, {1, 1}, "ccc4\nccc4"},
    {typeids::kDoubleTreble, "doubletreble", Stitch, Placement, {32870, BasicPalette, 9}, Everywhere,
     make<CDoubleTrebleStitch>,
     {"столбик с 3 накидами", "с3н"}, {"double treble crochet", "dtr"}, {1, 1}},
    {typeids::kChain, "chain", Stitch, Placement, {32771, BasicPalette, 2}, InRowsAndArcs, make<CChainOval>,
     {"воздушная петля", "в. п."}, {"chain", "ch"}, {0, 1}, "test"},
    {typeids::kSlipStitch, "slipstitch", Stitch, Placement, {32802, BasicPalette, 3}, InRowsAndArcs,
     make<CSlipStitchDot>,
     {"соединительный столбик", "сс"}, {"slip stitch", "sl st"}, {0, 0}, "ccc2"},
    {typeids::kHalfDouble, "halfdouble", Stitch, Placement, {32804, BasicPalette, 6}, Everywhere,
     make<CHalfDoubleStitch>,
     {"полустолбик с накидом", "пссн"}, {"half double crochet", "hdc"}, {1, 1}, "ccc3"},
    {48, "halfdoublebackscratch", Special, Placement, {32862, BasicPalette, 15}, Everywhere,
     build::postStitch<typeids::kHalfDouble, 5, 270>,
     {"рельефный изнаночный полустолбик с накидом", "рел. изн. пссн"},
     {"back post half double crochet", "BPhdc"}, {1, 1}},
    {49, "halfdoubletopscratch", Special, Placement, {32861, BasicPalette, 14}, Everywhere,
     build::postStitch<typeids::kHalfDouble, 5, -270>,
     {"рельефный лицевой полустолбик с накидом", "рел. лиц. пссн"},
     {"front post half double crochet", "FPhdc"}, {1, 1}},
    {typeids::kSingle, "single", Stitch, Placement, {32792, BasicPalette, 5}, Everywhere, make<CSingleStitch>,
     {"столбик без накида", "сбн"}, {"single crochet", "sc"}, {1, 1}, "ttt4"},
    {61, "singlebackscratch", Special, Placement, {32867, BasicPalette, 13}, Everywhere,
     build::postStitch<typeids::kSingle, 5, 270>,
     {"рельефный изнаночный столбик без накида", "рел. изн. сбн"}, {"back post single crochet", "BPsc"}, {1, 1}},
    {62, "singletopscratch", Special, Placement, {32866, BasicPalette, 12}, Everywhere,
     build::postStitch<typeids::kSingle, 5, -270>,
     {"рельефный лицевой столбик без накида", "рел. лиц. сбн"}, {"front post single crochet", "FPsc"}, {1, 1}},
    {63, "singletwist", Special, Placement, {32869, BasicPalette, 20}, Everywhere, build::twistedSingle,
     {"перекрученный столбик без накида", "перекр. сбн"}, {"twisted single crochet", "tw sc"}, {1, 1}},
    {64, "topscratch", Special, Placement, {32854, BasicPalette, 16}, Everywhere,
     build::postStitch<typeids::kDouble, 5, -270>,
     {"рельефный лицевой столбик с накидом", "рел. лиц. ссн"}, {"front post double crochet", "FPdc"}, {1, 1}},
    {typeids::kTreble, "treble", Stitch, Placement, {32806, BasicPalette, 8}, Everywhere, make<CTrebleStitch>,
     {"столбик с 2 накидами", "с2н"}, {"treble crochet", "tr"}, {1, 1}},
    {66, "treblebackscratch", Special, Placement, {32888, BasicPalette, 19}, Everywhere,
     build::postStitch<typeids::kTreble, 7, 270>,
     {"рельефный изнаночный столбик с 2 накидами", "рел. изн. с2н"}, {"back post treble crochet", "BPtr"}, {1, 1}},
    {67, "trebletopscratch", Special, Placement, {32887, BasicPalette, 18}, Everywhere,
     build::postStitch<typeids::kTreble, 7, -270>,
     {"рельефный лицевой столбик с 2 накидами", "рел. лиц. с2н"}, {"front post treble crochet", "FPtr"}, {1, 1}},
    {typeids::kTrebleTreble, "trebletreble", Stitch, Placement, {32871, BasicPalette, 10}, Everywhere,
     make<CTrebleTrebleStitch>,
     {"столбик с 4 накидами", "с4н"}, {"triple treble crochet", "trtr"}, {1, 1}},
    {69, "ushape", Special, Placement, {32873, BasicPalette, 21}, Everywhere, build::singleInBackLoop,
     {"столбик без накида за заднюю стенку", "сбн за з. ст."},
     {"single crochet in back loop only", "sc blo"}, {1, 1}},
    {typeids::kDoubleWithChainTop, "", Special, NoTool, {}, Everywhere, build::doubleWithPicot,
     {"столбик с накидом с пико", "ссн с пико"}, {"double crochet with picot", "dc-picot"}, {1, 1}},
    {164, "singlefrontloop", Special, Placement, {kCommandOfTypeId, MorePalette, 9}, Everywhere,
     build::inOneLoop<typeids::kSingle, build::Loop::Front>,
     {"столбик без накида за переднюю стенку", "сбн за п. ст."},
     {"single crochet in front loop only", "sc flo"}, {1, 1}},
    {165, "halfdoublefrontloop", Special, Placement, {kCommandOfTypeId, MorePalette, 10}, Everywhere,
     build::inOneLoop<typeids::kHalfDouble, build::Loop::Front>,
     {"полустолбик с накидом за переднюю стенку", "пссн за п. ст."},
     {"half double crochet in front loop only", "hdc flo"}, {1, 1}},
    {166, "doublefrontloop", Special, Placement, {kCommandOfTypeId, MorePalette, 11}, Everywhere,
     build::inOneLoop<typeids::kDouble, build::Loop::Front>,
     {"столбик с накидом за переднюю стенку", "ссн за п. ст."},
     {"double crochet in front loop only", "dc flo"}, {1, 1}},
    {167, "halfdoublebackloop", Special, Placement, {kCommandOfTypeId, MorePalette, 12}, Everywhere,
     build::inOneLoop<typeids::kHalfDouble, build::Loop::Back>,
     {"полустолбик с накидом за заднюю стенку", "пссн за з. ст."},
     {"half double crochet in back loop only", "hdc blo"}, {1, 1}},
    {168, "doublebackloop", Special, Placement, {kCommandOfTypeId, MorePalette, 13}, Everywhere,
     build::inOneLoop<typeids::kDouble, build::Loop::Back>,
     {"столбик с накидом за заднюю стенку", "ссн за з. ст."},
     {"double crochet in back loop only", "dc blo"}, {1, 1}},
    {169, "reversesingle", Special, Placement, {kCommandOfTypeId, MorePalette, 14}, Everywhere, build::reverseSingle,
     {"рачий шаг", "рач. шаг"}, {"reverse single crochet", "rev sc"}, {1, 1}},
    {170, "crosseddouble", Special, Placement, {kCommandOfTypeId, MorePalette, 15}, No, build::crossedDoubles,
     {"скрещённые столбики с накидом", "скрещ. ссн"}, {"crossed double crochet", "crossed dc"}, {2, 2}, nullptr,
     anchorsAt({{-0.25, 0}, {0.25, 0}}, {{-0.25, 1}, {0.25, 1}})},
    {171, "ystitch", Special, Placement, {kCommandOfTypeId, MorePalette, 16}, InRowsAndArcs, build::yStitch,
     {"столбик «Y»", "ст. «Y»"}, {"Y-stitch", "Y-st"}, {1, 2}, nullptr,
     anchorsAt({}, {{-0.211, 0.953}, {0.211, 0.953}})},
    {172, "invertedystitch", Special, Placement, {kCommandOfTypeId, MorePalette, 17}, No, build::invertedYStitch,
     {"перевёрнутый столбик «Y»", "перев. ст. «Y»"}, {"inverted Y-stitch", "inv Y-st"}, {2, 1}, nullptr,
     basesAt({{-0.2, 0}, {0.2, 0}})},
    {173, "spikesingle", Special, Placement, {kCommandOfTypeId, MorePalette, 18}, Everywhere, build::spikeSingle,
     {"удлинённый столбик без накида", "удл. сбн"}, {"spike single crochet", "spike sc"}, {1, 1}},
    {174, "joinyarn", Mark, Placement, {kCommandOfTypeId, MorePalette, 19}, No, build::joinYarn,
     {"присоединить нить", "присоед. нить"}, {"join yarn", "join"}, {0, 0}},
    {175, "fastenoff", Mark, Placement, {kCommandOfTypeId, MorePalette, 20}, No, build::fastenOff,
     {"закрепить и обрезать нить", "закреп. нить"}, {"fasten off", "FO"}, {0, 0}},
};

} // namespace loopora::types
