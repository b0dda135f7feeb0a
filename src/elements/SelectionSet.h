#pragma once
// The selected elements of one canvas, in the order they were selected. The
// set refers to its members without owning or re-parenting them.
//
// A rubber band over a whole chart selects every element and a Delete then
// releases them one by one, so adding, finding and removing a member cost
// the same however many are selected: a removed member leaves a gap that is
// closed, all gaps at once, the next time the members are listed.

#include "elements/ChartElement.h"

#include <unordered_map>
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
    bool contains(const CChartElement* e) const { return position_.count(e) != 0; }

    const std::vector<CChartElement*>& members() const;
    bool empty() const { return position_.empty(); }
    size_t size() const { return position_.size(); }

    // The union of the members' bounds.
    Rect getBounds() const;
    // A new group of the members, appended to their common parent; null when
    // the set is empty or the members do not share one parent.
    CGroupElement* makeGroup();

private:
    // In selection order; a removed member leaves null until the next listing.
    mutable std::vector<CChartElement*> members_;
    // Where each member stands in members_.
    mutable std::unordered_map<const CChartElement*, size_t> position_;
    mutable size_t gaps_ = 0;
};

} // namespace loopora
