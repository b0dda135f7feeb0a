#include "export/BitmapExporter.h"

#include "export/BitmapWriter.h"
#include "platform/Texts.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <new>

namespace loopora {

ExportOutcome BitmapExporter::exportChart(CPattraDoc& doc, const std::string& path, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        error = withValues(_("Не удалось открыть файл %1: %2"), {path, std::strerror(errno)});
        return ExportOutcome::CannotOpen;
    }
    std::vector<uint8_t> bytes;
    try {
        bytes = encodeBitmap(renderSheet(doc));
    } catch (const std::bad_alloc&) {
        return ExportOutcome::OutOfMemory;
    }
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.flush();
    if (!out) {
        error = withValues(_("Ошибка записи в файл %1: %2"), {path, std::strerror(errno)});
        return ExportOutcome::WriteFailed;
    }
    return ExportOutcome::Written;
}

} // namespace loopora
