// Writes the benchmarks' dense chart of N symbols to a file, for measuring
// the command-line programs and the editor on charts of any size:
//   loopora_bench_chart N OUT [SEED]

#include "bench/BenchCharts.h"
#include "document/ChartFile.h"
#include "document/ElementTypes.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: loopora_bench_chart N OUT [SEED]\n";
        return 2;
    }
    loopora::installElementTypes();
    const int count = std::atoi(argv[1]);
    const unsigned seed = argc == 4 ? unsigned(std::strtoul(argv[3], nullptr, 10)) : 1207u;
    auto doc = loopora::bench::denseChart(count, seed);
    std::string error;
    if (!loopora::saveChartFile(*doc, argv[2], error)) {
        std::cerr << "loopora_bench_chart: " << error << "\n";
        return 1;
    }
    return 0;
}
