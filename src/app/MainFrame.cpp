#include "app/MainFrame.h"

#include "app/AboutDialog.h"
#include "app/ChartPrinter.h"
#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"
#include "app/ExportDialog.h"
#include "app/LanguageSetting.h"
#include "app/LegendPanel.h"
#include "app/MainCaption.h"
#include "app/MainMenus.h"
#include "app/Palettes.h"
#include "app/ParameterDialog.h"
#include "app/PatternDialog.h"
#include "app/PatternPanel.h"
#include "app/RoundNumbers.h"
#include "app/ProgramIcon.h"
#include "app/Prompts.h"
#include "app/QtText.h"
#include "app/RecentFiles.h"
#include "app/StatusPanes.h"
#include "app/WindowState.h"
#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QWindow>

namespace loopora::app {

CMainFrame::CMainFrame()
    : app_(std::make_unique<CPattraApp>(*this, exporter_, &painter_)), mdi_(new QMdiArea(this)), chosenLanguage_(uiLanguage())
{
    setWindowTitle(programCaption());
    setWindowIcon(programIcon());
    setCentralWidget(mdi_);
    // Wherever a chart window reaches beyond the area, the area scrolls to it.
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->viewport()->installEventFilter(this);
    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);

    auto run = [this](uint16_t id) { command(id); };
    menus_ = std::make_unique<MainMenus>(*this, run);
    menus_->beforeShow = [this] {
        refreshChecks();
        refreshRecentFiles();
        refreshChartList();
    };
    menus_->chartChosen = [this](int index) {
        if (index < 0 || size_t(index) >= app_->chartCount())
            return;
        app_->activate(size_t(index));
        raiseChartWindow(*app_->chart(size_t(index)).window);
        refreshState();
    };
    menus_->show(*menuBar(), false);
    // At their kept size from the start, so that their places are restored at that size.
    palettes_ = std::make_unique<Palettes>(*this, run, keptLargeIcons());
    for (const PaletteInfo& info : loopora::palettes())
        connect(palettes_->palette(info.number), &QToolBar::visibilityChanged, this, [this] { refreshChecks(); });
    status_ = new StatusPanes(*statusBar());
    legend_ = new LegendPanel(this);
    addDockWidget(Qt::RightDockWidgetArea, legend_);
    legend_->hide();
    connect(legend_, &QDockWidget::visibilityChanged, this, [this] { refreshChecks(); });
    pattern_ = new PatternPanel(this, readings_);
    addDockWidget(Qt::RightDockWidgetArea, pattern_);
    pattern_->hide();
    connect(pattern_, &QDockWidget::visibilityChanged, this, [this] { refreshChecks(); });
    connect(pattern_, &PatternPanel::selectionChanged, this, &CMainFrame::refreshState);
    createAccelerators();
    createHotKeys();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(QSize(1200, 900).boundedTo(screen->availableSize()));
    // Without a kept place the window's decorations are known only once it
    // shows; the whole window, status bar included, must fit the screen.
    fitToScreen_ = !restoreWindowState(*this);
    refreshRecentFiles();
    refreshChecks();
}

CMainFrame::~CMainFrame()
{
    // The charts close while the frame still stands; nothing may reach back
    // into the application while it goes.
    shuttingDown_ = true;
    disconnect(mdi_, nullptr, this, nullptr);
    disconnect(legend_, nullptr, this, nullptr);
    disconnect(pattern_, nullptr, this, nullptr);
    app_->closeAll();
    app_.reset();
}

void CMainFrame::createAccelerators()
{
    for (const Accelerator& accelerator : accelerators()) {
        auto* action = new QAction(this);
        action->setShortcut(accelerator.keys);
        // The keys work from floating palettes too, as they did in the frame's accelerator table.
        action->setShortcutContext(Qt::ApplicationShortcut);
        const uint16_t id = accelerator.id;
        connect(action, &QAction::triggered, this, [this, id] { command(id); });
        addAction(action);
    }
}

void CMainFrame::createHotKeys()
{
    // Shortcuts of this program while a chart is active, not keys taken from
    // every other program on the desktop.
    const std::pair<QKeySequence, HotKey> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_F10), HotKey::RedoF10},  {QKeySequence(Qt::CTRL | Qt::Key_Y), HotKey::RedoY},
        {QKeySequence(Qt::CTRL | Qt::Key_Up), HotKey::NudgeUp},     {QKeySequence(Qt::CTRL | Qt::Key_Down), HotKey::NudgeDown},
        {QKeySequence(Qt::CTRL | Qt::Key_Left), HotKey::NudgeLeft}, {QKeySequence(Qt::CTRL | Qt::Key_Right), HotKey::NudgeRight},
    };
    for (const auto& [sequence, key] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        shortcut->setEnabled(false);
        const HotKey hotKey = key;
        connect(shortcut, &QShortcut::activated, this, [this, hotKey] {
            if (CPattraView* view = app_->activeView()) {
                view->onHotKey(hotKey);
                refreshState();
            }
        });
        hotKeys_.push_back(shortcut);
    }
}

bool CMainFrame::start(const QStringList& files)
{
    std::vector<std::string> paths;
    for (const QString& file : files)
        paths.push_back(utf8(file));
    return app_->InitInstance(paths);
}

void CMainFrame::command(uint16_t id)
{
    if (id >= cmd::kRecentFile1 && id <= cmd::kRecentFileLast)
        openRecentFile(id - cmd::kRecentFile1);
    else if (id == cmd::kNextPane)
        mdi_->activateNextSubWindow();
    else if (id == cmd::kPreviousPane)
        mdi_->activatePreviousSubWindow();
    else if (id == cmd::kLanguageRussian || id == cmd::kLanguageEnglish)
        chooseLanguage(id == cmd::kLanguageEnglish ? Language::English : Language::Russian);
    else if (id == cmd::kLargeIcons)
        chooseLargeIcons(!palettes_->largeIcons());
    else
        app_->onCommand(id);
    refreshState();
}

void CMainFrame::openRecentFile(int index)
{
    const QStringList files = RecentFiles::files();
    if (index >= files.size())
        return;
    const QString& path = files[index];
    // A file that has gone since is dropped from the list, and the user told
    // why it did not open; one that is there but cannot be read stays listed.
    if (!QFileInfo::exists(path)) {
        RecentFiles::remove(path);
        refreshRecentFiles();
        showMessage(this, recentFileGone(path));
        return;
    }
    app_->openChart(utf8(path));
}

void CMainFrame::refreshRecentFiles() { menus_->setRecentFiles(RecentFiles::files()); }

void CMainFrame::refreshChartList()
{
    QStringList captions;
    for (size_t i = 0; i < app_->chartCount(); ++i)
        captions.append(qs(app_->chartName(i)));
    menus_->setCharts(captions, app_->chartCount() > 0 ? int(app_->activeIndex()) : -1);
}

void CMainFrame::chooseLargeIcons(bool large)
{
    palettes_->setLargeIcons(large);
    keepLargeIcons(large);
}

void CMainFrame::chooseLanguage(Language language)
{
    if (language == chosenLanguage_)
        return;
    chosenLanguage_ = language;
    saveLanguage(language);
    // Every text already shown stays as it is until the next start.
    if (language != uiLanguage())
        showMessage(this, qs(_("Язык интерфейса сменится при следующем запуске Loopora.")));
}

// --- Chart windows ---

CPattraViewWidget* CMainFrame::chartWidget(size_t chart) const
{
    if (!app_ || chart >= app_->chartCount())
        return nullptr;
    return dynamic_cast<CPattraViewWidget*>(app_->chart(chart).window);
}

CChildFrame* CMainFrame::childFrame(size_t chart) const
{
    CPattraViewWidget* widget = chartWidget(chart);
    return widget ? qobject_cast<CChildFrame*>(widget->parentWidget()) : nullptr;
}

std::optional<size_t> CMainFrame::chartOf(const QMdiSubWindow* child) const
{
    for (size_t i = 0; app_ && i < app_->chartCount(); ++i)
        if (childFrame(i) == child)
            return i;
    return std::nullopt;
}

ViewHost& CMainFrame::openChartWindow(const std::string& caption)
{
    // While the charts fill the area, a new one fills it too.
    const QMdiSubWindow* current = mdi_->activeSubWindow();
    const bool maximised = current && current->isMaximized();
    auto* child = new CChildFrame(mdi_);
    child->setCaption(qs(caption));
    mdi_->addSubWindow(child);
    // Every chart window opens at the top-left corner of the MDI area.
    child->move(0, 0);
    CPattraViewWidget* widget = child->chartWidget();
    connect(widget, &CPattraViewWidget::coordinatesShown, status_, &StatusPanes::showCoordinates);
    connect(widget, &CPattraViewWidget::interacted, this, &CMainFrame::refreshState);
    connect(widget, &CPattraViewWidget::sheetShown, child, &CChildFrame::fitSheet);
    connect(widget, &CPattraViewWidget::zoomed, this, &CMainFrame::refreshZoom);
    // Maximised or not, renamed or marked: the main caption may change with it.
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::refreshCaption);
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::refreshCaption);
    // Queued: the window is not deleted inside its own close event.
    connect(child, &CChildFrame::closeRequested, this, [this](CChildFrame* c) {
        QPointer<CChildFrame> guarded(c);
        QMetaObject::invokeMethod(this, [this, guarded] {
            if (guarded)
                requestClose(guarded);
        }, Qt::QueuedConnection);
    });
    if (maximised)
        child->showMaximized();
    else
        child->show();
    widget->setFocus();
    return *widget;
}

void CMainFrame::closeChartWindow(ViewHost& window)
{
    auto* widget = dynamic_cast<CPattraViewWidget*>(&window);
    if (!widget)
        return;
    widget->attach(nullptr);
    closingChart_ = true;
    // The window goes now; the MDI area lets go of it as it is destroyed.
    std::unique_ptr<QWidget> child(widget->parentWidget());
    child.reset();
    closingChart_ = false;
}

void CMainFrame::requestClose(CChildFrame* child)
{
    if (auto chart = chartOf(child))
        app_->requestClose(*chart);
    refreshState();
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow* child)
{
    if (shuttingDown_ || closingChart_ || !child)
        return;
    if (auto chart = chartOf(child))
        app_->activate(*chart);
}

void CMainFrame::activeChartChanged()
{
    if (shuttingDown_)
        return;
    for (size_t i = 0; i < app_->chartCount(); ++i)
        if (CPattraViewWidget* widget = chartWidget(i))
            widget->attach(app_->chart(i).view.get());
    const bool open = app_->chartCount() > 0;
    menus_->show(*menuBar(), open);
    if (CChildFrame* child = open ? childFrame(app_->activeIndex()) : nullptr)
        if (mdi_->activeSubWindow() != child)
            mdi_->setActiveSubWindow(child);
    for (QShortcut* shortcut : hotKeys_)
        shortcut->setEnabled(open);
    refreshState();
}

void CMainFrame::refreshState()
{
    if (shuttingDown_)
        return;
    palettes_->refresh([this](uint16_t id) { return app_->isCommandChecked(id); });
    for (size_t i = 0; i < app_->chartCount(); ++i)
        if (CChildFrame* child = childFrame(i))
            child->showModified(app_->isModified(i));
    ChartSession* chart = app_->active();
    legend_->refresh(chart ? &chart->document->canvas() : nullptr);
    pattern_->refresh(chart ? &chart->document->canvas() : nullptr);
    refreshRoundNumbers();
    refreshZoom();
    refreshChecks();
    refreshCaption();
}

void CMainFrame::refreshRoundNumbers()
{
    std::vector<const CCanvas*> open;
    std::map<CPattraViewWidget*, std::shared_ptr<RoundNumbers>> shown;
    for (size_t i = 0; i < app_->chartCount(); ++i) {
        CPattraViewWidget* widget = chartWidget(i);
        CCanvas& canvas = app_->chart(i).document->canvas();
        open.push_back(&canvas);
        if (!widget || !roundNumbers_) {
            if (widget && widget->hasOverlay())
                widget->setOverlay({});
            continue;
        }
        auto reading = readings_.of(canvas);
        auto kept = numbers_.find(widget);
        if (kept != numbers_.end() && kept->second->reading() == reading.get()) {
            shown.insert(*kept);
            continue;
        }
        auto numbers = std::make_shared<RoundNumbers>(std::move(reading));
        widget->setOverlay([numbers](QPainter& painter, CPattraView& view) { numbers->paint(painter, view); });
        shown.emplace(widget, std::move(numbers));
    }
    numbers_ = std::move(shown);
    readings_.keepOnly(open);
}

void CMainFrame::refreshZoom()
{
    if (shuttingDown_)
        return;
    const CPattraView* view = app_->activeView();
    status_->showZoom(view ? view->zoomPercent() : 0);
}

void CMainFrame::refreshCaption()
{
    if (shuttingDown_)
        return;
    const QMdiSubWindow* active = mdi_->activeSubWindow();
    const QString caption = mainCaption(active);
    if (windowTitle() != caption)
        setWindowTitle(caption);
    const bool modified = active && active->isMaximized() && active->isWindowModified();
    if (isWindowModified() != modified)
        setWindowModified(modified);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (fitToScreen_ && watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        fitToScreen_ = false;
        watched->removeEventFilter(this);
        fitIntoScreen(*this);
    }
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize && !shuttingDown_)
        for (QMdiSubWindow* child : mdi_->subWindowList())
            if (auto* chart = qobject_cast<CChildFrame*>(child))
                chart->keepWithin(mdi_->viewport()->size());
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowTitleChange)
        refreshCaption();
}

void CMainFrame::refreshChecks()
{
    if (shuttingDown_ || !palettes_ || !legend_ || !pattern_)
        return;
    for (const PaletteInfo& info : loopora::palettes())
        menus_->setChecked(info.toggleCommand, !palettes_->palette(info.number)->isHidden());
    menus_->setChecked(cmd::kStatusBar, !statusBar()->isHidden());
    menus_->setChecked(cmd::kLanguageRussian, chosenLanguage_ == Language::Russian);
    menus_->setChecked(cmd::kLanguageEnglish, chosenLanguage_ == Language::English);
    menus_->setChecked(cmd::kToggleLegend, !legend_->isHidden());
    menus_->setChecked(cmd::kTogglePattern, !pattern_->isHidden());
    menus_->setChecked(cmd::kRoundNumbers, roundNumbers_);
    menus_->setChecked(cmd::kLargeIcons, palettes_->largeIcons());
    for (int32_t level : kZoomLevels)
        menus_->setChecked(commandOfZoom(level), app_->isCommandChecked(commandOfZoom(level)));
    for (uint16_t id : {cmd::kZoomFit, cmd::kShowPixels})
        menus_->setChecked(id, app_->isCommandChecked(id));
}

// --- Questions and the frame's own commands ---

bool CMainFrame::runDialog(DialogModel& dialog) { return ParameterDialog::run(dialog, this); }

bool CMainFrame::runPatternDialog(PatternDialogModel& dialog) { return PatternDialog::run(dialog, &painter_, this); }
std::optional<std::string> CMainFrame::askOpenFileName() { return askChartToOpen(this); }
std::optional<std::string> CMainFrame::askSaveFileName(const std::string& suggestion)
{
    return askChartToSave(this, qs(suggestion));
}
void CMainFrame::messageBox(const std::string& text) { showMessage(this, qs(text)); }

SaveChanges CMainFrame::askSaveChanges(const std::string& chartName)
{
    return app::askSaveChanges(this, qs(chartName));
}

bool CMainFrame::confirm(const std::string& question) { return askYesNo(this, qs(question)); }

void CMainFrame::raiseChartWindow(ViewHost& window)
{
    auto* widget = dynamic_cast<CPattraViewWidget*>(&window);
    auto* child = widget ? qobject_cast<CChildFrame*>(widget->parentWidget()) : nullptr;
    if (!child)
        return;
    if (child->isMinimized())
        child->showNormal();
    mdi_->setActiveSubWindow(child);
    raise();
    activateWindow();
}

bool CMainFrame::offerSaveAs(const std::string& reason) { return app::offerSaveAs(this, qs(reason)); }

void CMainFrame::chartFileUsed(const std::string& path)
{
    RecentFiles::add(qs(path));
    refreshRecentFiles();
}

void CMainFrame::chartRenamed(ViewHost& window, const std::string& caption)
{
    if (auto* widget = dynamic_cast<CPattraViewWidget*>(&window))
        if (auto* child = qobject_cast<CChildFrame*>(widget->parentWidget()))
            child->setCaption(qs(caption));
}

void CMainFrame::showAbout()
{
    AboutDialog about(this);
    about.exec();
}

void CMainFrame::togglePalette(uint16_t id)
{
    if (id == cmd::kRoundNumbers) {
        roundNumbers_ = !roundNumbers_;
        refreshRoundNumbers();
        refreshChecks();
        return;
    }
    QWidget* bar = id == cmd::kStatusBar     ? static_cast<QWidget*>(statusBar())
                   : id == cmd::kToggleLegend ? static_cast<QWidget*>(legend_)
                   : id == cmd::kTogglePattern ? static_cast<QWidget*>(pattern_)
                                              : palettes_->paletteOfToggle(id);
    if (bar)
        bar->setVisible(bar->isHidden());
    refreshChecks();
}

void CMainFrame::arrangeWindows(uint16_t id)
{
    switch (id) {
    case cmd::kCascade: mdi_->cascadeSubWindows(); break;
    case cmd::kTile: mdi_->tileSubWindows(); break;
    case cmd::kArrange: arrangeIcons(); break;
    default: break;
    }
}

void CMainFrame::arrangeIcons()
{
    // Minimised chart windows line up along the bottom of the MDI area.
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (QMdiSubWindow* child : mdi_->subWindowList()) {
        if (!child->isMinimized())
            continue;
        child->move(x, bottom - child->height());
        x += child->width();
    }
}

void CMainFrame::print(CPattraView& view) { printChart(view.document(), this); }

void CMainFrame::printPreview(CPattraView& view) { previewChart(view.document(), this); }

void CMainFrame::exportDrawing(CPattraView& view, DrawingFormat format, const std::string& suggestion)
{
    app::exportDrawing(view.document(), format, qs(suggestion), this);
}

void CMainFrame::exit()
{
    // Every chart is closed by now, so the frame closes without asking again.
    close();
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (fitToScreen_ && !event->spontaneous()) {
        fitIntoScreen(*this);
        // A window manager puts its frame round the window as it first appears.
        if (QWindow* window = windowHandle())
            window->installEventFilter(this);
    }
    // Charts opened before the frame was first shown (at start-up) were sized
    // without knowing how much room the MDI area has.
    if (!event->spontaneous())
        for (size_t i = 0; i < app_->chartCount(); ++i)
            if (CChildFrame* child = childFrame(i))
                QMetaObject::invokeMethod(child, &CChildFrame::refit, Qt::QueuedConnection);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (app_->chartCount() > 0 && !app_->queryCloseAll()) {
        event->ignore();
        refreshState();
        return;
    }
    app_->closeAll();
    saveWindowState(*this);
    event->accept();
}

} // namespace loopora::app
