#pragma once
// How a chart is laid out on paper and at what resolution it is drawn, for
// the print-quality formats.

#include "platform/UiLanguage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
    // The sheet's background pattern (circles or grid) under the drawing.
    bool background = true;
    // Only the drawing: the page, or the picture, is the drawn elements'
    // bounds with the margin around them instead of the whole sheet.
    bool crop = false;
    // The chart's key beside or below it, in this language.
    bool legend = false;
    Language legendLanguage = Language::Russian;
    // The written instructions after the chart and its key, in the key's
    // language: on further pages of a PDF, below a PNG's or SVG's picture.
    bool pattern = false;
    // Each round's number, where it starts and the way it goes drawn on the
    // chart, the rounds' symbols in two colours by turns.
    bool rounds = false;
};

// The page a cropped drawing gets when no margin is asked for.
constexpr double kCropMarginMm = 5;

// The page the options ask for: a cropped drawing's page is its own size.
PageOptions pageOptionsOf(const ExportOptions& options);

// The size of a key in its own units, to be placed with the chart.
struct KeySize {
    double width = 0;
    double height = 0;
};

// A run of a key's rows set in columns side by side, filled down then
// across, each column under its own heads. The run from the first row
// carries the key's title, the run to the last row its totals.
struct KeyPart {
    size_t firstRow = 0;
    size_t endRow = 0;
    size_t columns = 1;

    friend bool operator==(const KeyPart&, const KeyPart&) = default;
};

// What the page layout needs of a key: how large any run of its rows is.
class KeyMeasure {
public:
    virtual ~KeyMeasure() = default;
    virtual size_t rowCount() const = 0;
    virtual KeySize sizeOf(const KeyPart& part) const = 0;
};

// Where a run of the key lies on a page, in millimetres, and the printed
// length of one of its units.
struct KeyPlace {
    double left = 0;
    double top = 0;
    double mmPerUnit = 0;
    KeyPart part;
};

// Where the chart's sheet and its key lie on the page, in millimetres.
struct PageLayout {
    double pageWidth = 0;
    double pageHeight = 0;
    double chartLeft = 0;
    double chartTop = 0;
    double mmPerPixel = 0; // the printed size of one chart pixel
    std::optional<KeyPlace> key;
    // Pages after the chart's, of its size, that each hold a further run of
    // the key when the chart's page has no room for all of it.
    std::vector<KeyPlace> keyPages;
    // The smallest box around the sheet and the key: what a picture without
    // a page shows.
    double contentLeft = 0;
    double contentTop = 0;
    double contentWidth = 0;
    double contentHeight = 0;
};

// What becomes of a key that a page cannot hold at a readable size.
enum class KeyOverflow {
    FurtherPages, // it continues on pages of its own (a PDF)
    LargerPicture // the picture grows beyond the page to hold it (a PNG)
};

// The sheet of width x height chart pixels on the page, centred; empty with a
// message when the options leave no room for it or a fixed scale makes it
// larger than the page. A key goes beside the sheet or below it, whichever
// prints the chart larger (on a page the size of the chart: whichever makes
// the smaller page), in as many columns as suit it; its text prints at a
// readable size, smaller when the page is small, but never below
// kKeyLeastMmPerUnit: a key the page cannot hold then overflows.
std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const KeyMeasure* key = nullptr,
                                     KeyOverflow overflow = KeyOverflow::LargerPicture);
// The same for a key of one size that is never split.
std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const KeySize& key);

// The printed length of a key unit: the chart font's 13 units a 10-point line.
constexpr double kKeyMmPerUnit = 0.27;
// The least: the chart font's 13 units 7 points.
constexpr double kKeyLeastMmPerUnit = 7 * 25.4 / 72 / 13;
// Between the chart and its key.
constexpr double kKeyGapMm = 6;

constexpr double kMmPerInch = 25.4;
constexpr double kScreenDpi = 96;

} // namespace loopora
