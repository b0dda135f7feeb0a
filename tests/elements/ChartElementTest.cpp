// Invariants: transforms truncate toward zero with the chart's degree factor;
// children move with their parent; handles are 8x8 squares with the right and
// bottom edges outside; a copy shares nothing with its source.

#include "elements/GroupElement.h"
#include "elements/LineElement.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::place;

namespace {

std::unique_ptr<CChartElement> lineAt(Point a, Point b)
{
    auto line = std::make_unique<CLineElement>();
    line->assignState({{a, b}});
    return line;
}

} // namespace

TEST(ChartElement, RotationTruncatesTowardZero)
{
    auto e = lineAt({10, 0}, {0, 0});
    e->rotate({0, 0}, 90);
    EXPECT_EQ(e->points()[0], (Point{0, 9}));
    auto f = lineAt({10, 0}, {0, 0});
    f->rotate({0, 0}, 180);
    EXPECT_EQ(f->points()[0], (Point{-9, 0}));
}

TEST(ChartElement, RotationInRadiansTurnsClockwiseOnScreen)
{
    auto e = lineAt({100, 0}, {0, 0});
    e->rotateRadians({0, 0}, 3.14159265358979 / 2);
    // y grows downwards, so a quarter turn takes the x axis to the positive y axis.
    EXPECT_EQ(e->points()[0].x, 0);
    EXPECT_GE(e->points()[0].y, 99);
}

TEST(ChartElement, MirrorTwiceRestoresEveryCoordinate)
{
    CCanvas canvas;
    auto* g = static_cast<CGroupElement*>(canvas.appendChild(std::make_unique<CGroupElement>()));
    place(*g, typeids::kLine, {{3, 7}, {41, -13}});
    place(*g, typeids::kLine, {{-20, 5}, {8, 90}});
    g->recomputeFrame();
    std::vector<Point> before0 = g->child(0)->points(), before1 = g->child(1)->points(), frame = g->points();
    g->mirrorX({17, 0});
    EXPECT_NE(g->child(0)->points(), before0);
    g->mirrorX({17, 0});
    g->mirrorY({0, -33});
    g->mirrorY({0, -33});
    EXPECT_EQ(g->child(0)->points(), before0);
    EXPECT_EQ(g->child(1)->points(), before1);
    EXPECT_EQ(g->points(), frame);
}

TEST(ChartElement, ScaleTruncatesAboutTheCentre)
{
    auto e = lineAt({10, 10}, {15, 3});
    e->scale({0, 0}, 1.5, 0.5);
    EXPECT_EQ(e->points()[0], (Point{15, 5}));
    EXPECT_EQ(e->points()[1], (Point{22, 1}));
}

TEST(ChartElement, MoveByMovesChildrenAndOwnPoints)
{
    CCanvas canvas;
    auto* g = static_cast<CGroupElement*>(canvas.appendChild(std::make_unique<CGroupElement>()));
    place(*g, typeids::kLine, {{0, 0}, {10, 0}});
    g->recomputeFrame();
    g->moveBy(5, -2);
    EXPECT_EQ(g->child(0)->points()[0], (Point{5, -2}));
    EXPECT_EQ(g->points()[0], (Point{0, -7}));
    g->movePoint(7, 1, 1); // out of range: nothing happens
    EXPECT_EQ(g->points()[0], (Point{0, -7}));
}

TEST(ChartElement, HandleSquareIncludesLeftTopButNotRightBottom)
{
    CCanvas canvas;
    CChartElement* line = place(canvas, typeids::kLine, {{100, 100}, {200, 100}});
    HitInfo hit;
    hit.point = {96, 96};
    EXPECT_EQ(line->hitTest(hit), line);
    EXPECT_EQ(hit.part, HitPart::Handle);
    EXPECT_EQ(hit.handleIndex, 0u);
    hit = {};
    hit.point = {104, 100};
    ASSERT_EQ(line->hitTest(hit), line);
    EXPECT_EQ(hit.part, HitPart::Body); // not the handle any more, still inside the bounds
}

TEST(ChartElement, BoundsOfNothingAreNullAndCompositesTakeTheirChildren)
{
    CChartElement bare;
    EXPECT_TRUE(bare.getBounds().isNull());
    CCanvas canvas;
    place(canvas, typeids::kLine, {{0, 0}, {100, 0}});
    place(canvas, typeids::kLine, {{50, 50}, {60, 70}});
    EXPECT_EQ(canvas.getBounds(), (Rect{-5, -5, 105, 75}));
}

TEST(ChartElement, LaterChildWinsTheHitTest)
{
    CCanvas canvas;
    place(canvas, typeids::kLine, {{0, 0}, {100, 100}});
    CChartElement* top = place(canvas, typeids::kLine, {{20, 20}, {80, 80}});
    HitInfo hit;
    hit.point = {50, 50};
    EXPECT_EQ(canvas.hitTest(hit), top);
}

TEST(ChartElement, DeletedElementDoesNotHideWhatLiesBelow)
{
    CCanvas canvas;
    CChartElement* below = place(canvas, typeids::kLine, {{0, 0}, {100, 100}});
    CChartElement* deleted = place(canvas, typeids::kLine, {{20, 20}, {80, 80}});
    deleted->setFlags(kDeletedFlags);
    HitInfo hit;
    hit.point = {50, 50};
    EXPECT_EQ(canvas.hitTest(hit), below);
}

TEST(ChartElement, CloneCopiesPenAndPointsButNoFlagsOrParent)
{
    CCanvas canvas;
    CChartElement* source = place(canvas, typeids::kLine, {{1, 2}, {3, 4}}, {3, rgb(255, 0, 0), 1});
    source->setFlags(kSelected | kCurrent);
    auto copy = CChartElement::cloneElement(*source);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->typeId(), typeids::kLine);
    EXPECT_EQ(copy->points(), source->points());
    EXPECT_EQ(copy->pen(), (PenAttributes{3, rgb(255, 0, 0), 1}));
    EXPECT_EQ(copy->flags(), 0);
    EXPECT_EQ(copy->parent(), nullptr);
    // A copy belongs to a chart once it stands in one.
    EXPECT_EQ(copy->canvas(), nullptr);
    EXPECT_EQ(canvas.appendChild(std::move(copy))->canvas(), &canvas);
    CChartElement bare;
    EXPECT_EQ(CChartElement::cloneElement(bare), nullptr);
}

TEST(ChartElement, SetPenReachesEveryChild)
{
    CCanvas canvas;
    auto* g = static_cast<CGroupElement*>(canvas.appendChild(std::make_unique<CGroupElement>()));
    place(*g, typeids::kLine, {{0, 0}, {1, 1}});
    g->setPen({2, rgb(1, 2, 3), 0});
    EXPECT_EQ(g->child(0)->penColour(), rgb(1, 2, 3));
    EXPECT_EQ(g->penWidth(), 2);
}

TEST(PrototypeTable, CreatesDistinctUnplacedElements)
{
    auto a = createElement(typeids::kLine);
    auto b = createElement(typeids::kLine);
    ASSERT_TRUE(a && b);
    EXPECT_NE(a.get(), b.get());
    EXPECT_TRUE(a->points().empty());
    EXPECT_EQ(createElement(151), nullptr);
    EXPECT_EQ(createElement(-1), nullptr);
    EXPECT_EQ(createElement(200), nullptr);
    EXPECT_EQ(createElement(typeids::kCanvas), nullptr); // the canvas cannot be copied
}

TEST(PrototypeTable, RefusesASecondPrototypeForAnId)
{
    const CChartElement* line = PrototypeTable::prototype(typeids::kLine);
    EXPECT_FALSE(PrototypeTable::install(typeids::kLine, std::make_unique<CGroupElement>()));
    EXPECT_EQ(PrototypeTable::prototype(typeids::kLine), line);
    EXPECT_FALSE(PrototypeTable::install(PrototypeTable::kSize, std::make_unique<CGroupElement>()));
    EXPECT_FALSE(PrototypeTable::install(-1, std::make_unique<CGroupElement>()));
    EXPECT_FALSE(PrototypeTable::install(151, nullptr));
    EXPECT_EQ(PrototypeTable::prototype(151), nullptr);
}
