#include "document/Legend.h"

#include "elements/TypeIds.h"

#include <algorithm>

namespace loopora {
namespace {

// The basic stitches from the lowest to the tallest.
constexpr int32_t kByHeight[] = {typeids::kChain,  typeids::kSlipStitch, typeids::kSingle,       typeids::kHalfDouble,
                                 typeids::kDouble, typeids::kTreble,     typeids::kDoubleTreble, typeids::kTrebleTreble};

int kindRank(TypeKind kind)
{
    switch (kind) {
    case TypeKind::Stitch: return 0;
    case TypeKind::ChainGroup: return 1;
    case TypeKind::Special: return 2;
    case TypeKind::Cluster: return 3;
    case TypeKind::Fan: return 4;
    case TypeKind::Decrease: return 5;
    case TypeKind::Mark: return 6;
    default: return 7;
    }
}

} // namespace

int legendRank(const ElementType& type)
{
    int within = type.id;
    if (type.kind == TypeKind::Stitch) {
        const auto* at = std::find(std::begin(kByHeight), std::end(kByHeight), type.id);
        within = int(at - std::begin(kByHeight));
    }
    return kindRank(type.kind) * PrototypeTable::kSize + within;
}

Legend makeLegend(const StitchTally& chart, const StitchTally* selection)
{
    Legend legend;
    legend.chart = chart;
    if (selection) {
        legend.selection = *selection;
        legend.hasSelection = !selection->empty();
    }
    for (const ElementType& type : elementTypes()) {
        const auto id = size_t(type.id);
        const int32_t inSelection = legend.selection.symbolsOfType[id];
        if (chart.symbolsOfType[id] > 0 || inSelection > 0)
            legend.rows.push_back({&type, chart.symbolsOfType[id], inSelection});
    }
    std::stable_sort(legend.rows.begin(), legend.rows.end(),
                     [](const LegendRow& a, const LegendRow& b) { return legendRank(*a.type) < legendRank(*b.type); });
    return legend;
}

Legend makeLegend(const CCanvas& canvas)
{
    const StitchTally chart = countStitches(canvas);
    const StitchTally selection = countStitches(canvas.selection().members());
    return makeLegend(chart, &selection);
}

} // namespace loopora
