#pragma once
// Pen runs (PenRuns.h) gathered before anything is set: PenRunMask keeps the
// run starts that fall in a bounded box as bits, then sets every pixel the
// runs cover once, a row of pixels at a time, where the device shows it. A slip
// stitch's nested ovals cover most of their pixels many times over; this
// sets exactly the pixels PenRuns would, at a fraction of the cost.

#include "platform/PenRuns.h"

#include <cstdint>
#include <vector>

namespace loopora {

class PenRunMask {
public:
    // Run starts are expected inside box (right and bottom excluded), which
    // the caller keeps small: it costs a bit a pixel. Starts outside it are
    // set at once, as PenRuns sets them.
    PenRunMask(CDC& dc, Colour colour, int32_t penWidth, RunDirection direction, const Rect& box);

    void plot(int64_t x, int64_t y)
    {
        if (x < box_.left || x >= box_.right || y < box_.top || y >= box_.bottom) {
            stray_.plot(x, y);
            return;
        }
        const size_t column = size_t(x - box_.left);
        bits_[size_t(y - box_.top) * words_ + column / 64] |= uint64_t(1) << (column % 64);
    }
    // Sets the gathered pixels; call once the figure is done.
    void flush();

private:
    CDC& dc_;
    Colour colour_;
    int32_t length_;
    int32_t step_;
    Rect box_;
    size_t words_ = 0; // a row of the box
    std::vector<uint64_t> bits_;
    PenRuns stray_;
};

} // namespace loopora
