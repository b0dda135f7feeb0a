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

} // namespace loopora::cli
