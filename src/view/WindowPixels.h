#pragma once
// What a chart window shows, at its zoom. The chart is drawn at its own size
// into the sheet pixels, one per chart pixel, which are then enlarged into
// the window's pixels as square blocks. Everything is drawn into the sheet
// pixels only, the gestures' exclusive-or feedback included, so the window
// shows exactly the pixels the chart's bitmap holds, at any zoom.
//
// Sheet coordinates are the chart's own pixels counted from the sheet's
// corner (chart coordinates plus the canvas origin); window coordinates are
// the window's pixels. A window pixel w shows the sheet pixel
// (w + scroll) / zoom: the scroll position counts enlarged pixels.

#include "platform/PixelBuffer.h"
#include "view/ViewHost.h"

namespace loopora {

class WindowPixels {
public:
    static constexpr int32_t kLargestZoom = 8;

    int32_t zoom() const { return zoom_; }
    Size clientSize() const { return {window_.width(), window_.height()}; }
    // The scroll position the pictures are drawn for.
    Point scroll() const { return scroll_; }

    // A new window size or zoom: the pictures are made again and everything is invalid.
    void reset(Size client, int32_t zoom, Point scroll);
    // The window scrolled: what stays in view moves along, what comes into
    // view is invalid. Returns the window rectangles that became invalid
    // (at most two strips; empty ones when nothing was uncovered).
    std::pair<Rect, Rect> scrollTo(Point scroll);

    // The window pixels, and the sheet pixels they are enlarged from.
    PixelBuffer& window() { return window_; }
    PixelBuffer& sheet() { return sheet_; }
    // The sheet coordinates of the sheet pixels' top-left pixel.
    Point sheetCorner() const;

    // The sheet rectangle whose blocks cover a window rectangle.
    Rect sheetCovering(const Rect& windowRect) const;
    // The window rectangle a sheet rectangle's blocks fill (beyond the window too).
    Rect windowOf(const Rect& sheetRect) const;

    // Marks a window rectangle for repainting, grown to whole blocks and kept
    // within the window; returns what was marked (empty for nothing).
    Rect invalidate(const Rect& windowRect);
    void invalidateAll() { invalidate({0, 0, window_.width(), window_.height()}); }
    bool allInvalid() const;
    // The invalid window rectangle, which is valid from then on.
    Rect takeInvalid();

    // Enlarges the sheet pixels of a sheet rectangle into the window; returns
    // the window rectangle that changed.
    Rect present(const Rect& sheetRect);

private:
    PixelBuffer window_;
    PixelBuffer sheet_;
    int32_t zoom_ = 1;
    Point scroll_{};
    Rect invalid_{};
};

} // namespace loopora
