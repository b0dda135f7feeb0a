#pragma once
// A shape sink that keeps what it is told, for tests of descriptions.

#include "platform/Geometry.h"
#include "platform/ShapeSink.h"

#include <vector>

namespace loopora::test {

struct RecordedShape {
    enum class Kind { Line, Ellipse, FilledEllipse, FilledEllipseWithin, FilledPolygon, Arc, Rectangle, Text };
    Kind kind = Kind::Line;
    ShapePoint a{}; // line ends, rectangle or window corners
    ShapePoint b{};
    ShapeEllipse ellipse{};
    std::vector<ShapePoint> corners{}; // a filled polygon's
    double from = 0;
    double sweep = 0;
    ShapeStroke stroke{};
    Colour fill = 0;
    ShapeText text{};
    int32_t element = 0; // the type id of the innermost element it belongs to
};

inline ShapePoint pixelCentreOf(Point p) { return {p.x + 0.5, p.y + 0.5}; }

class RecordingShapes : public ShapeSink {
public:
    static constexpr int32_t kEnd = -1000; // stands for an element's end in `elements`

    std::vector<RecordedShape> shapes;
    std::vector<int32_t> elements; // the type id at an element's beginning, kEnd at its end

    void beginElement(int32_t typeId) override
    {
        elements.push_back(typeId);
        open_.push_back(typeId);
    }
    void endElement() override
    {
        elements.push_back(kEnd);
        open_.pop_back();
    }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override
    {
        add({.kind = RecordedShape::Kind::Line, .a = from, .b = to, .stroke = stroke});
    }
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override
    {
        add({.kind = RecordedShape::Kind::Ellipse, .ellipse = e, .stroke = stroke});
    }
    void filledEllipse(const ShapeEllipse& e, Colour fill) override
    {
        add({.kind = RecordedShape::Kind::FilledEllipse, .ellipse = e, .fill = fill});
    }
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override
    {
        add({.kind = RecordedShape::Kind::FilledEllipseWithin,
             .a = {window.left, window.top},
             .b = {window.right, window.bottom},
             .ellipse = e,
             .fill = fill});
    }
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override
    {
        add({.kind = RecordedShape::Kind::FilledPolygon, .corners = {corners.begin(), corners.end()}, .fill = fill});
    }
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        add({.kind = RecordedShape::Kind::Arc, .ellipse = e, .from = from, .sweep = sweep, .stroke = stroke});
    }
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        add({.kind = RecordedShape::Kind::Rectangle, .a = corner, .b = opposite, .stroke = stroke});
    }
    void text(const ShapeText& text) override
    {
        add({.kind = RecordedShape::Kind::Text, .text = text});
    }

    size_t count(RecordedShape::Kind kind) const
    {
        size_t n = 0;
        for (const RecordedShape& s : shapes)
            n += s.kind == kind;
        return n;
    }

private:
    void add(RecordedShape s)
    {
        s.element = open_.empty() ? kEnd : open_.back();
        shapes.push_back(std::move(s));
    }

    std::vector<int32_t> open_;
};

} // namespace loopora::test
