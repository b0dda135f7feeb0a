#pragma once
// A lens-shaped curve: the arc of an ellipse from the second point to the
// first, bulging to one side of the chord. Two lenses over the same two points
// in opposite order close an almond outline; clusters and bobbles use them.
// The arc is plotted pixel by pixel in the pen colour.

#include "elements/TypeIds.h"
#include "elements/ChartElement.h"

namespace loopora {

class CLensElement : public CChartElement {
public:
    CLensElement() : CChartElement(typeids::kLens) {}

    double bulge() const { return bulge_; }
    void setBulge(double bulge) { bulge_ = bulge; }

    void drawShape(CDC& dc) override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override;
    std::unique_ptr<CChartElement> clone() const override;
    void describeFields(FieldSink& sink) const override { sink.field("bulge", bulge_); }

protected:
    void serializeBody(CArchive& ar) override;

private:
    // Walks the arc; sets its pixels when dc is given. Returns the box of the
    // plotted pixels (right and bottom inclusive), which starts at the first point.
    Rect rasterise(CDC* dc) const;

    double bulge_ = 1.5;
    mutable double startAngle_ = 0;
    mutable double endAngle_ = 0;
    // The plotted box only changes with the points, the pen width and the bulge.
    mutable struct {
        bool valid = false;
        Point p0, p1;
        int32_t penWidth = 0;
        double bulge = 0;
        Rect box;
    } cache_;
};

} // namespace loopora
