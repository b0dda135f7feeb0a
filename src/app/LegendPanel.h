#pragma once
// The chart's key as a dockable panel: each symbol type on the active chart's
// sheet with its picture, abbreviation and name in the program's language,
// how many there are in the chart and in the selection, and the totals. It
// is counted again whenever the editor's state is refreshed, which every
// edit, undo and redo does; while hidden it counts nothing. It opens wide
// enough for its rows and widens when they need more room (the selection's
// column appears, longer names come); a name that still does not fit is
// shortened in its middle, and its row's tool tip gives it whole.

#include "document/Legend.h"
#include "platform/UiLanguage.h"

#include <QDockWidget>
#include <QIcon>

#include <map>
#include <optional>

class QLabel;
class QTreeWidget;

namespace loopora::app {

class LegendPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit LegendPanel(QWidget* parent);

    // The key of this canvas (none: no chart is open).
    void refresh(const CCanvas* canvas);

    QTreeWidget& table() { return *table_; }
    QLabel& totals() { return *totals_; }

    // The columns of the table.
    enum Column { Picture, Abbreviation, Name, InChart, InSelection };

protected:
    void showEvent(QShowEvent* event) override;

private:
    void display(const Legend& legend);
    // The width that shows every column of the rows whole.
    int wantedWidth() const;
    // Widens the panel to the wanted width, once it is laid out.
    void fitRows();
    QIcon pictureOf(int32_t typeId);

    QTreeWidget* table_;
    QLabel* totals_;
    const CCanvas* canvas_ = nullptr;
    // What is shown, so that an unchanged key is not built again.
    std::optional<Legend> shown_;
    Language shownLanguage_ = Language::Russian;
    std::map<int32_t, QIcon> pictures_;
    int fittedTo_ = 0; // the widest its rows wanted since it was shown
};

} // namespace loopora::app
