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

Rect CChainOval::plot(CDC* dc, Point p, Point q, double ratio, int32_t penWidth, Colour colour)
{
    Rect box{p.x, p.y, p.x, p.y};
    Point c{int32_t((int64_t(p.x) + q.x) / 2), int32_t((int64_t(p.y) + q.y) / 2)};
    int64_t along = integerDistance(int64_t(c.x) - q.x, int64_t(c.y) - q.y);
    ChordOrientation o = ChordOrientation::fromSlope(slopeOf(p, q), true);
    // The half width is the length of the across direction scaled to along / ratio.
    double dx = double(along) * o.s / ratio;
    double dy = double(along) * o.c / ratio;
    int64_t across = truncToInt(std::sqrt(dx * dx + dy * dy));
    const int32_t width = std::min(penWidth, 255);
    walkEllipse(along, across, [&](int64_t x, int64_t y) {
        Point px = o.place(c, x, y);
        for (int32_t i = 0; i < width; ++i) {
            int32_t X = px.x + i;
            int32_t Y = px.y - i;
            if (dc)
                dc->setPixel(X, Y, colour);
            box = {std::min(box.left, X), std::min(box.top, Y), std::max(box.right, X), std::max(box.bottom, Y)};
        }
    });
    return box;
}

Rect CChainOval::cachedPlotBox() const
{
    if (!cache_.valid || cache_.p != points_[0] || cache_.q != points_[1] || cache_.penWidth != penWidth() ||
        !(cache_.ratio == ratio_))
        cache_ = {true, points_[0], points_[1], penWidth(), ratio_,
                  plot(nullptr, points_[0], points_[1], ratio_, penWidth(), penColour())};
    return cache_.box;
}

void CChainOval::drawShape(CDC& dc)
{
    if (canvas() && points_.size() >= 2)
        plot(&dc, points_[0], points_[1], ratio_, penWidth(), penColour());
}

Rect CChainOval::getBounds() const
{
    if (points_.size() < 2)
        return CChartElement::getBounds();
    return cachedPlotBox().inflated(5).normalized();
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
