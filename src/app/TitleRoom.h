#pragma once
// Room for a dialog's title. A dialog is as wide as its fields by itself,
// and the window manager cuts a longer title short ("Расположе… дугой"); a
// dialog is made at least as wide as its title takes in the title bar's
// bold type, with room for the bar's icon and buttons beside it.

class QString;
class QWidget;

namespace loopora::app {

// The width a title bar needs to show this title whole.
int titleRoom(const QString& title);

// Keeps the window at least as wide as its title needs; called once the title is set.
void keepTitleShown(QWidget& window);

} // namespace loopora::app
