#pragma once
// A symbol is built on two points, the base it is dragged from and the top
// it is dragged to, and everything else about it follows from those like
// a picture from its frame: so where its tops land, and which frame puts
// the feet of a symbol worked over several stitches onto those stitches,
// follow from the type's anchors built upright (SymbolAnchors.h).

#include "pattern/Plane.h"
#include "platform/Geometry.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace loopora::pattern {

struct Frame {
    Point base;
    Point top;
};

inline Point pixel(Vec v) { return {int32_t(std::lround(v.x)), int32_t(std::lround(v.y))}; }

// How tall a symbol of the type stands, in stitch widths: a single as tall
// as it is wide, a double twice, each taller stitch about two thirds of a
// width more; a symbol named after a stitch (a puff of half doubles, a
// front-post double) as tall as that stitch.
double stitchHeight(int32_t typeId);
// A beginning chain stands as tall as the stitch its chains stand for.
double beginningHeight(int chains);

// Where a point of the type's upright reference frame lands on the frame.
Vec onFrame(const Frame& frame, Vec reference);
// The stitch-making tops of a symbol of the type on the frame.
std::vector<Vec> topsOn(int32_t typeId, const Frame& frame);
// The frame that puts the type's bases (left to right on its upright
// reference) as near as may be onto the points, taken in the order they lie
// along `right`.
Frame frameOnto(int32_t typeId, const std::vector<Vec>& bases, Vec right);

} // namespace loopora::pattern
