#include "app/MainMenus.h"

#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace loopora::app {
namespace {

// id 0: a separator; kRecentFiles: the recent files; kZoomSubmenu: the zoom submenu
using Entry = std::pair<uint16_t, const char*>;

constexpr Entry kNew = {cmd::kNew, "Создать (&N)\tCtrl+N"};
constexpr Entry kExit = {cmd::kExit, "Выход (&X)"};
constexpr Entry kToolbar = {cmd::kToolbar, "Панель инструментов (&T)"};
constexpr Entry kStatusBar = {cmd::kStatusBar, "Строка статуса (&S)"};
constexpr Entry kAbout = {cmd::kAbout, "О программе Loopora (&A)..."};
constexpr Entry kSeparator = {0, ""};
// Where the recent files are listed, each as "&1 path", and followed by a
// separator of their own while there are any.
constexpr Entry kRecentFiles = {cmd::kRecentFile1, ""};
constexpr const char* kRecentFilePrompt = "Открыть эту схему";
constexpr Entry kLargeIcons = {cmd::kLargeIcons, "Крупные значки"};
// Where the View menu holds the zoom of the active chart window as a submenu.
constexpr uint16_t kZoomSubmenu = 1;
constexpr const char* kZoomTitle = "Масштаб";
constexpr Entry kZoom[] = {{cmd::kZoom100, "100%\tCtrl+0"},
                           {cmd::kZoom200, "200%"},
                           {cmd::kZoom300, "300%"},
                           {cmd::kZoom400, "400%"},
                           {cmd::kZoom600, "600%"},
                           {cmd::kZoom800, "800%"},
                           {cmd::kZoomFit, "По размеру окна"},
                           kSeparator,
                           {cmd::kZoomIn, "Увеличить\tCtrl++"},
                           {cmd::kZoomOut, "Уменьшить\tCtrl+-"}};

constexpr Entry kFile128[] = {kNew, {cmd::kOpen, "Открыть(&O)\tCtrl+O"}, kSeparator, kRecentFiles, kExit};
constexpr Entry kView128[] = {kToolbar, kStatusBar, kSeparator, kLargeIcons};
constexpr Entry kHelp[] = {kAbout};

constexpr Entry kFile129[] = {kNew,
                              {cmd::kOpen, "Открыть (&O)\tCtrl+O"},
                              {cmd::kSave, "Сохранить (&S)\tCtrl+S"},
                              {cmd::kSaveAs, "Сохранить как…\tCtrl+Shift+S"},
                              {cmd::kClose, "Закрыть (&C)"},
                              kSeparator,
                              {cmd::kSaveBitmap, "Сохранить в формате BMP"},
                              {cmd::kExportPdf, "Экспорт в PDF…"},
                              {cmd::kExportSvg, "Экспорт в SVG…"},
                              {cmd::kExportPng, "Экспорт в PNG…"},
                              kSeparator,
                              {cmd::kPrint, "Печать…\tCtrl+P"},
                              {cmd::kPrintPreview, "Предварительный просмотр"},
                              kSeparator,
                              kRecentFiles,
                              kExit};
constexpr Entry kEdit129[] = {{cmd::kUndo, "Отменить (&U)\tCtrl+Z"}, {cmd::kRedo, "Повторить\tCtrl+Y"}, kSeparator,
                              {cmd::kCut, "Вырезать (&T)\tCtrl+X"},  {cmd::kCopy, "Копировать (&C)\tCtrl+C"},
                              {cmd::kPaste, "Вставить (&P)\tCtrl+V"}};
constexpr Entry kView129[] = {kToolbar,
                              kStatusBar,
                              kSeparator,
                              {cmd::kTogglePalette2, "Простые символы"},
                              {cmd::kTogglePalette3, "Группы символов"},
                              {cmd::kTogglePalette5, "Группы с петлями"},
                              {cmd::kTogglePalette4, "Группы с петлями 2"},
                              {cmd::kTogglePalette6, "Группы с петлями 3"},
                              kSeparator,
                              {cmd::kToggleLegend, "Легенда"},
                              kSeparator,
                              {kZoomSubmenu, kZoomTitle},
                              kLargeIcons};
constexpr Entry kWindow129[] = {{cmd::kNewWindow, "Новое (&N)"},
                                {cmd::kCascade, "Каскад (&C)"},
                                {cmd::kTile, "Мозаика (&T)"},
                                {cmd::kArrange, "Упорядочить (&A)"}};

bool isToggle(uint16_t id)
{
    for (const PaletteInfo& p : palettes())
        if (p.toggleCommand == id)
            return true;
    // A zoom level, or fitting the window, is checked while the window shows it.
    return id == cmd::kStatusBar || id == cmd::kToggleLegend || id == cmd::kLargeIcons || id == cmd::kZoomFit ||
           zoomOfCommand(id) != 0;
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
    noChart_ = {build(owner, command, "Файл (&F)", kFile128), build(owner, command, "Вид (&V)", kView128),
                build(owner, command, "Справка (&H)", kHelp)};
    withChart_ = {build(owner, command, "Файл(&F)", kFile129), build(owner, command, "Редактировать(&E)", kEdit129),
                  build(owner, command, "Вид(&V)", kView129), build(owner, command, "Окно(&W)", kWindow129),
                  build(owner, command, "Справка (&H)", kHelp)};
}

QMenu* MainMenus::build(QWidget& owner, const Command& command, const char* title, std::span<const Entry> items)
{
    auto* menu = new QMenu(QString::fromUtf8(title), &owner);
    fill(*menu, command, items);
    return menu;
}

void MainMenus::fill(QMenu& menu, const Command& command, std::span<const Entry> items)
{
    QObject::connect(&menu, &QMenu::aboutToShow, &menu, [this] {
        if (beforeShow)
            beforeShow();
    });
    for (const auto& [id, text] : items) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        if (id == kRecentFiles.first) {
            addRecentFiles(menu, command);
            continue;
        }
        if (id == kZoomSubmenu) {
            auto* zoom = new QMenu(QString::fromUtf8(text), &menu);
            zoom->setObjectName(QStringLiteral("zoomMenu"));
            fill(*zoom, command, kZoom);
            menu.addMenu(zoom);
            continue;
        }
        QAction* action = menu.addAction(QString::fromUtf8(text));
        action->setData(int(id));
        action->setStatusTip(QString::fromUtf8(statusPrompt(id).data(), qsizetype(statusPrompt(id).size())));
        action->setCheckable(isToggle(id));
        const uint16_t chosen = id;
        QObject::connect(action, &QAction::triggered, &menu, [command, chosen] { command(chosen); });
        items_.push_back({id, action});
    }
}

void MainMenus::addRecentFiles(QMenu& menu, const Command& command)
{
    for (uint16_t id = cmd::kRecentFile1; id <= cmd::kRecentFileLast; ++id) {
        QAction* action = menu.addAction(QString());
        action->setData(int(id));
        action->setStatusTip(QString::fromUtf8(kRecentFilePrompt));
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
