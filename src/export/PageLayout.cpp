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

PageOptions pageOptionsOf(const ExportOptions& options)
{
    PageOptions page = options.page;
    if (options.crop) {
        page.paper = PaperSize::Chart;
        page.landscape = false;
        page.marginMm = page.marginMm.value_or(kCropMarginMm);
    }
    return page;
}

namespace {

constexpr double kSame = 1e-9;

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
    KeyPart part;
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

bool fits(double width, double height, double roomX, double roomY)
{
    return width <= roomX + kSame && height <= roomY + kSame;
}

// Which of two blocks that both fit the page suits best: the larger chart,
// then the larger key, then fewer columns, then the smaller block.
bool betterOnPaper(const Block& a, const Block& b)
{
    if (std::fabs(a.mmPerPixel - b.mmPerPixel) > kSame)
        return a.mmPerPixel > b.mmPerPixel;
    if (std::fabs(a.mmPerUnit - b.mmPerUnit) > kSame)
        return a.mmPerUnit > b.mmPerUnit;
    if (a.part.columns != b.part.columns)
        return a.part.columns < b.part.columns;
    return a.width * a.height < b.width * b.height - kSame;
}

// The whole key with the chart on one page, its text no smaller than the
// least readable size; nullopt when no side and no number of columns fits.
std::optional<Block> onOnePage(int32_t width, int32_t height, const KeyMeasure& key, double roomX, double roomY,
                               double fixedMmPerPixel)
{
    const size_t rows = key.rowCount();
    std::optional<Block> best;
    for (KeySide side : {KeySide::Beside, KeySide::Below}) {
        for (size_t columns = 1; columns <= std::max<size_t>(1, rows); ++columns) {
            const KeyPart part{0, rows, columns};
            const KeySize size = key.sizeOf(part);
            // More columns only widen the key further.
            if (size.width * kKeyLeastMmPerUnit > roomX + kSame)
                break;
            Block b = arrangeOnPaper(side, width, height, size, roomX, roomY, fixedMmPerPixel);
            b.part = part;
            if (b.mmPerUnit < kKeyLeastMmPerUnit - kSame || !(b.mmPerPixel > 0) ||
                !fits(b.width, b.height, roomX, roomY))
                continue;
            if (!best || betterOnPaper(b, *best))
                best = b;
        }
    }
    return best;
}

// The whole key at its readable size with the chart at its own scale, the
// block growing as far as it must: beside or below the chart, in as many
// columns as make the block's longer side shortest (then its area smallest).
Block grown(int32_t width, int32_t height, const KeyMeasure& key, double mmPerPixel)
{
    const size_t rows = key.rowCount();
    std::optional<Block> best;
    for (KeySide side : {KeySide::Below, KeySide::Beside}) {
        for (size_t columns = 1; columns <= std::max<size_t>(1, rows); ++columns) {
            const KeyPart part{0, rows, columns};
            Block b = arrange(side, width, height, key.sizeOf(part), mmPerPixel, kKeyMmPerUnit);
            b.part = part;
            const double longer = std::max(b.width, b.height);
            const double bestLonger = best ? std::max(best->width, best->height) : 0;
            if (!best || longer < bestLonger - kSame ||
                (longer <= bestLonger + kSame && b.width * b.height < best->width * best->height - kSame))
                best = b;
        }
    }
    return *best;
}

void place(PageLayout& layout, const Block& b, double left, double top)
{
    layout.mmPerPixel = b.mmPerPixel;
    layout.chartLeft = left + b.chartX;
    layout.chartTop = top + b.chartY;
    layout.key = KeyPlace{left + b.keyX, top + b.keyY, b.mmPerUnit, b.part};
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

// The most rows from `first` on that fit the room in `columns` columns at
// `mmPerUnit` (the run to the last row holds the totals too), or nullopt
// when not even one does. A run of no rows only closes a key.
std::optional<size_t> rowsThatFit(const KeyMeasure& key, size_t first, size_t columns, double mmPerUnit, double roomX,
                                  double roomY)
{
    const size_t rows = key.rowCount();
    std::optional<size_t> fitting;
    for (size_t end = first < rows ? first + 1 : first; end <= rows; ++end) {
        const KeySize size = key.sizeOf({first, end, columns});
        if (!fits(size.width * mmPerUnit, size.height * mmPerUnit, roomX, roomY))
            break;
        fitting = end - first;
    }
    return fitting;
}

// The most columns the room's width takes at `mmPerUnit` (at least one).
size_t columnsThatFit(const KeyMeasure& key, size_t first, double mmPerUnit, double roomX)
{
    const size_t rows = key.rowCount();
    size_t columns = 1;
    while (columns < std::max<size_t>(1, rows - first) &&
           key.sizeOf({first, rows, columns + 1}).width * mmPerUnit <= roomX + kSame)
        ++columns;
    return columns;
}

// The chart alone at its own scale on its page, with as much of the key as
// the room beside or below it holds; the rest of the key continues on
// further pages, each filled in columns from its top. The key's text keeps
// one size throughout.
bool overPages(PageLayout& layout, int32_t width, int32_t height, const KeyMeasure& key, double margin, double roomX,
               double roomY, std::string& error)
{
    const size_t rows = key.rowCount();
    const double chartWidth = width * layout.mmPerPixel;
    const double chartHeight = height * layout.mmPerPixel;
    layout.chartLeft = (layout.pageWidth - chartWidth) / 2;
    layout.chartTop = (layout.pageHeight - chartHeight) / 2;
    chartOnly(layout, width, height);

    // The key's text at its readable size, or as much smaller as a column
    // needs to fit the page's width, but no smaller than the least.
    const double column = key.sizeOf({0, rows, 1}).width;
    const double s = std::min(kKeyMmPerUnit, roomX / std::max(column, 1.0));
    if (s < kKeyLeastMmPerUnit - kSame) {
        error = "the page is too narrow for the chart's key at a readable size";
        return false;
    }
    size_t first = 0;
    std::optional<Block> start;
    for (KeySide side : {KeySide::Below, KeySide::Beside}) {
        const double freeX = side == KeySide::Beside ? roomX - chartWidth - kKeyGapMm : roomX;
        const double freeY = side == KeySide::Below ? roomY - chartHeight - kKeyGapMm : roomY;
        if (freeX <= 0 || freeY <= 0)
            continue;
        const size_t columns = columnsThatFit(key, 0, s, freeX);
        const std::optional<size_t> fitting = rowsThatFit(key, 0, columns, s, freeX, freeY);
        if (!fitting || (start && *fitting <= start->part.endRow))
            continue;
        const KeyPart part{0, *fitting, columns};
        Block b = arrange(side, width, height, key.sizeOf(part), layout.mmPerPixel, s);
        b.part = part;
        start = b;
    }
    if (start) {
        place(layout, *start, (layout.pageWidth - start->width) / 2, (layout.pageHeight - start->height) / 2);
        first = start->part.endRow;
    }
    bool closed = start && first == rows;
    while (!closed) {
        const size_t columns = columnsThatFit(key, first, s, roomX);
        const std::optional<size_t> fitting = rowsThatFit(key, first, columns, s, roomX, roomY);
        if (!fitting) {
            error = "the page is too small for the chart's key at a readable size";
            return false;
        }
        const KeyPart part{first, first + *fitting, columns};
        const KeySize size = key.sizeOf(part);
        layout.keyPages.push_back({margin + (roomX - size.width * s) / 2, margin, s, part});
        first = part.endRow;
        closed = first == rows;
    }
    return true;
}

// Two decimals, rounded up: a scale at which the chart surely fits.
std::string scaleText(double pixelsPerMm)
{
    const double up = std::ceil(pixelsPerMm * 100 - 1e-6) / 100;
    std::string text = std::to_string(up);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string mmText(double mm) { return std::to_string(int64_t(std::lround(mm))); }

class FixedKey final : public KeyMeasure {
public:
    explicit FixedKey(const KeySize& size) : size_(size) {}
    size_t rowCount() const override { return 0; }
    KeySize sizeOf(const KeyPart&) const override { return size_; }

private:
    KeySize size_;
};

} // namespace

std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const KeySize& key)
{
    const FixedKey fixed(key);
    return layOutPage(width, height, options, error, &fixed);
}

std::optional<PageLayout> layOutPage(int32_t width, int32_t height, const PageOptions& options, std::string& error,
                                     const KeyMeasure* key, KeyOverflow overflow)
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
            const Block b = grown(width, height, *key, layout.mmPerPixel);
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
    const double fixed = options.pixelsPerMm > 0 ? 1 / options.pixelsPerMm : 0;
    // At a fixed scale the chart must fit the page, or part of it would be cut off.
    if (fixed > 0 && !fits(width * fixed, height * fixed, roomX, roomY)) {
        const double least = std::max(width / roomX, height / roomY);
        error = "at " + scaleText(options.pixelsPerMm) + " chart pixels a millimetre the chart prints " +
                mmText(width * fixed) + " x " + mmText(height * fixed) + " mm, larger than the " + mmText(roomX) +
                " x " + mmText(roomY) + " mm within the page's margins: it fits at --scale " + scaleText(least) +
                " or more, or on a page of its own size with --page chart";
        return std::nullopt;
    }
    layout.mmPerPixel = fixed > 0 ? fixed : std::min(roomX / width, roomY / height);
    if (key) {
        if (const std::optional<Block> b = onOnePage(width, height, *key, roomX, roomY, fixed)) {
            place(layout, *b, (layout.pageWidth - b->width) / 2, (layout.pageHeight - b->height) / 2);
            return layout;
        }
        if (overflow == KeyOverflow::FurtherPages) {
            if (!overPages(layout, width, height, *key, margin, roomX, roomY, error))
                return std::nullopt;
            return layout;
        }
        const Block b = grown(width, height, *key, layout.mmPerPixel);
        place(layout, b, margin, margin);
        return layout;
    }
    layout.chartLeft = (layout.pageWidth - width * layout.mmPerPixel) / 2;
    layout.chartTop = (layout.pageHeight - height * layout.mmPerPixel) / 2;
    chartOnly(layout, width, height);
    return layout;
}

} // namespace loopora
