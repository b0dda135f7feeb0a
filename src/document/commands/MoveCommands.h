#pragma once
// Moving the selection as a whole (arrow keys, the move tool) and dragging one
// handle of one element (the change tool). Distances are doubles from the
// tools; elements move by the whole pixels truncated toward zero.

#include "document/commands/GeometryCommand.h"

namespace loopora {

class CMoveCommand : public CGeometryCommand {
public:
    CMoveCommand(CCanvas& canvas, std::vector<CChartElement*> elements, double dx, double dy)
        : CGeometryCommand(canvas, std::move(elements)), dx_(dx), dy_(dy)
    {
    }

protected:
    void change() override;

private:
    double dx_;
    double dy_;
};

class CMovePointCommand : public CGeometryCommand {
public:
    CMovePointCommand(CCanvas& canvas, CChartElement& element, size_t index, double dx, double dy)
        : CGeometryCommand(canvas, {&element}), element_(element), index_(index), dx_(dx), dy_(dy)
    {
    }

protected:
    // Refuses an index the element has no point of.
    bool canChange() const override;
    void change() override;

private:
    CChartElement& element_;
    size_t index_;
    double dx_;
    double dy_;
};

} // namespace loopora
