// Where every base is worked into. First the places stitches offer (rings,
// tops, the spaces fans' chains make) tell what each run of chains is: a
// loop from one stitch's top to another's is a chain space, a run standing
// on one place is a beginning (or turning) chain whose end is a top, a ring
// of chains is a ring, and a run on nothing may be the foundation chain,
// whose every chain is a place. A standing run a join sits on partway up
// is the beginning chains of two rounds, one on the other. Then each base
// takes the nearest place within reach, or the space between two
// neighbouring tops.

#include "pattern/PointGrid.h"
#include "pattern/ReadingModel.h"

#include <algorithm>
#include <limits>

namespace loopora::pattern::detail {
namespace {

bool isStanding(Role role) { return role == Role::Stitch || role == Role::Fan || role == Role::Decrease; }

bool hasBases(Role role)
{
    return isStanding(role) || role == Role::SlipStitch || role == Role::Picot;
}

void makeNodes(Model& m)
{
    m.nodeOfSymbol.assign(m.symbols.size(), -1);
    for (size_t s = 0; s < m.symbols.size(); ++s) {
        const ChartSymbol& sym = m.symbols[s];
        if (!sym.anchors.readable) {
            m.warnings.push_back({WarningKind::Unreadable, 0, -1, sym.path});
            continue;
        }
        const Role role = sym.anchors.role;
        if (hasBases(role) || role == Role::Ring) {
            m.nodeOfSymbol[s] = int(m.nodes.size());
            m.nodes.push_back({NodeKind::Symbol, int(s)});
        }
    }
    m.nodeOfRun.assign(m.runs.size(), -1);
    for (size_t r = 0; r < m.runs.size(); ++r) {
        m.nodeOfRun[r] = int(m.nodes.size());
        m.nodes.push_back({NodeKind::Run, int(r)});
    }
    m.bases.assign(m.nodes.size(), {});
    m.loopEnds.assign(m.nodes.size(), {-1, -1});
}

void addStitchPlaces(Model& m)
{
    for (size_t n = 0; n < m.nodes.size(); ++n) {
        if (m.nodes[n].kind != NodeKind::Symbol)
            continue;
        const ChartSymbol& sym = m.symbols[size_t(m.nodes[n].item)];
        if (sym.anchors.role == Role::Ring) {
            m.places.push_back({PlaceRole::Ring, int(n), 0, sym.ringCentre, sym.ringRadius});
            continue;
        }
        if (!isStanding(sym.anchors.role))
            continue;
        for (size_t t = 0; t < sym.anchors.tops.size(); ++t) {
            const TopAnchor& top = sym.anchors.tops[t];
            m.places.push_back({top.chains ? PlaceRole::FanSpace : PlaceRole::Top, int(n), int(t), top.at, 0});
        }
    }
}

// The distance from a point to a place: to a ring's edge, nothing inside it.
double reachTo(const PlaceRef& p, Vec at)
{
    const double d = distance(p.at, at);
    return p.role == PlaceRole::Ring ? std::max(0.0, d - p.reach) : d;
}

class PlaceFinder {
public:
    PlaceFinder(const Model& m, double cell) : m_(m), grid_(cell), cell_(cell)
    {
        for (size_t i = 0; i < m.places.size(); ++i) {
            if (m.places[i].role == PlaceRole::Ring)
                rings_.push_back(int(i));
            else
                grid_.add(m.places[i].at, int(i));
        }
    }

    // Calls visit(place, distance) for the places within radius of at that
    // the filter takes.
    template <typename Filter, typename Visit>
    void near(Vec at, double radius, Filter&& take, Visit&& visit) const
    {
        grid_.near(at, std::min(radius, cell_), [&](int id, double d) {
            if (take(m_.places[size_t(id)]))
                visit(id, d);
        });
        for (int id : rings_) {
            const double d = reachTo(m_.places[size_t(id)], at);
            if (d <= radius && take(m_.places[size_t(id)]))
                visit(id, d);
        }
    }

    // The nearest place within reach that the filter takes, and whether a
    // different place is about as near.
    template <typename Filter>
    Attachment nearest(Vec at, Filter&& take) const
    {
        Attachment a{-1, -1, at, false};
        double best = std::numeric_limits<double>::max();
        near(at, m_.reach, take, [&](int id, double d) {
            if (d < best || (d == best && id < a.place)) {
                best = d;
                a.place = id;
            }
        });
        if (a.place < 0)
            return a;
        const PlaceRef& chosen = m_.places[size_t(a.place)];
        near(at, m_.reach, take, [&](int id, double d) {
            if (!m_.places[size_t(id)].sameAs(chosen) && d <= best + m_.margin)
                a.ambiguous = true;
        });
        return a;
    }

    // The space between the two nearest tops when both are neighbours and
    // the base lies between them.
    template <typename Filter>
    Attachment between(Vec at, Filter&& take) const
    {
        int first = -1, second = -1;
        double d1 = std::numeric_limits<double>::max(), d2 = d1;
        near(at, cell_, take, [&](int id, double d) {
            if (m_.places[size_t(id)].role != PlaceRole::Top)
                return;
            if (d < d1) {
                second = first, d2 = d1;
                first = id, d1 = d;
            } else if (d < d2) {
                second = id, d2 = d;
            }
        });
        Attachment a{-1, -1, at, false};
        if (second < 0)
            return a;
        const Vec p = m_.places[size_t(first)].at, q = m_.places[size_t(second)].at;
        if (distance(p, q) <= 1.2 * m_.typicalHeight && distance(midpoint(p, q), at) <= m_.reach) {
            a.place = first;
            a.second = second;
        }
        return a;
    }

private:
    const Model& m_;
    PointGrid grid_;
    double cell_;
    std::vector<int> rings_;
};

void reverseRun(Model& m, Run& run)
{
    std::reverse(run.units.begin(), run.units.end());
    for (int u : run.units)
        std::swap(m.chains[size_t(u)].from, m.chains[size_t(u)].to);
}

// What each open run is, by the stitch places at its ends.
void shapeRuns(Model& m, const PlaceFinder& stitches)
{
    for (size_t r = 0; r < m.runs.size(); ++r) {
        Run& run = m.runs[r];
        if (run.shape == RunShape::Ring)
            continue;
        auto anyPlace = [](const PlaceRef&) { return true; };
        Attachment start = stitches.nearest(runStart(m, run), anyPlace);
        const int startNode = start.place >= 0 ? m.places[size_t(start.place)].node : -1;
        auto topElsewhere = [&](const PlaceRef& p) { return p.role != PlaceRole::Ring && p.node != startNode; };
        Attachment end = stitches.nearest(runEnd(m, run), topElsewhere);
        const int n = m.nodeOfRun[r];
        if (start.place >= 0 && end.place >= 0) {
            run.shape = RunShape::Loop;
            m.loopEnds[size_t(n)] = {start.place, end.place};
        } else if (start.place >= 0 || end.place >= 0) {
            if (start.place < 0)
                reverseRun(m, run);
            run.shape = RunShape::Standing;
        }
    }
}

// A standing chain with a slip stitch on it partway up is two: the join
// sits on the top of this round's beginning chain, and the chains worked
// on from it are the next round's beginning, standing on that top.
void cutAtJoins(Model& m)
{
    PointGrid slips(std::max(m.reach, 1.0));
    bool any = false;
    for (const ChartSymbol& s : m.symbols)
        if (s.anchors.readable && s.anchors.role == Role::SlipStitch)
            for (Vec b : s.anchors.bases) {
                slips.add(b, 0);
                any = true;
            }
    if (!any)
        return;
    // Pieces cut off are looked at in their turn: rounds stack.
    for (size_t r = 0; r < m.runs.size(); ++r) {
        if (m.runs[r].shape != RunShape::Standing)
            continue;
        const std::vector<int>& units = m.runs[r].units;
        for (size_t i = 0; i + 1 < units.size(); ++i) {
            bool joined = false;
            slips.near(m.chains[size_t(units[i])].to, m.reach / 2, [&](int, double) { joined = true; });
            if (!joined)
                continue;
            Run rest{std::vector<int>(units.begin() + std::ptrdiff_t(i) + 1, units.end()), RunShape::Standing};
            m.runs[r].units.resize(i + 1);
            m.runs.push_back(std::move(rest));
            m.nodeOfRun.push_back(int(m.nodes.size()));
            m.nodes.push_back({NodeKind::Run, int(m.runs.size() - 1)});
            m.bases.emplace_back();
            m.loopEnds.push_back({-1, -1});
            break;
        }
    }
}

void addRunPlaces(Model& m)
{
    for (size_t r = 0; r < m.runs.size(); ++r) {
        const Run& run = m.runs[r];
        const int n = m.nodeOfRun[r];
        switch (run.shape) {
        case RunShape::Standing: m.places.push_back({PlaceRole::Top, n, 0, runEnd(m, run), 0}); break;
        case RunShape::Loop: {
            // Worked under the loop: anywhere along it, its middle too.
            for (int u : run.units)
                m.places.push_back({PlaceRole::RunSpace, n, 0, m.chains[size_t(u)].centre(), 0});
            const size_t half = run.units.size() / 2;
            const ChainUnit& middle = m.chains[size_t(run.units[half])];
            m.places.push_back({PlaceRole::RunSpace, n, 0, run.units.size() % 2 ? middle.centre() : middle.from, 0});
            break;
        }
        case RunShape::Free:
            for (size_t i = 0; i < run.units.size(); ++i)
                m.places.push_back({PlaceRole::Chain, n, int(i), m.chains[size_t(run.units[i])].centre(), 0});
            break;
        case RunShape::Ring: {
            Vec centre{};
            for (int u : run.units)
                centre = centre + m.chains[size_t(u)].from;
            centre = centre * (1.0 / double(run.units.size()));
            double radius = 0;
            for (int u : run.units)
                radius += distance(centre, m.chains[size_t(u)].from) / double(run.units.size());
            m.places.push_back({PlaceRole::Ring, n, 0, centre, radius});
            break;
        }
        }
    }
}

} // namespace

void attachBases(Model& m)
{
    makeNodes(m);
    addStitchPlaces(m);
    const double cell = std::max(m.reach, 0.75 * m.typicalHeight);
    shapeRuns(m, PlaceFinder(m, cell));
    cutAtJoins(m);
    addRunPlaces(m);
    const PlaceFinder places(m, cell);
    for (size_t n = 0; n < m.nodes.size(); ++n) {
        std::vector<Vec> bases;
        if (m.nodes[n].kind == NodeKind::Symbol) {
            const SymbolAnchors& a = m.symbols[size_t(m.nodes[n].item)].anchors;
            if (hasBases(a.role))
                bases = a.bases;
        } else if (m.runs[size_t(m.nodes[n].item)].shape == RunShape::Standing) {
            bases.push_back(runStart(m, m.runs[size_t(m.nodes[n].item)]));
        }
        auto notOwn = [n](const PlaceRef& p) { return p.node != int(n); };
        for (Vec b : bases) {
            Attachment a = places.nearest(b, notOwn);
            if (a.place < 0)
                a = places.between(b, notOwn);
            m.bases[n].push_back(a);
        }
    }
}

} // namespace loopora::pattern::detail
