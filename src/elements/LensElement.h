#pragma once
// A lens-shaped curve: the arc of an ellipse from the second point to the
// first, bulging to one side of the chord. Two lenses over the same two points
// in opposite order close an almond outline; clusters and bobbles use them.
// The arc is plotted pixel by pixel in the pen colour.

#include "elements/TypeIds.h"
#include "elements/ChartElement.h"
#include "elements/PlottedPixels.h"

namespace loopora {

class CLensElement : public CChartElement {
public:
    CLensElement() : CChartElement(typeids::kLens) {}

    double bulge() const { return bulge_; }
    void setBulge(double bulge)
    {
        bulge_ = bulge;
        noteGeometryChange();
    }

    void drawShape(CDC& dc) override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("bulge", bulge_); }

protected:
    void serializeBody(CArchive& ar) override;

private:
    // The arc's pixels; their box, which starts at the first point, is the lens's extent.
    const PlottedPixels& arc() const;
    void plotArc(PlottedPixels& out) const;

    double bulge_ = 1.5;
    mutable double startAngle_ = 0;
    mutable double endAngle_ = 0;
    mutable PlottedPixels arc_;
};

} // namespace loopora
