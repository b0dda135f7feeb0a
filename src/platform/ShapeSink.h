#pragma once
// The ideal shapes of a chart: what its pixels approximate, for devices that
// draw at any resolution (vector files, printers, fine rasters). Elements
// describe themselves to a ShapeSink and know nothing of the device; a sink
// knows nothing of elements.
//
// Coordinates are chart pixels as real numbers: pixel (x, y) is the unit
// square from (x, y) to (x + 1, y + 1), so a figure drawn through pixel
// (x, y) passes through (x + 0.5, y + 0.5). Widths are in chart pixels too,
// so strokes grow and shrink with the chart. Shapes are drawn in the order
// they arrive, later over earlier.

#include "platform/Colour.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace loopora {

struct ShapePoint {
    double x = 0;
    double y = 0;

    friend bool operator==(const ShapePoint&, const ShapePoint&) = default;
};

// The dash patterns of thin lines; the lengths are in steps of dashStep.
enum class ShapeDash : int32_t {
    Solid,
    Dash,      // 18 on, 6 off
    Dot,       // 3 on, 3 off
    DashDot,   // 9 on, 6 off, 3 on, 6 off
    DashDotDot // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
};

// A stroke with round ends and joins (a rectangle's corners stay square); a
// dashed one has square-cut dashes whose pattern starts at the path's start.
struct ShapeStroke {
    double width = 1;
    Colour colour = colours::black;
    ShapeDash dash = ShapeDash::Solid;
    double dashStep = 1; // the length of one step of the dash pattern

    friend bool operator==(const ShapeStroke&, const ShapeStroke&) = default;
};

// The on and off lengths of a dash pattern in steps, alternating from "on";
// empty for a solid line.
std::vector<double> dashSteps(ShapeDash dash);

// An axis-parallel box: left <= right, top <= bottom.
struct ShapeBox {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool contains(ShapePoint p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    bool holds(const ShapeBox& b) const { return b.left >= left && b.right <= right && b.top >= top && b.bottom <= bottom; }
    bool meets(const ShapeBox& b) const { return b.left <= right && b.right >= left && b.top <= bottom && b.bottom >= top; }
};

// An ellipse of any direction. The point at angle t is
//   centre + along * cos t * (cos angle, sin angle) + across * sin t * (-sin angle, cos angle),
// so angles, like every angle here, grow clockwise on the screen (y grows
// downwards) and are in radians.
struct ShapeEllipse {
    ShapePoint centre;
    double along = 0;  // the semi-axis in the direction `angle`
    double across = 0; // the other semi-axis
    double angle = 0;

    friend bool operator==(const ShapeEllipse&, const ShapeEllipse&) = default;

    ShapePoint at(double t) const;
    // The smallest box around it.
    ShapeBox box() const;
    // The angle t of the point of the ellipse on the ray from the centre in
    // the screen direction `direction` (radians, clockwise).
    double angleTowards(double direction) const;
};

// Lines of text in one font. Line k's cell is `cellHeight` tall with its
// top-left corner at (left, top + k * lineStep); its baseline lies `ascent`
// below the cell's top.
struct ShapeText {
    struct Line {
        std::string utf8;            // well formed
        std::vector<double> offsets; // where each code point's glyph starts, from `left`
        double width = 0;            // the advance of the whole line, which its cell spans
    };

    double left = 0;
    double top = 0;
    double lineStep = 0;
    double cellHeight = 0;
    double ascent = 0;
    double fontPixels = 0; // the font's size, the em square in chart pixels
    std::string fontFamily;
    Colour colour = colours::black;
    bool fillCells = false; // each line's cell is first filled with cellColour
    Colour cellColour = colours::white;
    std::vector<Line> lines;
};

// Stands for the sheet's background pattern where a type id is expected.
constexpr int32_t kSheetPattern = -1;
// Stands for the marks of the chart's rounds (their numbers, starts and ways).
constexpr int32_t kRoundMarks = -2;

class ShapeSink {
public:
    virtual ~ShapeSink() = default;

    // Everything between the two belongs to one element of the given type
    // id (kSheetPattern for the sheet's background); elements nest as groups do.
    virtual void beginElement(int32_t typeId) { (void)typeId; }
    // The same for a symbol of a round of the chart's pattern (0 the foundation).
    virtual void beginElementOfRound(int32_t typeId, int round)
    {
        (void)round;
        beginElement(typeId);
    }
    virtual void endElement() {}

    virtual void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) = 0;
    // The outline of an ellipse.
    virtual void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) = 0;
    virtual void filledEllipse(const ShapeEllipse& e, Colour fill) = 0;
    // The part of a filled ellipse inside a box far larger than the picture
    // (ShapeWindow.h); a sink with no better way fills the whole ellipse,
    // which shows the same.
    virtual void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window)
    {
        (void)window;
        filledEllipse(e, fill);
    }
    // The inside of the polygon through the corners, in order, with no outline.
    virtual void filledPolygon(std::span<const ShapePoint> corners, Colour fill) = 0;
    // The part of an ellipse's outline from angle `from` through `sweep`
    // radians (negative: counter-clockwise on the screen).
    virtual void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) = 0;
    // The outline of the axis-parallel rectangle with these opposite corners.
    virtual void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) = 0;
    virtual void text(const ShapeText& text) = 0;
};

} // namespace loopora
