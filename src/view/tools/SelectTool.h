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

protected:
    void begin(const MouseEvent& e) override;
    // The dotted frame of the rubber band, from the press point to the pointer.
    void drag(const MouseEvent& e) override;
    void end(const MouseEvent& e) override;
    void cancel() override { changePending_ = movePending_ = false; }
    CTool* handedTo() const override;

private:
    bool movePending_ = false;
    bool changePending_ = false;
};

// Moves the whole selection by a drag; a focus rectangle shows where it goes.
class CMoveTool : public CTool {
public:
    using CTool::CTool;

protected:
    void begin(const MouseEvent&) override { pressHit_ = hit(); }
    // From a handle a line from the press point to the pointer, otherwise
    // the selection's frame where it would go.
    void drag(const MouseEvent& e) override;
    void end(const MouseEvent& e) override;

private:
    HitInfo pressHit_{};
};

// Drags one end point of a line, rectangle, label, circle or chain.
class CChangeTool : public CTool {
public:
    using CTool::CTool;

protected:
    void begin(const MouseEvent& e) override;
    // A dotted line from the handle to the pointer.
    void drag(const MouseEvent& e) override;
    void end(const MouseEvent& e) override;
    void cancel() override { element_ = nullptr; }

private:
    CChartElement* element_ = nullptr;
    size_t handleIndex_ = 0;
};

} // namespace loopora
