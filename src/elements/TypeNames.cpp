#include "elements/PrototypeTable.h"

#include <array>

namespace loopora {
namespace {

// Tool names by type id. The treble fans (91..114) and double-treble fans
// (115..138) are named after the double fans they are built like, in the order
// of the fan palettes.
constexpr std::array<std::string_view, 155> kTypeNames = {
    "", "backscratch", "", "chain2", "chain3", "chain3teeth", "circle", "double", "double1to2chain1",
    "double1to2chain2", "double1to2chain3", "double1to2flat", "double1to2flatset", "double1to2zaoset",
    "double1to3", "double1to3chain2", "double1to3flat", "double1to3flatset", "double1to3zao",
    "double1to3zaoset", "double1to4chain1", "double1to4chain1flat", "double1to4chain1flatset",
    "double1to4chain3", "double1to4chain3set", "double1to4flat", "double1to4flatset", "double1to5",
    "double1to5chain4set", "double1to5cron", "double1to5cronset", "double1to5flat", "double1to5flatset",
    "double1to5set", "double1to5zao", "double1to5zaoset", "double1to6chain2set", "double1to6set",
    "double1to7", "double2to1flat", "double3to1flat", "double4to1flat", "double5to1flat", "doubletreble", "",
    "chain", "slipstitch", "halfdouble", "halfdoublebackscratch", "halfdoubletopscratch",
    "leftdouble1to2flat", "leftdouble1to3flat", "leftdouble1to4flat", "line", "qibao", "rightdouble1to2flat",
    "rightdouble1to3flat", "rightdouble1to4flat", "single", "single2to1", "single3to1", "singlebackscratch",
    "singletopscratch", "singletwist", "topscratch", "treble", "treblebackscratch", "trebletopscratch",
    "trebletreble", "ushape", "double1to3chain2set", "variantzao", "", "", "", "", "", "", "", "double1to4",
    "double1to4set", "double1to3set", "double1to6", "double3to1", "double5to1", "double4to1", "double6to1",
    "double6to1flat", "double7to1", "double7to1flat", "double1to7set", "treble1to2flat", "treble1to2flatset",
    "lefttreble1to2flat", "righttreble1to2flat", "treble1to3flat", "treble1to3flatset", "treble1to3",
    "treble1to3set", "lefttreble1to3flat", "righttreble1to3flat", "treble1to4flat", "treble1to4flatset",
    "treble1to4", "treble1to4set", "lefttreble1to4flat", "righttreble1to4flat", "treble1to5flat",
    "treble1to5flatset", "treble1to5", "treble1to5set", "treble1to6", "treble1to6set", "treble1to7",
    "treble1to7set", "doubletreble1to2flat", "doubletreble1to2flatset", "leftdoubletreble1to2flat",
    "rightdoubletreble1to2flat", "doubletreble1to3flat", "doubletreble1to3flatset", "doubletreble1to3",
    "doubletreble1to3set", "leftdoubletreble1to3flat", "rightdoubletreble1to3flat", "doubletreble1to4flat",
    "doubletreble1to4flatset", "doubletreble1to4", "doubletreble1to4set", "leftdoubletreble1to4flat",
    "rightdoubletreble1to4flat", "doubletreble1to5flat", "doubletreble1to5flatset", "doubletreble1to5",
    "doubletreble1to5set", "doubletreble1to6", "doubletreble1to6set", "doubletreble1to7",
    "doubletreble1to7set", "double1to5chain4", "double1to3chain2flat", "double1to3chain2flatset",
    "double1to4chain1set", "chainsring", "", "", "", "", "rectangle", "text", "", "", "lines", "rings",
    "mixrings",
};

} // namespace

std::string_view typeName(int32_t typeId)
{
    if (typeId < 0 || size_t(typeId) >= kTypeNames.size())
        return {};
    return kTypeNames[size_t(typeId)];
}

int32_t typeIdOfName(std::string_view name)
{
    if (name.empty())
        return -1;
    for (size_t i = 0; i < kTypeNames.size(); ++i)
        if (kTypeNames[i] == name)
            return int32_t(i);
    return -1;
}

} // namespace loopora
