#pragma once
// Delete: hides the selected elements. They stay in the chart, hidden and
// removed, so that undo can show them again.

#include "document/commands/Command.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

class CDeleteCommand : public CCommand {
public:
    // Elements that are already deleted (cut ones still selected) are left
    // out: undoing this deletion must not show what an earlier command hid.
    CDeleteCommand(CCanvas& canvas, std::vector<CChartElement*> elements);

    // Deselects and hides the elements; no element is current afterwards.
    // Fails for an empty list.
    bool Do() override;
    // Shows the elements again, unselected.
    bool Undo() override;

private:
    CCanvas& canvas_;
    std::vector<CChartElement*> elements_;
};

} // namespace loopora
