// The main window around the charts: its caption, and the room the charts
// have when palettes come and go.

#include "GuiSupport.h"

#include "app/ChartViewWidget.h"
#include "app/ChildFrame.h"
#include "view/CommandIds.h"

#include <QMdiArea>
#include <QWindow>

#include <functional>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

// The caption as the desktop shows it, with the modified mark resolved.
QString shownCaption(Editor& editor) { return editor.frame().windowHandle()->title(); }

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void captionNamesAMaximisedChartWithoutEmptyBrackets()
    {
        Editor editor;
        editor.newChart();
        app::CChildFrame* child = editor.frame().childFrame(0);
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus"));
        const QString name = child->caption();
        QVERIFY(!name.isEmpty());

        child->showMaximized();
        QApplication::processEvents();
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus - [%1]").arg(name));
        editor.drag({200, 300}, {200, 200});
        editor.frame().refreshState();
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus - [%1*]").arg(name));

        // A chart window without a name adds nothing, modified or not.
        child->setCaption(QString());
        QApplication::processEvents();
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus"));
        editor.frame().command(cmd::kUndo);
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus"));

        child->setCaption(QStringLiteral("a[*]b.chart"));
        QApplication::processEvents();
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus - [a[*]b.chart]"));
        child->showNormal();
        QApplication::processEvents();
        QCOMPARE(shownCaption(editor), QStringLiteral("LooporaRus"));
    }

    void chartsMadeOrOpenedWhileOneIsMaximisedFillTheAreaToo()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("motif.loopora")).toStdString();
        Editor editor;
        editor.newChart(300, 300);
        QVERIFY(editor.app().saveChartAs(path));
        editor.app().closeChart(0);
        editor.newChart(300, 300);
        editor.frame().childFrame(0)->showMaximized();
        QApplication::processEvents();
        QMdiArea& area = editor.frame().mdiArea();

        // A new chart, and a chart opened from its file.
        const std::function<void()> makers[] = {[&] { editor.newChart(400, 400); },
                                                [&] { QVERIFY(editor.app().openChart(path)); }};
        for (const auto& make : makers) {
            make();
            QApplication::processEvents();
            app::CChildFrame* child = editor.frame().childFrame(editor.app().activeIndex());
            QVERIFY(child->isMaximized());
            QCOMPARE(child->geometry(), area.viewport()->rect());
            // The view fills the window: nothing of the area around it is left unpainted.
            QCOMPARE(child->chartWidget()->geometry(), child->contentsRect());
        }

        // Restored, a window fits its sheet as one opened that way does.
        app::CChildFrame* child = editor.frame().childFrame(1);
        child->showNormal();
        QApplication::processEvents();
        app::CPattraViewWidget* view = child->chartWidget();
        QCOMPARE(view->viewport()->size(), QSize(400, 400).boundedTo(area.viewport()->size()));
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
