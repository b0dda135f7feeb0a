#include "stitches/ChainOval.h"

#include "elements/EllipseWalk.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"

#include <cmath>

namespace loopora {

std::unique_ptr<CChartElement> CChainOval::clone() const
{
    auto copy = std::make_unique<CChainOval>();
    copy->ratio_ = ratio_;
    return copy;
}

void CChainOval::plotOval(PlottedPixels& out, Point p, Point q, double ratio, int32_t penWidth)
{
    Point c{int32_t((int64_t(p.x) + q.x) / 2), int32_t((int64_t(p.y) + q.y) / 2)};
    int64_t along = integerDistance(int64_t(c.x) - q.x, int64_t(c.y) - q.y);
    ChordOrientation o = ChordOrientation::fromSlope(slopeOf(p, q), true);
    // Not-a-number fails the comparison and takes the flattest ratio too.
    if (!(ratio >= kFlattestChainRatio))
        ratio = kFlattestChainRatio;
    // The half width is the length of the across direction scaled to along / ratio.
    double dx = double(along) * o.s / ratio;
    double dy = double(along) * o.c / ratio;
    int64_t across = truncToInt(std::sqrt(dx * dx + dy * dy));
    const int32_t width = std::min(penWidth, 255);
    walkEllipse(along, across, [&](int64_t x, int64_t y) {
        Point px = o.place(c, x, y);
        for (int32_t i = 0; i < width; ++i)
            out.add({px.x + i, px.y - i});
    });
}

const PlottedPixels& CChainOval::outline() const
{
    return outline_.refresh(plotKey(), [this](PlottedPixels& out) { plotOval(out, points_[0], points_[1], ratio_, penWidth()); });
}

void CChainOval::drawShape(CDC& dc)
{
    if (canvas() && points_.size() >= 2)
        dc.setPixels(outline().pixels(), penColour());
}

Rect CChainOval::getBounds() const
{
    if (points_.size() < 2)
        return CChartElement::getBounds();
    return outline().box().inflated(5).normalized();
}

void CChainOval::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeDouble(ratio_);
    else
        ratio_ = ar.readDouble();
}

} // namespace loopora
