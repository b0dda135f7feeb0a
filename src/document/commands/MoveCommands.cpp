#include "document/commands/MoveCommands.h"

#include "document/Canvas.h"
#include "platform/Numeric.h"

namespace loopora {

bool CMoveCommand::Do()
{
    if (elements_.empty())
        return false;
    const int32_t dx = truncToInt(dx_);
    const int32_t dy = truncToInt(dy_);
    Rect oldArea;
    Rect newArea;
    for (CChartElement* e : elements_) {
        oldArea = CChartElement::accumulateBounds(oldArea, e->getBounds());
        e->moveBy(dx, dy);
        newArea = CChartElement::accumulateBounds(newArea, e->getBounds());
    }
    canvas_.invalidate(oldArea);
    canvas_.invalidate(newArea);
    return true;
}

bool CMoveCommand::Undo()
{
    if (elements_.empty())
        return false;
    const int32_t dx = truncToInt(-dx_);
    const int32_t dy = truncToInt(-dy_);
    for (CChartElement* e : elements_) {
        canvas_.invalidate(e->getBounds());
        e->moveBy(dx, dy);
        canvas_.invalidate(e->getBounds());
    }
    return true;
}

bool CMovePointCommand::movePointBy(double dx, double dy)
{
    // Checked as a double: a negative or huge index must not reach the cast.
    if (!(index_ >= 0.0 && index_ < double(element_.points().size())))
        return false;
    const Rect before = element_.getBounds();
    element_.movePoint(size_t(index_), truncToInt(dx), truncToInt(dy));
    canvas_.invalidate(before);
    canvas_.invalidate(element_.getBounds());
    return true;
}

bool CMovePointCommand::Do() { return movePointBy(dx_, dy_); }

bool CMovePointCommand::Undo() { return movePointBy(-dx_, -dy_); }

} // namespace loopora
