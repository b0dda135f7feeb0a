#pragma once
// Texts of the chart font as ideal shapes: the text's measures from the font,
// and each line's glyph positions, at the screen's whole-pixel advances, at
// the outlines' own, or at the outlines' own fitted to the screen's width.

#include "platform/Font.h"
#include "platform/ShapeSink.h"

#include <string_view>

namespace loopora {

enum class GlyphSpacing {
    Screen,  // whole-pixel advances, glyph for glyph where the screen puts them
    Natural, // the outlines' own advances, for output that need not match the screen
    // The outlines' own advances, stretched or squeezed evenly so that the
    // line ends where it ends on the screen: the line keeps its width, and
    // its words keep the spacing readers find words by.
    NaturalToScreenWidth,
};

// Text in the font with its first cell's top-left corner at (left, top), and no lines yet.
ShapeText textInFont(const Font& font, double left, double top);

// A line of UTF-8 text laid out in the font; a malformed byte becomes a replacement character.
ShapeText::Line lineInFont(Font& font, std::string_view utf8, GlyphSpacing spacing);

} // namespace loopora
