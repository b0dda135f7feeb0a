#include "export/ChartShapes.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"

namespace loopora {
namespace {

// Passes the shapes on with their colours turned to black line work.
class BlackLineWork final : public ShapeSink {
public:
    explicit BlackLineWork(ShapeSink& out) : out_(out) {}

    void beginElement(int32_t typeId) override { out_.beginElement(typeId); }
    void endElement() override { out_.endElement(); }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override
    {
        out_.line(from, to, black(stroke));
    }
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override { out_.ellipse(e, black(stroke)); }
    void filledEllipse(const ShapeEllipse& e, Colour fill) override
    {
        out_.filledEllipse(e, fill == colours::white ? colours::white : colours::black);
    }
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override
    {
        out_.filledPolygon(corners, fill == colours::white ? colours::white : colours::black);
    }
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        out_.ellipseArc(e, from, sweep, black(stroke));
    }
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        out_.rectangle(corner, opposite, black(stroke));
    }
    void text(const ShapeText& text) override
    {
        ShapeText copy = text;
        copy.colour = colours::black;
        copy.cellColour = colours::white;
        out_.text(copy);
    }

private:
    static ShapeStroke black(ShapeStroke stroke)
    {
        stroke.colour = colours::black;
        return stroke;
    }

    ShapeSink& out_;
};

void describeElements(const CCanvas& canvas, ShapeSink& sink)
{
    for (const auto& element : canvas.children())
        describeElement(*element, sink);
}

} // namespace

SheetArea sheetAreaOf(const CPattraDoc& doc)
{
    return {doc.chartWidth(), doc.chartHeight(), doc.canvas().origin()};
}

void describeChart(const CPattraDoc& doc, ShapeSink& sink, bool blackLines)
{
    const CCanvas& canvas = doc.canvas();
    if (blackLines) {
        BlackLineWork black(sink);
        describeElements(canvas, black);
        return;
    }
    describeBackground(canvas, sink);
    describeElements(canvas, sink);
}

} // namespace loopora
