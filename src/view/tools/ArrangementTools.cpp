#include "view/tools/ArrangementTools.h"

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/Canvas.h"
#include "elements/PrototypeTable.h"
#include "view/ToolRegistry.h"

namespace loopora {
namespace {

std::unique_ptr<CChartElement> arrangementFor(CToolRegistry& registry, int32_t typeId)
{
    std::unique_ptr<CChartElement> prototype = createElement(typeId);
    prototype->setCanvas(&registry.canvas());
    return prototype;
}

} // namespace

CRowTool::CRowTool(CToolRegistry& registry) : CPlacementTool(arrangementFor(registry, typeids::kRow), registry) {}
CRowArrangement& CRowTool::row() { return static_cast<CRowArrangement&>(*prototype_); }
void CRowTool::setTemplate(StitchTemplate t) { row().setTemplate(std::move(t)); }
void CRowTool::setCount(int32_t count) { row().setCount(count); }
void CRowTool::setHeight(double height) { row().setHeight(height); }
void CRowTool::setAlongLine(bool along) { row().setAlongLine(along); }

CArcTool::CArcTool(CToolRegistry& registry) : CArcTool(registry, arrangementFor(registry, typeids::kArc)) {}
CArcTool::CArcTool(CToolRegistry& registry, std::unique_ptr<CChartElement> prototype)
    : CPlacementTool(std::move(prototype), registry)
{
}
CArcArrangement& CArcTool::arc() { return static_cast<CArcArrangement&>(*prototype_); }
void CArcTool::setTemplate(StitchTemplate t) { arc().setTemplate(std::move(t)); }
void CArcTool::setCount(int32_t count) { arc().setCount(count); }
void CArcTool::setHeight(double height) { arc().setHeight(height); }
void CArcTool::setAlongArc(bool along) { arc().setAlongArc(along); }
void CArcTool::setSweep(double degrees) { arc().setSweep(degrees); }

CLoopArcTool::CLoopArcTool(CToolRegistry& registry)
    : CArcTool(registry, arrangementFor(registry, typeids::kLoopedArc))
{
}
void CLoopArcTool::setLoopLength(int32_t chains) { static_cast<CLoopedArcArrangement&>(arc()).setLoopLength(chains); }

} // namespace loopora
