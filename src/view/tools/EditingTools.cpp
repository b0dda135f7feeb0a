#include "view/tools/EditingTools.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/TransformCommands.h"
#include "platform/DrawingState.h"
#include "view/ChartView.h"

#include <cmath>

namespace loopora {

double CRotateByArcTool::angleTo(Point p) const
{
    return std::atan2(double(p.y) - centre_.y, double(p.x) - centre_.x);
}

void CRotateByArcTool::onButtonDown(const ToolEvent& e)
{
    CTool::onButtonDown(e);
    element_ = canvas_.current();
    if (!element_ && hitElement_) {
        canvas_.select(hitElement_, 2);
        canvas_.setCurrent(hitElement_);
        element_ = hitElement_;
    }
    if (!element_)
        return;
    centre_ = element_->boundsCentre();
    startAngle_ = endAngle_ = angleTo(pressPoint_);
    anchor_ = pressPoint_;
    // The centre mark and the radii stay until the repaint at the end of the turn.
    ToolDC dc = toolDC();
    dc->fillRect({centre_.x - 3, centre_.y - 3, centre_.x + 3, centre_.y + 3}, colours::blue);
    drawXorLine(dc.dc(), centre_.x, centre_.y, pressPoint_.x, pressPoint_.y);
}

void CRotateByArcTool::onDrag(const ToolEvent&)
{
    if (!canvas_.current())
        return;
    // The radii stay, so the swept arc fills with them until the next repaint.
    if (previousPoint_ != anchor_) {
        ToolDC dc = toolDC();
        drawLine(dc.dc(), centre_.x, centre_.y, previousPoint_.x, previousPoint_.y);
    }
    endAngle_ = angleTo(hit_.point);
}

void CRotateByArcTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    if (!element_)
        return;
    endAngle_ = angleTo(hit_.point);
    canvas_.history().Execute(std::make_unique<CRotateCommand>(*element_, centre_, endAngle_ - startAngle_));
    element_ = nullptr;
    view().invalidateAll();
}

bool CScaleTool::apply()
{
    element_ = canvas_.current();
    if (!element_)
        return false;
    return canvas_.history().Execute(std::make_unique<CScaleCommand>(*element_, centre_, sx_, sy_));
}

bool CMirrorTool::apply()
{
    const auto& members = canvas_.selection().members();
    if (members.empty())
        return false;
    if (axis_ == Axis::X)
        return canvas_.history().Execute(std::make_unique<CFlipHorizontalCommand>(canvas_, members, axisPoint_));
    return canvas_.history().Execute(std::make_unique<CFlipVerticalCommand>(canvas_, members, axisPoint_));
}

} // namespace loopora
