#include "pattern/SymbolFrames.h"

#include "document/TypeTable.h"
#include "elements/TypeIds.h"
#include "pattern/StitchMakeup.h"
#include "pattern/SymbolAnchors.h"

#include <algorithm>
#include <cctype>
#include <complex>
#include <string_view>

namespace loopora::pattern {
namespace {

struct Height {
    std::string_view word; // the US abbreviation of the basic stitch
    double height;
};
constexpr Height kHeights[] = {{"sc", 1.0}, {"hdc", 1.4}, {"dc", 2.0}, {"tr", 2.7}, {"dtr", 3.4}, {"trtr", 4.1}};
constexpr double kOtherHeight = 2.0;

double heightOfWord(std::string_view word)
{
    if (word.size() > 2 && (word.starts_with("FP") || word.starts_with("BP")))
        word.remove_prefix(2);
    for (const Height& h : kHeights)
        if (h.word == word)
            return h.height;
    return 0;
}

} // namespace

double stitchHeight(int32_t typeId)
{
    const ElementType* type = elementType(typeId);
    if (!type)
        return kOtherHeight;
    const ElementType* leg = elementType(legTypeOf(*type));
    // The first word of the name that is a basic stitch's.
    const std::string_view name = (leg ? leg : type)->english.abbreviation;
    for (size_t i = 0; i < name.size();) {
        if (!std::isalpha(static_cast<unsigned char>(name[i]))) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < name.size() && std::isalpha(static_cast<unsigned char>(name[end])))
            ++end;
        if (const double h = heightOfWord(name.substr(i, end - i)); h > 0)
            return h;
        i = end;
    }
    return roleOf(*type) == Role::SlipStitch ? 0.5 : kOtherHeight;
}

double beginningHeight(int chains)
{
    for (const ElementType& type : elementTypes())
        if (beginningChainsFor(type.id) == chains)
            return stitchHeight(type.id);
    return 0.7 * chains;
}

Vec onFrame(const Frame& frame, Vec reference)
{
    const Vec base = Vec::of(frame.base);
    const Vec stem = Vec::of(frame.top) - base;
    const double length = stem.length();
    if (length == 0)
        return base;
    const Vec up = stem * (1 / length);
    const Vec across{-up.y, up.x};
    return base + (across * reference.x + up * -reference.y) * (length / kReferenceHeight);
}

std::vector<Vec> topsOn(int32_t typeId, const Frame& frame)
{
    std::vector<Vec> tops;
    const ElementType* type = elementType(typeId);
    if (!type)
        return tops;
    for (const TopAnchor& t : referenceAnchors(*type).tops)
        if (t.chains == 0)
            tops.push_back(onFrame(frame, t.at));
    return tops;
}

Frame frameOnto(int32_t typeId, const std::vector<Vec>& bases, Vec right)
{
    using Complex = std::complex<double>;
    const ElementType* type = elementType(typeId);
    std::vector<Vec> feet = type ? referenceAnchors(*type).bases : std::vector<Vec>{};
    std::vector<Vec> targets = bases;
    std::sort(feet.begin(), feet.end(), [](Vec a, Vec b) { return a.x < b.x; });
    std::sort(targets.begin(), targets.end(), [&](Vec a, Vec b) { return a.dot(right) < b.dot(right); });
    const size_t n = std::min(feet.size(), targets.size());
    if (n < 2)
        return {};
    // The similarity q = a r + b nearest to carrying every foot onto its place.
    Complex rMean, qMean;
    for (size_t i = 0; i < n; ++i) {
        rMean += Complex(feet[i].x, feet[i].y);
        qMean += Complex(targets[i].x, targets[i].y);
    }
    rMean /= double(n);
    qMean /= double(n);
    Complex cross;
    double spread = 0;
    for (size_t i = 0; i < n; ++i) {
        const Complex r = Complex(feet[i].x, feet[i].y) - rMean;
        cross += (Complex(targets[i].x, targets[i].y) - qMean) * std::conj(r);
        spread += std::norm(r);
    }
    const Complex a = spread > 0 ? cross / spread : Complex(1, 0);
    const Complex b = qMean - a * rMean;
    const Complex base = b, top = a * Complex(0, -kReferenceHeight) + b;
    return {pixel({base.real(), base.imag()}), pixel({top.real(), top.imag()})};
}

} // namespace loopora::pattern
