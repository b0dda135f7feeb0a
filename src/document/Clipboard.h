#pragma once
// The element clipboard: one list of element clones shared by every open
// chart. It never touches the system clipboard. Copy refills it and closing
// any chart empties it.

#include "elements/ChartElement.h"

#include <memory>
#include <vector>

namespace loopora {

class ElementClipboard {
public:
    // The clones in the order they were copied. They belong to no chart; their
    // owner still names the canvas they were copied from.
    static const std::vector<std::unique_ptr<CChartElement>>& elements();
    static bool empty();
    static size_t size();
    // Deletes every clone.
    static void clear();
    static void append(std::unique_ptr<CChartElement> clone);
};

} // namespace loopora
