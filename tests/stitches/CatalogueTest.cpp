// Invariants, for every symbol of the catalogue on upright, tilted and
// reversed frames: its strokes come in the number its family makes; its
// handles are the corners of its strokes' bounds; saving and loading, and
// copying, give back identical strokes; mirroring twice and moving there and
// back restore every coordinate.

#include "document/ChartFile.h"
#include "document/ChartJson.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace loopora;

namespace {

// Children per symbol: fans have stem, slashes and bar per leg (3 for double
// legs, 4 treble, 5 double treble) plus their chains; decreases share one bar.
const std::map<int32_t, size_t> kChildren = {
    // basic
    {7, 3}, {43, 5}, {47, 2}, {58, 2}, {65, 4}, {68, 6},
    // chain groups and specials
    {3, 2}, {4, 3}, {5, 3}, {1, 2}, {48, 2}, {49, 2}, {61, 2}, {62, 2}, {64, 2}, {66, 2}, {67, 2}, {63, 4}, {69, 4}, {150, 2},
    // double fans
    {11, 6}, {12, 6}, {50, 6}, {55, 6}, {14, 9}, {81, 9}, {16, 9}, {17, 9}, {51, 9}, {56, 9}, {79, 12}, {80, 12},
    {25, 12}, {26, 12}, {52, 12}, {57, 12}, {27, 15}, {33, 15}, {31, 15}, {32, 15}, {82, 18}, {37, 18}, {38, 21}, {90, 21},
    // chain fans: crossing chain +1, bridging chains +(legs - 1)
    {8, 7}, {9, 7}, {10, 7}, {15, 11}, {70, 11}, {140, 11}, {141, 11}, {20, 13}, {142, 13}, {21, 13}, {22, 13},
    {23, 15}, {24, 15}, {139, 19}, {28, 19}, {36, 19},
    // decreases: (stem + slash) per leg + one bar
    {39, 5}, {40, 7}, {41, 9}, {42, 11}, {87, 13}, {89, 15}, {83, 7}, {85, 9}, {84, 11}, {86, 13}, {88, 15},
    // clusters and single decreases
    {18, 3}, {34, 5}, {13, 3}, {19, 3}, {35, 5}, {29, 7}, {30, 7}, {54, 3}, {71, 5}, {59, 3}, {60, 4},
};

// Legs of the fans in fan-palette order, for the 48 treble and double-treble fans.
constexpr size_t kPaletteLegs[24] = {2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 7, 7};

size_t expectedChildren(int32_t type)
{
    if (type >= 91 && type <= 114)
        return kPaletteLegs[type - 91] * 4;
    if (type >= 115 && type <= 138)
        return kPaletteLegs[type - 115] * 5;
    return kChildren.at(type);
}

std::vector<int32_t> symbolTypes()
{
    std::vector<int32_t> out;
    for (const auto& [type, count] : kChildren)
        out.push_back(type);
    for (int32_t t = 91; t <= 138; ++t)
        out.push_back(t);
    return out;
}

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
        for (auto [p0, p1] : kFrames) {
            CCanvas canvas;
            auto e = test::built(type, {p0, p1}, &canvas);
            ASSERT_TRUE(e) << type;
            EXPECT_EQ(e->typeId(), type);
            EXPECT_TRUE(e->hasFrameHandles()) << type;
            EXPECT_EQ(e->childCount(), expectedChildren(type)) << type << " " << typeName(type);
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

TEST(Catalogue, ArrangementQueriesFollowTheFamilies)
{
    const std::set<int32_t> everywhere = {1, 3, 4, 5, 7, 43, 47, 48, 49, 54, 58, 61, 62, 63, 64, 65, 66, 67, 68, 69, 71, 150};
    for (int32_t type = 0; type < PrototypeTable::kSize; ++type) {
        const CChartElement* p = PrototypeTable::prototype(type);
        if (!p || type >= 143)
            continue;
        bool rowAndArc = everywhere.count(type) || type == 45 || type == 46;
        EXPECT_EQ(canArrangeInRow(type), rowAndArc) << type;
        EXPECT_EQ(canArrangeInArc(type), rowAndArc) << type;
        EXPECT_EQ(canArrangeInLoopedArc(type), everywhere.count(type) == 1) << type;
    }
    EXPECT_FALSE(canArrangeInRow(typeids::kCircle));
    EXPECT_FALSE(canArrangeInRow(typeids::kLine));
    EXPECT_FALSE(canArrangeInRow(typeids::kRow));
    EXPECT_FALSE(canArrangeInRow(-1));
}
