#pragma once
// Ideal shapes drawn with QPainter: printing and its preview draw the same
// description as the PDF and SVG files, at the printer's resolution.

#include "platform/ShapeSink.h"

class QPainter;

namespace loopora {
class CPattraDoc;
}

namespace loopora::app {

class QtShapes final : public ShapeSink {
public:
    explicit QtShapes(QPainter& painter) : painter_(painter) {}

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    QPainter& painter_;
};

// Draws the chart in the painter's current coordinates, one unit a chart
// pixel, with the sheet's top-left corner at the origin and clipped to the sheet.
void drawChart(QPainter& painter, const CPattraDoc& doc);

} // namespace loopora::app
