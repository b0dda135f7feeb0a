#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/RecentFiles.h"
#include "app/Palettes.h"
#include "document/ElementTypes.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <cstdio>
#include <vector>

namespace loopora::test {
namespace {

std::vector<TestFactory>& registry()
{
    static std::vector<TestFactory> factories;
    return factories;
}

// Fires a handler once when a condition holds, checking every few milliseconds
// for at most ten seconds; it deletes itself afterwards.
class Poller : public QObject {
public:
    Poller(std::function<QWidget*()> find, std::function<void(QWidget*)> handler)
        : QObject(qApp), find_(std::move(find)), handler_(std::move(handler))
    {
        setObjectName(QStringLiteral("loopora-test-answer"));
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, &Poller::check);
        timer_.start();
    }

    // Gives up waiting; the test that prepared the answer is over.
    void cancel()
    {
        timer_.stop();
        deleteLater();
    }

private:
    void check()
    {
        if (++ticks_ > 2000) {
            qWarning("a dialog or menu the test waited for never opened");
            timer_.stop();
            deleteLater();
            return;
        }
        QWidget* found = find_();
        if (!found || !found->isVisible())
            return;
        timer_.stop();
        deleteLater();
        handler_(found);
    }

    std::function<QWidget*()> find_;
    std::function<void(QWidget*)> handler_;
    QTimer timer_;
    int ticks_ = 0;
};

// What the offscreen platform and a bare test environment say about
// themselves, whatever the editor does: no desktop to ask for window
// features, no session folder.
bool aboutTheTestPlatform(const QString& message)
{
    return message.startsWith(QStringLiteral("This plugin does not support")) ||
           message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"));
}

QtMessageHandler testLog = nullptr;
int warningsOutsideTests = 0;

// Every warning fails the test it came in: the editor prints none in normal
// use. The message still goes to the test log; the platform's are left out.
void failOnWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (aboutTheTestPlatform(message))
        return;
    if (testLog)
        testLog(type, context, message);
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(QStringLiteral("a warning: ") + message), context.file ? context.file : "", context.line);
    else
        ++warningsOutsideTests;
}

} // namespace

void registerGuiTest(TestFactory factory) { registry().push_back(std::move(factory)); }

int runGuiTests(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Each test closes its windows itself; the program must not end with them.
    QApplication::setQuitOnLastWindowClosed(false);
    // Settings go to a folder of this run, not to the user's.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QCoreApplication::setOrganizationName(app::kOrganisation);
    QCoreApplication::setApplicationName(app::kApplication);
    installElementTypes();
    int failed = 0;
    // LOOPORA_GUI_TEST=ClassName runs that class alone.
    const QByteArray only = qgetenv("LOOPORA_GUI_TEST");
    for (const TestFactory& factory : registry()) {
        std::unique_ptr<QObject> test = factory();
        if (!only.isEmpty() && only != test->metaObject()->className())
            continue;
        // The test log takes the messages once the test starts; this handler
        // goes in front of it.
        QTest::qInit(test.get(), argc, argv);
        testLog = qInstallMessageHandler(failOnWarnings);
        failed += QTest::qRun() != 0;
        qInstallMessageHandler(testLog);
        testLog = nullptr;
        QTest::qCleanup();
    }
    if (warningsOutsideTests > 0)
        std::fprintf(stderr, "FAIL: %d warnings came between tests\n", warningsOutsideTests);
    return failed + warningsOutsideTests;
}

void whenModalWidget(const std::function<bool(QWidget*)>& isIt, const std::function<void(QWidget*)>& handler)
{
    new Poller(
        [isIt]() -> QWidget* {
            QWidget* modal = QApplication::activeModalWidget();
            return modal && isIt(modal) ? modal : nullptr;
        },
        handler);
}

void whenPopup(std::function<void(QMenu*)> handler)
{
    new Poller([]() -> QWidget* { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
               [handler](QWidget* w) { handler(qobject_cast<QMenu*>(w)); });
}

QStringList itemTexts(const QMenu& menu)
{
    QStringList out;
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->isVisible())
            out.append(action->text());
    return out;
}

void press(QWidget* dialog, const QString& nameOrText)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (button->objectName() == nameOrText || button->text() == nameOrText) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    qWarning("no button %s", qPrintable(nameOrText));
}

QLineEdit* lineEdit(QWidget* dialog, const char* key) { return dialog->findChild<QLineEdit*>(QString::fromUtf8(key)); }

Editor::Editor(Settings settings)
{
    // Each test starts as on a first run: no recent files, no kept window layout.
    if (settings == Settings::Forgotten)
        QSettings(app::kOrganisation, app::kApplication).clear();
    frame_ = std::make_unique<app::CMainFrame>();
    frame_->show();
    frame_->activateWindow();
    if (!QTest::qWaitForWindowActive(frame_.get()))
        qWarning("the main window did not become active");
}

Editor::~Editor()
{
    // Whatever a test left open goes without questions, and answers it
    // prepared for prompts that never came are not given to the next test.
    frame_->app().closeAll();
    for (QObject* answer : qApp->findChildren<QObject*>(QStringLiteral("loopora-test-answer"), Qt::FindDirectChildrenOnly))
        static_cast<Poller*>(answer)->cancel();
}

void Editor::activate()
{
    // As a window manager gives the main window back its activation once a
    // modal dialog closes; the offscreen platform does not.
    frame_->activateWindow();
    if (!QTest::qWaitForWindowActive(frame_.get()))
        qWarning("the main window did not become active");
}

void Editor::newChart(int width, int height, int background, int spacing)
{
    frame_->app().newChart(width, height, background, spacing);
    QApplication::processEvents();
}

QWidget* Editor::viewport(size_t chart) const
{
    app::CPattraViewWidget* widget = frame_->chartWidget(chart);
    return widget ? widget->viewport() : nullptr;
}

void Editor::pressButton(uint16_t id)
{
    QAction* action = frame_->palettes().button(id);
    QVERIFY2(action, "no palette button for the command");
    for (QObject* o : action->associatedObjects())
        if (auto* bar = qobject_cast<QToolBar*>(o)) {
            QWidget* button = bar->widgetForAction(action);
            QVERIFY2(button && button->isVisible(), "the palette button is not shown");
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
}

void Editor::drag(QPoint from, QPoint to, int steps)
{
    QWidget* view = activeViewport();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    for (int i = 1; i <= steps; ++i)
        QTest::mouseMove(view, from + (to - from) * i / steps);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    QApplication::processEvents();
}

void Editor::click(QPoint at, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(activeViewport(), Qt::LeftButton, modifiers, at);
    QApplication::processEvents();
}

void Editor::rightClick(QPoint at)
{
    // The request a right click makes the window send. (A simulated right
    // press would keep its button held through the menu and the dialogs it
    // leads to, as no real mouse does, and misdirect their clicks.)
    QWidget* view = activeViewport();
    QTest::mouseMove(view, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, view->mapToGlobal(at));
    QApplication::sendEvent(view, &request);
}

} // namespace loopora::test
