#pragma once
// The program's icon: a fan of three doubles, the symbol as the charts build
// it, in wine red on a cream tile. One description of the picture is drawn
// on screen and into the installed pictures (PNG at each size and SVG), so
// they all look alike.

#include <QIcon>
#include <QImage>

#include <string>

namespace loopora::app {

// The picture at side x side pixels, antialiased, on a transparent background.
QImage programIconPicture(int side);
// The same picture as an SVG document of any size.
std::string programIconSvg();
// The window icon, with the sizes window systems ask for.
QIcon programIcon();

} // namespace loopora::app
