#pragma once
// The tool base: every left-button and pointer-move message of a chart view
// goes to the current tool. The base keeps the press point, the previous and
// current pointer positions and the element under the pointer; a concrete
// tool overrides the few hooks it needs.

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
    virtual void deactivate() {}
    virtual void onHover(const ToolEvent&) {}
    virtual void onDrag(const ToolEvent&) {}

    // A one-pixel blue line that stays until the next repaint.
    static void drawLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // The same line drawn so that drawing it twice leaves the picture as it was.
    static void drawXorLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    Point pressPoint() const { return pressPoint_; }
    Point previousPoint() const { return previousPoint_; }
    Point currentPoint() const { return hit_.point; }
    bool dragging() const { return dragging_; }
    CChartElement* hitElement() const { return hitElement_; }

protected:
    // Stores the pointer as the current point and finds the element under it.
    void update(const ToolEvent& e);
    ToolDC toolDC();
    CPattraView& view() const;

    CChartElement* hitElement_ = nullptr;
    CCanvas& canvas_;
    Point pressPoint_{};
    Point previousPoint_{};
    HitInfo hit_{};
    bool dragging_ = false;
    CToolRegistry& registry_;
};

} // namespace loopora
