#include "pattern/RoundMarks.h"

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
void addSymbolBoxes(const CChartElement& e, std::vector<Rect>& boxes)
{
    for (const auto& child : e.children()) {
        if (child->hasFlag(kHidden))
            continue;
        const ElementType* type = elementType(child->typeId());
        if (type && holdsCountedSymbols(type->kind))
            addSymbolBoxes(*child, boxes);
        else
            boxes.push_back(child->getBounds());
    }
}

std::vector<Rect> symbolBoxes(const CChartElement& root)
{
    std::vector<Rect> boxes;
    addSymbolBoxes(root, boxes);
    return boxes;
}

bool overlaps(const std::vector<Rect>& boxes, Vec centre, double size)
{
    const double half = size / 2;
    for (const Rect& r : boxes)
        if (centre.x + half > r.left && centre.x - half < r.right && centre.y + half > r.top && centre.y - half < r.bottom)
            return true;
    return false;
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
    const std::vector<Rect> boxes = symbolBoxes(root);
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
        // Before the first stitch, half way up it, then further back (and
        // out, away from its base) until nothing lies under the number.
        const Vec middle = midpoint(first.base, first.top);
        const Vec up = (first.top - first.base) * (1.0 / height);
        Vec label = middle - way * (0.4 * height + labelSize / 2);
        for (int step = 0; step < 24 && overlaps(boxes, label, labelSize); ++step)
            label = label - way * (labelSize * 0.5) + up * (labelSize * 0.25);
        mark.label = label;
        marks.push_back(mark);
    }
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
