#pragma once
// Charts the pattern tests read, drawn as a designer draws them: each
// symbol placed with its tool by a drag from its base to its top, as script
// lines. A round stands on a circle about the centre; a row on the chains.

#include "support/Session.h"

#include <cmath>
#include <string>
#include <vector>

namespace loopora::test {

using Script = std::vector<std::string>;

struct At {
    double x;
    double y;
};

inline std::string dragLine(At from, At to)
{
    auto w = [](double v) { return std::to_string(int(std::lround(v))); };
    return "drag " + w(from.x) + " " + w(from.y) + " " + w(to.x) + " " + w(to.y);
}

// The chart's centre; angles counter-clockwise from three o'clock, in degrees.
constexpr At kCentre{300, 300};
inline At around(double radius, double degrees)
{
    const double a = degrees * 3.14159265358979323846 / 180;
    return {kCentre.x + radius * std::cos(a), kCentre.y - radius * std::sin(a)};
}
// Twelve o'clock first, then counter-clockwise.
inline double clockAngle(int i, int of) { return 90.0 + 360.0 * i / of; }

inline void add(Script& s, const Script& more) { s.insert(s.end(), more.begin(), more.end()); }

inline Script newChart() { return {"new 600 600 0 30"}; }

// A magic ring of radius 20.
inline Script magicRing() { return {"tool circle", dragLine(around(20, 180), around(20, 0))}; }

// One symbol standing radially from radius `from` to radius `to`.
inline Script radial(const char* tool, double from, double to, double degrees)
{
    return {std::string("tool ") + tool, dragLine(around(from, degrees), around(to, degrees))};
}

// A round of `count` symbols standing from radius `from` to `to`, the first at twelve o'clock.
inline Script radialRound(const char* tool, int count, double from, double to, int skipFirst = 0)
{
    Script s{std::string("tool ") + tool};
    for (int i = skipFirst; i < count; ++i)
        s.push_back(dragLine(around(from, clockAngle(i, count)), around(to, clockAngle(i, count))));
    return s;
}

// Chart 1: a magic ring and twelve doubles round it.
inline Script ringOfTwelveDoubles()
{
    Script s = newChart();
    add(s, magicRing());
    add(s, radialRound("double", 12, 20, 60));
    return s;
}

// Chart 2: the first double replaced by a ch-3 standing where it would
// stand, and a slip stitch on the ch-3's top.
inline Script ringWithBeginningChain()
{
    Script s = newChart();
    add(s, magicRing());
    add(s, radial("chain3", 20, 60, 90));
    add(s, radialRound("double", 12, 20, 60, 1));
    const At top = around(60, 90);
    add(s, {"tool slipstitch", dragLine({top.x - 3, top.y}, {top.x + 3, top.y})});
    return s;
}

// Chart 2 and a second round begun the same way: a ch-3 standing on the
// join, a double beside it in the same place, a 2-dc increase on each of
// the other doubles, and a slip stitch on the new ch-3's top.
inline Script secondRoundWithBeginningChain()
{
    Script s = ringWithBeginningChain();
    add(s, radial("chain3", 60, 100, 90));
    add(s, {"tool double", dragLine(around(60, 90), around(100, 105))});
    add(s, radialRound("double1to2flat", 12, 60, 100, 1));
    const At top = around(100, 90);
    add(s, {"tool slipstitch", dragLine({top.x - 3, top.y}, {top.x + 3, top.y})});
    return s;
}

// The tops of a flat 2-dc increase 40 long standing radially at an angle:
// the top bar's width either side, counter-clockwise order.
inline std::vector<At> increaseTops(double radius, double degrees)
{
    const At top = around(radius, degrees);
    const double a = degrees * 3.14159265358979323846 / 180;
    const double side = 40 * std::tan(10 * 3.14159265358979323846 / 180);
    // Counter-clockwise is to the left of a symbol standing outward.
    const At left{-std::sin(a), -std::cos(a)};
    return {{top.x - left.x * side, top.y - left.y * side}, {top.x + left.x * side, top.y + left.y * side}};
}

// Chart 3: chart 1 and a 2-dc increase on each double.
inline Script secondRoundOfIncreases()
{
    Script s = ringOfTwelveDoubles();
    add(s, radialRound("double1to2flat", 12, 60, 100));
    return s;
}

// A symbol standing 40 outward from a point.
inline std::string outward(At base)
{
    const double dx = base.x - kCentre.x, dy = base.y - kCentre.y, d = std::hypot(dx, dy);
    return dragLine(base, {base.x + 40 * dx / d, base.y + 40 * dy / d});
}

// Chart 4: chart 3 and a round alternating a 2-dc increase and a double,
// one on each stitch, the increase on each fan's first leg.
inline Script thirdRoundAlternating()
{
    Script s = secondRoundOfIncreases();
    Script increases{"tool double1to2flat"}, doubles{"tool double"};
    for (int i = 0; i < 12; ++i) {
        const std::vector<At> tops = increaseTops(100, clockAngle(i, 12));
        increases.push_back(outward(tops[0]));
        doubles.push_back(outward(tops[1]));
    }
    add(s, increases);
    add(s, doubles);
    return s;
}

// Chart 5: eleven chains left to right, ten singles on the first ten.
inline Script rowOfSingles()
{
    Script s = newChart();
    s.push_back("tool chain");
    for (int i = 0; i < 11; ++i)
        s.push_back(dragLine({100.0 + 16 * i, 400}, {116.0 + 16 * i, 400}));
    s.push_back("tool single");
    for (int i = 0; i < 10; ++i)
        s.push_back(dragLine({108.0 + 16 * i, 400}, {108.0 + 16 * i, 376}));
    return s;
}

// A ring of six chains made in one gesture and twelve doubles round it.
inline Script chainRingOfTwelveDoubles()
{
    Script s = newChart();
    add(s, {"answer ok count=6 loopsize=2", "command 33029", dragLine(around(20, 180), around(20, 0))});
    add(s, radialRound("double", 12, 20, 60));
    return s;
}

// Chart 1 and a round on it of `tool` on every `every`-th double, each
// joined to the next by a `chain` loop from top to top.
inline Script roundWithLoops(const char* tool, int every, const char* chain)
{
    Script s = ringOfTwelveDoubles();
    const int count = 12 / every;
    Script loops{std::string("tool ") + chain};
    s.push_back(std::string("tool ") + tool);
    for (int i = 0; i < count; ++i) {
        const double a = clockAngle(i * every, 12);
        s.push_back(dragLine(around(60, a), around(100, a)));
        loops.push_back(dragLine(around(100, a), around(100, clockAngle((i + 1) * every, 12))));
    }
    add(s, loops);
    return s;
}
inline Script chainSpaces() { return roundWithLoops("double", 1, "chain2"); }
inline Script skipsUnderChains() { return roundWithLoops("double", 2, "chain2"); }

// Chain spaces and a 3-dc shell under each loop.
inline Script shellsInSpaces()
{
    Script s = chainSpaces();
    s.push_back("tool double1to3");
    for (int i = 0; i < 12; ++i) {
        const At a = around(100, clockAngle(i, 12)), b = around(100, clockAngle(i + 1, 12));
        s.push_back(outward({(a.x + b.x) / 2, (a.y + b.y) / 2}));
    }
    return s;
}

// Chart 1 and a round of `tool` on each double, standing outward.
inline Script roundOf(const char* tool)
{
    Script s = ringOfTwelveDoubles();
    add(s, radialRound(tool, 12, 60, 100));
    return s;
}
inline Script vStitches() { return roundOf("double1to2chain1"); }

// Chart 1 and a 2-sc decrease over each two doubles: legs a stem apart,
// their feet 0.134 of a stem above its base.
inline Script decreases()
{
    Script s = ringOfTwelveDoubles();
    s.push_back("tool single2to1");
    for (int i = 0; i < 12; i += 2) {
        const At a = around(60, clockAngle(i, 12)), b = around(60, clockAngle(i + 1, 12));
        const At mid{(a.x + b.x) / 2, (a.y + b.y) / 2};
        const double legs = std::hypot(b.x - a.x, b.y - a.y);
        const double dx = mid.x - kCentre.x, dy = mid.y - kCentre.y, d = std::hypot(dx, dy);
        const At base{mid.x - 0.134 * legs * dx / d, mid.y - 0.134 * legs * dy / d};
        s.push_back(dragLine(base, {base.x + legs * dx / d, base.y + legs * dy / d}));
    }
    return s;
}

// Chart 5 and a second row: a turning chain on the last single, then a
// single on each.
inline Script secondRowOfSingles()
{
    Script s = rowOfSingles();
    add(s, {"tool chain", dragLine({108, 376}, {96, 364}), "tool single"});
    for (int i = 0; i < 10; ++i)
        s.push_back(dragLine({108.0 + 16 * i, 376}, {108.0 + 16 * i, 352}));
    return s;
}

// Runs a script in a fresh session.
inline void build(Session& session, const Script& script)
{
    for (const std::string& line : script)
        session.run({line});
}

} // namespace loopora::test
