#include "document/commands/GeometryCommand.h"

#include "document/commands/Repaint.h"

namespace loopora {

void CGeometryCommand::restore(const GeometrySnapshot& snapshot)
{
    changeAndRepaint(canvas_, elements_, [&] { snapshot.restore(elements_); });
}

bool CGeometryCommand::Do()
{
    if (after_.taken()) {
        restore(after_);
        return true;
    }
    if (!canChange())
        return false;
    before_ = GeometrySnapshot(elements_);
    changeAndRepaint(canvas_, elements_, [&] { change(); });
    after_ = GeometrySnapshot(elements_);
    return true;
}

bool CGeometryCommand::Undo()
{
    if (!before_.taken())
        return false;
    restore(before_);
    return true;
}

} // namespace loopora
