#include "app/ProgramIcon.h"

#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "platform/DeviceContext.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

namespace loopora::app {
namespace {

// The icon's own units: a square of kUnits, the tile inset by half its border.
constexpr double kUnits = 256.0;
constexpr double kBorder = 12.0;
constexpr double kCorner = 44.0;
constexpr double kStroke = 12.0;
// The symbol fills this much of the tile's side.
constexpr double kSymbolShare = 0.72;

struct Segment {
    double x1, y1, x2, y2;
};

struct Rgb {
    int r, g, b;
};
constexpr Rgb kTile{250, 245, 230};
constexpr Rgb kTileBorder{120, 90, 60};
constexpr Rgb kInk{150, 30, 60};

// A device that keeps the straight strokes drawn on it. The icon's symbol is
// built of straight strokes only; any other figure would be left out of the
// picture, so it is refused.
class StrokeRecorder final : public CDC {
public:
    void lineTo(int32_t x, int32_t y) override
    {
        segments.push_back({double(current_.x), double(current_.y), double(x), double(y)});
        current_ = {x, y};
    }
    void ellipse(const Rect&) override { refuse(); }
    void rectangle(const Rect&) override { refuse(); }
    void arc(const Rect&, Point, Point) override { refuse(); }
    void fillRect(const Rect&, Colour) override { refuse(); }
    void frameRect(const Rect&, Colour) override { refuse(); }
    void drawFocusRect(const Rect&) override { refuse(); }
    void setPixel(int32_t, int32_t, Colour) override { refuse(); }
    void textOut(int32_t, int32_t, std::string_view) override { refuse(); }
    TextMetrics textMetrics() const override { return {}; }
    int32_t textWidth(std::string_view) const override { return 0; }

    std::vector<Segment> segments;

private:
    [[noreturn]] static void refuse() { throw std::logic_error("the icon's symbol draws a figure other than a line"); }
};

// The fan's strokes, fitted and centred on the tile in icon units.
const std::vector<Segment>& symbolStrokes()
{
    static const std::vector<Segment> strokes = [] {
        std::unique_ptr<CChartElement> fan = createElement(typeIdOfName("double1to3"));
        if (!fan)
            throw std::logic_error("the icon's symbol is not in the catalogue");
        fan->assignState(ElementState{{{0, 1000}, {0, 0}}, 1, colours::black, 0});
        StrokeRecorder recorder;
        fan->draw(recorder);
        std::vector<Segment> out = recorder.segments;
        if (out.empty())
            throw std::logic_error("the icon's symbol drew nothing");
        double left = out[0].x1, right = left, top = out[0].y1, bottom = top;
        for (const Segment& s : out) {
            left = std::min({left, s.x1, s.x2});
            right = std::max({right, s.x1, s.x2});
            top = std::min({top, s.y1, s.y2});
            bottom = std::max({bottom, s.y1, s.y2});
        }
        const double room = (kUnits - 2 * kBorder) * kSymbolShare;
        const double scale = room / std::max(right - left, bottom - top);
        const double dx = kUnits / 2 - (left + right) / 2 * scale;
        const double dy = kUnits / 2 - (top + bottom) / 2 * scale;
        for (Segment& s : out)
            s = {s.x1 * scale + dx, s.y1 * scale + dy, s.x2 * scale + dx, s.y2 * scale + dy};
        return out;
    }();
    return strokes;
}

QColor qColour(Rgb c) { return QColor(c.r, c.g, c.b); }

std::string svgColour(Rgb c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    std::string out = text;
    out.erase(out.find_last_not_of('0') + 1);
    if (out.back() == '.')
        out.pop_back();
    return out;
}

} // namespace

QImage programIconPicture(int side)
{
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / kUnits, side / kUnits);
    // Small pictures keep their strokes at least a pixel wide.
    const double pixel = kUnits / side;
    p.setPen(QPen(qColour(kTileBorder), std::max(kBorder, pixel)));
    p.setBrush(qColour(kTile));
    const double inset = std::max(kBorder, pixel) / 2;
    p.drawRoundedRect(QRectF(inset, inset, kUnits - 2 * inset, kUnits - 2 * inset), kCorner, kCorner);
    p.setPen(QPen(qColour(kInk), std::max(kStroke, 1.2 * pixel), Qt::SolidLine, Qt::RoundCap));
    for (const Segment& s : symbolStrokes())
        p.drawLine(QLineF(s.x1, s.y1, s.x2, s.y2));
    return picture;
}

std::string programIconSvg()
{
    const std::string size = number(kUnits);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size +
                      "\" viewBox=\"0 0 " + size + " " + size + "\">\n";
    const double inset = kBorder / 2;
    svg += "  <rect x=\"" + number(inset) + "\" y=\"" + number(inset) + "\" width=\"" + number(kUnits - 2 * inset) +
           "\" height=\"" + number(kUnits - 2 * inset) + "\" rx=\"" + number(kCorner) + "\" fill=\"" +
           svgColour(kTile) + "\" stroke=\"" + svgColour(kTileBorder) + "\" stroke-width=\"" + number(kBorder) +
           "\"/>\n";
    svg += "  <g stroke=\"" + svgColour(kInk) + "\" stroke-width=\"" + number(kStroke) +
           "\" stroke-linecap=\"round\" fill=\"none\">\n";
    for (const Segment& s : symbolStrokes())
        svg += "    <line x1=\"" + number(s.x1) + "\" y1=\"" + number(s.y1) + "\" x2=\"" + number(s.x2) + "\" y2=\"" +
               number(s.y2) + "\"/>\n";
    svg += "  </g>\n</svg>\n";
    return svg;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(programIconPicture(side)));
    return icon;
}

} // namespace loopora::app
