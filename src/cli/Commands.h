#pragma once
// The subcommands of loopora-cli. Each takes the arguments after its name and
// returns the process exit code; messages go to standard error.

#include "pattern/PatternReading.h"
#include "pattern/PhraseBook.h"

#include <optional>
#include <string>
#include <vector>

namespace loopora::cli {

using Args = std::vector<std::string>;

int runRender(const Args& args);
int runExport(const Args& args);
int runDump(const Args& args);
int runScript(const Args& args);
int runCatalogue(const Args& args);
int runLegend(const Args& args);
int runPattern(const Args& args);
int runCheck(const Args& args);
int runBuild(const Args& args);

// Takes "--lang ru|en" out of the arguments and makes it the language the
// program speaks; false (after saying why) for another language.
bool takeLanguage(Args& args);
// Takes "--terms us|uk" out of the arguments: US terms when it is not
// there; nothing (after saying why) for other terms.
std::optional<pattern::Terms> takeTerms(Args& args);

// A reading's text: the foundation's line, then a line per round or row.
std::string patternText(const pattern::PatternReading& reading, const pattern::PhraseBook& book);

} // namespace loopora::cli
