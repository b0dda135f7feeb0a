#include "document/ChartJson.h"

#include "document/TypeTable.h"
#include "platform/DecimalText.h"
#include "platform/JsonText.h"
#include "platform/StreamedText.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace loopora {
namespace {

std::string number(double v)
{
    if (!std::isfinite(v))
        return "null";
    return formatDecimal(v);
}

class JsonFields : public FieldSink {
public:
    explicit JsonFields(std::string& out) : out_(out) {}
    void field(std::string_view name, double v) override { key(name) += number(v); }
    void field(std::string_view name, int32_t v) override { key(name) += std::to_string(v); }
    void field(std::string_view name, bool v) override { key(name) += v ? "true" : "false"; }
    void field(std::string_view name, const std::string& utf8) override { appendJsonString(key(name), utf8); }

private:
    std::string& key(std::string_view name)
    {
        out_ += ", ";
        appendJsonString(out_, name);
        out_ += ": ";
        return out_;
    }
    std::string& out_;
};

void appendFlags(std::string& out, int32_t flags)
{
    static constexpr std::pair<int32_t, const char*> kNames[] = {
        {kHidden, "hidden"}, {kRemoved, "removed"}, {kSelected, "selected"}, {kCurrent, "current"}};
    out += '[';
    bool first = true;
    for (auto [bit, name] : kNames) {
        if (!(flags & bit))
            continue;
        if (!first)
            out += ", ";
        first = false;
        out += '"';
        out += name;
        out += '"';
    }
    out += ']';
}

// Indentation stops growing this many levels down, so that a listing grows
// with the number of elements however deep their groups nest.
constexpr int kDeepestIndent = 16;

void indent(std::string& out, int depth) { out.append(size_t(std::clamp(depth, 0, kDeepestIndent)) * 2, ' '); }

void appendElements(StreamedText& to, const CChartElement& parent, int depth);

void appendElement(StreamedText& to, const CChartElement& e, int depth)
{
    std::string& out = to.text();
    indent(out, depth);
    out += "{\"type\": " + std::to_string(e.typeId()) + ", \"name\": ";
    std::string_view name = typeName(e.typeId());
    if (name.empty())
        out += "null";
    else
        appendJsonString(out, name);
    out += ", \"points\": [";
    for (size_t i = 0; i < e.points().size(); ++i) {
        Point p = e.points()[i];
        out += (i ? ", [" : "[") + std::to_string(p.x) + ", " + std::to_string(p.y) + "]";
    }
    const PenAttributes& pen = e.pen();
    out += "], \"pen\": [" + std::to_string(pen.penWidth) + ", " + std::to_string(pen.penColour) + ", " +
           std::to_string(pen.penStyle) + "], \"flags\": ";
    appendFlags(out, e.flags());
    JsonFields fields(out);
    e.describeFields(fields);
    out += ", \"children\": ";
    appendElements(to, e, depth + 1);
    to.text() += '}';
}

void appendElements(StreamedText& to, const CChartElement& parent, int depth)
{
    const CChartElement::Children children = parent.children();
    if (children.empty()) {
        to.text() += "[]";
        return;
    }
    to.text() += "[\n";
    for (size_t i = 0; i < children.size(); ++i) {
        appendElement(to, *children[i], depth);
        to.text() += i + 1 < children.size() ? ",\n" : "\n";
        to.drain();
    }
    indent(to.text(), depth - 1);
    to.text() += ']';
}

} // namespace

void writeChartJson(const CPattraDoc& doc, std::ostream& to)
{
    const CCanvas& canvas = doc.canvas();
    StreamedText streamed(to);
    streamed.text() = "{\"width\": " + std::to_string(doc.chartWidth()) +
                      ", \"height\": " + std::to_string(doc.chartHeight()) +
                      ", \"background\": " + std::to_string(canvas.backgroundKind()) +
                      ", \"spacing\": " + std::to_string(canvas.lineSpacing()) + ", \"origin\": [" +
                      std::to_string(canvas.origin().x) + ", " + std::to_string(canvas.origin().y) +
                      "],\n\"elements\": ";
    appendElements(streamed, canvas, 1);
    streamed.text() += "}\n";
}

std::string chartToJson(const CPattraDoc& doc)
{
    std::ostringstream out;
    writeChartJson(doc, out);
    return std::move(out).str();
}

} // namespace loopora
