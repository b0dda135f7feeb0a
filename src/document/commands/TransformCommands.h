#pragma once
// Turning and sizing the current element, and mirroring the selection. Rotate
// and scale repaint nothing: the tools that make them repaint. Points are
// whole pixels, so turning back or sizing back would not find the old points:
// undo puts back the points from before the change, and redo those from
// after it. Mirroring is exact and is its own undo, except where it clamps
// points at the edge of the drawable area.

#include "document/commands/Command.h"
#include "elements/GeometrySnapshot.h"
#include "platform/Geometry.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

class CRotateCommand : public CCommand {
public:
    CRotateCommand(CChartElement& element, Point centre, double radians)
        : element_(element), centre_(centre), radians_(radians)
    {
    }

    bool Do() override;
    bool Undo() override;

private:
    CChartElement& element_;
    Point centre_;
    double radians_;
    GeometrySnapshot before_;
    GeometrySnapshot after_;
};

class CScaleCommand : public CCommand {
public:
    CScaleCommand(CChartElement& element, Point centre, double factorX, double factorY)
        : element_(element), centre_(centre), factorX_(factorX), factorY_(factorY)
    {
    }

    // Refuses a factor that undo could not invert (zero, infinite, not a number).
    bool Do() override;
    bool Undo() override;

private:
    bool invertible() const;

    CChartElement& element_;
    Point centre_;
    double factorX_;
    double factorY_;
    GeometrySnapshot before_;
    GeometrySnapshot after_;
};

// Mirrors every element of the list about an axis through a point; the two
// directions differ only in the element operation they call.
class CFlipCommand : public CCommand {
public:
    // Fails for an empty list (nothing selected), which then is not recorded.
    bool Do() override;
    bool Undo() override;

protected:
    using Mirror = void (CChartElement::*)(Point);
    CFlipCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis, Mirror mirror)
        : canvas_(canvas), elements_(std::move(elements)), axis_(axis), mirror_(mirror)
    {
    }

private:
    void mirror();
    // Restores a snapshot, repainting the elements' old and new places.
    void restore(const GeometrySnapshot& snapshot);

    CCanvas& canvas_;
    std::vector<CChartElement*> elements_;
    Point axis_;
    Mirror mirror_;
    bool done_ = false;
    GeometrySnapshot before_; // taken only when the mirror clamps points
    GeometrySnapshot after_;
};

// Left to right about the vertical line x = axis.x.
class CFlipHorizontalCommand : public CFlipCommand {
public:
    CFlipHorizontalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis);
};

// Top to bottom about the horizontal line y = axis.y.
class CFlipVerticalCommand : public CFlipCommand {
public:
    CFlipVerticalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis);
};

} // namespace loopora
