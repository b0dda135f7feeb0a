// Charts built from written instructions read back as exactly the text they
// were built from. Each row of the corpus is a text; a new case is one row.
// Rounds that grow at the same corners stand on polygons, the rest on circles.

#include "pattern/ChartBuild.h"
#include "pattern/PatternText.h"
#include "pattern/RoundOutlines.h"
#include "pattern/ShapePresets.h"
#include "elements/TypeIds.h"

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
    {"beginning chains one on another", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as dc), 11 dc in ring, join with sl st to top of beg ch-3. (12 dc)",
      "Rnd 2: Ch 3 (counts as dc), dc in same st, 2 dc in each st around, join with sl st to top of beg ch-3. (24 dc)",
      "Rnd 3: Ch 3 (counts as dc), *2 dc in next st, dc in next st; rep from * 10 more times, 2 dc in next st, join "
      "with sl st to top of beg ch-3. (36 dc)"}},
    {"uncounted beginning chains", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 1, 6 sc in ring, join with sl st to top of beg ch-1. (6 sc)",
      "Rnd 2: Ch 1, 2 sc in each st around, join with sl st to top of beg ch-1. (12 sc)",
      "Rnd 3: Ch 1, *sc in next st, 2 sc in next st; rep from * around, join with sl st to top of beg ch-1. (18 sc)"}},
    {"beginning chains of half doubles", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: Ch 2 (counts as hdc), 7 hdc in ring, join with sl st to top of beg ch-2. (8 hdc)",
      "Rnd 2: Ch 2 (counts as hdc), hdc in same st, 2 hdc in each st around, join with sl st to top of beg ch-2. (16 hdc)"}},
    {"granny begun with a chain", Language::English, Terms::Us,
     {"Make a magic ring.",
      "Rnd 1: Ch 3 (counts as dc), 2 dc in ring, *ch 2, 3 dc in ring; rep from * 2 more times, ch 2, join with sl st to "
      "top of beg ch-3. (12 dc, 4 ch-2 sps)",
      "Rnd 2: *(3 dc, ch 2, 3 dc) in next ch-2 sp, ch 1; rep from * around. (24 dc, 4 ch-1 sps, 4 ch-2 sps)"}},
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
    {"triangle in the round", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 6 sc in ring. (6 sc)", "Rnd 2: *sc in next st, 3 sc in next st; rep from * around. (12 sc)",
      "Rnd 3: *sc in next 2 sts, 3 sc in next st, sc in next st; rep from * around. (18 sc)"}},
    {"corners that wander", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: 12 dc in ring. (12 dc)", "Rnd 2: *dc in next st, 3 dc in next st; rep from * around. (24 dc)",
      "Rnd 3: *3 dc in next st, dc in next 3 sts; rep from * around. (36 dc)"}},
    {"granny with ch-3 corners", Language::English, Terms::Us,
     {"Make a magic ring.", "Rnd 1: *3 dc in ring, ch 3; rep from * 3 more times. (12 dc, 4 ch-3 sps)",
      "Rnd 2: *(3 dc, ch 3, 3 dc) in next ch-3 sp, ch 1; rep from * around. (24 dc, 4 ch-1 sps, 4 ch-3 sps)"}},
    {"UK: ring", Language::English, Terms::Uk,
     {"Make a magic ring.", "Rnd 1: Ch 3 (counts as tr), 11 tr in ring, join with sl st to top of beg ch-3. (12 tr)"}},
    {"Russian: repeat", Language::Russian, Terms::Us,
     {"Сделать кольцо амигуруми.", "1-й круговой ряд: 12 ссн в кольцо. (12 ссн)",
      "2-й круговой ряд: По 2 ссн в каждую п. по кругу. (24 ссн)",
      "3-й круговой ряд: *2 ссн в след. п., 1 ссн в след. п.; повторять от * по кругу. (36 ссн)"}},
    {"Russian: row", Language::Russian, Terms::Us,
     {"Набрать цепочку из 11 в. п.",
      "1-й ряд: 1 сбн во 2-ю в. п. от крючка и по 1 сбн в каждую в. п. до конца ряда, повернуть работу. (10 сбн)"}},
};

struct Refusal {
    const char* text;
    const char* message;
};

const Refusal kRefusals[] = {
    {"Make a magic ring.\nRnd 1: 12 dc in ring. (12 dc)\nRnd 2: dc2tgo in each st around. (24 dc)\n",
     "line 3: \"dc2tgo\": not a stitch"},
    {"Rnd 1: 12 dc in ring. (12 dc)\nRnd 2: 2 dc in each st around. (22 dc)\n",
     "line 2: the round makes 24 stitches, its count says 22"},
    {"Make a magic ring.\nRnd 1: 12 dc in ring. (12 dc)\nRnd 3: 2 dc in each st around. (24 dc)\n",
     "line 3: \"Rnd 3\": Rnd 2 expected here"},
    {"Make a magic ring.\nRow 1: 12 dc in ring. (12 dc)\n", "line 2: \"Row 1\": rounds are worked from a ring, rows from a chain"},
    {"Make a magic ring.\n", "line 1: the text holds no round or row"},
    {"Make a magic ring.\nRnd 1: *dc in ring, ch 1; rep from * around.\n",
     "line 2: \"*dc in ring, ch 1; rep from * around\": a repeat in the ring says how many times it is worked"},
};

TEST(BuildingFromText, RefusesAWrongLineByItsNumberAndWords)
{
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    for (const Refusal& r : kRefusals) {
        const BuiltChart built = buildChart(r.text, book);
        EXPECT_FALSE(built.document) << r.text;
        EXPECT_EQ(built.message, r.message) << r.text;
    }
}

TEST(BuildingFromText, RefusesASheetTooSmallAndSaysWhatWouldDo)
{
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    const std::string text = shapeText({Shape::Circle, typeids::kDouble, 10}, book);
    const BuiltChart tooSmall = buildChart(text, book, 200);
    EXPECT_FALSE(tooSmall.document);
    EXPECT_TRUE(tooSmall.message.starts_with("the chart needs a sheet of at least ")) << tooSmall.message;
    const BuiltChart fitted = buildChart(text, book, 600);
    ASSERT_TRUE(fitted.document) << fitted.message;
    EXPECT_EQ(fitted.document->chartWidth(), 600);
    EXPECT_EQ(linesOf(readChart(fitted.document->canvas()), book).size(), 11u);
    EXPECT_FALSE(buildChart(shapeText({Shape::Circle, typeids::kDouble, 20}, book), book).document);
}

// Two stems cross when each one's ends lie either side of the other's line;
// stems sharing a base or a top only touch.
bool crosses(const PlacedSymbol& a, const PlacedSymbol& b)
{
    auto side = [](Point p, Point q, Point r) {
        const long long v = (long long)(q.x - p.x) * (r.y - p.y) - (long long)(q.y - p.y) * (r.x - p.x);
        return (v > 0) - (v < 0);
    };
    if (a.base == b.base || a.top == b.top || a.base == b.top || a.top == b.base)
        return false;
    return side(a.base, a.top, b.base) * side(a.base, a.top, b.top) < 0 &&
           side(b.base, b.top, a.base) * side(b.base, b.top, a.top) < 0;
}

// Builds the text, reads the chart back, and checks it reads clean with no
// two stitches crossing or drawn twice.
void expectRoundTrip(const std::string& text, const PhraseBook& book)
{
    const PatternRead read = readWrittenPattern(text, book);
    ASSERT_TRUE(read.pattern) << errorText(book, *read.error);
    const ChartLayout layout = layOut(*read.pattern, book, std::nullopt);
    ASSERT_TRUE(layout.error.empty()) << layout.error;
    const PatternReading reading = readChart(documentOf(layout)->canvas());
    std::string back;
    for (const std::string& line : linesOf(reading, book))
        back += line + "\n";
    EXPECT_EQ(back, text);
    EXPECT_TRUE(reading.warnings.empty()) << checkText(reading, book);
    std::vector<const PlacedSymbol*> stems;
    for (const PlacedSymbol& s : layout.symbols)
        if (s.round > 0 && s.typeId != typeids::kChain && s.typeId != typeids::kSlipStitch)
            stems.push_back(&s);
    for (size_t i = 0; i < stems.size(); ++i)
        for (size_t j = i + 1; j < stems.size(); ++j) {
            EXPECT_FALSE(*stems[i] == *stems[j]) << "drawn twice in round " << stems[i]->round;
            EXPECT_FALSE(crosses(*stems[i], *stems[j])) << "stems cross in rounds " << stems[i]->round << " and " << stems[j]->round;
        }
}

// How far out a point stands on the polygon of that many corners about
// the centre whose top side lies level: its distance from the farthest side.
double polygonLevel(Vec v, Vec centre, int corners)
{
    double level = -1e300;
    for (int k = 0; k < corners; ++k) {
        const double a = kPi / 2 + 2 * kPi * k / corners;
        level = std::max(level, (v - centre).dot({std::cos(a), -std::sin(a)}));
    }
    return level;
}

struct OutlineCase {
    const char* name;
    std::string text;
    int corners; // 0: circles
};

TEST(BuildingFromText, RoundsGrowingAtTheSameCornersStandOnTheirPolygons)
{
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    auto corpusText = [](const char* name) {
        for (const Text& t : kCorpus)
            if (std::string_view(t.name) == name)
                return joinedLines(t.lines);
        return std::string();
    };
    const OutlineCase cases[] = {
        {"square", shapeText({Shape::Square, typeids::kSingle, 5}, book), 4},
        {"square of doubles", shapeText({Shape::Square, typeids::kDouble, 3}, book), 4},
        {"granny", shapeText({Shape::Granny, typeids::kDouble, 4}, book), 4},
        {"hexagon", shapeText({Shape::Hexagon, typeids::kDouble, 4}, book), 6},
        {"one round of a granny", shapeText({Shape::Granny, typeids::kDouble, 1}, book), 0},
        {"circle of singles", shapeText({Shape::Circle, typeids::kSingle, 6}, book), 0},
        {"circle of doubles", shapeText({Shape::Circle, typeids::kDouble, 4}, book), 0},
        {"triangle", corpusText("triangle in the round"), 3},
        {"granny with ch-3 corners", corpusText("granny with ch-3 corners"), 4},
        {"corners that wander", corpusText("corners that wander"), 0},
        {"v-stitches", corpusText("v-stitches over chain spaces"), 0},
    };
    for (const OutlineCase& c : cases) {
        const PatternRead read = readWrittenPattern(c.text, book);
        ASSERT_TRUE(read.pattern) << c.name;
        EXPECT_EQ(outlineOf(*read.pattern).corners, c.corners) << c.name;
        if (c.corners == 0)
            continue;
        // Every stitch of a round has its top on the round's polygon.
        const ChartLayout layout = layOut(*read.pattern, book, std::nullopt);
        const Vec centre{layout.width / 2.0, layout.height / 2.0};
        std::map<int, std::pair<double, double>> levels;
        for (const PlacedSymbol& s : layout.symbols) {
            if (s.round == 0 || s.typeId == typeids::kChain || s.typeId == typeids::kSlipStitch)
                continue;
            const double level = polygonLevel(Vec::of(s.top), centre, c.corners);
            auto [it, fresh] = levels.try_emplace(s.round, level, level);
            it->second = {std::min(it->second.first, level), std::max(it->second.second, level)};
        }
        for (const auto& [round, range] : levels)
            EXPECT_LE(range.second - range.first, 1.5) << c.name << ", round " << round;
    }
}

class BuiltFromText : public testing::TestWithParam<Text> {};

TEST_P(BuiltFromText, ReadsBackAsTheTextItWasBuiltFrom)
{
    const Text& t = GetParam();
    expectRoundTrip(joinedLines(t.lines), phraseBook(t.language, t.terms));
}

struct ShapeCase {
    Shape shape;
    int32_t stitch;
    int rounds;
};

std::vector<ShapeCase> everyShape()
{
    std::vector<ShapeCase> cases;
    for (int rounds = 1; rounds <= 8; ++rounds) {
        for (int32_t st : {typeids::kSingle, typeids::kHalfDouble, typeids::kDouble})
            cases.push_back({Shape::Circle, st, rounds});
        cases.push_back({Shape::Square, typeids::kSingle, rounds});
        cases.push_back({Shape::Hexagon, typeids::kDouble, rounds});
        cases.push_back({Shape::Granny, typeids::kDouble, rounds});
    }
    return cases;
}

class BuiltShape : public testing::TestWithParam<ShapeCase> {};

TEST_P(BuiltShape, ReadsBackAsTheTextItWasBuiltFrom)
{
    const ShapeCase& c = GetParam();
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    expectRoundTrip(shapeText({c.shape, c.stitch, c.rounds}, book), book);
}

std::string shapeCaseName(const testing::TestParamInfo<ShapeCase>& info)
{
    static const char* const names[] = {"circle", "square", "hexagon", "granny"};
    return std::string(names[int(info.param.shape)]) + "_" + std::to_string(info.param.stitch) + "_" +
           std::to_string(info.param.rounds);
}

INSTANTIATE_TEST_SUITE_P(Presets, BuiltShape, testing::ValuesIn(everyShape()), shapeCaseName);

INSTANTIATE_TEST_SUITE_P(Corpus, BuiltFromText, testing::ValuesIn(kCorpus), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

} // namespace
