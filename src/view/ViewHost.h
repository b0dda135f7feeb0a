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

// Where a window's scroll bars stand, in window pixels: the positions run
// from minimum to maximum (both included), a page is the window's size.
struct ScrollBars {
    Point minimum;
    Point maximum;
    Size page;
    Point position;
    friend bool operator==(const ScrollBars&, const ScrollBars&) = default;
};

class ViewHost {
public:
    virtual ~ViewHost() = default;

    // The part of the chart the window shows, in window pixels.
    virtual Size clientSize() const = 0;
    // Screen pixels a window pixel spans each way: more than 1 on a dense screen.
    virtual double devicePixelRatio() const { return 1; }
    // The view's scroll bars changed (the zoom, the window's size or the
    // view's own scrolling moved them). When the user moves them, the window
    // tells the view (CPattraView::scrollTo).
    virtual void showScrollBars(const ScrollBars& bars) = 0;
    // The chart's sheet was made or changed size, in chart pixels: the frame
    // may fit the window to it.
    virtual void sheetSized(Size sheet) { (void)sheet; }
    // The window shows the chart at another zoom, in percent.
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
