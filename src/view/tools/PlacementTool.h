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

    // Places a copy of the prototype on the collected points; true when it was placed.
    bool commit();

    CChartElement& prototype() { return *prototype_; }

protected:
    void begin(const MouseEvent& e) override;
    // The dotted band from the press point to the pointer.
    void drag(const MouseEvent& e) override;
    void end(const MouseEvent& e) override;
    void cancel() override { points_.clear(); }

    std::unique_ptr<CChartElement> prototype_;
    std::vector<Point> points_;
};

} // namespace loopora
