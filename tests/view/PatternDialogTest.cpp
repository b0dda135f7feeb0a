// The dialog that builds a chart from written instructions: every choice
// builds the text again; a text that does not build names its line, keeps OK
// disabled and shows nothing; one that builds is previewed and, confirmed,
// opens as a new chart whose instructions read back as the text.

#include "elements/TypeIds.h"
#include "export/CairoChartPainter.h"
#include "pattern/PatternText.h"
#include "support/InLanguage.h"
#include "support/Session.h"
#include "view/CommandIds.h"
#include "view/dialogs/PatternDialogModel.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace loopora;
using namespace loopora::pattern;
using loopora::test::Session;

namespace {

std::string writtenOut(const CPattraDoc& chart, const PhraseBook& book)
{
    return writePattern(readChart(chart.canvas()), book).written();
}

bool anyInk(const PixelBuffer& picture)
{
    return std::any_of(picture.pixels().begin(), picture.pixels().end(),
                       [](Pixel p) { return p != pixelOf(colours::white); });
}

const PhraseBook& us() { return phraseBook(Language::English, Terms::Us); }

constexpr const char* kTwelve = "Make a magic ring.\nRnd 1: 12 dc in ring. (12 dc)\n";

struct Choices {
    const char* name;
    std::vector<std::pair<std::string, std::string>> set; // in order, as a script answers
    bool builds;
    std::optional<int> line;
    std::string message;
    std::string text; // "" : not checked
    std::optional<ShapeRequest> shape = {}; // the text is this shape's in the model's book
};

std::vector<Choices> everyChoice()
{
    return {
    {"opens on a circle", {}, true, {}, "", "", ShapeRequest{Shape::Circle, typeids::kSingle, 4}},
    {"granny of three rounds", {{"shape", "granny"}, {"rounds", "3"}}, true, {}, "", "", ShapeRequest{Shape::Granny, typeids::kDouble, 3}},
    {"hexagon's usual stitch", {{"shape", "hexagon"}, {"rounds", "2"}}, true, {}, "", "", ShapeRequest{Shape::Hexagon, typeids::kDouble, 2}},
    {"circle in half doubles", {{"shape", "circle"}, {"stitch", "hdc"}, {"rounds", "5"}}, true, {}, "", "", ShapeRequest{Shape::Circle, typeids::kHalfDouble, 5}},
    {"typed text", {{"text", kTwelve}}, true, {}, "", kTwelve},
    {"line breaks of any system", {{"text", "Make a magic ring.\r\nRnd 1: 12 dc in ring. (12 dc)\r\n"}}, true, {}, "", kTwelve},
    {"not a stitch",
     {{"text", "Make a magic ring.\nRnd 1: 12 dc in ring. (12 dc)\nRnd 2: dc2tgo in each st around. (24 dc)\n"}},
     false, 3, "line 3: \"dc2tgo\": not a stitch", ""},
    {"a count that does not add up", {{"text", "Rnd 1: 12 dc in ring. (12 dc)\nRnd 2: 2 dc in each st around. (22 dc)\n"}},
     false, 2, "line 2: the round makes 24 stitches, its count says 22", ""},
    {"an empty box says nothing", {{"text", " \n\n"}}, false, {}, "", ""},
    {"too large for any sheet", {{"shape", "circle"}, {"stitch", "dc"}, {"rounds", "20"}}, false, {}, "*", ""},
    {"a shape in UK terms", {{"terms", "uk"}, {"shape", "square"}, {"rounds", "2"}}, true, {}, "", "", ShapeRequest{Shape::Square, typeids::kSingle, 2}},
    {"a shape in Russian", {{"lang", "ru"}, {"shape", "circle"}, {"rounds", "3"}}, true, {}, "", "", ShapeRequest{Shape::Circle, typeids::kSingle, 3}},
    {"typed text follows the terms", {{"text", kTwelve}, {"terms", "uk"}}, true, {}, "",
     "Make a magic ring.\nRnd 1: 12 tr in ring. (12 tr)\n"},
    {"typed text follows the language", {{"text", kTwelve}, {"lang", "ru"}}, true, {}, "",
     "Сделать кольцо амигуруми.\n1-й круговой ряд: 12 ссн в кольцо. (12 ссн)\n"},
    {"a text that does not build stays", {{"text", "Rnd 1: dc2tgo in ring.\n"}, {"lang", "ru"}}, false, 1, "*",
     "Rnd 1: dc2tgo in ring.\n"},
    };
}

class PatternDialogChoices : public testing::TestWithParam<Choices> {};

TEST_P(PatternDialogChoices, BuildWhatTheyWriteAndNameTheLineThatFails)
{
    const Choices& c = GetParam();
    PatternDialogModel model(Language::English);
    for (const auto& [key, value] : c.set) {
        std::string error;
        ASSERT_TRUE(model.set(key, value, error)) << key << ": " << error;
    }
    EXPECT_EQ(model.canConfirm(), c.builds) << model.message();
    EXPECT_EQ(model.errorLine(), c.line);
    if (c.message == "*") {
        EXPECT_FALSE(model.message().empty());
    } else {
        EXPECT_EQ(model.message(), c.message);
    }
    if (!c.text.empty()) {
        EXPECT_EQ(model.text(), c.text);
    }
    if (c.shape) {
        EXPECT_EQ(model.text(), shapeText(*c.shape, phraseBook(model.language(), model.terms())));
    }
    CairoChartPainter painter;
    for (ChartPainter* with : {static_cast<ChartPainter*>(&painter), static_cast<ChartPainter*>(nullptr)}) {
        const PixelBuffer picture = model.preview({160, 120}, with);
        EXPECT_EQ(picture.width(), 160);
        EXPECT_EQ(picture.height(), 120);
        EXPECT_EQ(anyInk(picture), c.builds) << (with ? "painted" : "from the sheet's pixels");
    }
    if (c.builds) {
        const PhraseBook& book = phraseBook(model.language(), model.terms());
        EXPECT_EQ(writtenOut(*model.chart(), book), model.text());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PatternDialogChoices, testing::ValuesIn(everyChoice()), [](const auto& info) {
    std::string name;
    for (const char* ch = info.param.name; *ch; ++ch)
        name += std::isalnum(static_cast<unsigned char>(*ch)) ? *ch : '_';
    return name;
});

TEST(PatternDialog, RefusesNamesAndValuesItDoesNotTake)
{
    const std::pair<std::string, std::string> kRefused[] = {
        {"shape", "star"}, {"stitch", "tr"}, {"rounds", "0"},  {"rounds", "21"}, {"rounds", "3x"},
        {"terms", "au"},   {"lang", "de"},   {"colour", "1"}};
    PatternDialogModel model(Language::English);
    const std::string before = model.text();
    for (const auto& [key, value] : kRefused) {
        std::string error;
        EXPECT_FALSE(model.set(key, value, error)) << key << "=" << value;
        EXPECT_FALSE(error.empty()) << key << "=" << value;
        EXPECT_EQ(model.text(), before) << key << "=" << value;
    }
    std::string error;
    ASSERT_TRUE(model.set("shape", "granny", error));
    EXPECT_FALSE(model.stitchApplies());
    EXPECT_FALSE(model.set("stitch", "sc", error)) << "a granny square is worked in doubles";
}

TEST(PatternDialog, EditingTheTextLetsGoOfTheShapeAndPickingItWritesItAgain)
{
    PatternDialogModel model(Language::English);
    ASSERT_EQ(model.shape(), Shape::Circle);
    std::string withoutLastBreak = model.text();
    withoutLastBreak.pop_back();
    model.setText(withoutLastBreak);
    EXPECT_EQ(model.shape(), Shape::Circle) << "the last line's break alone is no edit";
    model.setText(kTwelve);
    EXPECT_FALSE(model.shape());
    model.pickRounds(2);
    EXPECT_EQ(model.text(), kTwelve) << "rounds without a shape write nothing";
    model.pickShape(Shape::Hexagon);
    EXPECT_EQ(model.text(), shapeText({Shape::Hexagon, typeids::kDouble, 2}, us()));
}

TEST(PatternDialog, OffersTheStitchesAsTheInstructionsAbbreviateThem)
{
    PatternDialogModel model(Language::English);
    EXPECT_EQ(model.stitchNames(), (std::vector<std::string>{"sc", "hdc", "dc"}));
    model.setTerms(Terms::Uk);
    EXPECT_EQ(model.stitchNames(), (std::vector<std::string>{"dc", "htr", "tr"}));
    test::InLanguage english(Language::English);
    EXPECT_EQ(PatternDialogModel::shapeNames(), (std::vector<std::string>{"circle", "square", "hexagon", "granny square"}));
    EXPECT_EQ(PatternDialogModel::title(), "Chart from pattern");
}

// Through the File menu's command: refused answers say why and the next is
// taken; the confirmed text opens in a new unsaved window; cancelling opens nothing.
TEST(PatternDialog, TheCommandOpensTheConfirmedChartInANewWindow)
{
    test::InLanguage english(Language::English);
    Session s;
    s.run({"new 300 300 0 30", "answer ok text=\"Rnd 1: 12 dc in ring. (11 dc)\"", "answer ok shape=granny rounds=2",
           "command " + std::to_string(cmd::kChartFromPattern)});
    EXPECT_EQ(s.output(), "dialog: line 1: the round makes 12 stitches, its count says 11\n");
    ASSERT_EQ(s.app().chartCount(), 2u);
    EXPECT_EQ(s.app().activeIndex(), 1u);
    const ChartSession& made = s.app().chart(1);
    EXPECT_TRUE(made.path.empty());
    EXPECT_TRUE(made.document->isModified());
    EXPECT_EQ(writtenOut(*made.document, us()), shapeText({Shape::Granny, typeids::kDouble, 2}, us()));
    s.run({"answer cancel", "command " + std::to_string(cmd::kChartFromPattern)});
    EXPECT_EQ(s.app().chartCount(), 2u);
}

} // namespace
