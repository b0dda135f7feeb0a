#pragma once
// Shapes kept as they were told and told again later, to any sink and any
// number of times: a chart described once can be drawn in parts, each part
// on a thread of its own, while the elements themselves are read by one.
// Only the shapes are kept, not the brackets of the elements they came from.

#include "platform/ShapeSink.h"

#include <cstddef>
#include <variant>
#include <vector>

namespace loopora {

class ShapeRecording final : public ShapeSink {
public:
    // How many shapes it holds; a stretch of them is named by the sizes
    // before and after it was told.
    size_t size() const { return shapes_.size(); }
    // Makes room for that many shapes in all.
    void reserve(size_t shapes) { shapes_.reserve(shapes); }
    // Tells the sink the shapes of the stretch [from, to), in their order.
    void replay(ShapeSink& sink, size_t from, size_t to) const;

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
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
    using Shape = std::variant<Line, Outline, Filled, FilledWithin, Polygon, Arc, Frame, Text>;

    std::vector<Shape> shapes_;
    std::vector<ShapePoint> corners_;
    std::vector<ShapeText> texts_;
};

} // namespace loopora
