#include "elements/IdealShapes.h"

#include "platform/PenRuns.h"
#include "platform/RasterSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace loopora {
namespace {

class ElementScope {
public:
    ElementScope(ShapeSink& sink, int32_t typeId) : sink_(sink) { sink_.beginElement(typeId); }
    ~ElementScope() { sink_.endElement(); }
    ElementScope(const ElementScope&) = delete;
    ElementScope& operator=(const ElementScope&) = delete;

private:
    ShapeSink& sink_;
};

ShapeDash dashOf(int32_t style)
{
    switch (PenStyle(style)) {
    case PenStyle::Dash: return ShapeDash::Dash;
    case PenStyle::Dot: return ShapeDash::Dot;
    case PenStyle::DashDot: return ShapeDash::DashDot;
    case PenStyle::DashDotDot: return ShapeDash::DashDotDot;
    default: return ShapeDash::Solid;
    }
}

Pen devicePen(const PenAttributes& pen) { return Pen{pen.penStyle, pen.penWidth, pen.penColour}; }

} // namespace

void describeElement(const CChartElement& element, ShapeSink& sink)
{
    if (element.hasFlag(kHidden))
        return;
    ElementScope scope(sink, element.typeId());
    element.describeShape(sink);
    for (const auto& child : element.children())
        describeElement(*child, sink);
}

ShapeEllipse idealOval(const PlottedOval& oval, double runLength, RunDirection direction)
{
    // A walked offset (x across, y along) lands at centre + x * (s, c) + y * (-c, s).
    const ChordOrientation& o = oval.orientation;
    const double middle = (runLength - 1) / 2;
    const ShapePoint centre = pixelCentre(oval.centre);
    return {{centre.x + middle, centre.y + middle * int32_t(direction)},
            double(oval.along),
            double(oval.across),
            std::atan2(o.s, -o.c)};
}

void describeOutline(ShapeSink& sink, const ShapeEllipse& e, const ShapeStroke& stroke)
{
    if (e.along > 0 && e.across > 0)
        sink.ellipse(e, stroke);
    else
        sink.line(e.at(0), e.at(std::numbers::pi), stroke);
}

std::optional<ShapeStroke> lineStroke(const PenAttributes& pen, Point from, Point to)
{
    const Pen p = devicePen(pen);
    if (raster::drawsNothing(p))
        return std::nullopt;
    ShapeStroke stroke{double(raster::effectivePenWidth(p)), pen.penColour};
    // Only one-pixel pens draw dashed; the screen counts a dash's pixels
    // along the line's longer axis, so one step is that much of the line.
    if (stroke.width == 1) {
        stroke.dash = dashOf(pen.penStyle);
        const double dx = double(to.x) - from.x;
        const double dy = double(to.y) - from.y;
        const double steps = std::max(std::fabs(dx), std::fabs(dy));
        if (steps > 0)
            stroke.dashStep = std::hypot(dx, dy) / steps;
    }
    return stroke;
}

std::optional<ShapeStroke> outlineStroke(const PenAttributes& pen)
{
    const Pen p = devicePen(pen);
    if (raster::drawsNothing(p))
        return std::nullopt;
    return ShapeStroke{double(raster::effectivePenWidth(p)), pen.penColour};
}

std::optional<ShapeStroke> plottedStroke(const PenAttributes& pen)
{
    const int32_t length = runLength(pen.penWidth);
    if (length <= 0)
        return std::nullopt;
    return ShapeStroke{double(length), pen.penColour};
}

} // namespace loopora
