#pragma once
// Ideal shapes drawn with cairo, which gives the PDF and PNG writers one
// drawing path: antialiased, with fonts through fontconfig and FreeType.

#include "document/Document.h"
#include "export/ChartShapes.h"
#include "export/LegendShapes.h"
#include "export/PatternShapes.h"
#include "platform/ShapeSink.h"

#include <cairo.h>

#include <memory>
#include <optional>

namespace loopora {

struct CairoDestroy {
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoDestroy>;
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoDestroy>;

// Strokes of one pen that follow each other are gathered into one path and
// stroked at once, a few thousand at a time: a chart's thousands of strokes
// in a few operations, and no seams where strokes of one colour overlap.
// Call finish() at the end.
class CairoShapes final : public ShapeSink {
public:
    explicit CairoShapes(cairo_t* cr) : cr_(cr) {}

    // Strokes what is still gathered.
    void finish();

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    struct Pen {
        ShapeStroke stroke;
        cairo_line_join_t join = CAIRO_LINE_JOIN_ROUND;
        friend bool operator==(const Pen&, const Pen&) = default;
    };

    void setColour(Colour c);
    void setPen(const Pen& pen);
    // What follows goes into the path stroked with this pen; a different
    // pen strokes what was gathered before.
    void gatherFor(const Pen& pen);
    // Adds the part of the ellipse from `from` through `sweep` to the path,
    // as a new piece of it or joined to where the path stands.
    void ellipsePath(const ShapeEllipse& e, double from, double sweep, bool joined = false);

    static constexpr int kMostGathered = 4096;

    cairo_t* cr_;
    // What was last given to cairo, so that the thousands of strokes and
    // fills of one pen and colour set them once: nothing else changes the
    // context while the shapes are drawn.
    std::optional<Pen> penSet_;
    std::optional<Colour> colourSet_;
    std::optional<Pen> gathering_;
    int gathered_ = 0; // the pieces in the path beyond the first
};

// Draws the chart in cairo's current user space, one unit a chart pixel,
// with the shown area's top-left corner at the origin and clipped to it, as
// the options ask (black lines, no background).
void drawChart(cairo_t* cr, const CPattraDoc& doc, const SheetArea& shown, const ExportOptions& options);
// Draws a run of the key with its top-left corner at that point of cairo's
// current user space, `scale` units of that space a key unit.
void drawKey(cairo_t* cr, const LegendShapes& key, const KeyPart& part, ShapePoint topLeft, double scale);
// The same for lines first to end of a pattern.
void drawPattern(cairo_t* cr, const PatternShapes& text, size_t first, size_t end, ShapePoint topLeft, double scale);

} // namespace loopora
