#include "pattern/SymbolAnchors.h"

#include "elements/PrototypeTable.h"
#include "pattern/StitchMakeup.h"

#include <array>
#include <memory>
#include <optional>

namespace loopora::pattern {
namespace {

// A type's symbol built upright: its stroke points in tree order and its
// anchors, both in the reference frame.
struct Reference {
    SymbolAnchors anchors;
    std::vector<Vec> strokes;
};

// The stroke points of a symbol: the points of every element below it that
// is a stroke (has no children). Sub-symbols' own points are their frame
// corners, which do not turn with them, so only strokes count.
template <typename Visit>
void forEachStrokePoint(const CChartElement& e, Visit&& visit)
{
    if (e.childCount() == 0) {
        for (Point p : e.points())
            visit(Vec::of(p));
        return;
    }
    for (const auto& child : e.children())
        forEachStrokePoint(*child, visit);
}

// The stem of a leg: the first line of its strokes, from its base to its top.
std::pair<Vec, Vec> stemOf(const CChartElement& symbol, size_t child)
{
    if (child >= symbol.childCount() || symbol.child(child)->points().size() < 2)
        return {};
    const auto& p = symbol.child(child)->points();
    return {Vec::of(p[0]), Vec::of(p[1])};
}

Vec centreOf(const CChartElement& e)
{
    const auto& p = e.points();
    return p.size() < 2 ? Vec{} : midpoint(Vec::of(p[0]), Vec::of(p[1]));
}

int chainsOfCrossing(FanChains chains)
{
    switch (chains) {
    case FanChains::CrossingChain2: return 2;
    case FanChains::CrossingChain3: return 3;
    case FanChains::None: return 0;
    default: return 1;
    }
}

// A fan's legs in build order: the crossing chain comes first when it has
// one, then each leg as its stem, slashes and top bar, then the chains
// bridging neighbouring tops. Tops and spaces are listed left to right.
void readFan(const CChartElement& built, const FanBuild& fan, SymbolAnchors& a)
{
    const FanRecipe& recipe = *fan.recipe;
    const bool crossing = recipe.chains == FanChains::CrossingOval || recipe.chains == FanChains::CrossingChain2 ||
                          recipe.chains == FanChains::CrossingChain3;
    // A leg is its stem, its slashes and, when its stitch has one, its bar.
    const size_t stride = size_t(1 + fan.legs->slashCount + (fan.legs->topBarK != 0 ? 1 : 0));
    const size_t first = crossing ? 1 : 0;
    Vec base{};
    for (int i = 0; i < recipe.legCount; ++i) {
        auto [foot, top] = stemOf(built, first + size_t(i) * stride);
        base = base + foot;
        a.tops.push_back({top, 0});
    }
    a.bases.push_back(base * (1.0 / recipe.legCount));
    if (crossing && built.childCount() > 0)
        a.tops.push_back({centreOf(*built.child(0)), chainsOfCrossing(recipe.chains)});
    if (recipe.chains == FanChains::Bridging)
        for (size_t c = first + size_t(recipe.legCount) * stride; c < built.childCount(); ++c)
            a.tops.push_back({centreOf(*built.child(c)), 1});
    std::stable_sort(a.tops.begin(), a.tops.end(), [](const TopAnchor& l, const TopAnchor& r) { return l.at.x < r.at.x; });
}

void readDecrease(const CChartElement& built, const DecreaseRecipe& recipe, SymbolAnchors& a)
{
    // A leg hanging from the shared top is its stem and its slashes.
    const size_t stride = size_t(1 + recipe.legStyle->slashCount);
    const size_t first = recipe.topBarFirst ? 1 : 0;
    for (int i = 0; i < recipe.legCount; ++i)
        a.bases.push_back(stemOf(built, first + size_t(i) * stride).first);
}

std::optional<Reference> buildReference(const ElementType& type)
{
    const Role role = roleOf(type);
    if (role == Role::None)
        return std::nullopt;
    std::unique_ptr<CChartElement> built = makePrototype(type);
    const Vec base{0, 0};
    const Vec top{0, -kReferenceHeight};
    if (!built || !built->assignState({{{0, 0}, {0, -int32_t(kReferenceHeight)}}, 1, colours::black, 0}))
        return std::nullopt;
    Reference ref;
    SymbolAnchors& a = ref.anchors;
    a.role = role;
    a.base = base;
    a.top = top;
    forEachStrokePoint(*built, [&](Vec p) { ref.strokes.push_back(p); });
    const StitchAnchors& declared = type.anchors;
    if (declared.baseCount > 0 || declared.topCount > 0) {
        auto at = [](const FramePoint& p) { return Vec{p.across * kReferenceHeight, -p.up * kReferenceHeight}; };
        for (size_t i = 0; i < declared.baseCount; ++i)
            a.bases.push_back(at(declared.bases[i]));
        for (size_t i = 0; i < declared.topCount; ++i)
            a.tops.push_back({at(declared.tops[i]), 0});
        if (a.bases.empty())
            a.bases.push_back(base);
        if (a.tops.empty())
            a.tops.push_back({top, 0});
        return ref;
    }
    switch (role) {
    case Role::Stitch: a.bases = {base}; a.tops = {{top, 0}}; break;
    case Role::Fan:
        if (FanBuild fan = fanBuildOf(type); fan.recipe)
            readFan(*built, fan, a);
        break;
    case Role::Decrease:
        if (const auto* recipe = std::get_if<DecreaseRecipe>(&type.build)) {
            readDecrease(*built, *recipe, a);
            a.tops = {{top, 0}};
        }
        break;
    case Role::Picot: a.bases = {base}; break;
    default: break;
    }
    return ref;
}

const std::optional<Reference>& referenceOf(const ElementType& type)
{
    static const auto references = [] {
        auto all = std::make_unique<std::array<std::optional<Reference>, PrototypeTable::kSize>>();
        for (const ElementType& t : elementTypes())
            (*all)[size_t(t.id)] = buildReference(t);
        return all;
    }();
    return (*references)[size_t(type.id)];
}

// The affine map q = A r + t that carries reference strokes onto placed ones
// in the least-squares sense; a similarity when the strokes lie on one line
// (a chain group), where the across direction is not determined.
struct StrokeFit {
    double a11 = 1, a12 = 0, a21 = 0, a22 = 1;
    Vec t;
    bool good = false;

    Vec apply(Vec r) const { return Vec{a11 * r.x + a12 * r.y, a21 * r.x + a22 * r.y} + t; }
};

StrokeFit fitStrokes(const CChartElement& symbol, const std::vector<Vec>& reference)
{
    // Raw sums in one walk; centred sums follow from them.
    double n = 0, rx = 0, ry = 0, qx = 0, qy = 0;
    double rxx = 0, rxy = 0, ryy = 0, qxrx = 0, qxry = 0, qyrx = 0, qyry = 0, qq = 0;
    size_t i = 0;
    bool fits = true;
    forEachStrokePoint(symbol, [&](Vec q) {
        if (i >= reference.size()) {
            fits = false;
            return;
        }
        const Vec r = reference[i++];
        n += 1;
        rx += r.x, ry += r.y, qx += q.x, qy += q.y;
        rxx += r.x * r.x, rxy += r.x * r.y, ryy += r.y * r.y;
        qxrx += q.x * r.x, qxry += q.x * r.y, qyrx += q.y * r.x, qyry += q.y * r.y;
        qq += q.x * q.x + q.y * q.y;
    });
    StrokeFit fit;
    if (!fits || i != reference.size() || n < 2)
        return fit;
    const Vec rm{rx / n, ry / n}, qm{qx / n, qy / n};
    const double sxx = rxx - n * rm.x * rm.x, sxy = rxy - n * rm.x * rm.y, syy = ryy - n * rm.y * rm.y;
    const double cxx = qxrx - n * qm.x * rm.x, cxy = qxry - n * qm.x * rm.y;
    const double cyx = qyrx - n * qm.y * rm.x, cyy = qyry - n * qm.y * rm.y;
    const double det = sxx * syy - sxy * sxy;
    const double spread = sxx + syy;
    if (spread <= 0)
        return fit;
    if (det > 1e-9 * spread * spread) {
        fit.a11 = (cxx * syy - cxy * sxy) / det;
        fit.a12 = (cxy * sxx - cxx * sxy) / det;
        fit.a21 = (cyx * syy - cyy * sxy) / det;
        fit.a22 = (cyy * sxx - cyx * sxy) / det;
    } else {
        const double c = (cxx + cyy) / spread, s = (cyx - cxy) / spread;
        fit.a11 = c, fit.a12 = -s, fit.a21 = s, fit.a22 = c;
    }
    fit.t = qm - Vec{fit.a11 * rm.x + fit.a12 * rm.y, fit.a21 * rm.x + fit.a22 * rm.y};
    // What the map leaves unexplained, against how far the strokes spread:
    // rounding to whole pixels leaves about half a pixel a point.
    const double qSpread = qq - n * (qm.x * qm.x + qm.y * qm.y);
    const double explained = fit.a11 * cxx + fit.a12 * cxy + fit.a21 * cyx + fit.a22 * cyy;
    const double quad = fit.a11 * fit.a11 * sxx + 2 * fit.a11 * fit.a12 * sxy + fit.a12 * fit.a12 * syy +
                        fit.a21 * fit.a21 * sxx + 2 * fit.a21 * fit.a22 * sxy + fit.a22 * fit.a22 * syy;
    const double residual = std::max(0.0, qSpread - 2 * explained + quad) / n;
    const double size = std::max(0.0, qSpread) / n;
    fit.good = residual <= 2.25 + 0.01 * size;
    return fit;
}

SymbolAnchors mapped(const SymbolAnchors& ref, const StrokeFit& fit)
{
    SymbolAnchors a;
    a.role = ref.role;
    a.base = fit.apply(ref.base);
    a.top = fit.apply(ref.top);
    for (Vec b : ref.bases)
        a.bases.push_back(fit.apply(b));
    for (const TopAnchor& t : ref.tops)
        a.tops.push_back({fit.apply(t.at), t.chains});
    return a;
}

} // namespace

Role roleOf(const ElementType& type)
{
    switch (type.kind) {
    case TypeKind::Stitch:
        if (type.counts.workedInto == 0)
            return type.counts.makes == 0 ? Role::SlipStitch : Role::Chain;
        return Role::Stitch;
    case TypeKind::ChainGroup: return type.counts.makes == 0 ? Role::Picot : Role::ChainGroup;
    case TypeKind::Special: return type.counts.makes == 0 && type.counts.workedInto == 0 ? Role::Ring : Role::Stitch;
    case TypeKind::Cluster: return Role::Stitch;
    case TypeKind::Fan: return Role::Fan;
    case TypeKind::Decrease: return Role::Decrease;
    default: return Role::None;
    }
}

int chainsOf(const ElementType& type)
{
    if (roleOf(type) == Role::ChainGroup || roleOf(type) == Role::Chain)
        return type.counts.makes;
    return 0;
}

const SymbolAnchors& referenceAnchors(const ElementType& type)
{
    static const SymbolAnchors none{};
    const std::optional<Reference>& ref = referenceOf(type);
    return ref ? ref->anchors : none;
}

SymbolAnchors anchorsOf(const CChartElement& symbol, const ElementType& type)
{
    const Role role = roleOf(type);
    SymbolAnchors a;
    a.role = role;
    const auto& own = symbol.points();
    // The one-stroke symbols are read from their own two points.
    if (role == Role::Chain || role == Role::SlipStitch || role == Role::Ring) {
        if (symbol.childCount() != 0 || own.size() < 2) {
            a.readable = false;
            return a;
        }
        a.base = Vec::of(own[0]);
        a.top = Vec::of(own[1]);
        if (role == Role::Chain)
            a.chains.push_back({a.base, a.top});
        if (role == Role::SlipStitch)
            a.bases.push_back(midpoint(a.base, a.top));
        return a;
    }
    if (role == Role::ChainGroup) {
        for (const auto& chain : symbol.children()) {
            const auto& p = chain->points();
            if (chain->childCount() != 0 || p.size() < 2) {
                a.readable = false;
                return a;
            }
            a.chains.push_back({Vec::of(p[0]), Vec::of(p[1])});
        }
        a.readable = !a.chains.empty();
        if (a.readable) {
            a.base = a.chains.front().first;
            a.top = a.chains.back().second;
        }
        return a;
    }
    const std::optional<Reference>& ref = referenceOf(type);
    if (!ref) {
        a.readable = false;
        return a;
    }
    const StrokeFit fit = fitStrokes(symbol, ref->strokes);
    if (!fit.good) {
        a.readable = false;
        return a;
    }
    return mapped(ref->anchors, fit);
}

} // namespace loopora::pattern
