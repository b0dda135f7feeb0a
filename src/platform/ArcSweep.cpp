#include "platform/ArcSweep.h"

namespace loopora::raster {

namespace {

__extension__ using Wide = __int128;

using Direction = ArcSweep::Direction;

Wide cross(Direction a, Direction b) { return Wide(a.x) * b.y - Wide(a.y) * b.x; }
Wide dot(Direction a, Direction b) { return Wide(a.x) * b.x + Wide(a.y) * b.y; }
bool isZero(Direction d) { return d.x == 0 && d.y == 0; }

// 0 when v lies less than half a turn counter-clockwise from `from` (v along
// `from` included), 1 from half a turn on.
int halfTurn(Direction from, Direction v)
{
    const Wide c = cross(from, v);
    if (c != 0)
        return c > 0 ? 0 : 1;
    return dot(from, v) > 0 ? 0 : 1;
}

// Whether turning counter-clockwise from `from` reaches a no later than b.
bool notAfter(Direction from, Direction a, Direction b)
{
    const int ha = halfTurn(from, a);
    const int hb = halfTurn(from, b);
    if (ha != hb)
        return ha < hb;
    return cross(a, b) >= 0; // within one half turn the cross product orders them
}

} // namespace

ArcSweep::ArcSweep(const DevRect& box, DevPoint start, DevPoint end)
    : centreX2_(box.left + box.right), centreY2_(box.top + box.bottom)
{
    // A radial through the centre itself points nowhere; take it as pointing right.
    start_ = towards(2 * start.x, 2 * start.y);
    end_ = towards(2 * end.x, 2 * end.y);
    if (isZero(start_))
        start_ = {1, 0};
    if (isZero(end_))
        end_ = {1, 0};
    whole_ = halfTurn(start_, end_) == 0 && cross(start_, end_) == 0;
}

ArcSweep::Direction ArcSweep::towards(int64_t doubledX, int64_t doubledY) const
{
    return {doubledX - centreX2_, centreY2_ - doubledY};
}

bool ArcSweep::covers(int64_t x, int64_t y) const
{
    if (whole_)
        return true;
    const Direction d = towards(2 * x + 1, 2 * y + 1);
    return isZero(d) || notAfter(start_, d, end_);
}

} // namespace loopora::raster
