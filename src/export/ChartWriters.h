#pragma once
// The print-quality files of a chart, each made whole in memory:
// - PDF: one page (A4, Letter or the chart's own size, either way round)
//   with the chart centred within its margins, fitted or at a given scale,
//   in vectors with its fonts embedded;
// - SVG: the sheet as a viewBox in chart pixels, one group per element named
//   by its kind, text as text;
// - PNG: antialiased over white at the chart's printed size and resolution,
//   which its pHYs chunk records.
// False, with a message, when the options cannot be met.

#include "document/Document.h"
#include "export/ExportOptions.h"

#include <cstdint>
#include <string>
#include <vector>

namespace loopora {

// The largest PNG made: about 400 MB while it is drawn.
constexpr int32_t kLargestPngSide = 30000;
constexpr int64_t kLargestPngPixels = 100'000'000;

bool writeChartPdf(const CPattraDoc& doc, const ExportOptions& options, const std::string& title,
                   std::vector<uint8_t>& out, std::string& error);
bool writeChartSvg(const CPattraDoc& doc, const ExportOptions& options, const std::string& title,
                   std::vector<uint8_t>& out, std::string& error);
bool writeChartPng(const CPattraDoc& doc, const ExportOptions& options, std::vector<uint8_t>& out,
                   std::string& error);

} // namespace loopora
