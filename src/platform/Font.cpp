#include "platform/Font.h"

#include "platform/Utf8.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

namespace loopora {

namespace {

template <auto Release>
struct Releaser {
    template <typename T>
    void operator()(T* p) const
    {
        if (p)
            Release(p);
    }
};

using FcConfigPtr = std::unique_ptr<FcConfig, Releaser<FcConfigDestroy>>;
using FcPatternPtr = std::unique_ptr<FcPattern, Releaser<FcPatternDestroy>>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, Releaser<FcFontSetDestroy>>;
using FtLibraryPtr = std::unique_ptr<FT_LibraryRec_, Releaser<FT_Done_FreeType>>;
using FtFacePtr = std::unique_ptr<FT_FaceRec_, Releaser<FT_Done_Face>>;

struct FontFile {
    std::string path;
    int index = 0;
    std::string family;
};

// Chart texts mix Latin and Cyrillic; a face must hold both.
bool coversChartScripts(FcPattern* font)
{
    FcCharSet* charset = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &charset) != FcResultMatch || !charset)
        return false;
    return FcCharSetHasChar(charset, 'A') && FcCharSetHasChar(charset, 0x0416); // Cyrillic Zhe
}

// fontconfig's preference order for "DejaVu Sans", then any sans face; the
// first that covers Latin and Cyrillic wins.
std::optional<FontFile> findFontFile()
{
    FcConfigPtr config(FcInitLoadConfigAndFonts());
    FcPatternPtr pattern(FcPatternCreate());
    if (!config || !pattern)
        return std::nullopt;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("DejaVu Sans"));
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    FcFontSetPtr fonts(FcFontSort(config.get(), pattern.get(), FcFalse, nullptr, &result));
    if (!fonts)
        return std::nullopt;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        FcChar8* file = nullptr;
        if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file || !coversChartScripts(font))
            continue;
        int index = 0;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        FcChar8* family = nullptr;
        FcPatternGetString(font, FC_FAMILY, 0, &family);
        return FontFile{reinterpret_cast<const char*>(file), index,
                        family ? reinterpret_cast<const char*>(family) : std::string()};
    }
    return std::nullopt;
}

int32_t wholePixels(FT_Pos v) { return int32_t((v + 32) >> 6); }

Glyph render(FT_Face face, char32_t codePoint)
{
    Glyph g;
    const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(codePoint));
    if (FT_Load_Glyph(face, index, FT_LOAD_TARGET_MONO) != 0)
        return g;
    FT_GlyphSlot slot = face->glyph;
    g.advance = std::max(0, wholePixels(slot->advance.x));
    g.naturalAdvance = std::max(0.0, double(slot->linearHoriAdvance) / 65536.0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0)
        return g;
    const FT_Bitmap& bitmap = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = int32_t(bitmap.width);
    g.rows = int32_t(bitmap.rows);
    g.ink.assign(size_t(g.width) * size_t(g.rows), 0);
    for (int32_t y = 0; y < g.rows; ++y) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch;
        for (int32_t x = 0; x < g.width; ++x) {
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x / 8] & (0x80 >> (x % 8))) != 0
                                                                     : row[x] >= 128;
            g.ink[size_t(y) * size_t(g.width) + size_t(x)] = on ? 1 : 0;
        }
    }
    return g;
}

} // namespace

struct Font::Face {
    FtLibraryPtr library;
    FtFacePtr face; // declared after the library so it is released first
    std::unordered_map<char32_t, Glyph> glyphs;
};

Font::Font(OpenedFace, std::unique_ptr<Face> face, std::string family, std::string file, int faceIndex)
    : face_(std::move(face)), family_(std::move(family)), file_(std::move(file)), faceIndex_(faceIndex)
{
    const FT_Size_Metrics& m = face_->face->size->metrics;
    const int32_t ascent = int32_t((m.ascender + 63) >> 6);
    const int32_t descent = int32_t((-m.descender + 63) >> 6);
    metrics_.ascent = ascent;
    metrics_.height = ascent + descent;
    metrics_.externalLeading = std::max(0, wholePixels(m.height) - metrics_.height);
}

Font::~Font() = default;

Font* Font::shared()
{
    static const std::unique_ptr<Font> font = []() -> std::unique_ptr<Font> {
        const std::optional<FontFile> file = findFontFile();
        if (!file)
            return nullptr;
        auto face = std::make_unique<Face>();
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) != 0)
            return nullptr;
        face->library.reset(library);
        FT_Face ftFace = nullptr;
        if (FT_New_Face(library, file->path.c_str(), file->index, &ftFace) != 0)
            return nullptr;
        face->face.reset(ftFace);
        if (FT_Set_Pixel_Sizes(ftFace, 0, kPixelSize) != 0)
            return nullptr;
        return std::make_unique<Font>(OpenedFace{}, std::move(face), file->family, file->path, file->index);
    }();
    return font.get();
}

Rect Font::textArea(std::string_view utf8)
{
    const std::u32string text = decodeUtf8(utf8);
    int64_t left = 0, top = 0, right = 0, bottom = metrics_.height;
    int64_t penX = 0;
    for (char32_t c : text) {
        const Glyph& g = glyph(c);
        if (g.width > 0 && g.rows > 0) {
            left = std::min(left, penX + g.left);
            right = std::max(right, penX + g.left + g.width);
            top = std::min<int64_t>(top, metrics_.ascent - g.top);
            bottom = std::max<int64_t>(bottom, metrics_.ascent - g.top + g.rows);
        }
        penX += g.advance;
    }
    right = std::max(right, penX);
    auto held = [](int64_t v) { return int32_t(std::clamp<int64_t>(v, -(int64_t(1) << 30), int64_t(1) << 30)); };
    return {held(left), held(top), held(right), held(bottom)};
}

const Glyph& Font::glyph(char32_t codePoint)
{
    auto it = face_->glyphs.find(codePoint);
    if (it == face_->glyphs.end())
        it = face_->glyphs.emplace(codePoint, render(face_->face.get(), codePoint)).first;
    return it->second;
}

} // namespace loopora
