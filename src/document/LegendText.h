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

// The key with type ids, tool names, names, counts and totals, and the same
// counts for every group and arrangement, found by its path of child
// indices from the canvas (the order `loopora-cli dump` lists them in).
// Written as it goes: a chart of a hundred thousand groups is listed without
// holding their counts, or the text, all at once.
void writeLegendJson(const CCanvas& canvas, Language language, std::ostream& to);
std::string legendAsJson(const CCanvas& canvas, Language language);

} // namespace loopora
