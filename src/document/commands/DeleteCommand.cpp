#include "document/commands/DeleteCommand.h"

#include "document/Canvas.h"

namespace loopora {

CDeleteCommand::CDeleteCommand(CCanvas& canvas, std::vector<CChartElement*> elements)
    : canvas_(canvas), elements_(std::move(elements))
{
    std::erase_if(elements_, [](const CChartElement* e) { return e->isDeleted(); });
}

bool CDeleteCommand::Do()
{
    if (elements_.empty())
        return false;
    // Release the current element first, wherever it is: clearing the current
    // element through a deleted one would leave the old one flagged as current.
    canvas_.clearCurrent(canvas_.current());
    for (CChartElement* e : elements_) {
        canvas_.release(e);
        e->setFlags(kDeletedFlags);
        canvas_.invalidate(e->drawnBounds());
    }
    return true;
}

bool CDeleteCommand::Undo()
{
    for (CChartElement* e : elements_) {
        e->clearFlags(kDeletedFlags);
        canvas_.invalidate(e->drawnBounds());
    }
    return true;
}

} // namespace loopora
