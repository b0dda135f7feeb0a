// Invariants, for every symbol of the catalogue on upright, tilted and
// reversed frames: it builds strokes, as many on every frame, and a fan or
// decrease as many as its legs and chains make; its handles are the corners
// of its strokes' bounds; saving and loading, and copying, give back
// identical strokes; mirroring twice and moving there and back restore every
// coordinate; rows and arcs repeat what is worked into one stitch, and the
// arcs with loops only the stitches that were always repeated so.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "support/EveryShapeChart.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

using namespace loopora;

namespace {

int chainPartsOf(const FanRecipe& recipe)
{
    switch (recipe.chains) {
    case FanChains::None: return 0;
    case FanChains::CrossingOval:
    case FanChains::CrossingChain2:
    case FanChains::CrossingChain3: return 1; // one oval or one chain group
    case FanChains::Bridging: return recipe.legCount - 1;
    }
    return 0;
}

// The strokes a fan or decrease is built of: stem, slashes and, for a fan,
// a bar per leg (which a single's leg has not), plus its chains; a
// decrease's legs share one bar. Nothing for the symbols with builds of
// their own.
std::optional<size_t> childrenOfRecipe(const ElementType& type)
{
    auto perLeg = [](const LegStyle& style) { return 1 + style.slashCount + (style.topBarK ? 1 : 0); };
    if (const auto* recipe = std::get_if<FanRecipe>(&type.build))
        return recipe->legCount * perLeg(*recipe->legStyle) + chainPartsOf(*recipe);
    if (const auto* like = std::get_if<FanLike>(&type.build)) {
        const auto& model = std::get<FanRecipe>(elementType(like->fanTypeId)->build);
        return model.legCount * perLeg(*like->legs) + chainPartsOf(model);
    }
    if (const auto* recipe = std::get_if<DecreaseRecipe>(&type.build))
        return recipe->legCount * (1 + recipe->legStyle->slashCount) + 1;
    return std::nullopt;
}

std::vector<int32_t> symbolTypes() { return test::catalogueSymbols(); }

const std::vector<std::pair<Point, Point>> kFrames = {
    {{100, 200}, {100, 120}}, // upright
    {{60, 150}, {130, 95}},   // tilted
    {{100, 120}, {100, 200}}, // reversed
};

std::string jsonOf(CPattraDoc& doc) { return chartToJson(doc); }

// Compares two charts element by element, naming the first symbol that differs.
void expectSameCharts(CPattraDoc& actual, CPattraDoc& expected)
{
    ASSERT_EQ(actual.canvas().childCount(), expected.canvas().childCount());
    for (size_t i = 0; i < actual.canvas().childCount(); ++i) {
        CPattraDoc one, other;
        one.canvas().appendChild(CChartElement::cloneElement(*actual.canvas().child(i)));
        other.canvas().appendChild(CChartElement::cloneElement(*expected.canvas().child(i)));
        ASSERT_EQ(jsonOf(one), jsonOf(other)) << "element " << i << ", " << typeName(actual.canvas().child(i)->typeId());
    }
}

} // namespace

TEST(Catalogue, EverySymbolBuildsItsStrokesWithFrameHandles)
{
    for (int32_t type : symbolTypes()) {
        // The chain, the slip stitch and the magic ring are strokes themselves.
        if (!PrototypeTable::prototype(type)->hasFrameHandles())
            continue;
        const std::optional<size_t> recipeChildren = childrenOfRecipe(*elementType(type));
        std::optional<size_t> children;
        for (auto [p0, p1] : kFrames) {
            CCanvas canvas;
            auto e = test::built(type, {p0, p1}, &canvas);
            ASSERT_TRUE(e) << type;
            EXPECT_EQ(e->typeId(), type);
            EXPECT_TRUE(e->hasFrameHandles()) << type;
            EXPECT_GT(e->childCount(), 0u) << type;
            EXPECT_EQ(e->childCount(), children.value_or(e->childCount())) << type << " " << typeName(type);
            children = e->childCount();
            if (recipeChildren) {
                EXPECT_EQ(e->childCount(), *recipeChildren) << type << " " << typeName(type);
            }
            Rect b;
            for (const auto& c : e->children())
                b = CChartElement::accumulateBounds(b, c->getBounds());
            EXPECT_EQ(e->points(),
                      (std::vector<Point>{{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}}))
                << type;
            for (const auto& c : e->children()) {
                EXPECT_EQ(c->parent(), e.get());
                EXPECT_EQ(c->canvas(), &canvas);
            }
        }
    }
}

TEST(Catalogue, SavingLoadingAndCopyingKeepEveryStroke)
{
    CPattraDoc doc;
    doc.setChartSize(600, 600);
    for (int32_t type : symbolTypes())
        for (auto [p0, p1] : kFrames)
            test::place(doc.canvas(), type, {p0, p1}, {2, rgb(200, 0, 0), 0});
    std::vector<uint8_t> bytes = saveChartBytes(doc);
    ChartLoadResult loaded = loadChartBytes(bytes);
    ASSERT_TRUE(loaded.document) << loaded.error;
    expectSameCharts(*loaded.document, doc);

    CPattraDoc copies;
    copies.setChartSize(600, 600);
    for (const auto& e : doc.canvas().children())
        copies.canvas().appendChild(CChartElement::cloneElement(*e));
    expectSameCharts(copies, doc);
}

TEST(Catalogue, MirrorTwiceAndMoveBackRestoreEveryCoordinate)
{
    CPattraDoc doc;
    doc.setChartSize(600, 600);
    CPattraDoc before;
    for (int32_t type : symbolTypes()) {
        test::place(doc.canvas(), type, {{60, 150}, {130, 95}});
        test::place(before.canvas(), type, {{60, 150}, {130, 95}});
    }
    for (const auto& e : doc.canvas().children()) {
        e->mirrorX({333, 0});
        e->moveBy(7, -3);
        e->mirrorY({0, -47});
        e->mirrorY({0, -47});
        e->moveBy(-7, 3);
        e->mirrorX({333, 0});
        e->moveBy(5, 0); // an arrow-key move and its undo
        e->moveBy(-5, 0);
    }
    expectSameCharts(doc, before);
}

TEST(Catalogue, RowsAndArcsRepeatEverySymbolWorkedIntoOneStitch)
{
    for (const ElementType& type : elementTypes()) {
        const bool oneStitch = isCountedSymbol(type.kind) && type.counts.workedInto == 1;
        if (oneStitch || type.counts.workedInto > 1) {
            EXPECT_EQ(canArrangeInRow(type.id), oneStitch) << type.name;
            EXPECT_EQ(canArrangeInArc(type.id), oneStitch) << type.name;
        }
        if (!isCountedSymbol(type.kind) || type.kind == TypeKind::Mark) {
            EXPECT_FALSE(canArrangeInRow(type.id)) << type.id;
        }
        // Arcs with loops hold stitches between their loops, never fans or clusters of strands.
        if (type.kind == TypeKind::Fan || type.kind == TypeKind::Decrease) {
            EXPECT_FALSE(canArrangeInLoopedArc(type.id)) << type.name;
        }
    }
}

TEST(Catalogue, TheFirstCatalogueKeepsItsArcsWithLoops)
{
    const std::set<int32_t> everywhere = {1, 3, 4, 5, 7, 43, 47, 48, 49, 54, 58, 61, 62, 63, 64, 65, 66, 67, 68, 69, 71, 150};
    for (int32_t type = 0; type <= typeids::kLoopedArc; ++type) {
        const ElementType* row = elementType(type);
        if (!row)
            continue;
        const bool rowAndArc = everywhere.count(type) || type == typeids::kChain || type == typeids::kSlipStitch ||
                               row->kind == TypeKind::Fan || (row->kind == TypeKind::Cluster);
        EXPECT_EQ(canArrangeInRow(type), rowAndArc) << type;
        EXPECT_EQ(canArrangeInArc(type), rowAndArc) << type;
        EXPECT_EQ(canArrangeInLoopedArc(type), everywhere.count(type) == 1) << type;
    }
    EXPECT_FALSE(canArrangeInRow(typeids::kCircle));
    EXPECT_FALSE(canArrangeInRow(typeids::kLine));
    EXPECT_FALSE(canArrangeInRow(typeids::kRow));
    EXPECT_FALSE(canArrangeInRow(-1));
}
