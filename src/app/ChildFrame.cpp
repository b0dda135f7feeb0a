#include "app/ChildFrame.h"

#include "app/ChartViewWidget.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QScrollBar>

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

void CChildFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    emit closeRequested(this);
}

} // namespace loopora::app
