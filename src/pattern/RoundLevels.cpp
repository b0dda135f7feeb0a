// Which round each stitch belongs to. The foundation is the ring or the
// loose chain most bases are worked into; a stitch belongs to the round
// after the highest round it is worked into; a chain space belongs to the
// round it connects, a picot to the stitch it sits on. A slip stitch on the
// beginning of its round (on the beginning chain, or the round's only slip
// stitch when it has none) is the round's join. Work goes in rounds when
// the first round goes all the way round the foundation's centre.

#include "pattern/ReadingModel.h"

#include <algorithm>
#include <deque>

namespace loopora::pattern::detail {
namespace {

bool isFoundationCandidate(const Model& m, int n)
{
    const Node& node = m.nodes[size_t(n)];
    if (node.kind == NodeKind::Symbol)
        return m.symbols[size_t(node.item)].anchors.role == Role::Ring;
    const RunShape shape = m.runs[size_t(node.item)].shape;
    return shape == RunShape::Free || shape == RunShape::Ring;
}

bool isRing(const Model& m, int n)
{
    const Node& node = m.nodes[size_t(n)];
    return node.kind == NodeKind::Symbol || m.runs[size_t(node.item)].shape == RunShape::Ring;
}

int chainCount(const Model& m, int n)
{
    const Node& node = m.nodes[size_t(n)];
    return node.kind == NodeKind::Run ? int(m.runs[size_t(node.item)].units.size()) : 0;
}

void chooseFoundation(Model& m, std::vector<int>& worked)
{
    worked.assign(m.nodes.size(), 0);
    for (const auto& bases : m.bases)
        for (const Attachment& a : bases)
            if (a.place >= 0)
                ++worked[size_t(m.places[size_t(a.place)].node)];
    int best = -1;
    for (int n = 0; n < int(m.nodes.size()); ++n) {
        if (!isFoundationCandidate(m, n))
            continue;
        auto rank = [&](int k) { return std::make_tuple(worked[size_t(k)], isRing(m, k), chainCount(m, k)); };
        if (best < 0 || rank(n) > rank(best))
            best = n;
    }
    m.foundation = best;
}

// The rounds a node is worked from: (node, step) pairs, step 1 for a stitch
// on a stitch, 0 for what belongs to the round of the stitch it sits on.
std::vector<std::pair<int, int>> workedFrom(const Model& m, int n)
{
    std::vector<std::pair<int, int>> from;
    const Node& node = m.nodes[size_t(n)];
    int step = 1;
    if (node.kind == NodeKind::Symbol && m.symbols[size_t(node.item)].anchors.role == Role::Picot)
        step = 0;
    if (node.kind == NodeKind::Run && m.runs[size_t(node.item)].shape == RunShape::Loop) {
        for (int place : {m.loopEnds[size_t(n)].first, m.loopEnds[size_t(n)].second})
            if (place >= 0)
                from.push_back({m.places[size_t(place)].node, 0});
        return from;
    }
    for (const Attachment& a : m.bases[size_t(n)]) {
        if (a.place >= 0)
            from.push_back({m.places[size_t(a.place)].node, step});
        if (a.second >= 0)
            from.push_back({m.places[size_t(a.second)].node, step});
    }
    return from;
}

void computeLevels(Model& m, const std::vector<int>& worked)
{
    const size_t count = m.nodes.size();
    m.level.assign(count, -1);
    std::vector<std::vector<std::pair<int, int>>> dependents(count);
    std::vector<int> waiting(count, 0);
    std::deque<int> ready;
    for (int n = 0; n < int(count); ++n) {
        // Every ring and loose chain that something is worked into is round
        // 0; the chosen foundation is, even when nothing is yet.
        if (isFoundationCandidate(m, n)) {
            if (n == m.foundation || worked[size_t(n)] > 0)
                m.level[size_t(n)] = 0;
            ready.push_back(n);
            continue;
        }
        for (auto [from, step] : workedFrom(m, n)) {
            dependents[size_t(from)].push_back({n, step});
            ++waiting[size_t(n)];
        }
        if (waiting[size_t(n)] == 0)
            ready.push_back(n);
    }
    while (!ready.empty()) {
        const int n = ready.front();
        ready.pop_front();
        for (auto [next, step] : dependents[size_t(n)]) {
            if (m.level[size_t(n)] >= 0)
                m.level[size_t(next)] = std::max(m.level[size_t(next)], m.level[size_t(n)] + step);
            if (--waiting[size_t(next)] == 0)
                ready.push_back(next);
        }
    }
}

double largestGap(std::vector<double> angles)
{
    if (angles.size() < 2)
        return 2 * kPi;
    std::sort(angles.begin(), angles.end());
    double gap = angles.front() + 2 * kPi - angles.back();
    for (size_t i = 1; i < angles.size(); ++i)
        gap = std::max(gap, angles[i] - angles[i - 1]);
    return gap;
}

Vec foundationCentre(const Model& m)
{
    for (const PlaceRef& p : m.places)
        if (p.node == m.foundation && p.role == PlaceRole::Ring)
            return p.at;
    Vec sum{};
    int n = 0;
    for (const PlaceRef& p : m.places)
        if (p.node == m.foundation) {
            sum = sum + p.at;
            ++n;
        }
    return n ? sum * (1.0 / n) : Vec{};
}

void decideRoundsOrRows(Model& m)
{
    m.centre = foundationCentre(m);
    const Node& f = m.nodes[size_t(m.foundation)];
    if (f.kind == NodeKind::Run && m.runs[size_t(f.item)].shape == RunShape::Free) {
        Vec made{};
        for (int u : m.runs[size_t(f.item)].units)
            made = made + (m.chains[size_t(u)].to - m.chains[size_t(u)].from);
        const double length = made.length();
        m.madeDirection = length > 0 ? made * (1.0 / length) : Vec{1, 0};
    }
    std::vector<double> angles;
    for (size_t n = 0; n < m.nodes.size(); ++n)
        if (m.level[n] == 1)
            for (const Attachment& a : m.bases[n])
                angles.push_back(angleAbout(m.centre, a.base));
    if (angles.empty()) {
        m.inRounds = isRing(m, m.foundation);
        return;
    }
    const double gap = largestGap(angles);
    m.inRounds = gap <= closingGap(angles.size());
    if (!m.inRounds) {
        std::sort(angles.begin(), angles.end());
        double widest = angles.front() + 2 * kPi - angles.back(), middle = angles.back() + widest / 2;
        for (size_t i = 1; i < angles.size(); ++i)
            if (angles[i] - angles[i - 1] > widest) {
                widest = angles[i] - angles[i - 1];
                middle = angles[i - 1] + widest / 2;
            }
        m.gapMiddle = wrapTurn(middle);
    }
}

void findJoins(Model& m)
{
    m.isJoin.assign(m.nodes.size(), false);
    if (!m.inRounds)
        return;
    int highest = 0;
    for (int l : m.level)
        highest = std::max(highest, l);
    for (int round = 1; round <= highest; ++round) {
        // Slip stitches on a top of the round, and its beginning chains.
        std::vector<int> onTop;
        std::vector<int> beginnings;
        for (size_t n = 0; n < m.nodes.size(); ++n) {
            const Node& node = m.nodes[n];
            if (m.level[n] == round && node.kind == NodeKind::Run &&
                m.runs[size_t(node.item)].shape == RunShape::Standing)
                beginnings.push_back(int(n));
            if (m.level[n] != round + 1 || node.kind != NodeKind::Symbol ||
                m.symbols[size_t(node.item)].anchors.role != Role::SlipStitch || m.bases[n].size() != 1)
                continue;
            const Attachment& a = m.bases[n].front();
            if (a.place >= 0 && a.second < 0 && m.places[size_t(a.place)].role == PlaceRole::Top &&
                m.level[size_t(m.places[size_t(a.place)].node)] == round)
                onTop.push_back(int(n));
        }
        int join = -1;
        if (!beginnings.empty()) {
            double nearest = 0;
            for (int n : onTop) {
                const Attachment& a = m.bases[size_t(n)].front();
                const int on = m.places[size_t(a.place)].node;
                const double d = distance(a.base, m.places[size_t(a.place)].at);
                if (std::find(beginnings.begin(), beginnings.end(), on) != beginnings.end() && (join < 0 || d < nearest)) {
                    join = n;
                    nearest = d;
                }
            }
        } else if (onTop.size() == 1) {
            join = onTop.front();
        }
        if (join >= 0) {
            m.level[size_t(join)] = round;
            m.isJoin[size_t(join)] = true;
        }
    }
}

} // namespace

double closingGap(size_t stitches) { return std::max(100.0 * kPi / 180, 1.5 * 2 * kPi / double(stitches)); }

void assignRounds(Model& m)
{
    std::vector<int> worked;
    chooseFoundation(m, worked);
    if (m.foundation < 0) {
        m.level.assign(m.nodes.size(), -1);
        m.isJoin.assign(m.nodes.size(), false);
        return;
    }
    computeLevels(m, worked);
    decideRoundsOrRows(m);
    findJoins(m);
}

} // namespace loopora::pattern::detail
