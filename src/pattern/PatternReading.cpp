// A chart read into rounds: the steps of ReadingModel.h, then the value a
// reading gives, with the warnings of what it could not decide.

#include "arrangements/ArcArrangement.h"
#include "pattern/PointGrid.h"
#include "pattern/ReadingModel.h"

#include <algorithm>
#include <map>

namespace loopora::pattern {
namespace detail {
namespace {

class Assembly {
public:
    explicit Assembly(const Model& m) : m_(m), entry_(m.nodes.size(), -1) {}

    PatternReading run()
    {
        foundation();
        for (size_t round = 1; round < m_.order.size(); ++round)
            emitRound(int(round));
        for (size_t round = 1; round < m_.order.size(); ++round)
            fillRound(int(round));
        warnings();
        return std::move(out_);
    }

private:
    const ElementPath& pathOf(int n) const
    {
        const Node& node = m_.nodes[size_t(n)];
        const int symbol = node.kind == NodeKind::Symbol ? node.item : m_.chains[size_t(m_.runs[size_t(node.item)].units.front())].symbol;
        return m_.symbols[size_t(symbol)].path;
    }
    bool isStanding(int n) const
    {
        const Node& node = m_.nodes[size_t(n)];
        return node.kind == NodeKind::Run && m_.runs[size_t(node.item)].shape == RunShape::Standing;
    }
    int topPosition(int n, int item) const
    {
        const auto& order = m_.topOrder[size_t(n)];
        const auto at = std::find(order.begin(), order.end(), item);
        return at == order.end() ? 0 : int(at - order.begin());
    }

    void foundation()
    {
        if (m_.foundation < 0)
            return;
        Foundation& f = out_.foundation;
        const Node& node = m_.nodes[size_t(m_.foundation)];
        f.path = pathOf(m_.foundation);
        if (node.kind == NodeKind::Symbol) {
            const ChartSymbol& s = m_.symbols[size_t(node.item)];
            f.kind = FoundationKind::Ring;
            f.magicRing = dynamic_cast<const CChainRing*>(s.element) == nullptr;
            f.chains = f.magicRing ? 0 : int(s.element->childCount());
            return;
        }
        const Run& run = m_.runs[size_t(node.item)];
        f.kind = run.shape == RunShape::Ring ? FoundationKind::Ring : FoundationKind::Chain;
        f.chains = int(run.units.size());
        int last = -1;
        for (size_t i = 0; i < run.units.size(); ++i) {
            const int symbol = m_.chains[size_t(run.units[i])].symbol;
            if (symbol != last)
                f.chainPaths.push_back(m_.symbols[size_t(symbol)].path);
            chainEntry_[run.units[i]] = int(f.chainPaths.size()) - 1;
            last = symbol;
        }
    }

    void emitRound(int number)
    {
        Round r;
        r.number = number;
        r.isRow = !m_.inRounds;
        for (int n : m_.order[size_t(number)]) {
            entry_[size_t(n)] = int(r.stitches.size());
            const Node& node = m_.nodes[size_t(n)];
            if (node.kind == NodeKind::Symbol) {
                const ChartSymbol& s = m_.symbols[size_t(node.item)];
                WorkedStitch w{s.path, s.type->id, s.anchors.role, makesOf(s.anchors), {}, -1};
                r.stitches.push_back(std::move(w));
                r.joined = r.joined || m_.isJoin[size_t(n)];
                continue;
            }
            emitRun(r, n);
        }
        out_.rounds.push_back(std::move(r));
    }

    // The stitches a symbol makes: its tops, a fan's chain spaces aside.
    static int makesOf(const SymbolAnchors& a)
    {
        if (a.role != Role::Stitch && a.role != Role::Fan && a.role != Role::Decrease)
            return 0;
        return int(std::count_if(a.tops.begin(), a.tops.end(), [](const TopAnchor& t) { return t.chains == 0; }));
    }

    void emitRun(Round& r, int n)
    {
        const Run& run = m_.runs[size_t(m_.nodes[size_t(n)].item)];
        ChainRun chains;
        chains.first = int(r.stitches.size());
        chains.chains = int(run.units.size());
        const bool beginning = n == m_.beginning[size_t(r.number)];
        chains.kind = run.shape == RunShape::Loop ? RunKind::Space : beginning ? RunKind::Beginning : RunKind::Loose;
        if (beginning)
            chains.countsAs = m_.beginningCountsAs[size_t(r.number)];
        int last = -1;
        for (int u : run.units) {
            const int symbol = m_.chains[size_t(u)].symbol;
            if (symbol == last)
                continue;
            last = symbol;
            const ChartSymbol& s = m_.symbols[size_t(symbol)];
            r.stitches.push_back({s.path, s.type->id, s.anchors.role, 0, {}, int(r.runs.size())});
        }
        chains.symbols = int(r.stitches.size()) - chains.first;
        if (chains.countsAs >= 0)
            r.stitches[size_t(chains.first)].makes = 1;
        r.runs.push_back(chains);
    }

    Into intoOf(const Attachment& a) const
    {
        Into into;
        if (a.place < 0)
            return into;
        const PlaceRef& p = m_.places[size_t(a.place)];
        const int level = m_.level[size_t(p.node)];
        if (p.role == PlaceRole::Ring)
            return {IntoKind::Ring, 0, 0, 0, -1, false};
        if (level < 0)
            return into;
        into.round = level;
        into.place = m_.placeOrdinal[size_t(a.place)];
        if (p.role == PlaceRole::Chain) {
            const int unit = m_.runs[size_t(m_.nodes[size_t(p.node)].item)].units[size_t(p.item)];
            const auto at = chainEntry_.find(unit);
            into.kind = IntoKind::Chain;
            into.index = at == chainEntry_.end() ? -1 : at->second;
            into.top = p.item;
            return into;
        }
        into.index = entry_[size_t(p.node)];
        if (p.role == PlaceRole::RunSpace || p.role == PlaceRole::FanSpace) {
            into.kind = IntoKind::Space;
        } else if (isStanding(p.node)) {
            into.kind = m_.beginningCountsAs[size_t(level)] >= 0 && m_.beginning[size_t(level)] == p.node
                            ? IntoKind::Stitch
                            : IntoKind::Chain;
        } else {
            into.kind = IntoKind::Stitch;
        }
        if (p.role == PlaceRole::Top || p.role == PlaceRole::FanSpace)
            into.top = isStanding(p.node) ? 0 : topPosition(p.node, p.item);
        if (a.second >= 0) {
            into.kind = IntoKind::Space;
            into.between = true;
            into.place = std::min(into.place, m_.placeOrdinal[size_t(a.second)]);
        }
        return into;
    }

    void fillRound(int number)
    {
        Round& r = out_.rounds[size_t(number - 1)];
        std::map<std::pair<int, int>, bool> worked;
        for (int n : m_.order[size_t(number)]) {
            std::vector<Attachment> bases = m_.bases[size_t(n)];
            if (bases.empty())
                continue;
            // Bases in the order they are worked.
            auto coordinate = [&](const Attachment& a) {
                return workingCoordinate(m_, number, a.place >= 0 ? m_.places[size_t(a.place)].at : a.base);
            };
            const double first = coordinate(bases.front());
            std::stable_sort(bases.begin(), bases.end(), [&](const Attachment& a, const Attachment& b) {
                const double da = m_.inRounds ? wrapHalfTurn(coordinate(a) - first) : coordinate(a);
                const double db = m_.inRounds ? wrapHalfTurn(coordinate(b) - first) : coordinate(b);
                return da < db;
            });
            WorkedStitch& w = r.stitches[size_t(entry_[size_t(n)])];
            for (const Attachment& a : bases) {
                w.into.push_back(intoOf(a));
                const Into& into = w.into.back();
                if (into.kind != IntoKind::None && into.kind != IntoKind::Ring && into.place >= 0 && into.round < number)
                    worked[{into.round, into.place}] = true;
            }
        }
        for (const WorkedStitch& w : r.stitches)
            r.makes += w.makes;
        r.workedInto = int(worked.size());
        r.places = placesOf(number);
    }

    std::vector<Place> placesOf(int number) const
    {
        std::vector<Place> list;
        for (int id : m_.roundPlaces[size_t(number)]) {
            const PlaceRef& p = m_.places[size_t(id)];
            Place place;
            place.index = entry_[size_t(p.node)];
            if (p.role == PlaceRole::RunSpace) {
                place.kind = PlaceKind::Space;
                place.chains = int(m_.runs[size_t(m_.nodes[size_t(p.node)].item)].units.size());
            } else if (p.role == PlaceRole::FanSpace) {
                place.kind = PlaceKind::Space;
                place.top = topPosition(p.node, p.item);
                place.chains = m_.symbols[size_t(m_.nodes[size_t(p.node)].item)].anchors.tops[size_t(p.item)].chains;
            } else if (!isStanding(p.node)) {
                place.top = topPosition(p.node, p.item);
            }
            list.push_back(place);
        }
        return list;
    }

    void warn(WarningKind kind, int n)
    {
        const int level = m_.level[size_t(n)];
        out_.warnings.push_back({kind, std::max(level, 0), level > 0 ? entry_[size_t(n)] : -1, pathOf(n)});
    }

    void warnings();
    void drawnTwice();
    void nothingWorkedInto();
    void notClosed();
    bool bridged(int round, Vec at) const;

    const Model& m_;
    std::vector<int> entry_;
    std::map<int, int> chainEntry_;
    PatternReading out_;
};

void Assembly::warnings()
{
    out_.warnings = m_.warnings;
    for (size_t n = 0; n < m_.nodes.size(); ++n) {
        const Node& node = m_.nodes[n];
        const bool candidate = node.kind == NodeKind::Run ? m_.runs[size_t(node.item)].shape == RunShape::Free ||
                                                                m_.runs[size_t(node.item)].shape == RunShape::Ring
                                                          : m_.symbols[size_t(node.item)].anchors.role == Role::Ring;
        if (candidate) {
            if (int(n) != m_.foundation && m_.level[n] == 0)
                warn(WarningKind::SecondFoundation, int(n));
            else if (int(n) != m_.foundation && node.kind == NodeKind::Run)
                warn(WarningKind::WorkedIntoNothing, int(n));
            continue;
        }
        bool loose = m_.level[n] < 0;
        for (const Attachment& a : m_.bases[n]) {
            loose = loose || a.place < 0;
            if (a.ambiguous)
                warn(WarningKind::TwoPlaces, int(n));
        }
        if (loose)
            warn(WarningKind::WorkedIntoNothing, int(n));
    }
    drawnTwice();
    nothingWorkedInto();
    notClosed();
    std::stable_sort(out_.warnings.begin(), out_.warnings.end(), [](const Warning& a, const Warning& b) {
        return std::make_tuple(a.round, a.index, int(a.kind)) < std::make_tuple(b.round, b.index, int(b.kind));
    });
}

void Assembly::drawnTwice()
{
    PointGrid grid(std::max(m_.margin, 1.0));
    for (size_t n = 0; n < m_.nodes.size(); ++n)
        if (m_.nodes[n].kind == NodeKind::Symbol)
            grid.add(m_.symbols[size_t(m_.nodes[n].item)].anchors.base, int(n));
    for (size_t n = 0; n < m_.nodes.size(); ++n) {
        if (m_.nodes[n].kind != NodeKind::Symbol)
            continue;
        const ChartSymbol& s = m_.symbols[size_t(m_.nodes[n].item)];
        bool twice = false;
        grid.near(s.anchors.base, m_.margin, [&](int other, double) {
            const ChartSymbol& o = m_.symbols[size_t(m_.nodes[size_t(other)].item)];
            // The later one in working order (else in the tree) is the copy.
            const auto later = std::make_pair(m_.orderIndex[size_t(other)], o.path) <
                               std::make_pair(m_.orderIndex[n], s.path);
            twice = twice || (other != int(n) && o.type == s.type && later &&
                              distance(o.anchors.top, s.anchors.top) <= m_.margin);
        });
        if (twice)
            warn(WarningKind::DrawnTwice, int(n));
    }
}

void Assembly::nothingWorkedInto()
{
    std::vector<bool> worked(m_.places.size(), false);
    for (const auto& bases : m_.bases)
        for (const Attachment& a : bases)
            for (int p : {a.place, a.second})
                if (p >= 0)
                    worked[size_t(p)] = true;
    // A space counts as worked when any of its chains is.
    std::map<int, bool> spaceWorked;
    for (size_t p = 0; p < m_.places.size(); ++p)
        if (worked[p] && m_.places[p].role == PlaceRole::RunSpace)
            spaceWorked[m_.places[p].node] = true;
    for (size_t round = 1; round < m_.order.size(); ++round) {
        const std::vector<int>& below = m_.roundPlaces[round - 1];
        auto isWorked = [&](size_t i) {
            const PlaceRef& p = m_.places[size_t(below[i])];
            return worked[size_t(below[i])] || (p.role == PlaceRole::RunSpace && spaceWorked.count(p.node));
        };
        auto isSpace = [&](size_t i) {
            const PlaceRole role = m_.places[size_t(below[i])].role;
            return role == PlaceRole::RunSpace || role == PlaceRole::FanSpace;
        };
        // Row 1 begins some chains from the hook: those make its turning chain.
        size_t hookEnd = below.size();
        if (round == 1 && !m_.inRounds)
            while (hookEnd > 0 && !isWorked(hookEnd - 1))
                --hookEnd;
        int skipped = 0;
        for (size_t i = 0; i < hookEnd; ++i) {
            if (isWorked(i) || isSpace(i))
                continue;
            ++skipped;
            // Stitches passed over on the way from one worked space to the
            // next (a granny's middle doubles) are left on purpose.
            auto reachesWorkedSpace = [&](size_t from, int way) {
                for (size_t j = from; j < below.size(); j = size_t(int(j) + way)) {
                    if (isSpace(j))
                        return isWorked(j);
                    if (isWorked(j))
                        return false;
                }
                return false;
            };
            const bool besideWorkedSpace = (i > 0 && reachesWorkedSpace(i - 1, -1)) ||
                                           (i + 1 < below.size() && reachesWorkedSpace(i + 1, 1));
            if (besideWorkedSpace || bridged(int(round), m_.places[size_t(below[i])].at))
                continue;
            warn(WarningKind::NothingWorkedInto, m_.places[size_t(below[i])].node);
            if (m_.level[size_t(m_.places[size_t(below[i])].node)] == 0) {
                // A chain of the foundation: name the chain itself.
                out_.warnings.back().index = m_.places[size_t(below[i])].item;
            }
        }
        out_.rounds[round - 1].skipped = skipped;
    }
}

// A chain of the round passes over the point: a loop from one stitch to
// another reaches across it, as "ch 1, sk next st" does.
bool Assembly::bridged(int round, Vec at) const
{
    for (int n : m_.order[size_t(round)]) {
        const Node& node = m_.nodes[size_t(n)];
        if (node.kind != NodeKind::Run || m_.runs[size_t(node.item)].shape != RunShape::Loop)
            continue;
        const Run& run = m_.runs[size_t(node.item)];
        const double from = workingCoordinate(m_, round, runStart(m_, run));
        const double to = workingCoordinate(m_, round, runEnd(m_, run));
        const double x = workingCoordinate(m_, round, at);
        const bool inside = m_.inRounds ? wrapTurn(x - from) < wrapTurn(to - from) : (x - from) * (x - to) < 0;
        if (inside)
            return true;
    }
    return false;
}

void Assembly::notClosed()
{
    if (!m_.inRounds)
        return;
    for (size_t round = 1; round < m_.order.size(); ++round) {
        std::vector<double> angles;
        for (int n : m_.order[round])
            for (const Attachment& a : m_.bases[size_t(n)])
                angles.push_back(angleAbout(m_.centre, a.base));
        if (angles.size() < 2)
            continue;
        std::sort(angles.begin(), angles.end());
        double gap = angles.front() + 2 * kPi - angles.back();
        for (size_t i = 1; i < angles.size(); ++i)
            gap = std::max(gap, angles[i] - angles[i - 1]);
        if (gap > closingGap(angles.size())) {
            out_.warnings.push_back({WarningKind::RoundNotClosed, int(round), -1, pathOf(m_.order[round].front())});
        }
    }
}

} // namespace
} // namespace detail

PatternReading readChart(const CChartElement& root)
{
    detail::Model m;
    detail::collectSymbols(root, m);
    detail::linkChains(m);
    detail::attachBases(m);
    detail::assignRounds(m);
    detail::orderRounds(m);
    return detail::Assembly(m).run();
}

} // namespace loopora::pattern
