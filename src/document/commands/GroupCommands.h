#pragma once
// Group turns the selection into one group element and Ungroup dissolves a
// group (a user group, a stitch symbol or an arrangement) into its parts.
// Undo and redo reuse the same group object: a dissolved group stays in the
// chart, hidden, removed and empty, until it adopts its members again.

#include "document/commands/Command.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;
class CGroupElement;

class CGroupCommand : public CCommand {
public:
    explicit CGroupCommand(CCanvas& canvas) : canvas_(canvas) {}

    // The first time groups the canvas's selection; fails, changing nothing,
    // when the selection is empty, its members do not share one parent, or
    // the group would nest deeper than kDeepestNesting levels.
    // Then the group is the only selected element and the current element.
    bool Do() override;
    // Dissolves the group: its members go, in order, to the end of its parent.
    bool Undo() override;

    CGroupElement* group() const { return group_; }

private:
    CCanvas& canvas_;
    CGroupElement* group_ = nullptr; // null until the first successful Do
    std::vector<CChartElement*> members_;
};

class CUngroupCommand : public CCommand {
public:
    CUngroupCommand(CCanvas& canvas, CGroupElement& group) : canvas_(canvas), group_(group) {}

    // Refuses a group without children (undo could not fill it again, and it
    // would block every older undo) and a hidden one (not on the chart).
    bool Do() override;
    // The same group adopts its members again and becomes the only selected
    // element; it is not made current.
    bool Undo() override;

private:
    CCanvas& canvas_;
    CGroupElement& group_;
    std::vector<CChartElement*> members_;
};

} // namespace loopora
