#pragma once
// The main window's menus: menu 128 while no chart is open, menu 129 while
// one is, with their exact texts in the interface language (the accelerator
// after the tab is shown as the item's key); the accelerator table itself is
// separate, as the keys work whichever menu is shown. Both File menus end with
// the recent chart files; both View menus offer the interface languages, and
// the View menu of an open chart the window's zoom. The Window menu ends with
// the open charts, the active one checked.

#include <QKeySequence>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace loopora::app {

struct Accelerator {
    QKeySequence keys;
    uint16_t id;
};

// Accelerator table 128, and the keys given to the two palette toggles that
// have no menu item.
std::span<const Accelerator> accelerators();

class MainMenus {
public:
    using Command = std::function<void(uint16_t)>;
    MainMenus(QWidget& owner, const Command& command);

    // Puts menu 129 (a chart is open) or menu 128 into the menu bar.
    void show(QMenuBar& bar, bool chartOpen);
    // The check marks of the View menus' toggles.
    void setChecked(uint16_t id, bool checked);
    // The recent files, most recent first, as numbered items of both File menus.
    void setRecentFiles(const QStringList& paths);
    // How a recent file is named in the menu, without its number.
    static QString recentFileText(const QString& path);
    // The open charts' captions, in the order of their windows, as numbered
    // items of the Window menu; the active one (-1: none) is checked.
    void setCharts(const QStringList& captions, int active);
    QList<QAction*> chartItems() const { return charts_; }
    // The items of a command in both menus.
    QList<QAction*> actions(uint16_t id) const;
    const QList<QMenu*>& menus(bool chartOpen) const { return chartOpen ? withChart_ : noChart_; }

    // Menus about to open refresh their check marks through this.
    std::function<void()> beforeShow;
    // A chart was chosen in the Window menu, by its place in the list.
    std::function<void(int)> chartChosen;

private:
    struct Item {
        uint16_t id;
        QAction* action;
    };
    QMenu* build(QWidget& owner, const Command& command, const char* title, std::span<const std::pair<uint16_t, const char*>> items);
    QAction* addItem(QMenu& menu, const Command& command, uint16_t id, const QString& text);
    void addRecentFiles(QMenu& menu, const Command& command);
    // "Язык": the languages, each named in itself, one of them checked.
    void addLanguages(QMenu& menu, const Command& command);
    // "Масштаб": the zoom levels, fitting the window, zooming in and out.
    void addZoom(QMenu& menu, const Command& command);

    QList<QMenu*> noChart_;
    QList<QMenu*> withChart_;
    std::vector<Item> items_;
    std::vector<QAction*> recentFiles_; // the slots of one File menu, then of the other
    std::vector<QAction*> recentSeparators_;
    QMenu* windowMenu_ = nullptr;
    QAction* chartsSeparator_ = nullptr;
    QList<QAction*> charts_;
    bool chartOpen_ = false;
    bool shown_ = false;
};

} // namespace loopora::app
