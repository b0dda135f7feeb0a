#include "export/CairoShapes.h"
#include "export/ChartShapes.h"
#include "export/ChartWriters.h"

#include "BuildInfo.h"

#include "platform/Utf8.h"

#include <cairo-pdf.h>

#include <cmath>

namespace loopora {
namespace {

constexpr double kPointsPerMm = 72 / kMmPerInch;
// PDF viewers open pages of up to 200 inches a side.
constexpr double kLargestPageSide = 14400;

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

bool writeChartPdf(const CPattraDoc& doc, const ExportOptions& options, const std::string& title,
                   std::vector<uint8_t>& out, std::string& error)
{
    const std::optional<SheetArea> shown = shownAreaOf(doc, options, error);
    if (!shown)
        return false;
    const std::optional<LegendShapes> key = exportedKey(doc, options);
    const std::optional<PageLayout> page = layOutPage(shown->width, shown->height, pageOptionsOf(options), error,
                                                      key ? &*key : nullptr, KeyOverflow::FurtherPages);
    if (!page)
        return false;
    const double pageWidth = page->pageWidth * kPointsPerMm;
    const double pageHeight = page->pageHeight * kPointsPerMm;
    if (pageWidth > kLargestPageSide || pageHeight > kLargestPageSide) {
        error = "the page would be " + std::to_string(std::lround(page->pageWidth)) + " x " +
                std::to_string(std::lround(page->pageHeight)) + " mm, larger than the " +
                std::to_string(std::lround(kLargestPageSide / kPointsPerMm)) +
                " mm a side that PDF viewers open: a larger --scale makes it smaller";
        return false;
    }
    out.clear();
    CairoSurface surface(cairo_pdf_surface_create_for_stream(append, &out, pageWidth, pageHeight));
    const std::string creator = "Loopora " + std::string(kVersion);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, wellFormedUtf8(title).c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, creator.c_str());
    {
        CairoContext cr(cairo_create(surface.get()));
        auto drawKeyAt = [&](const KeyPlace& place) {
            drawKey(cr.get(), *key, place.part, {place.left * kPointsPerMm, place.top * kPointsPerMm},
                    place.mmPerUnit * kPointsPerMm);
        };
        cairo_save(cr.get());
        cairo_translate(cr.get(), page->chartLeft * kPointsPerMm, page->chartTop * kPointsPerMm);
        cairo_scale(cr.get(), page->mmPerPixel * kPointsPerMm, page->mmPerPixel * kPointsPerMm);
        drawChart(cr.get(), doc, *shown, options);
        cairo_restore(cr.get());
        if (key && page->key)
            drawKeyAt(*page->key);
        cairo_show_page(cr.get());
        // The rest of a key the chart's page had no room for, a page each run.
        if (key)
            for (const KeyPlace& place : page->keyPages) {
                drawKeyAt(place);
                cairo_show_page(cr.get());
            }
        // The written instructions flow over pages of their own, as text.
        const double margin = options.page.marginMm.value_or(10);
        const double unit = kKeyMmPerUnit;
        const double pageUnits = std::max(0.0, page->pageWidth - 2 * margin) / unit;
        if (const std::optional<PatternShapes> text = exportedPattern(doc, options, patternWidthFor(pageUnits)))
            for (size_t first = 0; first < text->lineCount();) {
                const size_t lines = text->linesWithin(first, std::max(0.0, page->pageHeight - 2 * margin) / unit);
                drawPattern(cr.get(), *text, first, first + lines, {margin * kPointsPerMm, margin * kPointsPerMm},
                            unit * kPointsPerMm);
                cairo_show_page(cr.get());
                first += lines;
            }
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            error = std::string("drawing the PDF failed: ") + cairo_status_to_string(cairo_status(cr.get()));
            return false;
        }
    }
    cairo_surface_finish(surface.get());
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        error = std::string("making the PDF failed: ") + cairo_status_to_string(cairo_surface_status(surface.get()));
        return false;
    }
    return true;
}

} // namespace loopora
