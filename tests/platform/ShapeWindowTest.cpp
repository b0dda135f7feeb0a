// Invariants of the window that shapes pass through on their way to a vector
// device: a shape wholly inside passes unchanged, one wholly outside is left
// out, and what passes of one that crosses the window shows inside it exactly
// what the whole shape shows there: the outline of a filled ellipse's part
// bounds exactly the ellipse inside the box, the arcs of an outline are its
// points inside, a clipped line stays on its line with its dashes in place.

#include "platform/ShapeWindow.h"
#include "support/RecordingShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

using namespace loopora;
using loopora::test::RecordedShape;
using loopora::test::RecordingShapes;
using Kind = RecordedShape::Kind;

namespace {

constexpr ShapeBox kBox{0, 0, 600, 600};
// The box and a rounding error around it.
constexpr ShapeBox kNearBox{-1e-6, -1e-6, 600 + 1e-6, 600 + 1e-6};

// How far a point lies out from the ellipse's centre: below 1 inside, above outside.
double reach(const ShapeEllipse& e, ShapePoint p)
{
    const double dx = p.x - e.centre.x;
    const double dy = p.y - e.centre.y;
    const double u = (dx * std::cos(e.angle) + dy * std::sin(e.angle)) / e.along;
    const double v = (dy * std::cos(e.angle) - dx * std::sin(e.angle)) / e.across;
    return std::sqrt(u * u + v * v);
}

// The outline as a polygon, its arcs in fine steps.
std::vector<ShapePoint> polygonOf(const ShapeEllipse& e, const RegionOutline& region)
{
    std::vector<ShapePoint> polygon{region.start};
    for (const OutlinePiece& piece : region.pieces) {
        if (piece.arc)
            for (int i = 1; i < 400; ++i)
                polygon.push_back(e.at(piece.from + piece.sweep * i / 400));
        polygon.push_back(piece.to);
    }
    return polygon;
}

bool insidePolygon(const std::vector<ShapePoint>& polygon, ShapePoint p)
{
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const ShapePoint a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

const ShapeEllipse kEllipses[] = {
    {{300, 300}, 100, 50, 0.3},              // inside
    {{300, 300}, 5e6, 5e5, 0.1},             // around the whole box
    {{300 + 5e5, 300}, 5e5, 5e6, 0},         // a stretched chain's oval, through the box
    {{300 - 1e6 * 0.9800665778, 300 - 1e6 * 0.1986693308}, 1e6, 3e5, 0.2}, // tilted, its tip in the box
    {{0, 0}, 200, 150, 0.7},                 // over a corner
    {{300, 300}, 1e7, 20, 0.05},             // a thin band right across
    {{-1000, -1000}, 100, 100, 0},           // outside
    {{300, -500}, 900, 600, 0},              // through two sides
    {{300, 300}, 320, 320, 0},               // through all four sides
};

} // namespace

TEST(ShapeWindow, TheRegionOfAFilledEllipseInABoxIsExactlyTheirCommonPart)
{
    for (const ShapeEllipse& e : kEllipses) {
        const RegionOutline region = ellipseWithin(e, kBox);
        const std::vector<ShapePoint> polygon = polygonOf(e, region);
        int inside = 0;
        for (double y = 3.7; y < 600; y += 12.3)
            for (double x = 2.9; x < 600; x += 12.1) {
                const double r = reach(e, {x, y});
                if (std::fabs(r - 1) * std::max(e.along, e.across) < 0.01)
                    continue; // on the ellipse, where the steps of the arcs decide
                const bool expected = r < 1;
                inside += expected;
                ASSERT_EQ(!region.pieces.empty() && insidePolygon(polygon, {x, y}), expected)
                    << "ellipse at " << e.centre.x << "," << e.centre.y << ", point " << x << "," << y;
            }
        // The outline keeps to the box, however far the ellipse reaches.
        for (ShapePoint p : polygon)
            ASSERT_TRUE(kNearBox.contains(p)) << p.x << "," << p.y;
        if (&e == &kEllipses[6])
            EXPECT_EQ(inside, 0);
        else
            EXPECT_GT(inside, 0) << "ellipse at " << e.centre.x << "," << e.centre.y;
    }
}

TEST(ShapeWindow, AnOutlinePassesItsArcsInsideTheWindowAndNothingElse)
{
    for (const ShapeEllipse& e : kEllipses) {
        RecordingShapes out;
        ShapesInWindow window(out, kBox);
        window.ellipse(e, {2, colours::black});
        window.filledEllipse(e, colours::black);
        const bool whole = kBox.holds(e.box());
        const bool none = e.box().right < 0 || e.box().bottom < 0;
        if (whole) {
            ASSERT_EQ(out.shapes.size(), 2u);
            EXPECT_EQ(out.shapes[0].kind, Kind::Ellipse);
            EXPECT_EQ(out.shapes[0].ellipse, e);
            EXPECT_EQ(out.shapes[1].kind, Kind::FilledEllipse);
            continue;
        }
        if (none) {
            EXPECT_TRUE(out.shapes.empty());
            continue;
        }
        EXPECT_EQ(out.count(Kind::FilledEllipseWithin), 1u);
        EXPECT_EQ(out.count(Kind::Ellipse), 0u);
        // Every point of every arc lies in the window; every other point of the ellipse outside it.
        double kept = 0;
        for (const RecordedShape& s : out.shapes) {
            if (s.kind != Kind::Arc)
                continue;
            kept += s.sweep;
            for (int i = 0; i <= 100; ++i) {
                const ShapePoint p = e.at(s.from + s.sweep * i / 100);
                ASSERT_TRUE(kNearBox.contains(p)) << p.x << "," << p.y;
            }
        }
        int insideTheBox = 0;
        const int steps = 200000;
        for (int i = 0; i < steps; ++i)
            insideTheBox += kBox.contains(e.at(2 * std::numbers::pi * (i + 0.5) / steps));
        // Each of up to eight crossings may be a step off.
        EXPECT_NEAR(kept, 2 * std::numbers::pi * insideTheBox / steps, 2 * std::numbers::pi * 8 / steps);
    }
}

TEST(ShapeWindow, LinesArcsRectanglesAndTextsAreCutToTheWindowOrLeftOut)
{
    RecordingShapes out;
    ShapesInWindow window(out, kBox);
    const ShapeStroke solid{2, colours::black};
    const ShapeStroke dashed{1, colours::black, ShapeDash::DashDot, 1.25};
    window.line({10, 10}, {500, 300}, solid);           // inside: as it is
    window.line({-1e7, -1e7}, {-5e6, 300}, solid);      // outside: left out
    window.line({-1e7, 300}, {1e7, 300.5}, solid);      // across: cut
    window.line({300 - 1.6e7, 300 - 1.55e7}, {300 + 1.6e7, 300 + 1.55e7}, dashed); // across, dashed
    window.rectangle({-1e7, 100}, {200, 1e7}, solid);
    window.rectangle({700, 700}, {800, 800}, solid);
    window.ellipseArc({{300, 300}, 1e6, 1e6, 0}, 0, -3, solid); // far outside the window
    window.ellipseArc({{300 + 1e6, 300}, 1e6, 5e5, 0}, 3, 0.5, solid);
    ShapeText far;
    far.left = 1e7;
    far.top = 1e7;
    far.lineStep = far.cellHeight = far.fontPixels = 13;
    far.lines.push_back({"Мотив", {0, 8, 16, 24, 32}, 40});
    window.text(far);
    ShapeText near = far;
    near.left = near.top = 20;
    window.text(near);
    const ShapePoint small[] = {{10, 10}, {30, 10}, {20, 25}};
    const ShapePoint outside[] = {{-1e7, 0}, {-1e7 + 30, 0}, {-1e7 + 15, 40}};
    const ShapePoint huge[] = {{300, -1e7}, {1e7, 1e7}, {-1e7, 1e7}};
    for (const auto& corners : {std::span<const ShapePoint>(small), std::span<const ShapePoint>(outside),
                                std::span<const ShapePoint>(huge)})
        window.filledPolygon(corners, colours::black);

    ASSERT_EQ(out.count(Kind::Line), 3u);
    EXPECT_EQ(out.shapes[0].a, (ShapePoint{10, 10}));
    EXPECT_EQ(out.shapes[0].b, (ShapePoint{500, 300}));
    EXPECT_DOUBLE_EQ(out.shapes[1].a.x, 0);
    EXPECT_DOUBLE_EQ(out.shapes[1].b.x, 600);
    EXPECT_NEAR(out.shapes[1].a.y, 300.25, 1e-6);
    // The dashed line starts a whole number of its 24-step patterns from its
    // own start, at most one pattern before the window.
    const RecordedShape& cut = out.shapes[2];
    const ShapePoint start{300 - 1.6e7, 300 - 1.55e7};
    const double period = 24 * 1.25;
    EXPECT_NEAR(std::remainder(std::hypot(cut.a.x - start.x, cut.a.y - start.y), period), 0, 1e-3);
    EXPECT_LT(std::hypot(cut.a.x, cut.a.y - 9.375), period); // it enters at (0, 9.375)
    EXPECT_NEAR((cut.a.y - start.y) / (cut.a.x - start.x), 31.0 / 32, 1e-9);
    EXPECT_NEAR(cut.b.x, 600, 1e-6);

    ASSERT_EQ(out.count(Kind::Rectangle), 1u);
    EXPECT_EQ(out.shapes[3].a, (ShapePoint{0, 100}));
    EXPECT_EQ(out.shapes[3].b, (ShapePoint{200, 600}));
    // The arc that ends far outside is left out; the other keeps the part of
    // its sweep near angle pi, where the ellipse passes through the window.
    ASSERT_EQ(out.count(Kind::Arc), 1u);
    const RecordedShape& arc = out.shapes[4];
    EXPECT_GT(arc.from, 3);
    EXPECT_LT(arc.from + arc.sweep, 3.5);
    EXPECT_GT(arc.sweep, 0);
    ASSERT_EQ(out.count(Kind::Text), 1u);
    EXPECT_EQ(out.shapes[5].text.left, 20);
    // A polygon inside passes as it is, one outside is left out, and one
    // around the whole window is the window.
    ASSERT_EQ(out.count(Kind::FilledPolygon), 2u);
    EXPECT_EQ(out.shapes[6].corners, std::vector<ShapePoint>(std::begin(small), std::end(small)));
    const std::vector<ShapePoint>& filled = out.shapes[7].corners;
    ASSERT_EQ(filled.size(), 4u);
    for (ShapePoint p : filled)
        EXPECT_TRUE((p.x == 0 || p.x == 600) && (p.y == 0 || p.y == 600)) << p.x << "," << p.y;
}
