#pragma once
// The tool base: every left-button and pointer-move message of a chart view
// goes to the current tool. The base owns the raw messages: it keeps the
// press point, the previous and current pointer positions and the element
// under the pointer, and calls a few hooks with empty defaults, so a tool
// overrides only what it does. A gesture runs from a press to its release;
// Escape, or another tool becoming current, cancels it without effect.

#include "elements/ChartElement.h"
#include "view/MouseEvent.h"
#include "view/tools/GestureFeedback.h"

namespace loopora {

class CCanvas;
class CToolRegistry;
class CPattraView;

class CTool {
public:
    explicit CTool(CToolRegistry& registry);
    virtual ~CTool() = default;
    CTool(const CTool&) = delete;
    CTool& operator=(const CTool&) = delete;

    // --- The view's mouse messages ---
    // The left button went down: a gesture begins.
    void press(const MouseEvent& e);
    // A drag while the gesture lasts and the left button is held, a hover
    // while no button is.
    void move(const MouseEvent& e);
    // Ends the gesture; a release without one in progress does nothing.
    void release(const MouseEvent& e);
    void doubleClick(const MouseEvent& e) { update(e); }
    // Ends the gesture in progress without effect; its feedback goes.
    void cancelGesture();

    virtual void activate() {}
    // Another tool becomes current: the gesture in progress is cancelled.
    void deactivate() { cancelGesture(); }

    // The view repainted part of its window (a scroll, a repaint of changed
    // elements), wiping the gesture's feedback there: it is drawn again,
    // in the window's device pixels, which dc draws in.
    virtual void paintFeedback(CDC& dc);
    bool gestureInProgress() const { return inGesture_; }

    Point pressPoint() const { return pressPoint_; }
    Point previousPoint() const { return previousPoint_; }
    Point currentPoint() const { return hit_.point; }
    // Whether the pointer's last move since the press held the button.
    bool dragging() const { return dragging_; }
    CChartElement* hitElement() const { return hitElement_; }

    // A one-pixel blue line that stays until the next repaint (device pixels).
    static void drawLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The same line drawn so that drawing it twice leaves the picture as it was.
    static void drawXorLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

protected:
    // --- Hooks ---
    // The gesture began at pressPoint(); the element under it is hitElement().
    virtual void begin(const MouseEvent&) {}
    // The pointer moved to currentPoint() with the button held.
    virtual void drag(const MouseEvent&) {}
    // The button came up at currentPoint(); the feedback is gone by then.
    virtual void end(const MouseEvent&) {}
    // The pointer moved with no button held.
    virtual void hover(const MouseEvent&) {}
    // The gesture ended without effect; the feedback is gone by then.
    virtual void cancel() {}
    // A tool that has handed the rest of its gesture to another tool, which
    // then receives the moves, the release and the cancel; null for none.
    virtual CTool* handedTo() const { return nullptr; }

    GestureFeedback& feedback() { return feedback_; }
    const HitInfo& hit() const { return hit_; }
    CPattraView& view() const;
    ToolDC toolDC();

    CCanvas& canvas_;
    CToolRegistry& registry_;

private:
    // Stores the pointer as the current point and finds the element under it.
    void update(const MouseEvent& e);

    GestureFeedback feedback_;
    CChartElement* hitElement_ = nullptr;
    HitInfo hit_{};
    Point pressPoint_{};
    Point previousPoint_{};
    bool inGesture_ = false;
    bool dragging_ = false;
};

} // namespace loopora
