#include "elements/SelectionSet.h"

#include "elements/GroupElement.h"

#include <algorithm>

namespace loopora {

bool CSelectionSet::add(CChartElement* e)
{
    if (!e || e->hasFlag(kRemoved) || e->hasFlag(kHidden) || e->hasFlag(kSelected))
        return false;
    // An element that left may still stand in the list; it must not stand twice.
    if (gaps_ != 0)
        members();
    e->setFlags(kSelected);
    members_.push_back(e);
    return true;
}

bool CSelectionSet::remove(CChartElement* e)
{
    if (!e || !e->hasFlag(kSelected))
        return false;
    e->clearFlags(kSelected);
    ++gaps_;
    return true;
}

bool CSelectionSet::clear()
{
    forEachFetching(members_, [](CChartElement* e) { e->clearFlags(kSelected); });
    members_.clear();
    gaps_ = 0;
    return true;
}

const std::vector<CChartElement*>& CSelectionSet::members() const
{
    if (gaps_ != 0) {
        std::erase_if(members_, [](const CChartElement* e) { return !e->hasFlag(kSelected); });
        gaps_ = 0;
    }
    return members_;
}

Rect CSelectionSet::getBounds() const
{
    Rect result;
    forEachFetching(members(), [&](CChartElement* e) { result = CChartElement::accumulateBounds(result, e->getBounds()); });
    return result;
}

CGroupElement* CSelectionSet::makeGroup() { return makeGroup(0); }

CGroupElement* CSelectionSet::groupMembers(std::vector<CChartElement*>& grouped)
{
    CGroupElement* group = makeGroup(kSelected);
    if (!group)
        return nullptr;
    grouped = std::move(members_); // makeGroup listed them, closing every gap
    members_.assign(1, group);
    group->setFlags(kSelected);
    return group;
}

CGroupElement* CSelectionSet::makeGroup(int32_t dropFlags)
{
    const std::vector<CChartElement*>& list = members();
    if (list.empty())
        return nullptr;
    CChartElement* common = list.front()->parent();
    if (!common)
        return nullptr;
    // The group checks the members as it adopts them, and goes again when it refuses.
    auto* group = static_cast<CGroupElement*>(common->appendChild(std::make_unique<CGroupElement>()));
    if (!group || !group->adopt(list, dropFlags)) {
        if (group)
            group->detach();
        return nullptr;
    }
    return group;
}

} // namespace loopora
