// Invariants: a chain oval is the ellipse its pixels are walked along (every
// plotted pixel lies on it), with a wide pen's stroke in the middle of its
// diagonal runs; a slip stitch is that oval filled, however large; a circle
// lies on the pixels the screen draws inside its box, and an arc keeps the
// screen's direction and ends.

#include "elements/IdealShapes.h"
#include "platform/RasterDC.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"
#include "support/RecordingShapes.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace loopora;
using loopora::test::place;
using loopora::test::RecordedShape;
using loopora::test::RecordingShapes;
using Kind = RecordedShape::Kind;

namespace {

constexpr double kPi = std::numbers::pi;

RecordedShape onlyShape(const CChartElement& e)
{
    RecordingShapes sink;
    describeElement(e, sink);
    EXPECT_EQ(sink.shapes.size(), 1u);
    return sink.shapes.empty() ? RecordedShape{} : sink.shapes[0];
}

// The distance from a point to an ellipse's outline, closely enough.
double distanceToOutline(const ShapeEllipse& e, double x, double y)
{
    double nearest = 1e9;
    for (int i = 0; i < 4000; ++i) {
        const ShapePoint p = e.at(2 * kPi * i / 4000);
        nearest = std::min(nearest, std::hypot(p.x - x, p.y - y));
    }
    return nearest;
}

// The darkest pixels' centres as the screen draws the element on white.
std::vector<ShapePoint> inkedPixelCentres(CChartElement& e, int32_t size)
{
    PixelBuffer picture(size, size);
    CRasterDC dc(picture);
    e.draw(dc);
    std::vector<ShapePoint> centres;
    for (int32_t y = 0; y < size; ++y)
        for (int32_t x = 0; x < size; ++x)
            if (picture.at(x, y) != pixelOf(colours::white))
                centres.push_back({x + 0.5, y + 0.5});
    return centres;
}

} // namespace

TEST(ChainOvalShape, EveryPlottedPixelLiesOnTheIdealEllipse)
{
    CCanvas canvas;
    for (const auto& [p, q] : {std::pair<Point, Point>{{100, 40}, {100, 160}}, {{30, 50}, {170, 120}}, {{150, 20}, {60, 170}}}) {
        CChainOval* chain = static_cast<CChainOval*>(place(canvas, typeids::kChain, {p, q}, {1, 0, 0}));
        chain->setRatio(2.5);
        const RecordedShape shape = onlyShape(*chain);
        ASSERT_EQ(shape.kind, Kind::Ellipse);
        const std::vector<ShapePoint> pixels = inkedPixelCentres(*chain, 200);
        ASSERT_GT(pixels.size(), 100u);
        // Each pixel is off the curve by no more than the walk's whole offsets
        // and the rounding of their turned places, and by much less on average.
        double total = 0;
        for (ShapePoint c : pixels) {
            const double d = distanceToOutline(shape.ellipse, c.x, c.y);
            ASSERT_LT(d, 1.25) << c.x << ", " << c.y;
            total += d;
        }
        EXPECT_LT(total / double(pixels.size()), 0.4);
    }
}

TEST(ChainOvalShape, LiesAlongItsPointsWithAWidePensStrokeInItsRunsMiddle)
{
    CCanvas canvas;
    const RecordedShape thin = onlyShape(*place(canvas, typeids::kChain, {{100, 40}, {100, 100}}, {1, 0, 0}));
    EXPECT_EQ(thin.ellipse.centre, (ShapePoint{100.5, 70.5}));
    EXPECT_EQ(thin.ellipse.along, 30);
    EXPECT_EQ(thin.ellipse.across, 15);
    EXPECT_NEAR(std::fabs(std::sin(thin.ellipse.angle)), 1, 1e-9); // along the vertical points
    // Runs of three pixels go up and to the right: the stroke's middle is one pixel that way.
    const RecordedShape wide = onlyShape(*place(canvas, typeids::kChain, {{100, 40}, {100, 100}}, {3, 0, 0}));
    EXPECT_EQ(wide.ellipse.centre, (ShapePoint{101.5, 69.5}));
    EXPECT_EQ(wide.stroke.width, 3);
    // Pens of no width plot nothing.
    RecordingShapes none;
    describeElement(*place(canvas, typeids::kChain, {{100, 40}, {100, 100}}, {0, 0, 0}), none);
    EXPECT_TRUE(none.shapes.empty());
}

TEST(SlipStitchShape, IsItsOvalFilledOutToThePensEdgeAndWhiteWhenItBlanksOut)
{
    CCanvas canvas;
    auto* dot = static_cast<CSlipStitchDot*>(place(canvas, typeids::kSlipStitch, {{100, 20}, {100, 420}}, {1, rgb(0, 90, 0), 0}));
    const RecordedShape filled = onlyShape(*dot);
    EXPECT_EQ(filled.kind, Kind::FilledEllipse);
    EXPECT_EQ(filled.fill, rgb(0, 90, 0));
    EXPECT_EQ(filled.ellipse.along, 200.5);
    EXPECT_EQ(filled.ellipse.across, 100.5);
    dot->setWhiteFill(true);
    EXPECT_EQ(onlyShape(*dot).fill, colours::white);
}

TEST(CircleShape, LiesHalfAPixelInsideTheBoxTheScreenDrawsItIn)
{
    CCanvas canvas;
    CChartElement* circle = place(canvas, typeids::kCircle, {{100, 100}, {160, 100}}, {1, 0, 0});
    const RecordedShape shape = onlyShape(*circle);
    ASSERT_EQ(shape.kind, Kind::Ellipse);
    EXPECT_EQ(shape.ellipse.centre, (ShapePoint{130, 100}));
    EXPECT_EQ(shape.ellipse.along, 29.5);
    EXPECT_EQ(shape.ellipse.across, 29.5);
    for (ShapePoint c : inkedPixelCentres(*circle, 200))
        EXPECT_LT(std::fabs(std::hypot(c.x - 130, c.y - 100) - 29.5), 0.75) << c.x << ", " << c.y;
}

TEST(CircleShape, ArcsRunCounterClockwiseFromTheScreensStartRadial)
{
    CCanvas canvas;
    auto* arc = static_cast<CCircleArc*>(place(canvas, typeids::kCircle, {{100, 100}, {160, 100}}, {1, 0, 0}));
    arc->setSweep(90); // open over the last 270 degrees: a quarter from the first point
    RecordedShape shape = onlyShape(*arc);
    ASSERT_EQ(shape.kind, Kind::Arc);
    EXPECT_NEAR(std::remainder(shape.from - kPi, 2 * kPi), 0, 1e-9);
    EXPECT_NEAR(shape.sweep, -kPi / 2, 0.02);
    arc->setSweep(-90); // a quarter that ends at the first point
    shape = onlyShape(*arc);
    EXPECT_NEAR(std::remainder(shape.from + kPi / 2, 2 * kPi), 0, 0.02);
    EXPECT_NEAR(std::remainder(shape.from + shape.sweep - kPi, 2 * kPi), 0, 1e-9);
    arc->setSweep(0);
    EXPECT_EQ(onlyShape(*arc).kind, Kind::Ellipse);
}
