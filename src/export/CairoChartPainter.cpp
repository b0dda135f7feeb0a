#include "export/CairoChartPainter.h"

#include "document/BackgroundShapes.h"
#include "elements/IdealShapes.h"
#include "export/CairoShapes.h"

namespace loopora {

bool CairoChartPainter::paint(const CPattraDoc& doc, PixelBuffer& target, const Rect& area,
                              const SheetMapping& mapping, const Rect& chartArea)
{
    const Rect inside = Rect::intersected(area.normalized(), {0, 0, target.width(), target.height()});
    if (inside.isEmpty())
        return true;
    // A surface over the whole picture, clipped to the area: the shapes land
    // on the same pixels whatever part of the window is repainted. A 32-bit
    // pixel without alpha is laid out as the buffer's.
    const int stride = target.width() * int(sizeof(Pixel));
    auto* pixels = reinterpret_cast<unsigned char*>(target.pixels().data());
    CairoSurface surface(
        cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, target.width(), target.height(), stride));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return false;
    CairoContext cr(cairo_create(surface.get()));
    cairo_rectangle(cr.get(), inside.left, inside.top, double(inside.width()), double(inside.height()));
    cairo_clip(cr.get());
    cairo_translate(cr.get(), -mapping.offset.x, -mapping.offset.y);
    cairo_scale(cr.get(), mapping.scale, mapping.scale);
    const CCanvas& canvas = doc.canvas();
    cairo_translate(cr.get(), canvas.origin().x, canvas.origin().y);
    CairoShapes shapes(cr.get());
    describeBackground(canvas, shapes);
    // Each element is stroked on its own: strokes gathered across elements
    // would be drawn differently by a repaint that leaves some of them out.
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
    for (int32_t y = inside.top; y < inside.bottom; ++y) {
        Pixel* row = target.row(y);
        for (int32_t x = inside.left; x < inside.right; ++x)
            row[x] &= 0x00FFFFFFu;
    }
    return drawn;
}

} // namespace loopora
