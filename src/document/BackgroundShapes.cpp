#include "document/BackgroundShapes.h"

namespace loopora {
namespace {

const ShapeStroke kGuide{1, colours::lightGrey};

// The circle the screen draws on the box from centre - d to centre + d: its
// outline's pixels lie half a pixel inside the box.
void circle(ShapeSink& sink, Point centre, int32_t d)
{
    if (d > 0)
        sink.ellipse({{double(centre.x), double(centre.y)}, d - 0.5, d - 0.5, 0}, kGuide);
}

} // namespace

void describeBackground(const CCanvas& canvas, ShapeSink& sink)
{
    const int32_t s = canvas.lineSpacing();
    const int32_t width = canvas.chartWidth();
    const int32_t height = canvas.chartHeight();
    const auto kind = Background(canvas.backgroundKind());
    if (s <= 0 || (kind != Background::Circles && kind != Background::Grid))
        return;
    sink.beginElement(kSheetPattern);
    if (kind == Background::Circles) {
        // Centred on the sheet; the radius starts from half the width whatever the height.
        const Point centre{width / 2, height / 2};
        for (int32_t d = width / 2; d >= 0; d -= s)
            circle(sink, centre, d);
        circle(sink, centre, 1);
    } else {
        for (int32_t x = 0; x <= width; x += s)
            sink.line({x + 0.5, 0.5}, {x + 0.5, height + 0.5}, kGuide);
        for (int32_t y = 0; y <= height; y += s)
            sink.line({0.5, y + 0.5}, {width + 0.5, y + 0.5}, kGuide);
    }
    sink.endElement();
}

} // namespace loopora
