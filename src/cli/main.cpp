// loopora-cli: headless rendering, listing and scripted editing of charts.

#include "BuildInfo.h"
#include "cli/Commands.h"
#include "document/ElementTypes.h"

#include <cstring>
#include <iostream>
#include <new>

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: loopora-cli [--lang ru|en] COMMAND ...\n"
           "  loopora-cli render CHART OUT.bmp   draw the whole sheet into a 32-bit bitmap\n"
           "  loopora-cli export CHART OUT.{pdf,svg,png,bmp} [--page A4|Letter|chart] [--landscape] [--crop]\n"
           "                   [--margin MM] [--scale PX_PER_MM] [--dpi N | --width PX] [--black]\n"
           "                   [--no-background] [--legend] [--pattern] [--rounds]\n"
           "                                     write the chart for print: vector PDF or SVG, PNG at a resolution\n"
           "  loopora-cli dump CHART             print the element tree as JSON\n"
           "  loopora-cli catalogue OUT [--size N] [--chart] [--ids FIRST-LAST]\n"
           "                                     every symbol, upright on an N-pixel frame, in a labelled grid\n"
           "                                     (a bitmap), or with --chart on a sheet saved as a chart\n"
           "  loopora-cli legend CHART [--json] [--lang ru|en]\n"
           "                                     the chart's key: each symbol's name and count, and the totals\n"
           "  loopora-cli pattern CHART [--json] [--lang ru|en] [--terms us|uk]\n"
           "                                     the written instructions: the foundation, then each round or row\n"
           "  loopora-cli check CHART [--lang ru|en]\n"
           "                                     each round's stitches made, worked into and skipped, and what\n"
           "                                     the chart leaves unclear (exit 1 when anything does)\n"
           "  loopora-cli build PATTERN.txt OUT [--sheet N] [--terms us|uk] [--lang ru|en]\n"
           "  loopora-cli build --shape circle|square|hexagon|granny [--stitch sc|hdc|dc] [--rounds N] OUT [--sheet N]\n"
           "                                     a chart made from written instructions, or from a shape's\n"
           "  loopora-cli script SCRIPT [--size W H]\n"
           "                                     run editing steps (a file, or - for standard input)\n"
           "  loopora-cli --version              print the version\n"
           "  --lang en                          messages, menus, dialogs and symbol names in English (ru: Russian)\n";
}

int runCommand(const std::string& command, const loopora::cli::Args& args)
{
    using namespace loopora::cli;
    if (command == "render")
        return runRender(args);
    if (command == "export")
        return runExport(args);
    if (command == "dump")
        return runDump(args);
    if (command == "script")
        return runScript(args);
    if (command == "catalogue")
        return runCatalogue(args);
    if (command == "legend")
        return runLegend(args);
    if (command == "pattern")
        return runPattern(args);
    if (command == "check")
        return runCheck(args);
    if (command == "build")
        return runBuild(args);
    if (command == "--version") {
        std::cout << "loopora-cli " << loopora::kVersion << "\n";
        return 0;
    }
    if (command == "help" || command == "--help" || command == "-h") {
        printUsage(std::cout);
        return 0;
    }
    std::cerr << "loopora-cli: unknown command '" << command << "'\n";
    printUsage(std::cerr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    loopora::cli::Args args(argv + 1, argv + argc);
    // Anywhere: before the command or among its own arguments.
    if (!loopora::cli::takeLanguage(args))
        return 2;
    if (args.empty()) {
        printUsage(std::cerr);
        return 2;
    }
    loopora::installElementTypes();
    const std::string command = args.front();
    args.erase(args.begin());
    try {
        return runCommand(command, args);
    } catch (const std::bad_alloc&) {
        std::cerr << "loopora-cli: there is not enough memory for " << command << "\n";
        return 1;
    }
}
