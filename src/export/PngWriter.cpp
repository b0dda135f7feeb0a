#include "export/CairoShapes.h"
#include "export/ChartWriters.h"
#include "export/ChartShapes.h"
#include "export/PngEncoder.h"

#include <cmath>

namespace loopora {
namespace {

// The picture's size in pixels and its resolution, from the chart's printed size.
struct PngSize {
    int32_t width = 0;
    int32_t height = 0;
    double pixelsPerChartPixel = 0;
    double dpi = 0;
    PageLayout page;
    // What the picture shows, in millimetres of the page: the chart and its
    // key without the page around them, or a cropped drawing's whole page.
    double left = 0;
    double top = 0;
};

std::optional<PngSize> sizeOf(const SheetArea& sheet, const KeyMeasure* key, const ExportOptions& options,
                              std::string& error)
{
    const std::optional<PageLayout> page = layOutPage(sheet.width, sheet.height, pageOptionsOf(options), error, key);
    if (!page)
        return std::nullopt;
    PngSize size;
    size.left = options.crop ? 0 : page->contentLeft;
    size.top = options.crop ? 0 : page->contentTop;
    // The picture's size in chart pixels: the sheet's own when it is alone.
    const bool sheetAlone = !options.crop && !page->key;
    const double shownWidth =
        sheetAlone ? sheet.width : (options.crop ? page->pageWidth : page->contentWidth) / page->mmPerPixel;
    const double shownHeight =
        sheetAlone ? sheet.height : (options.crop ? page->pageHeight : page->contentHeight) / page->mmPerPixel;
    const double printedWidthInches = shownWidth * page->mmPerPixel / kMmPerInch;
    if (options.pixelWidth != 0) {
        if (options.pixelWidth < 1 || options.pixelWidth > kLargestPngSide) {
            error = "the width must be 1 to " + std::to_string(kLargestPngSide) + " pixels";
            return std::nullopt;
        }
        size.width = options.pixelWidth;
        size.pixelsPerChartPixel = double(size.width) / shownWidth;
        size.dpi = size.width / printedWidthInches;
    } else {
        if (options.dpi < 1 || options.dpi > 9600) {
            error = "the resolution must be 1 to 9600 dpi";
            return std::nullopt;
        }
        size.dpi = options.dpi;
        const double width = std::round(printedWidthInches * size.dpi);
        if (!(width <= kLargestPngSide)) {
            error = "at " + std::to_string(options.dpi) + " dpi the picture would be wider than " +
                    std::to_string(kLargestPngSide) + " pixels";
            return std::nullopt;
        }
        size.width = std::max(1, int32_t(width));
        size.pixelsPerChartPixel = double(size.width) / shownWidth;
    }
    const double height = std::max(1.0, std::round(shownHeight * size.pixelsPerChartPixel));
    if (height > kLargestPngSide || double(size.width) * height > double(kLargestPngPixels)) {
        error = "the picture would be " + std::to_string(size.width) + " x " + std::to_string(int64_t(height)) +
                " pixels, more than the " + std::to_string(kLargestPngPixels / 1'000'000) + " million a PNG may have";
        return std::nullopt;
    }
    size.height = int32_t(height);
    size.page = *page;
    return size;
}

bool onlyGreys(const unsigned char* pixels, int stride, int32_t width, int32_t height)
{
    for (int32_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels + std::ptrdiff_t(y) * stride);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t p = row[x];
            if (((p >> 16) & 0xFF) != (p & 0xFF) || ((p >> 8) & 0xFF) != (p & 0xFF))
                return false;
        }
    }
    return true;
}

// Picture pixels a chart pixel from which the coarser antialiasing suffices (288 dpi and more).
constexpr double kFineResolution = 3;

} // namespace

bool writeChartPng(const CPattraDoc& doc, const ExportOptions& options, std::vector<uint8_t>& out, std::string& error)
{
    const std::optional<SheetArea> shown = shownAreaOf(doc, options, error);
    if (!shown)
        return false;
    const std::optional<LegendShapes> key = exportedKey(doc, options);
    std::optional<PngSize> size = sizeOf(*shown, key ? &*key : nullptr, options, error);
    if (!size)
        return false;
    // The written instructions below the picture, set as the key is.
    const double unitPixels = kKeyMmPerUnit / size->page.mmPerPixel * size->pixelsPerChartPixel;
    const std::optional<PatternShapes> text = exportedPattern(doc, options, patternWidthFor(size->width / unitPixels));
    const int32_t pictureHeight = size->height;
    if (text) {
        const double height = pictureHeight + std::ceil(text->heightOf(0, text->lineCount()) * unitPixels);
        if (height > kLargestPngSide || double(size->width) * height > double(kLargestPngPixels)) {
            error = "with its pattern the picture would be " + std::to_string(size->width) + " x " +
                    std::to_string(int64_t(height)) + " pixels, more than a PNG may have";
            return false;
        }
        size->height = int32_t(height);
    }
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, size->width, size->height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        error = "there is not enough memory for a picture of " + std::to_string(size->width) + " x " +
                std::to_string(size->height) + " pixels";
        return false;
    }
    {
        CairoContext cr(cairo_create(surface.get()));
        cairo_set_source_rgb(cr.get(), 1, 1, 1);
        cairo_paint(cr.get());
        // Grey edges only: coloured fringes would not print as they show.
        cairo_font_options_t* fontOptions = cairo_font_options_create();
        cairo_font_options_set_antialias(fontOptions, CAIRO_ANTIALIAS_GRAY);
        cairo_set_font_options(cr.get(), fontOptions);
        cairo_font_options_destroy(fontOptions);
        cairo_scale(cr.get(), size->pixelsPerChartPixel, size->pixelsPerChartPixel);
        // At print resolutions a chart pixel is several picture pixels, and
        // cairo's coarser coverage grid (4 x 4 samples a pixel, finer than
        // any printer's dot) draws the picture in two thirds of the time.
        if (size->pixelsPerChartPixel >= kFineResolution)
            cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_FAST);
        const PageLayout& page = size->page;
        // Chart pixels from the top-left corner of what the picture shows.
        auto at = [&](double xMm, double yMm) {
            return ShapePoint{(xMm - size->left) / page.mmPerPixel, (yMm - size->top) / page.mmPerPixel};
        };
        const ShapePoint chart = at(page.chartLeft, page.chartTop);
        cairo_save(cr.get());
        cairo_translate(cr.get(), chart.x, chart.y);
        drawChart(cr.get(), doc, *shown, options);
        cairo_restore(cr.get());
        if (key && page.key)
            drawKey(cr.get(), *key, page.key->part, at(page.key->left, page.key->top),
                    page.key->mmPerUnit / page.mmPerPixel);
        if (text)
            drawPattern(cr.get(), *text, 0, text->lineCount(), {0, pictureHeight / size->pixelsPerChartPixel},
                        unitPixels / size->pixelsPerChartPixel);
        if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS) {
            error = std::string("drawing the picture failed: ") + cairo_status_to_string(cairo_status(cr.get()));
            return false;
        }
    }
    cairo_surface_flush(surface.get());
    const unsigned char* pixels = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    // A picture of greys only (black line work, and most charts) needs one
    // byte a pixel: a third of the rows to compress.
    const bool grey = options.blackLines || onlyGreys(pixels, stride, size->width, size->height);
    PngPicture picture{size->width, size->height, grey, size->dpi, [&](int32_t y, uint8_t* row) {
                           const auto* from = reinterpret_cast<const uint32_t*>(pixels + std::ptrdiff_t(y) * stride);
                           for (int32_t x = 0; x < size->width; ++x) {
                               const uint32_t p = from[x]; // 0x00RRGGBB
                               if (grey) {
                                   row[x] = uint8_t(p);
                               } else {
                                   row[3 * x] = uint8_t(p >> 16);
                                   row[3 * x + 1] = uint8_t(p >> 8);
                                   row[3 * x + 2] = uint8_t(p);
                               }
                           }
                       }};
    if (!encodePng(picture, out)) {
        error = "there is not enough memory to compress the picture";
        return false;
    }
    return true;
}

} // namespace loopora
