#include "document/commands/MoveCommands.h"

#include "document/Canvas.h"
#include "document/commands/Repaint.h"
#include "platform/Numeric.h"

namespace loopora {

void CMoveCommand::moveBy(double dx, double dy)
{
    const int32_t x = truncToInt(dx);
    const int32_t y = truncToInt(dy);
    changeAndRepaint(canvas_, elements_, [&] {
        for (CChartElement* e : elements_)
            e->moveBy(x, y);
    });
}

void CMoveCommand::restore(const GeometrySnapshot& snapshot)
{
    changeAndRepaint(canvas_, elements_, [&] { snapshot.restore(); });
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
            moveBy(dx_, dy_);
            after_ = GeometrySnapshot(elements_);
            return true;
        }
    }
    moveBy(dx_, dy_);
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
    moveBy(-dx_, -dy_);
    return true;
}

bool CMovePointCommand::movePointBy(double dx, double dy)
{
    if (index_ >= element_.points().size())
        return false;
    CChartElement* e = &element_;
    changeAndRepaint(canvas_, {&e, 1}, [&] { element_.movePoint(index_, truncToInt(dx), truncToInt(dy)); });
    return true;
}

void CMovePointCommand::restore(const GeometrySnapshot& snapshot)
{
    CChartElement* e = &element_;
    changeAndRepaint(canvas_, {&e, 1}, [&] { snapshot.restore(); });
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
