#include "app/PaletteIcons.h"

#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "platform/RasterDC.h"
#include "view/CommandTable.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace loopora::app {
namespace {

// Elements whose two points are opposite corners of a box, or the ends of a
// line: they are built on a diagonal, every other symbol from base to top.
bool isBoxLike(int32_t typeId)
{
    const ElementType* type = elementType(typeId);
    return type && type->kind == TypeKind::Figure;
}

struct Drawn {
    PixelBuffer pixels;
    QRect ink; // the pixels that are not white
};

// Builds the symbol on a base-to-top length and draws it with the core's rasteriser.
Drawn draw(int32_t typeId, int32_t length, double aspect, int penWidth, Colour colour)
{
    std::unique_ptr<CChartElement> e = createElement(typeId);
    if (!e)
        return {};
    std::vector<Point> points = {{0, length}, {0, 0}};
    if (isBoxLike(typeId))
        points[1] = {int32_t(std::lround(length * aspect)), 0};
    if (!e->assignState(ElementState{points, penWidth, colour, 0}))
        return {};
    const Rect bounds = e->getBounds();
    constexpr int32_t kMargin = 8;
    Drawn out{PixelBuffer(bounds.right - bounds.left + 2 * kMargin, bounds.bottom - bounds.top + 2 * kMargin), {}};
    CRasterDC dc(out.pixels);
    dc.setWindowOrigin({bounds.left - kMargin, bounds.top - kMargin});
    e->draw(dc);
    const Pixel white = pixelOf(colours::white);
    int32_t left = out.pixels.width(), top = out.pixels.height(), right = -1, bottom = -1;
    for (int32_t y = 0; y < out.pixels.height(); ++y)
        for (int32_t x = 0; x < out.pixels.width(); ++x)
            if (out.pixels.at(x, y) != white) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right >= 0)
        out.ink = QRect(QPoint(left, top), QPoint(right, bottom));
    return out;
}

} // namespace

QImage symbolPicture(int32_t typeId, QSize size, int penWidth, Colour colour)
{
    // Strokes do not all scale with the length (pens, oval widths), so the
    // fit is found in a few rounds.
    const QSize room = size - QSize(2, 2);
    const double aspect = double(room.width()) / double(std::max(1, room.height()));
    int32_t length = 100;
    Drawn drawn;
    for (int round = 0; round < 4; ++round) {
        drawn = draw(typeId, length, aspect, penWidth, colour);
        if (drawn.ink.isEmpty())
            return {};
        const double scale = std::min(double(room.width()) / drawn.ink.width(), double(room.height()) / drawn.ink.height());
        if (scale >= 0.97 && scale <= 1.0)
            break;
        const int32_t next = std::max<int32_t>(2, int32_t(std::floor(length * scale)));
        if (next == length)
            break;
        length = next;
    }
    // The ink, centred; anything still too large is cut at the edges.
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    const Pixel white = pixelOf(colours::white);
    const QPoint shift = QRect(QPoint(0, 0), size).center() - drawn.ink.center();
    for (int y = drawn.ink.top(); y <= drawn.ink.bottom(); ++y)
        for (int x = drawn.ink.left(); x <= drawn.ink.right(); ++x) {
            const QPoint to = QPoint(x, y) + shift;
            const Pixel p = drawn.pixels.at(x, y);
            if (p != white && picture.rect().contains(to))
                picture.setPixel(to, 0xFF000000u | p);
        }
    return picture;
}

namespace {

void drawPage(QPainter& p, QRectF r)
{
    const qreal fold = r.width() * 0.35;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawPolyline(QPolygonF({{r.right() - fold, r.top()}, {r.right() - fold, r.top() + fold}, {r.right(), r.top() + fold}}));
}

// The non-symbol buttons, drawn on an 18 x 17 grid whatever the picture's size.
void drawCommand(QPainter& p, ButtonPicture picture)
{
    p.setPen(QPen(Qt::black, 1.0));
    using enum ButtonPicture;
    switch (picture) {
    case TextLabel: {
        p.drawRect(QRectF(1.5, 2.5, 15, 12));
        QFont font = p.font();
        font.setPixelSize(10);
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRectF(1.5, 2.5, 15, 12), Qt::AlignCenter, QStringLiteral("Т"));
        break;
    }
    case NewChart: drawPage(p, {4.5, 1.5, 9, 13}); break;
    case SaveBitmap:
        p.setBrush(QColor(40, 60, 140));
        p.drawRect(QRectF(2.5, 1.5, 13, 13));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 7, 5));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5.5, 9.5, 7, 5));
        break;
    case Copy:
        drawPage(p, {2.5, 1.5, 8, 10});
        drawPage(p, {7.5, 5.5, 8, 10});
        break;
    case Paste:
        p.setBrush(QColor(160, 110, 50));
        p.drawRect(QRectF(2.5, 2.5, 10, 13));
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(5.5, 1.5, 4, 3));
        drawPage(p, {8.5, 6.5, 7, 9});
        break;
    case About: {
        p.setBrush(QColor(30, 90, 200));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 1, 14, 14));
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Colours: {
        const QColor swatches[] = {QColor(220, 30, 30), QColor(240, 200, 0), QColor(30, 160, 60), QColor(30, 80, 220)};
        for (int i = 0; i < 4; ++i) {
            p.setBrush(swatches[i]);
            p.drawRect(QRectF(2.5 + (i % 2) * 7, 1.5 + (i / 2) * 7, 6, 6));
        }
        break;
    }
    case SelectArrow: {
        p.setBrush(Qt::black);
        p.setPen(QPen(Qt::white, 0.8));
        p.drawPolygon(QPolygonF({{5, 1}, {5, 14}, {8, 11}, {10.5, 16}, {12.5, 15}, {10, 10}, {14, 10}}));
        break;
    }
    case Group:
    case Ungroup: {
        p.setBrush(QColor(30, 80, 220));
        p.drawEllipse(QRectF(3, 4, 6, 6));
        p.setBrush(QColor(220, 30, 30));
        p.drawRect(QRectF(9.5, 7.5, 5, 5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 1.0, Qt::DotLine));
        if (picture == Group) {
            p.drawRect(QRectF(1.5, 2.5, 15, 12));
        } else {
            p.drawRect(QRectF(1.5, 2.5, 9, 9));
            p.drawRect(QRectF(8.5, 6.5, 8, 8));
        }
        break;
    }
    case RotateArrow: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(30, 120, 60), 1.6));
        p.drawArc(QRectF(3, 2.5, 12, 12), 60 * 16, 280 * 16);
        p.setBrush(QColor(30, 120, 60));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{12.5, 0.5}, {15.5, 4.5}, {10.5, 5.5}}));
        break;
    }
    default:
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(QRectF(3.5, 3.5, 11, 10));
        break;
    }
}

QImage commandPicture(ButtonPicture picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 18.0, size.height() / 17.0);
    drawCommand(p, picture);
    return image;
}

QIcon iconOf(QImage one, QImage two)
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(one));
    QPixmap sharp = QPixmap::fromImage(two); // for screens with two device pixels per point
    sharp.setDevicePixelRatio(2.0);
    icon.addPixmap(sharp);
    return icon;
}

} // namespace

QIcon paletteIcon(uint16_t commandId, QSize size)
{
    const ButtonPicture picture = buttonPicture(commandId);
    const ElementType* placed = elementTypeOfCommand(commandId);
    if (placed && picture == ButtonPicture::Symbol) {
        const int32_t type = placed->id;
        QImage one = symbolPicture(type, size, 1);
        if (!one.isNull())
            return iconOf(one, symbolPicture(type, size * 2, 2));
    }
    return iconOf(commandPicture(picture, size), commandPicture(picture, size * 2));
}

} // namespace loopora::app
