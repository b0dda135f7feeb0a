#pragma once
// How a chart is laid out on paper and at what resolution it is drawn, for
// the print-quality formats.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace loopora {

enum class ExportFormat { Pdf, Svg, Png, Bmp };

// The format a file name asks for by its extension (any case), if any.
std::optional<ExportFormat> formatOfFileName(std::string_view fileName);

enum class PaperSize {
    A4,
    Letter,
    Chart // a page as large as the chart with its margins
};

struct PageOptions {
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
    // Unset: 10 mm on paper, none around a chart-sized page.
    std::optional<double> marginMm;
    // Chart pixels per millimetre; 0 fits the chart into the page within its
    // margins (a chart-sized page then takes the screen's 96 pixels an inch).
    double pixelsPerMm = 0;
};

struct ExportOptions {
    PageOptions page;
    // The PNG's resolution for the chart's printed size, or its width in
    // pixels (which then decides the resolution) when pixelWidth is not 0.
    int32_t dpi = 300;
    int32_t pixelWidth = 0;
    // All strokes and text black, fills white, and no background pattern: line
    // art as print shops ask for it.
    bool blackLines = false;
};

// Where the chart's sheet lies on the page, in millimetres.
struct PageLayout {
    double pageWidth = 0;
    double pageHeight = 0;
    double chartLeft = 0;
    double chartTop = 0;
    double mmPerPixel = 0; // the printed size of one chart pixel
};

// The sheet of width x height chart pixels on the page, centred; empty with a
// message when the options leave no room for it.
std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error);

constexpr double kMmPerInch = 25.4;
constexpr double kScreenDpi = 96;

} // namespace loopora
