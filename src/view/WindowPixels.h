#pragma once
// What a chart window shows, in its device pixels. Two pictures of the same
// size: the chart as the view drew it (background, elements, the selection's
// handles), and what the window shows, which is that with a gesture's
// feedback drawn over it. Feedback is erased by showing the drawn picture
// again where it lay, so nothing of it stays whatever it was drawn over.

#include "platform/PixelBuffer.h"
#include "view/ViewHost.h"

#include <utility>

namespace loopora {

class WindowPixels {
public:
    // A new size: both pictures are made again and everything is invalid.
    void reset(Size device);
    Size size() const { return {shown_.width(), shown_.height()}; }

    PixelBuffer& drawn() { return drawn_; }
    PixelBuffer& shown() { return shown_; }
    const PixelBuffer& shown() const { return shown_; }

    // Marks a rectangle for repainting, kept within the pictures. Returns
    // everything invalid now (empty when nothing was marked): the one
    // rectangle the next repaint draws, which the window must show afresh.
    Rect invalidate(const Rect& r);
    void invalidateAll() { invalidate({0, 0, shown_.width(), shown_.height()}); }
    // The invalid rectangle, which is valid from then on.
    Rect takeInvalid() { return std::exchange(invalid_, Rect{}); }

    // Both pictures move by (dx, dy) pixels, and so does what waited for a
    // repaint; what comes into view is invalid. Returns everything invalid
    // then (the strips uncovered, and what waited; the whole picture for a
    // move as large as it).
    Rect shift(int32_t dx, int32_t dy);

    // Shows the drawn picture within r, wiping any feedback there.
    void restore(const Rect& r);

private:
    PixelBuffer drawn_;
    PixelBuffer shown_;
    Rect invalid_{};
};

} // namespace loopora
