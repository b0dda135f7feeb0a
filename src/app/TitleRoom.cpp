#include "app/TitleRoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace loopora::app {

int titleRoom(const QString& title)
{
    // Window managers set titles in bold, often a size up from the dialogs' own type.
    QFont font = QApplication::font();
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.2);
    else
        font.setPixelSize(font.pixelSize() * 6 / 5);
    const int text = QFontMetrics(font).horizontalAdvance(title);
    // The icon on one side, minimise, maximise and close on the other.
    const int button = std::max(24, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return text + 4 * button;
}

void keepTitleShown(QWidget& window)
{
    window.setMinimumWidth(std::max(window.minimumWidth(), titleRoom(window.windowTitle())));
}

} // namespace loopora::app
