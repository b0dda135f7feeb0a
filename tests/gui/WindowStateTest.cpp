// The main window keeps its size, position and the palettes' places and
// visibility from one run to the next; without kept settings it comes up as
// it always did.

#include "GuiSupport.h"

#include "app/MainMenus.h"
#include "app/Palettes.h"
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
        QSize expected(1200, 900);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            expected = expected.boundedTo(screen->availableSize());
        QCOMPARE(editor.frame().size(), expected);
        QVERIFY(editor.frame().palettes().palette(4)->isHidden());
        QCOMPARE(editor.frame().toolBarArea(editor.frame().palettes().palette(2)), Qt::LeftToolBarArea);
        QVERIFY(!editor.frame().statusBar()->isHidden());
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
