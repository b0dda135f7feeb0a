// Invariants of the drawing-attribute stack: restore brings back exactly
// what the matching save kept, saves nest, a restore without a save changes
// nothing, the mapping is not part of it, and the scope guard restores on
// every way out of its scope.

#include "platform/DrawingState.h"
#include "platform/PixelBuffer.h"
#include "platform/RasterDC.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace loopora;

namespace {

void setEverything(CDC& dc, Colour c, RasterOp op, BackgroundMode mode)
{
    dc.selectPen({int32_t(PenStyle::Dot), 3, c});
    dc.selectBrush({BrushStyle::Hollow, c});
    dc.setRasterOp(op);
    dc.setBackgroundMode(mode);
    dc.setBackgroundColour(c);
    dc.setTextColour(c);
}

void expectEverything(const CDC& dc, Colour c, RasterOp op, BackgroundMode mode)
{
    EXPECT_EQ(dc.pen(), (Pen{int32_t(PenStyle::Dot), 3, c}));
    EXPECT_EQ(dc.brush(), (Brush{BrushStyle::Hollow, c}));
    EXPECT_EQ(dc.rasterOp(), op);
    EXPECT_EQ(dc.backgroundMode(), mode);
    EXPECT_EQ(dc.backgroundColour(), c);
    EXPECT_EQ(dc.textColour(), c);
}

} // namespace

TEST(DrawingState, RestoreBringsBackEveryAttributeOfTheMatchingSave)
{
    PixelBuffer pixels(4, 4);
    CRasterDC dc(pixels);
    setEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
    dc.save();
    setEverything(dc, colours::green, RasterOp::NotXorPen, BackgroundMode::Opaque);
    dc.save();
    setEverything(dc, colours::white, RasterOp::CopyPen, BackgroundMode::Transparent);
    dc.restore();
    expectEverything(dc, colours::green, RasterOp::NotXorPen, BackgroundMode::Opaque);
    dc.restore();
    expectEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
    dc.restore(); // nothing saved: nothing changes
    expectEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
}

TEST(DrawingState, TheMappingIsNotSaved)
{
    PixelBuffer pixels(4, 4);
    CRasterDC dc(pixels);
    dc.save();
    dc.setWindowOrigin({7, 9});
    dc.restore();
    EXPECT_EQ(dc.windowOrigin(), (Point{7, 9}));
}

TEST(DrawingState, TheSaverRestoresOnEveryWayOut)
{
    PixelBuffer pixels(4, 4);
    CRasterDC dc(pixels);
    setEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
    {
        DrawingStateSaver saved(dc);
        setEverything(dc, colours::green, RasterOp::CopyPen, BackgroundMode::Opaque);
    }
    expectEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
    try {
        DrawingStateSaver saved(dc);
        setEverything(dc, colours::green, RasterOp::CopyPen, BackgroundMode::Opaque);
        throw std::runtime_error("out");
    } catch (const std::runtime_error&) {
    }
    expectEverything(dc, colours::blue, RasterOp::XorPen, BackgroundMode::Transparent);
}
