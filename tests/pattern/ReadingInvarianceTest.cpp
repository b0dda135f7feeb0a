// The reading depends on what the chart shows, not on how it came about:
// the same chart drawn in another order, grouped, turned about its centre
// by any angle, or with every symbol moved by a pixel or two reads the same
// (element paths aside, which name where the symbols are in the tree) and
// writes the same text.

#include "document/commands/GroupCommands.h"
#include "pattern/PatternCharts.h"
#include "pattern/PatternText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace loopora;
using namespace loopora::pattern;
using namespace loopora::test;

namespace {

// The reading without element paths.
PatternReading withoutPaths(PatternReading r)
{
    r.foundation.path.clear();
    r.foundation.chainPaths.clear();
    for (Round& round : r.rounds)
        for (WorkedStitch& w : round.stitches)
            w.path.clear();
    for (Warning& w : r.warnings)
        w.path.clear();
    return r;
}

std::vector<std::string> linesOf(const PatternReading& r)
{
    const PatternText text = writePattern(r, phraseBook(Language::English, Terms::Us));
    std::vector<std::string> lines{text.foundation};
    lines.insert(lines.end(), text.rounds.begin(), text.rounds.end());
    return lines;
}

// The placements of a script (each drag with the tool it was made with),
// shuffled, as script lines.
Script shuffled(const Script& script, unsigned seed)
{
    Script head;
    std::vector<std::pair<std::string, std::string>> placements;
    std::string tool;
    for (const std::string& line : script) {
        if (line.starts_with("tool "))
            tool = line;
        else if (line.starts_with("drag "))
            placements.push_back({tool, line});
        else
            head.push_back(line);
    }
    std::shuffle(placements.begin(), placements.end(), std::mt19937(seed));
    for (const auto& [t, drag] : placements) {
        head.push_back(t);
        head.push_back(drag);
    }
    return head;
}

void groupChildren(CCanvas& canvas, size_t from, size_t to)
{
    canvas.select(nullptr, SelectMode::Replace);
    for (size_t i = from; i < to && i < canvas.childCount(); ++i)
        canvas.select(canvas.child(i), SelectMode::Add);
    ASSERT_TRUE(canvas.history().Execute(std::make_unique<CGroupCommand>(canvas)));
}

enum class Change { Shuffled, Grouped, Rotated, Nudged };

struct Case {
    const char* name;
    Script (*chart)();
    Change change;
};

const Case kCases[] = {
    {"ring_shuffled", ringWithBeginningChain, Change::Shuffled},
    {"repeat_shuffled", thirdRoundAlternating, Change::Shuffled},
    {"row_shuffled", rowOfSingles, Change::Shuffled},
    {"ring_grouped", ringWithBeginningChain, Change::Grouped},
    {"repeat_grouped", thirdRoundAlternating, Change::Grouped},
    {"row_grouped", rowOfSingles, Change::Grouped},
    {"ring_rotated", ringWithBeginningChain, Change::Rotated},
    {"repeat_rotated", thirdRoundAlternating, Change::Rotated},
    {"row_rotated", rowOfSingles, Change::Rotated},
    {"ring_nudged", ringWithBeginningChain, Change::Nudged},
    {"stacked_shuffled", secondRoundWithBeginningChain, Change::Shuffled},
    {"stacked_rotated", secondRoundWithBeginningChain, Change::Rotated},
    {"stacked_nudged", secondRoundWithBeginningChain, Change::Nudged},
    {"repeat_nudged", thirdRoundAlternating, Change::Nudged},
    {"row_nudged", rowOfSingles, Change::Nudged},
};

class ReadingInvariance : public testing::TestWithParam<Case> {};

TEST_P(ReadingInvariance, ReadsTheSameAsTheChartAsDrawn)
{
    const Case& c = GetParam();
    Session drawn;
    build(drawn, c.chart());
    const PatternReading expected = readChart(drawn.canvas());
    ASSERT_FALSE(expected.rounds.empty());
    for (unsigned variant = 0; variant < 3; ++variant) {
        Session s;
        build(s, c.change == Change::Shuffled ? shuffled(c.chart(), 11 + variant) : c.chart());
        CCanvas& canvas = s.canvas();
        std::mt19937 rng(variant);
        switch (c.change) {
        case Change::Shuffled: break;
        case Change::Grouped: {
            // A group inside a group, and the rest loose.
            const size_t n = canvas.childCount();
            groupChildren(canvas, n / 3, 2 * n / 3);
            groupChildren(canvas, canvas.childCount() - 2, canvas.childCount());
            break;
        }
        case Change::Rotated: {
            const double angle = std::uniform_real_distribution<double>(0, 2 * 3.14159265358979)(rng);
            for (size_t i = 0; i < canvas.childCount(); ++i)
                canvas.child(i)->rotateRadians({300, 300}, angle);
            break;
        }
        case Change::Nudged: {
            std::uniform_int_distribution<int> by(-2, 2);
            for (size_t i = 0; i < canvas.childCount(); ++i)
                canvas.child(i)->moveBy(by(rng), by(rng));
            break;
        }
        }
        const PatternReading read = readChart(canvas);
        EXPECT_EQ(linesOf(read), linesOf(expected)) << "variant " << variant;
        EXPECT_TRUE(withoutPaths(read) == withoutPaths(expected)) << "variant " << variant;
        EXPECT_TRUE(read.warnings.empty()) << checkText(read, phraseBook(Language::English, Terms::Us));
    }
}

INSTANTIATE_TEST_SUITE_P(Charts, ReadingInvariance, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
