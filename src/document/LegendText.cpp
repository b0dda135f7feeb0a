#include "document/LegendText.h"

#include "platform/JsonText.h"
#include "platform/StreamedText.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <sstream>

namespace loopora {
namespace {

constexpr LegendWords kRussian{"Легенда",  "Условные обозначения", "Сокр.",           "Название",
                               "На схеме", "Выделено",             "Символов",        "Провязано в петли",
                               "Получено петель"};
constexpr LegendWords kEnglish{"Legend",   "Legend",  "Abbr.",       "Name", "In chart",
                               "Selected", "Symbols", "Worked into", "Makes"};

size_t columns(std::string_view text) { return decodeUtf8(text).size(); }

void pad(std::string& out, std::string_view text, size_t width)
{
    out += text;
    out.append(width - std::min(width, columns(text)), ' ');
}

std::string count(int64_t n) { return std::to_string(n); }

struct Totals {
    int64_t symbols, workedInto, makes;
};

void appendTotals(std::string& out, const Totals& totals)
{
    out += "{\"symbols\": " + count(totals.symbols) + ", \"workedInto\": " + count(totals.workedInto) +
           ", \"makes\": " + count(totals.makes) + "}";
}

void appendSymbols(std::string& out, const StitchTally& tally, Language language, const char* indent)
{
    const Legend legend = makeLegend(tally, nullptr);
    out += "[";
    for (size_t i = 0; i < legend.rows.size(); ++i) {
        const ElementType& type = *legend.rows[i].type;
        const HumanName& name = humanName(type, language);
        out += i ? ",\n" : "\n";
        out += indent;
        out += "{\"type\": " + std::to_string(type.id) + ", \"tool\": ";
        appendJsonString(out, type.name);
        out += ", \"name\": ";
        appendJsonString(out, name.name);
        out += ", \"abbreviation\": ";
        appendJsonString(out, name.abbreviation);
        out += ", \"count\": " + count(legend.rows[i].inChart) + ", \"workedInto\": " +
               std::to_string(type.counts.workedInto) + ", \"makes\": " + std::to_string(type.counts.makes) + "}";
    }
    out += "]";
}

} // namespace

const LegendWords& legendWords(Language language) { return language == Language::English ? kEnglish : kRussian; }

std::string totalsText(const StitchTally& tally, Language language)
{
    const LegendWords& w = legendWords(language);
    std::string out;
    out.append(w.symbols).append(": ").append(count(tally.symbols));
    out.append(" · ").append(w.workedInto).append(": ").append(count(tally.workedInto));
    out.append(" · ").append(w.makes).append(": ").append(count(tally.makes));
    return out;
}

std::string legendAsText(const Legend& legend, Language language)
{
    const LegendWords& w = legendWords(language);
    size_t abbreviationWidth = columns(w.abbreviation);
    size_t nameWidth = columns(w.name);
    for (const LegendRow& row : legend.rows) {
        abbreviationWidth = std::max(abbreviationWidth, columns(humanName(*row.type, language).abbreviation));
        nameWidth = std::max(nameWidth, columns(humanName(*row.type, language).name));
    }
    std::string out;
    out.append(w.keyTitle).append("\n");
    pad(out, w.abbreviation, abbreviationWidth + 2);
    pad(out, w.name, nameWidth + 2);
    out.append(w.inChart);
    if (legend.hasSelection)
        out.append("  ").append(w.inSelection);
    out += "\n";
    for (const LegendRow& row : legend.rows) {
        const HumanName& name = humanName(*row.type, language);
        pad(out, name.abbreviation, abbreviationWidth + 2);
        pad(out, name.name, nameWidth + 2);
        const std::string chart = count(row.inChart);
        out.append(columns(w.inChart) - std::min(columns(w.inChart), chart.size()), ' ').append(chart);
        if (legend.hasSelection) {
            const std::string selected = count(row.inSelection);
            out.append(2 + columns(w.inSelection) - std::min(columns(w.inSelection), selected.size()), ' ');
            out.append(selected);
        }
        out += "\n";
    }
    out.append(totalsText(legend.chart, language)).append("\n");
    if (legend.hasSelection)
        out.append(w.inSelection).append(": ").append(totalsText(legend.selection, language)).append("\n");
    return out;
}

void writeLegendJson(const CCanvas& canvas, Language language, std::ostream& to)
{
    const StitchTally chart = countStitches(canvas);
    StreamedText streamed(to);
    std::string& out = streamed.text();
    out += "{\"language\": ";
    appendJsonString(out, codeOfLanguage(language));
    out += ",\n\"symbols\": ";
    appendSymbols(out, chart, language, "  ");
    out += ",\n\"totals\": ";
    appendTotals(out, {chart.symbols, chart.workedInto, chart.makes});
    out += ",\n\"arrangements\": [";
    const std::vector<HolderTally> holders = countHolders(canvas);
    for (size_t i = 0; i < holders.size(); ++i) {
        const HolderTally& h = holders[i];
        const ElementType* type = elementType(h.holder->typeId());
        std::string& line = streamed.text();
        line += i ? ",\n" : "\n";
        line += "  {\"type\": " + std::to_string(h.holder->typeId()) + ", \"name\": ";
        appendJsonString(line, type ? humanName(*type, language).name : std::string_view{});
        line += ", \"parent\": " + std::to_string(h.parent) + ", \"index\": " + std::to_string(h.index) +
                ", \"depth\": " + std::to_string(h.depth) + ", \"symbols\": ";
        appendSymbols(line, h.ownTally(), language, "    ");
        line += ", \"totals\": ";
        appendTotals(line, {h.symbols, h.workedInto, h.makes});
        line += "}";
        streamed.drain();
    }
    streamed.text() += "]}\n";
}

std::string legendAsJson(const CCanvas& canvas, Language language)
{
    std::ostringstream out;
    writeLegendJson(canvas, language, out);
    return std::move(out).str();
}

} // namespace loopora
