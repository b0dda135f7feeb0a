#pragma once
// What of a chart's shapes can show through a window (a sheet with a margin
// wider than any pen): a shape that lies wholly outside is left out, and a
// huge one that crosses it is cut to the part inside, so a figure of millions
// of pixels costs a vector device what the window shows of it. A shape wholly
// inside passes on as it came.

#include "platform/ShapeSink.h"

#include <vector>

namespace loopora {

// One piece of the outline of a region: an arc of its ellipse, or a straight
// run along the window's edge.
struct OutlinePiece {
    bool arc = false;
    double from = 0;  // an arc's first angle on the ellipse
    double sweep = 0; // an arc's angle, clockwise on the screen
    ShapePoint to;    // where the piece ends
};

// The outline of the part of a filled ellipse inside a box, clockwise on
// the screen from start; no pieces when they do not meet.
struct RegionOutline {
    ShapePoint start;
    std::vector<OutlinePiece> pieces;
};
RegionOutline ellipseWithin(const ShapeEllipse& e, const ShapeBox& box);

// The angles (from, sweep > 0) of the parts of an ellipse's outline inside a
// box, clockwise from the smallest angle.
std::vector<std::pair<double, double>> arcsWithin(const ShapeEllipse& e, const ShapeBox& box);

class ShapesInWindow final : public ShapeSink {
public:
    ShapesInWindow(ShapeSink& out, const ShapeBox& window) : out_(out), window_(window) {}

    void beginElement(int32_t typeId) override { out_.beginElement(typeId); }
    void beginElementOfRound(int32_t typeId, int round) override { out_.beginElementOfRound(typeId, round); }
    void endElement() override { out_.endElement(); }
    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override;
    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override;
    void filledEllipse(const ShapeEllipse& e, Colour fill) override;
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override;
    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override;
    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override;
    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override;
    void text(const ShapeText& text) override;

private:
    ShapeSink& out_;
    ShapeBox window_;
};

} // namespace loopora
