#include "elements/SelectionSet.h"

#include "elements/GroupElement.h"

#include <algorithm>

namespace loopora {

bool CSelectionSet::add(CChartElement* e)
{
    if (!e || e->hasFlag(kRemoved) || e->hasFlag(kHidden) || contains(e))
        return false;
    e->setFlags(kSelected);
    position_.emplace(e, members_.size());
    members_.push_back(e);
    return true;
}

bool CSelectionSet::remove(CChartElement* e)
{
    if (!e)
        return false;
    e->clearFlags(kSelected);
    auto it = position_.find(e);
    if (it == position_.end())
        return false;
    members_[it->second] = nullptr;
    position_.erase(it);
    ++gaps_;
    return true;
}

bool CSelectionSet::clear()
{
    for (CChartElement* e : members_)
        if (e)
            e->clearFlags(kSelected);
    members_.clear();
    position_.clear();
    gaps_ = 0;
    return true;
}

const std::vector<CChartElement*>& CSelectionSet::members() const
{
    if (gaps_ != 0) {
        std::erase(members_, nullptr);
        for (size_t i = 0; i < members_.size(); ++i)
            position_[members_[i]] = i;
        gaps_ = 0;
    }
    return members_;
}

Rect CSelectionSet::getBounds() const
{
    Rect result;
    for (CChartElement* e : members())
        result = CChartElement::accumulateBounds(result, e->getBounds());
    return result;
}

CGroupElement* CSelectionSet::makeGroup()
{
    const std::vector<CChartElement*>& list = members();
    if (list.empty())
        return nullptr;
    CChartElement* common = list.front()->parent();
    if (!common || std::any_of(list.begin(), list.end(), [&](auto* e) { return e->parent() != common; }))
        return nullptr;
    auto* group = static_cast<CGroupElement*>(common->appendChild(std::make_unique<CGroupElement>()));
    std::vector<CChartElement*> adopted = list;
    if (!group->adopt(adopted)) {
        group->detach();
        return nullptr;
    }
    return group;
}

} // namespace loopora
