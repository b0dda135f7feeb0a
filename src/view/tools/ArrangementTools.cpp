#include "view/tools/ArrangementTools.h"

namespace loopora {

CRowTool::CRowTool(std::unique_ptr<CRowArrangement> prototype, CToolRegistry& registry)
    : CPlacementTool(std::move(prototype), registry), row_(static_cast<CRowArrangement&>(*prototype_))
{
}
void CRowTool::setTemplate(StitchTemplate t) { row_.setTemplate(std::move(t)); }
void CRowTool::setCount(int32_t count) { row_.setCount(count); }
void CRowTool::setHeight(double height) { row_.setHeight(height); }
void CRowTool::setAlongLine(bool along) { row_.setAlongLine(along); }

CArcTool::CArcTool(std::unique_ptr<CArcArrangement> prototype, CToolRegistry& registry)
    : CPlacementTool(std::move(prototype), registry), arc_(static_cast<CArcArrangement&>(*prototype_))
{
}
void CArcTool::setTemplate(StitchTemplate t) { arc_.setTemplate(std::move(t)); }
void CArcTool::setCount(int32_t count) { arc_.setCount(count); }
void CArcTool::setHeight(double height) { arc_.setHeight(height); }
void CArcTool::setAlongArc(bool along) { arc_.setAlongArc(along); }
void CArcTool::setSweep(double degrees) { arc_.setSweep(degrees); }

CLoopArcTool::CLoopArcTool(std::unique_ptr<CLoopedArcArrangement> prototype, CToolRegistry& registry)
    : CArcTool(std::move(prototype), registry), loopedArc_(static_cast<CLoopedArcArrangement&>(arc()))
{
}
void CLoopArcTool::setLoopLength(int32_t chains) { loopedArc_.setLoopLength(chains); }

CChainRingTool::CChainRingTool(std::unique_ptr<CChainRing> prototype, CToolRegistry& registry)
    : CPlacementTool(std::move(prototype), registry), ring_(static_cast<CChainRing&>(*prototype_))
{
}

} // namespace loopora
