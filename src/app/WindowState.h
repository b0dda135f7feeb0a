#pragma once
// The main window's size and position, where the palettes and the status bar
// are and whether they show, and the palettes' icon size, kept in the
// settings from one run to the next. Without kept settings (the first run)
// the window stays as it was made.

#include <QRect>
#include <QString>

class QMainWindow;
class QWidget;

namespace loopora::app {

inline const QString kWindowStateGroup = QStringLiteral("Main Window");

void saveWindowState(const QMainWindow& window);
// False when nothing was kept, or what was kept does not fit these palettes.
bool restoreWindowState(QMainWindow& window);

// A window's frame (its decorations included) made to fit the screen's room
// left by panels and docks: no larger than that room, and moved into it.
QRect fittedFrame(const QRect& frame, const QRect& available);
// Fits the window, with the decorations it has by now, into its screen's room.
void fitIntoScreen(QWidget& window);

// Whether the palettes show large icons: kept as soon as it is chosen.
bool keptLargeIcons();
void keepLargeIcons(bool large);

} // namespace loopora::app
