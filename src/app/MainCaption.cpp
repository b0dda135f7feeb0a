#include "app/MainCaption.h"

#include "app/QtText.h"
#include "platform/Texts.h"

#include <QMdiSubWindow>

namespace loopora::app {

QString shownTitle(const QString& title, bool modified)
{
    const QString mark = QStringLiteral("[*]");
    QString shown;
    for (qsizetype i = 0; i < title.size();) {
        if (title.mid(i, 6) == mark + mark) {
            shown += mark;
            i += 6;
        } else if (title.mid(i, 3) == mark) {
            if (modified)
                shown += QLatin1Char('*');
            i += 3;
        } else {
            shown += title[i++];
        }
    }
    return shown;
}

QString programCaption() { return qs(_("LooporaRus")); }

QString mainCaption(const QMdiSubWindow* active)
{
    if (!active || !active->isMaximized())
        return programCaption();
    // A window with nothing but the modified mark has no name to show.
    if (shownTitle(active->windowTitle(), false).isEmpty())
        return programCaption();
    return programCaption() + QStringLiteral(" - [") + active->windowTitle() + QStringLiteral("]");
}

} // namespace loopora::app
