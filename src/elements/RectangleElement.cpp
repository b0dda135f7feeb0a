#include "elements/RectangleElement.h"

#include "platform/DrawingState.h"

namespace loopora {

void CRectangleElement::drawFrame(CDC& dc) const
{
    DrawingStateSaver saved(dc);
    dc.selectBrush({BrushStyle::Hollow, colours::black});
    dc.rectangle(Rect::spanned(points()[0], points()[1]).normalized());
}

void CRectangleElement::drawShape(CDC& dc)
{
    if (hasBothPoints())
        drawFrame(dc);
}

} // namespace loopora
