#pragma once
// The solid inside of a triangle between its three points, in the pen's
// colour: a filled mark's body, whose outline its own lines draw on top.
// Every point is a corner, so it turns, mirrors and stretches with the lines
// around it, corner for corner.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"

namespace loopora {

class CTriangleFill : public CChartElement {
public:
    CTriangleFill() : CChartElement(typeids::kTriangleFill) {}

    // Every pixel whose centre lies inside the triangle or on its edges.
    void drawShape(CDC& dc) override;
    void describeShape(ShapeSink& sink) const override;
    bool hitTestBody(HitInfo& hit) override { return hitInsideBounds(hit); }
    std::unique_ptr<CChartElement> clone() const override { return std::make_unique<CTriangleFill>(); }
};

} // namespace loopora
