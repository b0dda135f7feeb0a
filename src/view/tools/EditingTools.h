#pragma once
// Tools that turn the current element or mirror the selection: rotation by
// dragging around the current element's centre, and the scale and mirror
// operations that the size and mirror commands drive with their values.

#include "view/tools/Tool.h"

namespace loopora {

class CRotateByArcTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

private:
    double angleTo(Point p) const;

    CChartElement* element_ = nullptr;
    Point centre_{};
    double startAngle_ = 0;
    double endAngle_ = 0;
    Point anchor_{};
};

class CScaleTool : public CTool {
public:
    using CTool::CTool;
    void setCentre(Point centre) { centre_ = centre; }
    void setFactors(double sx, double sy)
    {
        sx_ = sx;
        sy_ = sy;
    }
    // Scales the current element about the centre; false without one.
    bool apply();

private:
    CChartElement* element_ = nullptr;
    Point centre_{};
    double sx_ = 1;
    double sy_ = 1;
};

class CMirrorTool : public CTool {
public:
    enum class Axis { X, Y }; // X mirrors left to right ("hrotate"), Y top to bottom ("vrotate")
    CMirrorTool(CToolRegistry& registry, Axis axis) : CTool(registry), axis_(axis) {}
    void setAxis(Point axis) { axisPoint_ = axis; }
    // Mirrors the selection about the axis point; false with nothing selected.
    bool apply();

private:
    Axis axis_;
    Point axisPoint_{};
};

} // namespace loopora
