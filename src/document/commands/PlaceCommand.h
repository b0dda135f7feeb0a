#pragma once
// Placing a new element: every placement and drawing tool commits through it.
// The first Do builds a copy of the tool's prototype on the collected points
// and appends it to the canvas; undo hides it and redo shows the same
// element again.

#include "document/commands/Command.h"
#include "elements/ChartElement.h"

#include <vector>

namespace loopora {

class CCanvas;

class CPlaceCommand : public CCommand {
public:
    // The prototype belongs to the tool.
    CPlaceCommand(CCanvas& canvas, const CChartElement& prototype, std::vector<Point> points, PenAttributes pen)
        : canvas_(canvas), prototype_(prototype), points_(std::move(points)), pen_(pen)
    {
    }

    // The first time: fails, leaving nothing in the chart, when the prototype
    // cannot be copied or the copy refuses to build. Otherwise
    // the new element becomes the last child of the canvas, the only selected
    // element and the current element.
    bool Do() override;
    // Hides the element and lets go of its selection; fails when nothing was made.
    bool Undo() override;

    CChartElement* created() const { return created_; }

private:
    bool build();

    CCanvas& canvas_;
    const CChartElement& prototype_;
    std::vector<Point> points_;
    PenAttributes pen_;
    CChartElement* created_ = nullptr; // null until the first successful Do
};

} // namespace loopora
