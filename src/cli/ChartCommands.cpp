// render and dump: a chart file in, a bitmap or its element tree out.

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "export/BitmapWriter.h"

#include <cstdio>
#include <iostream>

namespace loopora::cli {

int runRender(const Args& args)
{
    if (args.size() != 2) {
        std::cerr << "usage: loopora-cli render CHART OUT.bmp\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    std::string error;
    if (!writeBitmapFile(renderSheet(*loaded.document), args[1], error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

int runDump(const Args& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: loopora-cli dump CHART\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    writeChartJson(*loaded.document, std::cout);
    return 0;
}

} // namespace loopora::cli
