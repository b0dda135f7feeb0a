// The main window keeps its size, position and the palettes' places and
// visibility from one run to the next; without kept settings it comes up as
// it always did.

#include "GuiSupport.h"

#include "app/MainMenus.h"
#include "app/Palettes.h"
#include "app/WindowState.h"
#include "view/CommandIds.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace loopora;
using namespace loopora::test;

class WindowStateTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstRunLooksAsItAlwaysDid()
    {
        Editor editor;
        app::CMainFrame& frame = editor.frame();
        // 1200 x 900 as far as the screen's room takes the whole window, its decorations with it.
        const QRect room = frame.screen()->availableGeometry();
        const QSize decorations = frame.frameGeometry().size() - frame.size();
        QVERIFY2(room.contains(frame.frameGeometry()), "the window reaches beyond the screen");
        QCOMPARE(frame.size(), QSize(1200, 900).boundedTo(room.size() - decorations));
        QVERIFY(frame.palettes().palette(4)->isHidden());
        QCOMPARE(frame.toolBarArea(frame.palettes().palette(2)), Qt::LeftToolBarArea);
        QVERIFY(!frame.statusBar()->isHidden());
    }

    void aWindowIsFittedIntoTheScreensRoom()
    {
        // A 1440 x 900 screen with a 27-pixel panel on top, a window frame of 4 x 30 pixels.
        const QRect room(0, 27, 1440, 873);
        const struct {
            QRect frame, fitted;
        } cases[] = {
            {{0, 0, 1204, 930}, {0, 27, 1204, 873}},     // the default size: shorter, below the panel
            {{600, 100, 1204, 700}, {236, 100, 1204, 700}}, // moved left to show its right edge
            {{-50, 500, 300, 600}, {0, 300, 300, 600}},   // moved in from the left and up
            {{10, 40, 2000, 2000}, {0, 27, 1440, 873}},   // the whole room at most
            {{10, 40, 300, 200}, {10, 40, 300, 200}},     // a window that fits stays
        };
        for (const auto& c : cases)
            QCOMPARE(app::fittedFrame(c.frame, room), c.fitted);
    }

    void placesAndVisibilityAreKeptBetweenRuns()
    {
        {
            Editor editor;
            app::CMainFrame& frame = editor.frame();
            frame.resize(900, 640);
            frame.move(40, 30);
            frame.command(cmd::kTogglePalette4); // shown
            frame.command(cmd::kTogglePalette2); // hidden
            frame.addToolBar(Qt::RightToolBarArea, frame.palettes().palette(3));
            frame.command(cmd::kStatusBar);
            QTest::qWait(20);
            QVERIFY(frame.close());
        }
        Editor again(Editor::Settings::Kept);
        app::CMainFrame& frame = again.frame();
        QCOMPARE(frame.size(), QSize(900, 640));
        QCOMPARE(frame.pos(), QPoint(40, 30));
        QVERIFY(!frame.palettes().palette(4)->isHidden());
        QVERIFY(frame.palettes().palette(2)->isHidden());
        QCOMPARE(frame.toolBarArea(frame.palettes().palette(3)), Qt::RightToolBarArea);
        QVERIFY(frame.statusBar()->isHidden());
        // The View menu's check marks follow what was restored.
        QVERIFY(frame.menus().actions(cmd::kTogglePalette4).value(0)->isChecked());
        QVERIFY(!frame.menus().actions(cmd::kStatusBar).value(0)->isChecked());
    }
};

LOOPORA_GUI_TEST(WindowStateTest);
#include "WindowStateTest.moc"
