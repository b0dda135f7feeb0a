#include "app/RoundNumbers.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace loopora::app {
namespace {

// The numbers' size in window pixels, whatever the zoom.
constexpr int kNumberPixels = 13;
// Rounds alternate between two colours, so that neighbours tell apart.
const QColor kRoundColours[] = {QColor(176, 32, 32), QColor(24, 72, 176)};

} // namespace

void RoundNumbers::paint(QPainter& painter, CPattraView& view)
{
    if (!reading_)
        return;
    const Viewport& shown = view.viewport();
    if (placedAtZoom_ != shown.zoomPercent()) {
        marks_ = pattern::roundMarks(*reading_, view.canvas(), (kNumberPixels + 6) / shown.scale());
        placedAtZoom_ = shown.zoomPercent();
    }
    // The middle of a chart pixel, in the window.
    auto toWindow = [&](pattern::Vec at) {
        const ShapePoint w = shown.sheetToWindow({at.x + shown.origin().x + 0.5, at.y + shown.origin().y + 0.5});
        return QPointF(w.x, w.y);
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(kNumberPixels);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (const pattern::RoundMark& mark : marks_) {
        const QColor colour = kRoundColours[mark.number % 2];
        const QPointF start = toWindow(mark.start);
        const QPointF end = toWindow(mark.start + mark.direction * mark.reach);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(colour);
        painter.drawEllipse(start, 3.5, 3.5);
        painter.drawLine(start, end);
        // The arrow's head, a quarter of its length at most.
        const QPointF way = end - start;
        const double length = std::hypot(way.x(), way.y());
        if (length > 1) {
            const QPointF unit = way / length, side(-unit.y(), unit.x());
            const double head = std::min(7.0, length / 3);
            QPainterPath arrow;
            arrow.moveTo(end);
            arrow.lineTo(end - unit * head + side * head / 2);
            arrow.lineTo(end - unit * head - side * head / 2);
            arrow.closeSubpath();
            painter.drawPath(arrow);
        }
        const QString number = QString::number(mark.number);
        const QPointF at = toWindow(mark.label);
        QRectF box = metrics.boundingRect(number);
        box.moveCenter(at);
        box.adjust(-2, -1, 2, 1);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 220));
        painter.drawRoundedRect(box, 3, 3);
        painter.setPen(colour);
        painter.drawText(box, Qt::AlignCenter, number);
    }
    painter.restore();
}

} // namespace loopora::app
