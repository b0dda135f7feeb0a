#include "app/StatusPanes.h"

#include "app/LockKeys.h"
#include "app/QtText.h"
#include "platform/Texts.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QStatusBar>

namespace loopora::app {
namespace {

QLabel* pane(QStatusBar& bar, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, &bar);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(3, 0, 3, 0);
    return label;
}

// A pane is as wide as its text (and its frame and margins).
void fitText(QLabel& label, const QString& text)
{
    const int width = label.fontMetrics().horizontalAdvance(text) + label.contentsMargins().left() +
                      label.contentsMargins().right() + 2 * label.frameWidth() + 2;
    if (label.width() != width)
        label.setFixedWidth(width);
}

} // namespace

StatusPanes::StatusPanes(QStatusBar& bar) : QObject(&bar)
{
    bar.setObjectName(QStringLiteral("statusBar"));
    message_ = new QLabel(qs(_("Готов")), &bar);
    message_->setObjectName(QStringLiteral("message"));
    bar.addWidget(message_, 1);
    // The coordinate panes hold " " until the pointer first moves over a chart.
    window_ = pane(bar, QStringLiteral("windowCoordinates"), QStringLiteral(" "));
    chart_ = pane(bar, QStringLiteral("chartCoordinates"), QStringLiteral(" "));
    zoom_ = pane(bar, QStringLiteral("zoom"), QStringLiteral(" "));
    caps_ = pane(bar, QStringLiteral("caps"), QString());
    num_ = pane(bar, QStringLiteral("num"), QString());
    scroll_ = pane(bar, QStringLiteral("scroll"), QString());
    for (QLabel* label : {window_, chart_, zoom_, caps_, num_, scroll_}) {
        bar.addPermanentWidget(label);
        // The zoom pane is as wide as its widest level, so that it does not jump.
        fitText(*label, label == caps_ ? QStringLiteral("CAP") : label == num_ ? QStringLiteral("NUM")
                                         : label == scroll_                   ? QStringLiteral("SCR")
                                         : label == zoom_                     ? QStringLiteral("800%")
                                                                              : label->text());
    }
    refreshLights();
    // The lights change with keys pressed in any window, and while another program is active.
    qApp->installEventFilter(this);
}

void StatusPanes::showCoordinates(const QString& chart, const QString& window)
{
    fitText(*chart_, chart);
    chart_->setText(chart);
    fitText(*window_, window);
    window_->setText(window);
}

void StatusPanes::showZoom(int percent)
{
    zoom_->setText(percent > 0 ? QStringLiteral("%1%").arg(percent) : QStringLiteral(" "));
}

QString StatusPanes::idleText() const { return message_->text(); }
QString StatusPanes::chartText() const { return chart_->text(); }
QString StatusPanes::windowText() const { return window_->text(); }
QString StatusPanes::zoomText() const { return zoom_->text(); }

bool StatusPanes::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        refreshLights();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void StatusPanes::refreshLights()
{
    const LockKeys keys = readLockKeys();
    // An indicator that is off shows an empty pane of the same width.
    caps_->setText(keys.caps ? QStringLiteral("CAP") : QString());
    num_->setText(keys.num ? QStringLiteral("NUM") : QString());
    scroll_->setText(keys.scroll ? QStringLiteral("SCR") : QString());
}

} // namespace loopora::app
