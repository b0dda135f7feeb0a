#pragma once
// A circle or an arc of it, on the diameter between its two points. A positive
// sweep leaves the arc open on one side, a negative sweep on the other; 360
// (or 0) is the whole circle.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"

namespace loopora {

class CCircleArc : public CChartElement {
public:
    CCircleArc() : CChartElement(typeids::kCircle) {}

    double sweep() const { return sweep_; }
    void setSweep(double degrees)
    {
        sweep_ = degrees;
        geometryChanged();
    }

    void drawShape(CDC& dc) override;
    void describeShape(ShapeSink& sink) const override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override { return hitInsideBounds(hit); }
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("sweep", sweep_); }

protected:
    void serializeBody(CArchive& ar) override;

private:
    // The circle's box: centre the midpoint, radius the distance to the first point.
    Rect circleBox() const;

    double sweep_ = 360.0;
};

} // namespace loopora
