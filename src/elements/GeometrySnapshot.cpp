#include "elements/GeometrySnapshot.h"

#include "platform/Numeric.h"

namespace loopora {

GeometrySnapshot::GeometrySnapshot(std::span<CChartElement* const> roots) : taken_(true)
{
    for (CChartElement* root : roots)
        if (root)
            take(*root);
}

void GeometrySnapshot::take(CChartElement& e)
{
    entries_.push_back({&e, e.points()});
    for (const auto& c : e.children())
        take(*c);
}

void GeometrySnapshot::restore() const
{
    for (const Entry& entry : entries_)
        entry.element->setPoints(entry.points);
}

bool reachesCoordinateLimit(const Rect& bounds)
{
    // The bounds reach 5 pixels beyond the points, and wide pens further.
    constexpr int64_t edge = kCoordinateLimit - 1000;
    return bounds.left <= -edge || bounds.top <= -edge || bounds.right >= edge || bounds.bottom >= edge;
}

} // namespace loopora
