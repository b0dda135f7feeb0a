// The rounds on an exported chart: the reading of the chart tells each
// symbol's round; the symbols of one round take its colour, two colours
// by turns, and every round gets its number beside its first stitch, a dot
// where it starts and an arrow the way it goes.

#include "export/ChartShapes.h"

#include "elements/IdealShapes.h"
#include "pattern/RoundMarks.h"
#include "platform/FontShapes.h"

#include <cmath>

namespace loopora {
namespace {

// As the editor draws its round numbers: odd rounds blue, even ones red.
constexpr Colour kRoundColours[] = {rgb(176, 32, 32), rgb(24, 72, 176)};
// The numbers' box in chart pixels: a chart label's size and a margin.
constexpr double kNumberBox = 16;
constexpr double kMarkWidth = 1.5;

Colour colourOfRound(int round, bool blackLines) { return blackLines ? colours::black : kRoundColours[round % 2]; }

// Passes a symbol's shapes on in its round's colour (white fills stay white),
// its outermost group named with the round.
class RoundColour final : public ShapeSink {
public:
    RoundColour(ShapeSink& out, int round, Colour colour) : out_(out), round_(round), colour_(colour) {}

    void beginElement(int32_t typeId) override
    {
        if (depth_++ == 0)
            out_.beginElementOfRound(typeId, round_);
        else
            out_.beginElement(typeId);
    }
    void endElement() override
    {
        --depth_;
        out_.endElement();
    }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override { out_.line(from, to, paint(stroke)); }
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override { out_.ellipse(e, paint(stroke)); }
    void filledEllipse(const ShapeEllipse& e, Colour fill) override
    {
        out_.filledEllipse(e, fill == colours::white ? fill : colour_);
    }
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override
    {
        out_.filledPolygon(corners, fill == colours::white ? fill : colour_);
    }
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        out_.ellipseArc(e, from, sweep, paint(stroke));
    }
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        out_.rectangle(corner, opposite, paint(stroke));
    }
    void text(const ShapeText& text) override
    {
        ShapeText copy = text;
        copy.colour = colour_;
        out_.text(copy);
    }

private:
    ShapeStroke paint(ShapeStroke stroke) const
    {
        stroke.colour = colour_;
        return stroke;
    }

    ShapeSink& out_;
    int round_;
    Colour colour_;
    int depth_ = 0;
};

void describeWithRounds(const CChartElement& e, ShapeSink& sink, const std::unordered_map<const CChartElement*, int>& rounds,
                        bool blackLines)
{
    if (e.hasFlag(kHidden))
        return;
    if (auto it = rounds.find(&e); it != rounds.end()) {
        RoundColour paint(sink, it->second, colourOfRound(it->second, blackLines));
        describeElement(e, paint);
        return;
    }
    // A group or arrangement holding symbols of rounds: each in its own colour.
    const ElementType* type = elementType(e.typeId());
    if (type && holdsCountedSymbols(type->kind) && e.childCount() > 0) {
        sink.beginElement(e.typeId());
        e.describeShape(sink);
        for (const auto& child : e.children())
            describeWithRounds(*child, sink, rounds, blackLines);
        sink.endElement();
        return;
    }
    if (blackLines)
        describeLineWork(e, sink);
    else
        describeElement(e, sink);
}

ShapePoint point(pattern::Vec v) { return {v.x + 0.5, v.y + 0.5}; }

void describeMark(ShapeSink& sink, const pattern::RoundMark& mark, Colour colour)
{
    const ShapeStroke stroke{kMarkWidth, colour, ShapeDash::Solid, 1};
    const ShapePoint start = point(mark.start);
    sink.filledEllipse({start, 2.5, 2.5, 0}, colour);
    const pattern::Vec tip = mark.start + mark.direction * mark.reach;
    sink.line(start, point(tip), stroke);
    const double head = std::min(5.0, mark.reach / 3);
    const pattern::Vec back = mark.direction * -head, side{-mark.direction.y * head / 2, mark.direction.x * head / 2};
    sink.line(point(tip), point(tip + back + side), stroke);
    sink.line(point(tip), point(tip + back - side), stroke);
    Font* font = Font::shared();
    if (!font)
        return;
    const std::string number = std::to_string(mark.number);
    ShapeText text = textInFont(*font, 0, 0);
    text.lines.push_back(lineInFont(*font, number, GlyphSpacing::Natural));
    text.left = mark.label.x + 0.5 - text.lines.front().width / 2;
    text.top = mark.label.y + 0.5 - text.cellHeight / 2;
    text.colour = colour;
    text.fillCells = true;
    text.cellColour = colours::white;
    sink.text(text);
}

} // namespace

void describeRounds(const CCanvas& canvas, ShapeSink& sink, bool blackLines)
{
    const pattern::PatternReading reading = pattern::readChart(canvas);
    const auto rounds = pattern::roundsOfSymbols(reading, canvas);
    for (const auto& child : canvas.children())
        describeWithRounds(*child, sink, rounds, blackLines);
    const std::vector<pattern::RoundMark> marks = pattern::roundMarks(reading, canvas, kNumberBox);
    if (marks.empty())
        return;
    sink.beginElement(kRoundMarks);
    for (const pattern::RoundMark& mark : marks)
        describeMark(sink, mark, colourOfRound(mark.number, blackLines));
    sink.endElement();
}

} // namespace loopora
