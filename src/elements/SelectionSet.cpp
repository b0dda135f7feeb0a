#include "elements/SelectionSet.h"

#include "elements/GroupElement.h"

#include <algorithm>

namespace loopora {

bool CSelectionSet::add(CChartElement* e)
{
    if (!e || e->hasFlag(kRemoved) || e->hasFlag(kHidden) || contains(e))
        return false;
    e->setFlags(kSelected);
    members_.push_back(e);
    return true;
}

bool CSelectionSet::remove(CChartElement* e)
{
    if (!e)
        return false;
    e->clearFlags(kSelected);
    auto it = std::find(members_.begin(), members_.end(), e);
    if (it == members_.end())
        return false;
    members_.erase(it);
    return true;
}

bool CSelectionSet::clear()
{
    for (CChartElement* e : members_)
        e->clearFlags(kSelected);
    members_.clear();
    return true;
}

bool CSelectionSet::contains(const CChartElement* e) const
{
    return std::find(members_.begin(), members_.end(), e) != members_.end();
}

Rect CSelectionSet::getBounds() const
{
    Rect result;
    for (CChartElement* e : members_)
        result = CChartElement::accumulateBounds(result, e->getBounds());
    return result;
}

CGroupElement* CSelectionSet::makeGroup()
{
    if (members_.empty())
        return nullptr;
    CChartElement* common = members_.front()->parent();
    if (!common || std::any_of(members_.begin(), members_.end(), [&](auto* e) { return e->parent() != common; }))
        return nullptr;
    auto* group = static_cast<CGroupElement*>(common->appendChild(std::make_unique<CGroupElement>()));
    std::vector<CChartElement*> members = members_;
    if (!group->adopt(members)) {
        group->detach();
        return nullptr;
    }
    return group;
}

} // namespace loopora
