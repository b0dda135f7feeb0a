#include "elements/PlottedFigure.h"

#include "platform/DeviceContext.h"

namespace loopora {

void CPlottedFigure::drawShape(CDC& dc)
{
    if (points_.size() < 2 || Rect::intersected(getBounds(), dc.visibleArea()).isEmpty())
        return;
    plot(dc);
}

Rect CPlottedFigure::getBounds() const
{
    if (points_.size() < 2)
        return CChartElement::getBounds();
    const PlotKey key{points_[0], points_[1], penWidth(), shapeParameter()};
    return extent_.refresh(key, [this] { return measurePixels(); }).inflated(5).normalized();
}

} // namespace loopora
