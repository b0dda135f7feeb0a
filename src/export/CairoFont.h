#pragma once
// The chart font for cairo, opened from the very file the screen's glyphs
// come from, so that exported text has the screen's face whatever a font
// name would find.

#include <cairo.h>

namespace loopora {

// Null when the chart has no font (texts then draw nothing anywhere).
cairo_font_face_t* chartFontFace();

} // namespace loopora
