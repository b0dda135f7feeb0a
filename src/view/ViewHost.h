#pragma once
// Everything a chart view needs from the window that shows it. The desktop
// editor implements it with real widgets; the script runner with a buffer and
// queued answers. Nothing of a window system reaches below this interface.

#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <optional>
#include <string>

namespace loopora {

class DialogModel;

struct Size {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The part of the chart the window shows, in window pixels.
    virtual Size clientSize() const = 0;
    // In window pixels: at a zoom, the sheet's enlarged pixels.
    virtual Point scrollPosition() const = 0;
    // Scrolls, keeping the position inside the scroll range. What the window
    // shows moves along; the view repaints what comes into view.
    virtual void scrollTo(Point position) = 0;
    // The scroll range: the sheet's size at the zoom.
    virtual void setScrollSizes(Size total) = 0;
    // The zoom changed (before the scroll range follows it); percent is one of kZoomLevels.
    virtual void zoomChanged(int32_t percent) { (void)percent; }
    // The view's pixels in this window rectangle changed, or must be
    // repainted: the window paints (CPattraView::paint) and shows them soon.
    virtual void update(const Rect& windowRect) = 0;
    // The pointer position in chart and window coordinates, for the status bar.
    virtual void showCoordinates(Point chart, Point window) = 0;
    // Shows a context menu at a window point; the chosen command id, or 0.
    virtual uint16_t popupMenu(int menuId, Point windowPoint) = 0;
    // Runs a dialog modally; true when the user confirmed values the dialog accepted.
    virtual bool runDialog(DialogModel& dialog) = 0;
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
    // A file name to write a bitmap to (the overwrite question included), or nothing.
    virtual std::optional<std::string> askBitmapFileName() = 0;
    virtual void messageBox(const std::string& text) = 0;
    // Painting the chart failed; a window that cannot show a message from
    // inside its paint shows it afterwards.
    virtual void drawingFailed(const std::string& text) { messageBox(text); }
};

} // namespace loopora
