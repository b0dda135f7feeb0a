#pragma once
// Charts the benchmarks share: a sheet densely covered with placed symbols of
// every family, as a large doily is.

#include "document/Document.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"

#include <memory>
#include <random>

namespace loopora::bench {

// A mix of families: basic stitches, fans, decreases, clusters, chains.
inline const char* const kSymbolMix[] = {"double", "single", "chain", "treble", "double1to3", "double3to1flat",
                                         "halfdouble", "slipstitch", "double1to5flat", "double1to3zao", "chain3",
                                         "doubletreble"};

// A 600 x 600 chart holding `count` symbols about 20 pixels tall.
inline std::unique_ptr<CPattraDoc> denseChart(int count, unsigned seed = 1207)
{
    auto doc = std::make_unique<CPattraDoc>();
    doc->setChartSize(600, 600);
    doc->canvas().setBackgroundKind(1);
    doc->canvas().setLineSpacing(30);
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> at(15, 585);
    std::uniform_int_distribution<int> lean(-12, 12);
    for (int i = 0; i < count; ++i) {
        const char* name = kSymbolMix[size_t(i) % std::size(kSymbolMix)];
        std::unique_ptr<CChartElement> symbol = createElement(typeIdOfName(name));
        Point base{at(rng), at(rng)};
        Point top{base.x + lean(rng), base.y - 20};
        symbol->assignState({{base, top}, 2, 0, 0});
        doc->canvas().appendChild(std::move(symbol));
    }
    return doc;
}

} // namespace loopora::bench
