#include "export/CairoShapes.h"
#include "export/ChartShapes.h"
#include "export/ChartWriters.h"

#include "BuildInfo.h"

#include "platform/Utf8.h"

#include <cairo-pdf.h>

namespace loopora {
namespace {

constexpr double kPointsPerMm = 72 / kMmPerInch;

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
    const SheetArea sheet = sheetAreaOf(doc);
    const std::optional<LegendShapes> key = exportedKey(doc, options);
    const std::optional<PageLayout> page = layOutPage(sheet.width, sheet.height, options.page, error, sizeOf(key));
    if (!page)
        return false;
    out.clear();
    CairoSurface surface(cairo_pdf_surface_create_for_stream(append, &out, page->pageWidth * kPointsPerMm,
                                                             page->pageHeight * kPointsPerMm));
    const std::string creator = "Loopora " + std::string(kVersion);
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_TITLE, wellFormedUtf8(title).c_str());
    cairo_pdf_surface_set_metadata(surface.get(), CAIRO_PDF_METADATA_CREATOR, creator.c_str());
    {
        CairoContext cr(cairo_create(surface.get()));
        cairo_save(cr.get());
        cairo_translate(cr.get(), page->chartLeft * kPointsPerMm, page->chartTop * kPointsPerMm);
        cairo_scale(cr.get(), page->mmPerPixel * kPointsPerMm, page->mmPerPixel * kPointsPerMm);
        drawChart(cr.get(), doc, options.blackLines);
        cairo_restore(cr.get());
        if (key && page->key)
            drawKey(cr.get(), *key, {page->key->left * kPointsPerMm, page->key->top * kPointsPerMm},
                    page->key->mmPerUnit * kPointsPerMm);
        cairo_show_page(cr.get());
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
