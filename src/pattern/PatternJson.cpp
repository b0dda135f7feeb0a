#include "pattern/PatternJson.h"

#include "pattern/PatternText.h"
#include "platform/JsonText.h"

namespace loopora::pattern {
namespace {

std::string_view intoKindName(IntoKind kind)
{
    switch (kind) {
    case IntoKind::Ring: return "ring";
    case IntoKind::Stitch: return "stitch";
    case IntoKind::Chain: return "chain";
    case IntoKind::Space: return "space";
    case IntoKind::None: break;
    }
    return "none";
}

std::string_view foundationKindName(FoundationKind kind)
{
    switch (kind) {
    case FoundationKind::Ring: return "ring";
    case FoundationKind::Chain: return "chain";
    case FoundationKind::None: break;
    }
    return "none";
}

std::string number(int n) { return std::to_string(n); }

void appendInto(std::string& out, const Into& into)
{
    out += "{\"kind\": ";
    appendJsonString(out, intoKindName(into.kind));
    out += ", \"round\": " + number(into.round) + ", \"index\": " + number(into.index) + ", \"top\": " +
           number(into.top) + "}";
}

void appendStitch(std::string& out, const WorkedStitch& w, const PhraseBook& book)
{
    const ElementType* type = elementType(w.typeId);
    out += "{\"path\": " + pathText(w.path) + ", \"type\": " + number(w.typeId) + ", \"abbreviation\": ";
    appendJsonString(out, type ? abbreviationIn(book, *type) : std::string());
    out += ", \"makes\": " + number(w.makes) + ", \"into\": [";
    for (size_t i = 0; i < w.into.size(); ++i) {
        out += i ? ", " : "";
        appendInto(out, w.into[i]);
    }
    out += "]}";
}

} // namespace

std::string patternAsJson(const PatternReading& reading, const PhraseBook& book)
{
    const PatternText text = writePattern(reading, book);
    std::string out = "{\"language\": ";
    appendJsonString(out, book.language);
    out += ", \"terms\": ";
    appendJsonString(out, book.terms);
    out += ",\n\"foundation\": {\"kind\": ";
    appendJsonString(out, foundationKindName(reading.foundation.kind));
    out += ", \"path\": " + pathText(reading.foundation.path) + ", \"text\": ";
    appendJsonString(out, text.foundation);
    out += "},\n\"rounds\": [";
    for (size_t r = 0; r < reading.rounds.size(); ++r) {
        const Round& round = reading.rounds[r];
        out += r ? ",\n" : "\n";
        out += "  {\"number\": " + number(round.number) + ", \"kind\": ";
        appendJsonString(out, round.isRow ? "row" : "round");
        out += ", \"text\": ";
        appendJsonString(out, text.rounds[r]);
        out += ", \"makes\": " + number(round.makes) + ", \"workedInto\": " + number(round.workedInto) +
               ", \"skipped\": " + number(round.skipped) + ", \"stitches\": [";
        for (size_t i = 0; i < round.stitches.size(); ++i) {
            out += i ? ",\n    " : "\n    ";
            appendStitch(out, round.stitches[i], book);
        }
        out += "]}";
    }
    out += "],\n\"warnings\": [";
    for (size_t i = 0; i < reading.warnings.size(); ++i) {
        const Warning& w = reading.warnings[i];
        out += i ? ",\n" : "\n";
        out += "  {\"round\": " + number(w.round) + ", \"index\": " + (w.index >= 0 ? number(w.index) : "null") +
               ", \"path\": " + pathText(w.path) + ", \"message\": ";
        appendJsonString(out, messageOf(book, w.kind));
        out += "}";
    }
    out += "]}\n";
    return out;
}

} // namespace loopora::pattern
