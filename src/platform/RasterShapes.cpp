// Rectangles, ovals and arcs. Each figure is worked out row by row as its
// whole extent and the part the brush fills; the pen covers the rest of the
// extent, so every pixel is written once, by the brush or by the pen.
//
// A one-pixel pen draws on the figure's outermost pixels (columns left and
// right-1, rows top and bottom-1 of the box). A pen of width w is a band w
// pixels thick centred on that outline: it reaches floor(w/2) pixels outward
// and w-1-floor(w/2) inward, so even widths lean half a pixel up and left,
// like wide lines. Ovals get that band as the difference of two concentric
// ovals; the one-pixel oval outline instead is the oval's pixels with a
// neighbour outside it, which keeps it 8-connected, flat runs included.

#include "platform/ArcSweep.h"
#include "platform/EllipseRows.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <optional>

namespace loopora {

using raster::ArcSweep;
using raster::DevRect;
using raster::EllipseRows;
using raster::Ink;
using raster::Span;
using raster::SpanPainter;

namespace {

// The rows of a figure drawn with a pen of the given width (1 also stands for
// no pen: the brush then fills what a one-pixel pen would leave inside).
class FigureRows {
public:
    FigureRows(bool oval, const DevRect& box, int32_t penWidth)
    {
        const int64_t outward = penWidth / 2;
        const int64_t inward = penWidth - 1 - outward;
        outer_ = {box.left - outward, box.top - outward, box.right + inward, box.bottom + inward};
        inner_ = {box.left + inward + 1, box.top + inward + 1, box.right - outward - 1, box.bottom - outward - 1};
        thin_ = penWidth == 1;
        if (oval) {
            outerOval_.emplace(outer_);
            if (!inner_.empty())
                innerOval_.emplace(inner_);
        }
    }

    const DevRect& extent() const { return outer_; }

    Span whole(int64_t y) const
    {
        if (outerOval_)
            return outerOval_->row(y);
        return rowOf(outer_, y);
    }

    // What the brush fills; the pen draws the rest of whole(y).
    Span inside(int64_t y) const
    {
        if (outerOval_ && thin_)
            return outerOval_->interior(y);
        if (outerOval_)
            return innerOval_ ? innerOval_->row(y) : Span{};
        return rowOf(inner_, y);
    }

private:
    static Span rowOf(const DevRect& r, int64_t y)
    {
        if (r.empty() || y < r.top || y >= r.bottom)
            return {};
        return {r.left, r.right - 1};
    }

    DevRect outer_;
    DevRect inner_;
    bool thin_ = true;
    std::optional<EllipseRows> outerOval_;
    std::optional<EllipseRows> innerOval_;
};

} // namespace

void CRasterDC::rectangle(const Rect& box) { drawFigure(Figure::Rectangle, box, {}, {}); }

void CRasterDC::ellipse(const Rect& box) { drawFigure(Figure::Ellipse, box, {}, {}); }

void CRasterDC::arc(const Rect& box, Point start, Point end) { drawFigure(Figure::Arc, box, start, end); }

// Boxes given right-to-left or bottom-to-top are drawn as their normalised
// rectangle; a box with no width or no height draws nothing.
void CRasterDC::drawFigure(Figure figure, const Rect& box, Point start, Point end)
{
    const DevRect b = toDevice(box).normalized();
    if (b.empty())
        return;
    const bool outline = !raster::drawsNothing(pen());
    const bool fill = figure != Figure::Arc && brush().style == BrushStyle::Solid;
    if (!outline && !fill)
        return;

    const FigureRows rows(figure != Figure::Rectangle, b, outline ? raster::effectivePenWidth(pen()) : 1);
    std::optional<ArcSweep> sweep;
    if (figure == Figure::Arc)
        sweep.emplace(b, toDevice(start.x, start.y), toDevice(end.x, end.y));

    SpanPainter p = painter();
    const DevRect& v = p.visible();
    const Ink penInk{rasterOp(), pixelOf(pen().colour)};
    const Pixel brushPixel = pixelOf(brush().colour);

    auto drawOutline = [&](int64_t y, int64_t lo, int64_t hi) {
        if (lo > hi)
            return;
        if (!sweep) {
            p.inkSpan(y, lo, hi, penInk);
            return;
        }
        for (int64_t x = std::max(lo, v.left); x <= std::min(hi, v.right - 1); ++x)
            if (sweep->covers(x, y))
                p.ink(x, y, penInk);
    };

    const int64_t top = std::max(rows.extent().top, v.top);
    const int64_t bottom = std::min(rows.extent().bottom, v.bottom);
    for (int64_t y = top; y < bottom; ++y) {
        const Span whole = rows.whole(y);
        if (whole.empty())
            continue;
        Span inside = rows.inside(y);
        inside = {std::max(inside.lo, whole.lo), std::min(inside.hi, whole.hi)};
        if (fill && !inside.empty())
            p.copySpan(y, inside.lo, inside.hi, brushPixel);
        if (!outline)
            continue;
        if (inside.empty()) {
            drawOutline(y, whole.lo, whole.hi);
        } else {
            drawOutline(y, whole.lo, inside.lo - 1);
            drawOutline(y, inside.hi + 1, whole.hi);
        }
    }
}

} // namespace loopora
