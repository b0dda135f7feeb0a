#pragma once
// The chart's written instructions as a dockable panel: the foundation and a
// line per round or row in the program's language, then what the reading
// could not decide. It follows the active chart's finished edits, undo and
// redo (while hidden it reads nothing). Clicking a round's line selects its
// stitches, clicking a warning the stitch it names; the text can be
// selected and copied.

#include "document/Canvas.h"
#include "pattern/PatternReading.h"

#include <QDockWidget>

#include <memory>

class QTextBrowser;
class QUrl;

namespace loopora::app {

class ChartReadings;

class PatternPanel : public QDockWidget {
    Q_OBJECT
public:
    PatternPanel(QWidget* parent, ChartReadings& readings);

    // The active chart's canvas (none: no chart is open).
    void refresh(CCanvas* canvas);

    QTextBrowser& text() { return *text_; }
    // What the panel shows, line by line.
    QStringList lines() const;
    // Selects what a line names: "round:N" its stitches, "warning:N" the stitch of that warning.
    void choose(const QUrl& line);

signals:
    // The chart's selection changed: the window repaints, the key recounts.
    void selectionChanged();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void display();

    QTextBrowser* text_;
    ChartReadings& readings_;
    CCanvas* canvas_ = nullptr;
    std::shared_ptr<const pattern::PatternReading> shown_;
};

} // namespace loopora::app
