#pragma once
// Small builders shared by the tests: elements placed the way tools place them.

#include "document/Canvas.h"
#include "elements/ChartElement.h"
#include "elements/PrototypeTable.h"

#include <memory>
#include <vector>

namespace loopora::test {

// A new element of typeId built on the given points with the pen, not yet in any tree.
inline std::unique_ptr<CChartElement> built(int32_t typeId, std::vector<Point> points, PenAttributes pen = {})
{
    std::unique_ptr<CChartElement> e = createElement(typeId);
    if (!e)
        return nullptr;
    ElementState state{std::move(points), pen.penWidth, pen.penColour, pen.penStyle};
    if (!e->assignState(state))
        return nullptr;
    return e;
}

// Builds an element and appends it to parent (a canvas or a group).
inline CChartElement* place(CChartElement& parent, int32_t typeId, std::vector<Point> points, PenAttributes pen = {})
{
    return parent.appendChild(built(typeId, std::move(points), pen));
}

} // namespace loopora::test
