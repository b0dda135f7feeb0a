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
// have no class.
// TODO: the names and stitch counts of a chart's key; they come with the key.
constexpr ElementType kTypes[] = {
    {typeids::kGroup, "", Group, NoTool, 0, No, make<CGroupElement>},
    {1, "backscratch", Special, Placement, 32855, Everywhere, build::scratch<typeids::kDouble, 5, 270>},
    {typeids::kCanvas, "", Canvas, NoTool, 0, No, make<CCanvas>},
    {typeids::kChain2, "chain2", ChainGroup, Placement, 32777, Everywhere, build::chain2},
    {typeids::kChain3, "chain3", ChainGroup, Placement, 32790, Everywhere, build::chain3},
    {5, "chain3teeth", ChainGroup, Placement, 32845, Everywhere, build::chain3Teeth},
    {typeids::kCircle, "circle", Special, Placement, 32856, No, make<CCircleArc>},
    {typeids::kDouble, "double", Stitch, Placement, 32805, Everywhere, make<CDoubleStitch>},
    {8, "double1to2chain1", Fan, Placement, 32832, No, fan({{S, 20}, {S, -20}}, FanChains::CrossingOval, 1.0 / 7)},
    {9, "double1to2chain2", Fan, Placement, 32833, No, fan({{S, 30}, {S, -30}}, FanChains::CrossingChain2, 1.0 / 3)},
    {10, "double1to2chain3", Fan, Placement, 32834, No, fan({{S, 35}, {S, -35}}, FanChains::CrossingChain3, 1.0 / 2)},
    {11, "double1to2flat", Fan, Placement, 32824, No, fan({{S, 10}, {S, -10}})},
    {12, "double1to2flatset", Fan, Placement, 32837, No, fan({{S, 10, -5}, {S, -10, 5}})},
    {13, "double1to2zaoset", Cluster, Placement, 32846, No, build::double1to2ZaoSet},
    {14, "double1to3", Fan, Placement, 32914, No, fan({{R, -22}, {S, 0}, {R, 22}})},
    {15, "double1to3chain2", Fan, Placement, 32912, No, fan({{R, -26}, {S, 0}, {R, 26}}, FanChains::Bridging)},
    {16, "double1to3flat", Fan, Placement, 32827, No, fan({{S, 20}, {S, 0}, {S, -20}})},
    {17, "double1to3flatset", Fan, Placement, 32839, No, fan({{S, 0}, {S, 15, -5}, {S, -15, 5}})},
    {18, "double1to3zao", Cluster, Placement, 32847, No, build::double1to3Zao},
    {19, "double1to3zaoset", Cluster, Placement, 32849, No, build::double1to3ZaoSet},
    {20, "double1to4chain1", Fan, Placement, 32836, No,
     fan({{R, 40}, {R, 20}, {R, -20}, {R, -40}}, FanChains::CrossingOval, 1.0 / 7)},
    {21, "double1to4chain1flat", Fan, Placement, 32922, No,
     fan({{S, 35}, {S, 20}, {S, -20}, {S, -35}}, FanChains::CrossingOval, 1.0 / 7)},
    {22, "double1to4chain1flatset", Fan, Placement, 32924, No,
     fan({{S, 30, 6}, {S, 15, 2}, {S, -15, -2}, {S, -30, -6}}, FanChains::CrossingOval, 1.0 / 7)},
    {23, "double1to4chain3", Fan, Placement, 32923, No,
     fan({{R, -45}, {R, -15}, {R, 15}, {R, 45}}, FanChains::Bridging)},
    {24, "double1to4chain3set", Fan, Placement, 32902, No,
     fan({{R, -40, 5}, {R, -13, 2}, {R, 13, -2}, {R, 40, -5}}, FanChains::Bridging)},
    {25, "double1to4flat", Fan, Placement, 32828, No, fan({{S, 30}, {S, 10}, {S, -10}, {S, -30}})},
    {26, "double1to4flatset", Fan, Placement, 32840, No,
     fan({{S, 7, -4}, {S, 22, -10, 0.03}, {S, -7, 4}, {S, -22, 10, 0.03}})},
    {27, "double1to5", Fan, Placement, 32830, No, fan({{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}})},
    {28, "double1to5chain4set", Fan, Placement, 32891, No,
     fan({{R, -55, 6}, {R, -26, 3}, {S, 0}, {R, 26, -3}, {R, 55, -6}}, FanChains::Bridging)},
    {29, "double1to5cron", Cluster, Placement, 32852, No, build::double1to5Cron},
    {30, "double1to5cronset", Cluster, Placement, 32853, No, build::double1to5CronSet},
    {31, "double1to5flat", Fan, Placement, 32886, No, fan({{S, 36}, {S, 20}, {S, 0}, {S, -20}, {S, -36}})},
    {32, "double1to5flatset", Fan, Placement, 32841, No,
     fan({{S, 0}, {S, 30, -10}, {S, 15, -5}, {S, -15, 5}, {S, -30, 10}})},
    {33, "double1to5set", Fan, Placement, 32842, No,
     fan({{R, 0}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02}, {R, -15, 5, 0.02}, {R, -30, 10, 0.07}})},
    {34, "double1to5zao", Cluster, Placement, 32850, No, build::double1to5Zao},
    {35, "double1to5zaoset", Cluster, Placement, 32851, No, build::double1to5ZaoSet},
    {36, "double1to6chain2set", Fan, Placement, 32843, No,
     fan({{R, 45, -10, 0.12}, {R, 32, -6, 0.06}, {R, 20, -2},
          {R, -20, 2}, {R, -32, 6, 0.06}, {R, -45, 10, 0.12}}, FanChains::CrossingChain2, 1.0 / 4)},
    {37, "double1to6set", Fan, Placement, 32911, No,
     fan({{R, 40, -15, 0.18}, {R, 25, -10, 0.08}, {R, 10, -3}, {R, -10, 3}, {R, -25, 10, 0.08}, {R, -40, 15, 0.18}})},
    {38, "double1to7", Fan, Placement, 32918, No,
     fan({{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}})},
    {39, "double2to1flat", Decrease, Placement, 32819, No, decrease(true, {{S, 10}, {S, -10}})},
    {40, "double3to1flat", Decrease, Placement, 32820, No, decrease(true, {{S, 20}, {S, 0}, {S, -20}})},
    {41, "double4to1flat", Decrease, Placement, 32823, No, decrease(true, {{S, 30}, {S, 10}, {S, -10}, {S, -30}})},
    {42, "double5to1flat", Decrease, Placement, 32822, No,
     decrease(false, {{S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}})},
    {typeids::kDoubleTreble, "doubletreble", Stitch, Placement, 32870, Everywhere, make<CDoubleTrebleStitch>},
    {typeids::kLens, "", Part, NoTool, 0, No, make<CLensElement>},
    {typeids::kChain, "chain", Stitch, Placement, 32771, InRowsAndArcs, make<CChainOval>},
    {typeids::kSlipStitch, "slipstitch", Stitch, Placement, 32802, InRowsAndArcs, make<CSlipStitchDot>},
    {typeids::kHalfDouble, "halfdouble", Stitch, Placement, 32804, Everywhere, make<CHalfDoubleStitch>},
    {48, "halfdoublebackscratch", Special, Placement, 32862, Everywhere, build::scratch<typeids::kHalfDouble, 5, 270>},
    {49, "halfdoubletopscratch", Special, Placement, 32861, Everywhere, build::scratch<typeids::kHalfDouble, 5, -270>},
    {50, "leftdouble1to2flat", Fan, Placement, 32874, No, fan({{S, 0}, {S, -20}})},
    {51, "leftdouble1to3flat", Fan, Placement, 32879, No, fan({{S, 0}, {S, -20}, {S, -36}})},
    {52, "leftdouble1to4flat", Fan, Placement, 32880, No, fan({{S, 0}, {S, -20}, {S, -36}, {S, -48}})},
    {typeids::kLine, "line", Figure, Placement, 32781, No, make<CLineElement>},
    {54, "qibao", Cluster, Placement, 32808, Everywhere, build::qibao},
    {55, "rightdouble1to2flat", Fan, Placement, 32881, No, fan({{S, 0}, {S, 20}})},
    {56, "rightdouble1to3flat", Fan, Placement, 32882, No, fan({{S, 0}, {S, 20}, {S, 36}})},
    {57, "rightdouble1to4flat", Fan, Placement, 32884, No, fan({{S, 0}, {S, 20}, {S, 36}, {S, 48}})},
    {typeids::kSingle, "single", Stitch, Placement, 32792, Everywhere, make<CSingleStitch>},
    {59, "single2to1", Decrease, Placement, 32810, No, build::single2to1},
    {60, "single3to1", Decrease, Placement, 32813, No, build::single3to1},
    {61, "singlebackscratch", Special, Placement, 32867, Everywhere, build::scratch<typeids::kSingle, 5, 270>},
    {62, "singletopscratch", Special, Placement, 32866, Everywhere, build::scratch<typeids::kSingle, 5, -270>},
    {63, "singletwist", Special, Placement, 32869, Everywhere, build::singleTwist},
    {64, "topscratch", Special, Placement, 32854, Everywhere, build::scratch<typeids::kDouble, 5, -270>},
    {typeids::kTreble, "treble", Stitch, Placement, 32806, Everywhere, make<CTrebleStitch>},
    {66, "treblebackscratch", Special, Placement, 32888, Everywhere, build::scratch<typeids::kTreble, 7, 270>},
    {67, "trebletopscratch", Special, Placement, 32887, Everywhere, build::scratch<typeids::kTreble, 7, -270>},
    {typeids::kTrebleTreble, "trebletreble", Stitch, Placement, 32871, Everywhere, make<CTrebleTrebleStitch>},
    {69, "ushape", Special, Placement, 32873, Everywhere, build::uShape},
    {70, "double1to3chain2set", Fan, Placement, 32925, No,
     fan({{R, -26, 4}, {S, 0}, {R, 26, -4}}, FanChains::Bridging)},
    {71, "variantzao", Cluster, Placement, 32941, Everywhere, build::variantZao},
    {72, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {73, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {74, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {75, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {76, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {77, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {78, "", Arrangement, NoTool, 0, No, SameAs{typeids::kChainRing}},
    {79, "double1to4", Fan, Placement, 32958, No, fan({{R, 30}, {R, 10}, {R, -10}, {R, -30}})},
    {80, "double1to4set", Fan, Placement, 32959, No,
     fan({{R, 24, -8, 0.07}, {R, 8, -3, 0.02}, {R, -8, 3, 0.02}, {R, -24, 8, 0.07}})},
    {81, "double1to3set", Fan, Placement, 32960, No, fan({{R, 20, -3, 0.02}, {R, 0}, {R, -20, 3, 0.02}})},
    {82, "double1to6", Fan, Placement, 32961, No, fan({{R, 50}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -50}})},
    {83, "double3to1", Decrease, Placement, 32963, No, decrease(true, {{R, 20}, {R, 0}, {R, -20}})},
    {84, "double5to1", Decrease, Placement, 32964, No, decrease(false, {{R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}})},
    {85, "double4to1", Decrease, Placement, 32965, No, decrease(true, {{R, 30}, {R, 10}, {R, -10}, {R, -30}})},
    {86, "double6to1", Decrease, Placement, 32969, No,
     decrease(false, {{R, 45}, {R, 30}, {R, 10}, {R, -10}, {R, -30}, {R, -45}})},
    {87, "double6to1flat", Decrease, Placement, 32968, No,
     decrease(false, {{S, 40}, {S, 28}, {S, 10}, {S, -10}, {S, -28}, {S, -40}})},
    {88, "double7to1", Decrease, Placement, 32967, No,
     decrease(false, {{R, 60}, {R, 40}, {R, 20}, {R, 0}, {R, -20}, {R, -40}, {R, -60}})},
    {89, "double7to1flat", Decrease, Placement, 32966, No,
     decrease(false, {{S, 41}, {S, 30}, {S, 15}, {S, 0}, {S, -15}, {S, -30}, {S, -41}})},
    {90, "double1to7set", Fan, Placement, 32971, No,
     fan({{R, 0}, {R, 45, -15, 0.14}, {R, 30, -10, 0.07}, {R, 15, -5, 0.02},
          {R, -15, 5, 0.02}, {R, -30, 10, 0.07}, {R, -45, 15, 0.14}})},
    {91, "treble1to2flat", Fan, Placement, 32972, No, FanLike{11, &kTrebleLegs}},
    {92, "treble1to2flatset", Fan, Placement, 32973, No, FanLike{12, &kTrebleLegs}},
    {93, "lefttreble1to2flat", Fan, Placement, 32974, No, FanLike{50, &kTrebleLegs}},
    {94, "righttreble1to2flat", Fan, Placement, 32975, No, FanLike{55, &kTrebleLegs}},
    {95, "treble1to3flat", Fan, Placement, 32976, No, FanLike{16, &kTrebleLegs}},
    {96, "treble1to3flatset", Fan, Placement, 32977, No, FanLike{17, &kTrebleLegs}},
    {97, "treble1to3", Fan, Placement, 32978, No, FanLike{14, &kTrebleLegs}},
    {98, "treble1to3set", Fan, Placement, 32979, No, FanLike{81, &kTrebleLegs}},
    {99, "lefttreble1to3flat", Fan, Placement, 32980, No, FanLike{51, &kTrebleLegs}},
    {100, "righttreble1to3flat", Fan, Placement, 32981, No, FanLike{56, &kTrebleLegs}},
    {101, "treble1to4flat", Fan, Placement, 32982, No, FanLike{25, &kTrebleLegs}},
    {102, "treble1to4flatset", Fan, Placement, 32983, No, FanLike{26, &kTrebleLegs}},
    {103, "treble1to4", Fan, Placement, 32984, No, FanLike{79, &kTrebleLegs}},
    {104, "treble1to4set", Fan, Placement, 32985, No, FanLike{80, &kTrebleLegs}},
    {105, "lefttreble1to4flat", Fan, Placement, 32986, No, FanLike{52, &kTrebleLegs}},
    {106, "righttreble1to4flat", Fan, Placement, 32987, No, FanLike{57, &kTrebleLegs}},
    {107, "treble1to5flat", Fan, Placement, 32988, No, FanLike{31, &kTrebleLegs}},
    {108, "treble1to5flatset", Fan, Placement, 32989, No, FanLike{32, &kTrebleLegs}},
    {109, "treble1to5", Fan, Placement, 32990, No, FanLike{27, &kTrebleLegs}},
    {110, "treble1to5set", Fan, Placement, 32991, No, FanLike{33, &kTrebleLegs}},
    {111, "treble1to6", Fan, Placement, 32992, No, FanLike{82, &kTrebleLegs}},
    {112, "treble1to6set", Fan, Placement, 32993, No, FanLike{37, &kTrebleLegs}},
    {113, "treble1to7", Fan, Placement, 32994, No, FanLike{38, &kTrebleLegs}},
    {114, "treble1to7set", Fan, Placement, 32995, No, FanLike{90, &kTrebleLegs}},
    {115, "doubletreble1to2flat", Fan, Placement, 32999, No, FanLike{11, &kDoubleTrebleLegs}},
    {116, "doubletreble1to2flatset", Fan, Placement, 33000, No, FanLike{12, &kDoubleTrebleLegs}},
    {117, "leftdoubletreble1to2flat", Fan, Placement, 33001, No, FanLike{50, &kDoubleTrebleLegs}},
    {118, "rightdoubletreble1to2flat", Fan, Placement, 33002, No, FanLike{55, &kDoubleTrebleLegs}},
    {119, "doubletreble1to3flat", Fan, Placement, 33003, No, FanLike{16, &kDoubleTrebleLegs}},
    {120, "doubletreble1to3flatset", Fan, Placement, 33004, No, FanLike{17, &kDoubleTrebleLegs}},
    {121, "doubletreble1to3", Fan, Placement, 33005, No, FanLike{14, &kDoubleTrebleLegs}},
    {122, "doubletreble1to3set", Fan, Placement, 33006, No, FanLike{81, &kDoubleTrebleLegs}},
    {123, "leftdoubletreble1to3flat", Fan, Placement, 33007, No, FanLike{51, &kDoubleTrebleLegs}},
    {124, "rightdoubletreble1to3flat", Fan, Placement, 33008, No, FanLike{56, &kDoubleTrebleLegs}},
    {125, "doubletreble1to4flat", Fan, Placement, 33009, No, FanLike{25, &kDoubleTrebleLegs}},
    {126, "doubletreble1to4flatset", Fan, Placement, 33010, No, FanLike{26, &kDoubleTrebleLegs}},
    {127, "doubletreble1to4", Fan, Placement, 33011, No, FanLike{79, &kDoubleTrebleLegs}},
    {128, "doubletreble1to4set", Fan, Placement, 33012, No, FanLike{80, &kDoubleTrebleLegs}},
    {129, "leftdoubletreble1to4flat", Fan, Placement, 33013, No, FanLike{52, &kDoubleTrebleLegs}},
    {130, "rightdoubletreble1to4flat", Fan, Placement, 33014, No, FanLike{57, &kDoubleTrebleLegs}},
    {131, "doubletreble1to5flat", Fan, Placement, 33015, No, FanLike{31, &kDoubleTrebleLegs}},
    {132, "doubletreble1to5flatset", Fan, Placement, 33016, No, FanLike{32, &kDoubleTrebleLegs}},
    {133, "doubletreble1to5", Fan, Placement, 33017, No, FanLike{27, &kDoubleTrebleLegs}},
    {134, "doubletreble1to5set", Fan, Placement, 33018, No, FanLike{33, &kDoubleTrebleLegs}},
    {135, "doubletreble1to6", Fan, Placement, 33019, No, FanLike{82, &kDoubleTrebleLegs}},
    {136, "doubletreble1to6set", Fan, Placement, 33020, No, FanLike{37, &kDoubleTrebleLegs}},
    {137, "doubletreble1to7", Fan, Placement, 33021, No, FanLike{38, &kDoubleTrebleLegs}},
    {138, "doubletreble1to7set", Fan, Placement, 33022, No, FanLike{90, &kDoubleTrebleLegs}},
    {139, "double1to5chain4", Fan, Placement, 33024, No,
     fan({{R, -55}, {R, -26}, {S, 0}, {R, 26}, {R, 55}}, FanChains::Bridging)},
    {140, "double1to3chain2flat", Fan, Placement, 33026, No, fan({{S, -26}, {S, 0}, {S, 26}}, FanChains::Bridging)},
    {141, "double1to3chain2flatset", Fan, Placement, 33027, No,
     fan({{S, -26, 4}, {S, 0}, {S, 26, -4}}, FanChains::Bridging)},
    {142, "double1to4chain1set", Fan, Placement, 33028, No,
     fan({{R, 36, -5}, {R, 18, -2}, {R, -18, 2}, {R, -36, 5}}, FanChains::CrossingOval, 1.0 / 7)},
    {typeids::kChainRing, "chainsring", Arrangement, Placement, 33029, No, make<CChainRing>},
    {typeids::kRectangle, "rectangle", Figure, Placement, 0, No, make<CRectangleElement>},
    {typeids::kText, "text", Figure, Placement, 33046, No, make<CTextElement>},
    {typeids::kDoubleWithChainTop, "", Special, NoTool, 0, Everywhere, build::doubleWithChainTop},
    {typeids::kRow, "lines", Arrangement, RowTool, 0, No, make<CRowArrangement>},
    {typeids::kArc, "rings", Arrangement, ArcTool, 0, No, make<CArcArrangement>},
    {typeids::kLoopedArc, "mixrings", Arrangement, LoopedArcTool, 0, No, make<CLoopedArcArrangement>},
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
