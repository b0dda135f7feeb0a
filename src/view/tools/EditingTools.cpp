#include "view/tools/EditingTools.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/TransformCommands.h"
#include "view/ChartView.h"

#include <cmath>

namespace loopora {

double CRotateByArcTool::angleTo(Point p) const
{
    return std::atan2(double(p.y) - centre_.y, double(p.x) - centre_.x);
}

void CRotateByArcTool::begin(const MouseEvent&)
{
    element_ = canvas_.current();
    if (!element_ && hitElement()) {
        canvas_.select(hitElement(), SelectMode::Replace);
        canvas_.setCurrent(hitElement());
        element_ = hitElement();
    }
    if (!element_)
        return;
    centre_ = element_->boundsCentre();
    startAngle_ = angleTo(pressPoint());
    anchor_ = pressPoint();
    ToolDC dc = toolDC();
    const Rect mark{centre_.x - 3, centre_.y - 3, centre_.x + 3, centre_.y + 3};
    dc->fillRect(mark, colours::blue);
    dc.drew(mark);
    drawXorLine(dc.dc(), centre_.x, centre_.y, pressPoint().x, pressPoint().y);
    dc.drew(Rect::spanned(centre_, pressPoint()).normalized().inflated(1));
}

void CRotateByArcTool::drag(const MouseEvent&)
{
    if (!canvas_.current())
        return;
    // The radii stay, so the swept arc fills with them until the next repaint.
    if (previousPoint() != anchor_) {
        ToolDC dc = toolDC();
        drawLine(dc.dc(), centre_.x, centre_.y, previousPoint().x, previousPoint().y);
        dc.drew(Rect::spanned(centre_, previousPoint()).normalized().inflated(1));
    }
}

void CRotateByArcTool::end(const MouseEvent&)
{
    if (!element_)
        return;
    const double endAngle = angleTo(currentPoint());
    canvas_.history().Execute(std::make_unique<CRotateCommand>(canvas_, *element_, centre_, endAngle - startAngle_));
    element_ = nullptr;
    view().invalidateAll();
}

void CRotateByArcTool::cancel()
{
    if (!element_)
        return;
    element_ = nullptr;
    view().invalidateAll();
}

} // namespace loopora
