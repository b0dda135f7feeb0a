#pragma once
// The font chart texts are drawn in: a sans face with Latin and Cyrillic
// ("DejaVu Sans" when installed) found through fontconfig, 13 pixels, rendered
// by FreeType without anti-aliasing so texts compare pixel for pixel. The face
// is opened once per process and each code point is rendered once.

#include "platform/DeviceContext.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <string>
#include <vector>

namespace loopora {

// One rendered character, positioned relative to the pen on the baseline.
struct Glyph {
    int32_t left = 0;  // columns from the pen position to the bitmap's left edge
    int32_t top = 0;   // rows from the bitmap's top edge down to the baseline
    int32_t width = 0;
    int32_t rows = 0;
    int32_t advance = 0; // whole pixels the pen moves on
    // The advance of the glyph's own outline, in fractional pixels: where
    // print places the next glyph when nothing has to match the screen.
    double naturalAdvance = 0;
    std::vector<uint8_t> ink; // width * rows, top row first; 1 where the glyph is drawn

    bool inked(int32_t x, int32_t y) const { return ink[size_t(y) * size_t(width) + size_t(x)] != 0; }
};

class Font {
public:
    static constexpr int32_t kPixelSize = 13;
    // What texts measure when no font can be found (they then draw nothing).
    static constexpr TextMetrics kFallbackMetrics{16, 13, 0};

    // The chart font, opened on first use; nullptr when no usable face exists.
    static Font* shared();

    ~Font();
    Font(const Font&) = delete;
    Font& operator=(const Font&) = delete;

    const TextMetrics& metrics() const { return metrics_; }
    // The face's family name, by which other text renderers find the same face.
    const std::string& family() const { return family_; }
    // The face's file and its index in the file, for renderers that open it themselves.
    const std::string& file() const { return file_; }
    int faceIndex() const { return faceIndex_; }
    // The code point's glyph (the face's missing-glyph box when it has none).
    const Glyph& glyph(char32_t codePoint);
    // Where a line of UTF-8 text drawn with its cell's top-left corner at
    // (0, 0) puts pixels: its cell and every glyph's ink, which may stand out of it.
    Rect textArea(std::string_view utf8);

private:
    struct Face;
    struct OpenedFace {
        explicit OpenedFace() = default;
    };

public:
    // Only shared() can name OpenedFace, so only it makes fonts.
    Font(OpenedFace, std::unique_ptr<Face> face, std::string family, std::string file, int faceIndex);

private:

    std::unique_ptr<Face> face_;
    TextMetrics metrics_;
    std::string family_;
    std::string file_;
    int faceIndex_ = 0;
};

} // namespace loopora
