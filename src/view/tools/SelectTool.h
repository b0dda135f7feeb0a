#pragma once
// Selecting: a click selects the element under the pointer (Ctrl adds it),
// makes it current and hands the drag on to "move" (or, on an end point of a
// line-like element, to "change"); a drag over empty space draws a rubber band
// and selects every top-level element it touches.

#include "view/tools/Tool.h"

namespace loopora {

class CSelectTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onMouseMove(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

private:
    bool movePending_ = false;
    bool changePending_ = false;
};

// Moves the whole selection by a drag; a focus rectangle shows where it goes.
class CMoveTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

private:
    // Draws (or, drawn a second time, removes) the feedback ending at `to`.
    void drawFeedback(CDC& dc, Point to, const Rect& frame);

    double dx_ = 0;
    double dy_ = 0;
    HitInfo pressHit_{};
    Rect lastRect_{};
    bool feedbackShown_ = false;
};

// Drags one end point of a line, rectangle, label, circle or chain.
class CChangeTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

private:
    void drawRubberBand(CDC& dc, Point to);

    CChartElement* element_ = nullptr;
    double handleIndex_ = 0;
    double dx_ = 0;
    double dy_ = 0;
    bool rubberBandShown_ = false;
};

} // namespace loopora
