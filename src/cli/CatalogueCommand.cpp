// loopora-cli catalogue: every placeable symbol, built upright on the same
// frame and drawn by the same code as a chart, in a labelled grid, so that a
// person can check the whole catalogue at a glance.

#include "cli/Commands.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "export/BitmapWriter.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <iostream>

namespace loopora::cli {
namespace {

std::vector<int32_t> catalogueTypes()
{
    std::vector<int32_t> types;
    for (const ElementType& type : elementTypes())
        if (isCatalogueSymbol(type))
            types.push_back(type.id);
    return types;
}

} // namespace

int runCatalogue(const Args& args)
{
    int size = 60;
    if (args.size() == 3 && args[1] == "--size") {
        size = std::atoi(args[2].c_str());
        if (size < 10 || size > 400) {
            std::cerr << "loopora-cli: --size must be 10 to 400 pixels\n";
            return 2;
        }
    } else if (args.size() != 1) {
        std::cerr << "usage: loopora-cli catalogue OUT.bmp [--size N]\n";
        return 2;
    }

    // Build every symbol on the same upright frame first, to size the grid cells.
    const Pen pen{0, 2, colours::black};
    std::vector<std::pair<std::string, std::unique_ptr<CChartElement>>> symbols;
    Rect extent;
    for (int32_t type : catalogueTypes()) {
        std::unique_ptr<CChartElement> symbol = createElement(type);
        if (!symbol->assignState({{{0, size}, {0, 0}}, pen.width, pen.colour, pen.style}))
            continue;
        extent = Rect::united(extent, symbol->getBounds());
        symbols.emplace_back(std::string(typeName(type)), std::move(symbol));
    }

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
    if (!writeBitmapFile(picture, args[0], error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    std::cout << symbols.size() << " symbols in " << columns << " x " << rows << " cells\n";
    return 0;
}

} // namespace loopora::cli
