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

bool CLensElement::Arc::holds(int64_t x, int64_t y) const
{
    const int64_t dx = x - oval.centre.x;
    const int64_t dy = y - oval.centre.y;
    auto onArc = [&](double lo, double hi) { // every angle from lo to hi
        if (start <= end && lo >= start && hi <= end)
            return 1;
        if (start >= end && (lo >= start || hi <= end))
            return 1;
        if ((start <= end && (hi < start || lo > end)) || (start >= end && lo > end && hi < start))
            return 0;
        return -1;
    };
    // Most of the ellipse lies in quarters wholly on or off the arc; only the
    // quarters that hold an end of the arc need the angle itself.
    const double quarter = dy >= 0 ? (dx >= 0 ? 0 : 90) : (dx < 0 ? 180 : 270);
    const int whole = onArc(quarter, quarter + 90);
    if (whole >= 0)
        return whole == 1;
    const double angle = angleFromCentre(dx, dy);
    return (start <= end && angle >= start && angle <= end) || (start >= end && (angle >= start || angle <= end));
}

CLensElement::Arc CLensElement::arc() const
{
    const Point p0 = points()[0];
    const Point p1 = points()[1];

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

    Arc a;
    a.oval = {w, along, across, ChordOrientation::fromSlope(slopeOf(p0, p1), false)};
    a.start = angleFromCentre(int64_t(p1.x) - w.x, int64_t(p1.y) - w.y);
    a.end = angleFromCentre(int64_t(p0.x) - w.x, int64_t(p0.y) - w.y);
    return a;
}

template <typename Plot>
void CLensElement::forEachArcPixel(const Arc& arc, const Rect& window, Plot&& plot) const
{
    if (arc.oval.walked()) {
        walkEllipse(arc.oval.along, arc.oval.across, [&](int64_t x, int64_t y) {
            Point px = arc.oval.orientation.place(arc.oval.centre, x, y);
            if (window.contains(px) && arc.holds(px.x, px.y))
                plot(px.x, px.y);
        });
        return;
    }
    forEachOutlinePixel(arc.oval.equation(), window, [&](int64_t x, int64_t y) {
        if (arc.holds(x, y))
            plot(x, y);
    });
}

Rect CLensElement::measurePixels() const
{
    PenRunExtent box(points()[0], penWidth(), RunDirection::DownRight);
    const Arc a = arc();
    if (a.oval.walked()) {
        forEachArcPixel(a, CDC::kEverywhere, [&](int64_t x, int64_t y) { box.plot(x, y); });
        return box.box();
    }
    // The arc's box is held by its two ends and by those of the ellipse's
    // leftmost, rightmost, highest and lowest points that lie on it.
    const TiltedEllipse e = a.oval.equation();
    const auto [rx, ry] = e.rightmostOffset();
    const auto [lx, ly] = e.lowestOffset();
    const std::pair<double, double> candidates[] = {{rx, ry}, {-rx, -ry}, {lx, ly}, {-lx, -ly}};
    const Point ends[] = {points()[0], points()[1]};
    for (Point p : ends)
        box.plot(p.x, p.y);
    for (auto [dx, dy] : candidates) {
        const int64_t x = int64_t(std::llround(e.cx + dx));
        const int64_t y = int64_t(std::llround(e.cy + dy));
        if (a.holds(x, y))
            box.plot(x, y);
    }
    // The outline's pixels lie within a pixel of the curve.
    const Rect r = box.box();
    return Rect{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
}

void CLensElement::plot(CDC& dc) const
{
    PenRuns runs(dc, penColour(), penWidth(), RunDirection::DownRight);
    if (runs.reach().isEmpty())
        return;
    forEachArcPixel(arc(), runs.reach(), [&](int64_t x, int64_t y) { runs.plot(x, y); });
    runs.flush();
}

void CLensElement::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeDouble(bulge_);
    else
        setBulge(ar.readDouble());
}

} // namespace loopora
