// loopora-cli export: a chart file in, a PDF, SVG, PNG or bitmap out.

#include "cli/Commands.h"
#include "cli/ExportArguments.h"
#include "document/ChartFile.h"
#include "export/ChartExport.h"

#include <iostream>

namespace loopora::cli {

int runExport(const Args& args)
{
    if (args.size() < 2) {
        std::cerr << "usage: loopora-cli export CHART OUT.{pdf,svg,png,bmp} " << kExportOptionsUsage << "\n";
        return 2;
    }
    std::string error;
    const std::optional<ExportRequest> request = parseExportRequest(Args(args.begin() + 1, args.end()), error);
    if (!request) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    if (!exportChartFile(*loaded.document, request->out, request->format, request->options, error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace loopora::cli
