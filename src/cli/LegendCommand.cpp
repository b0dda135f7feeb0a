// legend: a chart's key and stitch counts, as text or JSON.

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "document/LegendText.h"

#include <algorithm>
#include <iostream>

namespace loopora::cli {

int runLegend(const Args& given)
{
    Args args = given;
    if (!takeLanguage(args))
        return 2;
    bool json = false;
    if (auto at = std::find(args.begin(), args.end(), "--json"); at != args.end()) {
        json = true;
        args.erase(at);
    }
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::cerr << "usage: loopora-cli legend CHART [--json] [--lang ru|en]\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    const CCanvas& canvas = loaded.document->canvas();
    if (json)
        writeLegendJson(canvas, uiLanguage(), std::cout);
    else
        std::cout << legendAsText(makeLegend(canvas), uiLanguage());
    return 0;
}

} // namespace loopora::cli
