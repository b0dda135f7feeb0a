#include "document/ChartJson.h"

#include "document/TypeTable.h"
#include "platform/DecimalText.h"
#include "platform/JsonText.h"

#include <algorithm>
#include <cmath>

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

void appendElements(std::string& out, const CChartElement& parent, int depth);

void appendElement(std::string& out, const CChartElement& e, int depth)
{
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
    out += "], \"pen\": [" + std::to_string(e.penWidth()) + ", " + std::to_string(e.penColour()) + ", " +
           std::to_string(e.penStyle()) + "], \"flags\": ";
    appendFlags(out, e.flags());
    JsonFields fields(out);
    e.describeFields(fields);
    out += ", \"children\": ";
    appendElements(out, e, depth + 1);
    out += '}';
}

void appendElements(std::string& out, const CChartElement& parent, int depth)
{
    if (parent.children().empty()) {
        out += "[]";
        return;
    }
    out += "[\n";
    for (size_t i = 0; i < parent.childCount(); ++i) {
        appendElement(out, *parent.child(i), depth);
        out += i + 1 < parent.childCount() ? ",\n" : "\n";
    }
    indent(out, depth - 1);
    out += ']';
}

} // namespace

std::string chartToJson(const CPattraDoc& doc)
{
    const CCanvas& canvas = doc.canvas();
    std::string out = "{\"width\": " + std::to_string(doc.chartWidth()) +
                      ", \"height\": " + std::to_string(doc.chartHeight()) +
                      ", \"background\": " + std::to_string(canvas.backgroundKind()) +
                      ", \"spacing\": " + std::to_string(canvas.lineSpacing()) + ", \"origin\": [" +
                      std::to_string(canvas.origin().x) + ", " + std::to_string(canvas.origin().y) +
                      "],\n\"elements\": ";
    appendElements(out, canvas, 1);
    out += "}\n";
    return out;
}

} // namespace loopora
