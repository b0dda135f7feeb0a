#include "app/ChartPrinter.h"

#include "app/Prompts.h"
#include "app/QtText.h"
#include "platform/Texts.h"
#include "export/BitmapWriter.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace loopora::app {
namespace {

QImage sheetPicture(CPattraDoc& doc)
{
    const PixelBuffer sheet = renderSheet(doc);
    QImage picture(sheet.width(), sheet.height(), QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x)
            row[x] = sheet.at(x, y) | 0xFF000000u;
    }
    return picture;
}

void drawFitted(QPainter& painter, const QImage& picture)
{
    const QRect page = painter.viewport();
    QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - fitted.width()) / 2, page.y() + (page.height() - fitted.height()) / 2,
                       fitted.width(), fitted.height());
    // Without smoothing the one-pixel strokes stay sharp however large they grow.
    painter.drawImage(target, picture);
}

// The PDF is made in memory with the printer's page, then written beside the
// file and put in its place only once complete: a full disk or a folder that
// cannot be written leaves no empty or half-written file behind.
bool printToPdfFile(const QImage& picture, QPrinter& printer, QString& error)
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
        drawFitted(painter, picture);
        painter.end();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    // A short write (a full disk) leaves Qt without a reason; the system has one.
    errno = 0;
    if (file.write(pdf.data()) != pdf.size()) {
        const QString reason = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        error = QStringLiteral("writing %1 failed: %2").arg(path, reason);
        return false; // the unfinished file beside it goes with the QSaveFile
    }
    if (!file.commit()) {
        error = QStringLiteral("writing %1 failed: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace

bool printSheet(CPattraDoc& doc, QPrinter& printer, QString& error)
{
    const QImage picture = sheetPicture(doc);
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return printToPdfFile(picture, printer, error);
    QPainter painter;
    if (!painter.begin(&printer)) {
        error = QStringLiteral("the printer %1 cannot be used").arg(printer.printerName());
        return false;
    }
    drawFitted(painter, picture);
    if (!painter.end()) {
        error = QStringLiteral("the printer %1 did not take the chart").arg(printer.printerName());
        return false;
    }
    return true;
}

bool printChart(CPattraDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QString error;
    if (!printSheet(doc, printer, error)) {
        showMessage(parent, qs(_("Не удалось напечатать схему.")) + QLatin1Char('\n') + error);
        return false;
    }
    return true;
}

} // namespace loopora::app
