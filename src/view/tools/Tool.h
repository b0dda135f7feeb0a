#pragma once
// The tool base: every left-button and pointer-move message of a chart view
// goes to the current tool. The base keeps the press point, the previous and
// current pointer positions and the element under the pointer; a concrete
// tool overrides the few hooks it needs. A gesture's feedback (a rubber band,
// a frame) is drawn straight into the window's pixels so that drawing it
// again removes it; the base keeps whether it is on screen, and draws it
// again wherever the view repaints, so nothing of it outlives the gesture.

#include "elements/ChartElement.h"
#include "platform/RasterDC.h"

#include <memory>

namespace loopora {

class CCanvas;
class CToolRegistry;
class CPattraView;

// Key state flags of a mouse message.
constexpr uint32_t MK_LBUTTON = 0x1;
constexpr uint32_t MK_RBUTTON = 0x2;
constexpr uint32_t MK_SHIFT = 0x4;
constexpr uint32_t MK_CONTROL = 0x8;
constexpr uint32_t MK_MBUTTON = 0x10;

struct ToolEvent {
    int32_t x = 0; // chart coordinates
    int32_t y = 0;
    uint32_t flags = 0;
};

// A device context on the view's pixels that draws in chart coordinates like
// the view's paint; the pixels it touched are shown when it goes.
class ToolDC {
public:
    explicit ToolDC(CPattraView& view);
    ~ToolDC();
    ToolDC(const ToolDC&) = delete;
    ToolDC& operator=(const ToolDC&) = delete;
    CDC& dc() { return dc_; }
    CDC* operator->() { return &dc_; }

private:
    CPattraView& view_;
    CRasterDC dc_;
};

class CTool {
public:
    explicit CTool(CToolRegistry& registry);
    virtual ~CTool() = default;
    CTool(const CTool&) = delete;
    CTool& operator=(const CTool&) = delete;

    virtual void onButtonDown(const ToolEvent& e);
    virtual void onButtonUp(const ToolEvent& e) { update(e); }
    virtual void onDoubleClick(const ToolEvent& e) { update(e); }
    virtual void onMouseMove(const ToolEvent& e);
    virtual void activate() {}
    // Another tool becomes current: the gesture's feedback goes.
    virtual void deactivate() { hideFeedback(); }
    virtual void onHover(const ToolEvent&) {}
    virtual void onDrag(const ToolEvent&) {}

    // A one-pixel blue line that stays until the next repaint.
    static void drawLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The same line drawn so that drawing it twice leaves the picture as it was.
    static void drawXorLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    // The view repainted part of its window (a scroll, a repaint of changed
    // elements), wiping whatever feedback was there: draws it again, so that
    // removing it later, by drawing it once more, leaves nothing behind.
    virtual void paintFeedback(CDC& dc);
    bool feedbackShown() const { return feedbackShown_; }

    Point pressPoint() const { return pressPoint_; }
    Point previousPoint() const { return previousPoint_; }
    Point currentPoint() const { return hit_.point; }
    bool dragging() const { return dragging_; }
    CChartElement* hitElement() const { return hitElement_; }

protected:
    // Stores the pointer as the current point and finds the element under it.
    void update(const ToolEvent& e);
    // The feedback as the tool's state describes it, drawn so that a second
    // drawing removes it. A tool changes that state only while the feedback
    // is hidden.
    virtual void drawFeedback(CDC&) {}
    void showFeedback();
    void hideFeedback();
    ToolDC toolDC();
    CPattraView& view() const;

    CChartElement* hitElement_ = nullptr;
    CCanvas& canvas_;
    Point pressPoint_{};
    Point previousPoint_{};
    HitInfo hit_{};
    bool dragging_ = false;
    CToolRegistry& registry_;

private:
    bool feedbackShown_ = false;
};

} // namespace loopora
