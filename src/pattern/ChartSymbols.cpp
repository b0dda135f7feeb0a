// The first step of a reading: every visible symbol of the chart with its
// anchors and its path, rings of chains as rings, and the chart's typical
// stitch height that the reading's tolerances are fractions of.

#include "arrangements/ArcArrangement.h"
#include "pattern/ReadingModel.h"

#include <algorithm>

namespace loopora::pattern::detail {
namespace {

void addChainRing(const CChainRing& ring, const ElementType& type, ElementPath& path, Model& m)
{
    ChartSymbol s{&ring, &type, path, {}, {}, 0};
    s.anchors.role = Role::Ring;
    Vec sum{};
    size_t n = 0;
    for (const auto& chain : ring.children())
        if (chain->points().size() >= 2) {
            sum = sum + Vec::of(chain->points()[0]);
            ++n;
        }
    if (n < 3) {
        s.anchors.readable = false;
    } else {
        s.ringCentre = sum * (1.0 / double(n));
        for (const auto& chain : ring.children())
            if (chain->points().size() >= 2)
                s.ringRadius += distance(s.ringCentre, Vec::of(chain->points()[0])) / double(n);
    }
    m.symbols.push_back(std::move(s));
}

void walk(const CChartElement& e, ElementPath& path, Model& m)
{
    for (size_t i = 0; i < e.childCount(); ++i) {
        const CChartElement& child = *e.child(i);
        if (child.hasFlag(kHidden))
            continue;
        const ElementType* type = elementType(child.typeId());
        if (!type)
            continue;
        path.push_back(uint32_t(i));
        if (const auto* ring = dynamic_cast<const CChainRing*>(&child)) {
            addChainRing(*ring, *type, path, m);
        } else if (holdsCountedSymbols(type->kind)) {
            walk(child, path, m);
        } else if (roleOf(*type) != Role::None) {
            ChartSymbol s{&child, type, path, anchorsOf(child, *type), {}, 0};
            if (s.anchors.role == Role::Ring) {
                s.ringCentre = midpoint(s.anchors.base, s.anchors.top);
                s.ringRadius = s.anchors.height() / 2;
            }
            m.symbols.push_back(std::move(s));
        }
        path.pop_back();
    }
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    auto middle = values.begin() + std::ptrdiff_t(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

void collectSymbols(const CChartElement& root, Model& m)
{
    ElementPath path;
    walk(root, path, m);
    std::vector<double> stems;
    std::vector<double> chains;
    for (const ChartSymbol& s : m.symbols) {
        if (!s.anchors.readable)
            continue;
        const Role role = s.anchors.role;
        if (role == Role::Stitch || role == Role::Fan || role == Role::Decrease)
            stems.push_back(s.anchors.height());
        for (const auto& [from, to] : s.anchors.chains)
            chains.push_back(distance(from, to));
    }
    // Without stitches a chain is about a third of the stitch worked into it.
    double typical = stems.empty() ? 3 * median(chains) : median(stems);
    if (!(typical > 1))
        typical = 40;
    m.typicalHeight = typical;
    m.reach = kAttachReach * typical;
    m.margin = kTieMargin * typical;
}

} // namespace loopora::pattern::detail
