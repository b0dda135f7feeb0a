#include "elements/Nesting.h"

#include <algorithm>

namespace loopora {

int nestingDepth(const CChartElement& e) { return e.levels(); }

bool groupFitsNesting(const std::vector<CChartElement*>& members)
{
    // The new group puts every member a level further down.
    return std::none_of(members.begin(), members.end(),
                        [](const CChartElement* e) { return e && e->levels() >= kDeepestNesting; });
}

} // namespace loopora
