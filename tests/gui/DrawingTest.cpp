// Drawing with real mouse and key events: a palette button chooses the
// symbol, a drag places it, the buttons show which tool is current, the
// status bar follows the pointer, and the keys undo, redo and nudge.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"
#include "app/Palettes.h"
#include "app/StatusPanes.h"
#include "document/History.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "view/CommandIds.h"

#include <QScrollBar>
#include <QShortcut>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

constexpr uint16_t kDoubleButton = 32805;
constexpr uint16_t kTrebleButton = 32806;

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void paletteButtonAndDragPlaceTheSymbol()
    {
        Editor editor;
        editor.newChart();
        app::Palettes& palettes = editor.frame().palettes();
        QVERIFY(palettes.button(kDoubleButton)->isChecked()); // a new view's tool is "double"
        editor.pressButton(kTrebleButton);
        QVERIFY(palettes.button(kTrebleButton)->isChecked());
        QVERIFY(!palettes.button(kDoubleButton)->isChecked());
        QCOMPARE(QString::fromStdString(editor.app().activeView()->tools().currentToolName()), QStringLiteral("treble"));

        editor.drag({200, 300}, {200, 200});
        CCanvas& canvas = editor.canvas();
        QCOMPARE(canvas.childCount(), size_t(1));
        QCOMPARE(typeName(canvas.child(0)->typeId()), std::string_view("treble"));
        const Rect bounds = canvas.child(0)->getBounds();
        QVERIFY(bounds.top <= 202 && bounds.bottom >= 298);

        // The stroke is on the screen: the view's pixels hold black where the stem stands.
        QApplication::processEvents();
        const PixelBuffer& pixels = editor.app().activeView()->pixels();
        int black = 0;
        for (int y = 210; y < 290; ++y)
            for (int x = 190; x < 210; ++x)
                black += pixels.at(x, y) == 0;
        QVERIFY(black > 20);
    }

    void shortDragPlacesNothing()
    {
        Editor editor;
        editor.newChart();
        editor.drag({100, 100}, {102, 102});
        QCOMPARE(editor.canvas().childCount(), size_t(0));
    }

    void escapeCancelsTheDragInProgress()
    {
        Editor editor;
        editor.newChart(300, 300);
        QWidget* view = editor.activeViewport();
        QTest::mousePress(view, Qt::LeftButton, {}, {100, 250});
        QTest::mouseMove(view, {100, 150});
        QTest::keyClick(view, Qt::Key_Escape);
        QTest::mouseMove(view, {100, 120});
        QTest::mouseRelease(view, Qt::LeftButton, {}, {100, 120});
        QCOMPARE(editor.canvas().childCount(), size_t(0));
        QVERIFY(!QWidget::mouseGrabber());
    }

    void releaseOutsideTheWindowEndsTheDrag()
    {
        Editor editor;
        editor.newChart(300, 300);
        QWidget* view = editor.activeViewport();
        QTest::mousePress(view, Qt::LeftButton, {}, {100, 250});
        QTest::mouseMove(view, {100, 150});
        QTest::mouseMove(view, {100, view->height() + 40}); // out of the chart window
        QTest::mouseRelease(view, Qt::LeftButton, {}, {100, view->height() + 40});
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        QVERIFY(!QWidget::mouseGrabber());
    }

    void statusBarShowsBothCoordinates()
    {
        Editor editor;
        editor.newChart(600, 600);
        auto* widget = editor.frame().chartWidget(0);
        editor.frame().childFrame(0)->resize(300, 300);
        QApplication::processEvents();
        widget->horizontalScrollBar()->setValue(40);
        widget->verticalScrollBar()->setValue(30);
        const int scrolledX = widget->horizontalScrollBar()->value();
        const int scrolledY = widget->verticalScrollBar()->value();
        QTest::mouseMove(editor.activeViewport(), {50, 60});
        QApplication::processEvents();
        app::StatusPanes& status = editor.frame().statusPanes();
        QCOMPARE(status.windowText(), QStringLiteral("屏幕坐标:(50,60)"));
        QVERIFY(scrolledX > 0 && scrolledY > 0);
        QCOMPARE(status.chartText(), QStringLiteral("逻辑坐标:(%1,%2)").arg(50 + scrolledX).arg(60 + scrolledY));
    }

    void undoAndRedoKeys()
    {
        Editor editor;
        editor.newChart();
        editor.drag({150, 300}, {150, 220});
        CChartElement* placed = editor.canvas().child(0);
        QVERIFY(!placed->isDeleted());
        QTest::keyClick(editor.activeViewport(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(placed->isDeleted());
        QTest::keyClick(editor.activeViewport(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!placed->isDeleted());
        QTest::keyClick(editor.activeViewport(), Qt::Key_Backspace, Qt::AltModifier);
        QVERIFY(placed->isDeleted());
        QTest::keyClick(editor.activeViewport(), Qt::Key_F10, Qt::ControlModifier);
        QVERIFY(!placed->isDeleted());
    }

    void arrowsMoveTheSelection()
    {
        Editor editor;
        editor.newChart();
        editor.drag({150, 300}, {150, 220});
        const Point before = editor.canvas().child(0)->points()[0];
        QTest::keyClick(editor.activeViewport(), Qt::Key_Left);
        QCOMPARE(editor.canvas().child(0)->points()[0].x, before.x - 5);
        QTest::keyClick(editor.activeViewport(), Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(editor.canvas().child(0)->points()[0].x, before.x - 4);
        QTest::keyClick(editor.activeViewport(), Qt::Key_Delete);
        QVERIFY(editor.canvas().child(0)->isDeleted());
    }

    void hotKeysBelongToTheProgramOnlyWhileAChartIsOpen()
    {
        Editor editor;
        QList<QShortcut*> shortcuts = editor.frame().findChildren<QShortcut*>();
        QCOMPARE(shortcuts.size(), 6);
        for (QShortcut* s : shortcuts) {
            QCOMPARE(s->context(), Qt::ApplicationShortcut);
            QVERIFY(!s->isEnabled());
        }
        editor.newChart();
        for (QShortcut* s : shortcuts)
            QVERIFY(s->isEnabled());
    }
};

LOOPORA_GUI_TEST(DrawingTest);
#include "DrawingTest.moc"
