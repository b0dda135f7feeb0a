// A chart file of any bytes, with its export options in its last bytes, goes
// where `loopora-cli export` takes it: loaded (or refused) and made into a
// PDF, an SVG and a PNG in memory. The options are the paper, its way round,
// the margin, the scale, black line work, the key and its language, cropping
// and the background; the PNG is drawn at a few dots an inch, so that a large
// sheet stays quick.

#include "document/ChartFile.h"
#include "document/ElementTypes.h"
#include "export/ChartWriters.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr size_t kOptionBytes = 4;

loopora::ExportOptions optionsOf(const uint8_t* o)
{
    using namespace loopora;
    ExportOptions options;
    options.page.paper = PaperSize(o[0] % 3);
    options.page.landscape = (o[0] & 4) != 0;
    options.blackLines = (o[0] & 8) != 0;
    options.legend = (o[0] & 16) != 0;
    options.legendLanguage = (o[0] & 32) ? Language::English : Language::Russian;
    if (o[0] & 64)
        options.page.marginMm = o[1] / 4.0;
    // A scale from 1 to 17 chart pixels a millimetre, or fitted to the page.
    if (o[0] & 128)
        options.page.pixelsPerMm = 1 + o[2] / 16.0;
    options.dpi = 1 + o[3] % 16;
    options.crop = (o[3] & 16) != 0;
    options.background = (o[3] & 32) == 0;
    return options;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    loopora::installElementTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace loopora;
    if (size < kOptionBytes)
        return 0;
    const size_t chartSize = size - kOptionBytes;
    ChartLoadResult loaded = loadChartBytes({data, chartSize});
    if (!loaded.document)
        return 0;
    const ExportOptions options = optionsOf(data + chartSize);
    std::vector<uint8_t> bytes;
    std::string error;
    writeChartPdf(*loaded.document, options, "fuzz", bytes, error);
    writeChartSvg(*loaded.document, options, "fuzz", bytes, error);
    writeChartPng(*loaded.document, options, bytes, error);
    return 0;
}
