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
    // While a drag is handed on, the feedback is that tool's.
    void paintFeedback(CDC& dc) override;
    void deactivate() override;

protected:
    // The dotted frame of the rubber band, from the press point to where the pointer was last.
    void drawFeedback(CDC& dc) override;

private:
    CTool* delegate() const;

    bool movePending_ = false;
    bool changePending_ = false;
    Point bandEnd_{};
};

// Moves the whole selection by a drag; a focus rectangle shows where it goes.
class CMoveTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

protected:
    // From a handle a line from the press point to the pointer, otherwise
    // the selection's frame where it would go.
    void drawFeedback(CDC& dc) override;

private:
    double dx_ = 0;
    double dy_ = 0;
    HitInfo pressHit_{};
    Rect frame_{};
    Point to_{};
};

// Drags one end point of a line, rectangle, label, circle or chain.
class CChangeTool : public CTool {
public:
    using CTool::CTool;
    void onButtonDown(const ToolEvent& e) override;
    void onButtonUp(const ToolEvent& e) override;
    void onDrag(const ToolEvent& e) override;

protected:
    // A dotted line from the handle to the pointer.
    void drawFeedback(CDC& dc) override;

private:
    CChartElement* element_ = nullptr;
    double handleIndex_ = 0;
    double dx_ = 0;
    double dy_ = 0;
    Point bandEnd_{};
};

} // namespace loopora
