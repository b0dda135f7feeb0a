#include "stitches/CircleArc.h"

#include "elements/PointMath.h"
#include "platform/Archive.h"
#include "platform/DrawingState.h"
#include "platform/Numeric.h"

namespace loopora {

std::unique_ptr<CChartElement> CCircleArc::clone() const
{
    auto copy = std::make_unique<CCircleArc>();
    copy->sweep_ = sweep_;
    return copy;
}

Rect CCircleArc::circleBox() const
{
    Point p = points()[0];
    Point q = points()[1];
    Point c{int32_t((int64_t(p.x) + q.x) / 2), int32_t((int64_t(p.y) + q.y) / 2)};
    int32_t d = integerDistance(int64_t(c.x) - p.x, int64_t(c.y) - p.y);
    return {c.x - d, c.y - d, c.x + d, c.y + d};
}

void CCircleArc::drawShape(CDC& dc)
{
    if (points().size() < 2)
        return;
    DrawingStateSaver saved(dc);
    dc.selectBrush({BrushStyle::Hollow, colours::black});
    Rect box = circleBox();
    Point c{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    Point p = points()[0];
    if (sweep_ == 360.0 || sweep_ == 0.0) {
        dc.ellipse(box);
    } else if (sweep_ > 0) {
        // The arc runs counter-clockwise from p, so it is open over the last (360 - sweep) degrees.
        dc.arc(box, p, rotatePointAbout(c, p, 360.0 - sweep_));
    } else {
        dc.arc(box, rotatePointAbout(c, p, -sweep_), p);
    }
}

Rect CCircleArc::getBounds() const
{
    if (points().size() < 2)
        return CChartElement::getBounds();
    return circleBox().inflated(5).normalized();
}

void CCircleArc::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeDouble(sweep_);
    else
        setSweep(ar.readDouble());
}

} // namespace loopora
