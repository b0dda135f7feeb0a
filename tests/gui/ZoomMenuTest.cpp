// The zoom of the active chart window from the View menu's "Масштаб" submenu
// and from the keys: the levels check-marked as the window shows them, and the
// status bar's zoom pane following every change and every other window.

#include "GuiSupport.h"

#include "app/ChildFrame.h"
#include "app/MainMenus.h"
#include "app/StatusPanes.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/Viewport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

QAction* item(Editor& editor, uint16_t id) { return editor.frame().menus().actions(id).value(0); }

// The zoom items that carry a check mark.
QList<uint16_t> checkedZoomItems(Editor& editor)
{
    QList<uint16_t> out;
    QList<uint16_t> ids;
    for (int32_t level : kZoomLevels)
        ids.append(commandOfZoom(level));
    ids.append({cmd::kZoomFit, cmd::kShowPixels});
    for (uint16_t id : ids)
        if (item(editor, id)->isChecked())
            out.append(id);
    return out;
}

int zoomOf(Editor& editor) { return editor.app().activeView()->zoomPercent(); }
QString paneOf(Editor& editor) { return editor.frame().statusPanes().zoomText(); }

// Ctrl with a key, pressed on the main window as a user would.
void pressCtrl(Editor& editor, Qt::Key key)
{
    QTest::keyClick(editor.frame().windowHandle(), key, Qt::ControlModifier);
    QApplication::processEvents();
}

} // namespace

class ZoomMenuTest : public QObject {
    Q_OBJECT
private slots:
    void theViewMenuHoldsTheZoomSubmenu()
    {
        Editor editor;
        editor.newChart(200, 200);
        QMenu* view = editor.frame().menus().menus(true)[2];
        auto* zoom = view->findChild<QMenu*>(QStringLiteral("zoomMenu"));
        QVERIFY(zoom);
        QCOMPARE(zoom->title(), QStringLiteral("Масштаб"));
        QVERIFY(view->actions().contains(zoom->menuAction()));
        QCOMPARE(itemTexts(*zoom), QStringList({"25%", "50%", "75%", "100%\tCtrl+0", "150%", "200%", "300%", "400%", "600%",
                                                "800%", "По размеру окна", "Увеличить\tCtrl++", "Уменьшить\tCtrl+-",
                                                "Пиксели"}));
        // The levels and "fit to window" carry check marks; zooming in and out do not.
        QCOMPARE(item(editor, cmd::kZoom600)->isCheckable(), true);
        QCOMPARE(item(editor, cmd::kZoomFit)->isCheckable(), true);
        QCOMPARE(item(editor, cmd::kShowPixels)->isCheckable(), true);
        QCOMPARE(item(editor, cmd::kZoomIn)->isCheckable(), false);
        QCOMPARE(item(editor, cmd::kZoomOut)->isCheckable(), false);
        QCOMPARE(paneOf(editor), QStringLiteral("100%"));
    }

    void aLevelChosenInTheMenuZoomsAndIsChecked()
    {
        Editor editor;
        editor.newChart(2000, 1500); // larger than the window: not fitted to it at 100 %
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom100});

        // Through the menu bar, with the keyboard, as a user would.
        QMenu* view = editor.frame().menus().menus(true)[2];
        auto* zoom = view->findChild<QMenu*>(QStringLiteral("zoomMenu"));
        QAction* level300 = item(editor, cmd::kZoom300);
        whenPopup([zoom, level300](QMenu* menu) {
            menu->setActiveAction(zoom->menuAction());
            QTest::keyClick(menu, Qt::Key_Right);
            zoom->setActiveAction(level300);
            QTest::keyClick(zoom, Qt::Key_Return);
        });
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(zoomOf(editor), 300);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(paneOf(editor), QStringLiteral("300%"));
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom300});

        item(editor, cmd::kZoomIn)->trigger();
        QCOMPARE(zoomOf(editor), 400);
        QCOMPARE(paneOf(editor), QStringLiteral("400%"));
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom400});
        item(editor, cmd::kZoomOut)->trigger();
        item(editor, cmd::kZoomOut)->trigger();
        QCOMPARE(zoomOf(editor), 200);
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom200});
        item(editor, cmd::kZoom800)->trigger();
        QCOMPARE(paneOf(editor), QStringLiteral("800%"));
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom800});
    }

    void fitToWindowShowsTheWholeSheetAtTheLargestZoom()
    {
        Editor editor;
        editor.newChart(100, 80);
        auto* frame = editor.frame().childFrame(0);
        frame->resize(frame->size().expandedTo(QSize(460, 400)));
        QApplication::processEvents();
        const QSize client = editor.activeViewport()->size();
        item(editor, cmd::kZoomFit)->trigger();
        const int fit = zoomOf(editor);
        QVERIFY2(fit > 100, qPrintable(QStringLiteral("the fitting zoom is %1").arg(fit)));
        QVERIFY(100 * fit / 100 <= client.width() && 80 * fit / 100 <= client.height());
        // The next level would not show the whole sheet.
        item(editor, cmd::kZoomIn)->trigger();
        QVERIFY(100 * zoomOf(editor) / 100 > client.width() || 80 * zoomOf(editor) / 100 > client.height());
        item(editor, cmd::kZoomFit)->trigger();
        QCOMPARE(zoomOf(editor), fit);
        QCOMPARE(paneOf(editor), QStringLiteral("%1%").arg(fit));
        // "Fit to window" is checked, and so is the fitting zoom should it be one of the levels.
        if (commandOfZoom(fit) != 0)
            QCOMPARE(checkedZoomItems(editor), (QList<uint16_t>{commandOfZoom(fit), cmd::kZoomFit}));
        else
            QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoomFit});
    }

    void theKeysZoomAndCtrlZeroGoesBackToOneHundred()
    {
        Editor editor;
        editor.newChart(300, 300);
        pressCtrl(editor, Qt::Key_Plus);
        QCOMPARE(zoomOf(editor), 150);
        QCOMPARE(paneOf(editor), QStringLiteral("150%"));
        pressCtrl(editor, Qt::Key_Equal);
        QCOMPARE(zoomOf(editor), 200);
        pressCtrl(editor, Qt::Key_Minus);
        QCOMPARE(zoomOf(editor), 150);
        for (int i = 0; i < 6; ++i)
            pressCtrl(editor, Qt::Key_Plus);
        QCOMPARE(zoomOf(editor), 800); // the largest level stays
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom800});
        pressCtrl(editor, Qt::Key_0);
        QCOMPARE(zoomOf(editor), 100);
        QCOMPARE(paneOf(editor), QStringLiteral("100%"));
        for (int i = 0; i < 4; ++i)
            pressCtrl(editor, Qt::Key_Minus);
        QCOMPARE(zoomOf(editor), 25); // and so does the smallest
        QCOMPARE(paneOf(editor), QStringLiteral("25%"));
        // Ctrl and the keypad's plus, as the numeric keypad sends it.
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
        QCOMPARE(zoomOf(editor), 50);
    }

    void pixelsShowTheBitmapAtAnyZoomAndAreChecked()
    {
        Editor editor;
        editor.newChart(300, 300);
        item(editor, cmd::kZoom400)->trigger();
        QVERIFY(!editor.app().activeView()->showsPixels());
        item(editor, cmd::kShowPixels)->trigger();
        QVERIFY(editor.app().activeView()->showsPixels());
        QCOMPARE(checkedZoomItems(editor), (QList<uint16_t>{cmd::kZoom400, cmd::kShowPixels}));
        item(editor, cmd::kShowPixels)->trigger();
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom400});
    }

    void thePaneShowsTheActiveWindowsZoom()
    {
        Editor editor;
        QCOMPARE(paneOf(editor), QStringLiteral(" "));
        editor.newChart(200, 200);
        QMdiSubWindow* first = editor.frame().mdiArea().activeSubWindow();
        pressCtrl(editor, Qt::Key_Plus);
        pressCtrl(editor, Qt::Key_Plus);
        pressCtrl(editor, Qt::Key_Plus);
        QCOMPARE(paneOf(editor), QStringLiteral("300%"));
        editor.newChart(200, 200);
        QCOMPARE(paneOf(editor), QStringLiteral("100%")); // a new window opens at 100 %
        QCOMPARE(checkedZoomItems(editor).value(0), cmd::kZoom100);
        QMdiSubWindow* second = editor.frame().mdiArea().activeSubWindow();
        editor.frame().mdiArea().setActiveSubWindow(first);
        QCOMPARE(paneOf(editor), QStringLiteral("300%"));
        QCOMPARE(checkedZoomItems(editor), QList<uint16_t>{cmd::kZoom300});
        editor.frame().mdiArea().setActiveSubWindow(second);
        QCOMPARE(paneOf(editor), QStringLiteral("100%"));
        editor.app().closeAll();
        QApplication::processEvents();
        QCOMPARE(paneOf(editor), QStringLiteral(" "));
    }
};

LOOPORA_GUI_TEST(ZoomMenuTest);
#include "ZoomMenuTest.moc"
