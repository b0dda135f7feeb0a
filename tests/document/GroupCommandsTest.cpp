// Invariants: grouping puts the selected elements, in selection order, into a
// new group that becomes the last child of their parent, the only selected
// element and the current element, with its frame at the corners of their
// bounds; undo dissolves it and redo refills the same group object; ungroup
// gives the members back after the group's former siblings and its undo puts
// them back into the same group; a refused group or ungroup changes nothing
// and records nothing.

#include "document/commands/GroupCommands.h"
#include "support/SmallChart.h"

#include <gtest/gtest.h>

using namespace loopora;
using loopora::test::SmallChart;
using loopora::test::place;

namespace {

using Elements = std::vector<CChartElement*>;

Elements childrenOf(const CChartElement& e)
{
    Elements out;
    for (const auto& c : e.children())
        out.push_back(c.get());
    return out;
}

std::vector<Point> frameOf(const CChartElement& group)
{
    Rect r;
    for (const auto& c : group.children())
        r = CChartElement::accumulateBounds(r, c->getBounds());
    return {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

} // namespace

TEST(GroupCommand, GroupsTheSelectionInSelectionOrder)
{
    SmallChart chart;
    chart.canvas.select(chart.rectangle, SelectMode::Replace);
    chart.canvas.select(chart.line, SelectMode::Add);
    chart.window.rects.clear();
    ASSERT_TRUE(chart.canvas.group());
    ASSERT_EQ(chart.canvas.childCount(), 2u);
    EXPECT_EQ(chart.canvas.child(0), chart.group);
    auto* made = dynamic_cast<CGroupElement*>(chart.canvas.child(1));
    ASSERT_TRUE(made);
    EXPECT_EQ(childrenOf(*made), (Elements{chart.rectangle, chart.line}));
    EXPECT_EQ(chart.line->parent(), made);
    EXPECT_EQ(made->points(), frameOf(*made));
    EXPECT_EQ(made->points(), (std::vector<Point>{{5, 5}, {95, 5}, {95, 85}, {5, 85}}));
    EXPECT_EQ(chart.canvas.selection().members(), Elements{made});
    EXPECT_FALSE(chart.line->hasFlag(kSelected));
    EXPECT_EQ(chart.canvas.current(), made);
    EXPECT_EQ(chart.window.rects, std::vector<Rect>{made->getBounds()});
}

TEST(GroupCommand, UndoDissolvesAndRedoRefillsTheSameGroup)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    ASSERT_TRUE(chart.canvas.group());
    auto* made = static_cast<CGroupElement*>(chart.canvas.child(1));
    const std::string grouped = chart.state();
    const std::vector<Point> frame = made->points();

    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(childrenOf(chart.canvas), (Elements{chart.group, made, chart.line, chart.rectangle}));
    EXPECT_TRUE(made->isDeleted());
    EXPECT_EQ(made->childCount(), 0u);
    EXPECT_TRUE(made->points().empty());
    EXPECT_FALSE(made->hasFlag(kSelected) || made->hasFlag(kCurrent));
    EXPECT_EQ(chart.canvas.current(), nullptr);

    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(chart.canvas.childCount(), 2u);
    EXPECT_EQ(chart.canvas.child(1), made);
    EXPECT_EQ(childrenOf(*made), (Elements{chart.line, chart.rectangle}));
    EXPECT_EQ(made->points(), frame);
    EXPECT_EQ(chart.state(), grouped);
}

TEST(GroupCommand, EmptySelectionRecordsNothingAndUndoReachesTheCommandBefore)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    chart.canvas.group();
    chart.canvas.select(nullptr, SelectMode::Replace);
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.group());
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 1u);
    chart.canvas.history().Undo();
    EXPECT_EQ(chart.line->parent(), &chart.canvas); // the earlier group was undone
}

TEST(GroupCommand, MembersOfTwoDifferentGroupsAreRefused)
{
    SmallChart chart;
    chart.canvas.select(chart.line, SelectMode::Replace);
    chart.canvas.select(chart.rectangle, SelectMode::Add);
    ASSERT_TRUE(chart.canvas.group());
    auto* second = static_cast<CGroupElement*>(chart.canvas.child(1));
    chart.canvas.select(chart.group->child(0), SelectMode::Replace);
    chart.canvas.select(second->child(1), SelectMode::Add);
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.group());
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 1u);
}

TEST(GroupCommand, MembersOfOneGroupFormAGroupInsideIt)
{
    SmallChart chart;
    CChartElement* stroke = chart.group->child(1);
    chart.canvas.select(stroke, SelectMode::Replace);
    ASSERT_TRUE(chart.canvas.group());
    auto* inner = dynamic_cast<CGroupElement*>(chart.group->child(1));
    ASSERT_TRUE(inner);
    EXPECT_EQ(childrenOf(*inner), Elements{stroke});
    EXPECT_EQ(inner->canvas(), &chart.canvas);
}

TEST(UngroupCommand, GivesTheMembersBackAfterTheFormerSiblings)
{
    SmallChart chart;
    const Elements members = childrenOf(*chart.group);
    const Rect bounds = chart.group->getBounds();
    chart.canvas.select(chart.group, SelectMode::Replace);
    chart.canvas.setCurrent(chart.group);
    chart.window.rects.clear();
    ASSERT_TRUE(chart.canvas.ungroup());
    EXPECT_EQ(childrenOf(chart.canvas), (Elements{chart.line, chart.rectangle, chart.group, members[0], members[1]}));
    EXPECT_TRUE(chart.group->isDeleted());
    EXPECT_TRUE(chart.canvas.selection().empty());
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_FALSE(chart.group->hasFlag(kCurrent));
    EXPECT_EQ(chart.window.rects, std::vector<Rect>{bounds});
}

TEST(UngroupCommand, UndoPutsTheMembersBackIntoTheSameGroup)
{
    SmallChart chart;
    const Elements members = childrenOf(*chart.group);
    const std::vector<Point> frame = chart.group->points();
    chart.canvas.setCurrent(chart.group);
    ASSERT_TRUE(chart.canvas.ungroup());
    const std::string ungrouped = chart.state();
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_FALSE(chart.group->isDeleted());
    EXPECT_EQ(childrenOf(*chart.group), members);
    EXPECT_EQ(chart.group->points(), frame);
    EXPECT_EQ(chart.canvas.child(chart.canvas.childCount() - 1), chart.group);
    EXPECT_EQ(chart.canvas.selection().members(), Elements{chart.group});
    EXPECT_EQ(chart.canvas.current(), nullptr); // not made current again
    ASSERT_TRUE(chart.canvas.history().Redo());
    EXPECT_EQ(chart.state(), ungrouped);
}

TEST(UngroupCommand, UndoReleasesAPartMadeCurrentWhileItStoodAlone)
{
    SmallChart chart;
    CChartElement* stroke = chart.group->child(0);
    chart.canvas.setCurrent(chart.group);
    ASSERT_TRUE(chart.canvas.ungroup());
    chart.canvas.select(stroke, SelectMode::Replace);
    chart.canvas.setCurrent(stroke);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(stroke->parent(), chart.group);
    EXPECT_EQ(chart.canvas.current(), nullptr);
    EXPECT_FALSE(stroke->hasFlag(kCurrent) || stroke->hasFlag(kSelected));
}

TEST(UngroupCommand, UndoKeepsACurrentElementOutsideTheGroup)
{
    SmallChart chart;
    chart.canvas.setCurrent(chart.group);
    ASSERT_TRUE(chart.canvas.ungroup());
    chart.canvas.setCurrent(chart.line);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(chart.canvas.current(), chart.line);
}

TEST(UngroupCommand, NeedsACurrentGroupLikeElement)
{
    SmallChart chart;
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.ungroup()); // no current element
    chart.canvas.setCurrent(chart.line);
    EXPECT_FALSE(chart.canvas.ungroup()); // a line has no frame handles
    chart.canvas.setCurrent(nullptr);
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}

TEST(UngroupCommand, GroupWithoutChildrenIsRefused)
{
    SmallChart chart;
    auto* empty = static_cast<CGroupElement*>(chart.canvas.appendChild(std::make_unique<CGroupElement>()));
    chart.canvas.setCurrent(empty);
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.ungroup());
    EXPECT_EQ(chart.state(), before);
    EXPECT_FALSE(empty->isDeleted());
    EXPECT_EQ(chart.canvas.history().size(), 0u);
}

TEST(UngroupCommand, HiddenGroupIsRefused)
{
    SmallChart chart;
    chart.canvas.select(chart.group, SelectMode::Replace);
    chart.canvas.setCurrent(chart.group);
    ASSERT_TRUE(chart.canvas.cut()); // hidden, yet still current
    const std::string before = chart.state();
    EXPECT_FALSE(chart.canvas.ungroup());
    EXPECT_EQ(chart.state(), before);
    EXPECT_EQ(chart.canvas.history().size(), 1u);
}

TEST(UngroupCommand, NestedGroupGoesBackToItsOwnParent)
{
    SmallChart chart;
    auto* inner = static_cast<CGroupElement*>(chart.group->appendChild(std::make_unique<CGroupElement>()));
    place(*inner, typeids::kLine, {{130, 30}, {150, 30}});
    inner->recomputeFrame();
    chart.canvas.setCurrent(inner);
    ASSERT_TRUE(chart.canvas.ungroup());
    EXPECT_EQ(chart.group->childCount(), 4u);
    EXPECT_EQ(chart.group->child(3)->parent(), chart.group);
    ASSERT_TRUE(chart.canvas.history().Undo());
    EXPECT_EQ(chart.group->childCount(), 3u);
    EXPECT_EQ(inner->childCount(), 1u);
}
