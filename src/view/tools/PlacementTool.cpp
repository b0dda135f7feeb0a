#include "view/tools/PlacementTool.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/PlaceCommand.h"
#include "platform/Numeric.h"
#include "view/ToolRegistry.h"

namespace loopora {

CPlacementTool::CPlacementTool(std::unique_ptr<CChartElement> prototype, CToolRegistry& registry)
    : CTool(registry), prototype_(std::move(prototype))
{
}

void CPlacementTool::begin(const MouseEvent&) { points_.assign(1, pressPoint()); }

void CPlacementTool::drag(const MouseEvent&) { feedback().show(FeedbackShape::dottedLine(pressPoint(), currentPoint())); }

void CPlacementTool::end(const MouseEvent&)
{
    if (points_.empty())
        return;
    const Point first = points_.front();
    const Point last = currentPoint();
    if (integerDistance(int64_t(last.x) - first.x, int64_t(last.y) - first.y) < 5) {
        points_.clear();
        return;
    }
    points_.push_back(last);
    commit();
}

bool CPlacementTool::commit()
{
    auto command = std::make_unique<CPlaceCommand>(canvas_, *prototype_, points_, registry_.attributes());
    bool placed = canvas_.history().Execute(std::move(command));
    points_.clear();
    return placed;
}

} // namespace loopora
