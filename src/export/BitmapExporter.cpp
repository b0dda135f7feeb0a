#include "export/BitmapExporter.h"

#include "export/BitmapWriter.h"
#include "platform/FileReplacement.h"
#include "platform/Texts.h"

#include <new>

namespace loopora {

ExportOutcome BitmapExporter::exportChart(CPattraDoc& doc, const std::string& path, std::string& error)
{
    // The picture is made whole before the file is touched, and then takes
    // its place: running out of memory or of disk leaves what was there.
    std::vector<uint8_t> bytes;
    try {
        bytes = encodeBitmap(renderSheet(doc));
    } catch (const std::bad_alloc&) {
        return ExportOutcome::OutOfMemory;
    }
    std::string why;
    if (!replaceFile(path, bytes, why)) {
        error = _("Не удалось сохранить рисунок.") + ("\n" + why);
        return ExportOutcome::CannotOpen;
    }
    return ExportOutcome::Written;
}

} // namespace loopora
