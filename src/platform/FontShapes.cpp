#include "platform/FontShapes.h"

#include "platform/Utf8.h"

namespace loopora {

ShapeText textInFont(const Font& font, double left, double top)
{
    const TextMetrics& metrics = font.metrics();
    ShapeText text;
    text.left = left;
    text.top = top;
    text.lineStep = metrics.height + metrics.externalLeading;
    text.cellHeight = metrics.height;
    text.ascent = metrics.ascent;
    text.fontPixels = Font::kPixelSize;
    text.fontFamily = font.family();
    return text;
}

ShapeText::Line lineInFont(Font& font, std::string_view utf8, GlyphSpacing spacing)
{
    ShapeText::Line line;
    double natural = 0;
    double screen = 0;
    for (char32_t c : decodeUtf8(utf8)) {
        appendUtf8(line.utf8, c);
        line.offsets.push_back(spacing == GlyphSpacing::Screen ? screen : natural);
        const Glyph& g = font.glyph(c);
        screen += double(g.advance);
        natural += g.naturalAdvance;
    }
    line.width = spacing == GlyphSpacing::Natural ? natural : screen;
    if (spacing == GlyphSpacing::NaturalToScreenWidth && natural > 0)
        for (double& offset : line.offsets)
            offset *= screen / natural;
    return line;
}

} // namespace loopora
