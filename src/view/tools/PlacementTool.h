#pragma once
// Puts one element on the chart per drag: press where it starts, drag (a
// dotted rubber band follows), release where it ends. The element class
// decides what the two points mean. A drag shorter than 5 pixels places nothing.

#include "view/tools/Tool.h"

#include <vector>

namespace loopora {

class CPlacementTool : public CTool {
public:
    CPlacementTool(std::unique_ptr<CChartElement> prototype, CToolRegistry& registry);

    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;
    // Places a copy of the prototype on the collected points; true when it was placed.
    bool commit();

    CChartElement& prototype() { return *prototype_; }

protected:
    // The dotted line from the press point to where the pointer was last.
    void drawFeedback(CDC& dc) override;

    std::unique_ptr<CChartElement> prototype_;
    std::vector<Point> points_;
    Point bandEnd_{};
};

} // namespace loopora
