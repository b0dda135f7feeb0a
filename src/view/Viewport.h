#pragma once
// How a chart window shows its chart: the zoom, the scroll position, the
// window's size and its screen's pixel density, and every conversion between
// chart points, window pixels and screen pixels. Nothing else in the view or
// its window keeps any of them.
//
// Three kinds of coordinates meet here:
// - chart coordinates, the elements' own, and sheet coordinates, the same
//   counted from the sheet's top-left corner (chart plus the canvas origin);
// - window pixels, in which the window system gives mouse positions, sizes
//   and scroll bars;
// - device pixels, the screen's: a window pixel is devicePixelRatio of them
//   each way (more than one on a dense screen).
// Window point w shows sheet point (w + scroll) / scale; device point d shows
// sheet point (d + deviceOffset) / deviceScale.

#include "platform/Geometry.h"
#include "platform/ShapeSink.h"
#include "view/ViewHost.h"

#include <array>
#include <cstdint>
#include <optional>

namespace loopora {

// The zoom levels a window steps through, in percent; a window opens at 100 %.
inline constexpr std::array<int32_t, 10> kZoomLevels{25, 50, 75, 100, 150, 200, 300, 400, 600, 800};

class Viewport {
public:
    // Fitting the window chooses any zoom between these.
    static constexpr int32_t kSmallestPercent = 10;
    static constexpr int32_t kLargestPercent = 800;

    // --- What is shown where ---
    // The window's size in window pixels and its screen's density; false when neither changed.
    bool setWindow(Size client, double devicePixelRatio);
    void setSheet(Size sheet, Point origin);
    Size client() const { return client_; }
    double devicePixelRatio() const { return ratio_; }
    Size sheet() const { return sheet_; }
    Point origin() const { return origin_; }
    // The window's size in device pixels.
    Size deviceSize() const;

    // --- Zoom and scrolling ---
    int32_t zoomPercent() const { return percent_; }
    double scale() const { return percent_ / 100.0; }
    // Window pixels from the sheet's corner at the zoom to the window's
    // corner; negative while the sheet starts inside the window.
    Point scroll() const { return scroll_; }
    // Zooms to `percent` (held within kSmallestPercent..kLargestPercent) so
    // that the sheet point under a window point stays under it. Zooming again
    // about the same point keeps the same sheet point, so a run of steps does
    // not drift by the pixels each one rounds to.
    void zoomAbout(int32_t percent, Point anchor);
    // Zooms and shows the sheet's top-left corner at the window's.
    void zoomToCorner(int32_t percent);
    // Scrolls within the scroll range (see scrollBars).
    void scrollTo(Point position);
    // The scroll range runs from 0 to where the sheet's far edge meets the
    // window's, and further to wherever a zoom about a point put the
    // position, so that the scroll bars show the way back. It is set when
    // the zoom, the window or the sheet changes, not while scrolling.
    ScrollBars scrollBars() const;
    // The sheet's size at the zoom, in window pixels (rounded up).
    Size shownSheet() const;
    // The largest zoom in percent, between the smallest and the largest,
    // at which the window shows the whole sheet.
    int32_t fittingPercent() const;
    bool showsWholeSheet() const;

    // --- Conversions ---
    // The chart point a window pixel shows (the one under its top-left
    // corner), held within the drawable area.
    Point windowToChart(Point window) const;
    // Exact positions, in real numbers (pixel p spans p to p + 1).
    ShapePoint windowToSheet(ShapePoint window) const;
    ShapePoint sheetToWindow(ShapePoint sheet) const;
    // device = sheet * deviceScale - deviceOffset.
    double deviceScale() const { return scale() * ratio_; }
    ShapePoint deviceOffset() const { return {scroll_.x * ratio_, scroll_.y * ratio_}; }
    // The device pixel that shows the middle of a chart pixel.
    Point deviceOfChart(Point chart) const;
    // The device pixels a chart rectangle's pixels cover, and the chart
    // pixels a device rectangle shows (right and bottom excluded, rounded outwards).
    Rect deviceCovering(const Rect& chartRect) const;
    Rect chartCovering(const Rect& deviceRect) const;
    // Between window and device pixels, rounded outwards.
    Rect deviceOfWindow(const Rect& windowRect) const;
    Rect windowOfDevice(const Rect& deviceRect) const;
    // Whether device pixels are the sheet's own pixels, moved by whole pixels.
    bool deviceIsSheet() const;

private:
    // The scroll range for the current zoom, window and sheet, reaching the position.
    void resetRange();

    Size client_{};
    double ratio_ = 1;
    Size sheet_{};
    Point origin_{};
    int32_t percent_ = 100;
    Point scroll_{};
    Rect range_{}; // the scroll positions allowed, right and bottom included
    // The last zoom's window point, the sheet point kept under it, and where
    // the window stood after it: while it stands there, a zoom about the same
    // point keeps the same sheet point.
    struct Anchor {
        Point window;
        ShapePoint sheet;
        int32_t percent;
        Point scroll;
    };
    std::optional<Anchor> anchor_;
};

} // namespace loopora
