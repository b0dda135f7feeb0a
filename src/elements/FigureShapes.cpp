// The plain figures as ideal shapes: lines, rectangles, text labels and lens
// curves, described where their pixels are drawn.

#include "elements/IdealShapes.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/TextElement.h"
#include "platform/FontShapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace loopora {

namespace {

constexpr double kDegreesPerRadian = 57.29577866666166; // the lens's own conversion

} // namespace

void CLineElement::describeShape(ShapeSink& sink) const
{
    if (!hasBothPoints())
        return;
    const std::optional<ShapeStroke> stroke = lineStroke(pen(), points_[0], points_[1]);
    // A one-pixel line leaves out its end point, so one of no length shows nothing.
    if (!stroke || (stroke->width == 1 && points_[0] == points_[1]))
        return;
    ShapePoint from = pixelCentre(points_[0]);
    ShapePoint to = pixelCentre(points_[1]);
    if (stroke->dash != ShapeDash::Solid) {
        // Dashes fall on the pixels the screen steps over, each a step long:
        // from half a step before the first point to half a step before the last.
        const double steps = std::max(std::abs(double(points_[1].x) - points_[0].x),
                                      std::abs(double(points_[1].y) - points_[0].y));
        const double dx = (to.x - from.x) / steps / 2;
        const double dy = (to.y - from.y) / steps / 2;
        from = {from.x - dx, from.y - dy};
        to = {to.x - dx, to.y - dy};
    }
    sink.line(from, to, *stroke);
}

// The pen runs along the outermost pixels of the box the corners span, right
// and bottom edges excluded.
void CRectangleElement::describeFrame(ShapeSink& sink) const
{
    const Rect box = Rect::spanned(points_[0], points_[1]).normalized();
    const std::optional<ShapeStroke> stroke = outlineStroke(pen());
    if (!stroke || box.isEmpty())
        return;
    sink.rectangle({box.left + 0.5, box.top + 0.5}, {box.right - 0.5, box.bottom - 0.5}, *stroke);
}

void CRectangleElement::describeShape(ShapeSink& sink) const
{
    if (hasBothPoints())
        describeFrame(sink);
}

void CTextElement::describeShape(ShapeSink& sink) const
{
    if (!hasBothPoints())
        return;
    describeFrame(sink);
    Font* font = Font::shared();
    if (!font)
        return;
    ShapeText text = textInFont(*font, points_[0].x + 2, points_[0].y + 2);
    text.colour = penColour();
    // The chart draws its labels over a white cell, hiding what lies beneath.
    text.fillCells = true;
    text.cellColour = colours::white;
    // Each line spans what it spans on the screen, but its glyphs follow
    // the font's own spacing: the screen's whole-pixel advances would open
    // gaps inside words at print resolution.
    for (const std::string& shown : shownLines())
        text.lines.push_back(lineInFont(*font, shown, GlyphSpacing::NaturalToScreenWidth));
    sink.text(text);
}

void CLensElement::describeShape(ShapeSink& sink) const
{
    if (points_.size() < 2)
        return;
    const std::optional<ShapeStroke> stroke = plottedStroke(pen());
    if (!stroke)
        return;
    const Arc a = arc();
    const ShapeEllipse e = idealOval(a.oval, stroke->width, RunDirection::DownRight);
    if (a.start == a.end || e.along <= 0 || e.across <= 0) {
        describeOutline(sink, e, *stroke);
        return;
    }
    // The arc runs clockwise from the direction of the second point to that of the first.
    const double from = e.angleTowards(a.start / kDegreesPerRadian);
    const double to = e.angleTowards(a.end / kDegreesPerRadian);
    double sweep = std::fmod(to - from, 2 * std::numbers::pi);
    if (sweep < 0)
        sweep += 2 * std::numbers::pi;
    sink.ellipseArc(e, from, sweep, *stroke);
}

} // namespace loopora
