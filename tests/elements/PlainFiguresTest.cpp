// Invariants: two-point figures are bounded by the rectangle their points span,
// inflated by 5 and normalised, and hit anywhere inside it; labels split their
// text at CR LF; lenses are bounded by the pixels they plot.

#include "elements/LensElement.h"
#include "elements/TextElement.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::place;

TEST(Line, BoundsAndBodyHit)
{
    CCanvas canvas;
    CChartElement* line = place(canvas, typeids::kLine, {{0, 0}, {100, 0}});
    EXPECT_EQ(line->getBounds(), (Rect{-5, -5, 105, 5}));
    HitInfo hit;
    hit.point = {50, 4};
    EXPECT_EQ(line->hitTest(hit), line);
    hit = {};
    hit.point = {50, 5};
    EXPECT_EQ(line->hitTest(hit), nullptr);
}

TEST(Rectangle, BoundsAreNormalisedWhicheverCornerComesFirst)
{
    CCanvas canvas;
    CChartElement* a = place(canvas, typeids::kRectangle, {{80, 90}, {10, 20}});
    CChartElement* b = place(canvas, typeids::kRectangle, {{10, 20}, {80, 90}});
    EXPECT_EQ(a->getBounds(), b->getBounds());
    EXPECT_EQ(a->getBounds(), (Rect{5, 15, 85, 95}));
}

TEST(Text, SplitsAtLineBreaksWithoutATrailingEmptyLine)
{
    EXPECT_EQ(CTextElement::splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(CTextElement::splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(CTextElement::splitLines("single"), (std::vector<std::string>{"single"}));
    EXPECT_TRUE(CTextElement::splitLines("").empty());
}

TEST(Text, CloneCopiesTheString)
{
    CTextElement source;
    source.setText("Ряд 1");
    auto copy = CChartElement::cloneElement(source);
    auto* text = dynamic_cast<CTextElement*>(copy.get());
    ASSERT_TRUE(text);
    EXPECT_EQ(text->text(), "Ряд 1");
    text->setText("other");
    EXPECT_EQ(source.text(), "Ряд 1");
}

TEST(Lens, BoundsFollowThePlottedArcAndItsBulge)
{
    CCanvas canvas;
    auto* lens = static_cast<CLensElement*>(place(canvas, typeids::kLens, {{100, 200}, {100, 120}}));
    Rect narrow = lens->getBounds();
    EXPECT_FALSE(narrow.isEmpty());
    // The arc lies to one side of the vertical chord, so it reaches sideways.
    EXPECT_TRUE(narrow.left < 95 || narrow.right > 105);
    EXPECT_LE(narrow.top, 116); // the arc ends within a pixel of the top point
    EXPECT_GE(narrow.bottom, 205);
    lens->setBulge(1.25);
    Rect flatter = lens->getBounds();
    EXPECT_NE(flatter, narrow);
    lens->moveBy(10, 0);
    EXPECT_EQ(lens->getBounds(), flatter.offset(10, 0));
}

TEST(Lens, OppositeLensesReachOppositeSides)
{
    CCanvas canvas;
    CChartElement* one = place(canvas, typeids::kLens, {{100, 200}, {100, 120}});
    CChartElement* other = place(canvas, typeids::kLens, {{100, 120}, {100, 200}});
    Rect a = one->getBounds();
    Rect b = other->getBounds();
    // Together they close an almond around the chord x = 100.
    EXPECT_TRUE((a.left < 95 && b.right > 105) || (b.left < 95 && a.right > 105));
}

TEST(Lens, DegenerateChordStillHasTenByTenBounds)
{
    CCanvas canvas;
    CChartElement* lens = place(canvas, typeids::kLens, {{50, 50}, {50, 50}});
    Rect r = lens->getBounds();
    EXPECT_EQ(r.width(), 10);
    EXPECT_EQ(r.height(), 10);
}
