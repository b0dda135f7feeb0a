#pragma once
// The sheet's background pattern as ideal shapes, drawn as the screen draws
// it: light grey grid lines through the middle of their pixels, or circles
// around the sheet's centre with their dot.

#include "document/Canvas.h"
#include "platform/ShapeSink.h"

namespace loopora {

// Nothing for a clean sheet; otherwise one element of type kSheetPattern.
void describeBackground(const CCanvas& canvas, ShapeSink& sink);

} // namespace loopora
