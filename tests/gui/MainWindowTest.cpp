// The main window around the charts: its caption, and the room the charts
// have when palettes come and go.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"
#include "view/CommandIds.h"

#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionNamesAMaximisedChartWithoutEmptyBrackets()
    {
        Editor editor;
        editor.newChart();
        app::CChildFrame* child = editor.frame().childFrame(0);
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus"));
        const QString name = child->caption();
        QVERIFY(!name.isEmpty());

        child->showMaximized();
        QApplication::processEvents();
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus - [%1]").arg(name));
        editor.drag({200, 300}, {200, 200});
        editor.frame().refreshState();
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus - [%1*]").arg(name));

        // A chart window without a name adds nothing, modified or not.
        child->setCaption(QString());
        QApplication::processEvents();
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus"));
        editor.frame().command(cmd::kUndo);
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus"));

        child->setCaption(QStringLiteral("a[*]b.chart"));
        QApplication::processEvents();
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus - [a[*][*]b.chart]"));
        child->showNormal();
        QApplication::processEvents();
        QCOMPARE(editor.frame().windowTitle(), QStringLiteral("LooporaRus"));
    }

    void showingMorePalettesKeepsTheWholeSheetReachable()
    {
        Editor editor;
        editor.newChart(600, 600);
        app::CChildFrame* child = editor.frame().childFrame(0);
        QMdiArea& area = editor.frame().mdiArea();
        for (uint16_t id : {cmd::kTogglePalette4, cmd::kTogglePalette6, cmd::kTogglePalette7, cmd::kTogglePalette8})
            editor.frame().command(id);
        QApplication::processEvents();
        QVERIFY(area.viewport()->height() < child->height() + 100); // the palettes took room

        // Either the chart window fits the area and its own scroll bars reach
        // the whole sheet, or the area scrolls to the rest of the window.
        const QRect shown = area.viewport()->rect();
        const QRect window = child->geometry();
        app::CPattraViewWidget* view = child->chartWidget();
        const bool windowSeen = shown.contains(window) ||
                                (area.verticalScrollBar()->isVisible() &&
                                 area.verticalScrollBar()->maximum() >= window.bottom() - shown.bottom());
        QVERIFY2(windowSeen, "part of the chart window is out of reach");
        QVERIFY(view->verticalScrollBar()->maximum() + view->viewport()->height() >= 600);
        QVERIFY(view->horizontalScrollBar()->maximum() + view->viewport()->width() >= 600);
    }
};

LOOPORA_GUI_TEST(MainWindowTest);
#include "MainWindowTest.moc"
