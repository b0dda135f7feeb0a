#pragma once
// How a chart is laid out on paper and at what resolution it is drawn, for
// the print-quality formats.

#include "platform/UiLanguage.h"

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
    // The chart's key beside or below it, in this language.
    bool legend = false;
    Language legendLanguage = Language::Russian;
};

// The size of a key in its own units, to be placed with the chart.
struct KeySize {
    double width = 0;
    double height = 0;
};

// Where a key lies on the page, in millimetres, and the printed length of
// one of its units.
struct KeyPlace {
    double left = 0;
    double top = 0;
    double mmPerUnit = 0;
};

// Where the chart's sheet and its key lie on the page, in millimetres.
struct PageLayout {
    double pageWidth = 0;
    double pageHeight = 0;
    double chartLeft = 0;
    double chartTop = 0;
    double mmPerPixel = 0; // the printed size of one chart pixel
    std::optional<KeyPlace> key;
    // The smallest box around the sheet and the key: what a picture without
    // a page shows.
    double contentLeft = 0;
    double contentTop = 0;
    double contentWidth = 0;
    double contentHeight = 0;
};

// The sheet of width x height chart pixels on the page, centred; empty with a
// message when the options leave no room for it. A key goes beside the
// sheet or below it, whichever prints the chart larger (on a page the size
// of the chart: whichever makes the smaller page); its units print at a
// readable size unless the page is too small for it.
std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const std::optional<KeySize>& key = std::nullopt);

// The printed length of a key unit: the chart font's 13 units a 10-point line.
constexpr double kKeyMmPerUnit = 0.27;
// Between the chart and its key.
constexpr double kKeyGapMm = 6;

constexpr double kMmPerInch = 25.4;
constexpr double kScreenDpi = 96;

} // namespace loopora
