#pragma once
// A device context that draws into a PixelBuffer, following the rasterisation
// rules stitch pictures are compared by, pixel for pixel.

#include "platform/DeviceContext.h"
#include "platform/PenDisc.h"
#include "platform/PixelBuffer.h"
#include "platform/RasterSupport.h"

#include <array>
#include <cstddef>

namespace loopora {

class CRasterDC final : public CDC {
public:
    explicit CRasterDC(PixelBuffer& target);

    // Drawing is limited to this device rectangle (and always to the buffer);
    // a repaint of one invalid area sets it to that area.
    void setClip(const Rect& deviceRect);
    void clearClip();
    const Rect& clip() const { return clip_; }

    PixelBuffer& target() { return target_; }
    // The clip and the buffer, in logical coordinates.
    Rect visibleArea() const override;

    // Also restarts the dash pattern of styled pens.
    void moveTo(int32_t x, int32_t y) override;
    void lineTo(int32_t x, int32_t y) override;
    void ellipse(const Rect& box) override;
    void rectangle(const Rect& box) override;
    void arc(const Rect& box, Point start, Point end) override;
    void fillRect(const Rect& r, Colour c) override;
    void frameRect(const Rect& r, Colour c) override;
    void drawFocusRect(const Rect& r) override;
    void setPixel(int32_t x, int32_t y, Colour c) override;
    void setPixels(std::span<const Point> pixels, Colour c) override;
    void setPixelRow(int32_t y, int32_t left, int32_t right, Colour c) override;
    void textOut(int32_t x, int32_t y, std::string_view utf8) override;
    TextMetrics textMetrics() const override;
    int32_t textWidth(std::string_view utf8) const override;

private:
    enum class Figure { Rectangle, Ellipse, Arc };

    raster::DevPoint toDevice(int32_t x, int32_t y) const;
    raster::DevRect toDevice(const Rect& r) const;
    // Paints inside the clip rectangle and the buffer only.
    raster::SpanPainter painter();

    void thinLine(raster::DevPoint from, raster::DevPoint to);
    void wideLine(raster::DevPoint from, raster::DevPoint to, int32_t width);
    void drawFigure(Figure figure, const Rect& box, Point start, Point end);

    PixelBuffer& target_;
    Rect clip_;
    int32_t styleStep_ = 0; // position within the dash pattern, kept along joined segments
    raster::PenDisc disc_; // the wide pen's footprint, kept while the width stays
    // A wide line's spans still being gathered: as many as the widest pen's
    // disc has rows, rounded up to a power of two for cheap wrapping.
    static constexpr size_t kLineWindow = 256;
    static_assert(kLineWindow >= size_t(raster::kMaxPenWidth) && (kLineWindow & (kLineWindow - 1)) == 0);
    std::array<raster::Span, kLineWindow> lineWindow_;
};

} // namespace loopora
