#include "document/commands/ClipboardCommands.h"

#include "document/Canvas.h"
#include "document/commands/Repaint.h"
#include "platform/Numeric.h"

namespace loopora {
CCutCommand::CCutCommand(CCanvas& canvas, std::vector<CChartElement*> elements)
    : canvas_(canvas), elements_(std::move(elements))
{
    std::erase_if(elements_, [](const CChartElement* e) { return e->isDeleted(); });
}

bool CCutCommand::Do()
{
    if (elements_.empty())
        return false;
    for (CChartElement* e : elements_) {
        canvas_.release(e);
        e->setFlags(kDeletedFlags);
    }
    canvas_.invalidate(areaOf(elements_));
    return true;
}

bool CCutCommand::Undo()
{
    for (CChartElement* e : elements_)
        e->clearFlags(kDeletedFlags);
    canvas_.invalidate(areaOf(elements_));
    return true;
}

bool CPasteCommand::pasteCopies()
{
    const int32_t shift = clampCoordinate((int64_t(pasteNumber_) + 2) * 5);
    for (const CChartElement* source : sources_) {
        std::unique_ptr<CChartElement> copy = CChartElement::cloneElement(*source);
        if (!copy)
            continue;
        copy->moveBy(shift, 0);
        clones_.push_back(target_.appendChild(std::move(copy)));
    }
    sources_ = {};
    done_ = true;
    target_.invalidate(areaOf(clones_));
    return !clones_.empty();
}

bool CPasteCommand::Do()
{
    if (!done_)
        return pasteCopies();
    for (CChartElement* e : clones_)
        e->clearFlags(kDeletedFlags);
    target_.invalidate(areaOf(clones_));
    return true;
}

bool CPasteCommand::Undo()
{
    for (CChartElement* e : clones_) {
        target_.release(e);
        e->setFlags(kDeletedFlags);
    }
    target_.invalidate(areaOf(clones_));
    return true;
}

} // namespace loopora
