// Text: monochrome glyphs of the shared chart font, copied in the text colour
// (the raster operation applies to pens only). Without a font texts draw
// nothing and measure with fixed fallback metrics.

#include "platform/Font.h"
#include "platform/RasterDC.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <limits>

namespace loopora {

using raster::DevPoint;
using raster::SpanPainter;

namespace {

int64_t advanceOf(Font& font, const std::u32string& text)
{
    int64_t width = 0;
    for (char32_t c : text)
        width += font.glyph(c).advance;
    return width;
}

} // namespace

TextMetrics CRasterDC::textMetrics() const
{
    const Font* font = Font::shared();
    return font ? font->metrics() : Font::kFallbackMetrics;
}

int32_t CRasterDC::textWidth(std::string_view utf8) const
{
    Font* font = Font::shared();
    if (!font)
        return 0;
    return int32_t(std::min<int64_t>(advanceOf(*font, decodeUtf8(utf8)), std::numeric_limits<int32_t>::max()));
}

// (x, y) is the top-left corner of the text's cell, advance width by text
// height; the baseline runs `ascent` rows below it.
void CRasterDC::textOut(int32_t x, int32_t y, std::string_view utf8)
{
    Font* font = Font::shared();
    if (!font)
        return;
    const std::u32string text = decodeUtf8(utf8);
    const TextMetrics& metrics = font->metrics();
    const DevPoint origin = toDevice(x, y);
    SpanPainter p = painter();

    if (backgroundMode() == BackgroundMode::Opaque)
        p.copyRect({origin.x, origin.y, origin.x + advanceOf(*font, text), origin.y + metrics.height},
                   pixelOf(backgroundColour()));

    const raster::Ink ink{RasterOp::CopyPen, pixelOf(textColour())};
    const int64_t baseline = origin.y + metrics.ascent;
    int64_t penX = origin.x;
    for (char32_t c : text) {
        const Glyph& g = font->glyph(c);
        const int64_t left = penX + g.left;
        const int64_t top = baseline - g.top;
        penX += g.advance;
        if (left >= p.visible().right || left + g.width <= p.visible().left || top >= p.visible().bottom ||
            top + g.rows <= p.visible().top)
            continue;
        for (int32_t gy = 0; gy < g.rows; ++gy)
            for (int32_t gx = 0; gx < g.width; ++gx)
                if (g.inked(gx, gy))
                    p.ink(left + gx, top + gy, ink);
    }
}

} // namespace loopora
