// The written instructions of charts drawn with the tools: each row of the
// table is a chart and the lines it must give, in US terms, UK terms and
// Russian. A new case is one row.

#include "pattern/PatternText.h"
#include "pattern/PatternCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::pattern;
using namespace loopora::test;

namespace {

struct Golden {
    const char* name;
    Script (*chart)();
    Language language;
    Terms terms;
    std::vector<std::string> lines; // the foundation first
};

const Golden kGolden[] = {
    {"ring of twelve doubles", ringOfTwelveDoubles, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)"}},
    {"beginning chain and join", ringWithBeginningChain, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as dc), 11 dc in ring, join with sl st to top of beg ch-3. (12 dc)"}},
    {"beginning chains one on another", secondRoundWithBeginningChain, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as dc), 11 dc in ring, join with sl st to top of beg ch-3. (12 dc)",
      "Rnd 2: Ch 3 (counts as dc), dc in same st, 2 dc in each st around, join with sl st to top of beg ch-3. (24 dc)"}},
    {"increase in each stitch", secondRoundOfIncreases, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: 2 dc in each st around. (24 dc)"}},
    {"alternating repeat", thirdRoundAlternating, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: 2 dc in each st around. (24 dc)",
      "Rnd 3: *2 dc in next st, dc in next st; rep from * around. (36 dc)"}},
    {"row on a foundation chain", rowOfSingles, Language::English, Terms::Us,
     {"Ch 11.", "Row 1: Sc in 2nd ch from hook and in each ch across, turn. (10 sc)"}},
    {"chain ring", chainRingOfTwelveDoubles, Language::English, Terms::Us,
     {"Ch 6, join with sl st to form a ring.", "Rnd 1: 12 dc in ring. (12 dc)"}},
    {"chain spaces", chainSpaces, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *dc in next st, ch 2; rep from * around. (12 dc, 12 ch-2 sps)"}},
    {"shells in spaces", shellsInSpaces, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *dc in next st, ch 2; rep from * around. (12 dc, 12 ch-2 sps)",
      "Rnd 3: 3 dc in each ch-2 sp around. (36 dc)"}},
    {"skips under chains", skipsUnderChains, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *dc in next st, ch 2, sk next st; rep from * around. (6 dc, 6 ch-2 sps)"}},
    {"v-stitches", vStitches, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: (dc, ch 1, dc) in each st around. (24 dc, 12 ch-1 sps)"}},
    {"decreases", decreases, Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *sc2tog over next 2 sts; rep from * around. (6 sc2tog)"}},
    {"second row", secondRowOfSingles, Language::English, Terms::Us,
     {"Ch 11.", "Row 1: Sc in 2nd ch from hook and in each ch across, turn. (10 sc)",
      "Row 2: Ch 1, sc in each st across, turn. (10 sc)"}},
    {"Russian: spaces", shellsInSpaces, Language::Russian, Terms::Us,
     {"Сделать кольцо амигуруми.", "1-й круговой ряд: 12 ссн в кольцо. (12 ссн)",
      "2-й круговой ряд: *1 ссн в след. п., 2 в. п.; повторять от * по кругу. (12 ссн, 12 арок из 2 в. п.)",
      "3-й круговой ряд: По 3 ссн в каждую арку из 2 в. п. по кругу. (36 ссн)"}},
    {"UK: ring", ringWithBeginningChain, Language::English, Terms::Uk,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as tr), 11 tr in ring, join with sl st to top of beg ch-3. (12 tr)"}},
    {"UK: repeat", thirdRoundAlternating, Language::English, Terms::Uk,
     {"Make a magic ring.", "Rnd 1: 12 tr in ring. (12 tr)", "Rnd 2: 2 tr in each st around. (24 tr)",
      "Rnd 3: *2 tr in next st, tr in next st; rep from * around. (36 tr)"}},
    {"UK: row", rowOfSingles, Language::English, Terms::Uk,
     {"Ch 11.", "Row 1: Dc in 2nd ch from hook and in each ch across, turn. (10 dc)"}},
    {"Russian: ring", ringWithBeginningChain, Language::Russian, Terms::Us,
     {"Сделать кольцо амигуруми.",
      "1-й круговой ряд: 3 в. п. подъёма (считаются за ссн), 11 ссн в кольцо, соед. ст. в 3-ю в. п. подъёма. (12 ссн)"}},
    {"Russian: repeat", thirdRoundAlternating, Language::Russian, Terms::Us,
     {"Сделать кольцо амигуруми.", "1-й круговой ряд: 12 ссн в кольцо. (12 ссн)",
      "2-й круговой ряд: По 2 ссн в каждую п. по кругу. (24 ссн)",
      "3-й круговой ряд: *2 ссн в след. п., 1 ссн в след. п.; повторять от * по кругу. (36 ссн)"}},
    {"Russian: row", rowOfSingles, Language::Russian, Terms::Us,
     {"Набрать цепочку из 11 в. п.",
      "1-й ряд: 1 сбн во 2-ю в. п. от крючка и по 1 сбн в каждую в. п. до конца ряда, повернуть работу. (10 сбн)"}},
};

class WrittenPattern : public testing::TestWithParam<Golden> {};

TEST_P(WrittenPattern, GivesExactlyTheLinesOfThePatternBook)
{
    const Golden& g = GetParam();
    Session s;
    build(s, g.chart());
    const PatternReading reading = readChart(s.canvas());
    const PatternText text = writePattern(reading, phraseBook(g.language, g.terms));
    std::vector<std::string> lines{text.foundation};
    lines.insert(lines.end(), text.rounds.begin(), text.rounds.end());
    EXPECT_EQ(lines, g.lines);
    EXPECT_TRUE(reading.warnings.empty()) << checkText(reading, phraseBook(Language::English, Terms::Us));
}

INSTANTIATE_TEST_SUITE_P(Charts, WrittenPattern, testing::ValuesIn(kGolden), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

} // namespace
