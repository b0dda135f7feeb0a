#include "export/CairoShapes.h"

#include "export/CairoFont.h"
#include "export/ChartShapes.h"
#include "platform/ShapeWindow.h"

#include <cmath>
#include <numbers>

namespace loopora {

void CairoShapes::setColour(Colour c)
{
    if (colourSet_ == c)
        return;
    colourSet_ = c;
    cairo_set_source_rgb(cr_, redOf(c) / 255.0, greenOf(c) / 255.0, blueOf(c) / 255.0);
}

void CairoShapes::gatherFor(const Pen& pen)
{
    // A PDF works out the extent of each stroke it is given from the whole
    // path, so a path of a few thousand pieces keeps that work small.
    if (gathering_ && *gathering_ == pen && ++gathered_ < kMostGathered)
        return;
    finish();
    gathering_ = pen;
    gathered_ = 0;
}

void CairoShapes::finish()
{
    if (!gathering_)
        return;
    const ShapeStroke& stroke = gathering_->stroke;
    setColour(stroke.colour);
    if (penSet_ != gathering_)
        setPen(*gathering_);
    cairo_stroke(cr_);
    gathering_.reset();
}

void CairoShapes::setPen(const Pen& pen)
{
    penSet_ = pen;
    const ShapeStroke& stroke = pen.stroke;
    cairo_set_line_width(cr_, stroke.width);
    cairo_set_line_join(cr_, pen.join);
    const std::vector<double> steps = dashSteps(stroke.dash);
    if (steps.empty()) {
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
        cairo_set_dash(cr_, nullptr, 0, 0);
    } else {
        std::vector<double> lengths;
        for (double s : steps)
            lengths.push_back(s * stroke.dashStep);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
        cairo_set_dash(cr_, lengths.data(), int(lengths.size()), 0);
    }
}

void CairoShapes::ellipsePath(const ShapeEllipse& e, double from, double sweep, bool joined)
{
    cairo_save(cr_);
    cairo_translate(cr_, e.centre.x, e.centre.y);
    cairo_rotate(cr_, e.angle);
    cairo_scale(cr_, e.along, e.across);
    if (!joined)
        cairo_new_sub_path(cr_);
    if (sweep >= 0)
        cairo_arc(cr_, 0, 0, 1, from, from + sweep);
    else
        cairo_arc_negative(cr_, 0, 0, 1, from, from + sweep);
    cairo_restore(cr_);
}

void CairoShapes::line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke)
{
    gatherFor({stroke});
    cairo_move_to(cr_, from.x, from.y);
    cairo_line_to(cr_, to.x, to.y);
}

void CairoShapes::ellipse(const ShapeEllipse& e, const ShapeStroke& stroke)
{
    if (!(e.along > 0 && e.across > 0))
        return; // no scale can map a unit circle onto it
    gatherFor({stroke});
    ellipsePath(e, 0, 2 * std::numbers::pi);
    cairo_close_path(cr_);
}

void CairoShapes::filledEllipse(const ShapeEllipse& e, Colour fill)
{
    if (!(e.along > 0 && e.across > 0))
        return;
    finish();
    ellipsePath(e, 0, 2 * std::numbers::pi);
    cairo_close_path(cr_);
    setColour(fill);
    cairo_fill(cr_);
}

// The outline runs from arc to arc of the ellipse along the window's edges,
// so the path stays near the picture however large the ellipse.
void CairoShapes::filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window)
{
    const RegionOutline region = ellipseWithin(e, window);
    if (region.pieces.empty())
        return;
    finish();
    cairo_new_path(cr_);
    cairo_move_to(cr_, region.start.x, region.start.y);
    for (const OutlinePiece& piece : region.pieces) {
        if (piece.arc)
            ellipsePath(e, piece.from, piece.sweep, true);
        else
            cairo_line_to(cr_, piece.to.x, piece.to.y);
    }
    cairo_close_path(cr_);
    setColour(fill);
    cairo_fill(cr_);
}

void CairoShapes::filledPolygon(std::span<const ShapePoint> corners, Colour fill)
{
    if (corners.size() < 3)
        return;
    finish();
    cairo_move_to(cr_, corners[0].x, corners[0].y);
    for (const ShapePoint& p : corners.subspan(1))
        cairo_line_to(cr_, p.x, p.y);
    cairo_close_path(cr_);
    setColour(fill);
    cairo_fill(cr_);
}

void CairoShapes::ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke)
{
    if (!(e.along > 0 && e.across > 0))
        return;
    gatherFor({stroke});
    ellipsePath(e, from, sweep);
}

void CairoShapes::rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke)
{
    gatherFor({stroke, CAIRO_LINE_JOIN_MITER});
    cairo_rectangle(cr_, std::min(corner.x, opposite.x), std::min(corner.y, opposite.y),
                    std::fabs(opposite.x - corner.x), std::fabs(opposite.y - corner.y));
}

void CairoShapes::text(const ShapeText& text)
{
    finish();
    // Labels are described only when the chart has its font.
    cairo_font_face_t* face = chartFontFace();
    if (!face)
        return;
    cairo_set_font_face(cr_, face);
    cairo_set_font_size(cr_, text.fontPixels);
    cairo_scaled_font_t* font = cairo_get_scaled_font(cr_);
    for (size_t k = 0; k < text.lines.size(); ++k) {
        const ShapeText::Line& line = text.lines[k];
        const double top = text.top + double(k) * text.lineStep;
        if (text.fillCells && line.width > 0) {
            setColour(text.cellColour);
            cairo_rectangle(cr_, text.left, top, line.width, text.cellHeight);
            cairo_fill(cr_);
        }
        if (line.utf8.empty())
            continue;
        // The glyphs keep their text, so that a PDF reader can search and copy
        // it, but stand where the chart puts them.
        cairo_glyph_t* glyphs = nullptr;
        int glyphCount = 0;
        cairo_text_cluster_t* clusters = nullptr;
        int clusterCount = 0;
        cairo_text_cluster_flags_t flags{};
        const double baseline = top + text.ascent;
        if (cairo_scaled_font_text_to_glyphs(font, text.left, baseline, line.utf8.data(), int(line.utf8.size()),
                                             &glyphs, &glyphCount, &clusters, &clusterCount,
                                             &flags) != CAIRO_STATUS_SUCCESS)
            continue;
        if (size_t(glyphCount) == line.offsets.size())
            for (int i = 0; i < glyphCount; ++i)
                glyphs[i].x = text.left + line.offsets[size_t(i)];
        setColour(text.colour);
        cairo_show_text_glyphs(cr_, line.utf8.data(), int(line.utf8.size()), glyphs, glyphCount, clusters,
                               clusterCount, flags);
        cairo_glyph_free(glyphs);
        cairo_text_cluster_free(clusters);
    }
}

void drawChart(cairo_t* cr, const CPattraDoc& doc, const SheetArea& shown, const ExportOptions& options)
{
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, shown.width, shown.height);
    cairo_clip(cr);
    cairo_translate(cr, shown.origin.x, shown.origin.y);
    CairoShapes shapes(cr);
    describeChart(doc, shapes, options);
    shapes.finish();
    cairo_restore(cr);
}

void drawKey(cairo_t* cr, const LegendShapes& key, const KeyPart& part, ShapePoint topLeft, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, topLeft.x, topLeft.y);
    cairo_scale(cr, scale, scale);
    CairoShapes shapes(cr);
    key.describe(shapes, part);
    shapes.finish();
    cairo_restore(cr);
}

void drawPattern(cairo_t* cr, const PatternShapes& text, size_t first, size_t end, ShapePoint topLeft, double scale)
{
    cairo_save(cr);
    cairo_translate(cr, topLeft.x, topLeft.y);
    cairo_scale(cr, scale, scale);
    CairoShapes shapes(cr);
    text.describe(shapes, first, end);
    shapes.finish();
    cairo_restore(cr);
}

} // namespace loopora
