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
    // The mark and the radii are drawn in window pixels, the same size at every zoom.
    ToolDC dc = toolDC();
    const Point centre = dc.at(centre_);
    const Point press = dc.at(pressPoint());
    const int32_t reach = dc.pixels(3);
    const Rect mark{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach};
    dc->fillRect(mark, colours::blue);
    dc.drew(mark);
    drawXorLine(dc.dc(), centre.x, centre.y, press.x, press.y);
    dc.drew(Rect::spanned(centre, press).normalized().inflated(1));
}

void CRotateByArcTool::drag(const MouseEvent&)
{
    if (!canvas_.current())
        return;
    // The radii stay, so the swept arc fills with them until the next repaint.
    if (previousPoint() != anchor_) {
        ToolDC dc = toolDC();
        const Point centre = dc.at(centre_);
        const Point previous = dc.at(previousPoint());
        drawLine(dc.dc(), centre.x, centre.y, previous.x, previous.y);
        dc.drew(Rect::spanned(centre, previous).normalized().inflated(1));
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
