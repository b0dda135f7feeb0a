#include "export/ScaledShapes.h"

namespace loopora {

ShapeStroke ScaledShapes::stroke(ShapeStroke s) const
{
    s.width *= scale_;
    s.dashStep *= scale_;
    return s;
}

ShapeEllipse ScaledShapes::ellipseOf(ShapeEllipse e) const
{
    e.centre = point(e.centre);
    e.along *= scale_;
    e.across *= scale_;
    return e;
}

void ScaledShapes::line(ShapePoint from, ShapePoint to, const ShapeStroke& s)
{
    out_.line(point(from), point(to), stroke(s));
}

void ScaledShapes::ellipse(const ShapeEllipse& e, const ShapeStroke& s) { out_.ellipse(ellipseOf(e), stroke(s)); }

void ScaledShapes::filledEllipse(const ShapeEllipse& e, Colour fill) { out_.filledEllipse(ellipseOf(e), fill); }

void ScaledShapes::filledPolygon(std::span<const ShapePoint> corners, Colour fill)
{
    std::vector<ShapePoint> scaled;
    for (const ShapePoint& p : corners)
        scaled.push_back(point(p));
    out_.filledPolygon(scaled, fill);
}

void ScaledShapes::ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& s)
{
    out_.ellipseArc(ellipseOf(e), from, sweep, stroke(s));
}

void ScaledShapes::rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& s)
{
    out_.rectangle(point(corner), point(opposite), stroke(s));
}

void ScaledShapes::text(const ShapeText& text)
{
    ShapeText scaled = text;
    const ShapePoint at = point({text.left, text.top});
    scaled.left = at.x;
    scaled.top = at.y;
    scaled.lineStep *= scale_;
    scaled.cellHeight *= scale_;
    scaled.ascent *= scale_;
    scaled.fontPixels *= scale_;
    for (ShapeText::Line& line : scaled.lines) {
        for (double& offset : line.offsets)
            offset *= scale_;
        line.width *= scale_;
    }
    out_.text(scaled);
}

} // namespace loopora
