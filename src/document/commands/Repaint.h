#pragma once
// Every command repaints what it changes, in Do and in Undo alike: the area
// the changed elements covered before the change and the area they cover
// after it. Nothing above the commands repaints for them.

#include "document/Canvas.h"

#include <span>

namespace loopora {

// The areas the elements' pixels may cover, united.
Rect areaOf(std::span<CChartElement* const> elements);

// Makes a change of the elements and repaints where they were and where they are.
template <typename Change>
void changeAndRepaint(CCanvas& canvas, std::span<CChartElement* const> elements, Change&& change)
{
    const Rect before = areaOf(elements);
    change();
    canvas.invalidate(before);
    canvas.invalidate(areaOf(elements));
}

} // namespace loopora
