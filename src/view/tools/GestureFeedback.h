#pragma once
// What a gesture shows while it lasts (the rubber band of a placement, the
// frame of a selection or a move, the line of a handle drag) is drawn in the
// window's own pixels over the chart, the same size at every zoom.
// GestureFeedback remembers the one figure it has on screen and erases
// exactly that, whatever the tool's state says by then, by showing the
// chart the view drew under it again; a repaint of the window wipes it, so
// the view has it drawn again where it repaints.

#include "platform/RasterDC.h"

#include <cstdint>
#include <vector>

namespace loopora {

class CPattraView;
class CToolRegistry;
class Viewport;

// A device context on the pixels the view's window shows, in device pixels;
// at() finds where a chart point is. What is drawn is told with drew(); the
// window shows those rectangles when the context goes.
class ToolDC {
public:
    explicit ToolDC(CPattraView& view);
    ~ToolDC();
    ToolDC(const ToolDC&) = delete;
    ToolDC& operator=(const ToolDC&) = delete;
    CDC& dc() { return dc_; }
    CDC* operator->() { return &dc_; }
    // The device pixel showing a chart point.
    Point at(Point chart) const;
    // A length in window pixels, in device pixels.
    int32_t pixels(int32_t windowPixels) const;
    // Something was drawn within this device rectangle.
    void drew(const Rect& deviceRect) { drawn_ = Rect::united(drawn_, deviceRect.normalized()); }

private:
    CPattraView& view_;
    CRasterDC dc_;
    Rect drawn_{};
};

// One figure of feedback, drawn so that drawing it twice leaves the pixels as they were.
struct FeedbackShape {
    enum class Kind : uint8_t {
        Nothing,
        DottedLine, // a dotted white line inverting what it crosses
        Line,       // a solid white line inverting what it crosses
        Frame,      // a focus rectangle
    };
    Kind kind = Kind::Nothing;
    Point from{};
    Point to{};
    Rect frame{};

    static FeedbackShape dottedLine(Point from, Point to) { return {Kind::DottedLine, from, to, {}}; }
    static FeedbackShape line(Point from, Point to) { return {Kind::Line, from, to, {}}; }
    static FeedbackShape focusFrame(const Rect& frame) { return {Kind::Frame, {}, {}, frame}; }

    // Draws the figure in device pixels, where the viewport shows its chart points.
    void draw(CDC& dc, const Viewport& viewport) const;
    // Device rectangles that hold every pixel the figure draws: a frame's
    // four sides, a line's stretches, so that erasing a long slanted line
    // does not copy the whole rectangle it spans.
    std::vector<Rect> footprint(const Viewport& viewport) const;

    friend bool operator==(const FeedbackShape&, const FeedbackShape&) = default;
};

class GestureFeedback {
public:
    explicit GestureFeedback(CToolRegistry& registry) : registry_(registry) {}

    // Shows shape in place of what is shown now. Nothing is shown on a
    // registry without a view.
    void show(const FeedbackShape& shape);
    // Erases what is shown.
    void hide();
    // The view repainted part of its window: draws what is shown again there.
    void repaint(CDC& dc) const;
    bool shown() const { return shown_.kind != FeedbackShape::Kind::Nothing; }

private:
    // Shows the chart again where the figure on screen lies.
    void erase(CPattraView& view) const;

    CToolRegistry& registry_;
    FeedbackShape shown_;
};

} // namespace loopora
