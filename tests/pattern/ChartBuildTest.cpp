// Charts built from written instructions read back as exactly the text they
// were built from. Each row of the corpus is a text; a new case is one row.

#include "pattern/ChartBuild.h"
#include "pattern/PatternText.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::pattern;

namespace {

struct Text {
    const char* name;
    Language language;
    Terms terms;
    std::vector<std::string> lines;
};

std::string joinedLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& l : lines)
        out += l + "\n";
    return out;
}

std::vector<std::string> linesOf(const PatternReading& reading, const PhraseBook& book)
{
    const PatternText text = writePattern(reading, book);
    std::vector<std::string> lines;
    if (!text.foundation.empty())
        lines.push_back(text.foundation);
    lines.insert(lines.end(), text.rounds.begin(), text.rounds.end());
    return lines;
}

const Text kCorpus[] = {
    {"ring of twelve doubles", Language::English, Terms::Us, {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)"}},
    {"beginning chain and join", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as dc), 11 dc in ring, join with sl st to top of beg ch-3. (12 dc)"}},
    {"increase in each stitch", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: 2 dc in each st around. (24 dc)"}},
    {"alternating repeat", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: 2 dc in each st around. (24 dc)",
      "Rnd 3: *2 dc in next st, dc in next st; rep from * around. (36 dc)"}},
    {"row on a foundation chain", Language::English, Terms::Us,
     {"Ch 11.", "Row 1: Sc in 2nd ch from hook and in each ch across, turn. (10 sc)"}},
    {"rows of singles", Language::English, Terms::Us,
     {"Ch 11.", "Row 1: Sc in 2nd ch from hook and in each ch across, turn. (10 sc)",
      "Row 2: Ch 1, sc in each st across, turn. (10 sc)", "Row 3: Ch 1, sc in each st across, turn. (10 sc)"}},
    {"rows of doubles", Language::English, Terms::Us,
     {"Ch 12.", "Row 1: Dc in 4th ch from hook and in each ch across, turn. (9 dc)",
      "Row 2: Ch 3 (counts as dc), dc in each st across, turn. (9 dc)"}},
    {"chain spaces", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *dc in next st, ch 2; rep from * around. (12 dc, 12 ch-2 sps)"}},
    {"v-stitches over chain spaces", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)",
      "Rnd 2: *dc in next st, ch 2; rep from * around. (12 dc, 12 ch-2 sps)",
      "Rnd 3: (dc, ch 1, dc) in each ch-2 sp around. (24 dc, 12 ch-1 sps)"}},
};

class BuiltFromText : public testing::TestWithParam<Text> {};

TEST_P(BuiltFromText, ReadsBackAsTheTextItWasBuiltFrom)
{
    const Text& t = GetParam();
    const PhraseBook& book = phraseBook(t.language, t.terms);
    const BuiltChart built = buildChart(joinedLines(t.lines), book);
    ASSERT_TRUE(built.document) << built.message;
    const PatternReading reading = readChart(built.document->canvas());
    EXPECT_EQ(linesOf(reading, book), t.lines);
    EXPECT_TRUE(reading.warnings.empty()) << checkText(reading, book);
}

INSTANTIATE_TEST_SUITE_P(Corpus, BuiltFromText, testing::ValuesIn(kCorpus), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

} // namespace
