#pragma once
// A straight line between its two points; also the stroke stitch symbols are
// built from.

#include "elements/TypeIds.h"
#include "elements/TwoPointFigure.h"

namespace loopora {

class CLineElement : public CTwoPointFigure {
public:
    CLineElement() : CTwoPointFigure(typeids::kLine) {}
    void drawShape(CDC& dc) override;
    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override { return std::make_unique<CLineElement>(); }
};

} // namespace loopora
