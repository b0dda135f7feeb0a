// Invariants: a group's points are the four corners of its children's bounds,
// 5 pixels outside the strokes; it is hit as a whole; adopting and ungrouping
// keep the order of the members; the selection set never owns its members.

#include "elements/GroupElement.h"
#include "elements/SelectionSet.h"
#include "support/TestCharts.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::place;

namespace {

struct TwoLines {
    CCanvas canvas;
    CChartElement* first = place(canvas, typeids::kLine, {{10, 10}, {50, 10}});
    CChartElement* second = place(canvas, typeids::kLine, {{30, 40}, {30, 80}});
};

} // namespace

TEST(Group, MakeGroupAppendsTheGroupWithMembersInSelectionOrder)
{
    TwoLines chart;
    CChartElement* before = place(chart.canvas, typeids::kLine, {{0, 0}, {1, 1}});
    CSelectionSet selection;
    selection.add(chart.second);
    selection.add(chart.first);
    CGroupElement* g = selection.makeGroup();
    ASSERT_TRUE(g);
    ASSERT_EQ(chart.canvas.childCount(), 2u);
    EXPECT_EQ(chart.canvas.child(0), before);
    EXPECT_EQ(chart.canvas.child(1), g);
    ASSERT_EQ(g->childCount(), 2u);
    EXPECT_EQ(g->child(0), chart.second);
    EXPECT_EQ(g->child(1), chart.first);
    EXPECT_EQ(chart.first->parent(), g);
    EXPECT_EQ(g->canvas(), &chart.canvas);
    // Children bounds (5, 5)-(55, 85); the frame is their corners.
    EXPECT_EQ(g->points(), (std::vector<Point>{{5, 5}, {55, 5}, {55, 85}, {5, 85}}));
}

TEST(Group, IsHitAsAWholeWithCornerHandles)
{
    TwoLines chart;
    CSelectionSet selection;
    selection.add(chart.first);
    selection.add(chart.second);
    CGroupElement* g = selection.makeGroup();
    HitInfo hit;
    hit.point = {30, 60}; // on the second stroke
    EXPECT_EQ(chart.canvas.hitTest(hit), g);
    EXPECT_EQ(hit.part, HitPart::Body);
    hit = {};
    hit.point = {2, 2}; // within 4 pixels of the top-left corner (5, 5)
    EXPECT_EQ(chart.canvas.hitTest(hit), g);
    EXPECT_EQ(hit.part, HitPart::Handle);
    EXPECT_EQ(hit.handleIndex, 0u);
}

TEST(Group, MembersOfDifferentParentsAreRefused)
{
    TwoLines chart;
    auto* inner = static_cast<CGroupElement*>(chart.canvas.appendChild(std::make_unique<CGroupElement>()));
    CChartElement* nested = place(*inner, typeids::kLine, {{0, 0}, {5, 5}});
    CSelectionSet selection;
    selection.add(chart.first);
    selection.add(nested);
    size_t before = chart.canvas.childCount();
    EXPECT_EQ(selection.makeGroup(), nullptr);
    EXPECT_EQ(chart.canvas.childCount(), before);
    EXPECT_EQ(chart.first->parent(), &chart.canvas);
    CSelectionSet empty;
    EXPECT_EQ(empty.makeGroup(), nullptr);
}

// Grouping the selection: the group becomes its only member and the former
// members, handed back in selection order, leave it; a refusal keeps it whole.
TEST(Group, GroupingTheSelectionLeavesTheGroupItsOnlyMember)
{
    TwoLines chart;
    auto* inner = static_cast<CGroupElement*>(chart.canvas.appendChild(std::make_unique<CGroupElement>()));
    CChartElement* nested = place(*inner, typeids::kLine, {{0, 0}, {5, 5}});
    for (bool refused : {true, false}) {
        CSelectionSet selection;
        selection.add(chart.second);
        selection.add(refused ? nested : chart.first);
        const std::vector<CChartElement*> before = selection.members();
        std::vector<CChartElement*> grouped;
        CGroupElement* g = selection.groupMembers(grouped);
        EXPECT_EQ(g == nullptr, refused);
        for (CChartElement* e : before)
            EXPECT_EQ(e->hasFlag(kSelected), refused);
        if (refused) {
            EXPECT_EQ(selection.members(), before);
            EXPECT_TRUE(grouped.empty());
            continue;
        }
        EXPECT_EQ(grouped, before);
        EXPECT_EQ(selection.members(), std::vector<CChartElement*>{g});
        EXPECT_TRUE(selection.contains(g));
        EXPECT_EQ(g->points(), (std::vector<Point>{{5, 5}, {55, 5}, {55, 85}, {5, 85}}));
    }
}

TEST(Group, UngroupAppendsChildrenAfterFormerSiblingsAndHidesTheGroup)
{
    TwoLines chart;
    CSelectionSet selection;
    selection.add(chart.first);
    selection.add(chart.second);
    CGroupElement* g = selection.makeGroup();
    CChartElement* later = place(chart.canvas, typeids::kLine, {{0, 0}, {9, 9}});
    chart.canvas.setCurrent(g);
    ASSERT_TRUE(g->ungroup());
    ASSERT_EQ(chart.canvas.childCount(), 4u);
    EXPECT_EQ(chart.canvas.child(0), g);
    EXPECT_EQ(chart.canvas.child(1), later);
    EXPECT_EQ(chart.canvas.child(2), chart.first);
    EXPECT_EQ(chart.canvas.child(3), chart.second);
    EXPECT_TRUE(g->hasFlag(kHidden) && g->hasFlag(kRemoved));
    EXPECT_TRUE(g->points().empty());
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_FALSE(g->hasFlag(kCurrent));
    // Undoing reuses the same group object.
    g->clearFlags(kDeletedFlags);
    ASSERT_TRUE(g->adopt({chart.first, chart.second}));
    ASSERT_EQ(chart.canvas.childCount(), 2u);
    EXPECT_EQ(chart.canvas.child(1), g);
    EXPECT_EQ(g->childCount(), 2u);
}

TEST(Group, MirroringKeepsTheFrameOnTheStrokes)
{
    TwoLines chart;
    CSelectionSet selection;
    selection.add(chart.first);
    selection.add(chart.second);
    CGroupElement* g = selection.makeGroup();
    g->mirrorX({100, 0});
    Rect b = Rect::united(chart.first->getBounds(), chart.second->getBounds());
    EXPECT_EQ(g->points(), (std::vector<Point>{{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}}));
    EXPECT_EQ(b.left, 145);
}

TEST(SelectionSet, RefusesDuplicatesAndDeletedElements)
{
    TwoLines chart;
    CSelectionSet selection;
    EXPECT_TRUE(selection.add(chart.first));
    EXPECT_FALSE(selection.add(chart.first));
    EXPECT_EQ(selection.size(), 1u);
    EXPECT_TRUE(chart.first->hasFlag(kSelected));
    chart.second->setFlags(kHidden);
    EXPECT_FALSE(selection.add(chart.second));
    EXPECT_FALSE(selection.add(nullptr));
    EXPECT_TRUE(selection.remove(chart.first));
    EXPECT_FALSE(chart.first->hasFlag(kSelected));
    EXPECT_FALSE(selection.remove(chart.first));
}

TEST(Canvas, SelectReplacesOrAddsAndCurrentIsUnique)
{
    TwoLines chart;
    chart.canvas.select(chart.first, SelectMode::Replace);
    chart.canvas.select(chart.second, SelectMode::Add);
    EXPECT_EQ(chart.canvas.selection().size(), 2u);
    chart.canvas.select(chart.second, SelectMode::Replace);
    EXPECT_EQ(chart.canvas.selection().members(), std::vector<CChartElement*>{chart.second});
    EXPECT_FALSE(chart.first->hasFlag(kSelected));
    chart.canvas.setCurrent(chart.first);
    chart.canvas.setCurrent(chart.second);
    EXPECT_FALSE(chart.first->hasFlag(kCurrent));
    EXPECT_TRUE(chart.second->hasFlag(kCurrent));
    chart.canvas.select(nullptr, SelectMode::Replace);
    EXPECT_TRUE(chart.canvas.selection().empty());
}

TEST(Group, BoundsFollowEveryChangeBelowIt)
{
    TwoLines chart;
    CSelectionSet selection;
    selection.add(chart.first);
    selection.add(chart.second);
    CGroupElement* g = selection.makeGroup();
    CGroupElement* outer = nullptr;
    {
        CSelectionSet again;
        again.add(g);
        outer = again.makeGroup();
    }
    Rect before = outer->getBounds();
    // A stroke deep inside changes: both groups above it see it at once.
    chart.second->movePoint(1, 0, 100);
    EXPECT_EQ(before.bottom, 95);
    EXPECT_EQ(g->getBounds().bottom, 185);
    EXPECT_EQ(outer->getBounds().bottom, 185);
    // A wider pen widens a plotted chain, and its group with it.
    CChartElement* chain = test::place(*g, typeids::kChain, {{50, 0}, {50, 40}});
    Rect withChain = g->getBounds();
    chain->setPen({9, colours::black, 0});
    EXPECT_GT(g->getBounds().right, withChain.right);
    // Taking a child away shrinks the group.
    auto taken = chain->detach();
    EXPECT_EQ(g->getBounds(), (Rect{0, 0, 60, 185}));
}

TEST(SelectionSet, KeepsSelectionOrderThroughRemovalsAndAddsAgain)
{
    CCanvas canvas;
    std::vector<CChartElement*> lines;
    for (int i = 0; i < 6; ++i)
        lines.push_back(place(canvas, typeids::kLine, {{i * 10, 0}, {i * 10, 30}}));
    CSelectionSet set;
    for (int i : {4, 0, 5, 2, 1, 3})
        set.add(lines[size_t(i)]);
    EXPECT_TRUE(set.remove(lines[0]));
    EXPECT_TRUE(set.remove(lines[2]));
    EXPECT_FALSE(set.remove(lines[2]));
    EXPECT_FALSE(lines[2]->hasFlag(kSelected));
    EXPECT_EQ(set.size(), 4u);
    EXPECT_FALSE(set.contains(lines[0]));
    EXPECT_TRUE(set.add(lines[0]));
    EXPECT_FALSE(set.add(lines[5]));
    EXPECT_EQ(set.members(), (std::vector<CChartElement*>{lines[4], lines[5], lines[1], lines[3], lines[0]}));
    EXPECT_TRUE(set.remove(lines[4]));
    EXPECT_TRUE(set.remove(lines[0]));
    EXPECT_EQ(set.members(), (std::vector<CChartElement*>{lines[5], lines[1], lines[3]}));
    EXPECT_TRUE(set.contains(lines[3]));
    set.clear();
    EXPECT_TRUE(set.empty());
    for (CChartElement* e : lines)
        EXPECT_FALSE(e->hasFlag(kSelected));
}

TEST(Group, GroupingSomeOfManyKeepsTheOthersInOrderAndTheMembersInSelectionOrder)
{
    CCanvas canvas;
    std::vector<CChartElement*> lines;
    for (int i = 0; i < 8; ++i)
        lines.push_back(place(canvas, typeids::kLine, {{i * 10, 0}, {i * 10, 30}}));
    CSelectionSet set;
    for (int i : {6, 1, 3})
        set.add(lines[size_t(i)]);
    CGroupElement* group = set.makeGroup();
    ASSERT_TRUE(group);
    std::vector<CChartElement*> top;
    for (const auto& c : canvas.children())
        top.push_back(c.get());
    EXPECT_EQ(top, (std::vector<CChartElement*>{lines[0], lines[2], lines[4], lines[5], lines[7], group}));
    ASSERT_EQ(group->childCount(), 3u);
    EXPECT_EQ(group->child(0), lines[6]);
    EXPECT_EQ(group->child(1), lines[1]);
    EXPECT_EQ(group->child(2), lines[3]);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(group->child(i)->parent(), group);
    EXPECT_EQ(group->points()[0], (Point{5, -5}));
}
