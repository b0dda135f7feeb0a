#pragma once
// The main window's caption: the program's name and, while a chart window
// fills the MDI area, that window's title in brackets, as MDI programs show
// it. A chart window without a name adds nothing, not even its modified
// mark, so there are never empty brackets.

#include <QString>

class QMdiSubWindow;

namespace loopora::app {

// The program's name as the caption starts with it.
QString programCaption();

// The caption for the active chart window (null when there is none), in the
// form setWindowTitle takes: a literal "[*]" doubled, and while a chart's
// title is in it, the chart's "[*]" where its modified mark goes. The main
// window then carries the chart window's modified state, as the MDI area
// itself passes it on; a caption without a placeholder there would make Qt
// warn each time.
QString mainCaption(const QMdiSubWindow* active);

// A window title as it is shown: "[*]" becomes the modified mark or nothing,
// "[*][*]" a literal "[*]".
QString shownTitle(const QString& title, bool modified);

} // namespace loopora::app
