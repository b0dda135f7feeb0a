#include "elements/GeometrySnapshot.h"

namespace loopora {
namespace {

// Calls visit with e and everything inside it, parents first.
template <typename Visit>
void walkFrom(CChartElement& e, Visit& visit)
{
    visit(e);
    for (const auto& c : e.children())
        walkFrom(*c, visit);
}

template <typename Visit>
void walk(std::span<CChartElement* const> roots, Visit&& visit)
{
    for (CChartElement* root : roots)
        if (root)
            walkFrom(*root, visit);
}

} // namespace

GeometrySnapshot::GeometrySnapshot(std::span<CChartElement* const> roots) : taken_(true)
{
    // Counted first, so that each list is allocated once at its size.
    size_t elements = 0;
    size_t points = 0;
    walk(roots, [&](const CChartElement& e) {
        ++elements;
        points += e.points().size();
    });
    counts_.reserve(elements);
    points_.reserve(points);
    walk(roots, [&](const CChartElement& e) {
        const PointList pts = e.points();
        counts_.push_back(uint32_t(pts.size()));
        points_.insert(points_.end(), pts.begin(), pts.end());
    });
}

void GeometrySnapshot::restore(std::span<CChartElement* const> roots) const
{
    size_t element = 0;
    size_t point = 0;
    walk(roots, [&](CChartElement& e) {
        const uint32_t n = counts_[element++];
        e.setPoints(PointList{points_.data() + point, n});
        point += n;
    });
}

} // namespace loopora
