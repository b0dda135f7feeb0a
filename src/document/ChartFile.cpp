#include "document/ChartFile.h"

#include "platform/Archive.h"
#include "platform/FileBytes.h"
#include "platform/FileReplacement.h"
#include "platform/FileStatus.h"

#include <new>

namespace loopora {
namespace {

void checkSheetSize(CArchive& ar, size_t at, int32_t width, int32_t height, const char* what)
{
    if (width < 1 || height < 1 || width > kLargestSheetSide || height > kLargestSheetSide)
        ar.failAt(at, std::string(what) + " " + std::to_string(width) + " x " + std::to_string(height) +
                          " is not a sheet size (1 to " + std::to_string(kLargestSheetSide) + " pixels a side)");
}

} // namespace

std::vector<uint8_t> saveChartBytes(CPattraDoc& doc)
{
    CArchive ar = CArchive::forStoring();
    doc.Serialize(ar);
    return ar.takeBytes();
}

ChartLoadResult loadChartBytes(std::span<const uint8_t> bytes)
{
    ChartLoadResult result;
    if (bytes.size() > kLargestChartFile) {
        result.error = "the chart is " + std::to_string(bytes.size()) + " bytes, more than the " +
                       std::to_string(kLargestChartFile) + " any chart can take";
        return result;
    }
    try {
        auto doc = std::make_unique<CPattraDoc>();
        CArchive ar = CArchive::forLoading(bytes);
        doc->Serialize(ar);
        checkSheetSize(ar, 0, doc->chartWidth(), doc->chartHeight(), "the sheet size");
        const CCanvas& canvas = doc->canvas();
        checkSheetSize(ar, 28, canvas.chartWidth(), canvas.chartHeight(), "the canvas size");
        if (!ar.atEnd())
            ar.fail(std::to_string(ar.remaining()) + " bytes follow the last element");
        result.document = std::move(doc);
    } catch (const ArchiveError& e) {
        result.error = e.what();
        return result;
    } catch (const std::bad_alloc&) {
        // What was read went as the guard was left, so the message has room.
        result.error = "there is not enough memory to open the chart";
        return result;
    }
    return result;
}

bool saveChartFile(CPattraDoc& doc, const std::filesystem::path& path, std::string& error)
{
    if (isWriteProtected(path)) {
        error = "cannot write " + path.string() + ": the file is write-protected";
        return false;
    }
    return replaceFile(path, saveChartBytes(doc), error);
}

ChartLoadResult loadChartFile(const std::filesystem::path& path)
{
    std::vector<uint8_t> bytes;
    std::string error;
    if (!readRegularFile(path, kLargestChartFile, bytes, error))
        return {nullptr, error};
    ChartLoadResult result = loadChartBytes(bytes);
    if (!result.document)
        result.error = path.string() + ": " + result.error;
    return result;
}

} // namespace loopora
