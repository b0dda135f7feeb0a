#include "document/commands/GroupCommands.h"

#include "document/Canvas.h"
#include "elements/GroupElement.h"

#include <algorithm>

namespace loopora {
namespace {

// Refills a dissolved group; it is shown again only once it holds its members,
// so a refused adoption changes nothing.
bool regroup(CGroupElement& group, const std::vector<CChartElement*>& members)
{
    if (!group.adopt(members))
        return false;
    group.clearFlags(kDeletedFlags);
    return true;
}

// Dissolves a group and lets go of its selection; false changes nothing.
bool dissolve(CCanvas& canvas, CGroupElement& group)
{
    const Rect before = group.drawnBounds();
    if (!group.ungroup())
        return false;
    canvas.deselect(&group);
    canvas.invalidate(before);
    return true;
}

} // namespace

bool CGroupCommand::Do()
{
    if (!group_) {
        CGroupElement* made = canvas_.selection().groupMembers(members_);
        if (!made)
            return false;
        group_ = made;
    } else if (!regroup(*group_, members_)) {
        return false;
    }
    canvas_.select(group_, SelectMode::Replace);
    canvas_.setCurrent(group_);
    canvas_.invalidate(group_->drawnBounds());
    return true;
}

bool CGroupCommand::Undo() { return group_ && dissolve(canvas_, *group_); }

bool CUngroupCommand::Do()
{
    if (group_.childCount() == 0 || group_.hasFlag(kDeletedFlags))
        return false;
    std::vector<CChartElement*> members;
    for (const auto& c : group_.children())
        members.push_back(c.get());
    if (!dissolve(canvas_, group_))
        return false;
    members_ = std::move(members);
    return true;
}

bool CUngroupCommand::Undo()
{
    if (!regroup(group_, members_))
        return false;
    // A part made current while it stood alone stops being current inside the
    // group again: turning or sizing it there would leave the frame behind.
    if (std::find(members_.begin(), members_.end(), canvas_.current()) != members_.end())
        canvas_.clearCurrent(canvas_.current());
    canvas_.select(&group_, SelectMode::Replace);
    canvas_.invalidate(group_.drawnBounds());
    return true;
}

} // namespace loopora
