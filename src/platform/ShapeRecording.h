#pragma once
// Shapes kept as they were told and told again later, to any sink and any
// number of times: a chart described once can be drawn in parts, each part
// on a thread of its own, while the elements themselves are read by one.

#include "platform/ShapeSink.h"

#include <cstddef>
#include <variant>
#include <vector>

namespace loopora {

class ShapeRecording final : public ShapeSink {
public:
    // What it holds, shapes and the brackets of elements alike; a stretch of
    // them is named by the sizes before and after it was told.
    size_t size() const { return shapes_.size(); }
    // Tells the sink the shapes of the stretch [from, to), in their order.
    void replay(ShapeSink& sink, size_t from, size_t to) const;

    void beginElement(int32_t typeId) override;
    void endElement() override;
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    struct Begin {
        int32_t typeId;
    };
    struct End {};
    struct Line {
        ShapePoint from, to;
        ShapeStroke stroke;
    };
    struct Outline {
        ShapeEllipse e;
        ShapeStroke stroke;
    };
    struct Filled {
        ShapeEllipse e;
        Colour fill;
    };
    struct FilledWithin {
        ShapeEllipse e;
        Colour fill;
        ShapeBox window;
    };
    // The corners are kept apart, from `first` on.
    struct Polygon {
        size_t first, count;
        Colour fill;
    };
    struct Arc {
        ShapeEllipse e;
        double from, sweep;
        ShapeStroke stroke;
    };
    struct Frame {
        ShapePoint corner, opposite;
        ShapeStroke stroke;
    };
    struct Text {
        size_t index;
    };
    using Shape = std::variant<Begin, End, Line, Outline, Filled, FilledWithin, Polygon, Arc, Frame, Text>;

    std::vector<Shape> shapes_;
    std::vector<ShapePoint> corners_;
    std::vector<ShapeText> texts_;
};

} // namespace loopora
