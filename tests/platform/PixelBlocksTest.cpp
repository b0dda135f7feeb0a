// Invariants: an enlarged picture shows each source pixel as a square block
// of zoom x zoom pixels, cut where the area begins part way into a block,
// and writes nothing outside its area; a shifted picture holds the old
// pixels moved by the shift and keeps what it uncovers.

#include "platform/PixelBlocks.h"

#include <gtest/gtest.h>

using namespace loopora;

namespace {

// A picture whose every pixel is different: x + 100 y.
PixelBuffer numbered(int32_t width, int32_t height)
{
    PixelBuffer p(width, height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            p.at(x, y) = Pixel(x + 100 * y);
    return p;
}

} // namespace

TEST(PixelBlocks, EveryPixelBecomesABlockCutWhereThePhaseSays)
{
    const PixelBuffer source = numbered(5, 4);
    for (int32_t zoom : {1, 2, 3, 8})
        for (Point phase : {Point{0, 0}, Point{zoom - 1, 0}, Point{zoom / 2, zoom - 1}}) {
            PixelBuffer target(5 * zoom - phase.x, 4 * zoom - phase.y, colours::green);
            enlargeBlocks(source, target, {0, 0, target.width(), target.height()}, zoom, phase);
            for (int32_t y = 0; y < target.height(); ++y)
                for (int32_t x = 0; x < target.width(); ++x)
                    ASSERT_EQ(target.at(x, y), source.at((x + phase.x) / zoom, (y + phase.y) / zoom))
                        << "zoom " << zoom << " at (" << x << ", " << y << ")";
        }
}

TEST(PixelBlocks, OnlyTheAreaAndTheSourcesReachAreWritten)
{
    const PixelBuffer source = numbered(3, 3);
    PixelBuffer target(20, 20, colours::green);
    const Pixel untouched = pixelOf(colours::green);
    enlargeBlocks(source, target, {5, 4, 30, 9}, 4, {1, 2});
    for (int32_t y = 0; y < 20; ++y)
        for (int32_t x = 0; x < 20; ++x) {
            // The source is 3 x 4 - 1 = 11 pixels wide and 3 x 4 - 2 = 10 high from the phase.
            const bool written = x >= 5 && x < 11 && y >= 4 && y < 9;
            if (written)
                EXPECT_EQ(target.at(x, y), source.at((x + 1) / 4, (y + 2) / 4)) << x << ", " << y;
            else
                EXPECT_EQ(target.at(x, y), untouched) << x << ", " << y;
        }
    enlargeBlocks(source, target, {0, 0, 20, 20}, 0, {}); // no zoom, nothing to do
}

TEST(PixelBlocks, ShiftingMovesThePictureAndKeepsWhatItUncovers)
{
    const PixelBuffer original = numbered(7, 6);
    for (int32_t dx : {-3, -1, 0, 2, 6})
        for (int32_t dy : {-5, 0, 1, 4}) {
            PixelBuffer p = original;
            shiftPixels(p, dx, dy);
            for (int32_t y = 0; y < 6; ++y)
                for (int32_t x = 0; x < 7; ++x) {
                    const bool moved = original.inside(x - dx, y - dy);
                    ASSERT_EQ(p.at(x, y), moved ? original.at(x - dx, y - dy) : original.at(x, y))
                        << "shift (" << dx << ", " << dy << ") at (" << x << ", " << y << ")";
                }
        }
    PixelBuffer p = original;
    shiftPixels(p, 7, 0); // the whole width: nothing stays in view
    EXPECT_EQ(p.pixels(), original.pixels());
}

TEST(PixelBlocks, FloorDivisionRoundsTowardMinusInfinity)
{
    EXPECT_EQ(floorDivide(7, 3), 2);
    EXPECT_EQ(floorDivide(-7, 3), -3);
    EXPECT_EQ(floorDivide(-6, 3), -2);
    EXPECT_EQ(floorDivide(-1, 8), -1);
    EXPECT_EQ(floorDivide(0, 8), 0);
}
