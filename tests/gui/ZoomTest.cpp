// Zooming a chart window with real events: Ctrl and the wheel zoom about the
// pointer, the wheel alone scrolls; at any zoom the mouse places symbols at
// the chart points under it, and what the window shows after scrolling is
// what the view drew.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"

#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

using namespace loopora;
using namespace loopora::test;

namespace {

// Turns the wheel over a window point by notches (120 each), with keys held.
void turnWheel(QWidget* viewport, QPoint at, int notches, Qt::KeyboardModifiers keys)
{
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QApplication::processEvents();
}

// The viewport as the screen shows it, against the view's own pixels.
bool screenShowsTheView(Editor& editor)
{
    QApplication::processEvents();
    QWidget* viewport = editor.activeViewport();
    QWidget* window = viewport->window();
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    const QPoint corner = viewport->mapTo(window, QPoint(0, 0));
    const PixelBuffer& pixels = editor.app().activeView()->pixels();
    if (shown.isNull())
        return false;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x)
            if ((shown.pixel(corner + QPoint(x, y)) & 0xFFFFFFu) != pixels.at(x, y)) {
                qWarning("window pixel (%d, %d) shows %06x, the view drew %06x", x, y,
                         shown.pixel(corner + QPoint(x, y)) & 0xFFFFFFu, pixels.at(x, y));
                return false;
            }
    return true;
}

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void ctrlWheelZoomsAboutThePointer()
    {
        Editor editor;
        editor.newChart(600, 600);
        QWidget* viewport = editor.activeViewport();
        const QSize windowSize = editor.frame().childFrame(0)->size();
        CPattraView* view = editor.app().activeView();
        const QPoint at(140, 90);
        const Point under = view->windowToChart({at.x(), at.y()});
        turnWheel(viewport, at, 1, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 200);
        QCOMPARE(view->windowToChart({at.x(), at.y()}), under);
        turnWheel(viewport, at, 3, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 600);
        QCOMPARE(view->windowToChart({at.x(), at.y()}), under);
        // The window keeps its size; the scroll range is the enlarged sheet.
        QCOMPARE(editor.frame().childFrame(0)->size(), windowSize);
        QCOMPARE(editor.frame().chartWidget(0)->horizontalScrollBar()->maximum(), 3600 - viewport->width());

        // Without Ctrl the wheel scrolls and the zoom stays.
        const int scrolled = editor.frame().chartWidget(0)->verticalScrollBar()->value();
        turnWheel(viewport, at, -1, {});
        QCOMPARE(view->zoomPercent(), 600);
        QVERIFY(editor.frame().chartWidget(0)->verticalScrollBar()->value() > scrolled);
        turnWheel(viewport, at, -5, Qt::ControlModifier);
        QCOMPARE(view->zoomPercent(), 100);
    }

    void theMousePlacesAtTheChartPointUnderIt()
    {
        Editor editor;
        editor.newChart(300, 300);
        turnWheel(editor.activeViewport(), {0, 0}, 2, Qt::ControlModifier);
        QCOMPARE(editor.app().activeView()->zoomPercent(), 300);
        editor.drag({241, 271}, {244, 181}); // chart (80, 90) to (81, 60)
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        const CChartElement* stem = editor.canvas().child(0)->child(1);
        QCOMPARE(stem->points().front(), (Point{80, 90}));
        QVERIFY(screenShowsTheView(editor));
    }

    void scrollingAZoomedChartShowsWhatTheViewDrew()
    {
        Editor editor;
        editor.newChart(600, 600);
        editor.drag({100, 300}, {110, 200});
        auto* widget = editor.frame().chartWidget(0);
        turnWheel(editor.activeViewport(), {100, 250}, 2, Qt::ControlModifier);
        QVERIFY(screenShowsTheView(editor));
        for (int step = 0; step < 6; ++step) {
            widget->verticalScrollBar()->setValue(widget->verticalScrollBar()->value() + 37);
            widget->horizontalScrollBar()->setValue(widget->horizontalScrollBar()->value() - 11);
            QVERIFY(screenShowsTheView(editor));
        }
    }
};

LOOPORA_GUI_TEST(ZoomTest);
#include "ZoomTest.moc"
