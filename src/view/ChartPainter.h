#pragma once
// Drawing a chart's ideal shapes (platform/ShapeSink.h) antialiased into a
// window's pixels at any scale. The view asks for it at every zoom but the
// one where the window shows the bitmap's own pixels; the print-quality
// writers' drawing does it, and the programs hand it to their views, so the
// window shows what the PDF will print through the same code.

#include "document/Document.h"
#include "platform/PixelBuffer.h"
#include "platform/ShapeSink.h"

#include <cmath>

namespace loopora {

// How far, in chart pixels, an element's drawing may reach beyond its drawn
// bounds: the bitmap's pixels and the ideal shapes stray up to a few pixels
// from each other (a turned oval's most).
constexpr int32_t kShapesStray = 3;

// How far an element's shapes drawn at `scale` window pixels a chart pixel
// may reach beyond its drawn bounds, their antialiased edges included.
inline int32_t shapesReach(double scale) { return kShapesStray + int32_t(std::ceil(2 / scale)); }

// Where sheet points land in the target's pixels: sheet * scale - offset.
struct SheetMapping {
    double scale = 1;
    ShapePoint offset;
};

class ChartPainter {
public:
    virtual ~ChartPainter() = default;
    // Draws the sheet's background pattern and every visible element whose
    // drawn bounds meet `chartArea` over the target's pixels within `area`
    // (right and bottom excluded), touching none outside it. False when it
    // could not (out of memory).
    virtual bool paint(const CPattraDoc& doc, PixelBuffer& target, const Rect& area, const SheetMapping& mapping,
                       const Rect& chartArea) = 0;
};

} // namespace loopora
