#pragma once
// Passes shapes on scaled about the origin and then moved: a symbol built at
// the size it has on a chart, fitted into the box it has in a key. Widths
// scale with the shapes, so a figure keeps its weight.

#include "platform/ShapeSink.h"

namespace loopora {

class ScaledShapes final : public ShapeSink {
public:
    ScaledShapes(ShapeSink& out, double scale, ShapePoint shift) : out_(out), scale_(scale), shift_(shift) {}

    void beginElement(int32_t typeId) override { out_.beginElement(typeId); }
    void beginElementOfRound(int32_t typeId, int round) override { out_.beginElementOfRound(typeId, round); }
    void endElement() override { out_.endElement(); }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    ShapePoint point(ShapePoint p) const { return {p.x * scale_ + shift_.x, p.y * scale_ + shift_.y}; }
    ShapeStroke stroke(ShapeStroke s) const;
    ShapeEllipse ellipseOf(ShapeEllipse e) const;

    ShapeSink& out_;
    double scale_;
    ShapePoint shift_;
};

} // namespace loopora
