#include "app/ChartPrinter.h"

#include "export/BitmapWriter.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace loopora::app {

void printSheet(CPattraDoc& doc, QPrinter& printer)
{
    const PixelBuffer sheet = renderSheet(doc);
    QImage picture(sheet.width(), sheet.height(), QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x)
            row[x] = sheet.at(x, y) | 0xFF000000u;
    }
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    QSize fitted = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - fitted.width()) / 2, page.y() + (page.height() - fitted.height()) / 2,
                       fitted.width(), fitted.height());
    // Without smoothing the one-pixel strokes stay sharp however large they grow.
    painter.drawImage(target, picture);
}

bool printChart(CPattraDoc& doc, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printSheet(doc, printer);
    return true;
}

} // namespace loopora::app
