// The rounds and the pattern on exported charts: with rounds, each round's
// symbols take one of two colours by turns and every round's number stands
// beside its first stitch clear of every symbol; the written instructions
// are wrapped to the width they are given and flow over as many runs as
// the height allows.

#include "export/ChartShapes.h"
#include "export/PatternShapes.h"
#include "pattern/PatternCharts.h"

#include <gtest/gtest.h>

#include <map>

using namespace loopora;
using namespace loopora::test;

namespace {

// Strokes by the round of the symbol they belong to (-1: none), and the
// texts of the rounds' marks.
class RoundRecorder final : public ShapeSink {
public:
    std::map<int, std::vector<Colour>> colours;
    std::vector<ShapeText> numbers;

    void beginElement(int32_t typeId) override
    {
        open_.push_back(typeId == kRoundMarks ? kMarks : open_.empty() ? -1 : open_.back());
    }
    void beginElementOfRound(int32_t, int round) override { open_.push_back(round); }
    void endElement() override { open_.pop_back(); }
    void line(ShapePoint, ShapePoint, const ShapeStroke& s) override { add(s.colour); }
    void ellipse(const ShapeEllipse&, const ShapeStroke& s) override { add(s.colour); }
    void filledEllipse(const ShapeEllipse&, Colour fill) override
    {
        if (fill != colours::white)
            add(fill);
    }
    void filledPolygon(std::span<const ShapePoint>, Colour fill) override
    {
        if (fill != colours::white)
            add(fill);
    }
    void ellipseArc(const ShapeEllipse&, double, double, const ShapeStroke& s) override { add(s.colour); }
    void rectangle(ShapePoint, ShapePoint, const ShapeStroke& s) override { add(s.colour); }
    void text(const ShapeText& t) override
    {
        if (!open_.empty() && open_.back() == kMarks)
            numbers.push_back(t);
    }

private:
    static constexpr int kMarks = -2;
    void add(Colour c)
    {
        if (open_.empty() || open_.back() != kMarks)
            colours[open_.empty() ? -1 : open_.back()].push_back(c);
    }
    std::vector<int> open_;
};

// The texts of a description.
class TextRecorder final : public ShapeSink {
public:
    std::vector<ShapeText> texts;
    void line(ShapePoint, ShapePoint, const ShapeStroke&) override {}
    void ellipse(const ShapeEllipse&, const ShapeStroke&) override {}
    void filledEllipse(const ShapeEllipse&, Colour) override {}
    void filledPolygon(std::span<const ShapePoint>, Colour) override {}
    void ellipseArc(const ShapeEllipse&, double, double, const ShapeStroke&) override {}
    void rectangle(ShapePoint, ShapePoint, const ShapeStroke&) override {}
    void text(const ShapeText& t) override { texts.push_back(t); }
};

TEST(RoundsExport, ColoursTheRoundsByTurnsAndNumbersThemClearOfTheSymbols)
{
    Session s;
    build(s, thirdRoundAlternating());
    ExportOptions options;
    options.rounds = true;
    RoundRecorder recorder;
    describeChart(s.view().document(), recorder, options);
    const Colour blue = rgb(24, 72, 176), red = rgb(176, 32, 32);
    for (int round = 0; round <= 3; ++round) {
        ASSERT_TRUE(recorder.colours.count(round)) << "round " << round;
        for (Colour c : recorder.colours[round])
            EXPECT_EQ(c, round % 2 ? blue : red) << "round " << round;
    }
    EXPECT_FALSE(recorder.colours.count(-1)) << "a stroke of no round";
    ASSERT_EQ(recorder.numbers.size(), 3u);
    for (size_t i = 0; i < recorder.numbers.size(); ++i) {
        const ShapeText& t = recorder.numbers[i];
        ASSERT_EQ(t.lines.size(), 1u);
        EXPECT_EQ(t.lines[0].utf8, std::to_string(i + 1));
        for (const auto& child : s.canvas().children()) {
            const Rect r = child->getBounds();
            const bool apart = t.left + t.lines[0].width <= r.left || t.left >= r.right ||
                               t.top + t.cellHeight <= r.top || t.top >= r.bottom;
            EXPECT_TRUE(apart) << "number " << i + 1 << " over a symbol";
        }
    }
}

TEST(RoundsExport, WithoutRoundsTheChartIsDescribedAsEver)
{
    Session s;
    build(s, ringOfTwelveDoubles());
    RoundRecorder recorder;
    describeChart(s.view().document(), recorder, ExportOptions{});
    EXPECT_TRUE(recorder.numbers.empty());
    for (const auto& [round, colours] : recorder.colours) {
        EXPECT_EQ(round, -1);
        for (Colour c : colours)
            EXPECT_NE(c, rgb(24, 72, 176));
    }
}

TEST(PatternExport, WrapsEachLineToTheWidthAndFlowsOverRuns)
{
    Session s;
    build(s, thirdRoundAlternating());
    ExportOptions options;
    options.pattern = true;
    options.legendLanguage = Language::English;
    const double width = 150;
    const std::optional<PatternShapes> text = exportedPattern(s.view().document(), options, width);
    ASSERT_TRUE(text);
    EXPECT_GT(text->lineCount(), 4u); // four lines, the longer wrapped
    TextRecorder lines;
    text->describe(lines, 0, text->lineCount());
    ASSERT_EQ(lines.texts.size(), text->lineCount());
    std::string all;
    for (const ShapeText& t : lines.texts) {
        EXPECT_LE(t.left + t.lines[0].width, PatternShapes::kMargin + width + 1e-9) << t.lines[0].utf8;
        all += t.lines[0].utf8 + " ";
    }
    EXPECT_NE(all.find("Rnd 3: *2 dc in next st,"), std::string::npos) << all;
    EXPECT_NE(all.find("(36 dc)"), std::string::npos) << all;
    // Runs of lines as a height holds them, one line at the least.
    const double height = text->heightOf(0, 3);
    EXPECT_EQ(text->linesWithin(0, height), 3u);
    EXPECT_EQ(text->linesWithin(0, 1), 1u);
    EXPECT_FALSE(exportedPattern(s.view().document(), ExportOptions{}, width));
}

} // namespace
