#include "pattern/RoundMarks.h"

#include "document/Canvas.h"
#include "pattern/LabelPlaces.h"

#include <algorithm>
#include <cmath>

namespace loopora::pattern {
namespace {

struct Stance {
    Vec base;
    Vec top;
    bool known = false;
};

Stance stanceOf(const CChartElement& root, const ElementPath& path)
{
    const CChartElement* e = elementAt(root, path);
    const ElementType* type = e ? elementType(e->typeId()) : nullptr;
    if (!type)
        return {};
    const SymbolAnchors a = anchorsOf(*e, *type);
    if (!a.readable)
        return {};
    return {a.base, a.top, true};
}

// The symbols' boxes a number keeps clear of: those of the symbols inside
// groups and arrangements, not the groups' own, which cover what lies
// between their symbols too.
void addSymbolBoxes(const CChartElement& e, std::vector<Box>& boxes)
{
    for (const auto& child : e.children()) {
        if (child->hasFlag(kHidden))
            continue;
        const ElementType* type = elementType(child->typeId());
        if (type && holdsCountedSymbols(type->kind)) {
            addSymbolBoxes(*child, boxes);
        } else {
            const Rect r = child->getBounds();
            boxes.push_back({double(r.left), double(r.top), double(r.right), double(r.bottom)});
        }
    }
}

// A mark's dot and arrow, which the numbers keep clear of too.
Box markBox(const RoundMark& mark)
{
    constexpr double kDot = 3;
    const Vec tip = mark.start + mark.direction * mark.reach;
    return {std::min(mark.start.x, tip.x) - kDot, std::min(mark.start.y, tip.y) - kDot, std::max(mark.start.x, tip.x) + kDot,
            std::max(mark.start.y, tip.y) + kDot};
}

} // namespace

const CChartElement* elementAt(const CChartElement& root, const ElementPath& path)
{
    const CChartElement* at = &root;
    for (uint32_t i : path) {
        if (i >= at->childCount())
            return nullptr;
        at = at->child(i);
    }
    return at;
}

std::vector<RoundMark> roundMarks(const PatternReading& reading, const CChartElement& root, double labelSize)
{
    std::vector<RoundMark> marks;
    std::vector<Vec> outwards;
    for (const Round& round : reading.rounds) {
        if (round.stitches.empty())
            continue;
        const Stance first = stanceOf(root, round.stitches.front().path);
        if (!first.known)
            continue;
        // The way on: to the next stitch of another symbol, else across the first.
        Vec next = first.top;
        for (size_t i = 1; i < round.stitches.size() && next == first.top; ++i) {
            const Stance s = stanceOf(root, round.stitches[i].path);
            if (s.known && distance(s.top, first.top) > 1)
                next = s.top;
        }
        const double height = std::max(distance(first.base, first.top), 1.0);
        Vec way = next - first.top;
        if (way.length() < 1) {
            const Vec up = first.top - first.base;
            way = {-up.y, up.x};
        }
        way = way * (1.0 / std::max(way.length(), 1e-9));
        RoundMark mark;
        mark.number = round.number;
        mark.isRow = round.isRow;
        mark.start = first.top;
        mark.direction = way;
        mark.reach = std::min(distance(first.top, next), height) * 0.8;
        marks.push_back(mark);
        outwards.push_back(first.top - first.base);
    }
    // The numbers: each as near its round's start as there is room. The
    // last round's first, so that numbers crowded out of a dense chart line
    // up beyond its edge from the outermost start on.
    std::vector<Box> obstacles;
    addSymbolBoxes(root, obstacles);
    for (const RoundMark& mark : marks)
        obstacles.push_back(markBox(mark));
    // On a sheet, within it.
    std::optional<Box> sheet;
    if (const auto* canvas = dynamic_cast<const CCanvas*>(&root))
        sheet = Box{0, 0, double(canvas->chartWidth()), double(canvas->chartHeight())};
    LabelPlaces places(labelSize, obstacles, sheet);
    for (size_t i = marks.size(); i-- > 0;)
        marks[i].label = places.place(marks[i].start, outwards[i]);
    return marks;
}

std::unordered_map<const CChartElement*, int> roundsOfSymbols(const PatternReading& reading, const CChartElement& root)
{
    std::unordered_map<const CChartElement*, int> rounds;
    for (const ElementPath& path : reading.foundation.chainPaths)
        if (const CChartElement* e = elementAt(root, path))
            rounds[e] = 0;
    if (const CChartElement* e = reading.foundation.path.empty() ? nullptr : elementAt(root, reading.foundation.path))
        rounds[e] = 0;
    for (const Round& round : reading.rounds)
        for (const WorkedStitch& w : round.stitches)
            if (const CChartElement* e = elementAt(root, w.path))
                rounds[e] = round.number;
    return rounds;
}

} // namespace loopora::pattern
