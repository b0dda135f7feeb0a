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
};

LOOPORA_GUI_TEST(MainWindowTest);
#include "MainWindowTest.moc"
