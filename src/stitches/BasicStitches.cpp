#include "stitches/BasicStitches.h"

#include "elements/PointMath.h"
#include "platform/Numeric.h"
#include "stitches/SymbolBuilder.h"

namespace loopora {
namespace {

// The cross bar is half the stem long.
constexpr double kCrossFactor = 0.25;

} // namespace

bool CSingleStitch::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    if (!parts.line(p0, p1))
        return false;
    Point m = weighted(p0, 1, p1, 1, 2);
    Point g{truncToInt(m.x + kCrossFactor * (double(p1.x) - p0.x)), truncToInt(m.y + kCrossFactor * (double(p1.y) - p0.y))};
    if (!parts.line(rotatePointAbout(m, g, 90), rotatePointAbout(m, g, 270)))
        return false;
    parts.finish(*this);
    return true;
}

std::unique_ptr<CChartElement> CSingleStitch::clone() const { return cloneAs<CSingleStitch>(); }

bool CHalfDoubleStitch::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    if (!parts.line(p0, p1) || !parts.topBar(p0, p1))
        return false;
    parts.finish(*this);
    return true;
}

std::unique_ptr<CChartElement> CHalfDoubleStitch::clone() const { return cloneAs<CHalfDoubleStitch>(); }

bool CTallStitch::buildTall(const ElementState& state, bool topBarFirst)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    bool ok = topBarFirst ? parts.topBar(p0, p1) && parts.line(p0, p1) : parts.line(p0, p1) && parts.topBar(p0, p1);
    std::vector<Point> slashes;
    for (int i = 0; i < legStyle().slashCount; ++i)
        appendSlash(slashes, p0, p1, legStyle().slashes[size_t(i)], legStyle().slashAngle, false, false);
    ok = ok && parts.lines(slashes);
    if (!ok)
        return false;
    parts.finish(*this);
    return true;
}

bool CDoubleStitch::assignState(const ElementState& state)
{
    auto [p0, p1] = symbolFrame(state);
    SymbolBuilder parts(state);
    bool ok = parts.topBar(p0, p1);
    ok = addLegsFromTop(parts, p0, p1, false, 0) && ok;
    if (!ok)
        return false;
    parts.finish(*this);
    return true;
}

std::unique_ptr<CChartElement> CDoubleStitch::clone() const { return cloneAs<CDoubleStitch>(); }
std::unique_ptr<CChartElement> CTrebleStitch::clone() const { return cloneAs<CTrebleStitch>(); }
std::unique_ptr<CChartElement> CDoubleTrebleStitch::clone() const { return cloneAs<CDoubleTrebleStitch>(); }
std::unique_ptr<CChartElement> CTrebleTrebleStitch::clone() const { return cloneAs<CTrebleTrebleStitch>(); }

} // namespace loopora
