#pragma once
// Rotation by dragging around the current element's centre. The centre mark
// and the radii the drag sweeps stay on screen until the turn ends, when the
// whole view repaints.

#include "view/tools/Tool.h"

namespace loopora {

class CRotateByArcTool : public CTool {
public:
    using CTool::CTool;

protected:
    void begin(const MouseEvent& e) override;
    void drag(const MouseEvent& e) override;
    void end(const MouseEvent& e) override;
    // The turn is not made; the repaint wipes the mark and the radii.
    void cancel() override;

private:
    double angleTo(Point p) const;

    CChartElement* element_ = nullptr;
    Point centre_{};
    double startAngle_ = 0;
    Point anchor_{};
};

} // namespace loopora
