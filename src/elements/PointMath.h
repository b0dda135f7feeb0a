#pragma once
// The geometry every element and stitch symbol is computed with: affine
// transforms about a centre in doubles, and the point helpers that round the
// chart's way. The constants are the ones charts have always been drawn with;
// changing them would move strokes of existing charts by a pixel.

#include "platform/Geometry.h"

#include <utility>

namespace loopora {

// Degrees to radians for rotations (pi taken as 3.1415926).
constexpr double kRotationDegreeFactor = 0.017453292222222222;
// Degrees to radians for the tangents of leaning legs and sideways shifts.
constexpr double kTangentDegreeFactor = 0.017453292519833335;
constexpr double kQuarterTurn = 1.5707963;
constexpr double kThreeQuarterTurn = 4.7123889;
// Stands in for the slope of a vertical segment.
constexpr double kVerticalSlope = 9999999999999.0;

// A row-vector affine map: x' = x*m11 + y*m21 + dx, y' = x*m12 + y*m22 + dy.
struct Affine {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;

    std::pair<double, double> apply(double x, double y) const { return {x * m11 + y * m21 + dx, x * m12 + y * m22 + dy}; }
    // this, then next.
    Affine then(const Affine& next) const;

    static Affine translation(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }
    static Affine rotation(double radians);
    static Affine scaling(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
    // translate(-c), then t, then translate(+c).
    static Affine about(Point c, const Affine& t);
};

// Applies a map to a point and truncates each coordinate toward zero.
Point transformTruncated(const Affine& m, Point p);
// Applies a map to a point and rounds each coordinate (add one half, truncate).
Point transformRounded(const Affine& m, Point p);

// p turned about centre by the given degrees (positive turns clockwise on screen), rounded.
Point rotatePointAbout(Point centre, Point p, double degrees);
// The same with the angle in radians, for the quarter-turn constants.
Point rotatePointAboutRadians(Point centre, Point p, double radians);
// b moves toward a by the fraction t: b = (1 - t) * b + t * a, truncated.
void moveToward(Point a, Point& b, double t);
// Shifts the segment a-b sideways by |ab| * tan(degrees), both ends to the same side,
// and moves b a further |ab| * tan^2 away from a.
void shiftSideways(Point& a, Point& b, double degrees);
// Replaces a-b by the segment through b perpendicular to ab reaching t * |ab| to each side.
void crossSegment(Point& a, Point& b, double t);

// The tilted legs of the base element: a new two-point list.
// tiltStart: A turned about B (keepLength) or moved sideways; result (A', B).
// tiltEnd: B turned about A (keepLength) or moved sideways; result (A, B').
std::pair<Point, Point> tiltStartPoints(Point a, Point b, bool keepLength, double degrees);
std::pair<Point, Point> tiltEndPoints(Point a, Point b, bool keepLength, double degrees);

} // namespace loopora
