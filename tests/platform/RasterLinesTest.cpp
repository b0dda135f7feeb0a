// Lines as Loopora draws stitch strokes: one-pixel pens stop short of the end
// point and may be dashed, wider pens cover the whole segment with round ends,
// and every pixel is written once so XOR strokes can be undrawn.

#include "RasterTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <random>

using namespace loopora;
using namespace loopora::testing;

namespace {

// The path a one-pixel pen draws, pixel by pixel from its definition: along the
// longer axis every step, along the other the nearest pixel, halves rounding
// away from the start; the end point itself is left out.
PixelSet referenceLine(int x0, int y0, int x1, int y1)
{
    PixelSet s;
    const int64_t dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
    const bool xMajor = dx >= dy;
    const int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    for (int64_t i = 0; i < major; ++i) {
        const int64_t m = (2 * i * minor + major) / (2 * major);
        s.insert(xMajor ? std::pair<int, int>(x0 + sx * int(i), y0 + sy * int(m))
                        : std::pair<int, int>(x0 + sx * int(m), y0 + sy * int(i)));
    }
    return s;
}

// A wide pen's pixels from their definition: the disc of diameter w (centred
// on the pixel for odd w, on its top-left corner for even w) stamped on every
// pixel of the path, both ends included.
PixelSet referenceWideLine(int x0, int y0, int x1, int y1, int w)
{
    PixelSet path = referenceLine(x0, y0, x1, y1);
    path.insert({x1, y1});
    const int c = w % 2 == 0 ? 1 : 0;
    PixelSet s;
    for (auto [x, y] : path)
        for (int dy = -w; dy <= w; ++dy)
            for (int dx = -w; dx <= w; ++dx)
                if ((2 * dx + c) * (2 * dx + c) + (2 * dy + c) * (2 * dy + c) <= w * w)
                    s.insert({x + dx, y + dy});
    return s;
}

PixelSet insideBuffer(const PixelSet& s, int width, int height, int dx = 0, int dy = 0)
{
    PixelSet out;
    for (auto [x, y] : s)
        if (x + dx >= 0 && y + dy >= 0 && x + dx < width && y + dy < height)
            out.insert({x + dx, y + dy});
    return out;
}

PixelSet drawLine(int w, int h, const Pen& p, int x0, int y0, int x1, int y1)
{
    PixelBuffer b(w, h);
    CRasterDC dc(b);
    dc.selectPen(p);
    dc.moveTo(x0, y0);
    dc.lineTo(x1, y1);
    return pixelsOf(b, p.colour);
}

// A picture where every pixel differs, so a stray double write shows.
PixelBuffer noisyPicture(int w, int h)
{
    PixelBuffer b(w, h);
    std::mt19937 rng(7);
    for (Pixel& p : b.pixels())
        p = rng() & 0x00FFFFFFu;
    return b;
}

} // namespace

TEST(RasterLines, ThinLineStopsBeforeItsEndPoint)
{
    PixelBuffer b(10, 5);
    CRasterDC dc(b);
    dc.moveTo(1, 2);
    dc.lineTo(6, 2);
    EXPECT_EQ(pixelsOf(b, kInk), row(2, 1, 5)) << picture(b);
    EXPECT_EQ(dc.currentPosition(), (Point{6, 2}));
}

TEST(RasterLines, ThinLinePixelSetsInEachDirection)
{
    EXPECT_EQ(drawLine(10, 10, pen(1), 6, 2, 1, 2), row(2, 2, 6));
    EXPECT_EQ(drawLine(10, 10, pen(1), 3, 1, 3, 5), column(3, 1, 4));
    EXPECT_EQ(drawLine(10, 10, pen(1), 3, 5, 3, 1), column(3, 2, 5));
    EXPECT_EQ(drawLine(10, 10, pen(1), 1, 1, 5, 5), (PixelSet{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
    EXPECT_EQ(drawLine(10, 10, pen(1), 5, 1, 1, 5), (PixelSet{{5, 1}, {4, 2}, {3, 3}, {2, 4}}));
    // Halfway between two rows the path takes the one further from the start.
    EXPECT_EQ(drawLine(10, 10, pen(1), 0, 0, 4, 2), (PixelSet{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
}

TEST(RasterLines, ZeroLengthThinLineDrawsNothing)
{
    EXPECT_TRUE(drawLine(10, 10, pen(1), 4, 4, 4, 4).empty());
    EXPECT_EQ(drawLine(10, 10, pen(1), 4, 4, 5, 4), (PixelSet{{4, 4}}));
}

TEST(RasterLines, ThinLinesFollowTheNearestPixelPath)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> coord(0, 59);
    for (int n = 0; n < 300; ++n) {
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        EXPECT_EQ(drawLine(60, 60, pen(1), x0, y0, x1, y1), referenceLine(x0, y0, x1, y1))
            << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(RasterLines, ClippedLinesKeepTheirPathFarOutsideThePicture)
{
    // Lines that start and end far outside land on the same pixels as the
    // whole path would, at the buffer edges and at the clip rectangle alike.
    std::mt19937 rng(5);
    std::uniform_int_distribution<int> coord(-400, 500);
    for (int n = 0; n < 300; ++n) {
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        const PixelSet expected = referenceLine(x0, y0, x1, y1);
        EXPECT_EQ(drawLine(90, 70, pen(1), x0, y0, x1, y1), insideBuffer(expected, 90, 70));

        PixelBuffer b(90, 70);
        CRasterDC dc(b);
        dc.setClip({20, 10, 50, 40});
        dc.moveTo(x0, y0);
        dc.lineTo(x1, y1);
        PixelSet clipped;
        for (auto [x, y] : expected)
            if (x >= 20 && x < 50 && y >= 10 && y < 40)
                clipped.insert({x, y});
        EXPECT_EQ(pixelsOf(b, kInk), clipped) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(RasterLines, WideLinesAreTheUnionOfPenDiscsAlongThePath)
{
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> coord(-30, 90);
    for (int w : {2, 3, 4, 5, 6, 9}) {
        PixelBuffer b(64, 56); // one device context for many lines, as when painting a chart
        CRasterDC dc(b);
        dc.setClip({10, 12, 40, 33});
        dc.selectPen(pen(w));
        for (int n = 0; n < 60; ++n) {
            const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
            const PixelSet expected = referenceWideLine(x0, y0, x1, y1, w);
            EXPECT_EQ(drawLine(64, 56, pen(w), x0, y0, x1, y1), insideBuffer(expected, 64, 56))
                << "width " << w << ": " << x0 << "," << y0 << " -> " << x1 << "," << y1;

            b.fill(kPaper);
            dc.moveTo(x0, y0);
            dc.lineTo(x1, y1);
            PixelSet clipped;
            for (auto [x, y] : expected)
                if (x >= 10 && x < 40 && y >= 12 && y < 33)
                    clipped.insert({x, y});
            EXPECT_EQ(pixelsOf(b, kInk), clipped) << "width " << w;
        }
    }
}

TEST(RasterLines, LongWideLinesMatchThePenDiscUnion)
{
    for (int w : {3, 5, 8}) {
        EXPECT_EQ(drawLine(700, 320, pen(w), 5, 5, 690, 300),
                  insideBuffer(referenceWideLine(5, 5, 690, 300, w), 700, 320));
        EXPECT_EQ(drawLine(320, 700, pen(w), 300, 690, 7, 3),
                  insideBuffer(referenceWideLine(300, 690, 7, 3, w), 320, 700));
    }
}

TEST(RasterLines, WidthTwoHorizontalLineCoversRowAboveAndBothEnds)
{
    const PixelSet expected = unite(row(4, 4, 10), row(5, 4, 10));
    EXPECT_EQ(drawLine(16, 10, pen(2), 5, 5, 10, 5), expected);
    EXPECT_EQ(drawLine(16, 10, pen(2), 10, 5, 5, 5), expected);
}

TEST(RasterLines, WidthTwoVerticalLineCoversColumnToTheLeft)
{
    EXPECT_EQ(drawLine(10, 12, pen(2), 5, 3, 5, 8), unite(column(4, 2, 8), column(5, 2, 8)));
}

TEST(RasterLines, WideLineHasRoundEnds)
{
    const PixelSet expected = unite(unite(row(8, 9, 21), row(9, 8, 22)),
                                    unite(row(10, 8, 22), unite(row(11, 8, 22), row(12, 9, 21))));
    EXPECT_EQ(drawLine(30, 20, pen(5), 10, 10, 20, 10), expected);
}

TEST(RasterLines, ZeroLengthWideLineDrawsOneDisc)
{
    const PixelSet disc = drawLine(20, 20, pen(5), 10, 10, 10, 10);
    EXPECT_EQ(disc.size(), 21u);
    EXPECT_EQ(boundsOf(disc), (Bounds{8, 8, 13, 13}));
    EXPECT_FALSE(disc.count({8, 8}));
}

TEST(RasterLines, WideDiagonalLineIsSymmetricAndSolid)
{
    const PixelSet line = drawLine(40, 40, pen(7), 8, 8, 30, 30);
    for (auto [x, y] : line)
        EXPECT_TRUE(line.count({y, x})) << x << "," << y;
    for (int k = 8; k <= 30; ++k)
        for (int d = -2; d <= 2; ++d)
            EXPECT_TRUE(line.count({k + d, k - d}));
    EXPECT_EQ(pieces8(line), 1);
}

TEST(RasterLines, DottedPenPaintsGapsInOpaqueMode)
{
    PixelBuffer b(16, 3);
    CRasterDC dc(b);
    dc.selectPen(pen(1, PenStyle::Dot));
    dc.setBackgroundColour(kFill);
    dc.moveTo(0, 1);
    dc.lineTo(12, 1);
    EXPECT_EQ(pixelsOf(b, kInk), unite(row(1, 0, 2), row(1, 6, 8))) << picture(b);
    EXPECT_EQ(pixelsOf(b, kFill), unite(row(1, 3, 5), row(1, 9, 11))) << picture(b);
}

TEST(RasterLines, DottedPenLeavesGapsAloneInTransparentMode)
{
    PixelBuffer b(16, 3);
    CRasterDC dc(b);
    dc.selectPen(pen(1, PenStyle::Dot));
    dc.setBackgroundColour(kFill);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.moveTo(0, 1);
    dc.lineTo(12, 1);
    EXPECT_EQ(pixelsOf(b, kInk), unite(row(1, 0, 2), row(1, 6, 8)));
    EXPECT_EQ(pixelsNot(b, kPaper), pixelsOf(b, kInk));
}

TEST(RasterLines, DottedXorBandStaysDottedAndDrawingItTwiceRemovesIt)
{
    PixelBuffer b(16, 3);
    CRasterDC dc(b);
    dc.selectPen(Pen{int32_t(PenStyle::Dot), 1, colours::white});
    dc.setRasterOp(RasterOp::XorPen);
    dc.moveTo(0, 1);
    dc.lineTo(12, 1);
    // On white paper the dots turn black and the gaps stay white.
    EXPECT_EQ(b.colourAt(1, 1), colours::black);
    EXPECT_EQ(b.colourAt(4, 1), colours::white);
    dc.moveTo(0, 1);
    dc.lineTo(12, 1);
    for (Pixel p : b.pixels())
        ASSERT_EQ(colourOf(p), colours::white);
}

TEST(RasterLines, DashPatternRunsOnAcrossJoinedSegmentsAndRestartsAtMoveTo)
{
    PixelBuffer b(16, 4);
    CRasterDC dc(b);
    dc.selectPen(pen(1, PenStyle::Dot));
    dc.setBackgroundMode(BackgroundMode::Transparent);
    dc.moveTo(0, 1);
    dc.lineTo(4, 1);  // pattern pixels 0..3
    dc.lineTo(8, 1);  // 4..7
    dc.moveTo(8, 1);  // same point, but a new path
    dc.lineTo(12, 1); // 0..3 again
    EXPECT_EQ(pixelsOf(b, kInk), unite(unite(row(1, 0, 2), row(1, 6, 7)), row(1, 8, 10))) << picture(b);
}

TEST(RasterLines, EachDashStyleHasItsPattern)
{
    auto patternOf = [](PenStyle style) {
        PixelBuffer b(50, 1);
        CRasterDC dc(b);
        dc.selectPen(pen(1, style));
        dc.setBackgroundColour(kFill);
        dc.moveTo(0, 0);
        dc.lineTo(48, 0);
        std::string s;
        for (int x = 0; x < 48; ++x)
            s += b.colourAt(x, 0) == kInk ? '#' : '-';
        return s;
    };
    EXPECT_EQ(patternOf(PenStyle::Dash), "##################------##################------");
    EXPECT_EQ(patternOf(PenStyle::Dot), "###---###---###---###---###---###---###---###---");
    EXPECT_EQ(patternOf(PenStyle::DashDot), "#########------###------#########------###------");
    EXPECT_EQ(patternOf(PenStyle::DashDotDot), "#########---###---###---#########---###---###---");
}

TEST(RasterLines, StylesOnlyApplyToOnePixelPens)
{
    EXPECT_EQ(drawLine(30, 10, pen(3, PenStyle::Dot), 2, 5, 20, 5), drawLine(30, 10, pen(3), 2, 5, 20, 5));
    EXPECT_EQ(drawLine(30, 10, Pen{99, 1, kInk}, 2, 5, 20, 5), row(5, 2, 19));
    EXPECT_EQ(drawLine(30, 10, Pen{-4, 1, kInk}, 2, 5, 20, 5), row(5, 2, 19));
    EXPECT_EQ(drawLine(30, 10, pen(1, PenStyle::InsideFrame), 2, 5, 20, 5), row(5, 2, 19));
}

TEST(RasterLines, NullPenDrawsNothingButMoves)
{
    PixelBuffer b(10, 10);
    CRasterDC dc(b);
    dc.selectPen(pen(3, PenStyle::Null));
    dc.moveTo(1, 1);
    dc.lineTo(8, 8);
    EXPECT_TRUE(pixelsNot(b, kPaper).empty());
    EXPECT_EQ(dc.currentPosition(), (Point{8, 8}));
}

TEST(RasterLines, WidthZeroOrNegativeDrawsLikeWidthOne)
{
    const PixelSet one = drawLine(20, 20, pen(1), 2, 3, 17, 11);
    EXPECT_EQ(drawLine(20, 20, pen(0), 2, 3, 17, 11), one);
    EXPECT_EQ(drawLine(20, 20, pen(-7), 2, 3, 17, 11), one);
}

TEST(RasterLines, HugePenWidthIsCapped)
{
    const PixelSet capped = drawLine(300, 300, pen(100000), 150, 150, 150, 150);
    EXPECT_EQ(capped, drawLine(300, 300, pen(255), 150, 150, 150, 150));
    EXPECT_TRUE(capped.count({277, 150}));
    EXPECT_FALSE(capped.count({278, 150}));
}

TEST(RasterLines, XorDottedLineDrawnTwiceRestoresThePicture)
{
    PixelBuffer b = noisyPicture(40, 30);
    const PixelBuffer before = b;
    CRasterDC dc(b);
    dc.selectPen(pen(1, PenStyle::Dot, rgb(200, 30, 90)));
    dc.setRasterOp(RasterOp::XorPen);
    for (int pass = 0; pass < 2; ++pass) {
        dc.moveTo(2, 3);
        dc.lineTo(37, 21);
        dc.lineTo(5, 28);
        if (pass == 0) {
            EXPECT_NE(b.pixels(), before.pixels());
        }
    }
    EXPECT_EQ(b.pixels(), before.pixels());
}

TEST(RasterLines, XorWideLinesDrawnTwiceRestoreThePicture)
{
    for (int width : {2, 3, 6}) {
        PixelBuffer b = noisyPicture(40, 30);
        const PixelBuffer before = b;
        CRasterDC dc(b);
        dc.selectPen(pen(width, PenStyle::Solid, rgb(10, 200, 77)));
        dc.setRasterOp(RasterOp::XorPen);
        for (int pass = 0; pass < 2; ++pass) {
            dc.moveTo(3, 4);
            dc.lineTo(33, 17);
            if (pass == 0) {
                EXPECT_NE(b.pixels(), before.pixels());
            }
        }
        EXPECT_EQ(b.pixels(), before.pixels()) << "width " << width;
    }
}

TEST(RasterLines, NotXorKeepsTheTopByteClearAndUndoesItself)
{
    PixelBuffer b(10, 3, rgb(0x12, 0x34, 0x56));
    CRasterDC dc(b);
    dc.selectPen(pen(1, PenStyle::Solid, rgb(0xF0, 0x0F, 0xAA)));
    dc.setRasterOp(RasterOp::NotXorPen);
    dc.moveTo(0, 1);
    dc.lineTo(5, 1);
    EXPECT_EQ(b.at(2, 1), ~(0x123456u ^ 0xF00FAAu) & 0x00FFFFFFu);
    dc.moveTo(0, 1);
    dc.lineTo(5, 1);
    EXPECT_EQ(b.at(2, 1), 0x123456u);
}

TEST(RasterLines, HugeCoordinatesDrawTheVisiblePartQuickly)
{
    constexpr int far = 16'700'000;
    const auto start = std::chrono::steady_clock::now();
    PixelBuffer b(50, 50);
    CRasterDC dc(b);
    for (int width : {1, 2, 9, 255}) {
        b.fill(kPaper);
        dc.selectPen(pen(width));
        for (int k = 0; k < 20; ++k) {
            dc.moveTo(-far, -far);
            dc.lineTo(far, far);
            dc.moveTo(far, -far + 3 * k);
            dc.lineTo(-far, far - 7 * k);
        }
        EXPECT_EQ(b.colourAt(0, 0), kInk);
        EXPECT_EQ(b.colourAt(37, 37), kInk);
    }
    b.fill(kPaper);
    dc.selectPen(pen(1));
    dc.moveTo(-far, 3);
    dc.lineTo(far, 3);
    EXPECT_EQ(pixelsOf(b, kInk), row(3, 0, 49));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST(RasterLines, ExtremeOriginsNeitherOverflowNorCrash)
{
    PixelBuffer b(20, 20);
    CRasterDC dc(b);
    dc.setWindowOrigin({INT32_MIN, INT32_MAX});
    dc.setViewportOrigin({INT32_MAX, INT32_MIN});
    dc.selectPen(pen(40));
    dc.moveTo(INT32_MAX, INT32_MIN);
    dc.lineTo(INT32_MIN, INT32_MAX);
    dc.ellipse({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
    dc.setWindowOrigin({});
    dc.setViewportOrigin({});
    dc.moveTo(INT32_MIN, INT32_MIN);
    dc.lineTo(INT32_MAX, INT32_MAX);
    EXPECT_EQ(b.colourAt(10, 10), kInk);
}
