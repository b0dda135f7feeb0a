// Invariants: a symbol is built once from its base and top point into strokes
// in a fixed order, with the rounding rules charts have always used; its
// handles are the corners of its strokes' bounds.

#include "document/TypeTable.h"
#include "elements/GroupElement.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::built;

namespace {

// The union of the bounds of the strokes, looking through nested symbols.
Rect strokeBounds(const CChartElement& e)
{
    if (!e.hasFrameHandles())
        return e.getBounds();
    Rect r;
    for (const auto& c : e.children())
        r = CChartElement::accumulateBounds(r, strokeBounds(*c));
    return r;
}

std::vector<Point> pointsOf(const CChartElement& symbol, size_t child)
{
    return symbol.child(child)->points();
}

} // namespace

TEST(Double, VerticalDoubleHasItsThreeExactLines)
{
    auto d = built(typeids::kDouble, {{100, 200}, {100, 120}});
    ASSERT_TRUE(d);
    ASSERT_EQ(d->childCount(), 3u);
    EXPECT_EQ(pointsOf(*d, 0), (std::vector<Point>{{90, 120}, {110, 120}})); // top bar
    EXPECT_EQ(pointsOf(*d, 1), (std::vector<Point>{{100, 200}, {100, 120}})); // stem
    EXPECT_EQ(pointsOf(*d, 2), (std::vector<Point>{{105, 155}, {95, 137}})); // slash through (100, 146)
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(d->child(i)->typeId(), typeids::kLine);
}

TEST(Single, CrossBarFollowsTheChartRounding)
{
    auto s = built(typeids::kSingle, {{0, 0}, {0, 40}});
    ASSERT_TRUE(s);
    ASSERT_EQ(s->childCount(), 2u);
    EXPECT_EQ(pointsOf(*s, 0), (std::vector<Point>{{0, 0}, {0, 40}}));
    // The rotated x is -9.9999999999999964: plus one half, truncated toward zero.
    EXPECT_EQ(pointsOf(*s, 1), (std::vector<Point>{{-9, 20}, {10, 20}}));
}

TEST(TallStitches, SlashCountsAndOrderTellThemApart)
{
    struct Case {
        int32_t type;
        size_t children;
        size_t stem;
    };
    for (Case c : {Case{typeids::kHalfDouble, 2, 0}, Case{typeids::kTreble, 4, 0}, Case{typeids::kDoubleTreble, 5, 1},
                   Case{typeids::kTrebleTreble, 6, 1}}) {
        auto s = built(c.type, {{50, 150}, {50, 50}});
        ASSERT_TRUE(s) << c.type;
        ASSERT_EQ(s->childCount(), c.children) << c.type;
        EXPECT_EQ(pointsOf(*s, c.stem), (std::vector<Point>{{50, 150}, {50, 50}})) << c.type;
    }
}

TEST(TallStitches, HandlesAreTheCornersOfTheStrokesBounds)
{
    auto t = built(typeids::kTreble, {{30, 90}, {70, 20}});
    ASSERT_TRUE(t);
    Rect b;
    for (const auto& c : t->children())
        b = CChartElement::accumulateBounds(b, c->getBounds());
    EXPECT_EQ(t->points(), (std::vector<Point>{{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}}));
    EXPECT_NE(t->points()[0], (Point{30, 90}));
}

TEST(Primitives, CoincidentPointsStillBuildWithTenByTenBounds)
{
    for (int32_t type : {typeids::kChain, typeids::kSlipStitch, typeids::kCircle}) {
        auto e = built(type, {{40, 40}, {40, 40}});
        ASSERT_TRUE(e) << type;
        Rect r = e->getBounds();
        EXPECT_EQ(r.width(), 10) << type;
        EXPECT_EQ(r.height(), 10) << type;
    }
}

TEST(Symbols, DegenerateFrameStillBuilds)
{
    for (const ElementType& symbol : elementTypes()) {
        if (!isCatalogueSymbol(symbol) || symbol.kind == TypeKind::Arrangement)
            continue;
        const int32_t type = symbol.id;
        const std::string_view name = symbol.name;
        auto e = built(type, {{60, 60}, {60, 60}});
        ASSERT_TRUE(e) << name;
        // Every stroke collapses onto the point, so the strokes' box is the 10 x 10 margin around it.
        // (Shortened legs may land a pixel off: 0.97 * 60 + 0.03 * 60 truncates to 59.)
        Rect strokes = strokeBounds(*e);
        EXPECT_NEAR(strokes.left, 55, 1) << name;
        EXPECT_NEAR(strokes.top, 55, 1) << name;
        EXPECT_EQ(strokes.right, 65) << name;
        EXPECT_EQ(strokes.bottom, 65) << name;
    }
}

TEST(Chain2, SplitsAtTheIntegerMidpoint)
{
    auto c = built(3, {{0, 0}, {0, 41}});
    ASSERT_TRUE(c);
    ASSERT_EQ(c->childCount(), 2u);
    EXPECT_EQ(pointsOf(*c, 0), (std::vector<Point>{{0, 0}, {0, 20}}));
    EXPECT_EQ(pointsOf(*c, 1), (std::vector<Point>{{0, 20}, {0, 41}}));
}

TEST(Scratches, TrebleStandsAtTwoSeventhsOthersAtTwoFifths)
{
    auto treble = built(67, {{0, 70}, {0, 0}});
    ASSERT_TRUE(treble);
    // The treble's stem is its first stroke; it stands on (5 * P0 + 2 * P1) / 7.
    EXPECT_EQ(treble->child(0)->child(0)->points()[0], (Point{0, 50}));
    auto dbl = built(64, {{0, 100}, {0, 0}});
    ASSERT_TRUE(dbl);
    EXPECT_EQ(dbl->child(0)->child(1)->points()[0], (Point{0, 60})); // the double's stem is its second stroke
}

TEST(Scratches, TopAndBackAreOpenOnOppositeSides)
{
    auto top = built(64, {{0, 100}, {0, 0}});
    auto back = built(1, {{0, 100}, {0, 0}});
    ASSERT_TRUE(top && back);
    ASSERT_EQ(top->childCount(), 2u);
    EXPECT_EQ(top->child(1)->points(), back->child(1)->points()); // the same ring diameter
    EXPECT_EQ(pointsOf(*top, 0), pointsOf(*back, 0));             // the same double
}
