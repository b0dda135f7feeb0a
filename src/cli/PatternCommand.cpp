// pattern and check: a chart's written instructions, and what its reading
// could not decide.

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "pattern/PatternJson.h"
#include "pattern/PatternText.h"

#include <algorithm>
#include <iostream>

namespace loopora::cli {
namespace {

bool takeFlag(Args& args, const char* flag)
{
    auto at = std::find(args.begin(), args.end(), flag);
    if (at == args.end())
        return false;
    args.erase(at);
    return true;
}

} // namespace

std::optional<pattern::Terms> takeTerms(Args& args)
{
    auto at = std::find(args.begin(), args.end(), "--terms");
    if (at == args.end())
        return pattern::Terms::Us;
    auto value = at + 1;
    std::optional<pattern::Terms> terms;
    if (value != args.end() && *value == "us")
        terms = pattern::Terms::Us;
    else if (value != args.end() && *value == "uk")
        terms = pattern::Terms::Uk;
    if (!terms) {
        std::cerr << "loopora-cli: --terms takes us or uk\n";
        return std::nullopt;
    }
    args.erase(at, value + 1);
    return terms;
}

std::string patternText(const pattern::PatternReading& reading, const pattern::PhraseBook& book)
{
    return pattern::writePattern(reading, book).written();
}

int runPattern(const Args& given)
{
    Args args = given;
    const std::optional<pattern::Terms> terms = takeTerms(args);
    if (!terms || !takeLanguage(args))
        return 2;
    const bool json = takeFlag(args, "--json");
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::cerr << "usage: loopora-cli pattern CHART [--json] [--lang ru|en] [--terms us|uk]\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 1;
    }
    const pattern::PatternReading reading = pattern::readChart(loaded.document->canvas());
    const pattern::PhraseBook& book = pattern::phraseBook(uiLanguage(), *terms);
    std::cout << (json ? pattern::patternAsJson(reading, book) : patternText(reading, book));
    return 0;
}

int runCheck(const Args& given)
{
    Args args = given;
    const std::optional<pattern::Terms> terms = takeTerms(args);
    if (!terms || !takeLanguage(args))
        return 2;
    if (args.size() != 1 || args[0].starts_with("--")) {
        std::cerr << "usage: loopora-cli check CHART [--lang ru|en] [--terms us|uk]\n";
        return 2;
    }
    ChartLoadResult loaded = loadChartFile(args[0]);
    if (!loaded.document) {
        std::cerr << "loopora-cli: " << loaded.error << "\n";
        return 2;
    }
    const pattern::PatternReading reading = pattern::readChart(loaded.document->canvas());
    std::cout << pattern::checkText(reading, pattern::phraseBook(uiLanguage(), *terms));
    return reading.warnings.empty() ? 0 : 1;
}

} // namespace loopora::cli
