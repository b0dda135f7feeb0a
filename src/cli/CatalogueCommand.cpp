// loopora-cli catalogue: every placeable symbol (or, with --ids, those of a
// range of type ids), built upright on the same frame and drawn by the same
// code as a chart, in a labelled grid, so that a person can check the whole
// catalogue at a glance; or, with --chart, the same symbols placed on a
// sheet and saved as a chart, for every tool that reads charts (exports above
// all).

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "document/Document.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "export/BitmapWriter.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <iostream>
#include <optional>

namespace loopora::cli {
namespace {

constexpr int32_t kLargestSheet = 600;
constexpr int32_t kSmallestSheet = 100;

// The type ids a catalogue shows: all of them, or those from first to last.
struct IdRange {
    int32_t first = 0;
    int32_t last = PrototypeTable::kSize - 1;
};

std::vector<int32_t> catalogueTypes(IdRange ids)
{
    std::vector<int32_t> types;
    for (const ElementType& type : elementTypes())
        if (isCatalogueSymbol(type) && type.id >= ids.first && type.id <= ids.last)
            types.push_back(type.id);
    return types;
}

// "FIRST-LAST" or one id.
std::optional<IdRange> idRangeOf(const std::string& text)
{
    IdRange range;
    const size_t dash = text.find('-');
    const std::string first = text.substr(0, dash);
    const std::string last = dash == std::string::npos ? first : text.substr(dash + 1);
    auto number = [](const std::string& digits, int32_t& out) {
        if (digits.empty() || digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos)
            return false;
        out = std::stoi(digits);
        return true;
    };
    if (!number(first, range.first) || !number(last, range.last) || range.first > range.last)
        return std::nullopt;
    return range;
}

ElementState uprightFrame(int32_t x, int32_t top, int32_t size)
{
    const Pen pen{0, 2, colours::black};
    return {{{x, top + size}, {x, top}}, pen.width, pen.colour, pen.style};
}

// Every symbol built on the same upright frame at the origin, with the box
// they all fit in.
struct BuiltSymbols {
    std::vector<std::pair<std::string, std::unique_ptr<CChartElement>>> symbols;
    Rect extent;
};

BuiltSymbols buildSymbols(int32_t size, IdRange ids)
{
    BuiltSymbols built;
    for (int32_t type : catalogueTypes(ids)) {
        std::unique_ptr<CChartElement> symbol = createElement(type);
        if (!symbol->assignState(uprightFrame(0, 0, size)))
            continue;
        built.extent = Rect::united(built.extent, symbol->getBounds());
        built.symbols.emplace_back(std::string(typeName(type)), std::move(symbol));
    }
    return built;
}

int writeLabelledGrid(const std::string& out, int32_t size, IdRange ids)
{
    BuiltSymbols built = buildSymbols(size, ids);
    if (built.symbols.empty()) {
        std::cerr << "loopora-cli: no symbol has an id from " << ids.first << " to " << ids.last << "\n";
        return 1;
    }
    auto& symbols = built.symbols;
    const Rect& extent = built.extent;

    PixelBuffer probe(1, 1);
    CRasterDC measure(probe);
    const TextMetrics metrics = measure.textMetrics();
    int32_t widest = 0;
    for (const auto& entry : symbols)
        widest = std::max(widest, measure.textWidth(entry.first));
    const int32_t cellWidth = std::max<int32_t>(int32_t(extent.width()), widest) + 16;
    const int32_t cellHeight = int32_t(extent.height()) + metrics.height + 16;
    const int32_t columns = std::max<int32_t>(1, std::min<int32_t>(int32_t(symbols.size()), 1600 / cellWidth));
    const int32_t rows = int32_t((symbols.size() + size_t(columns) - 1) / size_t(columns));

    PixelBuffer picture(columns * cellWidth, rows * cellHeight, colours::white);
    CRasterDC dc(picture);
    for (size_t i = 0; i < symbols.size(); ++i) {
        const int32_t left = int32_t(i % size_t(columns)) * cellWidth;
        const int32_t top = int32_t(i / size_t(columns)) * cellHeight;
        // Each symbol's frame stands in the middle of its cell.
        CChartElement& symbol = *symbols[i].second;
        symbol.moveBy(left + cellWidth / 2, top + 8 - extent.top);
        symbol.draw(dc);
        const std::string& name = symbols[i].first;
        dc.textOut(left + (cellWidth - dc.textWidth(name)) / 2, top + cellHeight - metrics.height - 4, name);
    }

    std::string error;
    if (!writeBitmapFile(picture, out, error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    std::cout << symbols.size() << " symbols in " << columns << " x " << rows << " cells\n";
    return 0;
}

// The grid of a chart: cells as large as the largest symbol's strokes with
// a little room, as many to a row as the widest sheet holds. Symbols' bounds
// lie 5 pixels outside their strokes, and neighbours' bounds may overlap.
struct SheetGrid {
    int32_t cellWidth = 0;
    int32_t cellHeight = 0;
    int32_t columns = 0;
    int32_t rows = 0;
};

std::optional<SheetGrid> sheetGrid(const BuiltSymbols& built)
{
    SheetGrid grid;
    constexpr int32_t kBoundsMargin = 5;
    constexpr int32_t kRoom = 6;
    grid.cellWidth = int32_t(built.extent.width()) - 2 * kBoundsMargin + kRoom;
    grid.cellHeight = int32_t(built.extent.height()) - 2 * kBoundsMargin + kRoom;
    const int32_t count = int32_t(built.symbols.size());
    grid.columns = std::min<int32_t>(count, kLargestSheet / grid.cellWidth);
    if (grid.columns < 1)
        return std::nullopt;
    grid.rows = (count + grid.columns - 1) / grid.columns;
    if (grid.rows * grid.cellHeight > kLargestSheet)
        return std::nullopt;
    return grid;
}

int writeChart(const std::string& out, std::optional<int32_t> askedSize, IdRange ids)
{
    // Without a size, the largest frame whose grid fits on a sheet.
    int32_t size = askedSize.value_or(60);
    BuiltSymbols built = buildSymbols(size, ids);
    if (built.symbols.empty()) {
        std::cerr << "loopora-cli: no symbol has an id from " << ids.first << " to " << ids.last << "\n";
        return 1;
    }
    std::optional<SheetGrid> grid = sheetGrid(built);
    while (!grid && !askedSize && size > 10) {
        built = buildSymbols(--size, ids);
        grid = sheetGrid(built);
    }
    if (!grid) {
        std::cerr << "loopora-cli: " << built.symbols.size() << " symbols on a " << size
                  << "-pixel frame do not fit on a sheet of " << kLargestSheet << " x " << kLargestSheet
                  << " pixels; give a smaller --size\n";
        return 1;
    }

    CPattraDoc doc;
    doc.setChartSize(std::max(kSmallestSheet, grid->columns * grid->cellWidth),
                     std::max(kSmallestSheet, grid->rows * grid->cellHeight));
    CCanvas& canvas = doc.canvas();
    for (size_t i = 0; i < built.symbols.size(); ++i) {
        const int32_t left = int32_t(i % size_t(grid->columns)) * grid->cellWidth;
        const int32_t top = int32_t(i / size_t(grid->columns)) * grid->cellHeight;
        std::unique_ptr<CChartElement> symbol = createElement(built.symbols[i].second->typeId());
        symbol->setCanvas(&canvas);
        if (symbol->assignState(uprightFrame(left - 2 - built.extent.left, top - 2 - built.extent.top, size)))
            canvas.appendChild(std::move(symbol));
    }

    std::string error;
    if (!saveChartFile(doc, out, error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    std::cout << built.symbols.size() << " symbols on a " << size << "-pixel frame in " << grid->columns << " x "
              << grid->rows << " cells of a " << doc.chartWidth() << " x " << doc.chartHeight() << " sheet\n";
    return 0;
}

} // namespace

int runCatalogue(const Args& args)
{
    constexpr const char* kUsage = "usage: loopora-cli catalogue OUT [--size N] [--chart] [--ids FIRST-LAST]\n";
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    std::optional<int32_t> size;
    IdRange ids;
    bool chart = false;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--chart") {
            chart = true;
        } else if (args[i] == "--ids" && i + 1 < args.size()) {
            std::optional<IdRange> range = idRangeOf(args[++i]);
            if (!range) {
                std::cerr << "loopora-cli: --ids takes FIRST-LAST, type ids from 0 to 999\n";
                return 2;
            }
            ids = *range;
        } else if (args[i] == "--size" && i + 1 < args.size()) {
            size = std::atoi(args[++i].c_str());
            if (*size < 10 || *size > 400) {
                std::cerr << "loopora-cli: --size must be 10 to 400 pixels\n";
                return 2;
            }
        } else {
            std::cerr << kUsage;
            return 2;
        }
    }
    return chart ? writeChart(args[0], size, ids) : writeLabelledGrid(args[0], size.value_or(60), ids);
}

} // namespace loopora::cli
