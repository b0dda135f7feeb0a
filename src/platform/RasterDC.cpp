// The raster device context's state, coordinate conversion and the plain
// rectangle operations; lines, figures and text live in their own files.

#include "platform/RasterDC.h"

namespace loopora {

using raster::DevPoint;
using raster::DevRect;
using raster::SpanPainter;

namespace {

DevRect bufferRect(const PixelBuffer& b) { return {0, 0, b.width(), b.height()}; }

DevRect intersected(const DevRect& a, const DevRect& b)
{
    DevRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
    return r.empty() ? DevRect{} : r;
}

// Visits the one-pixel frame just inside r, each pixel once and only within
// the visible rows: whole rows top and bottom, single pixels on the sides.
template <typename Row, typename Side>
void forEachFramePixel(const DevRect& r, const DevRect& visible, Row&& row, Side&& side)
{
    if (r.empty())
        return;
    row(r.top);
    if (r.bottom - 1 > r.top)
        row(r.bottom - 1);
    const int64_t first = std::max(r.top + 1, visible.top);
    const int64_t last = std::min(r.bottom - 1, visible.bottom); // exclusive
    for (int64_t y = first; y < last; ++y) {
        side(r.left, y);
        if (r.right - 1 > r.left)
            side(r.right - 1, y);
    }
}

} // namespace

CRasterDC::CRasterDC(PixelBuffer& target) : target_(target), clip_{0, 0, target.width(), target.height()} {}

void CRasterDC::setClip(const Rect& deviceRect) { clip_ = deviceRect; }

void CRasterDC::clearClip() { clip_ = Rect{0, 0, target_.width(), target_.height()}; }

void CRasterDC::moveTo(int32_t x, int32_t y)
{
    CDC::moveTo(x, y);
    styleStep_ = 0;
}

// In 64 bits so that no origin can overflow the sum, then held within the
// range the line and oval arithmetic is exact for.
DevPoint CRasterDC::toDevice(int32_t x, int32_t y) const
{
    const Point w = windowOrigin();
    const Point v = viewportOrigin();
    return {raster::clampDevice(int64_t(x) - w.x + v.x), raster::clampDevice(int64_t(y) - w.y + v.y)};
}

DevRect CRasterDC::toDevice(const Rect& r) const
{
    const DevPoint a = toDevice(r.left, r.top);
    const DevPoint b = toDevice(r.right, r.bottom);
    return {a.x, a.y, b.x, b.y};
}

Rect CRasterDC::visibleArea() const
{
    const DevRect d = intersected({clip_.left, clip_.top, clip_.right, clip_.bottom}, bufferRect(target_));
    if (d.empty())
        return {};
    // logical = device + window origin - viewport origin
    const int64_t dx = int64_t(windowOrigin().x) - viewportOrigin().x;
    const int64_t dy = int64_t(windowOrigin().y) - viewportOrigin().y;
    auto logical = [](int64_t v) {
        return int32_t(std::clamp<int64_t>(v, kEverywhere.left, kEverywhere.right));
    };
    return {logical(d.left + dx), logical(d.top + dy), logical(d.right + dx), logical(d.bottom + dy)};
}

SpanPainter CRasterDC::painter()
{
    const DevRect clip{clip_.left, clip_.top, clip_.right, clip_.bottom};
    return SpanPainter(target_, intersected(clip, bufferRect(target_)));
}

void CRasterDC::fillRect(const Rect& r, Colour c) { painter().copyRect(toDevice(r), pixelOf(c)); }

void CRasterDC::frameRect(const Rect& r, Colour c)
{
    SpanPainter p = painter();
    const DevRect d = toDevice(r);
    const Pixel colour = pixelOf(c);
    forEachFramePixel(
        d, p.visible(), [&](int64_t y) { p.copySpan(y, d.left, d.right - 1, colour); },
        [&](int64_t x, int64_t y) { p.ink(x, y, raster::Ink{RasterOp::CopyPen, colour}); });
}

// Inverts the frame pixels whose device coordinates add up to an even number,
// so the dots line up whatever the rectangle and a second call undoes the first.
void CRasterDC::drawFocusRect(const Rect& r)
{
    SpanPainter p = painter();
    const DevRect d = toDevice(r);
    const raster::Ink invert{RasterOp::XorPen, 0x00FFFFFFu};
    auto dot = [&](int64_t x, int64_t y) {
        if (((x + y) & 1) == 0)
            p.ink(x, y, invert);
    };
    forEachFramePixel(
        d, p.visible(),
        [&](int64_t y) {
            const int64_t first = std::max(d.left, p.visible().left);
            const int64_t last = std::min(d.right, p.visible().right); // exclusive
            for (int64_t x = first; x < last; ++x)
                dot(x, y);
        },
        dot);
}

void CRasterDC::setPixel(int32_t x, int32_t y, Colour c)
{
    const DevPoint d = toDevice(x, y);
    painter().ink(d.x, d.y, raster::Ink{RasterOp::CopyPen, pixelOf(c)});
}

void CRasterDC::setPixelRow(int32_t y, int32_t left, int32_t right, Colour c)
{
    const DevPoint from = toDevice(left, y);
    painter().copySpan(from.y, from.x, from.x + (int64_t(right) - left) - 1, pixelOf(c));
}

void CRasterDC::setPixels(std::span<const Point> pixels, Colour c)
{
    if (pixels.empty())
        return;
    // One mapping for the whole batch: chain ovals and lenses plot hundreds of pixels.
    const DevPoint origin = toDevice(0, 0);
    SpanPainter p = painter();
    const DevRect& visible = p.visible();
    const Pixel colour = pixelOf(c);
    for (Point px : pixels) {
        const int64_t x = origin.x + px.x;
        const int64_t y = origin.y + px.y;
        if (visible.contains(x, y))
            p.buffer().at(int32_t(x), int32_t(y)) = colour;
    }
}

} // namespace loopora
