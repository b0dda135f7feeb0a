#include "stitches/SlipStitchDot.h"

#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/Numeric.h"

#include <algorithm>
#include <cstdlib>

namespace loopora {

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

void CSlipStitchDot::drawShape(CDC& dc)
{
    if (canvas() && points_.size() >= 2)
        dc.setPixels(fill().pixels(), whiteFill_ ? colours::white : penColour());
}

const PlottedPixels& CSlipStitchDot::fill() const
{
    return fill_.refresh(plotKey(), [this](PlottedPixels& out) {
        // A dot needs about half its length in nested ovals; a damaged chart's
        // enormous dot is cut short rather than keeping the window busy for minutes.
        int ovalsLeft = 4096;
        auto oval = [&](Point u, Point v) {
            plotOval(out, u, v, ratio_, penWidth());
            return --ovalsLeft > 0;
        };
        const Point p = points_[0];
        const Point q = points_[1];
        if (p.x == q.x || p.y == q.y) {
            // Along an axis: both ends step toward each other until they have crossed.
            const bool vertical = p.x == q.x;
            int32_t low = vertical ? std::min(p.y, q.y) : std::min(p.x, q.x);
            int32_t high = vertical ? std::max(p.y, q.y) : std::max(p.x, q.x);
            do {
                bool more = vertical ? oval({p.x, low}, {p.x, high}) : oval({low, p.y}, {high, p.y});
                if (!more)
                    return;
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
            if (!oval(u, v) || (steep ? v.y < u.y : v.x < u.x))
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
    });
}

void CSlipStitchDot::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring()) {
        ar.writeBool(whiteFill_);
        ar.writeDouble(ratio_);
    } else {
        whiteFill_ = ar.readBool();
        ratio_ = ar.readDouble();
    }
}

} // namespace loopora
