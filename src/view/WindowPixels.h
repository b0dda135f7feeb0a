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

    // Marks a rectangle for repainting, kept within the pictures; returns
    // what was marked (empty for nothing).
    Rect invalidate(const Rect& r);
    void invalidateAll() { invalidate({0, 0, shown_.width(), shown_.height()}); }
    // The invalid rectangle, which is valid from then on.
    Rect takeInvalid() { return std::exchange(invalid_, Rect{}); }

    // Both pictures move by (dx, dy) pixels, and so does what waited for a
    // repaint; what comes into view is invalid. Returns the rectangles that
    // became invalid (at most two strips; the whole picture for a move as
    // large as it).
    std::pair<Rect, Rect> shift(int32_t dx, int32_t dy);

    // Shows the drawn picture within r, wiping any feedback there.
    void restore(const Rect& r);

private:
    PixelBuffer drawn_;
    PixelBuffer shown_;
    Rect invalid_{};
};

} // namespace loopora
