// A chart file of any bytes goes where `loopora-cli dump` and `render` take
// it: loaded (or refused), listed as JSON, drawn on its sheet and encoded as
// a bitmap.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "document/ElementTypes.h"
#include "export/BitmapWriter.h"
#include "platform/RasterDC.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

// The sheet is drawn as renderSheet draws it, but no more than this much of
// it a side: under the sanitizers a whole 4000-pixel sheet takes longer than
// the fuzzer's second (the benchmarks measure that speed instead).
constexpr int32_t kLargestDrawnSide = 1024;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    loopora::installElementTypes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace loopora;
    ChartLoadResult loaded = loadChartBytes({data, size});
    if (!loaded.document)
        return 0;
    CPattraDoc& doc = *loaded.document;
    chartToJson(doc);
    PixelBuffer sheet(std::min(doc.chartWidth(), kLargestDrawnSide), std::min(doc.chartHeight(), kLargestDrawnSide));
    CRasterDC dc(sheet);
    dc.setWindowOrigin({-doc.canvas().origin().x, -doc.canvas().origin().y});
    doc.canvas().drawWithoutHandles(dc);
    encodeBitmap(sheet);
    return 0;
}
