#pragma once
// Figures whose two handle points are their whole geometry (line, rectangle,
// text label): bounded by the rectangle the two points span, and hit anywhere
// inside it.

#include "elements/ChartElement.h"

namespace loopora {

class CTwoPointFigure : public CChartElement {
public:
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override;

protected:
    explicit CTwoPointFigure(int32_t typeId) : CChartElement(typeId) {}
    bool hasBothPoints() const { return points().size() >= 2; }
};

} // namespace loopora
