#pragma once
// A shape sink that keeps what it is told, for tests of descriptions.

#include "platform/Geometry.h"
#include "platform/ShapeSink.h"

#include <string>
#include <vector>

namespace loopora::test {

struct RecordedShape {
    enum class Kind { Line, Ellipse, FilledEllipse, Arc, Rectangle, Text };
    Kind kind = Kind::Line;
    ShapePoint a, b; // line ends or rectangle corners
    ShapeEllipse ellipse;
    double from = 0;
    double sweep = 0;
    ShapeStroke stroke;
    Colour fill = 0;
    ShapeText text;
    std::string element; // the innermost element it belongs to
};

inline ShapePoint pixelCentreOf(Point p) { return {p.x + 0.5, p.y + 0.5}; }

class RecordingShapes : public ShapeSink {
public:
    std::vector<RecordedShape> shapes;
    std::vector<std::string> elements; // "kind" on begin, "/" on end

    void beginElement(std::string_view kind) override
    {
        elements.emplace_back(kind);
        open_.emplace_back(kind);
    }
    void endElement() override
    {
        elements.emplace_back("/");
        open_.pop_back();
    }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override
    {
        add({RecordedShape::Kind::Line, from, to, {}, 0, 0, stroke});
    }
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override
    {
        add({RecordedShape::Kind::Ellipse, {}, {}, e, 0, 0, stroke});
    }
    void filledEllipse(const ShapeEllipse& e, Colour fill) override
    {
        RecordedShape s{RecordedShape::Kind::FilledEllipse, {}, {}, e};
        s.fill = fill;
        add(s);
    }
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        add({RecordedShape::Kind::Arc, {}, {}, e, from, sweep, stroke});
    }
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        add({RecordedShape::Kind::Rectangle, corner, opposite, {}, 0, 0, stroke});
    }
    void text(const ShapeText& text) override
    {
        RecordedShape s{RecordedShape::Kind::Text};
        s.text = text;
        add(s);
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
        s.element = open_.empty() ? std::string() : open_.back();
        shapes.push_back(std::move(s));
    }

    std::vector<std::string> open_;
};

} // namespace loopora::test
