#pragma once
// The MDI child window of one chart: it holds the chart's view widget, opens
// at the top-left corner of the MDI area and is captioned with the chart's
// name and the modified mark, so that open charts can be told apart. Closing
// it is a request the main frame decides on (a modified chart asks first),
// never a close by itself.

#include <QMdiSubWindow>

namespace loopora::app {

class CPattraViewWidget;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CChildFrame(QWidget* parent);

    CPattraViewWidget* chartWidget() const { return widget_; }
    // The chart's name: its file's name, or "Схема1" before it has one.
    void setCaption(const QString& name);
    const QString& caption() const { return caption_; }
    // Shows or hides the trailing "*" of a chart with unsaved changes.
    void showModified(bool modified);
    // Sizes the window to show the whole sheet, as far as the MDI area allows
    // (again once the area is shown, when it was hidden at the first fit). A
    // maximised or minimised window keeps its size; it fits the sheet once
    // it is restored.
    void fitSheet(QSize sheet);
    void refit() { fitSheet(sheet_); }
    // The MDI area shrank (palettes came, the main window got smaller): a
    // window that would now stick out shrinks to the room left, so that its
    // own scroll bars reach the whole sheet.
    void keepWithin(QSize area);

signals:
    void closeRequested(CChildFrame* frame);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    CPattraViewWidget* widget_;
    QSize sheet_;
    QString caption_;
    bool fitWaiting_ = false; // a fit came while the window was maximised or minimised
};

} // namespace loopora::app
