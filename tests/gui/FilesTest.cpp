// Charts and files through the real prompts: saving and saving under another
// name, the chart windows' captions and modified mark, closing with and
// without unsaved changes, reopening, exporting a bitmap and printing to a
// PDF file.

#include "GuiSupport.h"
#include "support/FileSizeLimit.h"

#include "app/ChartPrinter.h"
#include "app/ChildFrame.h"
#include "app/MainMenus.h"
#include "app/RecentFiles.h"
#include "view/CommandIds.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <functional>



using namespace loopora;
using namespace loopora::test;

namespace {

// Answers the next file prompt with a path, as if typed into it.
void answerFilePrompt(const QString& path)
{
    whenModal<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // as OK does
    });
}

// Answers the next "save the changes?" question with the button of that text.
void answerSaveQuestion(const QString& button, QString* question = nullptr)
{
    whenModal<QMessageBox>([button, question](QMessageBox* box) {
        if (question)
            *question = box->text();
        press(box, button);
    });
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void saveCloseAndReopen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doily.chart"));
        Editor editor;
        editor.newChart();
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
        editor.drag({200, 300}, {200, 200});
        QVERIFY(editor.frame().childFrame(0)->isWindowModified());

        answerFilePrompt(path);
        QTest::keyClick(editor.activeViewport(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
        QCOMPARE(app::RecentFiles::files().value(0), QFileInfo(path).absoluteFilePath());

        // Unchanged since saving: it closes without a question.
        editor.frame().command(cmd::kClose);
        QCOMPARE(editor.app().chartCount(), size_t(0));

        answerFilePrompt(path);
        editor.activate();
        QTest::keyClick(editor.frame().windowHandle(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor.app().chartCount(), size_t(1));
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
    }

    void newChartsAreCaptionedByNumber()
    {
        Editor editor;
        editor.newChart();
        editor.newChart();
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("Схема1"));
        QCOMPARE(editor.frame().childFrame(1)->caption(), QStringLiteral("Схема2"));
        editor.drag({200, 300}, {200, 200});
        QVERIFY(editor.frame().childFrame(1)->isWindowModified());
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
        QCOMPARE(editor.frame().childFrame(1)->windowTitle(), QStringLiteral("Схема2[*]"));
    }

    void saveAsRenamesTheChartAndItsWindow()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});

        QStringList filters;
        QString suffix, offered;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            suffix = dialog->defaultSuffix();
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                offered = name->text();
            dialog->selectFile(dir.filePath(QStringLiteral("doily"))); // the extension comes by default
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(editor.activeViewport(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(filters, QStringList({"Схемы Loopora (*.loopora)", "Все файлы (*)"}));
        QCOMPARE(suffix, QStringLiteral("loopora"));
        QCOMPARE(offered, QStringLiteral("Схема1.loopora"));
        const QString first = dir.filePath(QStringLiteral("doily.loopora"));
        QVERIFY(QFileInfo::exists(first));
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("doily.loopora"));
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());

        // Once more from the menu item, under a second name: the chart moves
        // to the new file and the old one keeps what it had.
        editor.drag({300, 300}, {300, 200});
        const QString second = dir.filePath(QStringLiteral("copy.loopora"));
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles().value(0);
            dialog->selectFile(second);
            static_cast<QDialog*>(dialog)->accept();
        });
        editor.frame().menus().actions(cmd::kSaveAs).value(0)->trigger();
        QCOMPARE(offered, first);
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("copy.loopora"));
        QCOMPARE(editor.app().active()->path, second.toStdString());
        QCOMPARE(app::RecentFiles::files().mid(0, 2), QStringList({second, first}));
        QVERIFY(editor.app().openChart(first.toStdString()));
        QCOMPARE(editor.canvas().childCount(), size_t(1));
        QVERIFY(editor.app().openChart(second.toStdString()));
        QCOMPARE(editor.canvas().childCount(), size_t(2));
        QCOMPARE(editor.app().chartCount(), size_t(2)); // the chart of that file was open already
    }

    void aChartOpenAlreadyComesToTheFrontHoweverItIsOpened()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("doily.loopora"));
        const QString link = dir.filePath(QStringLiteral("link.loopora"));
        Editor editor;
        editor.newChart();
        QVERIFY(editor.app().saveChartAs(path.toStdString()));
        QVERIFY(QFile::link(path, link));
        editor.newChart();
        app::CChildFrame* doily = editor.frame().childFrame(0);
        doily->showMinimized();

        const std::function<void()> ways[] = {
            [&] { // File › Open
                answerFilePrompt(link);
                editor.frame().command(cmd::kOpen);
            },
            [&] { editor.frame().command(cmd::kRecentFile1); },
            [&] { QVERIFY(editor.frame().start({path, link})); }, // the command line
        };
        for (const auto& open : ways) {
            editor.app().activate(1);
            open();
            QCOMPARE(editor.app().chartCount(), size_t(2));
            QCOMPARE(editor.app().activeIndex(), size_t(0));
            QCOMPARE(editor.frame().mdiArea().activeSubWindow(), doily);
            QVERIFY(!doily->isMinimized());
        }
    }

    void theWindowMenuListsTheOpenChartsWithTheActiveOneChecked()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart();
        editor.newChart();
        QVERIFY(editor.app().saveChartAs(dir.filePath(QStringLiteral("a&b.loopora")).toStdString()));
        QMenu* window = editor.frame().menus().menus(true).value(3);
        auto listed = [&] {
            emit window->aboutToShow();
            QStringList items;
            for (const QAction* action : editor.frame().menus().chartItems())
                items.append((action->isChecked() ? QStringLiteral("✓") : QString()) + action->text());
            return items;
        };
        QCOMPARE(listed(), QStringList({"&1 Схема1", "✓&2 a&&b.loopora"}));
        QCOMPARE(itemTexts(*window).mid(4), QStringList({"&1 Схема1", "&2 a&&b.loopora"}));

        editor.frame().menus().chartItems().value(0)->trigger();
        QCOMPARE(editor.app().activeIndex(), size_t(0));
        QCOMPARE(editor.frame().mdiArea().activeSubWindow(), editor.frame().childFrame(0));
        QCOMPARE(listed(), QStringList({"✓&1 Схема1", "&2 a&&b.loopora"}));
        editor.frame().command(cmd::kClose);
        QCOMPARE(listed(), QStringList({"✓&1 a&&b.loopora"}));
    }

    void aWriteProtectedChartIsNotReplacedAndSaveAsIsOffered()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.loopora"));
        const QString elsewhere = dir.filePath(QStringLiteral("mine.loopora"));
        Editor editor;
        editor.newChart();
        QVERIFY(editor.app().saveChartAs(path.toStdString()));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray before = kept.readAll();
        editor.drag({200, 300}, {200, 200});

        QString message;
        whenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            press(box, QStringLiteral("saveAs"));
        });
        answerFilePrompt(elsewhere);
        QTest::keyClick(editor.activeViewport(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(message, QStringLiteral("Файл «%1» защищён от записи. Схема не сохранена.").arg(path));
        kept.seek(0);
        QCOMPARE(kept.readAll(), before);
        QVERIFY(QFileInfo::exists(elsewhere));
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("mine.loopora"));
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
    }

    void aChartChangedOnDiskAsksBeforeItIsSavedOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shared.loopora"));
        Editor editor;
        editor.newChart();
        QVERIFY(editor.app().saveChartAs(path.toStdString()));
        {
            QFile theirs(path);
            QVERIFY(theirs.open(QIODevice::WriteOnly | QIODevice::Truncate));
            theirs.write("their chart");
        }
        editor.drag({200, 300}, {200, 200});

        QString question;
        answerSaveQuestion(QStringLiteral("Нет"), &question);
        QTest::keyClick(editor.activeViewport(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(question, QStringLiteral("Файл «%1» изменён другой программой после того, как схема была открыта "
                                          "или сохранена. Заменить его этой схемой?")
                               .arg(path));
        QCOMPARE(QFileInfo(path).size(), qint64(11));
        QVERIFY(editor.frame().childFrame(0)->isWindowModified());

        answerSaveQuestion(QStringLiteral("Да"));
        editor.activate();
        QTest::keyClick(editor.activeViewport(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!editor.frame().childFrame(0)->isWindowModified());
        editor.app().closeAll();
        QVERIFY(editor.app().openChart(path.toStdString()));
        QCOMPARE(editor.canvas().childCount(), size_t(1));
    }

    void openPromptOffersChartsAndEveryFile()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath(QStringLiteral("saved-without-extension"));
        Editor editor;
        editor.newChart(300, 200, 2, 20);
        QVERIFY(editor.app().saveChartAs(old.toStdString()));
        editor.app().closeAll();

        QStringList filters;
        whenModal<QFileDialog>([&](QFileDialog* dialog) {
            filters = dialog->nameFilters();
            dialog->selectNameFilter(filters.value(1));
            dialog->selectFile(old);
            static_cast<QDialog*>(dialog)->accept();
        });
        editor.frame().command(cmd::kOpen);
        QCOMPARE(filters, QStringList({"Схемы Loopora (*.loopora)", "Все файлы (*)"}));
        QCOMPARE(editor.app().chartCount(), size_t(1));
        QCOMPARE(editor.app().active()->document->chartWidth(), 300);
        QCOMPARE(editor.frame().childFrame(0)->caption(), QStringLiteral("saved-without-extension"));
    }

    void closingAModifiedChartAsks()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});

        QString question;
        answerSaveQuestion(QStringLiteral("Отмена"), &question);
        editor.frame().command(cmd::kClose);
        QCOMPARE(question, QStringLiteral("Сохранить изменения в «Схема1»?"));
        QCOMPARE(editor.app().chartCount(), size_t(1));

        // The window's own close button asks the same.
        answerSaveQuestion(QStringLiteral("Отмена"));
        editor.frame().childFrame(0)->close();
        QTest::qWait(50);
        QCOMPARE(editor.app().chartCount(), size_t(1));

        answerSaveQuestion(QStringLiteral("Не сохранять"));
        editor.frame().childFrame(0)->close();
        QTRY_COMPARE(editor.app().chartCount(), size_t(0));
        QCOMPARE(editor.frame().mdiArea().subWindowList().size(), 0);
    }

    void savingFromTheQuestion()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.chart"));
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        answerSaveQuestion(QStringLiteral("Сохранить"));
        answerFilePrompt(path);
        editor.frame().command(cmd::kClose);
        QCOMPARE(editor.app().chartCount(), size_t(0));
        QVERIFY(editor.app().openChart(path.toStdString()));
        QCOMPARE(editor.canvas().childCount(), size_t(1));
    }

    void leavingWithAModifiedChartAsks()
    {
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        answerSaveQuestion(QStringLiteral("Отмена"));
        QVERIFY(!editor.frame().close());
        QCOMPARE(editor.app().chartCount(), size_t(1));
        answerSaveQuestion(QStringLiteral("Не сохранять"));
        editor.frame().command(cmd::kExit);
        QCOMPARE(editor.app().chartCount(), size_t(0));
        QVERIFY(!editor.frame().isVisible());
    }

    void exportedBitmapHasTheSheetsSize()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(300, 200, 2, 20);
        editor.drag({100, 150}, {100, 80});
        QString filters;
        whenModal<QFileDialog>([&filters, &dir](QFileDialog* dialog) {
            filters = dialog->nameFilters().join(QStringLiteral(";;"));
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("bmp"));
            dialog->selectFile(dir.filePath(QStringLiteral("picture"))); // the extension comes by default
            static_cast<QDialog*>(dialog)->accept(); // as OK does
        });
        editor.pressButton(cmd::kSaveBitmap);
        QCOMPARE(filters, QStringLiteral("BMP 文件(*.bmp);;所有文件(*.*)"));
        const QFileInfo written(dir.filePath(QStringLiteral("picture.bmp")));
        QVERIFY(written.exists());
        QCOMPARE(written.size(), qint64(54 + 300 * 200 * 4));
    }

    void exportThatCannotWriteSaysWhy()
    {
        Editor editor;
        editor.newChart(100, 100);
        QString message;
        whenModal<QFileDialog>([](QFileDialog* dialog) {
            dialog->selectFile(QStringLiteral("/nonexistent/loopora/picture.bmp"));
            static_cast<QDialog*>(dialog)->accept(); // as OK does
        });
        whenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        editor.frame().command(cmd::kSaveBitmap);
        QVERIFY2(message.contains(QStringLiteral("/nonexistent/loopora/picture.bmp")), qPrintable(message));
    }

    void printingThroughThePrintDialog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        QString printer;
        whenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            // Without printers the dialog offers printing to a PDF file; its file name box says where.
            if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers")))
                printer = printers->currentText();
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                file->setText(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        QTest::keyClick(editor.activeViewport(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printer, QStringLiteral("Print to File (PDF)"));
        QFile pdf(path);
        QVERIFY2(pdf.open(QIODevice::ReadOnly), "no PDF file was printed");
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void printingFailuresAreToldAndLeaveNoFile()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        CPattraDoc& doc = *editor.app().active()->document;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);

        // A folder that is not there.
        const QString missing = dir.filePath(QStringLiteral("missing/chart.pdf"));
        printer.setOutputFileName(missing);
        QString error;
        QVERIFY(!app::printSheet(doc, printer, error));
        QVERIFY2(error.contains(missing), qPrintable(error));
        QVERIFY(!QFileInfo::exists(missing));

        // A full disk, as a file size limit makes it: the print dialog's
        // choice fails with a message naming the file, and leaves nothing.
        const QString full = dir.filePath(QStringLiteral("full.pdf"));
        QString message;
        whenModal<QPrintDialog>([&](QPrintDialog* dialog) {
            if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename")))
                file->setText(full);
            static_cast<QDialog*>(dialog)->accept();
        });
        whenModal<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        {
            FileSizeLimit limit(600);
            QVERIFY(!app::printChart(doc, &editor.frame()));
        }
        QVERIFY2(message.startsWith(QStringLiteral("Не удалось напечатать схему.")), qPrintable(message));
        QVERIFY2(message.contains(full), qPrintable(message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }

    void printingToAPdfFile()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("chart.pdf")));
        QString error;
        QVERIFY2(app::printSheet(*editor.app().active()->document, printer, error), qPrintable(error));
        QFile pdf(dir.filePath(QStringLiteral("chart.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 1000);
    }
};

LOOPORA_GUI_TEST(FilesTest);
#include "FilesTest.moc"
