#include "document/commands/MoveCommands.h"

#include "document/Canvas.h"
#include "platform/Numeric.h"

namespace loopora {

void CMoveCommand::moveBy()
{
    const int32_t x = truncToInt(dx_);
    const int32_t y = truncToInt(dy_);
    Rect oldArea;
    Rect newArea;
    for (CChartElement* e : elements_) {
        oldArea = CChartElement::accumulateBounds(oldArea, e->getBounds());
        e->moveBy(x, y);
        newArea = CChartElement::accumulateBounds(newArea, e->getBounds());
    }
    canvas_.invalidate(oldArea);
    canvas_.invalidate(newArea);
}

void CMoveCommand::restore(const GeometrySnapshot& snapshot)
{
    for (CChartElement* e : elements_)
        canvas_.invalidate(e->getBounds());
    snapshot.restore();
    for (CChartElement* e : elements_)
        canvas_.invalidate(e->getBounds());
}

bool CMoveCommand::Do()
{
    if (elements_.empty())
        return false;
    if (done_ && after_.taken()) {
        restore(after_);
        return true;
    }
    if (!done_) {
        done_ = true;
        bool clamps = false;
        for (CChartElement* e : elements_)
            clamps = clamps || reachesCoordinateLimit(e->getBounds().offset(truncToInt(dx_), truncToInt(dy_)));
        if (clamps) {
            before_ = GeometrySnapshot(elements_);
            moveBy();
            after_ = GeometrySnapshot(elements_);
            return true;
        }
    }
    moveBy();
    return true;
}

bool CMoveCommand::Undo()
{
    if (elements_.empty())
        return false;
    if (before_.taken()) {
        restore(before_);
        return true;
    }
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
    if (index_ >= element_.points().size())
        return false;
    const Rect before = element_.getBounds();
    element_.movePoint(index_, truncToInt(dx), truncToInt(dy));
    canvas_.invalidate(before);
    canvas_.invalidate(element_.getBounds());
    return true;
}

void CMovePointCommand::restore(const GeometrySnapshot& snapshot)
{
    const Rect before = element_.getBounds();
    snapshot.restore();
    canvas_.invalidate(before);
    canvas_.invalidate(element_.getBounds());
}

bool CMovePointCommand::Do()
{
    if (done_ && after_.taken()) {
        restore(after_);
        return true;
    }
    if (!done_ && index_ < element_.points().size()) {
        done_ = true;
        const Point p = element_.points()[index_];
        const Rect moved = Rect{p.x, p.y, p.x, p.y}.offset(truncToInt(dx_), truncToInt(dy_));
        if (reachesCoordinateLimit(moved)) {
            CChartElement* e = &element_;
            before_ = GeometrySnapshot({&e, 1});
            movePointBy(dx_, dy_);
            after_ = GeometrySnapshot({&e, 1});
            return true;
        }
    }
    return movePointBy(dx_, dy_);
}

bool CMovePointCommand::Undo()
{
    if (before_.taken()) {
        restore(before_);
        return true;
    }
    return movePointBy(-dx_, -dy_);
}

} // namespace loopora
