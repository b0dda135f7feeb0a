#pragma once
// A chain stitch: an oval between its two points, as long as they are apart
// and `ratio` times narrower, plotted pixel by pixel in the pen colour. Wider
// pens repeat each pixel on a short diagonal run up and to the right.

#include "elements/ChartElement.h"
#include "elements/PlottedPixels.h"
#include "elements/TypeIds.h"

namespace loopora {

// No chain is drawn flatter than this length-to-width ratio: a ratio of 0, a
// negative or a non-finite one from a damaged file, or a tiny one would
// spread the oval, and the frame that catches clicks, across the whole sheet.
constexpr double kFlattestChainRatio = 0.1;

class CChainOval : public CChartElement {
public:
    CChainOval() : CChainOval(typeids::kChain) {}

    double ratio() const { return ratio_; }
    void setRatio(double ratio)
    {
        ratio_ = ratio;
        noteGeometryChange();
    }

    bool canArrangeInRow() const override { return true; }
    bool canArrangeInArc() const override { return true; }
    void drawShape(CDC& dc) override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override { return hitInsideBounds(hit); }
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("ratio", ratio_); }

    // Adds the pixels of the oval between p and q to out.
    static void plotOval(PlottedPixels& out, Point p, Point q, double ratio, int32_t penWidth);

protected:
    explicit CChainOval(int32_t typeId) : CChartElement(typeId) {}
    void serializeBody(CArchive& ar) override;
    PlotKey plotKey() const { return {points_[0], points_[1], penWidth(), ratio_}; }
    // The outline between the element's points; its box is the element's extent.
    const PlottedPixels& outline() const;

    double ratio_ = 2.0;

private:
    mutable PlottedPixels outline_;
};

} // namespace loopora
