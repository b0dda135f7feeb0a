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

size_t storedRecords(const CChartElement& e)
{
    size_t count = 0;
    for (size_t i = 0; i < e.childCount(); ++i)
        if (!e.child(i)->isDeleted())
            count += 1 + storedRecords(*e.child(i));
    return count;
}

// Paste upon paste can grow a chart past what loading accepts; a file that
// would not open again would lose the very work it was saved to keep.
std::string beyondLoading(const CPattraDoc& doc, const CArchive& ar)
{
    if (ar.bytes().size() > kLargestChartFile)
        return "the chart would take " + std::to_string(ar.bytes().size()) + " bytes, more than the " +
               std::to_string(kLargestChartFile) + " a chart file can take";
    if (storedRecords(doc.canvas()) > size_t(CArchive::kMaximumRecords))
        return "the chart holds more than the " + std::to_string(CArchive::kMaximumRecords) +
               " elements a chart file can take";
    if (ar.textsWritten() > CArchive::kMaximumTexts)
        return "the chart holds more than the " + std::to_string(CArchive::kMaximumTexts) +
               " texts a chart file can take";
    if (ar.textCharactersWritten() > CArchive::kMaximumTextCharacters)
        return "the chart's texts are longer than the " + std::to_string(CArchive::kMaximumTextCharacters) +
               " characters in all a chart file can take";
    return {};
}

} // namespace

std::vector<uint8_t> saveChartBytes(CPattraDoc& doc)
{
    CArchive ar = CArchive::forStoring();
    doc.Serialize(ar);
    return ar.takeBytes();
}

ChartLoadResult loadChartBytes(std::span<const uint8_t> bytes, int32_t mostRecords)
{
    ChartLoadResult result;
    if (bytes.size() > kLargestChartFile) {
        result.error = "the chart is " + std::to_string(bytes.size()) + " bytes, more than the " +
                       std::to_string(kLargestChartFile) + " any chart can take";
        return result;
    }
    try {
        auto doc = std::make_unique<CPattraDoc>();
        CArchive ar = CArchive::forLoading(bytes, mostRecords);
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
    CArchive ar = CArchive::forStoring();
    doc.Serialize(ar);
    if (std::string why = beyondLoading(doc, ar); !why.empty()) {
        error = "cannot write " + path.string() + ": " + why + "; delete some of it and save again";
        return false;
    }
    return replaceFile(path, ar.takeBytes(), error);
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
