#include "view/tools/PlacementTool.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/PlaceCommand.h"
#include "platform/DrawingState.h"
#include "platform/Numeric.h"
#include "view/ToolRegistry.h"

namespace loopora {

CPlacementTool::CPlacementTool(std::unique_ptr<CChartElement> prototype, CToolRegistry& registry)
    : CTool(registry), prototype_(std::move(prototype))
{
}

void CPlacementTool::onButtonDown(const ToolEvent& e)
{
    // The window keeps the mouse while a button is held, so an earlier band
    // is gone by now; should one linger, it goes before the press point moves.
    hideFeedback();
    CTool::onButtonDown(e);
    points_.assign(1, hit_.point);
}

void CPlacementTool::drawFeedback(CDC& dc)
{
    PenScope dotted(dc, Pen{int32_t(PenStyle::Dot), 1, colours::white});
    RasterOpScope xorPen(dc, RasterOp::XorPen);
    dc.moveTo(pressPoint_.x, pressPoint_.y);
    dc.lineTo(bandEnd_.x, bandEnd_.y);
}

void CPlacementTool::onDrag(const ToolEvent&)
{
    hideFeedback();
    bandEnd_ = hit_.point;
    showFeedback();
}

void CPlacementTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    // The band goes with the gesture, also when nothing is placed and no repaint follows.
    hideFeedback();
    if (points_.empty())
        return;
    Point first = points_.front();
    if (integerDistance(int64_t(hit_.point.x) - first.x, int64_t(hit_.point.y) - first.y) < 5) {
        points_.clear();
        return;
    }
    points_.push_back(hit_.point);
    commit();
}

bool CPlacementTool::commit()
{
    auto command = std::make_unique<CPlaceCommand>(*prototype_, points_, registry_.attributes());
    bool placed = canvas_.history().Execute(std::move(command));
    points_.clear();
    return placed;
}

} // namespace loopora
