#pragma once
// A chain stitch: an oval between its two points, as long as they are apart
// and `ratio` times narrower, plotted pixel by pixel in the pen colour. Wider
// pens repeat each pixel on a short diagonal run up and to the right.

#include "elements/EllipseWalk.h"
#include "elements/PlottedFigure.h"
#include "elements/TypeIds.h"
#include "platform/PenRuns.h"

namespace loopora {

// No chain is drawn flatter than this length-to-width ratio: a negative or
// a non-finite one from a damaged file, or a tiny one, would spread the oval,
// and the frame that catches clicks, across the whole sheet. A ratio of
// exactly 0 (a ring's loop size of 0) draws the chain as a straight line.
constexpr double kFlattestChainRatio = 0.1;

class CChainOval : public CPlottedFigure {
public:
    CChainOval() : CChainOval(typeids::kChain) {}

    double ratio() const { return ratio_; }
    void setRatio(double ratio)
    {
        ratio_ = ratio;
        geometryChanged();
    }

    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("ratio", ratio_); }

    // The oval between p and q.
    static PlottedOval ovalBetween(Point p, Point q, double ratio);
    // Plots the outline of the oval through the runs.
    static void plotOval(PenRuns& runs, const PlottedOval& oval);

protected:
    explicit CChainOval(int32_t typeId) : CPlottedFigure(typeId) {}
    void serializeBody(CArchive& ar) override;
    // The box of the outline's pixels, from the first point.
    Rect measurePixels() const override;
    void plot(CDC& dc) const override;
    PlottedOval outline() const { return ovalBetween(points()[0], points()[1], ratio_); }

    double ratio_ = 2.0;
};

} // namespace loopora
