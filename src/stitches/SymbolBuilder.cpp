#include "stitches/SymbolBuilder.h"

#include "elements/GroupElement.h"
#include "elements/LensElement.h"
#include "elements/PointMath.h"
#include "elements/PrototypeTable.h"
#include "platform/Numeric.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"

namespace loopora {

SymbolBuilder::SymbolBuilder(const CChartElement& symbol, const ElementState& state)
    : canvas_(symbol.canvas()), pen_(state.pen())
{
}

std::unique_ptr<CChartElement> SymbolBuilder::make(int32_t typeId) const
{
    std::unique_ptr<CChartElement> part = createElement(typeId);
    if (part)
        part->setCanvas(canvas_);
    return part;
}

bool SymbolBuilder::build(std::unique_ptr<CChartElement> part, std::vector<Point> points)
{
    if (!part->assignState({std::move(points), pen_.penWidth, pen_.penColour, pen_.penStyle}))
        return false;
    parts_.push_back(std::move(part));
    return true;
}

bool SymbolBuilder::lines(const std::vector<Point>& pairs)
{
    for (size_t i = 0; i + 1 < pairs.size(); i += 2)
        if (!line(pairs[i], pairs[i + 1]))
            return false;
    return true;
}

bool SymbolBuilder::lens(Point a, Point b, double bulge)
{
    return add(typeids::kLens, a, b, [bulge](CChartElement& e) { static_cast<CLensElement&>(e).setBulge(bulge); });
}

bool SymbolBuilder::arc(Point a, Point b, double sweep)
{
    return add(typeids::kCircle, a, b, [sweep](CChartElement& e) { static_cast<CCircleArc&>(e).setSweep(sweep); });
}

bool SymbolBuilder::topBar(Point p0, Point p1)
{
    Point q{roundHalfUp((7.0 * p1.x + p0.x) / 8.0), roundHalfUp((7.0 * p1.y + p0.y) / 8.0)};
    return line(rotatePointAbout(p1, q, 90), rotatePointAbout(p1, q, 270));
}

bool SymbolBuilder::slash(Point a, Point b, SlashFraction at)
{
    std::vector<Point> ends;
    appendSlash(ends, a, b, at, kDoubleLegs.slashAngle, false, false);
    return lines(ends);
}

bool SymbolBuilder::triangleFill(Point a, Point b, Point c)
{
    std::unique_ptr<CChartElement> part = make(typeids::kTriangleFill);
    return part && build(std::move(part), {a, b, c});
}

bool SymbolBuilder::almond(Point a, Point b, double bulge) { return lens(a, b, bulge) && lens(b, a, bulge); }

bool SymbolBuilder::popcornCap(Point p0, Point p1)
{
    Point k = weighted(p1, 7, p0, 1, 8);
    Point g{p1.x + (p1.x - p0.x) / 8, p1.y + (p1.y - p0.y) / 8};
    Point j1 = rotatePointAbout(k, g, 270);
    Point j2 = rotatePointAbout(k, g, 90);
    return add(typeids::kSlipStitch, j1, j2,
               [](CChartElement& e) { static_cast<CSlipStitchDot&>(e).setWhiteFill(true); }) &&
           add(typeids::kChain, j1, j2);
}

bool SymbolBuilder::legTurned(int32_t typeId, Point a, Point b, double degrees)
{
    return add(typeId, a, rotatePointAbout(a, b, degrees));
}

void SymbolBuilder::finish(CGroupElement& symbol) { symbol.adoptChildren(std::move(parts_)); }

std::pair<Point, Point> symbolFrame(const ElementState& state)
{
    Point p0 = state.points.empty() ? Point{} : state.points[0];
    Point p1 = state.points.size() < 2 ? p0 : state.points[1];
    return {p0, p1};
}

Point pointAtFraction(Point a, Point b, int num, int den)
{
    return {truncToInt((double(den - num) * a.x + double(num) * b.x) / den),
            truncToInt((double(den - num) * a.y + double(num) * b.y) / den)};
}

Point weighted(Point a, int wa, Point b, int wb, int divisor)
{
    return {int32_t((int64_t(wa) * a.x + int64_t(wb) * b.x) / divisor),
            int32_t((int64_t(wa) * a.y + int64_t(wb) * b.y) / divisor)};
}

std::pair<Point, Point> besideBase(Point p0, Point p1, int num, int den)
{
    Point e = weighted(p0, den - num, p1, num, den);
    return {rotatePointAbout(p0, e, 270), rotatePointAbout(p0, e, 90)};
}

} // namespace loopora
