#include "app/ChildFrame.h"

#include "app/ChartViewWidget.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>
#include <QScrollBar>

#include <algorithm>

namespace loopora::app {

CChildFrame::CChildFrame(QWidget* parent) : QMdiSubWindow(parent), widget_(new CPattraViewWidget(this))
{
    setWidget(widget_);
}

void CChildFrame::setCaption(const QString& name)
{
    // "[*]" is where the modified mark appears; a "[*]" in a file name is doubled to show as written.
    caption_ = name;
    QString shown = name;
    setWindowTitle(shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")) + QStringLiteral("[*]"));
}

void CChildFrame::showModified(bool modified)
{
    // Each change is passed on to the main window's caption; only a change.
    if (isWindowModified() != modified)
        setWindowModified(modified);
}

void CChildFrame::fitSheet(QSize sheet)
{
    sheet_ = sheet;
    if (sheet.isEmpty())
        return;
    // Resizing a maximised window would leave it a frameless patch of the area.
    fitWaiting_ = isMaximized() || isMinimized();
    if (fitWaiting_)
        return;
    // The decorations: the title bar and borders around the view, and the view's own frame.
    const int border = 2 * widget_->frameWidth();
    const QSize decorations = size() - widget_->size() + QSize(border, border);
    QSize wanted = sheet + decorations;
    if (QMdiArea* area = mdiArea(); area && area->isVisible())
        wanted = wanted.boundedTo(area->viewport()->size());
    // Scroll bars a smaller size needed (a window just restored from
    // maximised has its size from before) would keep themselves: the view's
    // ranges are worked out again from the room the new size gives.
    widget_->horizontalScrollBar()->setRange(0, 0);
    widget_->verticalScrollBar()->setRange(0, 0);
    resize(wanted);
}

void CChildFrame::keepWithin(QSize area)
{
    if (isMaximized() || isMinimized() || area.isEmpty())
        return;
    const QSize room(area.width() - std::max(0, x()), area.height() - std::max(0, y()));
    // A window pushed almost out of the area keeps a usable size; the area's
    // own scroll bars reach the rest of it.
    const QSize wanted = size().boundedTo(room).expandedTo(minimumSizeHint()).expandedTo(QSize(120, 90));
    if (wanted != size())
        resize(wanted);
}

void CChildFrame::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    // After the area has given the window back its size from before.
    if (event->type() == QEvent::WindowStateChange && fitWaiting_ && !isMaximized() && !isMinimized())
        QMetaObject::invokeMethod(this, &CChildFrame::refit, Qt::QueuedConnection);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested(this);
}

} // namespace loopora::app
