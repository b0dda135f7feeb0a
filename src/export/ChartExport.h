#pragma once
// Exporting a chart to a file in any of the formats, chosen by the caller or
// by the file's extension. A file is made whole in memory and then takes the
// place of what was there, so a failure leaves no partial file behind.

#include "document/Document.h"
#include "export/ExportOptions.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace loopora {

// The file's whole contents; false with a message when it cannot be made.
// The title names the chart inside files that keep one (PDF, SVG).
bool renderChartFile(CPattraDoc& doc, ExportFormat format, const ExportOptions& options, const std::string& title,
                     std::vector<uint8_t>& bytes, std::string& error);

// The chart written to path; its file name without the extension is the title.
bool exportChartFile(CPattraDoc& doc, const std::filesystem::path& path, ExportFormat format,
                     const ExportOptions& options, std::string& error);

} // namespace loopora
