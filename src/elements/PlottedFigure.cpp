#include "elements/PlottedFigure.h"

#include "platform/DeviceContext.h"

namespace loopora {

void CPlottedFigure::drawShape(CDC& dc)
{
    if (points().size() < 2 || Rect::intersected(getBounds(), dc.visibleArea()).isEmpty())
        return;
    plot(dc);
}

Rect CPlottedFigure::getBounds() const
{
    if (points().size() < 2)
        return CChartElement::getBounds();
    if (!knows(kBoundsKnown)) {
        pixelBox_ = measurePixels();
        learn(kBoundsKnown);
    }
    return pixelBox_.inflated(5).normalized();
}

} // namespace loopora
