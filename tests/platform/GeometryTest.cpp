// Rectangles follow the platform rules: left/top inside, right/bottom outside;
// an empty rectangle never widens a union; conversions saturate.

#include "platform/Geometry.h"
#include "platform/Numeric.h"

#include <gtest/gtest.h>

#include <limits>

using namespace loopora;

TEST(Rect, ContainsLeftTopButNotRightBottom)
{
    Rect r{0, 0, 10, 10};
    EXPECT_TRUE(r.contains({0, 0}));
    EXPECT_TRUE(r.contains({9, 9}));
    EXPECT_FALSE(r.contains({10, 5}));
    EXPECT_FALSE(r.contains({5, 10}));
    EXPECT_FALSE(r.contains({-1, 5}));
}

TEST(Rect, UnionIgnoresEmptyRectangles)
{
    Rect a{0, 0, 10, 10};
    Rect empty{50, 50, 50, 60};
    EXPECT_EQ(Rect::united(a, empty), a);
    EXPECT_EQ(Rect::united(empty, a), a);
    EXPECT_EQ(Rect::united(empty, empty), Rect{});
    EXPECT_EQ(Rect::united(a, Rect{5, -5, 20, 3}), (Rect{0, -5, 20, 10}));
}

TEST(Rect, IntersectionOfDisjointRectanglesIsNull)
{
    EXPECT_EQ(Rect::intersected({0, 0, 10, 10}, {10, 0, 20, 10}), Rect{});
    EXPECT_EQ(Rect::intersected({0, 0, 10, 10}, {5, 5, 20, 20}), (Rect{5, 5, 10, 10}));
}

TEST(Rect, NormalizeAndInflate)
{
    EXPECT_EQ((Rect{10, 20, 0, 5}.normalized()), (Rect{0, 5, 10, 20}));
    EXPECT_EQ((Rect{0, 0, 100, 0}.inflated(5)), (Rect{-5, -5, 105, 5}));
    EXPECT_TRUE((Rect{3, 3, 3, 9}).isEmpty());
}

TEST(Numeric, RoundingRules)
{
    EXPECT_EQ(roundHalfUp(-2.7), -2);
    EXPECT_EQ(roundHalfUp(2.5), 3);
    EXPECT_EQ(roundHalfUp(-9.9999999999999964), -9);
    EXPECT_EQ(roundFractionUp(2.5), 3);
    EXPECT_EQ(roundFractionUp(2.49), 2);
    EXPECT_EQ(roundFractionUp(-2.7), -2);
    EXPECT_EQ(truncToInt(-0.9), 0);
}

TEST(Numeric, ConversionsSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(truncToInt(1e300), kCoordinateLimit);
    EXPECT_EQ(truncToInt(-1e300), -kCoordinateLimit);
    EXPECT_EQ(truncToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncToInt(std::numeric_limits<double>::infinity()), kCoordinateLimit);
}
