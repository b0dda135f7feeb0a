// Invariants: the canvas draws its background in light grey (circles about
// the sheet's centre from half its width down, or a grid with lines at every
// spacing up to and including the far edge), then its visible elements, then
// green handle squares with a black frame on the selection's points, stopping
// at the first hidden member. Exported sheets carry no handles.

#include "document/Document.h"
#include "export/BitmapWriter.h"
#include "platform/RasterDC.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::place;

namespace {

constexpr Colour kGrey = rgb(192, 192, 192);

PixelBuffer draw(CCanvas& canvas, int32_t w, int32_t h)
{
    PixelBuffer picture(w, h, colours::white);
    CRasterDC dc(picture);
    canvas.draw(dc);
    return picture;
}

CPattraDoc sheet(int32_t w, int32_t h, int32_t background, int32_t spacing)
{
    CPattraDoc doc;
    doc.setChartSize(w, h);
    doc.canvas().setBackgroundKind(background);
    doc.canvas().setLineSpacing(spacing);
    return doc;
}

} // namespace

TEST(CanvasDrawing, GridLinesStandAtEverySpacingUpToTheFarEdge)
{
    CPattraDoc doc = sheet(120, 90, 2, 30);
    PixelBuffer p = draw(doc.canvas(), 121, 91);
    for (int32_t x : {0, 30, 60, 90, 120})
        EXPECT_EQ(p.colourAt(x, 45), kGrey) << x;
    EXPECT_EQ(p.colourAt(45, 45), colours::white);
    for (int32_t y : {0, 30, 60, 90})
        EXPECT_EQ(p.colourAt(45, y), kGrey) << y;
    // A grid line stops short of its end point.
    EXPECT_EQ(p.colourAt(45, 91), colours::white);
}

TEST(CanvasDrawing, CirclesCentreOnTheSheetWithRadiiFromHalfItsWidth)
{
    CPattraDoc doc = sheet(600, 300, 1, 30);
    PixelBuffer p = draw(doc.canvas(), 600, 300);
    // Centre (300, 150); circles of radius 300, 270, ... reach past the top and bottom.
    for (int32_t r : {270, 240, 120, 30}) {
        bool found = false;
        for (int32_t x = 300 + r - 2; x <= 300 + r + 1; ++x)
            found = found || p.colourAt(x, 150) == kGrey;
        EXPECT_TRUE(found) << r;
        EXPECT_EQ(p.colourAt(300 + r - 10, 150), colours::white) << r;
    }
    // The centre dot: the 2 x 2 box from (299, 149).
    EXPECT_EQ(p.colourAt(299, 149), kGrey);
    EXPECT_EQ(p.colourAt(300, 150), kGrey);
    EXPECT_EQ(p.colourAt(301, 151), colours::white);
    EXPECT_EQ(p.colourAt(298, 148), colours::white);
}

TEST(CanvasDrawing, CleanSheetStaysWhite)
{
    CPattraDoc doc = sheet(50, 50, 0, 30);
    PixelBuffer p = draw(doc.canvas(), 50, 50);
    for (Pixel px : p.pixels())
        ASSERT_EQ(colourOf(px), colours::white);
}

TEST(CanvasDrawing, SelectionHandlesAreGreenSquaresWithABlackFrame)
{
    CPattraDoc doc = sheet(100, 100, 0, 30);
    CChartElement* line = place(doc.canvas(), typeids::kLine, {{20, 20}, {80, 20}}, {1, rgb(0, 0, 255), 0});
    doc.canvas().select(line, SelectMode::Replace);
    PixelBuffer p = draw(doc.canvas(), 100, 100);
    // The square from (17, 17) to (23, 23), right and bottom excluded.
    EXPECT_EQ(p.colourAt(17, 17), colours::black);
    EXPECT_EQ(p.colourAt(22, 22), colours::black);
    EXPECT_EQ(p.colourAt(18, 18), colours::green);
    EXPECT_EQ(p.colourAt(21, 18), colours::green);
    EXPECT_EQ(p.colourAt(23, 23), colours::white);
    EXPECT_EQ(p.colourAt(79, 18), colours::green);
    EXPECT_EQ(p.colourAt(50, 20), rgb(0, 0, 255)); // the line itself
}

TEST(CanvasDrawing, HandlesStopAtTheFirstHiddenMember)
{
    CPattraDoc doc = sheet(100, 100, 0, 30);
    CChartElement* cut = place(doc.canvas(), typeids::kLine, {{10, 10}, {40, 10}});
    CChartElement* after = place(doc.canvas(), typeids::kLine, {{10, 60}, {40, 60}});
    doc.canvas().select(cut, SelectMode::Replace);
    doc.canvas().select(after, SelectMode::Add);
    cut->setFlags(kDeletedFlags); // cut: hidden but still selected
    PixelBuffer p = draw(doc.canvas(), 100, 100);
    EXPECT_EQ(p.colourAt(11, 61), colours::white);
    EXPECT_EQ(p.colourAt(11, 11), colours::white);
    EXPECT_EQ(p.colourAt(25, 60), colours::black);
}

TEST(BitmapExport, FileLayoutAndNoHandles)
{
    CPattraDoc doc = sheet(100, 100, 2, 30);
    CChartElement* line = place(doc.canvas(), typeids::kLine, {{20, 20}, {80, 20}});
    doc.canvas().select(line, SelectMode::Replace);
    std::vector<uint8_t> bytes = encodeBitmap(renderSheet(doc));
    ASSERT_EQ(bytes.size(), 40054u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[10], 54);
    EXPECT_EQ(bytes[14], 40);
    EXPECT_EQ(bytes[28], 32);
    // Bottom row first: pixel (0, 99) is the first, on the grid's x = 0 line.
    EXPECT_EQ(bytes[54], 192);
    EXPECT_EQ(bytes[57], 0);
    // No green handle at (18, 18): row 99 - 18 from the bottom.
    size_t at = 54 + (size_t(99 - 18) * 100 + 18) * 4;
    EXPECT_EQ(bytes[at + 1], 255);
    EXPECT_EQ(bytes[at], 255); // white, not green
}

TEST(BitmapExport, OriginShiftsTheSheet)
{
    CPattraDoc doc = sheet(100, 100, 0, 30);
    place(doc.canvas(), typeids::kLine, {{0, 0}, {0, 50}}, {1, colours::black, 0});
    doc.canvas().setOrigin({10, 5});
    PixelBuffer p = renderSheet(doc);
    EXPECT_EQ(p.colourAt(10, 20), colours::black);
    EXPECT_EQ(p.colourAt(0, 20), colours::white);
}
