#include "stitches/SlipStitchDot.h"

#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace loopora {
namespace {

// A dot is filled with nested ovals, the way slip stitches have always been
// drawn, when it fits on the editor's largest sheet (600 pixels a side) with
// room to spare: about three hundred ovals at most, a few milliseconds.
constexpr double kLargestNestedSide = 640;
// ... and when the ovals' pixel placements (walk points times run length)
// stay within this: a dot drawn with a pen far wider than the editor's is
// filled row by row, as it always was.
constexpr int64_t kNestedFillBudget = int64_t(1) << 23;

// ChordOrientation::place's rounding for values well inside the coordinate
// range, without its checks: a fraction of one half or more rounds up,
// anything else is truncated toward zero.
inline int32_t roundFractionUpNear(double v)
{
    const int32_t t = int32_t(v);
    return t + int32_t(v - double(t) >= 0.5);
}

// Plots the walk of one oval, its four mirror images placed at once by the
// very sums ChordOrientation::place forms for each, in the same order.
void plotWalk(const PlottedOval& o, PenRunMask& mask)
{
    const double cx = o.centre.x;
    const double cy = o.centre.y;
    const double s = o.orientation.s;
    const double c = o.orientation.c;
    walkEllipseQuarter(o.along, o.across, [&](int64_t x, int64_t y) {
        const double sx = s * double(x), cx_ = c * double(x), sy = s * double(y), cy_ = c * double(y);
        mask.plot(roundFractionUpNear(cx + sx - cy_), roundFractionUpNear(cy + cx_ + sy));
        mask.plot(roundFractionUpNear(cx + -sx - cy_), roundFractionUpNear(cy + -cx_ + sy));
        mask.plot(roundFractionUpNear(cx + sx - -cy_), roundFractionUpNear(cy + cx_ + -sy));
        mask.plot(roundFractionUpNear(cx + -sx - -cy_), roundFractionUpNear(cy + -cx_ + -sy));
    });
}

} // namespace

std::unique_ptr<CChartElement> CSlipStitchDot::clone() const
{
    auto copy = std::make_unique<CSlipStitchDot>();
    copy->ratio_ = ratio_;
    copy->whiteFill_ = whiteFill_;
    return copy;
}

void CSlipStitchDot::describeFields(FieldSink& sink) const
{
    sink.field("whiteFill", whiteFill_);
    CChainOval::describeFields(sink);
}

void CSlipStitchDot::plot(CDC& dc) const
{
    const Colour colour = whiteFill_ ? colours::white : penColour();
    if (!drawnWithNestedOvals()) {
        fillSolid(dc, colour);
        return;
    }
    // The nested ovals stay within the outer one's box, give or take the
    // rounding of their ends; a pixel beyond it is set all the same.
    const TiltedEllipse e = outline().equation();
    const Rect box{int32_t(std::floor(e.cx - e.halfWidth())) - 2, int32_t(e.firstRow()) - 2,
                   int32_t(std::ceil(e.cx + e.halfWidth())) + 3, int32_t(e.lastRow()) + 3};
    PenRunMask mask(dc, colour, penWidth(), RunDirection::UpRight, box);
    plotNestedOvals(mask);
    mask.flush();
}

// The ends step toward each other one pixel at a time along the longer
// coordinate, so there are about half that many ovals, none larger than the first.
bool CSlipStitchDot::drawnWithNestedOvals() const
{
    const PlottedOval outer = outline();
    if (!outer.walked())
        return false;
    const TiltedEllipse e = outer.equation();
    if (2 * e.halfWidth() > kLargestNestedSide || 2 * e.halfHeight() > kLargestNestedSide)
        return false;
    const int64_t span = std::max(std::abs(int64_t(points()[1].x) - points()[0].x),
                                  std::abs(int64_t(points()[1].y) - points()[0].y));
    const int64_t ovals = span / 2 + 1;
    const int64_t perOval = (outer.along + outer.across + 1) * std::max(1, runLength(penWidth()));
    return ovals * perOval <= kNestedFillBudget;
}

void CSlipStitchDot::plotNestedOvals(PenRunMask& mask) const
{
    // Far from the edge of the drawable area no placement needs place's checks.
    const Rect reach = getBounds();
    const bool near = std::max({std::abs(int64_t(reach.left)), std::abs(int64_t(reach.right)),
                                std::abs(int64_t(reach.top)), std::abs(int64_t(reach.bottom))}) <
                      kCoordinateLimit - 16;
    auto oval = [&](Point u, Point v) {
        const PlottedOval o = ovalBetween(u, v, ratio_);
        if (near) {
            plotWalk(o, mask);
            return;
        }
        walkEllipse(o.along, o.across, [&](int64_t x, int64_t y) {
            const Point px = o.orientation.place(o.centre, x, y);
            mask.plot(px.x, px.y);
        });
    };
    const Point p = points()[0];
    const Point q = points()[1];
    if (p.x == q.x || p.y == q.y) {
        // Along an axis: both ends step toward each other until they have crossed.
        const bool vertical = p.x == q.x;
        int32_t low = vertical ? std::min(p.y, q.y) : std::min(p.x, q.x);
        int32_t high = vertical ? std::max(p.y, q.y) : std::max(p.x, q.x);
        do {
            if (vertical)
                oval({p.x, low}, {p.x, high});
            else
                oval({low, p.y}, {high, p.y});
            ++low;
            --high;
        } while (high + 1 > low - 1);
        return;
    }
    // Oblique: the ends walk along the major axis and the other coordinate is
    // recomputed on the line through p.
    const bool steep = std::abs(int64_t(q.x) - p.x) < std::abs(int64_t(q.y) - p.y);
    Point u = steep ? (p.y <= q.y ? p : q) : (p.x <= q.x ? p : q);
    Point v = (u == p) ? q : p;
    const double slope = steep ? double(int64_t(q.x) - p.x) / double(int64_t(q.y) - p.y)
                               : double(int64_t(q.y) - p.y) / double(int64_t(q.x) - p.x);
    auto onLine = [&](Point& w) {
        if (steep)
            w.x = truncToInt(p.x + slope * (double(w.y) - p.y));
        else
            w.y = truncToInt(p.y + slope * (double(w.x) - p.x));
    };
    while (true) {
        oval(u, v);
        if (steep ? v.y < u.y : v.x < u.x)
            break;
        if (steep) {
            ++u.y;
            --v.y;
        } else {
            ++u.x;
            --v.x;
        }
        onLine(u);
        onLine(v);
    }
}

// A run from (x, y) sets (x + i, y - i), so row y takes row y + i of the
// filled oval moved i pixels right; the dot's row is the hull of those.
void CSlipStitchDot::fillSolid(CDC& dc, Colour colour) const
{
    const int32_t length = runLength(penWidth());
    const Rect visible = dc.visibleArea();
    if (length == 0 || visible.isEmpty())
        return;
    const TiltedEllipse e = outline().equation();
    const int64_t top = std::max<int64_t>(visible.top, e.firstRow() - (length - 1));
    const int64_t bottom = std::min<int64_t>(int64_t(visible.bottom) - 1, e.lastRow());
    for (int64_t y = top; y <= bottom; ++y) {
        raster::Span hull;
        for (int32_t i = 0; i < length; ++i) {
            const raster::Span from = e.row(y + i);
            if (from.empty())
                continue;
            hull = hull.empty() ? raster::Span{from.lo + i, from.hi + i}
                                : raster::Span{std::min(hull.lo, from.lo + i), std::max(hull.hi, from.hi + i)};
        }
        const int64_t left = std::max<int64_t>(hull.lo, visible.left);
        const int64_t right = std::min<int64_t>(hull.hi, int64_t(visible.right) - 1);
        if (!hull.empty() && left <= right)
            dc.fillRect({int32_t(left), int32_t(y), int32_t(right + 1), int32_t(y + 1)}, colour);
    }
}

void CSlipStitchDot::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring()) {
        ar.writeBool(whiteFill_);
        ar.writeDouble(ratio_);
    } else {
        whiteFill_ = ar.readBool();
        setRatio(ar.readDouble());
    }
}

} // namespace loopora
