#pragma once
// Figures plotted pixel by pixel with pen runs (chain ovals, slip stitches,
// lenses). Their bounds are the box of their pixels with the runs, found by
// walking the outline, and kept until the two points, the pen width or the
// figure's shape changes (see geometryChanged): hit tests, repaints and
// group frames ask for it far more often than the figure changes. They are
// hit anywhere inside it, and draw nothing where they cannot show.

#include "elements/ChartElement.h"

namespace loopora {

class CPlottedFigure : public CChartElement {
public:
    // Plots the figure where it reaches the visible area of dc; a figure
    // needs no canvas to be drawn, so symbols can be drawn for pictures.
    void drawShape(CDC& dc) override;
    Rect getBounds() const override;
    bool hitTestBody(HitInfo& hit) override { return hitInsideBounds(hit); }

protected:
    explicit CPlottedFigure(int32_t typeId) : CChartElement(typeId) {}

    // The box of the pixels with their runs (right and bottom included).
    virtual Rect measurePixels() const = 0;
    // Sets the pixels on dc; called with two points and part of the figure visible.
    virtual void plot(CDC& dc) const = 0;

private:
    mutable Rect pixelBox_{};
};

} // namespace loopora
