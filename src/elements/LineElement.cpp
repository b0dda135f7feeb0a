#include "elements/LineElement.h"

#include "platform/DeviceContext.h"

namespace loopora {

void CLineElement::drawShape(CDC& dc)
{
    if (!hasBothPoints())
        return;
    dc.moveTo(points()[0].x, points()[0].y);
    dc.lineTo(points()[1].x, points()[1].y);
}

} // namespace loopora
