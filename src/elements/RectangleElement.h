#pragma once
// A hollow rectangle with its two points as corners.

#include "elements/TypeIds.h"
#include "elements/TwoPointFigure.h"

namespace loopora {

class CRectangleElement : public CTwoPointFigure {
public:
    CRectangleElement() : CTwoPointFigure(typeids::kRectangle) {}
    void drawShape(CDC& dc) override;
    void describeShape(ShapeSink& sink) const override;
    std::unique_ptr<CChartElement> clone() const override { return std::make_unique<CRectangleElement>(); }

protected:
    explicit CRectangleElement(int32_t typeId) : CTwoPointFigure(typeId) {}
    // The outline in the element's pen over a hollow brush; either corner may come first.
    void drawFrame(CDC& dc) const;
    void describeFrame(ShapeSink& sink) const;
};

} // namespace loopora
