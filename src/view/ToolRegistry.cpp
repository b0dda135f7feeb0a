#include "view/ToolRegistry.h"

#include "document/Canvas.h"
#include "elements/PrototypeTable.h"
#include "view/tools/ArrangementTools.h"
#include "view/tools/EditingTools.h"
#include "view/tools/PlacementTool.h"
#include "view/tools/SelectTool.h"

namespace loopora {
namespace {

// Every element type a placement tool of the same name puts on the chart.
constexpr std::string_view kPlacedTypes[] = {
    "line", "chain", "chain2", "chain3", "slipstitch", "circle", "topscratch", "halfdoubletopscratch",
    "backscratch", "halfdoublebackscratch", "singletopscratch", "singlebackscratch", "trebletopscratch",
    "treblebackscratch", "singletwist", "ushape", "double1to5chain4set", "double1to4chain3set", "double1to4chain3",
    "doubletreble", "trebletreble", "single", "halfdouble", "double", "treble", "qibao", "leftdouble1to2flat",
    "leftdouble1to3flat", "leftdouble1to4flat", "rightdouble1to2flat", "rightdouble1to3flat", "rightdouble1to4flat",
    "single2to1", "single3to1", "double2to1flat", "double3to1flat", "double4to1flat", "double5to1flat",
    "double6to1flat", "double7to1flat", "double1to2flat", "double1to3", "double1to3flat", "double1to4flat",
    "double1to5", "double1to5flat", "double1to7", "double1to2chain1", "double1to2chain2", "double1to2chain3",
    "double1to4chain1", "double1to4chain1flat", "double1to3chain2", "double1to3chain2set", "double1to4chain1flatset",
    "double1to2flatset", "double1to3flatset", "double1to4flatset", "double1to5flatset", "double1to5set",
    "double1to6chain2set", "double1to6set", "double1to2zaoset", "double1to3zao", "double1to3zaoset", "double1to5zao",
    "double1to5zaoset", "double1to5cron", "double1to5cronset", "chain3teeth", "variantzao", "double1to4",
    "double1to4set", "double1to3set", "double1to6", "double3to1", "double4to1", "double5to1", "double6to1",
    "double7to1", "double1to7set", "double1to5chain4", "double1to3chain2flat", "double1to3chain2flatset",
    "double1to4chain1set", "chainsring", "rectangle", "text",
};

// The treble and double-treble fans follow, so every fan palette button places its symbol.
constexpr int32_t kFirstFan = 91;
constexpr int32_t kLastFan = 138;

} // namespace

bool CToolRegistry::registerTool(std::string name, std::unique_ptr<CTool> tool)
{
    tools_[std::move(name)] = std::move(tool);
    return true;
}

CTool* CToolRegistry::findTool(std::string_view name) const
{
    auto it = tools_.find(name);
    return it == tools_.end() ? nullptr : it->second.get();
}

bool CToolRegistry::selectTool(std::string_view name)
{
    if (name == currentName_)
        return true;
    CTool* next = findTool(name);
    if (!next)
        return false;
    if (CTool* current = currentTool())
        current->deactivate();
    currentName_ = std::string(name);
    next->activate();
    return true;
}

void CToolRegistry::registerStandardTools()
{
    auto placement = [this](int32_t typeId) {
        std::unique_ptr<CChartElement> prototype = createElement(typeId);
        prototype->setCanvas(&canvas_);
        registerTool(std::string(typeName(typeId)), std::make_unique<CPlacementTool>(std::move(prototype), *this));
    };
    for (std::string_view name : kPlacedTypes)
        placement(typeIdOfName(name));
    for (int32_t id = kFirstFan; id <= kLastFan; ++id)
        placement(id);
    registerTool("lines", std::make_unique<CRowTool>(*this));
    registerTool("rings", std::make_unique<CArcTool>(*this));
    registerTool("mixrings", std::make_unique<CLoopArcTool>(*this));
    registerTool("select", std::make_unique<CSelectTool>(*this));
    registerTool("move", std::make_unique<CMoveTool>(*this));
    registerTool("change", std::make_unique<CChangeTool>(*this));
    registerTool("scale", std::make_unique<CScaleTool>(*this));
    registerTool("rotatebyarc", std::make_unique<CRotateByArcTool>(*this));
    registerTool("hrotate", std::make_unique<CMirrorTool>(*this, CMirrorTool::Axis::X));
    registerTool("vrotate", std::make_unique<CMirrorTool>(*this, CMirrorTool::Axis::Y));
}

} // namespace loopora
