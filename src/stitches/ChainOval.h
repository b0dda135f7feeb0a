#pragma once
// A chain stitch: an oval between its two points, as long as they are apart
// and `ratio` times narrower, plotted pixel by pixel in the pen colour. Wider
// pens repeat each pixel on a short diagonal run up and to the right.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"

namespace loopora {

class CChainOval : public CChartElement {
public:
    CChainOval() : CChainOval(typeids::kChain) {}

    double ratio() const { return ratio_; }
    void setRatio(double ratio) { ratio_ = ratio; }

    bool canArrangeInRow() const override { return true; }
    bool canArrangeInArc() const override { return true; }
    void drawShape(CDC& dc) override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override { return hitInsideBounds(hit); }
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("ratio", ratio_); }

    // Plots the oval between p and q (sets pixels when dc is given) and returns
    // the box of the plotted pixels, right and bottom inclusive, which starts at p.
    static Rect plot(CDC* dc, Point p, Point q, double ratio, int32_t penWidth, Colour colour);

protected:
    explicit CChainOval(int32_t typeId) : CChartElement(typeId) {}
    void serializeBody(CArchive& ar) override;
    // The plotted box depends only on the points, the pen width and the ratio.
    Rect cachedPlotBox() const;

    double ratio_ = 2.0;

private:
    mutable struct {
        bool valid = false;
        Point p, q;
        int32_t penWidth = 0;
        double ratio = 0;
        Rect box;
    } cache_;
};

} // namespace loopora
