#include "app/ChartViewWidget.h"

#include "app/ParameterDialog.h"
#include "app/Prompts.h"
#include "app/QtText.h"
#include "view/CommandTable.h"

#include <QColorDialog>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace loopora::app {
namespace {

Point pointOf(const QPoint& p) { return {p.x(), p.y()}; }

MouseButtons buttonsOf(const QMouseEvent& event)
{
    return {.left = bool(event.buttons() & Qt::LeftButton),
            .right = bool(event.buttons() & Qt::RightButton),
            .middle = bool(event.buttons() & Qt::MiddleButton)};
}

KeyModifiers modifiersOf(const QMouseEvent& event)
{
    return {.shift = bool(event.modifiers() & Qt::ShiftModifier),
            .control = bool(event.modifiers() & Qt::ControlModifier)};
}

} // namespace

CPattraViewWidget::CPattraViewWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Every pixel comes from the view; Qt need not clear the viewport first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
}

void CPattraViewWidget::attach(CPattraView* view)
{
    if (view == view_)
        return;
    endGrab();
    view_ = view;
    if (view_) {
        // The viewport may have changed size before the view was made.
        view_->setClientSize(clientSize());
        view_->invalidateAll();
    }
    viewport()->update();
}

Size CPattraViewWidget::clientSize() const { return {viewport()->width(), viewport()->height()}; }

double CPattraViewWidget::devicePixelRatio() const { return viewport()->devicePixelRatioF(); }

void CPattraViewWidget::showScrollBars(const ScrollBars& bars)
{
    QScrollBar* across = horizontalScrollBar();
    QScrollBar* down = verticalScrollBar();
    const QPoint before(across->value(), down->value());
    settingBars_ = true;
    auto set = [](QScrollBar* bar, int minimum, int maximum, int page, int position) {
        bar->setRange(minimum, maximum);
        bar->setPageStep(std::max(1, page));
        bar->setSingleStep(std::max(1, page / 10));
        bar->setValue(position);
    };
    set(across, bars.minimum.x, bars.maximum.x, bars.page.width, bars.position.x);
    set(down, bars.minimum.y, bars.maximum.y, bars.page.height, bars.position.y);
    settingBars_ = false;
    // The view scrolled its own pixels: the window shows them afresh.
    if (QPoint(across->value(), down->value()) != before)
        viewport()->update();
}

void CPattraViewWidget::sheetSized(Size sheet)
{
    // A new zoom keeps the window's size; a new sheet fits it.
    if (sheet == sheet_)
        return;
    sheet_ = sheet;
    emit sheetShown(QSize(int((int64_t(sheet.width) * zoomPercent_ + 99) / 100),
                          int((int64_t(sheet.height) * zoomPercent_ + 99) / 100)));
}

void CPattraViewWidget::zoomChanged(int32_t percent)
{
    zoomPercent_ = percent;
    emit zoomed(percent);
}

void CPattraViewWidget::update(const Rect& r)
{
    viewport()->update(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top));
}

void CPattraViewWidget::showCoordinates(Point chart, Point window)
{
    emit coordinatesShown(qs(CPattraView::chartCoordinatesText(chart)), qs(CPattraView::windowCoordinatesText(window)));
}

uint16_t CPattraViewWidget::popupMenu(int menuId, Point windowPoint)
{
    QMenu menu(this);
    for (const MenuItem& item : contextMenu(menuId)) {
        if (item.id == 0) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(qs(item.text));
        action->setData(int(item.id));
        action->setStatusTip(qs(statusPrompt(item.id)));
    }
    QAction* chosen = menu.exec(viewport()->mapToGlobal(QPoint(windowPoint.x, windowPoint.y)));
    return chosen ? uint16_t(chosen->data().toInt()) : 0;
}

bool CPattraViewWidget::runDialog(DialogModel& dialog) { return ParameterDialog::run(dialog, this); }

std::optional<Colour> CPattraViewWidget::chooseColour(Colour initial)
{
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)), this);
    if (!chosen.isValid())
        return std::nullopt;
    return rgb(uint8_t(chosen.red()), uint8_t(chosen.green()), uint8_t(chosen.blue()));
}

std::optional<std::string> CPattraViewWidget::askBitmapFileName() { return askBitmapToSave(this); }

void CPattraViewWidget::messageBox(const std::string& text) { showMessage(this, qs(text)); }

// A modal box must not open inside the paint event that failed.
void CPattraViewWidget::drawingFailed(const std::string& text)
{
    QMetaObject::invokeMethod(this, [this, message = qs(text)] { showMessage(this, message); }, Qt::QueuedConnection);
}

// --- Painting ---

void CPattraViewWidget::followViewport()
{
    if (view_)
        view_->setClientSize(clientSize());
}

void CPattraViewWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    if (!view_) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    // The window may have moved to a screen of another density.
    followViewport();
    view_->paint();
    // The view's pixels are the screen's; the painter's coordinates are window pixels.
    const PixelBuffer& pixels = view_->pixels();
    const double ratio = view_->viewport().devicePixelRatio();
    if (frame_.width() != pixels.width() || frame_.height() != pixels.height())
        frame_ = QImage(pixels.width(), pixels.height(), QImage::Format_RGB32);
    frame_.setDevicePixelRatio(ratio);
    const QRect shown = event->rect();
    const Rect device = view_->viewport().deviceOfWindow(
        {shown.left(), shown.top(), shown.left() + shown.width(), shown.top() + shown.height()});
    const QRect area = QRect(device.left, device.top, int(device.width()), int(device.height())).intersected(frame_.rect());
    // The view leaves the alpha byte 0; RGB32 wants it 0xFF.
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const Pixel* from = pixels.row(y) + area.left();
        auto* to = reinterpret_cast<QRgb*>(frame_.scanLine(y)) + area.left();
        for (int x = 0; x < area.width(); ++x)
            to[x] = from[x] | 0xFF000000u;
    }
    const QRectF target(area.x() / ratio, area.y() / ratio, area.width() / ratio, area.height() / ratio);
    painter.drawImage(target, frame_, QRectF(area));
    // Beyond the view's pixels (a viewport grown since the last resize) stays white.
    const QRect whole(0, 0, int(pixels.width() / ratio), int(pixels.height() / ratio));
    const QRegion rest = QRegion(shown).subtracted(QRegion(whole));
    for (const QRect& r : rest)
        painter.fillRect(r, Qt::white);
    if (overlay_)
        overlay_(painter, *view_);
}

void CPattraViewWidget::setOverlay(Overlay overlay)
{
    overlay_ = std::move(overlay);
    viewport()->update();
}

void CPattraViewWidget::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    followViewport();
}

void CPattraViewWidget::scrollContentsBy(int dx, int dy)
{
    if (settingBars_)
        return;
    // What is shown moves along, as the view's own pixels do; the view
    // repaints only what comes into view.
    viewport()->scroll(dx, dy);
    if (view_)
        view_->scrollTo({horizontalScrollBar()->value(), verticalScrollBar()->value()});
}

void CPattraViewWidget::wheelEvent(QWheelEvent* event)
{
    if (!view_ || !(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // A notch is 120; smooth wheels and touch pads send less at a time.
    const int turn = event->angleDelta().y();
    if ((turn > 0) != (wheelTurn_ > 0))
        wheelTurn_ = 0;
    wheelTurn_ += turn;
    const Point at = pointOf(event->position().toPoint());
    for (; wheelTurn_ >= 120; wheelTurn_ -= 120)
        view_->zoomIn(at);
    for (; wheelTurn_ <= -120; wheelTurn_ += 120)
        view_->zoomOut(at);
    event->accept();
    emit interacted();
}

// --- Mouse ---
// Only the left button reaches the tools; the right one brings the context
// menu. The window keeps the mouse while the left button is held, so a
// release outside it still ends the gesture.

void CPattraViewWidget::mousePressEvent(QMouseEvent* event)
{
    if (!view_ || event->button() != Qt::LeftButton)
        return;
    if (!grabbing_) {
        viewport()->grabMouse();
        grabbing_ = true;
    }
    view_->onButtonDown(pointOf(event->position().toPoint()), buttonsOf(*event), modifiersOf(*event));
}

void CPattraViewWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        endGrab();
    if (!view_ || event->button() != Qt::LeftButton)
        return;
    view_->onButtonUp(pointOf(event->position().toPoint()), buttonsOf(*event), modifiersOf(*event));
    emit interacted();
}

void CPattraViewWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click arrives as the double click only.
    if (!view_ || event->button() != Qt::LeftButton)
        return;
    if (!grabbing_) {
        viewport()->grabMouse();
        grabbing_ = true;
    }
    view_->onDoubleClick(pointOf(event->position().toPoint()), buttonsOf(*event), modifiersOf(*event));
}

void CPattraViewWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (view_)
        view_->onMouseMove(pointOf(event->position().toPoint()), buttonsOf(*event), modifiersOf(*event));
}

void CPattraViewWidget::endGrab()
{
    if (grabbing_) {
        viewport()->releaseMouse();
        grabbing_ = false;
    }
}

// --- Keys and context menu ---

void CPattraViewWidget::keyPressEvent(QKeyEvent* event)
{
    Key key = Key::Other;
    switch (event->key()) {
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_Delete: key = Key::Delete; break;
    case Qt::Key_Home: key = Key::Home; break;
    case Qt::Key_Escape: key = Key::Escape; break;
    default: break;
    }
    if (!view_ || key == Key::Other) {
        event->ignore();
        return;
    }
    view_->onKeyDown(key);
    emit interacted();
}

void CPattraViewWidget::contextMenuEvent(QContextMenuEvent* event)
{
    if (!view_)
        return;
    // From the mouse the position is the viewport's; from the keyboard, this widget's.
    QPoint at = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard)
        at = viewport()->mapFrom(this, at);
    view_->onContextMenu(pointOf(at));
    emit interacted();
}

} // namespace loopora::app
