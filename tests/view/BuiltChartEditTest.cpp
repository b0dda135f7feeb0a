// A chart built from written instructions is edited like any other, and its
// instructions follow: one stitch taken away, added or changed with the
// editor's own tools changes the line of its round and no other.

#include "document/TypeTable.h"
#include "elements/TypeIds.h"
#include "pattern/ChartBuild.h"
#include "pattern/PatternText.h"
#include "pattern/ShapePresets.h"
#include "support/Session.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::pattern;
using loopora::test::Session;

namespace {

enum class Change {
    Remove,   // selected and deleted
    Increase, // a second stitch of its kind drawn from its base
    Retype,   // deleted and drawn again as a double, base to top
};

struct Edit {
    const char* name;
    ShapeRequest shape;
    int round;
    size_t nth; // among the round's stitches, in working order
    Change change;
};

const Edit kEdits[] = {
    {"double taken from the last round", {Shape::Circle, typeids::kDouble, 3}, 3, 5, Change::Remove},
    {"single taken from the last round", {Shape::Circle, typeids::kSingle, 4}, 4, 0, Change::Remove},
    {"increase in the last round", {Shape::Circle, typeids::kDouble, 2}, 2, 7, Change::Increase},
    {"single of the circle's last round made a double", {Shape::Circle, typeids::kSingle, 4}, 4, 3, Change::Retype},
    {"single of the square's last round made a double", {Shape::Square, typeids::kSingle, 3}, 3, 1, Change::Retype},
    {"single of a middle round made a double", {Shape::Circle, typeids::kSingle, 4}, 2, 3, Change::Retype},
    {"double of the hexagon's last round taken", {Shape::Hexagon, typeids::kDouble, 3}, 3, 9, Change::Remove},
    {"increase in the hexagon's last round", {Shape::Hexagon, typeids::kDouble, 2}, 2, 2, Change::Increase},
};

std::vector<std::string> linesOf(const CCanvas& canvas, const PhraseBook& book)
{
    const PatternText text = writePattern(readChart(canvas), book);
    std::vector<std::string> lines{text.foundation};
    lines.insert(lines.end(), text.rounds.begin(), text.rounds.end());
    return lines;
}

// A deleted element stays hidden in the chart, for its undo.
size_t shown(const CCanvas& canvas)
{
    size_t n = 0;
    for (size_t i = 0; i < canvas.childCount(); ++i)
        n += canvas.child(i)->hasFlag(kHidden) ? 0 : 1;
    return n;
}

std::string at(Point p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

class BuiltChartEdit : public testing::TestWithParam<Edit> {};

TEST_P(BuiltChartEdit, ChangesTheLineOfItsRoundOnly)
{
    const Edit& e = GetParam();
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    const PatternRead read = readWrittenPattern(shapeText(e.shape, book), book);
    ASSERT_TRUE(read.pattern);
    const ChartLayout layout = layOut(*read.pattern, book, std::nullopt);
    ASSERT_TRUE(layout.error.empty()) << layout.error;
    std::vector<const PlacedSymbol*> stitches;
    for (const PlacedSymbol& s : layout.symbols)
        if (s.round == e.round && s.typeId != typeids::kChain && s.typeId != typeids::kSlipStitch)
            stitches.push_back(&s);
    ASSERT_LT(e.nth + 1, stitches.size());
    const PlacedSymbol& stitch = *stitches[e.nth];

    Session s;
    s.app().openMadeChart(documentOf(layout));
    const std::vector<std::string> before = linesOf(s.canvas(), book);
    const size_t elements = shown(s.canvas());
    // Chart points as the window shows them at 100 %.
    const Viewport& viewport = s.view().viewport();
    auto window = [&](Point chart) {
        return Point{chart.x + viewport.origin().x - viewport.scroll().x, chart.y + viewport.origin().y - viewport.scroll().y};
    };
    const std::string kind(typeName(stitch.typeId));
    // Clicked low on its stem: the round above stands on its top.
    const Point middle{(3 * stitch.base.x + stitch.top.x) / 4, (3 * stitch.base.y + stitch.top.y) / 4};
    if (e.change != Change::Increase) {
        s.run({"tool select", "click " + at(window(middle))});
        ASSERT_EQ(s.canvas().selection().members().size(), 1u);
        ASSERT_EQ(s.canvas().selection().members()[0]->typeId(), stitch.typeId);
        s.run({"key DELETE"});
        ASSERT_EQ(shown(s.canvas()), elements - 1);
    }
    if (e.change == Change::Increase) {
        const Point next = stitches[e.nth + 1]->top;
        const Point between{(stitch.top.x + next.x) / 2, (stitch.top.y + next.y) / 2};
        s.run({"tool " + kind, "drag " + at(window(stitch.base)) + " " + at(window(between)), "tool select"});
        ASSERT_EQ(shown(s.canvas()), elements + 1);
    }
    if (e.change == Change::Retype) {
        s.run({"tool " + std::string(typeName(typeids::kDouble)), "drag " + at(window(stitch.base)) + " " + at(window(stitch.top)),
               "tool select"});
        ASSERT_EQ(shown(s.canvas()), elements);
    }

    const std::vector<std::string> after = linesOf(s.canvas(), book);
    ASSERT_EQ(after.size(), before.size());
    for (size_t line = 0; line < before.size(); ++line) {
        if (line == size_t(e.round))
            EXPECT_NE(after[line], before[line]) << "line " << line;
        else
            EXPECT_EQ(after[line], before[line]) << "line " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BuiltChartEdit, testing::ValuesIn(kEdits), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.name; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
});

} // namespace
