#pragma once
// A chart's key in words: the texts the legend panel, the exported key and
// `loopora-cli legend` share, in the language asked for, and the key as
// plain text or JSON.

#include "document/Legend.h"
#include "platform/UiLanguage.h"

#include <ostream>
#include <string>
#include <string_view>

namespace loopora {

struct LegendWords {
    std::string_view title;       // the panel's: "Легенда"
    std::string_view keyTitle;    // over the key as patterns print it: "Условные обозначения"
    std::string_view abbreviation; // column heads
    std::string_view name;
    std::string_view inChart;
    std::string_view inSelection;
    std::string_view symbols;     // the totals
    std::string_view workedInto;
    std::string_view makes;
};
const LegendWords& legendWords(Language language);

// "Символов: 31 · Провязано в петли: 25 · Получено петель: 43".
std::string totalsText(const StitchTally& tally, Language language);

// One line per row: abbreviation, name and count in aligned columns (the
// selection's count too when something is selected), then the totals.
std::string legendAsText(const Legend& legend, Language language);

// The key with type ids, tool names, names, counts and totals, and for every
// group and arrangement the symbols directly in it with the totals of all it
// holds. Each is found by the entry of the one around it ("parent", -1 at the
// top) and its index among that one's children, as `loopora-cli dump` lists
// them: a listing that grows with the chart, however deep its groups nest.
// Written as it goes, so that the text never stands whole in memory.
void writeLegendJson(const CCanvas& canvas, Language language, std::ostream& to);
std::string legendAsJson(const CCanvas& canvas, Language language);

} // namespace loopora
