// The palettes and the View menu: hidden palettes shown and hidden again from
// the menu with the check mark following, the two palettes without a menu
// item reached by their keys, the status bar toggle, the Window menu, and
// large icons on every palette, kept for the next start.

#include "GuiSupport.h"

#include "app/MainMenus.h"
#include "app/PaletteIcons.h"
#include "app/Palettes.h"
#include "document/TypeTable.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using namespace loopora;
using namespace loopora::test;

class PalettesTest : public QObject {
    Q_OBJECT
private slots:
    void hiddenPaletteFromTheViewMenu()
    {
        Editor editor;
        editor.newChart();
        QToolBar* palette4 = editor.frame().palettes().palette(4);
        QAction* item = editor.frame().menus().actions(cmd::kTogglePalette4).value(0);
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("Группы с петлями 2"));
        QVERIFY(palette4->isHidden());
        QVERIFY(!item->isChecked());

        // Through the menu bar, with the keyboard, as a user would.
        QMenu* view = editor.frame().menus().menus(true)[2];
        whenPopup([item](QMenu* menu) {
            menu->setActiveAction(item);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(!palette4->isHidden());
        QTRY_VERIFY(!view->isVisible());
        QVERIFY(item->isChecked());

        item->trigger();
        QVERIFY(palette4->isHidden());
        QVERIFY(!item->isChecked());
    }

    void palettesSevenAndEightHaveKeys()
    {
        Editor editor;
        QToolBar* palette7 = editor.frame().palettes().palette(7);
        QToolBar* palette8 = editor.frame().palettes().palette(8);
        QVERIFY(palette7->isHidden() && palette8->isHidden());
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_F7, Qt::ControlModifier);
        QVERIFY(!palette7->isHidden());
        editor.frame().command(cmd::kTogglePalette8);
        QVERIFY(!palette8->isHidden());
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_F7, Qt::ControlModifier);
        QVERIFY(palette7->isHidden());
    }

    void toolbarItemTogglesPaletteOneOnly()
    {
        Editor editor;
        editor.frame().command(cmd::kToolbar);
        QVERIFY(editor.frame().palettes().palette(1)->isHidden());
        QVERIFY(!editor.frame().palettes().palette(2)->isHidden());
        QVERIFY(!editor.frame().menus().actions(cmd::kToolbar).value(0)->isChecked());
        editor.frame().command(cmd::kStatusBar);
        QVERIFY(editor.frame().statusBar()->isHidden());
        editor.frame().command(cmd::kStatusBar);
        QVERIFY(!editor.frame().statusBar()->isHidden());
    }

    void chartWindowsOpenAtTheTopLeftAndArrange()
    {
        Editor editor;
        editor.newChart(200, 200);
        editor.newChart(200, 200);
        QMdiArea& area = editor.frame().mdiArea();
        QCOMPARE(area.subWindowList().size(), 2);
        for (QMdiSubWindow* child : area.subWindowList())
            QCOMPARE(child->pos(), QPoint(0, 0));
        QCOMPARE(editor.app().activeIndex(), size_t(1));
        editor.frame().command(cmd::kCascade);
        QVERIFY(area.subWindowList()[0]->pos() != area.subWindowList()[1]->pos());
        editor.frame().command(cmd::kTile);
        editor.frame().command(cmd::kNewWindow); // refused: still two windows
        QCOMPARE(area.subWindowList().size(), 2);
        // F6 goes to the other chart window, and the application follows.
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_F6);
        QCOMPARE(editor.app().activeIndex(), size_t(0));
    }

    void largeIconsDoubleEveryPaletteWithSymbolsDrawnAtThatSize()
    {
        Editor editor;
        app::Palettes& palettes = editor.frame().palettes();
        const QList<QAction*> items = editor.frame().menus().actions(cmd::kLargeIcons);
        QCOMPARE(items.size(), 2); // in the View menu with and without a chart
        QCOMPARE(items[0]->text(), QStringLiteral("Крупные значки"));
        QVERIFY(items[0]->isCheckable() && !items[0]->isChecked());
        QToolBar* symbols = palettes.palette(3);
        const uint16_t fan = loopora::palettes().at(2).buttons.front();
        QWidget* button = symbols->widgetForAction(palettes.button(fan));
        QCOMPARE(symbols->iconSize(), QSize(27, 23));
        const QSize small = button->size();

        items[0]->trigger();
        QApplication::processEvents();
        QVERIFY(items[0]->isChecked() && items[1]->isChecked());
        for (const PaletteInfo& info : loopora::palettes())
            QCOMPARE(palettes.palette(info.number)->iconSize(), QSize(2 * info.buttonWidth, 2 * info.buttonHeight));
        // The button grows by what its picture grows, its frame staying as it was.
        QVERIFY2(button->width() >= small.width() + 27 && button->height() >= small.height() + 23,
                 qPrintable(QStringLiteral("%1 x %2").arg(button->width()).arg(button->height())));
        // Built and drawn anew at the larger size, not an enlarged small picture.
        const QImage shown = palettes.button(fan)->icon().pixmap(QSize(54, 46)).toImage();
        const QImage drawn = app::symbolPicture(elementTypeOfCommand(fan)->id, QSize(54, 46), 1);
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));

        editor.newChart(200, 200);
        editor.frame().command(cmd::kLargeIcons);
        QVERIFY(!items[0]->isChecked() && !items[1]->isChecked());
        QCOMPARE(symbols->iconSize(), QSize(27, 23));
        QApplication::processEvents();
        QCOMPARE(button->size(), small);
    }

    void largeIconsAreKeptForTheNextStart()
    {
        {
            Editor editor;
            editor.frame().command(cmd::kLargeIcons);
        }
        {
            Editor again(Editor::Settings::Kept);
            QCOMPARE(again.frame().palettes().palette(2)->iconSize(), QSize(30, 34));
            QVERIFY(again.frame().menus().actions(cmd::kLargeIcons).value(0)->isChecked());
            again.frame().command(cmd::kLargeIcons);
        }
        Editor small(Editor::Settings::Kept);
        QCOMPARE(small.frame().palettes().palette(2)->iconSize(), QSize(15, 17));
        QVERIFY(!small.frame().menus().actions(cmd::kLargeIcons).value(0)->isChecked());
    }
};

LOOPORA_GUI_TEST(PalettesTest);
#include "PalettesTest.moc"
