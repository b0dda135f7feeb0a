#pragma once
// What to export and how, as `loopora-cli export` and a script's `export`
// step take it: the file, whose extension gives the format, then the
// options. An option the format does not take, a bad value or two options
// that contradict each other are refused with a message rather than ignored.

#include "export/ExportOptions.h"

#include <optional>
#include <string>
#include <vector>

namespace loopora::cli {

struct ExportRequest {
    std::string out;
    ExportFormat format = ExportFormat::Pdf;
    ExportOptions options;
};

// The words OUT [OPTION...]; nullopt with the reason in error.
std::optional<ExportRequest> parseExportRequest(const std::vector<std::string>& words, std::string& error);

// The options in a usage line, indented to follow "export CHART OUT.{...}".
extern const char* const kExportOptionsUsage;

} // namespace loopora::cli
