#pragma once
// What a gesture shows while it lasts (the rubber band of a placement, the
// frame of a selection or a move, the line of a handle drag) is drawn
// straight into the window's pixels so that drawing it again removes it.
// GestureFeedback remembers the one figure it has on screen and erases
// exactly that, whatever the tool's state says by then; a repaint of the
// window wipes it, so the view has it drawn again where it repaints.

#include "platform/RasterDC.h"

#include <cstdint>

namespace loopora {

class CPattraView;
class CToolRegistry;

// A device context on the view's sheet pixels that draws in chart
// coordinates like the view's paint. What is drawn is told with drew();
// the window shows those chart rectangles when the context goes.
class ToolDC {
public:
    explicit ToolDC(CPattraView& view);
    ~ToolDC();
    ToolDC(const ToolDC&) = delete;
    ToolDC& operator=(const ToolDC&) = delete;
    CDC& dc() { return dc_; }
    CDC* operator->() { return &dc_; }
    // Something was drawn within this chart rectangle.
    void drew(const Rect& chartRect) { drawn_ = Rect::united(drawn_, chartRect.normalized()); }

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

    void draw(CDC& dc) const;
    // The chart rectangle the figure's pixels lie in.
    Rect bounds() const;

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
    // The view repainted part of its window: draws what is shown again
    // there, so that erasing it later leaves nothing behind.
    void repaint(CDC& dc) const;
    bool shown() const { return shown_.kind != FeedbackShape::Kind::Nothing; }

private:
    CToolRegistry& registry_;
    FeedbackShape shown_;
};

} // namespace loopora
