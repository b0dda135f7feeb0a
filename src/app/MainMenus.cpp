#include "app/MainMenus.h"

#include "app/QtText.h"
#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace loopora::app {
namespace {

using Entry = std::pair<uint16_t, const char*>; // id 0: a separator; kRecentFiles: the recent files

constexpr Entry kNew = {cmd::kNew, N_("Создать (&N)\tCtrl+N")};
constexpr Entry kFromPattern = {cmd::kChartFromPattern, N_("Создать по описанию…")};
constexpr Entry kExit = {cmd::kExit, N_("Выход (&X)")};
constexpr Entry kToolbar = {cmd::kToolbar, N_("Панель инструментов (&T)")};
constexpr Entry kStatusBar = {cmd::kStatusBar, N_("Строка статуса (&S)")};
constexpr Entry kAbout = {cmd::kAbout, N_("О программе Loopora (&A)...")};
constexpr Entry kSeparator = {0, ""};
// Where the recent files are listed, each as "&1 path", and followed by a
// separator of their own while there are any.
constexpr Entry kRecentFiles = {cmd::kRecentFile1, ""};
constexpr const char* kRecentFilePrompt = N_("Открыть эту схему");
// Where the View menu offers the interface languages, each named in itself.
constexpr Entry kLanguages = {cmd::kLanguageRussian, ""};
constexpr Entry kLanguageNames[] = {{cmd::kLanguageRussian, "Русский"}, {cmd::kLanguageEnglish, "English"}};
constexpr Entry kLargeIcons = {cmd::kLargeIcons, N_("Крупные значки")};
// Where the View menu holds the zoom of the active chart window as a submenu.
constexpr Entry kZoomMenu = {cmd::kZoom100, N_("Масштаб")};
constexpr Entry kZoomItems[] = {{cmd::kZoom25, "25%"},
                                {cmd::kZoom50, "50%"},
                                {cmd::kZoom75, "75%"},
                                {cmd::kZoom100, "100%\tCtrl+0"},
                                {cmd::kZoom150, "150%"},
                                {cmd::kZoom200, "200%"},
                                {cmd::kZoom300, "300%"},
                                {cmd::kZoom400, "400%"},
                                {cmd::kZoom600, "600%"},
                                {cmd::kZoom800, "800%"},
                                {cmd::kZoomFit, N_("По размеру окна")},
                                kSeparator,
                                {cmd::kZoomIn, N_("Увеличить\tCtrl++")},
                                {cmd::kZoomOut, N_("Уменьшить\tCtrl+-")},
                                kSeparator,
                                {cmd::kShowPixels, N_("Пиксели")}};

constexpr Entry kFile128[] = {kNew, kFromPattern, {cmd::kOpen, N_("Открыть(&O)\tCtrl+O")}, kSeparator, kRecentFiles, kExit};
constexpr Entry kView128[] = {kToolbar, kStatusBar, kSeparator, kLargeIcons, kSeparator, kLanguages};
constexpr Entry kHelp[] = {kAbout};

constexpr Entry kFile129[] = {kNew,
                              kFromPattern,
                              {cmd::kOpen, N_("Открыть (&O)\tCtrl+O")},
                              {cmd::kSave, N_("Сохранить (&S)\tCtrl+S")},
                              {cmd::kSaveAs, N_("Сохранить как…\tCtrl+Shift+S")},
                              {cmd::kClose, N_("Закрыть (&C)")},
                              kSeparator,
                              {cmd::kSaveBitmap, N_("Сохранить в формате BMP")},
                              {cmd::kExportPdf, N_("Экспорт в PDF…")},
                              {cmd::kExportSvg, N_("Экспорт в SVG…")},
                              {cmd::kExportPng, N_("Экспорт в PNG…")},
                              kSeparator,
                              {cmd::kPrint, N_("Печать…\tCtrl+P")},
                              {cmd::kPrintPreview, N_("Предварительный просмотр")},
                              kSeparator,
                              kRecentFiles,
                              kExit};
constexpr Entry kEdit129[] = {{cmd::kUndo, N_("Отменить (&U)\tCtrl+Z")}, {cmd::kRedo, N_("Повторить\tCtrl+Y")}, kSeparator,
                              {cmd::kCut, N_("Вырезать (&T)\tCtrl+X")},  {cmd::kCopy, N_("Копировать (&C)\tCtrl+C")},
                              {cmd::kPaste, N_("Вставить (&P)\tCtrl+V")}};
constexpr Entry kView129[] = {kToolbar,
                              kStatusBar,
                              kSeparator,
                              {cmd::kTogglePalette2, N_("Простые символы")},
                              {cmd::kTogglePalette3, N_("Группы символов")},
                              {cmd::kTogglePalette5, N_("Группы с петлями")},
                              {cmd::kTogglePalette4, N_("Группы с петлями 2")},
                              {cmd::kTogglePalette6, N_("Группы с петлями 3")},
                              {cmd::kTogglePalette9, N_("Дополнительные символы")},
                              kSeparator,
                              {cmd::kToggleLegend, N_("Легенда")},
                              {cmd::kTogglePattern, N_("Описание")},
                              {cmd::kRoundNumbers, N_("Номера рядов")},
                              kSeparator,
                              kZoomMenu,
                              kLargeIcons,
                              kSeparator,
                              kLanguages};
constexpr Entry kWindow129[] = {{cmd::kNewWindow, N_("Новое (&N)")},
                                {cmd::kCascade, N_("Каскад (&C)")},
                                {cmd::kTile, N_("Мозаика (&T)")},
                                {cmd::kArrange, N_("Упорядочить (&A)")}};

bool isToggle(uint16_t id)
{
    for (const PaletteInfo& p : palettes())
        if (p.toggleCommand == id)
            return true;
    // A zoom level, or fitting the window, is checked while the window
    // shows it; so are the pixels while the window shows them.
    return id == cmd::kStatusBar || id == cmd::kToggleLegend || id == cmd::kTogglePattern || id == cmd::kRoundNumbers ||
           id == cmd::kLargeIcons || id == cmd::kZoomFit || id == cmd::kShowPixels || zoomOfCommand(id) != 0;
}

} // namespace

std::span<const Accelerator> accelerators()
{
    static const Accelerator kTable[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), cmd::kNew},
        {QKeySequence(Qt::CTRL | Qt::Key_O), cmd::kOpen},
        {QKeySequence(Qt::CTRL | Qt::Key_S), cmd::kSave},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), cmd::kSaveAs},
        {QKeySequence(Qt::CTRL | Qt::Key_P), cmd::kPrint},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), cmd::kUndo},
        {QKeySequence(Qt::CTRL | Qt::Key_X), cmd::kCut},
        {QKeySequence(Qt::CTRL | Qt::Key_C), cmd::kCopy},
        {QKeySequence(Qt::CTRL | Qt::Key_V), cmd::kPaste},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), cmd::kUndo},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), cmd::kCut},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), cmd::kCopy},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), cmd::kPaste},
        {QKeySequence(Qt::Key_F6), cmd::kNextPane},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), cmd::kPreviousPane},
        // No menu item shows palettes 7 and 8; these keys do.
        {QKeySequence(Qt::CTRL | Qt::Key_F7), cmd::kTogglePalette7},
        {QKeySequence(Qt::CTRL | Qt::Key_F8), cmd::kTogglePalette8},
        // Ctrl and "=" too: on most keyboards "+" needs Shift on that key.
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), cmd::kZoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), cmd::kZoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), cmd::kZoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), cmd::kZoom100},
    };
    return kTable;
}

MainMenus::MainMenus(QWidget& owner, const Command& command)
{
    noChart_ = {build(owner, command, _("Файл (&F)"), kFile128), build(owner, command, _("Вид (&V)"), kView128),
                build(owner, command, _("Справка (&H)"), kHelp)};
    withChart_ = {build(owner, command, _("Файл(&F)"), kFile129), build(owner, command, _("Редактировать(&E)"), kEdit129),
                  build(owner, command, _("Вид(&V)"), kView129), windowMenu_ = build(owner, command, _("Окно(&W)"), kWindow129),
                  build(owner, command, _("Справка (&H)"), kHelp)};
}

QMenu* MainMenus::build(QWidget& owner, const Command& command, const char* title, std::span<const Entry> items)
{
    auto* menu = new QMenu(qs(title), &owner);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this] {
        if (beforeShow)
            beforeShow();
    });
    for (const auto& [id, text] : items) {
        if (id == 0) {
            menu->addSeparator();
            continue;
        }
        if (id == kRecentFiles.first) {
            addRecentFiles(*menu, command);
            continue;
        }
        if (id == kLanguages.first) {
            addLanguages(*menu, command);
            continue;
        }
        if (id == kZoomMenu.first) {
            addZoom(*menu, command);
            continue;
        }
        QAction* action = addItem(*menu, command, id, qs(_(text)));
        action->setCheckable(isToggle(id));
    }
    return menu;
}

QAction* MainMenus::addItem(QMenu& menu, const Command& command, uint16_t id, const QString& text)
{
    QAction* action = menu.addAction(text);
    action->setData(int(id));
    action->setStatusTip(qs(statusPrompt(id)));
    QObject::connect(action, &QAction::triggered, &menu, [command, id] { command(id); });
    items_.push_back({id, action});
    return action;
}

void MainMenus::addLanguages(QMenu& menu, const Command& command)
{
    QMenu* languages = menu.addMenu(qs(_("Язык")));
    auto* oneOf = new QActionGroup(languages);
    for (const auto& [id, name] : kLanguageNames) {
        QAction* action = addItem(*languages, command, id, qs(name));
        action->setCheckable(true);
        oneOf->addAction(action);
    }
}

void MainMenus::addZoom(QMenu& menu, const Command& command)
{
    QMenu* zoom = menu.addMenu(qs(_(kZoomMenu.second)));
    zoom->setObjectName(QStringLiteral("zoomMenu"));
    for (const auto& [id, text] : kZoomItems) {
        if (id == 0) {
            zoom->addSeparator();
            continue;
        }
        QAction* action = addItem(*zoom, command, id, qs(_(text)));
        action->setCheckable(isToggle(id));
    }
}

void MainMenus::addRecentFiles(QMenu& menu, const Command& command)
{
    for (uint16_t id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id) {
        QAction* action = menu.addAction(QString());
        action->setData(int(id));
        action->setStatusTip(qs(_(kRecentFilePrompt)));
        action->setVisible(false);
        QObject::connect(action, &QAction::triggered, &menu, [command, id] { command(id); });
        recentFiles_.push_back(action);
    }
    QAction* separator = menu.addSeparator();
    separator->setVisible(false);
    recentSeparators_.push_back(separator);
}

void MainMenus::setRecentFiles(const QStringList& paths)
{
    const int perMenu = cmd::kRecentFileLast - cmd::kRecentFile1 + 1;
    for (size_t i = 0; i < recentFiles_.size(); ++i) {
        const int n = int(i) % perMenu;
        QAction* action = recentFiles_[i];
        action->setVisible(n < paths.size());
        if (n < paths.size())
            action->setText(QStringLiteral("&%1 %2").arg(n + 1).arg(recentFileText(paths[n])));
    }
    for (QAction* separator : recentSeparators_)
        separator->setVisible(!paths.isEmpty());
}

void MainMenus::setCharts(const QStringList& captions, int active)
{
    qDeleteAll(charts_);
    charts_.clear();
    if (!chartsSeparator_)
        chartsSeparator_ = windowMenu_->addSeparator();
    chartsSeparator_->setVisible(!captions.isEmpty());
    for (int i = 0; i < captions.size(); ++i) {
        QString text = QString(captions[i]).replace(QStringLiteral("&"), QStringLiteral("&&"));
        // The first nine are chosen by their digit, as MDI programs number them.
        text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(text) : QStringLiteral("%1 %2").arg(i + 1).arg(text);
        QAction* action = windowMenu_->addAction(text);
        action->setCheckable(true);
        action->setChecked(i == active);
        QObject::connect(action, &QAction::triggered, windowMenu_, [this, i] {
            if (chartChosen)
                chartChosen(i);
        });
        charts_.append(action);
    }
}

QString MainMenus::recentFileText(const QString& path)
{
    // The home folder as "~", and a long path shortened in its middle, so
    // that the file's own name and where it lies both stay readable.
    constexpr qsizetype kLongest = 60;
    QString text = QDir::toNativeSeparators(path);
    const QString home = QDir::toNativeSeparators(QDir::homePath());
    if (home.size() > 1 && text.startsWith(home + QDir::separator()))
        text = QStringLiteral("~") + text.mid(home.size());
    if (text.size() > kLongest) {
        const qsizetype tail = kLongest * 2 / 3;
        text = text.left(kLongest - tail - 1) + QStringLiteral("…") + text.right(tail);
    }
    // An ampersand in a file name is shown, not taken for a menu key.
    return text.replace(QStringLiteral("&"), QStringLiteral("&&"));
}

void MainMenus::show(QMenuBar& bar, bool chartOpen)
{
    if (shown_ && chartOpen == chartOpen_)
        return;
    shown_ = true;
    chartOpen_ = chartOpen;
    bar.clear();
    for (QMenu* menu : menus(chartOpen))
        bar.addMenu(menu);
}

void MainMenus::setChecked(uint16_t id, bool checked)
{
    for (const Item& item : items_)
        if (item.id == id)
            item.action->setChecked(checked);
}

QList<QAction*> MainMenus::actions(uint16_t id) const
{
    QList<QAction*> out;
    for (const Item& item : items_)
        if (item.id == id)
            out.append(item.action);
    return out;
}

} // namespace loopora::app
