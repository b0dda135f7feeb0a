#include "elements/TwoPointFigure.h"

namespace loopora {

Rect CTwoPointFigure::getBounds() const
{
    if (!hasBothPoints())
        return CChartElement::getBounds();
    return Rect::spanned(points()[0], points()[1]).normalized().inflated(5);
}

bool CTwoPointFigure::hitTestBody(HitInfo& hit) { return hitInsideBounds(hit); }

} // namespace loopora
