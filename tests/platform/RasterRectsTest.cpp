// Plain rectangle operations, single pixels, clipping and coordinate origins
// of the raster device context, as Loopora uses them for selection frames,
// grid backgrounds and repainting one invalid area of a chart.

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

#include <random>

using namespace loopora;
using namespace loopora::testing;

namespace {

PixelBuffer noisyPicture(int w, int h)
{
    PixelBuffer b(w, h);
    std::mt19937 rng(3);
    for (Pixel& p : b.pixels())
        p = rng() & 0x00FFFFFFu;
    return b;
}

PixelSet frame(int left, int top, int right, int bottom) // one-pixel frame of [left,right) x [top,bottom)
{
    return unite(unite(row(top, left, right - 1), row(bottom - 1, left, right - 1)),
                 unite(column(left, top, bottom - 1), column(right - 1, top, bottom - 1)));
}

} // namespace

TEST(RasterRects, FillRectCopiesTheColourWhateverThePenAndRasterOp)
{
    PixelBuffer b(10, 8);
    CRasterDC dc(b);
    dc.setRasterOp(RasterOp::XorPen);
    dc.selectPen(pen(1, PenStyle::Null));
    dc.fillRect({2, 2, 5, 4}, kFill);
    EXPECT_EQ(pixelsOf(b, kFill), unite(row(2, 2, 4), row(3, 2, 4)));
    EXPECT_EQ(pixelsNot(b, kPaper), pixelsOf(b, kFill));
}

TEST(RasterRects, FillRectWithoutAreaDrawsNothing)
{
    PixelBuffer b(10, 8);
    CRasterDC dc(b);
    dc.fillRect({5, 5, 2, 2}, kInk);
    dc.fillRect({3, 3, 3, 7}, kInk);
    EXPECT_TRUE(pixelsNot(b, kPaper).empty());
}

TEST(RasterRects, FrameRectIsOnePixelJustInside)
{
    PixelBuffer b(10, 8);
    CRasterDC dc(b);
    dc.setRasterOp(RasterOp::XorPen);
    dc.frameRect({2, 2, 7, 6}, kInk);
    EXPECT_EQ(pixelsNot(b, kPaper), frame(2, 2, 7, 6));
    EXPECT_EQ(pixelsOf(b, kInk), frame(2, 2, 7, 6));

    b.fill(kPaper);
    dc.frameRect({3, 1, 4, 7}, kInk);
    EXPECT_EQ(pixelsOf(b, kInk), column(3, 1, 6));
}

TEST(RasterRects, FocusRectInvertsFramePixelsWithEvenCoordinateSum)
{
    PixelBuffer b(12, 10);
    CRasterDC dc(b);
    dc.drawFocusRect({2, 2, 8, 7});
    PixelSet expected;
    for (auto [x, y] : frame(2, 2, 8, 7))
        if ((x + y) % 2 == 0)
            expected.insert({x, y});
    EXPECT_EQ(pixelsOf(b, kInk), expected);
    EXPECT_EQ(pixelsNot(b, kPaper), expected);
}

TEST(RasterRects, FocusRectDotsFollowDeviceCoordinates)
{
    PixelBuffer b(12, 10);
    CRasterDC dc(b);
    dc.setViewportOrigin({1, 0});
    dc.drawFocusRect({1, 2, 7, 7}); // device (2, 2, 8, 7)
    EXPECT_EQ(b.colourAt(2, 2), kInk);
    EXPECT_EQ(b.colourAt(3, 2), kPaper);
}

TEST(RasterRects, FocusRectDrawnTwiceRestoresThePicture)
{
    for (Rect r : {Rect{2, 2, 15, 11}, Rect{3, 3, 4, 12}, Rect{3, 3, 12, 4}, Rect{4, 4, 5, 5}, Rect{-3, -2, 15, 30}}) {
        PixelBuffer b = noisyPicture(20, 16);
        const PixelBuffer before = b;
        CRasterDC dc(b);
        dc.drawFocusRect(r);
        EXPECT_NE(b.pixels(), before.pixels());
        dc.drawFocusRect(r);
        EXPECT_EQ(b.pixels(), before.pixels());
    }
}

TEST(RasterRects, SetPixelWritesTheColourWhateverTheRasterOp)
{
    PixelBuffer b(5, 5, rgb(10, 20, 30));
    CRasterDC dc(b);
    dc.setRasterOp(RasterOp::XorPen);
    dc.setPixel(2, 3, kFill);
    EXPECT_EQ(b.colourAt(2, 3), kFill);
    dc.setPixel(-1, 2, kFill);
    dc.setPixel(5, 2, kFill);
    dc.setPixel(2, 5, kFill);
    dc.setPixel(INT32_MAX, INT32_MIN, kFill);
    EXPECT_EQ(pixelsOf(b, kFill).size(), 1u);
}

TEST(RasterRects, ClipRectangleLimitsEveryPrimitive)
{
    PixelBuffer b(30, 30);
    CRasterDC dc(b);
    dc.setClip({5, 6, 15, 17});
    dc.selectPen(pen(4));
    dc.selectBrush({BrushStyle::Solid, kFill});
    dc.fillRect({0, 0, 30, 30}, kInk);
    dc.ellipse({-5, -5, 35, 35});
    dc.rectangle({0, 0, 29, 29});
    dc.arc({1, 1, 28, 28}, {0, 0}, {0, 0});
    dc.moveTo(0, 29);
    dc.lineTo(29, 0);
    dc.drawFocusRect({4, 4, 20, 20});
    dc.frameRect({0, 0, 30, 30}, kInk);
    dc.setPixel(3, 3, kInk);
    dc.textOut(0, 8, "Loopora");
    for (auto [x, y] : pixelsNot(b, kPaper))
        EXPECT_TRUE(x >= 5 && x < 15 && y >= 6 && y < 17) << x << "," << y;
    EXPECT_FALSE(pixelsNot(b, kPaper).empty());

    dc.clearClip();
    dc.setPixel(3, 3, kInk);
    EXPECT_EQ(b.colourAt(3, 3), kInk);
}

TEST(RasterRects, ClipReachingBeyondTheBufferStopsAtItsEdges)
{
    PixelBuffer b(20, 20);
    CRasterDC dc(b);
    dc.setClip({-50, -50, 100, 100});
    dc.selectPen(pen(9));
    dc.selectBrush({BrushStyle::Solid, kFill});
    dc.fillRect({-10, -10, 40, 40}, kFill);
    dc.ellipse({-3, -3, 23, 23});
    dc.rectangle({-1, -1, 21, 21});
    dc.moveTo(-5, 19);
    dc.lineTo(25, 19);
    dc.drawFocusRect({-1, 0, 21, 20});
    EXPECT_EQ(b.colourAt(10, 10), kFill);
    EXPECT_EQ(b.colourAt(18, 19), kInk); // the focus frame inverted (19, 19) back

    dc.setClip({25, 25, 40, 40}); // entirely outside
    dc.fillRect({0, 0, 20, 20}, kPaper);
    EXPECT_EQ(b.colourAt(10, 10), kFill);
}

TEST(RasterRects, WindowAndViewportOriginsMoveTheDrawing)
{
    PixelBuffer b(30, 30);
    CRasterDC dc(b);
    dc.setWindowOrigin({100, 50});
    dc.setViewportOrigin({3, 4});
    dc.setPixel(100, 50, kFill);
    EXPECT_EQ(b.colourAt(3, 4), kFill);

    b.fill(kPaper);
    dc.selectBrush({BrushStyle::Hollow, kPaper});
    dc.ellipse({100, 50, 110, 60});
    EXPECT_EQ(boundsOf(pixelsOf(b, kInk)), (Bounds{3, 4, 13, 14}));

    b.fill(kPaper);
    dc.moveTo(101, 61);
    dc.lineTo(105, 61);
    EXPECT_EQ(pixelsOf(b, kInk), row(15, 4, 7));

    b.fill(kPaper);
    dc.fillRect({110, 70, 112, 71}, kInk);
    EXPECT_EQ(pixelsOf(b, kInk), row(24, 13, 14));
}
