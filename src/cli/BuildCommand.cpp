// build: a chart made from written instructions, or from a shape's.

#include "cli/Commands.h"
#include "document/ChartFile.h"
#include "pattern/ChartBuild.h"
#include "pattern/ShapePresets.h"

#include <algorithm>
#include <iostream>

namespace loopora::cli {
namespace {

constexpr const char* kUsage =
    "usage: loopora-cli build PATTERN.txt OUT [--sheet N] [--terms us|uk] [--lang ru|en]\n"
    "       loopora-cli build --shape circle|square|hexagon|granny [--stitch sc|hdc|dc] [--rounds N] OUT [--sheet N]\n";

// Takes "NAME VALUE" out of the arguments; false when the value is missing.
bool takeValue(Args& args, const char* name, std::optional<std::string>& value)
{
    auto at = std::find(args.begin(), args.end(), name);
    if (at == args.end())
        return true;
    if (at + 1 == args.end())
        return false;
    value = *(at + 1);
    args.erase(at, at + 2);
    return true;
}

std::optional<int> wholeIn(const std::string& text, int least, int most)
{
    if (text.empty() || text.size() > 4 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int n = std::stoi(text);
    return n >= least && n <= most ? std::optional<int>(n) : std::nullopt;
}

} // namespace

int runBuild(const Args& given)
{
    Args args = given;
    const std::optional<pattern::Terms> terms = takeTerms(args);
    if (!terms || !takeLanguage(args))
        return 2;
    std::optional<std::string> sheetText, shapeText, stitchText, roundsText;
    if (!takeValue(args, "--sheet", sheetText) || !takeValue(args, "--shape", shapeText) ||
        !takeValue(args, "--stitch", stitchText) || !takeValue(args, "--rounds", roundsText) ||
        args.size() != (shapeText ? 1u : 2u) || args[0].starts_with("--") || args.back().starts_with("--") ||
        (!shapeText && (stitchText || roundsText))) {
        std::cerr << kUsage;
        return 2;
    }
    std::optional<int32_t> sheet;
    if (sheetText && !(sheet = wholeIn(*sheetText, pattern::kSmallestSheet, pattern::kLargestSheet))) {
        std::cerr << "loopora-cli: --sheet takes " << pattern::kSmallestSheet << " to " << pattern::kLargestSheet << "\n";
        return 2;
    }
    const pattern::PhraseBook& book = pattern::phraseBook(uiLanguage(), *terms);
    std::string text;
    if (shapeText) {
        pattern::ShapeRequest request;
        const auto shape = pattern::shapeNamed(*shapeText);
        const auto stitch = stitchText ? pattern::shapeStitchNamed(*stitchText) : std::nullopt;
        const auto rounds = roundsText ? wholeIn(*roundsText, 1, pattern::kMostShapeRounds) : std::optional<int>(4);
        if (!shape || (stitchText && !stitch) || !rounds) {
            std::cerr << "loopora-cli: --shape takes circle, square, hexagon or granny, --stitch sc, hdc or dc, "
                         "--rounds 1 to "
                      << pattern::kMostShapeRounds << "\n";
            return 2;
        }
        request.shape = *shape;
        request.stitch = stitch ? *stitch : pattern::usualStitchOf(*shape);
        request.rounds = *rounds;
        text = pattern::shapeText(request, book);
    } else {
        std::string error;
        if (!pattern::readPatternFile(args[0], text, error)) {
            std::cerr << "loopora-cli: " << error << "\n";
            return 1;
        }
    }
    const pattern::BuiltChart built = pattern::buildChart(text, book, sheet);
    if (!built.document) {
        std::cerr << "loopora-cli: " << built.message << "\n";
        return 1;
    }
    std::string error;
    if (!saveChartFile(*built.document, args.back(), error)) {
        std::cerr << "loopora-cli: " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace loopora::cli
