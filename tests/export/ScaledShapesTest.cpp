// Invariants of scaled shapes: every point is scaled about the origin and then
// moved; lengths (widths, dash steps, semi-axes, font sizes, glyph offsets)
// are scaled; angles and colours pass unchanged.

#include "export/ScaledShapes.h"
#include "support/RecordingShapes.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::RecordedShape;
using loopora::test::RecordingShapes;

TEST(ScaledShapes, ScalesPointsAndLengthsAndKeepsAnglesAndColours)
{
    RecordingShapes out;
    ScaledShapes scaled(out, 2, {10, 20});
    const ShapeStroke stroke{1.5, colours::black, ShapeDash::Dot, 1};
    const ShapeEllipse e{{3, 4}, 5, 2, 0.5};
    scaled.beginElement(7);
    scaled.line({1, 1}, {2, 3}, stroke);
    scaled.ellipseArc(e, 0.25, 1.5, stroke);
    scaled.filledEllipse(e, rgb(200, 0, 0));
    scaled.rectangle({0, 0}, {4, 5}, stroke);
    ShapeText text;
    text.left = 1;
    text.top = 2;
    text.fontPixels = 13;
    text.ascent = 12;
    text.lines.push_back({"ab", {0, 7}, 14});
    scaled.text(text);
    scaled.endElement();

    ASSERT_EQ(out.shapes.size(), 5u);
    EXPECT_EQ(out.elements, (std::vector<int32_t>{7, RecordingShapes::kEnd}));
    const RecordedShape& line = out.shapes[0];
    EXPECT_EQ(line.a, (ShapePoint{12, 22}));
    EXPECT_EQ(line.b, (ShapePoint{14, 26}));
    EXPECT_DOUBLE_EQ(line.stroke.width, 3);
    EXPECT_DOUBLE_EQ(line.stroke.dashStep, 2);
    EXPECT_EQ(line.stroke.dash, ShapeDash::Dot);

    const RecordedShape& arc = out.shapes[1];
    EXPECT_EQ(arc.ellipse, (ShapeEllipse{{16, 28}, 10, 4, 0.5}));
    EXPECT_DOUBLE_EQ(arc.from, 0.25);
    EXPECT_DOUBLE_EQ(arc.sweep, 1.5);
    EXPECT_EQ(out.shapes[2].fill, rgb(200, 0, 0));
    EXPECT_EQ(out.shapes[3].b, (ShapePoint{18, 30}));

    const ShapeText& t = out.shapes[4].text;
    EXPECT_DOUBLE_EQ(t.left, 12);
    EXPECT_DOUBLE_EQ(t.top, 24);
    EXPECT_DOUBLE_EQ(t.fontPixels, 26);
    EXPECT_DOUBLE_EQ(t.ascent, 24);
    EXPECT_EQ(t.lines[0].offsets, (std::vector<double>{0, 14}));
    EXPECT_DOUBLE_EQ(t.lines[0].width, 28);
}
