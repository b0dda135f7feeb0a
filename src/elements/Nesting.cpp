#include "elements/Nesting.h"

#include <algorithm>

namespace loopora {

int nestingDepth(const CChartElement& e)
{
    int deepest = 0;
    for (const auto& c : e.children())
        deepest = std::max(deepest, nestingDepth(*c));
    return deepest + 1;
}

bool groupFitsNesting(const std::vector<CChartElement*>& members)
{
    for (const CChartElement* e : members)
        if (e && nestingDepth(*e) + 1 > kDeepestNesting)
            return false;
    return true;
}

} // namespace loopora
