#pragma once
// The main window's size and position, where the palettes and the status bar
// are and whether they show, and the palettes' icon size, kept in the
// settings from one run to the next. Without kept settings (the first run)
// the window stays as it was made.

#include <QString>

class QMainWindow;

namespace loopora::app {

inline const QString kWindowStateGroup = QStringLiteral("Main Window");

void saveWindowState(const QMainWindow& window);
// False when nothing was kept, or what was kept does not fit these palettes.
bool restoreWindowState(QMainWindow& window);

// Whether the palettes show large icons: kept as soon as it is chosen.
bool keptLargeIcons();
void keepLargeIcons(bool large);

} // namespace loopora::app
