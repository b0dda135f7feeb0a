#include "document/ElementTypes.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    loopora::installElementTypes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
