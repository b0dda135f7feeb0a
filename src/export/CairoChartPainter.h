#pragma once
// The chart window's drawing at every zoom but the bitmap's own: the ideal
// shapes drawn by cairo straight into the window's pixels, as the PNG
// writer draws them into a picture. A large area is drawn in two bands on
// two threads, each band exactly as a repaint of the whole gives it.

#include "view/ChartPainter.h"

namespace loopora {

class CairoChartPainter final : public ChartPainter {
public:
    bool paint(const CPattraDoc& doc, PixelBuffer& target, const Rect& area, const SheetMapping& mapping,
               const Rect& chartArea) override;
};

} // namespace loopora
