#pragma once
// Moving the selection as a whole (arrow keys, the move tool) and dragging one
// handle of one element (the change tool). Distances are doubles from the
// tools; elements move by the whole pixels truncated toward zero, and undo
// truncates the negated distance, so it moves back by exactly as many pixels.
// Where a move clamps points at the edge of the drawable area, moving back
// would not find them: undo and redo then put back the points kept from
// before and after the move.

#include "document/commands/Command.h"
#include "elements/GeometrySnapshot.h"
#include "platform/Geometry.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

class CMoveCommand : public CCommand {
public:
    CMoveCommand(CCanvas& canvas, std::vector<CChartElement*> elements, double dx, double dy)
        : canvas_(canvas), elements_(std::move(elements)), dx_(dx), dy_(dy)
    {
    }

    // Fails for an empty list (a nudge with nothing selected), which then is
    // not recorded.
    bool Do() override;
    bool Undo() override;

    const std::vector<CChartElement*>& elements() const { return elements_; }

private:
    void moveBy(double dx, double dy);
    void restore(const GeometrySnapshot& snapshot);

    CCanvas& canvas_;
    std::vector<CChartElement*> elements_;
    double dx_;
    double dy_;
    bool done_ = false;
    GeometrySnapshot before_; // taken only when the move clamps points
    GeometrySnapshot after_;
};

class CMovePointCommand : public CCommand {
public:
    CMovePointCommand(CCanvas& canvas, CChartElement& element, size_t index, double dx, double dy)
        : canvas_(canvas), element_(element), index_(index), dx_(dx), dy_(dy)
    {
    }

    // Fails when the element has no point of that index.
    bool Do() override;
    bool Undo() override;

private:
    bool movePointBy(double dx, double dy);
    void restore(const GeometrySnapshot& snapshot);

    CCanvas& canvas_;
    CChartElement& element_;
    size_t index_;
    double dx_;
    double dy_;
    bool done_ = false;
    GeometrySnapshot before_; // taken only when the point is clamped
    GeometrySnapshot after_;
};

} // namespace loopora
