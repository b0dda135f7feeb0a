#pragma once
// Palette button pictures. A symbol button shows its symbol built and drawn
// by the core, the same code that draws charts, so a button always looks
// like what it places. The other buttons get small pictures drawn here.

#include "platform/Colour.h"

#include <QIcon>
#include <QImage>

#include <cstdint>

namespace loopora::app {

// The symbol of an element type fitted into a picture of the given size, in
// the colour given, on a transparent background; a null image for a type
// that cannot be built.
QImage symbolPicture(int32_t typeId, QSize size, int penWidth, Colour colour = colours::black);
// The picture of a palette button: its symbol when the button places one.
QIcon paletteIcon(uint16_t commandId, QSize size);

} // namespace loopora::app
