#include "document/commands/Repaint.h"

namespace loopora {

Rect areaOf(std::span<CChartElement* const> elements)
{
    Rect area;
    for (CChartElement* e : elements)
        area = CChartElement::accumulateBounds(area, e->drawnBounds());
    return area;
}

} // namespace loopora
