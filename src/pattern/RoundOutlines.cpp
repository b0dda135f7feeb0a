#include "pattern/RoundOutlines.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace loopora::pattern {
namespace {

constexpr int kFewestCorners = 3;
constexpr int kMostCorners = 8;
constexpr int kLeastCornerLoad = 3; // two in one place is an increase, not a corner
// How far a corner place may lie from the middle of its group, in units:
// the middle stitch of three, or the middle of the chains between halves.
constexpr double kSlack = 0.5;
constexpr double kTwoPi = 2 * kPi;

struct Units {
    std::vector<double> start; // each symbol's first unit along the round
    double total = 0;
};

Units unitsAlong(const PlannedRound& round)
{
    Units u;
    for (const PlannedSymbol& s : round.symbols) {
        u.start.push_back(u.total);
        u.total += unitsOf(s);
    }
    return u;
}

bool makesStitches(const PlannedSymbol& s)
{
    return (s.kind == PlannedKind::Stitch || (s.kind == PlannedKind::Beginning && s.counted)) && !s.between;
}

// Where a place falls along its round: the middle of its top or of its chains.
double unitOfPlace(const PlannedRound& round, const Units& u, const Place& p)
{
    const size_t i = size_t(p.index);
    if (p.kind == PlaceKind::Space)
        return u.start[i] + round.symbols[i].chains / 2.0;
    return u.start[i] + p.top + 0.5;
}

// The places of the round below that the round works the most stitches
// into, when that is at least three.
std::vector<int> cornerPlaces(const PlannedRound& round, size_t placesBelow)
{
    std::vector<int> load(placesBelow, 0);
    for (const PlannedSymbol& s : round.symbols) {
        if (!makesStitches(s))
            continue;
        for (int p : s.into)
            if (p >= 0 && size_t(p) < placesBelow)
                load[size_t(p)] += s.into.size() == 1 ? unitsOf(s) : 1;
    }
    const int most = load.empty() ? 0 : *std::max_element(load.begin(), load.end());
    std::vector<int> corners;
    for (size_t p = 0; p < load.size() && most >= kLeastCornerLoad; ++p)
        if (load[p] == most)
            corners.push_back(int(p));
    return corners;
}

// The middle of what the round works into one place below. A group may run
// on past the round's end into its start, so the middle is taken round the
// round rather than along it.
std::optional<double> middleOfGroup(const PlannedRound& round, const Units& u, int place)
{
    double x = 0, y = 0;
    bool any = false;
    for (size_t i = 0; i < round.symbols.size(); ++i) {
        const PlannedSymbol& s = round.symbols[i];
        if (!makesStitches(s) || s.into != std::vector<int>{place})
            continue;
        for (int k = 0; k < unitsOf(s); ++k) {
            const double a = kTwoPi * (u.start[i] + k + 0.5) / u.total;
            x += std::cos(a), y += std::sin(a);
            any = true;
        }
    }
    if (!any || std::hypot(x, y) < 1e-9)
        return std::nullopt;
    double middle = std::atan2(y, x) / kTwoPi * u.total;
    return middle < 0 ? middle + u.total : middle;
}

double wrapUnits(double d, double total)
{
    d = std::fmod(d, total);
    return d < 0 ? d + total : d;
}

// The corners follow one another in working order, as many units apart.
bool evenlySpread(const std::vector<double>& at, double total)
{
    const double side = total / double(at.size());
    for (size_t k = 0; k < at.size(); ++k)
        if (std::abs(wrapUnits(at[(k + 1) % at.size()] - at[k], total) - side) > 1e-6)
            return false;
    return true;
}

} // namespace

int unitsOf(const PlannedSymbol& s)
{
    switch (s.kind) {
    case PlannedKind::Stitch: return std::max(1, stitchesMadeBy(s.typeId));
    case PlannedKind::Beginning: return 1;
    case PlannedKind::Chains: return s.chains;
    default: return 0;
    }
}

RoundOutline outlineOf(const WrittenPattern& pattern)
{
    const std::vector<PlannedRound>& rounds = pattern.rounds;
    if (pattern.foundation.kind == FoundationKind::Chain || rounds.size() < 2)
        return {};
    std::vector<Units> units;
    for (const PlannedRound& r : rounds)
        units.push_back(unitsAlong(r));
    if (units.front().total <= 0)
        return {};
    // The first round's corners are the places the second works into most.
    std::vector<int> below = cornerPlaces(rounds[1], rounds[0].places.size());
    const size_t n = below.size();
    if (n < size_t(kFewestCorners) || n > size_t(kMostCorners))
        return {};
    std::vector<double> at;
    for (int q : below)
        at.push_back(unitOfPlace(rounds[0], units[0], rounds[0].places[size_t(q)]));
    if (!evenlySpread(at, units[0].total))
        return {};
    RoundOutline out{int(n), {at.front()}};
    for (size_t r = 1; r < rounds.size(); ++r) {
        // Each corner of this round: the middle of its group over the corner below.
        at.clear();
        for (int q : below) {
            const std::optional<double> middle = middleOfGroup(rounds[r], units[r], q);
            if (!middle)
                return {};
            at.push_back(*middle);
        }
        if (!evenlySpread(at, units[r].total))
            return {};
        out.firstCorner.push_back(at.front());
        if (r + 1 == rounds.size())
            break;
        // The next round's corners must be places in those middles.
        const std::vector<int> above = cornerPlaces(rounds[r + 1], rounds[r].places.size());
        if (above.size() != n)
            return {};
        std::vector<int> ordered(n, -1);
        for (int q : above) {
            const double u = unitOfPlace(rounds[r], units[r], rounds[r].places[size_t(q)]);
            size_t k = 0;
            while (k < n && std::min(wrapUnits(u - at[k], units[r].total), wrapUnits(at[k] - u, units[r].total)) > kSlack)
                ++k;
            if (k == n || ordered[k] >= 0)
                return {};
            ordered[k] = q;
        }
        below = std::move(ordered);
    }
    return out;
}

} // namespace loopora::pattern
