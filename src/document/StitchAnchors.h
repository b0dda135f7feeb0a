#pragma once
// Where a stitch is worked from (its bases) and where later stitches are
// worked into (its tops). Most types say it through their build alone, and
// the pattern reader derives it from the row's family and recipe:
// - a basic stitch, cluster or special stitch stands on its base point and
//   is worked into at its top point;
// - a fan stands on one base and has a top per leg; its chains make spaces;
// - a decrease built from a recipe has a base per leg and one top;
// - a chain (makes 1 from nothing) is worked from the stitch before it and
//   is itself what later stitches go into; a chain group is chains end to
//   end; a picot (a chain group that makes nothing) has no top;
// - a slip stitch (makes nothing) has a base and no top;
// - a special symbol that makes nothing is a ring to work into.
// A type whose build does not say where its bases or tops are (a decrease
// composed of loose strokes, a pair of crossed stitches, a stitch forking
// into two) lists them here, in its own frame.

#include <array>
#include <cstdint>
#include <initializer_list>

namespace loopora {

// A point of a symbol's frame: across (to the right of an upright symbol)
// and up, both in stem lengths from the point its stem was dragged from.
struct FramePoint {
    double across = 0;
    double up = 0;
};

struct StitchAnchors {
    uint8_t baseCount = 0; // 0: as the build says
    uint8_t topCount = 0;  // 0: as the build says
    std::array<FramePoint, 3> bases{};
    std::array<FramePoint, 3> tops{};
};

// The bases and tops of a type whose build does not say them; none given
// of either leaves it as the build says.
constexpr StitchAnchors anchorsAt(std::initializer_list<FramePoint> bases, std::initializer_list<FramePoint> tops)
{
    StitchAnchors anchors{};
    for (const FramePoint& p : bases)
        anchors.bases[anchors.baseCount++] = p;
    for (const FramePoint& p : tops)
        anchors.tops[anchors.topCount++] = p;
    return anchors;
}
constexpr StitchAnchors basesAt(std::initializer_list<FramePoint> bases) { return anchorsAt(bases, {}); }

} // namespace loopora
