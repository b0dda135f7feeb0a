#include "export/CairoFont.h"

#include "platform/Font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace loopora {
namespace {

// A FreeType face of cairo's own: the screen's face is set to the screen's
// pixel size, which cairo would change under it.
cairo_font_face_t* openChartFontFace()
{
    const Font* font = Font::shared();
    if (!font)
        return nullptr;
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, font->file().c_str(), font->faceIndex(), &face) != 0) {
        FT_Done_FreeType(library);
        return nullptr;
    }
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, 0);
    if (cairo_font_face_status(cairoFace) != CAIRO_STATUS_SUCCESS) {
        cairo_font_face_destroy(cairoFace);
        FT_Done_Face(face);
        FT_Done_FreeType(library);
        return nullptr;
    }
    return cairoFace;
}

} // namespace

// Opened once and kept for the whole run: cairo's caches hold the face for
// as long as they like, so the FreeType face under it must never go first.
cairo_font_face_t* chartFontFace()
{
    static cairo_font_face_t* const face = openChartFontFace();
    return face;
}

} // namespace loopora
