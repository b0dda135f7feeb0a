#include "export/ExportOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace loopora {

std::optional<ExportFormat> formatOfFileName(std::string_view fileName)
{
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || fileName.find('/', dot) != std::string_view::npos)
        return std::nullopt;
    std::string extension;
    for (char c : fileName.substr(dot + 1))
        extension += char(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "pdf")
        return ExportFormat::Pdf;
    if (extension == "svg")
        return ExportFormat::Svg;
    if (extension == "png")
        return ExportFormat::Png;
    if (extension == "bmp")
        return ExportFormat::Bmp;
    return std::nullopt;
}

std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error)
{
    if (width <= 0 || height <= 0) {
        error = "the chart has no sheet to print";
        return std::nullopt;
    }
    const double margin = options.marginMm.value_or(options.paper == PaperSize::Chart ? 0.0 : 10.0);
    if (!(margin >= 0) || !std::isfinite(margin)) {
        error = "the margin must be 0 mm or more";
        return std::nullopt;
    }
    if (!(options.pixelsPerMm >= 0) || !std::isfinite(options.pixelsPerMm)) {
        error = "the scale must be a positive number of chart pixels per millimetre";
        return std::nullopt;
    }
    PageLayout layout;
    // A chart-sized page has the chart's own orientation.
    if (options.paper == PaperSize::Chart) {
        layout.mmPerPixel = options.pixelsPerMm > 0 ? 1 / options.pixelsPerMm : kMmPerInch / kScreenDpi;
        layout.pageWidth = width * layout.mmPerPixel + 2 * margin;
        layout.pageHeight = height * layout.mmPerPixel + 2 * margin;
        layout.chartLeft = margin;
        layout.chartTop = margin;
        return layout;
    }
    const bool letter = options.paper == PaperSize::Letter;
    const double shortSide = letter ? 215.9 : 210.0;
    const double longSide = letter ? 279.4 : 297.0;
    layout.pageWidth = options.landscape ? longSide : shortSide;
    layout.pageHeight = options.landscape ? shortSide : longSide;
    const double roomX = layout.pageWidth - 2 * margin;
    const double roomY = layout.pageHeight - 2 * margin;
    if (roomX <= 0 || roomY <= 0) {
        error = "the margins leave no room on the page";
        return std::nullopt;
    }
    layout.mmPerPixel =
        options.pixelsPerMm > 0 ? 1 / options.pixelsPerMm : std::min(roomX / width, roomY / height);
    layout.chartLeft = (layout.pageWidth - width * layout.mmPerPixel) / 2;
    layout.chartTop = (layout.pageHeight - height * layout.mmPerPixel) / 2;
    return layout;
}

} // namespace loopora
