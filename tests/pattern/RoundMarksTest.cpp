// The round numbers of a picture of a chart never overlap one another, a
// symbol or the sheet's edge, and the outermost round's stands beside its
// start; checked on a table of built charts.

#include "pattern/ChartBuild.h"
#include "pattern/LabelPlaces.h"
#include "pattern/RoundMarks.h"
#include "pattern/ShapePresets.h"
#include "elements/TypeIds.h"

#include <gtest/gtest.h>

using namespace loopora;
using namespace loopora::pattern;

namespace {

constexpr double kNumberBox = 16;

struct Chart {
    const char* name;
    std::string text;
};

TEST(RoundMarks, NumbersStandClearOfSymbolsAndOfEachOtherNearTheirStarts)
{
    const PhraseBook& book = phraseBook(Language::English, Terms::Us);
    const Chart charts[] = {
        {"circle of doubles", shapeText({Shape::Circle, typeids::kDouble, 5}, book)},
        {"circle of singles", shapeText({Shape::Circle, typeids::kSingle, 8}, book)},
        {"granny", shapeText({Shape::Granny, typeids::kDouble, 4}, book)},
        {"square", shapeText({Shape::Square, typeids::kSingle, 6}, book)},
        {"hexagon", shapeText({Shape::Hexagon, typeids::kDouble, 4}, book)},
        {"rows", "Ch 12.\nRow 1: Dc in 4th ch from hook and in each ch across, turn. (9 dc)\n"
                 "Row 2: Ch 3 (counts as dc), dc in each st across, turn. (9 dc)\n"},
    };
    for (const Chart& c : charts) {
        const BuiltChart built = buildChart(c.text, book);
        ASSERT_TRUE(built.document) << c.name << ": " << built.message;
        const CCanvas& canvas = built.document->canvas();
        const std::vector<RoundMark> marks = roundMarks(readChart(canvas), canvas, kNumberBox);
        ASSERT_FALSE(marks.empty()) << c.name;
        const Box sheet{0, 0, double(canvas.chartWidth()), double(canvas.chartHeight())};
        for (size_t i = 0; i < marks.size(); ++i) {
            const Box label = Box::around(marks[i].label, kNumberBox);
            EXPECT_TRUE(label.left >= sheet.left && label.top >= sheet.top && label.right <= sheet.right &&
                        label.bottom <= sheet.bottom)
                << c.name << ": number " << marks[i].number << " leaves the sheet";
            for (size_t j = i + 1; j < marks.size(); ++j)
                EXPECT_FALSE(label.overlaps(Box::around(marks[j].label, kNumberBox)))
                    << c.name << ": numbers " << marks[i].number << " and " << marks[j].number << " overlap";
            for (const auto& symbol : canvas.children()) {
                const Rect r = symbol->getBounds();
                EXPECT_FALSE(label.overlaps({double(r.left), double(r.top), double(r.right), double(r.bottom)}))
                    << c.name << ": number " << marks[i].number << " lies over a symbol";
            }
        }
        EXPECT_LE(distance(marks.back().label, marks.back().start), 2 * kNumberBox) << c.name;
    }
}

} // namespace
