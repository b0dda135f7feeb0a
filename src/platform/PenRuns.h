#pragma once
// Figures plotted point by point (chain ovals, slip stitches, lenses) draw a
// wide pen as a short diagonal run of pixels from every point of the figure:
// (x + i, y + i * step) for i = 0 .. width - 1. PenRuns sets those pixels,
// keeping only the part of each run inside the device's visible area and
// handing them over in small batches; PenRunExtent finds the box they cover.
// Neither keeps the pixels, so a figure costs no memory for its size.

#include "platform/DeviceContext.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace loopora {

enum class RunDirection : int32_t { UpRight = -1, DownRight = 1 };

// The pen widths a run can have: none at all for widths of 0 or less, and a
// damaged chart's enormous width is held at the widest pen.
int32_t runLength(int32_t penWidth);

class PenRuns {
public:
    PenRuns(CDC& dc, Colour colour, int32_t penWidth, RunDirection direction);
    PenRuns(const PenRuns&) = delete;
    PenRuns& operator=(const PenRuns&) = delete;

    // The run that starts at (x, y).
    void plot(int64_t x, int64_t y);
    // Hands the pixels still held to the device; call once the figure is done.
    void flush();

    int32_t length() const { return length_; }
    // Where a run must start to reach the visible area (right and bottom
    // excluded); empty when no run can show at all.
    const Rect& reach() const { return reach_; }

private:
    CDC& dc_;
    Colour colour_;
    int32_t length_;
    int32_t step_;
    Rect visible_;
    Rect reach_;
    std::array<Point, 512> batch_;
    size_t used_ = 0;
};

// The box of the pixels PenRuns would set for the same points, right and
// bottom included. It starts at the figure's first point, also when no pixel
// is plotted.
class PenRunExtent {
public:
    PenRunExtent(Point start, int32_t penWidth, RunDirection direction);

    void plot(int64_t x, int64_t y);
    // The box of every run whose start lies in the given box (right and bottom included).
    void plotBox(int64_t left, int64_t top, int64_t right, int64_t bottom);
    Rect box() const;

private:
    Point start_;
    int32_t length_;
    int32_t step_;
    bool any_ = false;
    int64_t left_ = 0, top_ = 0, right_ = 0, bottom_ = 0; // of the run starts
};

} // namespace loopora
