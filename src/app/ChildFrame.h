#pragma once
// The MDI child window of one chart: it holds the chart's view widget, opens
// at the top-left corner of the MDI area and has no caption beyond the
// modified mark. Closing it is a request the main frame decides on (a
// modified chart asks first), never a close by itself.

#include <QMdiSubWindow>

namespace loopora::app {

class CPattraViewWidget;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent);

    CPattraViewWidget* chartWidget() const { return widget_; }
    // Shows or hides the trailing "*" of a chart with unsaved changes.
    void showModified(bool modified) { setWindowModified(modified); }
    // Sizes the window to show the whole sheet, as far as the MDI area allows
    // (again once the area is shown, when it was hidden at the first fit).
    void fitSheet(QSize sheet);
    void refit() { fitSheet(sheet_); }

signals:
    void closeRequested(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CPattraViewWidget* widget_;
    QSize sheet_;
};

} // namespace loopora::app
