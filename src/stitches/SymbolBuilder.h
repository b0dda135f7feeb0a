#pragma once
// Collects the parts of a stitch symbol while it is built: every part is
// made from the prototype of its type, on two points, with the symbol's pen
// and canvas, and kept in the order it was made (which is the drawing order
// and the order in the file). Nothing is attached to the chart until the
// symbol adopts the parts, so a build that fails leaves nothing behind.
//
// It is also the vocabulary every family builds in, on the frame p0 (base)
// to p1 (top): strokes (lines, lenses, arcs), smaller symbols on frames of
// their own, a stitch's top bar, the almond outline of puffs, the chain cap
// of popcorns, and the points beside the base that legs standing apart start
// from.

#include "elements/ChartElement.h"
#include "elements/TypeIds.h"
#include "stitches/LegStitch.h"

#include <memory>
#include <vector>

namespace loopora {

class CGroupElement;

class SymbolBuilder {
public:
    SymbolBuilder(const CChartElement& symbol, const ElementState& state);

    // A part of typeId between a and b; false when it cannot be built.
    bool add(int32_t typeId, Point a, Point b) { return add(typeId, a, b, [](CChartElement&) {}); }
    // The same, with a parameter (bulge, sweep, white fill) set before the part is built.
    template <typename Setup>
    bool add(int32_t typeId, Point a, Point b, Setup&& setup)
    {
        std::unique_ptr<CChartElement> part = make(typeId);
        if (!part)
            return false;
        setup(*part);
        return build(std::move(part), a, b);
    }
    bool line(Point a, Point b) { return add(typeids::kLine, a, b); }
    // One line for each consecutive pair of points.
    bool lines(const std::vector<Point>& pairs);
    bool lens(Point a, Point b, double bulge);
    bool arc(Point a, Point b, double sweep);
    // A bar a quarter of the stem long, across the top point, perpendicular to the stem.
    bool topBar(Point p0, Point p1);
    // A double's slash across the stem a-b at the fraction `at` of it from a.
    bool slash(Point a, Point b, SlashFraction at);
    // The solid inside of the triangle a, b, c in the pen's colour.
    bool triangleFill(Point a, Point b, Point c);
    // An almond round the segment a-b: two lenses over it in opposite order.
    bool almond(Point a, Point b, double bulge);
    // A popcorn's cap across the top: a white dot that blanks out what lies
    // under it, then the chain outline of the cap, half the stem wide and
    // reaching an eighth of the stem beyond the top.
    bool popcornCap(Point p0, Point p1);
    // A smaller symbol of typeId standing on a with its top b turned about a
    // by degrees (positive leans to the right of an upright symbol): one leg
    // of an increase.
    bool legTurned(int32_t typeId, Point a, Point b, double degrees);

    CChartElement* last() const { return parts_.empty() ? nullptr : parts_.back().get(); }
    // The symbol adopts the parts and takes the frame of their bounds.
    void finish(CGroupElement& symbol);

private:
    std::unique_ptr<CChartElement> make(int32_t typeId) const;
    bool build(std::unique_ptr<CChartElement> part, Point a, Point b) { return build(std::move(part), {a, b}); }
    bool build(std::unique_ptr<CChartElement> part, std::vector<Point> points);

    CChartElement* canvas_;
    PenAttributes pen_;
    std::vector<std::unique_ptr<CChartElement>> parts_;
};

// The frame a symbol is built on: the base point and the top point of the state.
std::pair<Point, Point> symbolFrame(const ElementState& state);

// The point at fraction num/den from a to b, computed on the weighted sum and truncated.
Point pointAtFraction(Point a, Point b, int num, int den);
// The weighted sum (wa * a + wb * b) / divisor in integers, truncating toward zero.
Point weighted(Point a, int wa, Point b, int wb, int divisor);
// Two points beside p0 on the line through it square to the stem p0-p1,
// each the fraction num/den of the stem away: first to the left of an
// upright symbol, then to the right. Legs standing apart start there.
std::pair<Point, Point> besideBase(Point p0, Point p1, int num, int den);

} // namespace loopora
