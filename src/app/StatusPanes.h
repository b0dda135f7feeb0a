#pragma once
// The status bar of the main window: the message pane ("Готов" while idle;
// menu and palette prompts cover it while they are pointed at), the window
// and chart coordinate panes, each as wide as its text, the active chart
// window's zoom, and the CAP, NUM and SCR lights.

#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;

namespace loopora::app {

class StatusPanes : public QObject {
    Q_OBJECT
public:
    explicit StatusPanes(QStatusBar& bar);

    void showCoordinates(const QString& chart, const QString& window);
    // The zoom in percent; 0 while no chart window is open.
    void showZoom(int percent);
    QString idleText() const;
    QString chartText() const;
    QString windowText() const;
    QString zoomText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshLights();

    QLabel* message_;
    QLabel* window_;
    QLabel* chart_;
    QLabel* zoom_;
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

} // namespace loopora::app
