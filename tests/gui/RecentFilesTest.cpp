// The four most recent chart files at the end of both File menus: saved and
// opened files go first, choosing one opens it, and one that has gone since
// is dropped from the list with a message.

#include "GuiSupport.h"

#include "app/ChildFrame.h"
#include "app/MainMenus.h"
#include "app/RecentFiles.h"
#include "view/CommandIds.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

using namespace loopora;
using namespace loopora::test;

namespace {

// A saved chart of that width, closed again.
QString savedChart(Editor& editor, const QTemporaryDir& dir, const char* name, int width)
{
    const QString path = dir.filePath(QString::fromUtf8(name));
    editor.newChart(width, 200, 0, 30);
    if (!editor.app().saveChartAs(path.toStdString()))
        qWarning("the chart was not saved");
    editor.app().closeAll();
    return path;
}

QAction* recentItem(QMenu& fileMenu, int number)
{
    for (QAction* action : fileMenu.actions())
        if (action->isVisible() && action->text().startsWith(QStringLiteral("&%1 ").arg(number)))
            return action;
    return nullptr;
}

} // namespace

class RecentFilesTest : public QObject {
    Q_OBJECT
private slots:
    void recentFilesEndBothFileMenus()
    {
        QTemporaryDir dir;
        Editor editor;
        QMenu& noChart = *editor.frame().menus().menus(false)[0];
        QCOMPARE(itemTexts(noChart), QStringList({"Создать (&N)\tCtrl+N", "Создать по описанию…", "Открыть(&O)\tCtrl+O", "Выход (&X)"}));

        QStringList paths;
        for (const char* name : {"a.loopora", "b.loopora", "c.loopora", "d.loopora", "e.loopora"})
            paths.prepend(savedChart(editor, dir, name, 300));
        const auto item = [](int n, const QString& path) { return QStringLiteral("&%1 %2").arg(n).arg(path); };
        QCOMPARE(itemTexts(noChart), QStringList({"Создать (&N)\tCtrl+N", "Создать по описанию…", "Открыть(&O)\tCtrl+O", item(1, paths[0]),
                                                  item(2, paths[1]), item(3, paths[2]), item(4, paths[3]), "Выход (&X)"}));
        editor.newChart();
        const QStringList withChart = itemTexts(*editor.frame().menus().menus(true)[0]);
        QCOMPARE(withChart.mid(withChart.size() - 5),
                 QStringList({item(1, paths[0]), item(2, paths[1]), item(3, paths[2]), item(4, paths[3]), "Выход (&X)"}));
        QCOMPARE(recentItem(noChart, 1)->statusTip(), QStringLiteral("Открыть эту схему"));
    }

    void choosingARecentFileOpensIt()
    {
        QTemporaryDir dir;
        Editor editor;
        const QString wide = savedChart(editor, dir, "wide.loopora", 500);
        savedChart(editor, dir, "narrow.loopora", 200);
        recentItem(*editor.frame().menus().menus(false)[0], 2)->trigger();
        QCOMPARE(editor.app().chartCount(), size_t(1));
        QCOMPARE(editor.app().active()->document->chartWidth(), 500);
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("wide.loopora"));
        // Opening it put it first again.
        QCOMPARE(app::RecentFiles::files().value(0), wide);
    }

    void aRecentFileThatHasGoneIsDroppedWithAMessage()
    {
        QTemporaryDir dir;
        Editor editor;
        const QString kept = savedChart(editor, dir, "kept.loopora", 300);
        const QString gone = savedChart(editor, dir, "gone.loopora", 300);
        QVERIFY(QFile::remove(gone));

        QString message;
        whenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        QMenu& fileMenu = *editor.frame().menus().menus(false)[0];
        recentItem(fileMenu, 1)->trigger();
        QCOMPARE(message, QStringLiteral("Файл «%1» не найден. Он удалён из списка последних файлов.").arg(gone));
        QCOMPARE(editor.app().chartCount(), size_t(0));
        QCOMPARE(app::RecentFiles::files(), QStringList({kept}));
        QCOMPARE(itemTexts(fileMenu).filter(QStringLiteral(".loopora")), QStringList({QStringLiteral("&1 ") + kept}));
    }

    void longPathsAndTheHomeFolderAreShortened()
    {
        const QString home = QDir::homePath();
        QCOMPARE(app::MainMenus::recentFileText(home + QStringLiteral("/charts/doily.loopora")),
                 QStringLiteral("~/charts/doily.loopora"));
        QCOMPARE(app::MainMenus::recentFileText(QStringLiteral("/tmp/R&D.loopora")), QStringLiteral("/tmp/R&&D.loopora"));
        const QString deep = QStringLiteral("/srv/") + QString(80, QLatin1Char('x')) + QStringLiteral("/lace.loopora");
        const QString shown = app::MainMenus::recentFileText(deep);
        QCOMPARE(shown.size(), 60);
        QVERIFY(shown.startsWith(QStringLiteral("/srv/")));
        QVERIFY(shown.endsWith(QStringLiteral("/lace.loopora")));
        QVERIFY(shown.contains(QStringLiteral("…")));
    }
};

LOOPORA_GUI_TEST(RecentFilesTest);
#include "RecentFilesTest.moc"
