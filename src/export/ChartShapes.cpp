#include "export/ChartShapes.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"
#include "platform/ShapeWindow.h"

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

ShapeBox sheetWindowOf(const CPattraDoc& doc)
{
    const SheetArea sheet = sheetAreaOf(doc);
    const double left = -double(sheet.origin.x) - kSheetWindowMargin;
    const double top = -double(sheet.origin.y) - kSheetWindowMargin;
    return {left, top, left + sheet.width + 2 * kSheetWindowMargin, top + sheet.height + 2 * kSheetWindowMargin};
}

void describeChart(const CPattraDoc& doc, ShapeSink& sink, bool blackLines)
{
    const CCanvas& canvas = doc.canvas();
    ShapesInWindow window(sink, sheetWindowOf(doc));
    if (blackLines) {
        BlackLineWork black(window);
        describeElements(canvas, black);
        return;
    }
    describeBackground(canvas, window);
    describeElements(canvas, window);
}

} // namespace loopora
