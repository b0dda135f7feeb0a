#pragma once
// The view of one chart: it owns the tool registry and the viewport, paints
// the canvas into the window's pixels, turns window positions into chart
// coordinates, feeds the current tool, handles the keys, the context menus
// and the view's commands. Everything it needs from its window comes through
// ViewHost.

#include "document/Document.h"
#include "platform/PixelBuffer.h"
#include "view/ChartPainter.h"
#include "view/MouseEvent.h"
#include "view/ToolRegistry.h"
#include "view/ViewHost.h"
#include "view/Viewport.h"
#include "view/WindowPixels.h"

#include <cstdint>
#include <memory>
#include <string>

namespace loopora {

enum class Key { Left, Right, Up, Down, Delete, Home, Escape, Other };

// The system-wide keys of the original program, now shortcuts of the chart window.
enum class HotKey { RedoF10 = 1001, RedoY = 1002, NudgeUp = 1003, NudgeDown = 1004, NudgeLeft = 1005, NudgeRight = 1006 };

class CPattraView : public CanvasWindow {
public:
    // rememberedSize is the application's chart size remembered across
    // charts. Without a painter the window shows the chart's bitmap at every
    // zoom, its pixels enlarged or reduced.
    CPattraView(CPattraDoc& doc, ViewHost& host, Size& rememberedSize, ChartPainter* painter = nullptr);
    ~CPattraView() override;
    CPattraView(const CPattraView&) = delete;
    CPattraView& operator=(const CPattraView&) = delete;

    CPattraDoc& document() { return doc_; }
    CCanvas& canvas() { return doc_.canvas(); }
    CToolRegistry& tools() { return *registry_; }
    ViewHost& host() { return host_; }
    const Viewport& viewport() const { return viewport_; }

    // Tells the window the sheet's size and its scroll bars. Called by the
    // application once the view's chart is made or read, before the window
    // first paints.
    void OnInitialUpdate();

    // --- The window's pixels ---
    // The window's client area changed size, or moved to a screen of another density.
    void setClientSize(Size size);
    // Scrolls to a position in window pixels, held within the scroll range:
    // the window shows what it showed, moved along, and the view repaints
    // what came into view. The window calls it when the user moves its
    // scroll bars.
    void scrollTo(Point position);
    Point scrollPosition() const { return viewport_.scroll(); }
    // Repaints what was invalidated; the host then shows pixels().
    void paint();
    // What the window shows, in device pixels (window pixels on a usual screen).
    PixelBuffer& pixels() { return pixels_.shown(); }
    const PixelBuffer& pixels() const { return pixels_.shown(); }
    // Tools drew feedback into pixels() within a device rectangle: the window shows it.
    void showDeviceArea(const Rect& deviceRect);
    // Wipes feedback within a device rectangle: the window shows the chart there again.
    void restoreDeviceArea(const Rect& deviceRect);
    void invalidateWindowRect(const Rect& windowRect);
    void invalidateAll();
    void invalidateChartRect(const Rect& chartRect) override;

    Point windowToChart(Point window) const { return viewport_.windowToChart(window); }

    // --- Zoom ---
    int32_t zoomPercent() const { return viewport_.zoomPercent(); }
    // Zooms to one of kZoomLevels about a window point: the chart point under
    // it stays there. False for other levels.
    bool setZoom(int32_t percent, Point anchor);
    // The next level up or down, about a window point; false at the end of the levels.
    bool zoomIn(Point anchor);
    bool zoomOut(Point anchor);
    // The largest zoom that shows the whole sheet in the window (any percent
    // from Viewport::kSmallestPercent to kLargestPercent).
    int32_t fittingZoomPercent() const { return viewport_.fittingPercent(); }
    // Zooms to fittingZoomPercent() with the sheet's corner at the window's.
    void fitToWindow();
    // The window's centre, which the zoom keys and menu items zoom about.
    Point windowCentre() const;
    // Whether the window shows the chart's bitmap pixel by pixel at every
    // zoom ("Пиксели") instead of its shapes drawn at the window's scale.
    bool showsPixels() const { return showPixels_; }
    void setShowPixels(bool show);

    // --- Input ---
    // Mouse messages at a window point, with the buttons held and the keys
    // pressed while they came.
    void onButtonDown(Point window, MouseButtons buttons, KeyModifiers modifiers = {});
    void onButtonUp(Point window, MouseButtons buttons, KeyModifiers modifiers = {});
    void onDoubleClick(Point window, MouseButtons buttons, KeyModifiers modifiers = {});
    void onMouseMove(Point window, MouseButtons buttons, KeyModifiers modifiers = {});
    // Escape cancels the gesture in progress; arrows and Delete act on the
    // selection, or scroll when nothing is selected.
    void onKeyDown(Key key);
    void onHotKey(HotKey key);
    void onContextMenu(Point window);

    // --- Commands ---
    // Runs a command of the view; false when the view does not handle the id.
    bool onCommand(uint16_t id);
    // The radio state of a tool command: on when its tool is current.
    bool isCommandChecked(uint16_t id) const;

    // The two status-bar texts for a pointer position.
    static std::string chartCoordinatesText(Point chart);
    static std::string windowCoordinatesText(Point window);

private:
    enum class MouseEntry { Down, Up, DoubleClick, Move };
    void routeMouse(MouseEntry entry, Point window, MouseButtons buttons, KeyModifiers modifiers);
    bool moveSelection(double dx, double dy);
    void undoOrRedo(bool undo);
    void group();
    void chooseDrawingColour();
    void chooseElementColour();
    void sizeCurrent();
    void mirrorSelection(bool leftToRight);
    void createRow();
    void createArc(bool withLoops);
    void chainRing();
    void chartParameters();
    void editText();
    // The viewport learns the sheet's size; the window learns it and its scroll bars.
    void updateSheet();
    // The window follows a new zoom or scroll position.
    void zoomed();
    void scrolledFrom(Point before);
    void invalidateDeviceRect(const Rect& deviceRect);
    // Drawing one invalid area of the window: the chart, as shapes or as the
    // bitmap's pixels, then the selection's handles in window pixels.
    bool drawChart(const Rect& area);
    void drawBitmap(const Rect& area);
    void drawHandles(const Rect& area);
    // Half a handle's side in device pixels.
    int32_t handleReach() const;
    // Whether the window shows the bitmap's pixels rather than the shapes.
    bool showsBitmap() const;

    CPattraDoc& doc_;
    ViewHost& host_;
    Size& rememberedSize_;
    std::unique_ptr<CToolRegistry> registry_;
    ChartPainter* painter_;
    Viewport viewport_;
    WindowPixels pixels_;
    bool showPixels_ = false;
    bool drawingFailed_ = false; // the last paint ran out of memory
};

} // namespace loopora
