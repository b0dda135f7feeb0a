// Invariants: plain fans turn their legs about the base (tops on a circle),
// flat fans shear them (tops and bars on one line through the top point);
// decreases hang their legs from the top point under one shared bar.

#include "document/TypeTable.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace loopora;
using loopora::test::built;

namespace {

double distance(Point a, Point b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

constexpr Point kBase{200, 300};
constexpr Point kTop{200, 200}; // upright, L = 100

} // namespace

TEST(Fans, FlatFansKeepTopsAndBarsOnTheLineThroughTheTop)
{
    for (const char* name : {"double1to2flat", "double1to3flat", "double1to4flat", "double1to5flat",
                             "leftdouble1to4flat", "rightdouble1to3flat"}) {
        auto fan = built(typeIdOfName(name), {kBase, kTop});
        ASSERT_TRUE(fan) << name;
        ASSERT_EQ(fan->childCount() % 3, 0u);
        for (size_t leg = 0; leg < fan->childCount(); leg += 3) {
            const auto& stem = fan->child(leg)->points();
            const auto& bar = fan->child(leg + 2)->points();
            EXPECT_EQ(stem[0], kBase) << name;
            EXPECT_NEAR(stem[1].y, kTop.y, 1) << name << " leg " << leg / 3;
            EXPECT_NEAR(bar[0].y, bar[1].y, 1) << name << " leg " << leg / 3; // horizontal
        }
    }
}

TEST(Fans, PlainFanTurnsItsLegsAboutTheBase)
{
    auto fan = built(typeIdOfName("double1to3"), {kBase, kTop});
    ASSERT_TRUE(fan);
    ASSERT_EQ(fan->childCount(), 9u);
    // The middle leg stands exactly on the frame.
    EXPECT_EQ(fan->child(3)->points(), (std::vector<Point>{kBase, kTop}));
    for (size_t leg : {0u, 6u}) {
        Point top = fan->child(leg)->points()[1];
        EXPECT_NEAR(distance(kBase, top), 100, 1);
        EXPECT_NEAR(std::abs(top.x - kBase.x), 100 * std::sin(22 * M_PI / 180), 1);
        // Each bar is square to its own leg.
        const auto& bar = fan->child(leg + 2)->points();
        double dot = double(bar[1].x - bar[0].x) * (top.x - kBase.x) + double(bar[1].y - bar[0].y) * (top.y - kBase.y);
        EXPECT_NEAR(dot / (distance(bar[0], bar[1]) * 100), 0, 0.05);
    }
    // R -22 leans left of an upright symbol, R +22 right.
    EXPECT_LT(fan->child(0)->points()[1].x, kBase.x);
    EXPECT_GT(fan->child(6)->points()[1].x, kBase.x);
}

TEST(Fans, SetFanShiftsAndShortensItsOuterLegs)
{
    auto fan = built(typeIdOfName("double1to5set"), {kBase, kTop});
    ASSERT_TRUE(fan);
    // Second leg: shift -10 moves it to the right, shortened by 7%.
    const auto& outer = fan->child(3)->points();
    EXPECT_NEAR(outer[0].x - kBase.x, 100 * std::tan(10 * M_PI / 180), 1.5);
    EXPECT_NEAR(distance(outer[0], outer[1]), 95.9, 1.5);
    EXPECT_EQ(fan->child(0)->points(), (std::vector<Point>{kBase, kTop}));
}

TEST(Fans, TrebleAndDoubleTrebleLegsCarryTheirSlashes)
{
    auto treble = built(97, {kBase, kTop}); // built like double1to3
    auto dtreble = built(121, {kBase, kTop});
    ASSERT_TRUE(treble && dtreble);
    EXPECT_EQ(treble->childCount(), 12u);
    EXPECT_EQ(dtreble->childCount(), 15u);
    // Bars: a quarter of the stem for treble legs, two sevenths for double-treble legs.
    EXPECT_NEAR(distance(treble->child(7)->points()[0], treble->child(7)->points()[1]), 25, 1.5);
    EXPECT_NEAR(distance(dtreble->child(9)->points()[0], dtreble->child(9)->points()[1]), 200.0 / 7, 1.5);
}

TEST(Fans, BridgingChainsJoinNeighbouringBars)
{
    auto fan = built(typeIdOfName("double1to3chain2"), {kBase, kTop});
    ASSERT_TRUE(fan);
    ASSERT_EQ(fan->childCount(), 11u);
    for (size_t i : {9u, 10u}) {
        EXPECT_EQ(fan->child(i)->typeId(), typeids::kChain);
        size_t earlierBar = (i - 9) * 3 + 2;
        EXPECT_EQ(fan->child(i)->points()[0], fan->child(earlierBar)->points()[1]);
        EXPECT_EQ(fan->child(i)->points()[1], fan->child(earlierBar + 3)->points()[0]);
    }
}

TEST(Fans, CrossingChainLiesAcrossTheTopFirst)
{
    auto fan = built(typeIdOfName("double1to2chain2"), {kBase, kTop});
    ASSERT_TRUE(fan);
    EXPECT_EQ(fan->child(0)->typeId(), 3); // a "chain2" group
    const auto& ends = fan->child(0)->child(0)->points();
    EXPECT_EQ(ends[0].y, kTop.y);
}

TEST(Decreases, TurnedLegsHangOnTheCircleAboutTheTopWithOneBar)
{
    auto dec = built(typeIdOfName("double3to1"), {kBase, kTop});
    ASSERT_TRUE(dec);
    ASSERT_EQ(dec->childCount(), 7u);
    // The bar comes first, across the top point: a quarter of the stem, 12.5 rounded to 13 each side.
    EXPECT_EQ(dec->child(0)->points(), (std::vector<Point>{{187, 200}, {213, 200}}));
    for (size_t leg : {1u, 3u, 5u}) {
        const auto& stem = dec->child(leg)->points();
        EXPECT_EQ(stem[1], kTop);
        EXPECT_NEAR(distance(stem[0], kTop), 100, 1);
    }
    EXPECT_EQ(dec->child(3)->points()[0], kBase);
}

TEST(Decreases, FlatLegsHaveTheirBasesOnTheLineThroughTheBase)
{
    auto dec = built(typeIdOfName("double3to1flat"), {kBase, kTop});
    ASSERT_TRUE(dec);
    for (size_t leg : {1u, 3u, 5u})
        EXPECT_EQ(dec->child(leg)->points()[0].y, kBase.y);
    EXPECT_NEAR(std::abs(dec->child(1)->points()[0].x - kBase.x), 36.4, 1);
}

TEST(Decreases, BarComesLastFromFiveLegsOn)
{
    auto four = built(typeIdOfName("double4to1"), {kBase, kTop});
    auto five = built(typeIdOfName("double5to1"), {kBase, kTop});
    ASSERT_TRUE(four && five);
    EXPECT_EQ(four->child(0)->points()[0].y, kTop.y);
    EXPECT_EQ(five->child(five->childCount() - 1)->points()[0].y, kTop.y);
}

TEST(SingleDecrease, HasNoTopBarOnlyASmallCrossNearTheBase)
{
    auto dec = built(typeIdOfName("single2to1"), {kBase, kTop});
    ASSERT_TRUE(dec);
    ASSERT_EQ(dec->childCount(), 3u);
    EXPECT_EQ(dec->child(0)->points()[0], kTop);
    EXPECT_EQ(dec->child(1)->points()[0], kTop);
    EXPECT_EQ(dec->child(2)->typeId(), typeids::kSingle);
    EXPECT_EQ(dec->child(2)->child(0)->points(), (std::vector<Point>{{200, 266}, kBase}));
}
