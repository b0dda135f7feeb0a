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

namespace {

// A chart and its key together: the box around both, in millimetres, with
// the places of the chart and the key inside it.
struct Block {
    double width = 0;
    double height = 0;
    double chartX = 0;
    double chartY = 0;
    double keyX = 0;
    double keyY = 0;
    double mmPerPixel = 0;
    double mmPerUnit = 0;
};

enum class KeySide { Beside, Below };

// The key on the chart's right, centred on its height, or under it, centred
// on its width.
Block arrange(KeySide side, int32_t width, int32_t height, const KeySize& key, double mmPerPixel, double mmPerUnit)
{
    const double chartWidth = width * mmPerPixel;
    const double chartHeight = height * mmPerPixel;
    const double keyWidth = key.width * mmPerUnit;
    const double keyHeight = key.height * mmPerUnit;
    Block b;
    b.mmPerPixel = mmPerPixel;
    b.mmPerUnit = mmPerUnit;
    if (side == KeySide::Beside) {
        b.width = chartWidth + kKeyGapMm + keyWidth;
        b.height = std::max(chartHeight, keyHeight);
        b.chartY = (b.height - chartHeight) / 2;
        b.keyX = chartWidth + kKeyGapMm;
        b.keyY = (b.height - keyHeight) / 2;
    } else {
        b.width = std::max(chartWidth, keyWidth);
        b.height = chartHeight + kKeyGapMm + keyHeight;
        b.chartX = (b.width - chartWidth) / 2;
        b.keyX = (b.width - keyWidth) / 2;
        b.keyY = chartHeight + kKeyGapMm;
    }
    return b;
}

// On paper the key keeps its readable size unless it would take more than
// half the room along the side it stands on, or more than all of it across;
// the chart is fitted into what is left.
Block arrangeOnPaper(KeySide side, int32_t width, int32_t height, const KeySize& key, double roomX, double roomY,
                     double fixedMmPerPixel)
{
    const double keyWidth = std::max(key.width, 1.0);
    const double keyHeight = std::max(key.height, 1.0);
    const bool beside = side == KeySide::Beside;
    const double mmPerUnit = std::min({kKeyMmPerUnit, (beside ? roomY : roomX) / (beside ? keyHeight : keyWidth),
                                       (beside ? roomX : roomY) / 2 / (beside ? keyWidth : keyHeight)});
    const double leftX = beside ? roomX - kKeyGapMm - keyWidth * mmPerUnit : roomX;
    const double leftY = beside ? roomY : roomY - kKeyGapMm - keyHeight * mmPerUnit;
    const double mmPerPixel =
        fixedMmPerPixel > 0 ? fixedMmPerPixel : std::max(0.0, std::min(leftX / width, leftY / height));
    return arrange(side, width, height, key, mmPerPixel, mmPerUnit);
}

double overflow(const Block& b, double roomX, double roomY)
{
    return std::max(0.0, b.width - roomX) + std::max(0.0, b.height - roomY);
}

// Which side fills the room best: the larger chart, then the larger key;
// at a fixed scale the block that fits, then the larger key, then the smaller block.
const Block& better(const Block& beside, const Block& below, double roomX, double roomY)
{
    constexpr double kSame = 1e-9;
    if (std::fabs(beside.mmPerPixel - below.mmPerPixel) > kSame)
        return beside.mmPerPixel > below.mmPerPixel ? beside : below;
    const double besideOver = overflow(beside, roomX, roomY);
    const double belowOver = overflow(below, roomX, roomY);
    if (std::fabs(besideOver - belowOver) > kSame)
        return besideOver < belowOver ? beside : below;
    if (std::fabs(beside.mmPerUnit - below.mmPerUnit) > kSame)
        return beside.mmPerUnit > below.mmPerUnit ? beside : below;
    return below.width * below.height < beside.width * beside.height ? below : beside;
}

void place(PageLayout& layout, const Block& b, double left, double top)
{
    layout.mmPerPixel = b.mmPerPixel;
    layout.chartLeft = left + b.chartX;
    layout.chartTop = top + b.chartY;
    layout.key = KeyPlace{left + b.keyX, top + b.keyY, b.mmPerUnit};
    layout.contentLeft = left;
    layout.contentTop = top;
    layout.contentWidth = b.width;
    layout.contentHeight = b.height;
}

void chartOnly(PageLayout& layout, int32_t width, int32_t height)
{
    layout.contentLeft = layout.chartLeft;
    layout.contentTop = layout.chartTop;
    layout.contentWidth = width * layout.mmPerPixel;
    layout.contentHeight = height * layout.mmPerPixel;
}

} // namespace

std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const std::optional<KeySize>& key)

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
        if (key) {
            const Block beside = arrange(KeySide::Beside, width, height, *key, layout.mmPerPixel, kKeyMmPerUnit);
            const Block below = arrange(KeySide::Below, width, height, *key, layout.mmPerPixel, kKeyMmPerUnit);
            const Block& b = below.width * below.height < beside.width * beside.height ? below : beside;
            place(layout, b, margin, margin);
            layout.pageWidth = b.width + 2 * margin;
            layout.pageHeight = b.height + 2 * margin;
            return layout;
        }
        layout.pageWidth = width * layout.mmPerPixel + 2 * margin;
        layout.pageHeight = height * layout.mmPerPixel + 2 * margin;
        layout.chartLeft = margin;
        layout.chartTop = margin;
        chartOnly(layout, width, height);
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
    if (key) {
        const double fixed = options.pixelsPerMm > 0 ? 1 / options.pixelsPerMm : 0;
        const Block beside = arrangeOnPaper(KeySide::Beside, width, height, *key, roomX, roomY, fixed);
        const Block below = arrangeOnPaper(KeySide::Below, width, height, *key, roomX, roomY, fixed);
        const Block& b = better(beside, below, roomX, roomY);
        if (!(b.mmPerPixel > 0)) {
            error = "the margins leave no room for the chart beside its key";
            return std::nullopt;
        }
        place(layout, b, (layout.pageWidth - b.width) / 2, (layout.pageHeight - b.height) / 2);
        return layout;
    }
    layout.mmPerPixel =
        options.pixelsPerMm > 0 ? 1 / options.pixelsPerMm : std::min(roomX / width, roomY / height);
    layout.chartLeft = (layout.pageWidth - width * layout.mmPerPixel) / 2;
    layout.chartTop = (layout.pageHeight - height * layout.mmPerPixel) / 2;
    chartOnly(layout, width, height);
    return layout;
}

} // namespace loopora
