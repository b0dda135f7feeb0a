#include "elements/LineElement.h"

#include "platform/DeviceContext.h"

namespace loopora {

void CLineElement::drawShape(CDC& dc)
{
    if (!hasBothPoints())
        return;
    dc.moveTo(points_[0].x, points_[0].y);
    dc.lineTo(points_[1].x, points_[1].y);
}

} // namespace loopora
