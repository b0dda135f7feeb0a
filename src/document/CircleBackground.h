#pragma once
// The circle background: light grey circles around one centre, drawn largest
// first, each filled with the brush, so that every circle hides the larger
// ones inside it; then a dot at the centre.
//
// Drawn one over another, many close circles on a large sheet (a spacing of 1
// on a 4000-pixel sheet, which a damaged header can ask for) cost seconds.
// The same picture is then worked out once per visible pixel: each pixel takes
// the colour of the last circle drawn over it, the smallest that holds it.

#include "platform/DeviceContext.h"

namespace loopora {

// Circles of radius largest, largest - spacing, ... down to 0, then the dot
// (the circle of radius 1), with the device's current pen and brush.
void drawCircleBackground(CDC& dc, Point centre, int32_t largest, int32_t spacing);

} // namespace loopora
