// Invariants: an element describes the curve its pixels are plotted along:
// lines between the centres of their end pixels, rectangles through their
// outermost pixels, labels with each glyph where the screen puts it, lenses
// as the arc of their ellipse from the second point to the first. Pens keep
// the screen's rules for what draws at all and how wide. Hidden elements
// describe nothing, as they draw nothing.

#include "elements/IdealShapes.h"
#include "elements/LensElement.h"
#include "elements/TextElement.h"
#include "platform/Font.h"
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

RecordingShapes described(const CChartElement& e)
{
    RecordingShapes sink;
    describeElement(e, sink);
    return sink;
}

double distance(ShapePoint a, ShapePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

} // namespace

TEST(LineShape, RunsBetweenTheCentresOfItsEndPixelsWithThePensWidthAndColour)
{
    CCanvas canvas;
    CChartElement* line = place(canvas, typeids::kLine, {{10, 20}, {30, 40}}, {3, rgb(200, 0, 0), 0});
    const RecordingShapes s = described(*line);
    ASSERT_EQ(s.shapes.size(), 1u);
    EXPECT_EQ(s.shapes[0].kind, Kind::Line);
    EXPECT_EQ(s.shapes[0].a, (ShapePoint{10.5, 20.5}));
    EXPECT_EQ(s.shapes[0].b, (ShapePoint{30.5, 40.5}));
    EXPECT_EQ(s.shapes[0].stroke, (ShapeStroke{3, rgb(200, 0, 0)}));
    EXPECT_EQ(s.elements, (std::vector<int32_t>{typeids::kLine, RecordingShapes::kEnd}));
}

TEST(LineShape, PensTakeTheScreensWidthsAndANullPenDrawsNothing)
{
    CCanvas canvas;
    EXPECT_EQ(described(*place(canvas, typeids::kLine, {{0, 0}, {9, 0}}, {0, 0, 0})).shapes.at(0).stroke.width, 1);
    EXPECT_EQ(described(*place(canvas, typeids::kLine, {{0, 0}, {9, 0}}, {5000, 0, 0})).shapes.at(0).stroke.width, 255);
    EXPECT_TRUE(described(*place(canvas, typeids::kLine, {{0, 0}, {9, 0}}, {1, 0, 5})).shapes.empty());
    // A one-pixel line leaves out its end point, so one of no length shows nothing; a wide one is a dot.
    EXPECT_TRUE(described(*place(canvas, typeids::kLine, {{4, 4}, {4, 4}}, {1, 0, 0})).shapes.empty());
    EXPECT_EQ(described(*place(canvas, typeids::kLine, {{4, 4}, {4, 4}}, {3, 0, 0})).shapes.size(), 1u);
}

TEST(LineShape, ThinDashesStepAsTheScreenStepsAlongTheLongerAxis)
{
    CCanvas canvas;
    const RecordingShapes s = described(*place(canvas, typeids::kLine, {{0, 0}, {30, 10}}, {1, 0, 1}));
    ASSERT_EQ(s.shapes.size(), 1u);
    const RecordedShape& dashed = s.shapes[0];
    EXPECT_EQ(dashed.stroke.dash, ShapeDash::Dash);
    EXPECT_DOUBLE_EQ(dashed.stroke.dashStep, std::hypot(30, 10) / 30);
    // The dashes cover the 30 pixels the screen sets, the last point left out.
    EXPECT_NEAR(dashed.a.x, 0, 1e-9);
    EXPECT_NEAR(dashed.a.y, 0.5 - 1.0 / 6, 1e-9);
    EXPECT_NEAR(dashed.b.x, 30, 1e-9);
    EXPECT_NEAR(distance(dashed.a, dashed.b), 30 * dashed.stroke.dashStep, 1e-9);
    // Wide pens draw solid, as on the screen.
    EXPECT_EQ(described(*place(canvas, typeids::kLine, {{0, 0}, {30, 10}}, {2, 0, 1})).shapes[0].stroke.dash,
              ShapeDash::Solid);
}

TEST(ElementShapes, HiddenElementsAndEverythingInThemDescribeNothing)
{
    CCanvas canvas;
    CChartElement* symbol = place(canvas, typeids::kDouble, {{50, 90}, {50, 30}});
    ASSERT_EQ(described(*symbol).count(Kind::Line), 3u);
    symbol->child(1)->setFlags(kHidden);
    EXPECT_EQ(described(*symbol).count(Kind::Line), 2u);
    symbol->setFlags(kDeletedFlags);
    EXPECT_TRUE(described(*symbol).elements.empty());
    // A figure of no chart describes itself as it draws itself, for pictures of symbols.
    std::unique_ptr<CChartElement> loose = test::built(typeids::kRectangle, {{0, 0}, {9, 9}});
    EXPECT_EQ(described(*loose).shapes.size(), 1u);
}

TEST(ElementShapes, SymbolsDescribeThemselvesThroughTheirChildrenNestedByType)
{
    CCanvas canvas;
    CChartElement* symbol = place(canvas, typeids::kDouble, {{50, 90}, {50, 30}});
    const RecordingShapes s = described(*symbol);
    constexpr int32_t kEnd = RecordingShapes::kEnd;
    EXPECT_EQ(s.elements, (std::vector<int32_t>{typeids::kDouble, typeids::kLine, kEnd, typeids::kLine, kEnd,
                                                typeids::kLine, kEnd, kEnd}));
    for (const RecordedShape& shape : s.shapes)
        EXPECT_EQ(shape.element, typeids::kLine);
}

TEST(RectangleShape, RunsThroughItsOutermostPixelsWhicheverCornerComesFirst)
{
    CCanvas canvas;
    const RecordingShapes a = described(*place(canvas, typeids::kRectangle, {{80, 90}, {10, 20}}));
    const RecordingShapes b = described(*place(canvas, typeids::kRectangle, {{10, 20}, {80, 90}}));
    ASSERT_EQ(a.shapes.size(), 1u);
    EXPECT_EQ(a.shapes[0].a, (ShapePoint{10.5, 20.5}));
    EXPECT_EQ(a.shapes[0].b, (ShapePoint{79.5, 89.5}));
    EXPECT_EQ(b.shapes[0].a, a.shapes[0].a);
    EXPECT_EQ(b.shapes[0].b, a.shapes[0].b);
    EXPECT_TRUE(described(*place(canvas, typeids::kRectangle, {{10, 20}, {10, 90}})).shapes.empty());
}

TEST(TextShape, LinesSpanTheirScreenWidthWithTheFontsOwnSpacingOverWhiteCells)
{
    Font* font = Font::shared();
    if (!font)
        GTEST_SKIP() << "no font";
    CCanvas canvas;
    auto* label = static_cast<CTextElement*>(place(canvas, typeids::kText, {{100, 50}, {10, 10}}));
    label->setText("Ab\r\nЖ\xff");
    const RecordingShapes s = described(*label);
    ASSERT_EQ(s.shapes.size(), 2u);
    EXPECT_EQ(s.shapes[0].kind, Kind::Rectangle); // the frame comes first
    const ShapeText& text = s.shapes[1].text;
    EXPECT_EQ(text.left, 102); // from the first point, whichever corner it is
    EXPECT_EQ(text.top, 52);
    EXPECT_EQ(text.lineStep, font->metrics().height + font->metrics().externalLeading);
    EXPECT_EQ(text.ascent, font->metrics().ascent);
    EXPECT_EQ(text.fontFamily, font->family());
    EXPECT_TRUE(text.fillCells);
    EXPECT_EQ(text.cellColour, colours::white);
    ASSERT_EQ(text.lines.size(), 2u);
    EXPECT_EQ(text.lines[0].utf8, "Ab");
    // The line ends where the screen's does, its glyphs spaced as the font spaces them.
    const double screen = font->glyph('A').advance + font->glyph('b').advance;
    const double natural = font->glyph('A').naturalAdvance + font->glyph('b').naturalAdvance;
    ASSERT_EQ(text.lines[0].offsets.size(), 2u);
    EXPECT_EQ(text.lines[0].offsets[0], 0);
    EXPECT_DOUBLE_EQ(text.lines[0].offsets[1], font->glyph('A').naturalAdvance * screen / natural);
    EXPECT_EQ(text.lines[0].width, screen);
    // A malformed byte shows as the replacement character, as on the screen.
    EXPECT_EQ(text.lines[1].utf8, "Ж\uFFFD");
    EXPECT_EQ(text.lines[1].offsets.size(), 2u);
}

TEST(TextShape, AnEmptyLabelShowsItsPlaceholderLines)
{
    if (!Font::shared())
        GTEST_SKIP() << "no font";
    CCanvas canvas;
    const RecordingShapes s = described(*place(canvas, typeids::kText, {{10, 10}, {100, 50}}));
    ASSERT_EQ(s.count(Kind::Text), 1u);
    EXPECT_EQ(s.shapes[1].text.lines.at(0).utf8, "Введите         ");
    EXPECT_EQ(s.shapes[1].text.lines.at(1).utf8, "текст         ");
}

TEST(LensShape, IsTheArcOfItsEllipseFromTheSecondPointToTheFirst)
{
    CCanvas canvas;
    const Point p0{100, 100};
    const Point p1{140, 160};
    const RecordingShapes one = described(*place(canvas, typeids::kLens, {p0, p1}, {1, 0, 0}));
    const RecordingShapes other = described(*place(canvas, typeids::kLens, {p1, p0}, {1, 0, 0}));
    ASSERT_EQ(one.shapes.size(), 1u);
    ASSERT_EQ(other.shapes.size(), 1u);
    const RecordedShape& a = one.shapes[0];
    ASSERT_EQ(a.kind, Kind::Arc);
    EXPECT_GT(a.sweep, 0); // clockwise on the screen, as its pixels' angles grow
    EXPECT_LT(distance(a.ellipse.at(a.from), test::pixelCentreOf(p1)), 2.0);
    EXPECT_LT(distance(a.ellipse.at(a.from + a.sweep), test::pixelCentreOf(p0)), 2.0);
    // The lens over the same points in the other order bulges to the other side.
    const RecordedShape& b = other.shapes[0];
    auto side = [&](const RecordedShape& arc) {
        const ShapePoint m = arc.ellipse.at(arc.from + arc.sweep / 2);
        return (p1.x - p0.x) * (m.y - p0.y - 0.5) - (p1.y - p0.y) * (m.x - p0.x - 0.5);
    };
    EXPECT_LT(side(a) * side(b), 0);
}
