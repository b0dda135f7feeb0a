#pragma once
// The view of one chart: it owns the tool registry, paints the canvas into
// the window's pixels, turns window positions into chart coordinates, feeds
// the current tool, handles the keys, the context menus and the view's
// commands. Everything it needs from its window comes through ViewHost.

#include "document/Document.h"
#include "platform/PixelBuffer.h"
#include "platform/RasterDC.h"
#include "view/MouseEvent.h"
#include "view/ToolRegistry.h"
#include "view/ViewHost.h"
#include "view/WindowPixels.h"

#include <array>

#include <cstdint>
#include <memory>
#include <string>

namespace loopora {

enum class Key { Left, Right, Up, Down, Delete, Home, Escape, Other };

// The system-wide keys of the original program, now shortcuts of the chart window.
enum class HotKey { RedoF10 = 1001, RedoY = 1002, NudgeUp = 1003, NudgeDown = 1004, NudgeLeft = 1005, NudgeRight = 1006 };

// The zoom levels of a chart window, in percent; a window opens at the first.
inline constexpr std::array<int32_t, 6> kZoomLevels{100, 200, 300, 400, 600, 800};

class CPattraView : public CanvasWindow {
public:
    // rememberedSize is the application's chart size remembered across charts.
    CPattraView(CPattraDoc& doc, ViewHost& host, Size& rememberedSize);
    ~CPattraView() override;
    CPattraView(const CPattraView&) = delete;
    CPattraView& operator=(const CPattraView&) = delete;

    CPattraDoc& document() { return doc_; }
    CCanvas& canvas() { return doc_.canvas(); }
    CToolRegistry& tools() { return *registry_; }
    ViewHost& host() { return host_; }

    // Sets the scroll sizes to the sheet. Called by the application once the
    // view's chart is made or read, before the window first paints.
    void OnInitialUpdate();

    // --- The window's pixels ---
    // The window's client area changed size.
    void setClientSize(Size size);
    // The window scrolled (its scroll bars moved): it shows what it showed,
    // moved along, and the view repaints what came into view.
    void scrolled();
    // Repaints what was invalidated; the host then shows pixels().
    void paint();
    // What the window shows, at the zoom.
    PixelBuffer& pixels() { return pixels_.window(); }
    // The chart's own pixels the window's are enlarged from; tools draw their feedback here.
    PixelBuffer& sheetPixels() { return pixels_.sheet(); }
    // Gives a device context on sheetPixels() the view's mapping from chart coordinates.
    void prepareDC(CDC& dc);
    // Tools drew into the sheet pixels within a chart rectangle: the window shows it.
    void showChartArea(const Rect& chartRect);
    void invalidateWindowRect(const Rect& windowRect);
    void invalidateAll();
    void invalidateChartRect(const Rect& chartRect) override;

    Point windowToChart(Point window) const;

    // --- Zoom ---
    int32_t zoomPercent() const { return zoom_ * 100; }
    // Zooms to one of kZoomLevels about a window point: the chart point under
    // it stays there while the scroll range allows. False for other levels.
    bool setZoom(int32_t percent, Point anchor);
    // The next level up or down, about a window point; false at the end of the levels.
    bool zoomIn(Point anchor);
    bool zoomOut(Point anchor);
    // The largest level that shows the whole sheet in the window, or the smallest.
    int32_t fittingZoomPercent() const;
    // The window's centre, which the zoom keys and menu items zoom about.
    Point windowCentre() const;

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
    // The scroll range: the sheet at the zoom.
    void updateScrollSizes();
    // Brings the pictures to the window's scroll position, should it have moved.
    void followScroll();

    CPattraDoc& doc_;
    ViewHost& host_;
    Size& rememberedSize_;
    std::unique_ptr<CToolRegistry> registry_;
    WindowPixels pixels_;
    int32_t zoom_ = 1; // window pixels per chart pixel
    CRasterDC paintDC_;
    bool drawingFailed_ = false; // the last paint ran out of memory
};

} // namespace loopora
