// SVG written directly rather than through cairo, which can neither name the
// groups after element kinds nor keep text as text.

#include "export/ChartShapes.h"
#include "export/ChartWriters.h"
#include "export/LegendShapes.h"
#include "export/PatternShapes.h"
#include "document/TypeTable.h"
#include "elements/TypeIds.h"
#include "platform/ShapeWindow.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

namespace loopora {
namespace {

// The class an element's group is known by, for restyling a kind at once:
// the type's tool name, or a name for the types no tool places. All are
// lower-case letters and digits.
std::string classOf(int32_t typeId)
{
    const std::string_view name = typeName(typeId);
    if (!name.empty())
        return std::string(name);
    switch (typeId) {
    case kSheetPattern: return "background";
    case kRoundMarks: return "rounds";
    case typeids::kGroup: return "group";
    case typeids::kLens: return "lens";
    default: return "type" + std::to_string(typeId);
    }
}

class SvgShapes final : public ShapeSink {
public:
    explicit SvgShapes(std::string& out) : out_(out) {}

    void beginElement(int32_t typeId) override
    {
        out_ += "<g class=\"";
        out_ += classOf(typeId);
        out_ += "\">\n";
    }
    // A symbol of a round is known by its round too: "double round-2".
    void beginElementOfRound(int32_t typeId, int round) override
    {
        out_ += "<g class=\"";
        out_ += classOf(typeId);
        out_ += " round-" + std::to_string(round) + "\">\n";
    }
    void endElement() override { out_ += "</g>\n"; }

    void line(ShapePoint from, ShapePoint to, const ShapeStroke& stroke) override
    {
        out_ += "<line";
        attribute("x1", from.x);
        attribute("y1", from.y);
        attribute("x2", to.x);
        attribute("y2", to.y);
        strokeAttributes(stroke);
        out_ += "/>\n";
    }

    void ellipse(const ShapeEllipse& e, const ShapeStroke& stroke) override
    {
        ellipseElement(e);
        out_ += " fill=\"none\"";
        strokeAttributes(stroke);
        out_ += "/>\n";
    }

    void filledEllipse(const ShapeEllipse& e, Colour fill) override
    {
        ellipseElement(e);
        colourAttribute("fill", fill);
        out_ += "/>\n";
    }

    // The outline runs from arc to arc of the ellipse along the window's
    // edges, so the numbers stay near the picture however large the ellipse.
    void filledEllipseWithin(const ShapeEllipse& e, Colour fill, const ShapeBox& window) override
    {
        const RegionOutline region = ellipseWithin(e, window);
        if (region.pieces.empty())
            return;
        if (region.pieces.size() == 1) {
            filledEllipse(e, fill); // it lies wholly inside
            return;
        }
        out_ += "<path d=\"M";
        point(region.start);
        for (const OutlinePiece& piece : region.pieces) {
            if (piece.arc)
                arcTo(e, piece.sweep);
            else
                out_ += 'L';
            point(piece.to);
        }
        out_ += "Z\"";
        colourAttribute("fill", fill);
        out_ += "/>\n";
    }

    void filledPolygon(std::span<const ShapePoint> corners, Colour fill) override
    {
        out_ += "<polygon points=\"";
        for (size_t i = 0; i < corners.size(); ++i) {
            if (i > 0)
                out_ += ' ';
            number(corners[i].x);
            out_ += ',';
            number(corners[i].y);
        }
        out_ += '"';
        colourAttribute("fill", fill);
        out_ += "/>\n";
    }

    void ellipseArc(const ShapeEllipse& e, double from, double sweep, const ShapeStroke& stroke) override
    {
        if (std::fabs(sweep) >= 2 * std::numbers::pi) {
            ellipse(e, stroke);
            return;
        }
        out_ += "<path d=\"M";
        point(e.at(from));
        arcTo(e, sweep);
        point(e.at(from + sweep));
        out_ += "\" fill=\"none\"";
        strokeAttributes(stroke);
        out_ += "/>\n";
    }

    void rectangle(ShapePoint corner, ShapePoint opposite, const ShapeStroke& stroke) override
    {
        out_ += "<rect";
        attribute("x", std::min(corner.x, opposite.x));
        attribute("y", std::min(corner.y, opposite.y));
        attribute("width", std::fabs(opposite.x - corner.x));
        attribute("height", std::fabs(opposite.y - corner.y));
        out_ += " fill=\"none\"";
        strokeAttributes(stroke, "miter");
        out_ += "/>\n";
    }

    void text(const ShapeText& text) override
    {
        for (size_t k = 0; k < text.lines.size(); ++k) {
            const ShapeText::Line& line = text.lines[k];
            const double top = text.top + double(k) * text.lineStep;
            if (text.fillCells && line.width > 0) {
                out_ += "<rect";
                attribute("x", text.left);
                attribute("y", top);
                attribute("width", line.width);
                attribute("height", text.cellHeight);
                colourAttribute("fill", text.cellColour);
                out_ += "/>\n";
            }
            if (line.utf8.empty())
                continue;
            out_ += "<text";
            attribute("y", top + text.ascent);
            out_ += " font-family=\"";
            escaped(text.fontFamily);
            out_ += '"';
            attribute("font-size", text.fontPixels);
            colourAttribute("fill", text.colour);
            out_ += " xml:space=\"preserve\">";
            // Each character stands where the chart puts it, in a span of its
            // own: renderers that read one x for each character are few.
            size_t at = 0;
            for (double offset : line.offsets) {
                const size_t start = at;
                decodeUtf8(line.utf8, at);
                out_ += "<tspan";
                attribute("x", text.left + offset);
                out_ += '>';
                escaped(std::string_view(line.utf8).substr(start, at - start));
                out_ += "</tspan>";
            }
            out_ += "</text>\n";
        }
    }

    void number(double v)
    {
        if (!std::isfinite(v))
            v = 0;
        char buffer[64];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 3);
        if (ec != std::errc())
            end = buffer;
        // Three decimals are a thousandth of a pixel; trailing zeros say nothing.
        char* dot = std::find(buffer, end, '.');
        if (dot != end) {
            while (end[-1] == '0')
                --end;
            if (end[-1] == '.')
                --end;
        }
        const std::string_view digits(buffer, size_t(end - buffer));
        out_ += digits == "-0" ? "0" : digits;
    }

    // Text as XML character data, with what XML cannot hold shown as a
    // replacement character, so that every character keeps its place.
    void escaped(std::string_view utf8)
    {
        for (size_t i = 0; i < utf8.size();) {
            char32_t c = decodeUtf8(utf8, i);
            switch (c) {
            case '&': out_ += "&amp;"; continue;
            case '<': out_ += "&lt;"; continue;
            case '>': out_ += "&gt;"; continue;
            case '"': out_ += "&quot;"; continue;
            default: break;
            }
            const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                                 (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
            appendUtf8(out_, allowed ? c : kReplacementCharacter);
        }
    }

private:
    void point(ShapePoint p)
    {
        number(p.x);
        out_ += ' ';
        number(p.y);
    }

    // An arc of the ellipse through `sweep` radians, up to the point that follows.
    void arcTo(const ShapeEllipse& e, double sweep)
    {
        out_ += 'A';
        number(e.along);
        out_ += ' ';
        number(e.across);
        out_ += ' ';
        number(e.angle * 180 / std::numbers::pi);
        out_ += std::fabs(sweep) > std::numbers::pi ? " 1" : " 0";
        out_ += sweep > 0 ? " 1 " : " 0 "; // 1: the way angles grow, clockwise on the screen
    }

    void attribute(const char* name, double v)
    {
        out_ += ' ';
        out_ += name;
        out_ += "=\"";
        number(v);
        out_ += '"';
    }

    void colourAttribute(const char* name, Colour c)
    {
        static constexpr char kHex[] = "0123456789abcdef";
        const uint8_t parts[] = {redOf(c), greenOf(c), blueOf(c)};
        out_ += ' ';
        out_ += name;
        out_ += "=\"#";
        for (uint8_t v : parts) {
            out_ += kHex[v >> 4];
            out_ += kHex[v & 15];
        }
        out_ += '"';
    }

    void strokeAttributes(const ShapeStroke& stroke, const char* join = "round")
    {
        colourAttribute("stroke", stroke.colour);
        attribute("stroke-width", stroke.width);
        out_ += " stroke-linejoin=\"";
        out_ += join;
        out_ += '"';
        const std::vector<double> steps = dashSteps(stroke.dash);
        if (steps.empty()) {
            out_ += " stroke-linecap=\"round\"";
            return;
        }
        out_ += " stroke-dasharray=\"";
        for (size_t i = 0; i < steps.size(); ++i) {
            if (i > 0)
                out_ += ' ';
            number(steps[i] * stroke.dashStep);
        }
        out_ += '"';
    }

    void ellipseElement(const ShapeEllipse& e)
    {
        out_ += "<ellipse";
        attribute("cx", e.centre.x);
        attribute("cy", e.centre.y);
        attribute("rx", e.along);
        attribute("ry", e.across);
        if (e.angle != 0) {
            out_ += " transform=\"rotate(";
            number(e.angle * 180 / std::numbers::pi);
            out_ += ' ';
            number(e.centre.x);
            out_ += ' ';
            number(e.centre.y);
            out_ += ")\"";
        }
    }

    std::string& out_;
};

} // namespace

bool writeChartSvg(const CPattraDoc& doc, const ExportOptions& options, const std::string& title,
                   std::vector<uint8_t>& out, std::string& error)
{
    const std::optional<SheetArea> shown = shownAreaOf(doc, options, error);
    if (!shown)
        return false;
    const SheetArea& sheet = *shown;
    const std::optional<LegendShapes> key = exportedKey(doc, options);
    // With its key, or cropped with a margin, the chart is laid out as on a
    // page the size of the chart, whose millimetres are turned back into
    // chart pixels. The picture is the chart and its key, or a cropped
    // drawing's whole page.
    std::optional<PageLayout> page;
    if (key || options.crop) {
        PageOptions sheetSized;
        sheetSized.paper = PaperSize::Chart;
        if (options.crop)
            sheetSized.marginMm = options.page.marginMm.value_or(kCropMarginMm);
        page = layOutPage(sheet.width, sheet.height, sheetSized, error, key ? &*key : nullptr);
        if (!page)
            return false;
    }
    auto pixels = [&page](double mm) { return mm / page->mmPerPixel; };
    auto wholePixels = [&](double mm) { return int32_t(std::ceil(pixels(mm) - 1e-6)); };
    const double pictureLeft = !page ? 0 : options.crop ? 0 : page->contentLeft;
    const double pictureTop = !page ? 0 : options.crop ? 0 : page->contentTop;
    const int32_t width =
        !page ? sheet.width : wholePixels(options.crop ? page->pageWidth : page->contentWidth);
    int32_t height = !page ? sheet.height : wholePixels(options.crop ? page->pageHeight : page->contentHeight);
    // The written instructions below the picture, set as the key is.
    const double unit = page ? kKeyMmPerUnit / page->mmPerPixel : 1.0;
    const std::optional<PatternShapes> text = exportedPattern(doc, options, patternWidthFor(width / unit));
    const int32_t pictureHeight = height;
    if (text)
        height += int32_t(std::ceil(text->heightOf(0, text->lineCount()) * unit));
    std::string svg;
    svg.reserve(1 << 20);
    SvgShapes shapes(svg);
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    // One chart pixel is one CSS pixel: the chart's size on the screen.
    svg += " width=\"" + std::to_string(width) + "\" height=\"" + std::to_string(height) + "\"";
    svg += " viewBox=\"0 0 " + std::to_string(width) + " " + std::to_string(height) + "\">\n<title>";
    shapes.escaped(title);
    svg += "</title>\n";
    // The shown area no longer ends at the picture's edge beside a key or
    // inside a margin, and a cropped one cuts the sheet: it is clipped as
    // the other formats clip it.
    const bool clipped = page || options.crop;
    if (clipped) {
        svg += "<defs><clipPath id=\"sheet\"><rect width=\"" + std::to_string(sheet.width) + "\" height=\"" +
               std::to_string(sheet.height) + "\"/></clipPath></defs>\n<g transform=\"translate(";
        shapes.number(page ? pixels(page->chartLeft - pictureLeft) : 0);
        svg += ' ';
        shapes.number(page ? pixels(page->chartTop - pictureTop) : 0);
        svg += ")\" clip-path=\"url(#sheet)\">\n";
    }
    const bool shifted = sheet.origin.x != 0 || sheet.origin.y != 0;
    if (shifted)
        svg += "<g transform=\"translate(" + std::to_string(sheet.origin.x) + " " + std::to_string(sheet.origin.y) +
               ")\">\n";
    describeChart(doc, shapes, options);
    if (shifted)
        svg += "</g>\n";
    if (clipped)
        svg += "</g>\n";
    if (key && page && page->key) {
        svg += "<g class=\"legend\" transform=\"translate(";
        shapes.number(pixels(page->key->left - pictureLeft));
        svg += ' ';
        shapes.number(pixels(page->key->top - pictureTop));
        svg += ") scale(";
        shapes.number(page->key->mmPerUnit / page->mmPerPixel);
        svg += ")\">\n";
        key->describe(shapes, page->key->part);
        svg += "</g>\n";
    }
    if (text) {
        svg += "<g class=\"pattern\" transform=\"translate(0 " + std::to_string(pictureHeight) + ") scale(";
        shapes.number(unit);
        svg += ")\">\n";
        text->describe(shapes, 0, text->lineCount());
        svg += "</g>\n";
    }
    svg += "</svg>\n";
    out.assign(svg.begin(), svg.end());
    return true;
}

} // namespace loopora
