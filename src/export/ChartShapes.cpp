#include "export/ChartShapes.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"
#include "platform/ShapeWindow.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace loopora {
namespace {

// Passes the shapes on with their colours turned to black line work.
class BlackLineWork final : public ShapeSink {
public:
    explicit BlackLineWork(ShapeSink& out) : out_(out) {}

    void beginElement(int32_t typeId) override { out_.beginElement(typeId); }
    void beginElementOfRound(int32_t typeId, int round) override { out_.beginElementOfRound(typeId, round); }
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

} // namespace

void describeLineWork(const CChartElement& element, ShapeSink& sink)
{
    BlackLineWork black(sink);
    describeElement(element, black);
}

namespace {

void describeElements(const CCanvas& canvas, ShapeSink& sink)
{
    for (const auto& element : canvas.children())
        describeElement(*element, sink);
}

// The box round everything described, strokes' widths included. An arc is
// followed along its sweep, so that a lens cut from a large oval counts
// only what it draws.
class ShapeBounds final : public ShapeSink {
public:
    bool empty() const { return left_ > right_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override
    {
        add(from, stroke.width / 2);
        add(to, stroke.width / 2);
    }
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override { addEllipse(e, stroke.width / 2); }
    void filledEllipse(const ShapeEllipse& e, Colour) override { addEllipse(e, 0); }
    void filledPolygon(std::span<const ShapePoint> corners, Colour) override
    {
        for (const ShapePoint& p : corners)
            add(p, 0);
    }
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        constexpr int kSteps = 64;
        // The steps' chords cut inside the curve by at most this share of its radius.
        const double sag = 1 - std::cos(std::fabs(sweep) / kSteps / 2);
        const double reach = stroke.width / 2 + sag * std::max(std::fabs(e.along), std::fabs(e.across));
        for (int i = 0; i <= kSteps; ++i)
            add(e.at(from + sweep * i / kSteps), reach);
    }
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        add(corner, stroke.width / 2);
        add(opposite, stroke.width / 2);
    }
    void text(const ShapeText& text) override
    {
        for (size_t k = 0; k < text.lines.size(); ++k) {
            const ShapeText::Line& line = text.lines[k];
            if (line.width <= 0)
                continue;
            const double top = text.top + double(k) * text.lineStep;
            add({text.left, top}, 0);
            add({text.left + line.width, top + text.cellHeight}, 0);
        }
    }

private:
    void add(ShapePoint p, double reach)
    {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(reach))
            return;
        left_ = std::min(left_, p.x - reach);
        top_ = std::min(top_, p.y - reach);
        right_ = std::max(right_, p.x + reach);
        bottom_ = std::max(bottom_, p.y + reach);
    }
    void addEllipse(const ShapeEllipse& e, double reach)
    {
        const double c = std::cos(e.angle);
        const double s = std::sin(e.angle);
        const double halfWidth = std::hypot(e.along * c, e.across * s);
        const double halfHeight = std::hypot(e.along * s, e.across * c);
        add({e.centre.x - halfWidth, e.centre.y - halfHeight}, reach);
        add({e.centre.x + halfWidth, e.centre.y + halfHeight}, reach);
    }

    double left_ = std::numeric_limits<double>::infinity();
    double top_ = std::numeric_limits<double>::infinity();
    double right_ = -std::numeric_limits<double>::infinity();
    double bottom_ = -std::numeric_limits<double>::infinity();
};

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

void describeChart(const CPattraDoc& doc, ShapeSink& sink, bool blackLines, bool background)
{
    const CCanvas& canvas = doc.canvas();
    ShapesInWindow window(sink, sheetWindowOf(doc));
    if (blackLines) {
        BlackLineWork black(window);
        describeElements(canvas, black);
        return;
    }
    if (background)
        describeBackground(canvas, window);
    describeElements(canvas, window);
}

void describeChart(const CPattraDoc& doc, ShapeSink& sink, const ExportOptions& options)
{
    if (!options.rounds) {
        describeChart(doc, sink, options.blackLines, options.background);
        return;
    }
    ShapesInWindow window(sink, sheetWindowOf(doc));
    if (options.background && !options.blackLines)
        describeBackground(doc.canvas(), window);
    describeRounds(doc.canvas(), window, options.blackLines);
}

std::optional<SheetArea> drawingAreaOf(const CPattraDoc& doc)
{
    const SheetArea sheet = sheetAreaOf(doc);
    ShapeBounds bounds;
    describeElements(doc.canvas(), bounds);
    if (bounds.empty())
        return std::nullopt;
    // In sheet pixels, widened to whole ones and kept on the sheet.
    const double left = std::max(0.0, std::floor(bounds.left() + sheet.origin.x));
    const double top = std::max(0.0, std::floor(bounds.top() + sheet.origin.y));
    const double right = std::min(double(sheet.width), std::ceil(bounds.right() + sheet.origin.x));
    const double bottom = std::min(double(sheet.height), std::ceil(bounds.bottom() + sheet.origin.y));
    if (!(right > left && bottom > top))
        return std::nullopt;
    const Point corner{int32_t(left), int32_t(top)};
    return SheetArea{int32_t(right) - corner.x, int32_t(bottom) - corner.y,
                     {sheet.origin.x - corner.x, sheet.origin.y - corner.y}};
}

std::optional<SheetArea> shownAreaOf(const CPattraDoc& doc, const ExportOptions& options, std::string& error)
{
    if (!options.crop)
        return sheetAreaOf(doc);
    std::optional<SheetArea> drawing = drawingAreaOf(doc);
    if (!drawing)
        error = "nothing is drawn on the sheet to crop to";
    return drawing;
}

} // namespace loopora
