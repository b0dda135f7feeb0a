#include "stitches/SlipStitchDot.h"

#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/Numeric.h"

#include <algorithm>
#include <cstdlib>

namespace loopora {
namespace {

// The most pixel placements (walk points times run length) a dot is drawn
// with by nested ovals, whose cost grows with the square of its length: about
// a millisecond. A longer dot (over about 400 pixels with the editor's pen)
// is filled row by row instead, solid, in time that grows with its rows.
constexpr int64_t kNestedFillBudget = int64_t(1) << 17;

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
    if (!nestedFillIsCheap()) {
        fillSolid(dc, colour);
        return;
    }
    PenRuns runs(dc, colour, penWidth(), RunDirection::UpRight);
    plotNestedOvals(runs);
    runs.flush();
}

// The ends step toward each other one pixel at a time along the longer
// coordinate, so there are about half that many ovals, none larger than the first.
bool CSlipStitchDot::nestedFillIsCheap() const
{
    const PlottedOval outer = outline();
    if (!outer.walked())
        return false;
    const int64_t span = std::max(std::abs(int64_t(points()[1].x) - points()[0].x),
                                  std::abs(int64_t(points()[1].y) - points()[0].y));
    const int64_t ovals = span / 2 + 1;
    const int64_t perOval = (outer.along + outer.across + 1) * std::max(1, runLength(penWidth()));
    return ovals * perOval <= kNestedFillBudget;
}

void CSlipStitchDot::plotNestedOvals(PenRuns& runs) const
{
    auto oval = [&](Point u, Point v) { plotOval(runs, ovalBetween(u, v, ratio_)); };
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
