// Invariants: chain ovals and lens curves are plotted pixel by pixel in the
// pen colour, each point repeated on a short diagonal for wider pens, and
// bounded by the pixels they plot; arcs run counter-clockwise on screen; a
// white slip stitch blanks out what was drawn before it; a filled triangle
// covers the pixels inside its corners.

#include "document/Canvas.h"
#include "document/TypeTable.h"
#include "platform/RasterDC.h"
#include "stitches/CircleArc.h"
#include "support/RecordingDC.h"
#include "support/RecordingShapes.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::built;
using loopora::test::RecordingDC;

TEST(ChainOval, WidthOnePlotsTheEllipseAlongItsPoints)
{
    CCanvas canvas;
    auto chain = built(typeids::kChain, {{0, 0}, {0, 40}}, &canvas, {1, rgb(200, 0, 0), 0});
    RecordingDC dc;
    chain->draw(dc);
    auto pixels = dc.pixelSet();
    // Long axis along the points (20), short axis across (20 / ratio 2 = 10).
    EXPECT_TRUE(pixels.count({0, 0}));
    EXPECT_TRUE(pixels.count({0, 40}));
    EXPECT_TRUE(pixels.count({10, 20}));
    EXPECT_TRUE(pixels.count({-10, 20}));
    EXPECT_FALSE(pixels.count({0, 20}));
    for (const auto& p : dc.pixels)
        EXPECT_EQ(p.colour, rgb(200, 0, 0));
    EXPECT_EQ(chain->getBounds(), (Rect{-15, -5, 15, 45}));
}

TEST(ChainOval, WiderPensRepeatEachPointUpAndToTheRight)
{
    CCanvas canvas;
    auto chain = built(typeids::kChain, {{0, 0}, {0, 40}}, &canvas, {3, colours::black, 0});
    RecordingDC dc;
    chain->draw(dc);
    auto pixels = dc.pixelSet();
    EXPECT_TRUE(pixels.count({0, 40}));
    EXPECT_TRUE(pixels.count({1, 39}));
    EXPECT_TRUE(pixels.count({2, 38}));
    EXPECT_TRUE(pixels.count({12, 18}));
}

TEST(ChainOval, ZeroWidthPlotsNothingButKeepsBoundsAtTheFirstPoint)
{
    CCanvas canvas;
    auto chain = built(typeids::kChain, {{30, 30}, {30, 70}}, &canvas, {0, colours::black, 0});
    RecordingDC dc;
    chain->draw(dc);
    EXPECT_TRUE(dc.pixels.empty());
    EXPECT_EQ(chain->getBounds(), (Rect{25, 25, 35, 35}));
}

TEST(Symbols, DrawTheSameWithoutACanvas)
{
    // Pictures of symbols (palette buttons, the catalogue) are drawn from
    // elements that belong to no chart.
    for (const ElementType& type : elementTypes()) {
        if (!isCatalogueSymbol(type))
            continue;
        CCanvas canvas;
        auto inChart = built(type.id, {{60, 150}, {75, 40}}, &canvas);
        auto alone = built(type.id, {{60, 150}, {75, 40}});
        ASSERT_TRUE(inChart && alone) << type.name;
        RecordingDC one, other;
        inChart->draw(one);
        alone->draw(other);
        EXPECT_FALSE(one.pixels.empty() && one.lines.empty() && one.arcs.empty() && one.ellipses.empty()) << type.name;
        EXPECT_EQ(one.pixelSet(), other.pixelSet()) << type.name;
        EXPECT_EQ(one.lines, other.lines) << type.name;
        EXPECT_EQ(one.arcs.size(), other.arcs.size()) << type.name;
        EXPECT_EQ(one.ellipses, other.ellipses) << type.name;
    }
}

TEST(CircleArc, NegativeSweepIsAnArcEndingAtTheFirstPoint)
{
    CCanvas canvas;
    auto arc = createElement(typeids::kCircle);
    static_cast<CCircleArc&>(*arc).setSweep(-90);
    arc->setCanvas(&canvas);
    ASSERT_TRUE(arc->assignState({{{100, 50}, {100, 150}}}));
    RecordingDC dc;
    arc->draw(dc);
    ASSERT_EQ(dc.arcs.size(), 1u);
    EXPECT_EQ(dc.arcs[0].box, (Rect{50, 50, 150, 150}));
    EXPECT_EQ(dc.arcs[0].end, (Point{100, 50}));
    // The start is the point a quarter turn clockwise on screen from it.
    EXPECT_EQ(dc.arcs[0].start, (Point{150, 100}));
    static_cast<CCircleArc&>(*arc).setSweep(360);
    RecordingDC full;
    arc->draw(full);
    EXPECT_EQ(full.ellipses.size(), 1u);
    EXPECT_TRUE(full.arcs.empty());
}

TEST(Cron, WhiteCapHidesTheLensPixelsUnderIt)
{
    CCanvas canvas;
    auto cron = built(typeIdOfName("double1to5cron"), {{60, 150}, {60, 30}}, &canvas, {1, colours::black, 0});
    ASSERT_TRUE(cron);
    // The lenses alone (children 1 to 4), then the whole symbol.
    PixelBuffer lenses(120, 180);
    CRasterDC lensDC(lenses);
    for (size_t i = 1; i <= 4; ++i)
        cron->child(i)->draw(lensDC);
    PixelBuffer whole(120, 180);
    CRasterDC wholeDC(whole);
    cron->draw(wholeDC);
    int blanked = 0;
    for (int32_t y = 0; y < 180; ++y)
        for (int32_t x = 0; x < 120; ++x)
            if (lenses.colourAt(x, y) == colours::black && whole.colourAt(x, y) == colours::white)
                ++blanked;
    EXPECT_GT(blanked, 10);
    EXPECT_EQ(cron->child(5)->typeId(), typeids::kSlipStitch);
    EXPECT_EQ(cron->child(6)->typeId(), typeids::kChain);
}

// A filled triangle sets exactly the pixels whose centres lie inside it or on
// its edges, in the pen's colour, whatever way it turns; its ideal shape is
// the polygon through its corners' pixel centres.
TEST(TriangleFill, FillsThePixelsInsideItsCorners)
{
    const std::vector<Point> triangles[] = {{{2, 2}, {13, 2}, {7, 13}}, {{1, 14}, {14, 9}, {5, 1}}, {{3, 3}, {3, 12}, {12, 12}}};
    for (const std::vector<Point>& corners : triangles) {
        CCanvas canvas;
        auto fill = built(typeids::kTriangleFill, corners, &canvas, {2, rgb(200, 0, 0), 0});
        PixelBuffer pixels(16, 16);
        CRasterDC dc(pixels);
        fill->draw(dc);
        auto side = [&](Point a, Point b, int32_t x, int32_t y) {
            return int64_t(b.x - a.x) * (y - a.y) - int64_t(b.y - a.y) * (x - a.x);
        };
        for (int32_t y = 0; y < 16; ++y)
            for (int32_t x = 0; x < 16; ++x) {
                const int64_t s0 = side(corners[0], corners[1], x, y), s1 = side(corners[1], corners[2], x, y),
                              s2 = side(corners[2], corners[0], x, y);
                const bool inside = (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
                EXPECT_EQ(pixels.at(x, y) == pixelOf(rgb(200, 0, 0)), inside) << x << ", " << y;
            }
        test::RecordingShapes shapes;
        fill->describeShape(shapes);
        ASSERT_EQ(shapes.shapes.size(), 1u);
        EXPECT_EQ(shapes.shapes[0].kind, test::RecordedShape::Kind::FilledPolygon);
        EXPECT_EQ(shapes.shapes[0].fill, rgb(200, 0, 0));
        EXPECT_EQ(shapes.shapes[0].corners, (std::vector<ShapePoint>{test::pixelCentreOf(corners[0]),
                                                                      test::pixelCentreOf(corners[1]),
                                                                      test::pixelCentreOf(corners[2])}));
    }
}
