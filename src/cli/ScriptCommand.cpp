// loopora-cli script: editing steps from a file or standard input.

#include "cli/Commands.h"
#include "cli/ScriptRunner.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace loopora::cli {

int runScript(const Args& args)
{
    const char* usage = "usage: loopora-cli script SCRIPT [--size W H]   (SCRIPT is a file, or - for standard input)\n";
    if (args.empty()) {
        std::cerr << usage;
        return 2;
    }
    Size client{800, 600};
    if (args.size() == 4 && args[1] == "--size") {
        client = {std::atoi(args[2].c_str()), std::atoi(args[3].c_str())};
        if (client.width < 1 || client.height < 1 || client.width > 10000 || client.height > 10000) {
            std::cerr << "loopora-cli: --size needs a width and height of 1 to 10000 pixels\n";
            return 2;
        }
    } else if (args.size() != 1) {
        std::cerr << usage;
        return 2;
    }
    ScriptRunner runner(client, std::cout);
    if (args[0] == "-")
        return runner.run(std::cin, std::cerr);
    std::error_code ec;
    if (std::filesystem::is_directory(args[0], ec)) {
        std::cerr << "loopora-cli: " << args[0] << " is a folder, not a script\n";
        return 1;
    }
    std::ifstream file(args[0]);
    if (!file) {
        std::cerr << "loopora-cli: cannot read " << args[0] << "\n";
        return 1;
    }
    return runner.run(file, std::cerr);
}

} // namespace loopora::cli
