#pragma once
// The main window: the MDI area with one child window per chart, the menus,
// the accelerators, the eight palettes and the status bar, which keep their
// places from one run to the next. It is the
// application's AppHost: the core's CPattraApp (which it owns) opens and
// closes chart windows, asks questions and reaches the window's own
// commands through it. Menus, palettes and keys send their command ids to
// CPattraApp::onCommand, as MFC's command routing did.

#include "app/ChartReadings.h"
#include "export/BitmapExporter.h"
#include "export/CairoChartPainter.h"
#include "platform/UiLanguage.h"
#include "view/AppHost.h"
#include "view/Application.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <optional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QShortcut;

namespace loopora::app {

class CChildFrame;
class CPattraViewWidget;
class LegendPanel;
class MainMenus;
class Palettes;
class PatternPanel;
class RoundNumbers;
class StatusPanes;

class CMainFrame : public QMainWindow, public AppHost {
    Q_OBJECT
public:
    CMainFrame();
    ~CMainFrame() override;

    // Start-up through CPattraApp::InitInstance: with no file the new-chart
    // dialog, with files those charts; false when the program is to end.
    bool start(const QStringList& files);
    // A command id from a menu, a palette or a key.
    void command(uint16_t id);
    // Brings the palette buttons' pressed states, the charts' modified marks
    // and the View menus' check marks up to date.
    void refreshState();

    CPattraApp& app() { return *app_; }
    QMdiArea& mdiArea() { return *mdi_; }
    Palettes& palettes() { return *palettes_; }
    MainMenus& menus() { return *menus_; }
    StatusPanes& statusPanes() { return *status_; }
    LegendPanel& legend() { return *legend_; }
    PatternPanel& pattern() { return *pattern_; }
    const ChartReadings& readings() const { return readings_; }
    // Whether the chart windows show their round numbers.
    bool showsRoundNumbers() const { return roundNumbers_; }
    CChildFrame* childFrame(size_t chart) const;
    CPattraViewWidget* chartWidget(size_t chart) const;

    // --- AppHost ---
    ViewHost& openChartWindow(const std::string& caption) override;
    void closeChartWindow(ViewHost& window) override;
    void activeChartChanged() override;
    bool runDialog(DialogModel& dialog) override;
    bool runPatternDialog(PatternDialogModel& dialog) override;
    std::optional<std::string> askOpenFileName() override;
    std::optional<std::string> askSaveFileName(const std::string& suggestion) override;
    void messageBox(const std::string& text) override;
    SaveChanges askSaveChanges(const std::string& chartName) override;
    bool confirm(const std::string& question) override;
    void raiseChartWindow(ViewHost& window) override;
    bool offerSaveAs(const std::string& reason) override;
    void chartFileUsed(const std::string& path) override;
    void chartRenamed(ViewHost& window, const std::string& caption) override;
    void showAbout() override;
    void togglePalette(uint16_t id) override;
    void arrangeWindows(uint16_t id) override;
    void print(CPattraView& view) override;
    void printPreview(CPattraView& view) override;
    void exportDrawing(CPattraView& view, DrawingFormat format, const std::string& suggestion) override;
    void exit() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The MDI area writes a maximised chart's title into the caption its own
    // way; the caption is put right again whenever anything changes it.
    void changeEvent(QEvent* event) override;
    // The MDI area's resizes, to keep the chart windows within it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createAccelerators();
    void createHotKeys();
    void refreshChecks();
    void refreshCaption();
    std::optional<size_t> chartOf(const QMdiSubWindow* child) const;
    void onSubWindowActivated(QMdiSubWindow* child);
    void requestClose(CChildFrame* child);
    void arrangeIcons();
    void openRecentFile(int index);
    void refreshRecentFiles();
    // The Window menu's list of the open charts.
    void refreshChartList();
    // Keeps the language for the next start; the texts shown change then.
    void chooseLanguage(Language language);
    // The palettes' icon size, kept for the next start.
    void chooseLargeIcons(bool large);
    // The status bar's zoom pane shows the active chart window's zoom.
    void refreshZoom();
    // Each chart window's round numbers follow its chart while they are shown.
    void refreshRoundNumbers();

    BitmapExporter exporter_;
    CairoChartPainter painter_;
    std::unique_ptr<CPattraApp> app_;
    QMdiArea* mdi_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<Palettes> palettes_;
    StatusPanes* status_;
    LegendPanel* legend_ = nullptr;
    ChartReadings readings_;
    PatternPanel* pattern_ = nullptr;
    bool roundNumbers_ = false;
    std::map<CPattraViewWidget*, std::shared_ptr<RoundNumbers>> numbers_;
    std::vector<QShortcut*> hotKeys_;
    bool shuttingDown_ = false;
    bool closingChart_ = false;
    bool fitToScreen_ = false; // the first window, until its decorations are known
    Language chosenLanguage_;
};

} // namespace loopora::app
