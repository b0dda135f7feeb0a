#include "app/ChartPrinter.h"

#include "app/Prompts.h"
#include "app/QtShapes.h"
#include "app/QtText.h"
#include "export/ChartShapes.h"
#include "platform/FileReplacement.h"
#include "platform/Texts.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <span>

namespace loopora::app {
namespace {

// A failed print's message: its headline, then what failed.
QString printFailed(const QString& error) { return qs(_("Не удалось напечатать схему.")) + QLatin1Char('\n') + error; }

// The chart's shapes at the device's own resolution, scaled to fit the
// page and centred on it.
void drawFitted(QPainter& painter, const CPattraDoc& doc)
{
    const QRect page = painter.viewport();
    const SheetArea sheet = sheetAreaOf(doc);
    const double scale = std::min(double(page.width()) / sheet.width, double(page.height()) / sheet.height);
    painter.translate(page.x() + (page.width() - sheet.width * scale) / 2,
                      page.y() + (page.height() - sheet.height * scale) / 2);
    painter.scale(scale, scale);
    drawChart(painter, doc);
}

// The PDF is made in memory with the printer's page, then written beside the
// file and put in its place only once complete: a full disk or a folder that
// cannot be written leaves no empty or half-written file behind.
bool printToPdfFile(const CPattraDoc& doc, QPrinter& printer, QString& error)
{
    const QString path = printer.outputFileName();
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setCreator(printer.creator());
        writer.setTitle(printer.docName());
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = QStringLiteral("cannot make the PDF for %1").arg(path);
            return false;
        }
        drawFitted(painter, doc);
        painter.end();
    }
    // As charts are saved: QSaveFile takes a short write that fits its
    // buffer (a small PDF on a full disk) for success.
    const QByteArray& bytes = pdf.data();
    std::string message;
    if (!replaceFile(path.toStdString(), std::span(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size())), message)) {
        error = QString::fromStdString(message);
        return false;
    }
    return true;
}

} // namespace

bool printSheet(const CPattraDoc& doc, QPrinter& printer, QString& error)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToPdfFile(doc, printer, error);
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("the printer %1 cannot be used").arg(printer.printerName());
        return false;
    }
    drawFitted(painter, doc);
    if (!painter.end()) {
        error = QStringLiteral("the printer %1 did not take the chart").arg(printer.printerName());
        return false;
    }
    return true;
}

void previewChart(const CPattraDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(qs(_("Предварительный просмотр")));
    // The preview draws its pages, and prints from its own print button, through the same function.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&doc, &dialog](QPrinter* target) {
        QString error;
        if (!printSheet(doc, *target, error))
            showMessage(&dialog, printFailed(error));
    });
    dialog.exec();
}

bool printChart(const CPattraDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString error;
    if (!printSheet(doc, printer, error)) {
        showMessage(parent, printFailed(error));
        return false;
    }
    return true;
}

} // namespace loopora::app
