#pragma once
// The subcommands of loopora-cli. Each takes the arguments after its name and
// returns the process exit code; messages go to standard error.

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

// Takes "--lang ru|en" out of the arguments and makes it the language the
// program speaks; false (after saying why) for another language.
bool takeLanguage(Args& args);

} // namespace loopora::cli
