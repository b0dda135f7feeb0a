// The layout runs twice: once in stitch widths to measure the chart, then
// in pixels at the scale that fits the sheet. The second run stands every
// round on the tops of the round below as they land after rounding to
// pixels, read from the symbols' own anchors, so that what a base is worked
// into is exactly where a reading of the chart will look for it.
//
// Rounds and rows differ only in their coordinate along the work: an angle
// about the ring counter-clockwise, or a distance along the row, right to
// left on odd rows (the foundation chain is made left to right) and left to
// right on even ones. A round's shares are spaced evenly along it and slid
// as a whole to where its stitches' bases lie, so a round of one stitch in
// each stitch stands straight on the round below.

#include "pattern/ChartLayout.h"

#include "elements/TypeIds.h"
#include "pattern/RoundOutlines.h"
#include "pattern/SymbolFrames.h"

#include <algorithm>
#include <cmath>

namespace loopora::pattern {
namespace {

constexpr double kRingRadius = 1.0; // a magic ring's, in stitch widths
constexpr double kSlipLength = 0.5;  // a join's slip stitch
constexpr double kMargin = 0.75;     // round the chart, in stitch widths
constexpr double kTuck = 0.8;        // a beginning chain's top kept clear of chains closing over it
// Pixels kept clear round the chart at any scale, where a picture of it
// puts its round numbers beside the rounds' starts.
constexpr double kNumberRoom = 20;

// A symbol of a round as laid out: its tops (the places it makes), and
// the points of a run of chains.
struct Laid {
    std::vector<Vec> tops;
    std::vector<Vec> path;
};

class Layout {
public:
    Layout(const WrittenPattern& pattern, const RoundOutline& outline, double scale, Vec origin, bool round,
           const std::vector<double>& radii)
        : p_(pattern), outline_(outline), s_(scale), o_(origin), rounding_(round), radii_(radii),
          inRounds_(pattern.foundation.kind != FoundationKind::Chain), corners_(inRounds_ ? outline.corners : 0)
    {
    }

    void run()
    {
        foundation();
        for (size_t r = 0; r < p_.rounds.size(); ++r)
            lay(p_.rounds[r], int(r) + 1);
    }

    std::vector<PlacedSymbol> symbols;
    std::vector<double> radii; // each round's, in stitch widths, as this run chose them
    Vec lowest{1e300, 1e300}, highest{-1e300, -1e300};

private:
    Vec px(Vec v) const
    {
        if (!rounding_)
            return v;
        return {std::round(v.x), std::round(v.y)};
    }
    Point point(Vec v) const { return {int32_t(std::lround(v.x)), int32_t(std::lround(v.y))}; }
    void extend(Vec v)
    {
        lowest = {std::min(lowest.x, v.x), std::min(lowest.y, v.y)};
        highest = {std::max(highest.x, v.x), std::max(highest.y, v.y)};
    }
    void place(int32_t typeId, Vec base, Vec top, int round, int chains = 0)
    {
        extend(base);
        extend(top);
        symbols.push_back({typeId, point(base), point(top), chains, round});
    }
    // Chains end to end through the points.
    void chains(const std::vector<Vec>& path, int round)
    {
        for (size_t i = 0; i + 1 < path.size(); ++i)
            place(typeids::kChain, path[i], path[i + 1], round);
    }

    // Along the work: a point of a round at an angle, or of a row at a
    // distance. On a polygon the angle is that of a point moving evenly
    // along each side, the corners at their own angles, and the level is
    // the distance of the sides from the centre.
    Vec at(double coordinate, double level) const
    {
        if (!inRounds_)
            return o_ + Vec{coordinate * s_, -level * s_};
        if (corners_ == 0)
            return onCircle(coordinate, level);
        const double t = wrapTurn(coordinate - cornerAngle(0)) / sideTurn();
        const int k = std::min(int(t), corners_ - 1);
        const Vec a = cornerAt(k, level), b = cornerAt(k + 1, level);
        return a + (b - a) * (t - k);
    }
    double coordinateOf(Vec v) const
    {
        if (!inRounds_)
            return (v.x - o_.x) / s_;
        if (corners_ == 0)
            return angleAbout(o_, v);
        // Where the ray from the centre meets the side, the same share of
        // the side at every level.
        const int k = sideOf(v);
        const Vec a = cornerAt(k, 1), b = cornerAt(k + 1, 1);
        const Vec onSide = o_ + (v - o_) * (s_ / std::max(1e-9, (v - o_).dot(normalOf(k))));
        const double t = (onSide - a).dot(b - a) / std::max(1e-9, (b - a).dot(b - a));
        return cornerAngle(k) + sideTurn() * t;
    }
    // How far out a point of a round stands, in stitch widths.
    double levelOf(Vec v) const
    {
        if (corners_ == 0)
            return distance(v, o_) / s_;
        return (v - o_).dot(normalOf(sideOf(v))) / s_;
    }
    Vec onCircle(double angle, double radius) const
    {
        return o_ + Vec{std::cos(angle), -std::sin(angle)} * (radius * s_);
    }
    // A polygon's top side lies level: its first corner is the one left of twelve o'clock.
    double sideTurn() const { return 2 * kPi / corners_; }
    double cornerAngle(int k) const { return kPi / 2 + kPi / corners_ + sideTurn() * k; }
    Vec cornerAt(int k, double level) const { return onCircle(cornerAngle(k), level / std::cos(kPi / corners_)); }
    Vec normalOf(int k) const
    {
        const double a = cornerAngle(k) + kPi / corners_;
        return {std::cos(a), -std::sin(a)};
    }
    int sideOf(Vec v) const
    {
        return std::min(int(wrapTurn(angleAbout(o_, v) - cornerAngle(0)) / sideTurn()), corners_ - 1);
    }
    // A stitch worked into the ring stands on it below its top.
    Vec onRing(double coordinate) const
    {
        if (corners_ == 0)
            return at(coordinate, ringRadius_);
        return onCircle(angleAbout(o_, at(coordinate, ringRadius_)), ringRadius_);
    }

    void foundation()
    {
        const Foundation& f = p_.foundation;
        below_.clear();
        if (f.kind == FoundationKind::Chain) {
            // Along the bottom, made left to right; its chains are the places.
            std::vector<Vec> path;
            for (int i = 0; i <= f.chains; ++i)
                path.push_back(px(at(i - f.chains / 2.0, 0)));
            chains(path, 0);
            for (int i = 0; i < f.chains; ++i)
                below_.push_back(midpoint(path[size_t(i)], path[size_t(i) + 1]));
            return;
        }
        ringRadius_ = f.magicRing ? kRingRadius : std::max(kRingRadius, 0.8 * f.chains / (2 * kPi));
        const Vec left = px(onCircle(kPi, ringRadius_)), right = px(onCircle(0, ringRadius_));
        place(f.magicRing ? typeids::kCircle : typeids::kChainRing, left, right, 0, f.magicRing ? 0 : f.chains);
    }

    static double heightOf(const PlannedSymbol& s)
    {
        switch (s.kind) {
        case PlannedKind::Stitch: return stitchHeight(s.typeId);
        case PlannedKind::Beginning: return beginningHeight(s.chains);
        case PlannedKind::Chains: return 1;
        default: return 0;
        }
    }

    // Where a symbol's bases go: the places of the round below, or the ring.
    std::vector<Vec> basesOf(const PlannedSymbol& s) const
    {
        std::vector<Vec> bases;
        for (int place : s.into)
            if (place >= 0 && size_t(place) < below_.size())
                bases.push_back(below_[size_t(place)]);
        if (s.between && bases.size() == 2)
            bases = {midpoint(bases[0], bases[1])};
        return bases;
    }

    void lay(const PlannedRound& round, int number)
    {
        const std::vector<PlannedSymbol>& sy = round.symbols;
        std::vector<double> unit(sy.size(), 0);
        double units = 0, height = 0.5;
        for (size_t i = 0; i < sy.size(); ++i) {
            const int u = unitsOf(sy[i]);
            unit[i] = units + u / 2.0;
            units += u;
            height = std::max(height, heightOf(sy[i]));
        }
        units = std::max(units, 1.0);
        const double level = roundLevel(number, units, height);
        const double step = inRounds_ ? 2 * kPi / units : (number % 2 ? -1.0 : 1.0);
        const double start = startOf(round, number, unit, step);
        auto share = [&](size_t i) { return start + step * unit[i]; };

        // Chains that close the round pass over its beginning chain.
        const bool closedOver = inRounds_ && !sy.empty() && sy.front().kind == PlannedKind::Beginning &&
                                std::find_if(sy.rbegin(), sy.rend(), [](const PlannedSymbol& s) {
                                    return unitsOf(s) > 0;
                                })->kind == PlannedKind::Chains;
        std::vector<Laid> laid(sy.size());
        // Stitches and beginning chains first: the chains between them run top to top.
        for (size_t i = 0; i < sy.size(); ++i) {
            const PlannedSymbol& s = sy[i];
            if (s.kind != PlannedKind::Stitch && s.kind != PlannedKind::Beginning)
                continue;
            const bool tucked = s.kind == PlannedKind::Beginning && closedOver;
            const Vec top = px(at(share(i), tucked ? level - kTuck : level));
            std::vector<Vec> bases = basesOf(s);
            if (bases.empty())
                bases = {px(s.inRing ? onRing(share(i)) : at(share(i), level - heightOf(s)))};
            if (s.kind == PlannedKind::Beginning) {
                std::vector<Vec> path;
                for (int c = 0; c <= s.chains; ++c)
                    path.push_back(px(bases.front() + (top - bases.front()) * (double(c) / s.chains)));
                chains(path, number);
                laid[i].tops = {path.back()};
                continue;
            }
            Frame frame{point(bases.front()), point(top)};
            if (s.into.size() > 1 && !s.between) {
                const Vec onward = at(share(i) + step * 0.01, level) - at(share(i), level);
                frame = frameOnto(s.typeId, bases, onward);
            }
            place(s.typeId, Vec::of(frame.base), Vec::of(frame.top), number);
            laid[i].tops = topsOn(s.typeId, frame);
        }
        auto topAfter = [&](size_t i) -> const Vec* {
            for (size_t j = i + 1; j < sy.size(); ++j)
                if (!laid[j].tops.empty())
                    return &laid[j].tops.front();
            return nullptr;
        };
        auto topBefore = [&](size_t i) -> const Vec* {
            for (size_t j = i; j-- > 0;)
                if (!laid[j].tops.empty())
                    return &laid[j].tops.back();
            return nullptr;
        };
        const bool closes = inRounds_ || std::any_of(sy.begin(), sy.end(), [](const PlannedSymbol& s) {
                                return s.kind == PlannedKind::Join;
                            });
        for (size_t i = 0; i < sy.size(); ++i) {
            const PlannedSymbol& s = sy[i];
            if (s.kind == PlannedKind::Chains) {
                const Vec* from = topBefore(i);
                const Vec* to = topAfter(i);
                // Chains closing a round go to its first stitch: ending on the
                // beginning chain they would read as more of it.
                for (size_t j = 0; j < sy.size() && !to && closes; ++j)
                    if (sy[j].kind == PlannedKind::Stitch && !laid[j].tops.empty())
                        to = &laid[j].tops.front();
                const Vec a = from ? *from : px(at(share(i) - step * s.chains / 2.0, level));
                const Vec b = to ? *to : px(at(share(i) + step * s.chains / 2.0, level));
                laid[i].path = chainPath(a, b, s.chains);
                chains(laid[i].path, number);
            } else if (s.kind == PlannedKind::Join || s.kind == PlannedKind::Picot) {
                if (s.host < 0 || laid[size_t(s.host)].tops.empty())
                    continue;
                const Vec host = laid[size_t(s.host)].tops.front();
                if (s.kind == PlannedKind::Join) {
                    // A slip stitch lies along the round, its middle on the top it joins.
                    const double c = coordinateOf(host);
                    const Vec along = at(c + step * 0.01, level) - at(c, level);
                    const Vec half = along * (kSlipLength * s_ / 2 / std::max(1e-9, along.length()));
                    place(s.typeId, px(host - half), px(host + half), number);
                } else {
                    // A picot stands outwards on its stitch.
                    const Vec out = inRounds_ ? (host - o_) * (s_ / std::max(1e-9, distance(host, o_))) : Vec{0, -s_};
                    place(s.typeId, host, px(host + out), number);
                }
            }
        }
        // The places the next round counts.
        below_.clear();
        for (const Place& p : round.places) {
            const Laid& l = laid[size_t(p.index)];
            if (p.kind == PlaceKind::Space) {
                below_.push_back(middleOf(l.path));
            } else {
                below_.push_back(size_t(p.top) < l.tops.size() ? l.tops[size_t(p.top)] : Vec{});
            }
        }
    }

    // Where a chain space is worked under: its middle chain's centre, or
    // the joint between its two middle chains.
    static Vec middleOf(const std::vector<Vec>& path)
    {
        const size_t chains = path.size() - 1;
        const size_t half = chains / 2;
        return chains % 2 ? midpoint(path[half], path[half + 1]) : path[half];
    }

    std::vector<Vec> chainPath(Vec a, Vec b, int count) const
    {
        std::vector<Vec> path{a};
        if (inRounds_) {
            // Along the round, from one angle to the next in working order.
            const double from = coordinateOf(a), ra = levelOf(a), rb = levelOf(b);
            double sweep = wrapTurn(coordinateOf(b) - from);
            if (a == b)
                sweep = 2 * kPi;
            for (int c = 1; c < count; ++c) {
                const double t = double(c) / count;
                path.push_back(px(at(from + sweep * t, ra + (rb - ra) * t)));
            }
        } else {
            for (int c = 1; c < count; ++c)
                path.push_back(px(a + (b - a) * (double(c) / count)));
        }
        path.push_back(b);
        return path;
    }

    // How far out the round's tops stand: its stitches' height beyond the
    // round below, and far enough for its shares to be a stitch wide.
    double roundLevel(int number, double units, double height)
    {
        const size_t r = size_t(number - 1);
        if (r < radii_.size())
            return radii_[r];
        const double below = r == 0 ? (inRounds_ ? ringRadius_ : 0) : radii[r - 1];
        double level = below + height;
        if (inRounds_ && corners_ == 0)
            level = std::max(level, units / (2 * kPi));
        else if (inRounds_)
            level = std::max(level, units / corners_ / (2 * std::tan(kPi / corners_)));
        radii.push_back(level);
        return level;
    }

    // The coordinate of the round's first unit: on a polygon, where its
    // corners fall on the corners; the first share at twelve o'clock round
    // the ring; else the shares slid onto their stitches' bases.
    double startOf(const PlannedRound& round, int number, const std::vector<double>& unit, double step) const
    {
        if (corners_ > 0)
            return cornerAngle(0) - step * outline_.firstCorner[size_t(number - 1)];
        const std::vector<PlannedSymbol>& sy = round.symbols;
        double x = 0, y = 0, sum = 0;
        int n = 0;
        for (size_t i = 0; i < sy.size(); ++i) {
            const PlannedSymbol& s = sy[i];
            if ((s.kind != PlannedKind::Stitch && !(s.kind == PlannedKind::Beginning && s.counted)) || s.inRing)
                continue;
            const std::vector<Vec> bases = basesOf(s);
            if (bases.empty())
                continue;
            Vec mean{};
            for (Vec b : bases)
                mean = mean + b;
            mean = mean * (1.0 / double(bases.size()));
            const double d = coordinateOf(mean) - step * unit[i];
            x += std::cos(d), y += std::sin(d), sum += d;
            ++n;
        }
        if (n == 0) {
            double first = 0;
            for (size_t i = 0; i < sy.size(); ++i)
                if (unitsOf(sy[i]) > 0) {
                    first = unit[i];
                    break;
                }
            return inRounds_ ? kPi / 2 - step * first : -step * first;
        }
        return inRounds_ ? std::atan2(y, x) : sum / n;
    }

    const WrittenPattern& p_;
    const RoundOutline& outline_;
    double s_;
    Vec o_;
    bool rounding_;
    const std::vector<double>& radii_;
    bool inRounds_;
    int corners_; // 0: rounds on circles
    double ringRadius_ = kRingRadius;
    std::vector<Vec> below_;
};

} // namespace

ChartLayout layOut(const WrittenPattern& pattern, const PhraseBook& book, std::optional<int32_t> sheet)
{
    ChartLayout out;
    const bool inRounds = pattern.foundation.kind != FoundationKind::Chain;
    // Measured in stitch widths about the origin.
    const std::vector<double> none;
    const RoundOutline outline = outlineOf(pattern);
    Layout measure(pattern, outline, 1, {}, false, none);
    measure.run();
    double reach = 0, width = 0, height = 0;
    if (inRounds) {
        for (Vec v : {measure.lowest, measure.highest})
            reach = std::max({reach, std::abs(v.x), std::abs(v.y)});
        width = height = 2 * (reach + kMargin);
    } else {
        width = 2 * (std::max(std::abs(measure.lowest.x), std::abs(measure.highest.x)) + kMargin);
        height = (measure.highest.y - measure.lowest.y) + 2 * kMargin;
    }
    const double extent = std::max(width, height);
    auto sideAt = [&](double scale) { return int32_t(std::ceil((extent * scale + 2 * kNumberRoom) / 10) * 10); };
    int32_t side = 0;
    if (sheet) {
        side = *sheet;
        if (sideAt(kLeastScale) > side) {
            out.error = fill(book, book.sheetTooSmall, {{"need", std::to_string(sideAt(kLeastScale))}, {"sheet", std::to_string(side)}});
            return out;
        }
    } else {
        side = std::clamp(sideAt(kComfortableScale), kSmallestSheet, kLargestSheet);
        if (sideAt(kLeastScale) > kLargestSheet) {
            out.error = fill(book, book.noSheetLargeEnough,
                             {{"need", std::to_string(sideAt(kLeastScale))}, {"most", std::to_string(kLargestSheet)}});
            return out;
        }
    }
    const double scale = std::min(kComfortableScale, (side - 2 * kNumberRoom) / extent);
    // Rounds about the sheet's centre; rows up from its bottom.
    const Vec origin = inRounds ? Vec{side / 2.0, side / 2.0}
                                : Vec{std::round(side / 2.0), std::round(side / 2.0 + (height / 2 - kMargin) * scale)};
    Layout layout(pattern, outline, scale, origin, true, measure.radii);
    layout.run();
    out.width = out.height = side;
    out.symbols = std::move(layout.symbols);
    return out;
}

} // namespace loopora::pattern
