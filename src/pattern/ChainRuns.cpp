// Chains read into runs: chains whose ends meet are one run, made in the
// direction most of them were drawn (from the chain before to the next).
// A chain group's chains are a run already; chains drawn one by one join
// where an end of one lies on an end of another, each end joining at most
// one other, the nearest that takes it as its nearest too.

#include "pattern/PointGrid.h"
#include "pattern/ReadingModel.h"

#include <algorithm>

namespace loopora::pattern::detail {

namespace {

// Ends are numbered 2u (where unit u starts) and 2u + 1 (where it ends).
Vec endPoint(const Model& m, int end)
{
    const ChainUnit& u = m.chains[size_t(end / 2)];
    return end % 2 ? u.to : u.from;
}

void collectUnits(Model& m, std::vector<int>& link)
{
    for (size_t s = 0; s < m.symbols.size(); ++s) {
        const SymbolAnchors& a = m.symbols[s].anchors;
        if (!a.readable || (a.role != Role::Chain && a.role != Role::ChainGroup))
            continue;
        for (size_t c = 0; c < a.chains.size(); ++c) {
            m.chains.push_back({int(s), a.chains[c].first, a.chains[c].second});
            link.push_back(-1);
            link.push_back(-1);
            // A group's chains follow one another.
            if (c > 0) {
                const int here = 2 * int(m.chains.size() - 1);
                link[size_t(here)] = here - 1;
                link[size_t(here - 1)] = here;
            }
        }
    }
}

// Chains that meet on a stitch's top are not one run: the stitch stands
// between them ("dc, ch 2, dc, ch 2").
std::vector<bool> endsOnTops(const Model& m, const std::vector<int>& link)
{
    PointGrid tops(std::max(m.reach, 1.0));
    for (const ChartSymbol& s : m.symbols) {
        const Role role = s.anchors.role;
        if (s.anchors.readable && (role == Role::Stitch || role == Role::Fan || role == Role::Decrease))
            for (const TopAnchor& t : s.anchors.tops)
                tops.add(t.at, 0);
    }
    std::vector<bool> onTop(link.size(), false);
    for (size_t e = 0; e < link.size(); ++e)
        tops.near(endPoint(m, int(e)), m.reach / 2, [&](int, double) { onTop[e] = true; });
    return onTop;
}

void linkLooseEnds(Model& m, std::vector<int>& link)
{
    const std::vector<bool> onTop = endsOnTops(m, link);
    double longest = 0;
    for (const ChainUnit& u : m.chains)
        longest = std::max(longest, u.length());
    const double cell = std::max(m.reach, longest / 2);
    PointGrid ends(cell);
    for (size_t e = 0; e < link.size(); ++e)
        if (link[e] < 0 && !onTop[e])
            ends.add(endPoint(m, int(e)), int(e));
    auto reachOf = [&](int a, int b) {
        const double shorter = std::min(m.chains[size_t(a / 2)].length(), m.chains[size_t(b / 2)].length());
        return std::min(m.reach, 0.45 * shorter);
    };
    std::vector<int> nearest(link.size(), -1);
    for (size_t e = 0; e < link.size(); ++e) {
        if (link[e] >= 0 || onTop[e])
            continue;
        double best = 0;
        ends.near(endPoint(m, int(e)), cell, [&](int f, double d) {
            if (f / 2 == int(e) / 2 || link[size_t(f)] >= 0 || d > reachOf(int(e), f))
                return;
            if (nearest[e] < 0 || d < best || (d == best && f < nearest[e])) {
                best = d;
                nearest[e] = f;
            }
        });
    }
    for (size_t e = 0; e < link.size(); ++e)
        if (link[e] < 0 && nearest[e] >= 0 && nearest[size_t(nearest[e])] == int(e)) {
            link[e] = nearest[e];
            link[size_t(nearest[e])] = int(e);
        }
}

// Follows the links from a unit entered at an end; returns the units and
// whether each was walked from its start to its end.
void follow(int entry, const std::vector<int>& link, std::vector<bool>& taken, std::vector<int>& units,
            std::vector<bool>& forward)
{
    int end = entry;
    while (end >= 0 && !taken[size_t(end / 2)]) {
        const int unit = end / 2;
        taken[size_t(unit)] = true;
        units.push_back(unit);
        forward.push_back(end % 2 == 0);
        const int out = end ^ 1;
        end = link[size_t(out)];
    }
}

void addRun(Model& m, std::vector<int> units, std::vector<bool> forward, bool closed)
{
    const auto ahead = std::count(forward.begin(), forward.end(), true);
    if (2 * ahead < std::ptrdiff_t(forward.size())) {
        std::reverse(units.begin(), units.end());
        std::reverse(forward.begin(), forward.end());
        forward.flip();
    }
    // Chains drawn the other way are read in the run's direction.
    for (size_t i = 0; i < units.size(); ++i)
        if (!forward[i])
            std::swap(m.chains[size_t(units[i])].from, m.chains[size_t(units[i])].to);
    Run run;
    run.units = std::move(units);
    run.shape = closed ? RunShape::Ring : RunShape::Free;
    m.runs.push_back(std::move(run));
}

} // namespace

void linkChains(Model& m)
{
    std::vector<int> link;
    collectUnits(m, link);
    linkLooseEnds(m, link);
    std::vector<bool> taken(m.chains.size(), false);
    // Open runs from their free ends, then what is left: closed rings.
    for (size_t e = 0; e < link.size(); ++e) {
        if (link[e] >= 0 || taken[e / 2])
            continue;
        std::vector<int> units;
        std::vector<bool> forward;
        follow(int(e), link, taken, units, forward);
        addRun(m, std::move(units), std::move(forward), false);
    }
    for (size_t u = 0; u < m.chains.size(); ++u) {
        if (taken[u])
            continue;
        std::vector<int> units;
        std::vector<bool> forward;
        follow(int(2 * u), link, taken, units, forward);
        const bool closed = units.size() >= 3;
        addRun(m, std::move(units), std::move(forward), closed);
    }
}

} // namespace loopora::pattern::detail
