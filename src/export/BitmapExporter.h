#pragma once
// The bitmap writer as the application's exporter: the sheet as the canvas
// draws it, into an uncompressed 32-bit bitmap file.

#include "view/AppHost.h"

namespace loopora {

class BitmapExporter : public ChartExporter {
public:
    ExportOutcome exportChart(CPattraDoc& doc, const std::string& path, std::string& error) override;
};

} // namespace loopora
