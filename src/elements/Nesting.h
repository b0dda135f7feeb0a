#pragma once
// How deep elements may nest. A top-level element is level 1 and each group
// around it adds a level. Drawing, hit testing, saving and copying walk the
// tree recursively, so the editor makes no deeper group and the loader reads
// no deeper file: whatever one makes, the other reads.

#include "elements/ChartElement.h"
#include "platform/Archive.h"

#include <vector>

namespace loopora {

constexpr int kDeepestNesting = CArchive::kMaximumNesting;

// The levels from the element down to its deepest descendant: 1 for an
// element without children.
int nestingDepth(const CChartElement& e);

// Whether a new group around these elements would stay within the limit.
bool groupFitsNesting(const std::vector<CChartElement*>& members);

} // namespace loopora
