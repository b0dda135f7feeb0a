#pragma once
// Ideal shapes drawn with cairo, which gives the PDF and PNG writers one
// drawing path: antialiased, with fonts through fontconfig and FreeType.

#include "document/Document.h"
#include "platform/ShapeSink.h"

#include <cairo.h>

#include <memory>

namespace loopora {

struct CairoDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoDestroy>;
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoDestroy>;

class CairoShapes final : public ShapeSink {
public:
    explicit CairoShapes(cairo_t* cr) : cr_(cr) {}

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    void setColour(Colour c);
    // Strokes the current path, which is then cleared.
    void strokePath(const ShapeStroke& stroke, cairo_line_join_t join = CAIRO_LINE_JOIN_ROUND);
    // Adds the part of the ellipse from `from` through `sweep` to the path.
    void ellipsePath(const ShapeEllipse& e, double from, double sweep);

    cairo_t* cr_;
};

// Draws the chart in cairo's current user space, one unit a chart pixel,
// with the sheet's top-left corner at the origin and clipped to the sheet.
void drawChart(cairo_t* cr, const CPattraDoc& doc, bool blackLines);

} // namespace loopora
