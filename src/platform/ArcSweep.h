#pragma once
// Which outline pixels an arc keeps: those whose direction from the oval's
// centre lies on the counter-clockwise sweep (as seen on the screen) from the
// radial through the start point to the radial through the end point, both
// radials included. Coinciding radials keep the whole outline.
//
// Directions are exact: the centre of box (l,t,r,b) is the lattice point
// ((l+r)/2, (t+b)/2), pixel (x,y) is represented by its centre
// (x+1/2, y+1/2) and a radial point by the lattice point itself, all doubled
// to stay in integers. So for box (0,0,10,10) the radials through (10,5) and
// (0,5) split the oval between rows 4 and 5.

#include "platform/RasterSupport.h"

namespace loopora::raster {

class ArcSweep {
public:
    ArcSweep(const DevRect& box, DevPoint start, DevPoint end);

    bool covers(int64_t x, int64_t y) const;

    // A direction with y pointing up, so counter-clockwise has its usual sign.
    struct Direction {
        int64_t x = 0;
        int64_t y = 0;
    };

private:
    Direction towards(int64_t doubledX, int64_t doubledY) const;

    int64_t centreX2_;
    int64_t centreY2_;
    Direction start_;
    Direction end_;
    bool whole_ = false;
};

} // namespace loopora::raster
