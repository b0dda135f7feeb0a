#include "app/QtShapes.h"

#include "export/ChartShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cmath>
#include <numbers>

namespace loopora::app {
namespace {

QColor colourOf(Colour c) { return QColor(redOf(c), greenOf(c), blueOf(c)); }

QPen penOf(const ShapeStroke& stroke, Qt::PenJoinStyle join = Qt::RoundJoin)
{
    return QPen(colourOf(stroke.colour), stroke.width, Qt::SolidLine, Qt::RoundCap, join);
}

// The dashes of a line as segments of their own: Qt's own dashes of thin
// pens step by whole pixels on some devices and by lengths on others.
QPainterPath dashesOf(ShapePoint from, ShapePoint to, const ShapeStroke& stroke)
{
    const std::vector<double> steps = dashSteps(stroke.dash);
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    QPainterPath path;
    if (length <= 0)
        return path;
    const QPointF unit((to.x - from.x) / length, (to.y - from.y) / length);
    const QPointF start(from.x, from.y);
    double at = 0;
    for (size_t i = 0; at < length; i = (i + 1) % steps.size()) {
        const double end = std::min(length, at + steps[i] * stroke.dashStep);
        if (i % 2 == 0) {
            path.moveTo(start + unit * at);
            path.lineTo(start + unit * end);
        }
        at = end;
    }
    return path;
}

// The painter turned so that the ellipse's axes are the x and y axes.
class EllipseFrame {
public:
    EllipseFrame(QPainter& painter, const ShapeEllipse& e) : painter_(painter)
    {
        painter_.save();
        painter_.translate(e.centre.x, e.centre.y);
        painter_.rotate(qRadiansToDegrees(e.angle));
    }
    ~EllipseFrame() { painter_.restore(); }
    EllipseFrame(const EllipseFrame&) = delete;
    EllipseFrame& operator=(const EllipseFrame&) = delete;

private:
    QPainter& painter_;
};

} // namespace

void QtShapes::line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke)
{
    QPen pen = penOf(stroke);
    if (stroke.dash == ShapeDash::Solid) {
        painter_.setPen(pen);
        painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
        return;
    }
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(dashesOf(from, to, stroke));
}

void QtShapes::ellipse(const ShapeEllipse& e, const ShapeStroke& stroke)
{
    EllipseFrame frame(painter_, e);
    painter_.setPen(penOf(stroke));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(QPointF(0, 0), e.along, e.across);
}

void QtShapes::filledEllipse(const ShapeEllipse& e, Colour fill)
{
    EllipseFrame frame(painter_, e);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colourOf(fill));
    painter_.drawEllipse(QPointF(0, 0), e.along, e.across);
}

void QtShapes::filledPolygon(std::span<const ShapePoint> corners, Colour fill)
{
    QPolygonF polygon;
    for (const ShapePoint& p : corners)
        polygon << QPointF(p.x, p.y);
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colourOf(fill));
    painter_.drawPolygon(polygon);
}

// Qt's arc angles are the ellipse's own, in degrees growing counter-clockwise
// on the screen: ours turned round.
void QtShapes::ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke)
{
    EllipseFrame frame(painter_, e);
    const QRectF box(-e.along, -e.across, 2 * e.along, 2 * e.across);
    QPainterPath path;
    path.arcMoveTo(box, -qRadiansToDegrees(from));
    path.arcTo(box, -qRadiansToDegrees(from), -qRadiansToDegrees(sweep));
    painter_.setPen(penOf(stroke));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
}

void QtShapes::rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke)
{
    painter_.setPen(penOf(stroke, Qt::MiterJoin));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(QPointF(corner.x, corner.y), QPointF(opposite.x, opposite.y)).normalized());
}

void QtShapes::text(const ShapeText& text)
{
    QFont font(QString::fromStdString(text.fontFamily));
    font.setPixelSize(std::max(1, int(std::lround(text.fontPixels))));
    font.setKerning(false);
    painter_.setFont(font);
    for (size_t k = 0; k < text.lines.size(); ++k) {
        const ShapeText::Line& line = text.lines[k];
        const double top = text.top + double(k) * text.lineStep;
        if (text.fillCells && line.width > 0)
            painter_.fillRect(QRectF(text.left, top, line.width, text.cellHeight), colourOf(text.cellColour));
        // Each character where the chart puts it.
        painter_.setPen(colourOf(text.colour));
        const QString characters = QString::fromUtf8(line.utf8.data(), qsizetype(line.utf8.size()));
        size_t index = 0;
        for (qsizetype i = 0; i < characters.size() && index < line.offsets.size(); ++i, ++index) {
            const qsizetype length = characters[i].isHighSurrogate() && i + 1 < characters.size() ? 2 : 1;
            painter_.drawText(QPointF(text.left + line.offsets[index], top + text.ascent), characters.mid(i, length));
            i += length - 1;
        }
    }
}

void drawChart(QPainter& painter, const CPattraDoc& doc)
{
    const SheetArea sheet = sheetAreaOf(doc);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(0, 0, sheet.width, sheet.height), Qt::IntersectClip);
    painter.translate(sheet.origin.x, sheet.origin.y);
    QtShapes shapes(painter);
    describeChart(doc, shapes, false);
    painter.restore();
}

} // namespace loopora::app
