#pragma once
// The selected elements of one canvas, in the order they were selected. The
// set refers to its members without owning or re-parenting them.

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
    bool contains(const CChartElement* e) const;

    const std::vector<CChartElement*>& members() const { return members_; }
    bool empty() const { return members_.empty(); }
    size_t size() const { return members_.size(); }

    // The union of the members' bounds.
    Rect getBounds() const;
    // A new group of the members, appended to their common parent; null when
    // the set is empty or the members do not share one parent.
    CGroupElement* makeGroup();

private:
    std::vector<CChartElement*> members_;
};

} // namespace loopora
