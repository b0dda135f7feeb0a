#pragma once
// The window of one chart view: a scrolling area whose viewport shows the
// core view's pixels. It is the view's ViewHost (size, scroll bars, repaints,
// status coordinates, context menus, dialogs) and hands mouse, keys, scroll
// bar moves and context menu requests to the view. The core's CPattraView
// and its viewport do the rest: the zoom and the scroll position are theirs.

#include "view/ChartView.h"
#include "view/ViewHost.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <functional>

class QPainter;

namespace loopora::app {

class CPattraViewWidget : public QAbstractScrollArea, public ViewHost {
    Q_OBJECT
public:
    explicit CPattraViewWidget(QWidget* parent);

    // The core view this window shows, once the application made it; null
    // before and after.
    void attach(CPattraView* view);
    CPattraView* view() const { return view_; }
    // Drawn over the chart in window pixels after every repaint (the round
    // numbers); none draws nothing. Not part of the view's pixels.
    using Overlay = std::function<void(QPainter&, CPattraView&)>;
    void setOverlay(Overlay overlay);
    bool hasOverlay() const { return bool(overlay_); }

    // --- ViewHost ---
    Size clientSize() const override;
    double devicePixelRatio() const override;
    void showScrollBars(const ScrollBars& bars) override;
    void sheetSized(Size sheet) override;
    void zoomChanged(int32_t percent) override;
    void update(const Rect& windowRect) override;
    void showCoordinates(Point chart, Point window) override;
    uint16_t popupMenu(int menuId, Point windowPoint) override;
    bool runDialog(DialogModel& dialog) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<std::string> askBitmapFileName() override;
    void messageBox(const std::string& text) override;
    void drawingFailed(const std::string& text) override;

signals:
    void coordinatesShown(const QString& chart, const QString& window);
    // The user finished something that may change palette states or the
    // chart's modified mark: a released button, a key, a menu command.
    void interacted();
    // The sheet size became known or changed (not its zoom): the frame may
    // fit the window to the sheet as shown at the zoom.
    void sheetShown(QSize shown);
    // The window shows the chart at another zoom, in percent.
    void zoomed(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // Ctrl with the wheel zooms about the pointer; the wheel alone scrolls.
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void endGrab();
    // The view's size and density, should either have changed.
    void followViewport();

    CPattraView* view_ = nullptr;
    Size sheet_{};
    int32_t zoomPercent_ = 100;
    bool settingBars_ = false; // the view moves the scroll bars: their moves are not the user's
    int wheelTurn_ = 0; // eighths of a degree the wheel turned with Ctrl, not yet a zoom step
    QImage frame_; // the view's pixels as shown, with the opaque alpha Qt expects
    bool grabbing_ = false;
    Overlay overlay_;
};

} // namespace loopora::app
