#include "stitches/ChainOval.h"

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

PlottedOval CChainOval::ovalBetween(Point p, Point q, double ratio)
{
    PlottedOval oval;
    oval.centre = {int32_t((int64_t(p.x) + q.x) / 2), int32_t((int64_t(p.y) + q.y) / 2)};
    oval.along = integerDistance(int64_t(oval.centre.x) - q.x, int64_t(oval.centre.y) - q.y);
    oval.orientation = ChordOrientation::fromSlope(slopeOf(p, q), true);
    // A loop size of 0, which older editors' chain ring dialogs offered first,
    // makes a chain of no width: those editors drew it as the straight line
    // between its ends, and so it is drawn, framed and hit here.
    if (ratio == 0) {
        oval.across = 0;
        return oval;
    }
    // Not-a-number fails the comparison and takes the flattest ratio too.
    if (!(ratio >= kFlattestChainRatio))
        ratio = kFlattestChainRatio;
    // The half width is the length of the across direction scaled to along / ratio.
    double dx = double(oval.along) * oval.orientation.s / ratio;
    double dy = double(oval.along) * oval.orientation.c / ratio;
    oval.across = truncToInt(std::sqrt(dx * dx + dy * dy));
    return oval;
}

void CChainOval::plotOval(PenRuns& runs, const PlottedOval& oval)
{
    if (runs.reach().isEmpty())
        return;
    if (oval.walked()) {
        walkEllipse(oval.along, oval.across, [&](int64_t x, int64_t y) {
            Point px = oval.orientation.place(oval.centre, x, y);
            runs.plot(px.x, px.y);
        });
        return;
    }
    forEachOutlinePixel(oval.equation(), runs.reach(), [&](int64_t x, int64_t y) { runs.plot(x, y); });
}

Rect CChainOval::measurePixels() const
{
    PenRunExtent box(points()[0], penWidth(), RunDirection::UpRight);
    const PlottedOval oval = outline();
    if (oval.walked()) {
        walkEllipse(oval.along, oval.across, [&](int64_t x, int64_t y) {
            Point px = oval.orientation.place(oval.centre, x, y);
            box.plot(px.x, px.y);
        });
    } else {
        const TiltedEllipse e = oval.equation();
        box.plotBox(int64_t(std::floor(e.cx - e.halfWidth())), e.firstRow(), int64_t(std::ceil(e.cx + e.halfWidth())),
                    e.lastRow());
    }
    return box.box();
}

void CChainOval::plot(CDC& dc) const
{
    PenRuns runs(dc, penColour(), penWidth(), RunDirection::UpRight);
    plotOval(runs, outline());
    runs.flush();
}

void CChainOval::serializeBody(CArchive& ar)
{
    serializePlainBody(ar);
    if (ar.isStoring())
        ar.writeDouble(ratio_);
    else
        setRatio(ar.readDouble());
}

} // namespace loopora
