#include "elements/LensElement.h"

#include "elements/EllipseWalk.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"

#include <cmath>

namespace loopora {
namespace {

constexpr double kDegreesPerRadian = 57.29577866666166;

// The angle of a point as seen from the ellipse's centre, in degrees, growing
// clockwise on screen. The chord ends and every plotted pixel use the same
// rule, so that the pixels on the axes (straight up, straight left) are judged
// by where they really lie and never show up on the far side of the ellipse.
double angleFromCentre(int64_t dx, int64_t dy)
{
    double base = dx == 0 ? 90.0 : std::atan(std::fabs(double(dy) / double(dx))) * kDegreesPerRadian;
    if (dy < 0 && dx >= 0)
        return 360 - base;
    if (dy >= 0 && dx < 0)
        return 180 - base;
    if (dy < 0 && dx < 0)
        return 180 + base;
    return base;
}

} // namespace

std::unique_ptr<CChartElement> CLensElement::clone() const
{
    auto copy = std::make_unique<CLensElement>();
    copy->bulge_ = bulge_;
    return copy;
}

const PlottedPixels& CLensElement::arc() const
{
    return arc_.refresh({points_[0], points_[1], penWidth(), bulge_}, [this](PlottedPixels& out) { plotArc(out); });
}

void CLensElement::plotArc(PlottedPixels& out) const
{
    const Point p0 = points_[0];
    const Point p1 = points_[1];

    // The centre W lies on the perpendicular through the chord's midpoint M,
    // as far from M as M is from the ends.
    Point m{int32_t((int64_t(p0.x) + p1.x) / 2), int32_t((int64_t(p0.y) + p1.y) / 2)};
    int32_t h = integerDistance(int64_t(p0.x) - m.x, int64_t(p0.y) - m.y);
    Point w = transformTruncated(Affine::about(m, Affine::rotation(kQuarterTurn)), p0);

    // Z lies h * bulge from W in the direction of the chord; its distance gives
    // the semi-axis along the chord. The other one makes the ellipse pass
    // through both chord ends.
    double k = p0.y == p1.y ? kVerticalSlope : double(int64_t(p0.x) - p1.x) / double(int64_t(p0.y) - p1.y);
    double yStar = w.y + h * bulge_ / std::sqrt(k * k + 1);
    Point z{truncToInt(w.x + k * (yStar - w.y)), truncToInt(yStar)};
    int64_t along = integerDistance(int64_t(z.x) - w.x, int64_t(z.y) - w.y);
    int64_t spread = along * along - int64_t(h) * h;
    // A lens flatter than its chord (possible only for tiny ones after
    // truncation) has no such ellipse; it is drawn as a circle through the ends.
    int64_t across = spread > 0 ? truncToInt(double(h) * double(along) / std::sqrt(double(spread))) : h;

    startAngle_ = angleFromCentre(int64_t(p1.x) - w.x, int64_t(p1.y) - w.y);
    endAngle_ = angleFromCentre(int64_t(p0.x) - w.x, int64_t(p0.y) - w.y);
    const double start = startAngle_;
    const double end = endAngle_;
    const ChordOrientation orientation = ChordOrientation::fromSlope(slopeOf(p0, p1), false);
    const int32_t width = std::min(penWidth(), 255);

    walkEllipse(along, across, [&](int64_t x, int64_t y) {
        Point px = orientation.place(w, x, y);
        double angle = angleFromCentre(int64_t(px.x) - w.x, int64_t(px.y) - w.y);
        bool onArc = (start <= end && angle >= start && angle <= end) ||
                     (start >= end && (angle >= start || angle <= end));
        if (!onArc)
            return;
        for (int32_t i = 0; i < width; ++i)
            out.add({px.x + i, px.y + i});
    });
}

void CLensElement::drawShape(CDC& dc)
{
    if (canvas() && points_.size() >= 2)
        dc.setPixels(arc().pixels(), penColour());
}

Rect CLensElement::getBounds() const
{
    if (points_.size() < 2)
        return CChartElement::getBounds();
    return arc().box().inflated(5).normalized();
}

bool CLensElement::hitTestBody(HitInfo& hit) { return hitInsideBounds(hit); }

void CLensElement::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeDouble(bulge_);
    else
        bulge_ = ar.readDouble();
}

} // namespace loopora
