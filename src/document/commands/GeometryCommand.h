#pragma once
// A change of the points of some elements and of everything inside them:
// moves, mirrors, turns and sizing. Points are whole pixels and clamp at the
// edge of the drawable area, so the opposite change would not always find
// the old points: the command keeps the points from before and after the
// change, and undo and redo put them back.

#include "document/commands/Command.h"
#include "elements/GeometrySnapshot.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

class CGeometryCommand : public CCommand {
public:
    bool Do() override;
    bool Undo() override;

    const std::vector<CChartElement*>& elements() const { return elements_; }

protected:
    CGeometryCommand(CCanvas& canvas, std::vector<CChartElement*> elements)
        : canvas_(canvas), elements_(std::move(elements))
    {
    }
    // False refuses the command before anything changes: by default an
    // empty list (nothing selected), which then is not recorded.
    virtual bool canChange() const { return !elements_.empty(); }
    // The change itself, made once.
    virtual void change() = 0;

private:
    void restore(const GeometrySnapshot& snapshot);

    CCanvas& canvas_;
    std::vector<CChartElement*> elements_;
    GeometrySnapshot before_;
    GeometrySnapshot after_;
};

} // namespace loopora
