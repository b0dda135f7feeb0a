#pragma once
// What the GUI tests share: a registry of test classes run by one program,
// answering modal dialogs and popup menus as a user would once they open,
// and an editor window with helpers that press palette buttons and drag on
// a chart with real mouse events.

#include "app/MainFrame.h"

#include <QApplication>
#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <functional>
#include <memory>

class QAbstractButton;
class QLineEdit;

namespace loopora::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
void registerGuiTest(TestFactory factory);
int runGuiTests(int argc, char** argv);

#define LOOPORA_GUI_TEST(Class) \
    static const bool registered##Class = (loopora::test::registerGuiTest([] { return std::make_unique<Class>(); }), true)

// Polls until the active modal widget is a W, then hands it to the handler once.
void whenModalWidget(const std::function<bool(QWidget*)>& isIt, const std::function<void(QWidget*)>& handler);

template <class W>
void whenModal(std::function<void(W*)> handler)
{
    whenModalWidget([](QWidget* w) { return qobject_cast<W*>(w) != nullptr; },
                    [handler](QWidget* w) { handler(qobject_cast<W*>(w)); });
}

// Polls until a popup menu is open, then hands it to the handler once.
void whenPopup(std::function<void(QMenu*)> handler);

// The shown items' texts of a menu (separators and hidden items left out).
QStringList itemTexts(const QMenu& menu);
// Presses a dialog's button of that object name, or of that text.
void press(QWidget* dialog, const QString& nameOrText);
QLineEdit* lineEdit(QWidget* dialog, const char* key);

// A shown and active main window, as the program has it after start-up:
// as on a first run, or with the settings earlier windows kept.
class Editor {
public:
    enum class Settings { Forgotten, Kept };
    explicit Editor(Settings settings = Settings::Forgotten);
    ~Editor();

    app::CMainFrame& frame() { return *frame_; }
    CPattraApp& app() { return frame_->app(); }
    // A new chart without its dialog, as if the dialog was confirmed with these values.
    void newChart(int width = 600, int height = 600, int background = 1, int spacing = 30);
    QWidget* viewport(size_t chart) const;
    QWidget* activeViewport() const { return viewport(frame_->app().activeIndex()); }
    CCanvas& canvas() { return app().active()->document->canvas(); }

    // Makes the main window the active one again, after a dialog closed.
    void activate();
    // Clicks the palette button of a command.
    void pressButton(uint16_t id);
    // Press, move in steps and release with the left button on the active chart.
    void drag(QPoint from, QPoint to, int steps = 4);
    void click(QPoint at, Qt::KeyboardModifiers modifiers = {});
    void rightClick(QPoint at);

private:
    std::unique_ptr<app::CMainFrame> frame_;
};

} // namespace loopora::test
