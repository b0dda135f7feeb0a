// The order each round is worked in. Rounds go counter-clockwise about the
// foundation's centre from their beginning; rows alternate, the first from
// the end of the foundation chain that was made last (right to left for a
// chain made left to right), turning at each end. A stitch is ordered by
// where it is worked into, stitches worked into one place by where their
// tops stand. A round begins with its beginning chain, else with the
// stitch its join sits on, else with the first stitch worked into (or
// after) the previous round's beginning; the first round, lacking all of
// these, with the stitch nearest twelve o'clock, or the first of its group
// when the round is worked in groups between chains.

#include "pattern/ReadingModel.h"
#include "pattern/StitchMakeup.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace loopora::pattern::detail {

double workingCoordinate(const Model& m, int round, Vec at)
{
    if (m.inRounds)
        return angleAbout(m.centre, at);
    const double sign = round % 2 ? 1 : -1;
    if (m.madeDirection == Vec{})
        return sign * wrapTurn(angleAbout(m.centre, at) - m.gapMiddle);
    return -sign * at.dot(m.madeDirection);
}

namespace {

struct Key {
    double primary = 0;
    double secondary = 0;
    int after = 0; // a picot comes after the stitch it sits on
};

// Where a base is worked into, as a point: the place, the middle of the
// space between two tops, or itself on a ring.
Vec workedAt(const Model& m, const Attachment& a)
{
    const PlaceRef& p = m.places[size_t(a.place)];
    if (a.second >= 0)
        return midpoint(p.at, m.places[size_t(a.second)].at);
    return p.role == PlaceRole::Ring ? a.base : p.at;
}

class RoundKeys {
public:
    RoundKeys(const Model& m, int round) : m_(m), round_(round) {}

    double coordinate(Vec at) const { return workingCoordinate(m_, round_, at); }
    // The mean of coordinates: of angles, the angle of the mean direction.
    double mean(const std::vector<Vec>& points) const
    {
        if (points.empty())
            return 0;
        if (!m_.inRounds) {
            double sum = 0;
            for (Vec p : points)
                sum += coordinate(p);
            return sum / double(points.size());
        }
        double x = 0, y = 0;
        for (Vec p : points) {
            const double a = coordinate(p);
            x += std::cos(a), y += std::sin(a);
        }
        return wrapTurn(std::atan2(y, x));
    }
    // How far b lies after a in working order (signed, small for neighbours).
    double after(double a, double b) const { return m_.inRounds ? wrapHalfTurn(b - a) : b - a; }

private:
    const Model& m_;
    int round_;
};

Key keyOf(const Model& m, const RoundKeys& keys, int n)
{
    const Node& node = m.nodes[size_t(n)];
    std::vector<Vec> from;
    std::vector<Vec> tops;
    if (node.kind == NodeKind::Symbol) {
        const SymbolAnchors& a = m.symbols[size_t(node.item)].anchors;
        for (const Attachment& b : m.bases[size_t(n)])
            from.push_back(b.place >= 0 ? workedAt(m, b) : b.base);
        for (const TopAnchor& t : a.tops)
            tops.push_back(t.at);
        if (tops.empty())
            tops = a.bases;
    } else {
        const Run& run = m.runs[size_t(node.item)];
        for (const Attachment& b : m.bases[size_t(n)])
            from.push_back(b.place >= 0 ? workedAt(m, b) : b.base);
        if (from.empty())
            from.push_back(runStart(m, run));
        for (int u : run.units)
            tops.push_back(m.chains[size_t(u)].centre());
        if (run.shape == RunShape::Standing)
            tops = {runEnd(m, run)};
    }
    Key k;
    k.primary = keys.mean(from);
    k.secondary = keys.after(k.primary, keys.mean(tops));
    return k;
}

// The node a picot sits on or a loop leaves from, when it is of the round.
int hostOf(const Model& m, int n, int round)
{
    const Node& node = m.nodes[size_t(n)];
    int place = -1;
    if (node.kind == NodeKind::Run && m.runs[size_t(node.item)].shape == RunShape::Loop)
        place = m.loopEnds[size_t(n)].first;
    else if (node.kind == NodeKind::Symbol && m.symbols[size_t(node.item)].anchors.role == Role::Picot &&
             !m.bases[size_t(n)].empty())
        place = m.bases[size_t(n)].front().place;
    if (place < 0)
        return -1;
    const int host = m.places[size_t(place)].node;
    return m.level[size_t(host)] == round ? host : -1;
}

bool isStandingRun(const Model& m, int n)
{
    const Node& node = m.nodes[size_t(n)];
    return node.kind == NodeKind::Run && m.runs[size_t(node.item)].shape == RunShape::Standing;
}

// A first round worked in groups between chains starts with a group, not
// inside one: from the stitch nearest twelve o'clock back to the first of
// the stitches standing together with it.
int firstOfItsGroup(const Model& m, const std::vector<int>& nodes, const std::vector<Key>& key, int nearest)
{
    std::vector<size_t> around(nodes.size());
    for (size_t i = 0; i < around.size(); ++i)
        around[i] = i;
    std::stable_sort(around.begin(), around.end(), [&](size_t a, size_t b) {
        return std::make_pair(key[a].primary, key[a].secondary) < std::make_pair(key[b].primary, key[b].secondary);
    });
    auto isChains = [&](size_t i) { return m.nodes[size_t(nodes[i])].kind == NodeKind::Run; };
    const size_t count = around.size();
    size_t at = size_t(std::find_if(around.begin(), around.end(), [&](size_t i) { return nodes[i] == nearest; }) - around.begin());
    if (at == count || isChains(around[at]))
        return nearest;
    for (size_t walked = 0; walked < count; ++walked) {
        const size_t before = (at + count - 1) % count;
        if (isChains(around[before]))
            return nodes[around[at]];
        at = before;
    }
    return nearest; // no chains: no groups
}

// The round's first node, as the file comment says.
int beginningOf(const Model& m, int round, const std::vector<int>& nodes, const std::vector<int>& joins,
                const std::vector<Key>& key, const RoundKeys& keys)
{
    double reference = kPi / 2; // twelve o'clock
    bool fromPrevious = false;
    if (round > 1 && !m.roundPlaces[size_t(round - 1)].empty()) {
        reference = keys.coordinate(m.places[size_t(m.roundPlaces[size_t(round - 1)].front())].at);
        fromPrevious = true;
    }
    auto distanceFromReference = [&](size_t i) {
        if (!m.inRounds)
            return key[i].primary;
        return fromPrevious ? wrapTurn(key[i].primary - reference) : std::abs(wrapHalfTurn(key[i].primary - reference));
    };
    auto firstOf = [&](auto&& take) {
        int best = -1;
        for (size_t i = 0; i < nodes.size(); ++i) {
            if (!take(nodes[i]))
                continue;
            if (best < 0 || std::make_pair(distanceFromReference(i), key[i].secondary) <
                                std::make_pair(distanceFromReference(size_t(best)), key[size_t(best)].secondary))
                best = int(i);
        }
        return best < 0 ? -1 : nodes[size_t(best)];
    };
    // The node a join sits on.
    int joined = -1;
    for (int n : joins)
        joined = m.places[size_t(m.bases[size_t(n)].front().place)].node;
    if (joined >= 0 && isStandingRun(m, joined))
        return joined;
    const int standing = firstOf([&](int n) { return isStandingRun(m, n); });
    if (standing >= 0)
        return standing;
    if (joined >= 0)
        return joined;
    if (!m.inRounds)
        return -1;
    const int nearest = firstOf([](int) { return true; });
    return fromPrevious ? nearest : firstOfItsGroup(m, nodes, key, nearest);
}

void orderRound(Model& m, int round, const std::vector<int>& ofRound)
{
    std::vector<int> nodes;
    std::vector<int> joins;
    for (int n : ofRound)
        (m.isJoin[size_t(n)] ? joins : nodes).push_back(n);
    const RoundKeys keys(m, round);
    std::vector<Key> key(nodes.size());
    for (size_t i = 0; i < nodes.size(); ++i)
        key[i] = keyOf(m, keys, nodes[i]);
    // A picot follows its stitch; a loop starts where its stitch ends.
    for (size_t i = 0; i < nodes.size(); ++i) {
        const int host = hostOf(m, nodes[i], round);
        const auto at = std::find(nodes.begin(), nodes.end(), host);
        if (host < 0 || at == nodes.end())
            continue;
        const Key& h = key[size_t(at - nodes.begin())];
        const bool picot = m.nodes[size_t(nodes[i])].kind == NodeKind::Symbol;
        const double own = key[i].primary + key[i].secondary;
        key[i] = {h.primary, picot ? h.secondary : keys.after(h.primary, own), picot ? 1 : 0};
    }
    const int first = beginningOf(m, round, nodes, joins, key, keys);
    const double start = first >= 0 ? key[size_t(std::find(nodes.begin(), nodes.end(), first) - nodes.begin())].primary : 0;
    std::vector<size_t> rank(nodes.size());
    for (size_t i = 0; i < rank.size(); ++i)
        rank[i] = i;
    auto sortKey = [&](size_t i) {
        const double lead = nodes[i] == first ? -std::numeric_limits<double>::infinity()
                            : m.inRounds    ? wrapTurn(key[i].primary - start)
                                            : key[i].primary;
        return std::make_tuple(lead, key[i].secondary, key[i].after, nodes[i]);
    };
    std::stable_sort(rank.begin(), rank.end(), [&](size_t a, size_t b) { return sortKey(a) < sortKey(b); });
    std::vector<int>& order = m.order[size_t(round)];
    for (size_t i : rank)
        order.push_back(nodes[i]);
    order.insert(order.end(), joins.begin(), joins.end());
    for (size_t i = 0; i < order.size(); ++i)
        m.orderIndex[size_t(order[i])] = int(i);
    m.beginning[size_t(round)] = first;
    // Tops in working order.
    for (size_t i = 0; i < nodes.size(); ++i) {
        const Node& node = m.nodes[size_t(nodes[i])];
        if (node.kind != NodeKind::Symbol)
            continue;
        const auto& tops = m.symbols[size_t(node.item)].anchors.tops;
        std::vector<int>& topOrder = m.topOrder[size_t(nodes[i])];
        for (size_t t = 0; t < tops.size(); ++t)
            topOrder.push_back(int(t));
        std::stable_sort(topOrder.begin(), topOrder.end(), [&](int a, int b) {
            return keys.after(key[i].primary, keys.coordinate(tops[size_t(a)].at)) <
                   keys.after(key[i].primary, keys.coordinate(tops[size_t(b)].at));
        });
    }
}

// What the beginning chain of a round counts as: the stitch most of the
// round's stitches are, when the chain stands as many chains as it.
int32_t beginningCountsAs(const Model& m, int round)
{
    const int first = m.beginning[size_t(round)];
    if (first < 0 || !isStandingRun(m, first))
        return -1;
    std::vector<std::pair<int32_t, int>> tally;
    for (int n : m.order[size_t(round)]) {
        const Node& node = m.nodes[size_t(n)];
        if (node.kind != NodeKind::Symbol || m.isJoin[size_t(n)])
            continue;
        const ElementType* type = m.symbols[size_t(node.item)].type;
        const Role role = m.symbols[size_t(node.item)].anchors.role;
        if (!type || (role != Role::Stitch && role != Role::Fan && role != Role::Decrease))
            continue;
        const int32_t leg = legTypeOf(*type);
        auto it = std::find_if(tally.begin(), tally.end(), [&](const auto& t) { return t.first == leg; });
        if (it == tally.end())
            tally.push_back({leg, 1});
        else
            ++it->second;
    }
    if (tally.empty())
        return -1;
    const auto most = std::max_element(tally.begin(), tally.end(), [](const auto& a, const auto& b) {
        return a.second < b.second || (a.second == b.second && a.first > b.first);
    });
    const int chains = int(m.runs[size_t(m.nodes[size_t(first)].item)].units.size());
    const int wanted = beginningChainsFor(most->first);
    return wanted >= 2 && chains == wanted ? most->first : -1;
}

// The places the next round counts, in working order.
void listPlaces(Model& m, int round, const std::vector<std::vector<int>>& placesOf)
{
    std::vector<int>& list = m.roundPlaces[size_t(round)];
    auto add = [&](int p) {
        m.placeOrdinal[size_t(p)] = int(list.size());
        list.push_back(p);
    };
    if (round == 0) {
        // The foundation chain's chains, in the order they were made.
        if (m.foundation >= 0)
            for (int p : placesOf[size_t(m.foundation)])
                if (m.places[size_t(p)].role == PlaceRole::Chain)
                    add(p);
        return;
    }
    for (int n : m.order[size_t(round)]) {
        const std::vector<int>& own = placesOf[size_t(n)];
        if (own.empty())
            continue;
        const Node& node = m.nodes[size_t(n)];
        if (node.kind == NodeKind::Symbol) {
            // Tops and fan spaces were made in the order of the anchors' tops.
            for (int t : m.topOrder[size_t(n)])
                for (int p : own)
                    if (m.places[size_t(p)].item == t)
                        add(p);
        } else if (isStandingRun(m, n)) {
            if (n == m.beginning[size_t(round)] && m.beginningCountsAs[size_t(round)] >= 0)
                add(own.front());
        } else if (m.places[size_t(own.front())].role == PlaceRole::RunSpace) {
            // Every chain of a space is the one space.
            add(own.front());
            for (int p : own)
                m.placeOrdinal[size_t(p)] = m.placeOrdinal[size_t(own.front())];
        }
    }
}

} // namespace

void orderRounds(Model& m)
{
    int highest = 0;
    for (int l : m.level)
        highest = std::max(highest, l);
    const size_t rounds = size_t(highest) + 1;
    m.order.assign(rounds, {});
    m.beginning.assign(rounds, -1);
    m.beginningCountsAs.assign(rounds, -1);
    m.roundPlaces.assign(rounds, {});
    m.orderIndex.assign(m.nodes.size(), -1);
    m.topOrder.assign(m.nodes.size(), {});
    m.placeOrdinal.assign(m.places.size(), -1);
    if (m.foundation < 0)
        return;
    std::vector<std::vector<int>> placesOf(m.nodes.size());
    for (size_t p = 0; p < m.places.size(); ++p)
        placesOf[size_t(m.places[p].node)].push_back(int(p));
    std::vector<std::vector<int>> nodesOf(rounds);
    for (size_t n = 0; n < m.nodes.size(); ++n)
        if (m.level[n] >= 1)
            nodesOf[size_t(m.level[n])].push_back(int(n));
    listPlaces(m, 0, placesOf);
    for (int round = 1; round <= highest; ++round) {
        orderRound(m, round, nodesOf[size_t(round)]);
        m.beginningCountsAs[size_t(round)] = beginningCountsAs(m, round);
        listPlaces(m, round, placesOf);
    }
}

} // namespace loopora::pattern::detail
