#pragma once
// The selected elements of one canvas, in the order they were selected. The
// set refers to its members without owning or re-parenting them.
//
// A member is an element with the selected flag: the set sets and clears it,
// and asks it to know whether an element is a member, so a rubber band over a
// whole chart and a Delete that releases every member one by one cost the
// same per element however many are selected, with no table of members. A
// member that leaves keeps its place in the list, without its flag, until
// the next listing closes all such gaps at once; elements live as long as
// their canvas, so the list never names a freed one.

#include "elements/ChartElement.h"

#include <vector>

namespace loopora {

class CGroupElement;

class CSelectionSet {
public:
    CSelectionSet() = default;
    ~CSelectionSet() { clear(); }
    CSelectionSet(const CSelectionSet&) = delete;
    CSelectionSet& operator=(const CSelectionSet&) = delete;

    // Refuses null, hidden, removed and already present elements.
    bool add(CChartElement* e);
    bool remove(CChartElement* e);
    bool clear();
    bool contains(const CChartElement* e) const { return e && e->hasFlag(kSelected); }

    const std::vector<CChartElement*>& members() const;
    bool empty() const { return size() == 0; }
    size_t size() const { return members_.size() - gaps_; }

    // The union of the members' bounds.
    Rect getBounds() const;
    // A new group of the members, appended to their common parent; null when
    // the set is empty or the members do not share one parent.
    CGroupElement* makeGroup();
    // The same, with the group then the only member; grouped receives the
    // members it took, in selection order. They leave the set as they join
    // the group, in the walk that moves them.
    CGroupElement* groupMembers(std::vector<CChartElement*>& grouped);

private:
    CGroupElement* makeGroup(int32_t dropFlags);

    // In selection order, with the members that left since the last listing.
    mutable std::vector<CChartElement*> members_;
    mutable size_t gaps_ = 0;
};

} // namespace loopora
