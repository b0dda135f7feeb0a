#pragma once
// Describing elements as ideal shapes (platform/ShapeSink.h): the walk over an
// element tree, and the pens of the three kinds of figure as ideal strokes.
//
// An ideal shape is the curve the element's pixels are plotted along, so the
// description and the screen agree to within a pixel or two; where they
// differ it is a rule of the pixel grid, which the ideal leaves out:
// - lines run between the centres of their end pixels and include the last
//   one, which a one-pixel line on the screen leaves for the next segment;
// - a wide pen is a round stroke centred on the path, where the screen leans
//   even widths half a pixel up and left;
// - chain ovals, slip stitches and lenses are exact ellipses, where the screen
//   walks them pixel by pixel; it widens them by repeating each pixel on a
//   short diagonal run, the ideal with a round stroke in the runs' middle;
// - dashes of thin lines are measured along the line, their steps as long
//   as the screen's pixel steps along the line's longer axis.

#include "elements/ChartElement.h"
#include "elements/EllipseWalk.h"
#include "platform/PenRuns.h"
#include "platform/ShapeSink.h"

#include <optional>

namespace loopora {

// What a visible element and its visible children look like, in drawing
// order. A hidden element and everything in it describes nothing, as it
// draws nothing.
void describeElement(const CChartElement& element, ShapeSink& sink);

// The centre of a pixel.
inline ShapePoint pixelCentre(Point p) { return {p.x + 0.5, p.y + 0.5}; }

// The ellipse an oval's pixels are walked along, for a figure plotted with
// pen runs of `runLength` pixels: the stroke lies in the middle of the runs.
ShapeEllipse idealOval(const PlottedOval& oval, double runLength, RunDirection direction);

// An oval's outline; one with no width or no length is the line (or the dot)
// its pixels make.
void describeOutline(ShapeSink& sink, const ShapeEllipse& e, const ShapeStroke& stroke);

// The stroke of a straight line from `from` to `to`; none for a pen that draws nothing.
std::optional<ShapeStroke> lineStroke(const PenAttributes& pen, Point from, Point to);
// The stroke of a rectangle's or circle's outline: solid whatever the style.
std::optional<ShapeStroke> outlineStroke(const PenAttributes& pen);
// The stroke of a figure plotted point by point (ovals, lenses), which
// widths of 0 and less leave undrawn.
std::optional<ShapeStroke> plottedStroke(const PenAttributes& pen);

} // namespace loopora
