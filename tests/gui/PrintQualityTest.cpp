// The print-quality way out of the editor: the File menu's exports, each
// through its save prompt and one options dialog that remembers its values,
// printing with Ctrl+P and the print preview, all drawing the chart's ideal
// shapes. Printed shapes agree with the screen's as the exported ones do.

#include "GuiSupport.h"
#include "support/EveryShapeChart.h"
#include "support/InkAgreement.h"

#include "app/ChartPrinter.h"
#include "app/ExportDialog.h"
#include "app/MainMenus.h"
#include "app/QtShapes.h"
#include "export/BitmapWriter.h"
#include "platform/UiLanguage.h"
#include "view/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QPageSize>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace loopora;
using namespace loopora::test;

namespace {

void answerFilePrompt(const QString& path, QString* title = nullptr)
{
    whenModal<QFileDialog>([path, title](QFileDialog* dialog) {
        if (title)
            *title = dialog->windowTitle();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept(); // as OK does
    });
}

// The chart's shapes painted by the print path onto a white picture of the sheet's size.
PixelBuffer printedPicture(const CPattraDoc& doc)
{
    QImage image(doc.chartWidth(), doc.chartHeight(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        app::drawChart(painter, doc);
    }
    PixelBuffer picture(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            picture.at(x, y) = image.pixel(x, y) & 0x00FFFFFFu;
    return picture;
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class PrintQualityTest : public QObject {
    Q_OBJECT
private slots:
    void exportsAndPrintingStandInTheFileMenu()
    {
        Editor editor;
        editor.newChart();
        const QStringList items = itemTexts(*editor.frame().menus().menus(true)[0]);
        const qsizetype bitmap = items.indexOf(QStringLiteral("Сохранить в формате BMP"));
        QVERIFY(bitmap > 0);
        QCOMPARE(items.mid(bitmap + 1, 5),
                 QStringList({"Экспорт в PDF…", "Экспорт в SVG…", "Экспорт в PNG…", "Печать…\tCtrl+P",
                              "Предварительный просмотр"}));
        QCOMPARE(editor.frame().menus().actions(cmd::kExportPng).value(0)->statusTip(),
                 QStringLiteral("Сохранить схему в PNG высокого разрешения"));
    }

    void pdfExportAsksWhereAndHowAndRemembersHow()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(300, 200, 0);
        editor.drag({100, 150}, {100, 80});
        QString title;
        answerFilePrompt(dir.filePath(QStringLiteral("chart")), &title); // the extension comes by default
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            QVERIFY(!dialog->dpi()->isVisible()); // a PDF has no resolution
            dialog->orientation()->setCurrentIndex(1);
            dialog->blackLines()->setChecked(true);
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPdf);
        QCOMPARE(title, QStringLiteral("Экспорт в PDF"));
        QFile pdf(dir.filePath(QStringLiteral("chart.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        // The next export starts from the same choices; cancelling its
        // options writes nothing.
        bool landscape = false;
        bool black = false;
        answerFilePrompt(dir.filePath(QStringLiteral("second.pdf")));
        whenModal<app::ExportOptionsDialog>([&](app::ExportOptionsDialog* dialog) {
            landscape = dialog->orientation()->currentIndex() == 1;
            black = dialog->blackLines()->isChecked();
            dialog->reject();
        });
        editor.frame().command(cmd::kExportPdf);
        QVERIFY(landscape);
        QVERIFY(black);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("second.pdf"))));
        app::ExportOptionsDialog::remember({});
    }

    void theKeyIsAskedForInTheOptionsAndSpeaksTheProgramsLanguage()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(300, 200, 0);
        editor.drag({100, 150}, {100, 80});
        editor.drag({150, 150}, {150, 80});
        answerFilePrompt(dir.filePath(QStringLiteral("key.pdf")));
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            QCOMPARE(dialog->legend()->text(), QStringLiteral("Добавить легенду"));
            QVERIFY(!dialog->legend()->isChecked());
            dialog->legend()->setChecked(true);
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPdf);
        const QString russian = pdfText(dir.filePath(QStringLiteral("key.pdf")));
        QVERIFY2(russian.contains(QStringLiteral("Условные обозначения")), qPrintable(russian));
        QVERIFY2(russian.contains(QStringLiteral("столбик с накидом")), qPrintable(russian));

        // Remembered for the next export, whose key is in the language the
        // program speaks.
        setUiLanguage(Language::English);
        bool asked = false;
        answerFilePrompt(dir.filePath(QStringLiteral("key-en.pdf")));
        whenModal<app::ExportOptionsDialog>([&asked](app::ExportOptionsDialog* dialog) {
            asked = dialog->legend()->isChecked();
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPdf);
        setUiLanguage(Language::Russian);
        QVERIFY(asked);
        const QString english = pdfText(dir.filePath(QStringLiteral("key-en.pdf")));
        QVERIFY2(english.contains(QStringLiteral("double crochet")), qPrintable(english));
        app::ExportOptionsDialog::remember({});
    }

    void pngExportTakesTheResolutionAndSvgItsOwnFile()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(300, 200, 0);
        editor.drag({100, 150}, {100, 80});
        answerFilePrompt(dir.filePath(QStringLiteral("chart.png")));
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            dialog->paper()->setCurrentIndex(2); // the chart's own size
            dialog->dpi()->setValue(192);
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPng);
        const QImage png(dir.filePath(QStringLiteral("chart.png")));
        QCOMPARE(png.size(), QSize(600, 400));
        QCOMPARE(png.dotsPerMeterX(), 7559); // 192 dpi

        answerFilePrompt(dir.filePath(QStringLiteral("chart.svg")));
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            QVERIFY(!dialog->paper()->isVisible()); // an SVG has no page
            dialog->accept();
        });
        editor.frame().command(cmd::kExportSvg);
        QFile svg(dir.filePath(QStringLiteral("chart.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<g class=\"double\">"));
        app::ExportOptionsDialog::remember({});
    }

    void theDrawingAloneAndNoBackgroundAreAskedInTheOptions()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(600, 600, 1);
        editor.drag({300, 340}, {300, 260});
        answerFilePrompt(dir.filePath(QStringLiteral("motif.png")));
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            QCOMPARE(dialog->crop()->text(), QStringLiteral("Только рисунок"));
            QCOMPARE(dialog->noBackground()->text(), QStringLiteral("Без узора основы"));
            QVERIFY(dialog->paper()->isEnabled());
            dialog->crop()->setChecked(true);
            // The page is the drawing's own.
            QVERIFY(!dialog->paper()->isEnabled());
            QVERIFY(!dialog->orientation()->isEnabled());
            dialog->margin()->setValue(0);
            dialog->dpi()->setValue(96);
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPng);
        answerFilePrompt(dir.filePath(QStringLiteral("plain.png")));
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) {
            QVERIFY(dialog->crop()->isChecked());
            dialog->noBackground()->setChecked(true);
            // Black lines leave the background out anyway.
            dialog->blackLines()->setChecked(true);
            QVERIFY(!dialog->noBackground()->isEnabled());
            dialog->blackLines()->setChecked(false);
            dialog->accept();
        });
        editor.frame().command(cmd::kExportPng);
        // A double 80 pixels tall on a 600-pixel sheet of circles: the
        // picture is the double's, the grey guides crossing it only with the background.
        auto greys = [](const QImage& png) {
            int n = 0;
            for (int y = 0; y < png.height(); ++y)
                for (int x = 0; x < png.width(); ++x) {
                    const QRgb p = png.pixel(x, y);
                    n += qRed(p) == qGreen(p) && qGreen(p) == qBlue(p) && qRed(p) > 150 && qRed(p) < 245;
                }
            return n;
        };
        const QImage motif(dir.filePath(QStringLiteral("motif.png")));
        const QImage plain(dir.filePath(QStringLiteral("plain.png")));
        QVERIFY2(motif.width() > 0 && motif.width() < 40 && motif.height() < 100, qPrintable(QString::number(motif.width())));
        QCOMPARE(plain.size(), motif.size());
        QVERIFY2(greys(plain) + 10 < greys(motif), qPrintable(QString::number(greys(motif))));

        bool crop = false, noBackground = false;
        answerFilePrompt(dir.filePath(QStringLiteral("second.png")));
        whenModal<app::ExportOptionsDialog>([&](app::ExportOptionsDialog* dialog) {
            crop = dialog->crop()->isChecked();
            noBackground = dialog->noBackground()->isChecked();
            dialog->reject();
        });
        editor.frame().command(cmd::kExportPng);
        QVERIFY(crop && noBackground);
        app::ExportOptionsDialog::remember({});
    }

    void failedExportSaysWhyAndLeavesNoFile()
    {
        Editor editor;
        editor.newChart();
        const QString path = QStringLiteral("/nonexistent/loopora/chart.pdf");
        QString message;
        answerFilePrompt(path);
        whenModal<app::ExportOptionsDialog>([](app::ExportOptionsDialog* dialog) { dialog->accept(); });
        whenModal<QMessageBox>([&message](QMessageBox* box) {
            message = box->text();
            box->accept();
        });
        editor.frame().command(cmd::kExportPdf);
        QVERIFY2(message.startsWith(QStringLiteral("Не удалось экспортировать схему.")), qPrintable(message));
        QVERIFY2(message.contains(path), qPrintable(message));
    }

    void ctrlPOpensThePrintDialog()
    {
        Editor editor;
        editor.newChart();
        bool asked = false;
        whenModal<QPrintDialog>([&asked](QPrintDialog* dialog) {
            asked = true;
            dialog->reject();
        });
        QTest::keyClick(editor.activeViewport(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(asked);
    }

    void printPreviewShowsTheChartsPage()
    {
        Editor editor;
        editor.newChart();
        editor.drag({200, 300}, {200, 200});
        int pages = 0;
        QString title;
        whenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            title = dialog->windowTitle();
            if (auto* preview = dialog->findChild<QPrintPreviewWidget*>())
                pages = preview->pageCount();
            dialog->reject();
        });
        editor.frame().command(cmd::kPrintPreview);
        QCOMPARE(title, QStringLiteral("Предварительный просмотр"));
        QCOMPARE(pages, 1);
    }

    void printingDrawsVectorsWithTextAsText()
    {
        QTemporaryDir dir;
        Editor editor;
        editor.newChart(300, 200, 0);
        CPattraDoc& doc = *editor.app().active()->document;
        auto* label = static_cast<CTextElement*>(place(doc.canvas(), typeids::kText, {{20, 20}, {200, 60}}));
        label->setText("Ряд 1");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
        QString error;
        QVERIFY2(app::printSheet(doc, printer, error), qPrintable(error));
        QVERIFY2(pdfText(printer.outputFileName()).contains(QStringLiteral("Ряд 1")), "the label is not text");
    }

    void thePrintedSheetFillsThePageWithinItsMarginsAndIsCentred()
    {
        QTemporaryDir dir;
        CPattraDoc doc;
        doc.setChartSize(300, 200);
        place(doc.canvas(), typeids::kRectangle, {{0, 0}, {300, 200}}, {1, colours::black, 0}); // the sheet's edge
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("fitted.pdf")));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QString error;
        QVERIFY2(app::printSheet(doc, printer, error), qPrintable(error));

        // At 4 pixels a millimetre: the sheet takes the 190 mm between the
        // side margins and stands in the middle of the page's height.
        QProcess process;
        process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("101.6"),
                                                   QStringLiteral("-singlefile"), printer.outputFileName(),
                                                   dir.filePath(QStringLiteral("fitted"))});
        QVERIFY(process.waitForFinished());
        const QImage page(dir.filePath(QStringLiteral("fitted.png")));
        QCOMPARE(page.width(), 840);
        QVERIFY(std::abs(page.height() - 1188) <= 1);
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 160)
                    ink |= QRect(x, y, 1, 1);
        const double height = 190.0 * 200 / 300;
        QVERIFY2(std::abs(ink.left() / 4.0 - 10) <= 1, qPrintable(QString::number(ink.left())));
        QVERIFY2(std::abs((ink.right() + 1) / 4.0 - 200) <= 1, qPrintable(QString::number(ink.right())));
        QVERIFY2(std::abs(ink.top() / 4.0 - (297 - height) / 2) <= 1, qPrintable(QString::number(ink.top())));
        QVERIFY2(std::abs((ink.bottom() + 1) / 4.0 - (297 + height) / 2) <= 1, qPrintable(QString::number(ink.bottom())));
    }

    void printedShapesAgreeWithTheScreen()
    {
        std::unique_ptr<CPattraDoc> doc = everyShapeChart();
        const InkAgreement ink = compareInk(renderSheet(*doc), printedPicture(*doc));
        QVERIFY2(ink.missing.empty(), describePoints(ink.missing).c_str());
        QVERIFY2(ink.extra.empty(), describePoints(ink.extra).c_str());
    }

    void aLargeSlipStitchPrintsAsASolidDisc()
    {
        CPattraDoc doc;
        doc.setChartSize(400, 400);
        place(doc.canvas(), typeids::kSlipStitch, {{200, 20}, {200, 380}}, {2, colours::black, 0});
        const PixelBuffer picture = printedPicture(doc);
        for (int32_t y = 25; y < 375; ++y)
            for (int32_t x = 150; x < 250; ++x) {
                const double u = (x + 0.5 - 200.5) / 89.0;
                const double v = (y + 0.5 - 200.5) / 179.0;
                if (u * u + v * v <= 1)
                    QVERIFY(darkness(picture.at(x, y)) >= 250);
            }
    }
};

LOOPORA_GUI_TEST(PrintQualityTest);
#include "PrintQualityTest.moc"
