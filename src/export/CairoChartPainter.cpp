#include "export/CairoChartPainter.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"
#include "export/CairoShapes.h"

#include <cstddef>
#include <cstdint>

namespace loopora {
namespace {

// Device pixels drawn beyond the area on every side and left aside.
constexpr int32_t kSpareEdge = 4;

} // namespace

bool CairoChartPainter::paint(const CPattraDoc& doc, PixelBuffer& target, const Rect& area,
                              const SheetMapping& mapping, const Rect& chartArea)
{
    const Rect inside = Rect::intersected(area.normalized(), {0, 0, target.width(), target.height()});
    if (inside.isEmpty())
        return true;
    // The shapes are drawn on a picture of their own, a few pixels larger
    // than the area, and the area is copied from it: where a picture ends
    // cairo rounds the coverage of the pixels along its edge differently, so
    // those pixels are drawn and left aside, and each pixel of the area comes
    // out as a repaint of the whole window draws it.
    const Rect drawnArea = inside.inflated(kSpareEdge);
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(drawnArea.width()), int(drawnArea.height())));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return false;
    CairoContext cr(cairo_create(surface.get()));
    // A window is redrawn at every zoom step and scroll: cairo's coarser
    // coverage grid (4 x 4 samples a pixel) and curves flattened to a
    // quarter pixel draw it in about half the time, with edges as smooth to
    // the eye. Labels have grey edges, as the PNG export's.
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_FAST);
    cairo_set_tolerance(cr.get(), 0.25);
    cairo_font_options_t* fontOptions = cairo_font_options_create();
    cairo_font_options_set_antialias(fontOptions, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr.get(), fontOptions);
    cairo_font_options_destroy(fontOptions);
    cairo_set_source_rgb(cr.get(), 1, 1, 1);
    cairo_paint(cr.get());
    cairo_translate(cr.get(), -drawnArea.left - mapping.offset.x, -drawnArea.top - mapping.offset.y);
    cairo_scale(cr.get(), mapping.scale, mapping.scale);
    const CCanvas& canvas = doc.canvas();
    cairo_translate(cr.get(), canvas.origin().x, canvas.origin().y);
    CairoShapes shapes(cr.get());
    describeBackground(canvas, shapes);
    // Each element is stroked on its own: strokes gathered across elements
    // would be drawn differently by a repaint that leaves some of them out,
    // and one path of a thousand crossing strokes costs cairo more than
    // the strokes element by element.
    for (const auto& element : canvas.children())
        if (!Rect::intersected(element->drawnBounds(), chartArea).isEmpty()) {
            shapes.finish();
            describeElement(*element, shapes);
        }
    shapes.finish();
    const bool drawn = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
    cr.reset();
    cairo_surface_flush(surface.get());
    // The byte cairo leaves unused is kept 0, as every pixel of the buffer has it.
    const unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int32_t y = inside.top; y < inside.bottom; ++y) {
        const auto* from = reinterpret_cast<const uint32_t*>(data + std::ptrdiff_t(y - drawnArea.top) * stride) +
                           (inside.left - drawnArea.left);
        Pixel* to = target.row(y) + inside.left;
        for (int32_t x = 0; x < int32_t(inside.width()); ++x)
            to[x] = from[x] & 0x00FFFFFFu;
    }
    return drawn;
}

} // namespace loopora
