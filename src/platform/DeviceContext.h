#pragma once
// The drawing surface every chart element paints on: pens, brushes, raster
// operations, background mode, text and coordinate conversion, with the rules
// of the desktop platform the chart format comes from. Selecting an object
// returns the previous one; save() and restore() keep the drawing attributes
// on a stack, and DrawingState.h holds the scope guard that pairs them.

#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace loopora {

enum class PenStyle : int32_t {
    Solid = 0,
    Dash = 1,       // 18 on, 6 off
    Dot = 2,        // 3 on, 3 off
    DashDot = 3,    // 9 on, 6 off, 3 on, 6 off
    DashDotDot = 4, // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
    Null = 5,       // draws nothing
    InsideFrame = 6 // drawn as solid
};

struct Pen {
    int32_t style = int32_t(PenStyle::Solid); // stored as the chart stores it; unknown values draw solid
    int32_t width = 1;
    Colour colour = colours::black;

    friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Solid, Hollow };

struct Brush {
    BrushStyle style = BrushStyle::Solid;
    Colour colour = colours::white;

    friend bool operator==(const Brush&, const Brush&) = default;
};

// How pen pixels combine with what is already there.
enum class RasterOp {
    CopyPen,  // the pen colour replaces the pixel
    XorPen,   // pixel ^ pen
    NotXorPen // ~(pixel ^ pen)
};

enum class BackgroundMode { Transparent, Opaque };

struct TextMetrics {
    int32_t height = 0;          // ascent plus descent, the distance between lines without leading
    int32_t ascent = 0;
    int32_t externalLeading = 0; // extra space the font asks for between lines
};

// The attributes figures and text are drawn with; the mapping is not among them.
struct DrawingAttributes {
    Pen pen{};
    Brush brush{};
    RasterOp rasterOp = RasterOp::CopyPen;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    Colour backgroundColour = colours::white;
    Colour textColour = colours::black;
};

class CDC {
public:
    virtual ~CDC() = default;

    // Pushes the drawing attributes; restore() pops the last ones pushed
    // back into place, and does nothing when none are pushed.
    void save() { saved_.push_back(attributes_); }
    void restore();

    // Drawing state. Each setter returns what was there before.
    Pen selectPen(const Pen& pen);
    Brush selectBrush(const Brush& brush);
    RasterOp setRasterOp(RasterOp op);
    BackgroundMode setBackgroundMode(BackgroundMode mode);
    Colour setBackgroundColour(Colour c);
    Colour setTextColour(Colour c);

    const Pen& pen() const { return attributes_.pen; }
    const Brush& brush() const { return attributes_.brush; }
    RasterOp rasterOp() const { return attributes_.rasterOp; }
    BackgroundMode backgroundMode() const { return attributes_.backgroundMode; }
    Colour backgroundColour() const { return attributes_.backgroundColour; }
    Colour textColour() const { return attributes_.textColour; }

    // Logical (chart) coordinates map to device pixels as
    // device = logical - windowOrigin + viewportOrigin.
    Point setWindowOrigin(Point origin);
    Point setViewportOrigin(Point origin);
    Point windowOrigin() const { return windowOrigin_; }
    Point viewportOrigin() const { return viewportOrigin_; }
    Point logicalToDevice(Point p) const;
    Point deviceToLogical(Point p) const;
    Rect logicalToDevice(const Rect& r) const;
    // The part of the chart, in logical coordinates, that drawing can change
    // (right and bottom excluded). Figures that are plotted point by point
    // skip everything outside it, so a figure far larger than the picture
    // costs no more than the part of it that shows. A device without a
    // picture of its own reaches everywhere.
    virtual Rect visibleArea() const { return kEverywhere; }
    static constexpr Rect kEverywhere{-(1 << 30), -(1 << 30), 1 << 30, 1 << 30};

    // Figures, all in logical coordinates. moveTo starts a new path: a device
    // that draws dashed pens restarts the dash pattern there.
    virtual void moveTo(int32_t x, int32_t y) { current_ = {x, y}; }
    Point currentPosition() const { return current_; }
    // A line from the current position up to, but not including, (x, y) for a
    // one-pixel pen; wider pens draw the whole segment with round ends.
    virtual void lineTo(int32_t x, int32_t y) = 0;
    // Outline with the pen, inside with the brush; the figure fits the box with
    // its right and bottom edges excluded.
    virtual void ellipse(const Rect& box) = 0;
    virtual void rectangle(const Rect& box) = 0;
    // The part of the box's ellipse from the radial through `start`
    // counter-clockwise (on screen) to the radial through `end`; coinciding
    // radials draw the whole ellipse. No fill.
    virtual void arc(const Rect& box, Point start, Point end) = 0;
    // Fills with a colour regardless of pen, brush and raster operation.
    virtual void fillRect(const Rect& r, Colour c) = 0;
    // A one-pixel frame just inside r, in the colour given.
    virtual void frameRect(const Rect& r, Colour c) = 0;
    // A dotted frame that inverts every other pixel; drawing it twice removes it.
    virtual void drawFocusRect(const Rect& r) = 0;
    // Sets one pixel, ignoring the raster operation.
    virtual void setPixel(int32_t x, int32_t y, Colour c) = 0;
    // Sets many pixels to one colour, as setPixel does each.
    virtual void setPixels(std::span<const Point> pixels, Colour c)
    {
        for (Point p : pixels)
            setPixel(p.x, p.y, c);
    }
    // Sets the pixels left .. right - 1 of row y to one colour, as setPixel does each.
    virtual void setPixelRow(int32_t y, int32_t left, int32_t right, Colour c)
    {
        for (int32_t x = left; x < right; ++x)
            setPixel(x, y, c);
    }
    // UTF-8 text with its top-left corner at (x, y), in the text colour; in
    // opaque mode the text's cell is first filled with the background colour.
    virtual void textOut(int32_t x, int32_t y, std::string_view utf8) = 0;
    virtual TextMetrics textMetrics() const = 0;
    // Width of a text in pixels as textOut would draw it.
    virtual int32_t textWidth(std::string_view utf8) const = 0;

protected:
    Point current_{};

private:
    DrawingAttributes attributes_;
    std::vector<DrawingAttributes> saved_;
    Point windowOrigin_{};
    Point viewportOrigin_{};
};

} // namespace loopora
