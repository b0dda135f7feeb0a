#include "app/ChildFrame.h"

#include "app/ChartViewWidget.h"

#include <QCloseEvent>
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

void CChildFrame::fitSheet(QSize sheet)
{
    sheet_ = sheet;
    if (sheet.isEmpty())
        return;
    // The decorations: the title bar and borders around the view, and the view's own frame.
    const int border = 2 * widget_->frameWidth();
    const QSize decorations = size() - widget_->size() + QSize(border, border);
    QSize wanted = sheet + decorations;
    if (QMdiArea* area = mdiArea(); area && area->isVisible())
        wanted = wanted.boundedTo(area->viewport()->size());
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

void CChildFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested(this);
}

} // namespace loopora::app
