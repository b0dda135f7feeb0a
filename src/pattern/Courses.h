#pragma once
// The shape work goes in, for the layout (ChartLayout.h): rounds on
// circles about the ring, or rows on lines above the foundation chain. The
// layout asks a course where a round's shares of its circle or line lie and
// which way is outwards and onwards; everything else it does the same way
// for both.

#include "pattern/ChartLayout.h"
#include "pattern/Plane.h"

#include <memory>
#include <vector>

namespace loopora::pattern::detail {

// How much room each round takes, in stitch widths.
struct RoundMeasure {
    double units = 0;  // its stitches and chains side by side
    double height = 1; // its tallest stitch
};

// Where a round wants its shares to lie: the share's middle, in units from
// the round's start, and the point its symbol's base stands on.
struct ShareWish {
    double unit = 0;
    Vec base;
};

class Course {
public:
    virtual ~Course() = default;

    // The room the whole chart takes, in stitch widths.
    virtual double width() const = 0;
    virtual double height() const = 0;
    // Puts the work on a sheet: `scale` pixels a stitch width, the sheet's size.
    virtual void place(double scale, int32_t sheetWidth, int32_t sheetHeight) = 0;

    // The foundation's symbols, and the points of the places round 1
    // counts (a chain's chains, in the order made; none for a ring).
    virtual void foundation(std::vector<PlacedSymbol>& out, std::vector<Vec>& places) const = 0;
    // Round `number` (from 1) begins: where its shares lie follows from the
    // wishes (or, for the first round round a ring, from twelve o'clock,
    // where the share at `firstUnit` goes).
    virtual void beginRound(int number, double units, const std::vector<ShareWish>& wishes, double firstUnit) = 0;
    // The middle of the share `unit` units from the round's start, on its top line.
    virtual Vec share(double unit) const = 0;
    // A base on the ring under that share.
    virtual Vec onRing(double unit) const = 0;
    virtual Vec outward(Vec at) const = 0;
    // The way the round is worked, at a point.
    virtual Vec onward(Vec at) const = 0;
    // How far `at` lies on from `from` along the round (negative: before it).
    virtual double along(Vec from, Vec at) const = 0;
    // The ends of `chains` chains from one point to another along the round.
    virtual std::vector<Vec> chainPath(Vec from, Vec to, int chains) const = 0;
};

std::unique_ptr<Course> roundCourse(const Foundation& foundation, const std::vector<RoundMeasure>& rounds);
std::unique_ptr<Course> rowCourse(const Foundation& foundation, const std::vector<RoundMeasure>& rows);

} // namespace loopora::pattern::detail
