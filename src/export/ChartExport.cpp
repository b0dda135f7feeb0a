#include "export/ChartExport.h"

#include "export/BitmapWriter.h"
#include "export/ChartWriters.h"
#include "platform/FileReplacement.h"

#include <new>

namespace loopora {

bool renderChartFile(CPattraDoc& doc, ExportFormat format, const ExportOptions& options, const std::string& title,
                     std::vector<uint8_t>& bytes, std::string& error)
{
    try {
        switch (format) {
        case ExportFormat::Pdf: return writeChartPdf(doc, options, title, bytes, error);
        case ExportFormat::Svg: return writeChartSvg(doc, options, title, bytes, error);
        case ExportFormat::Png: return writeChartPng(doc, options, bytes, error);
        case ExportFormat::Bmp: bytes = encodeBitmap(renderSheet(doc)); return true;
        }
    } catch (const std::bad_alloc&) {
        error = "there is not enough memory to draw the chart";
        return false;
    }
    error = "unknown format";
    return false;
}

bool exportChartFile(CPattraDoc& doc, const std::filesystem::path& path, ExportFormat format,
                     const ExportOptions& options, std::string& error)
{
    std::vector<uint8_t> bytes;
    if (!renderChartFile(doc, format, options, path.stem().string(), bytes, error))
        return false;
    return replaceFile(path, bytes, error);
}

} // namespace loopora
