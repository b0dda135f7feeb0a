// The check of a chart: what a designer would have to count by hand. A
// stitch of the round below that nothing is worked into, two identical
// symbols on top of each other and a stitch worked into nothing are each
// named by round and place, and the round's counts and text show them.

#include "pattern/PatternCharts.h"
#include "pattern/PatternText.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::pattern;
using namespace loopora::test;

namespace {

// Twelve doubles in a ring and a round of doubles on them: without the
// one at `missing`, with the one at `doubled` drawn twice, and the one at
// `dragged` drawn far from the chart's rounds.
Script twoRoundsOfDoubles(int missing, int doubled, int dragged)
{
    Script s = ringOfTwelveDoubles();
    s.push_back("tool double");
    for (int i = 0; i < 12; ++i) {
        const std::string line = dragLine(around(60, clockAngle(i, 12)), around(100, clockAngle(i, 12)));
        if (i == dragged)
            s.push_back(dragLine({560, 560}, {560, 520}));
        else if (i != missing)
            s.push_back(line);
        if (i == doubled)
            s.push_back(line);
    }
    return s;
}

struct Expected {
    WarningKind kind;
    int round;
    int index;
};

struct Case {
    const char* name;
    int missing, doubled, dragged;
    std::vector<Expected> warnings;
    int made, workedInto, skipped; // round 2's
    const char* line;              // round 2's
};

const Case kCases[] = {
    {"all_there", -1, -1, -1, {}, 12, 12, 0, "Rnd 2: Dc in each st around. (12 dc)"},
    {"dc_removed", 5, -1, -1, {{WarningKind::NothingWorkedInto, 1, 5}}, 11, 11, 1,
     "Rnd 2: Dc in next 5 sts, sk next st, dc in next 6 sts. (11 dc)"},
    {"dc_doubled", -1, 3, -1, {{WarningKind::DrawnTwice, 2, 4}}, 13, 12, 0,
     "Rnd 2: Dc in next 3 sts, 2 dc in next st, dc in next 8 sts. (13 dc)"},
    {"dc_dragged_off", -1, -1, 7,
     {{WarningKind::WorkedIntoNothing, 0, -1}, {WarningKind::NothingWorkedInto, 1, 7}}, 11, 11, 1,
     "Rnd 2: Dc in next 7 sts, sk next st, dc in next 4 sts. (11 dc)"},
};

class ChartCheck : public testing::TestWithParam<Case> {};

TEST_P(ChartCheck, NamesWhatIsAmissByRoundAndPlace)
{
    const Case& c = GetParam();
    Session s;
    build(s, twoRoundsOfDoubles(c.missing, c.doubled, c.dragged));
    const PatternReading reading = readChart(s.canvas());
    const PhraseBook& us = phraseBook(Language::English, Terms::Us);
    ASSERT_EQ(reading.rounds.size(), 2u) << checkText(reading, us);
    std::vector<std::tuple<WarningKind, int, int>> got, wanted;
    for (const Warning& w : reading.warnings)
        got.emplace_back(w.kind, w.round, w.index);
    for (const Expected& e : c.warnings)
        wanted.emplace_back(e.kind, e.round, e.index);
    EXPECT_EQ(got, wanted) << checkText(reading, us);
    const Round& second = reading.rounds[1];
    EXPECT_EQ(second.makes, c.made);
    EXPECT_EQ(second.workedInto, c.workedInto);
    EXPECT_EQ(second.skipped, c.skipped);
    EXPECT_EQ(writePattern(reading, us).rounds[1], c.line);
}

INSTANTIATE_TEST_SUITE_P(Charts, ChartCheck, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartCheck, ListsEachRoundsCountsAndEachWarningWithItsPath)
{
    Session s;
    build(s, twoRoundsOfDoubles(5, -1, -1));
    const PatternReading reading = readChart(s.canvas());
    EXPECT_EQ(checkText(reading, phraseBook(Language::English, Terms::Us)),
              "Rnd 1: made 12, worked into 0, skipped 0\n"
              "Rnd 2: made 11, worked into 11, skipped 1\n"
              "Rnd 1, stitch 6 [6]: nothing of the next round is worked into this stitch\n");
    EXPECT_EQ(checkText(reading, phraseBook(Language::Russian, Terms::Us)),
              "1-й круговой ряд: получено 12, провязано в 0, пропущено 0\n"
              "2-й круговой ряд: получено 11, провязано в 11, пропущено 1\n"
              "1-й круговой ряд, петля 6 [6]: в эту петлю ничего не провязано в следующем ряду\n");
}

} // namespace
