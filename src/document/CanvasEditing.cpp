// The canvas's entry points for undoable editing: the history, the element
// clipboard and grouping. Each builds one command and hands it to the history.

#include "document/Canvas.h"
#include "document/Clipboard.h"
#include "document/History.h"
#include "document/commands/ClipboardCommands.h"
#include "document/commands/GroupCommands.h"
#include "elements/GroupElement.h"

namespace loopora {

CHistory& CCanvas::history()
{
    if (!history_)
        history_ = std::make_unique<CHistory>();
    return *history_;
}

bool CCanvas::historyAtSavedState() const { return !history_ || history_->isClean(); }

void CCanvas::markHistorySaved() { history().setClean(); }

bool CCanvas::copy()
{
    const std::vector<CChartElement*> members = selection().members();
    // The counter restarts only when old contents are replaced, so copying
    // with an empty clipboard keeps the offsets of the next pastes growing.
    if (!ElementClipboard::empty()) {
        ElementClipboard::clear();
        pasteCounter_ = 0;
    }
    // The copies belong to no chart: the chart they come from may close
    // while they wait; a paste puts its copies into the chart they land in.
    for (CChartElement* e : members)
        if (std::unique_ptr<CChartElement> copy = cloneElement(*e))
            ElementClipboard::append(std::move(copy));
    return !ElementClipboard::empty();
}

bool CCanvas::cut()
{
    if (!copy())
        return false;
    return history().Execute(std::make_unique<CCutCommand>(*this, selection().members()));
}

bool CCanvas::paste(CCanvas& target)
{
    if (ElementClipboard::empty())
        return false;
    ++pasteCounter_;
    std::vector<const CChartElement*> sources;
    for (const auto& e : ElementClipboard::elements())
        sources.push_back(e.get());
    // Recorded with the chart that receives the copies: they are undone with it.
    return target.history().Execute(std::make_unique<CPasteCommand>(std::move(sources), pasteCounter_, target));
}

bool CCanvas::group() { return history().Execute(std::make_unique<CGroupCommand>(*this)); }

bool CCanvas::ungroup()
{
    if (!current_ || !current_->hasFrameHandles())
        return false;
    auto* group = dynamic_cast<CGroupElement*>(current_);
    if (!group)
        return false;
    return history().Execute(std::make_unique<CUngroupCommand>(*this, *group));
}

} // namespace loopora
