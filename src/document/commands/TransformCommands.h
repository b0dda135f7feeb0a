#pragma once
// Turning and sizing the current element, and mirroring the selection. Points
// are whole pixels, so turning back or sizing back would not find the old
// points: undo puts back the points from before the change, and redo those
// from after it. Mirroring is exact and is its own undo, except where it
// clamps points at the edge of the drawable area.

#include "document/commands/Command.h"
#include "elements/GeometrySnapshot.h"
#include "platform/Geometry.h"

#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

// A change of one element that rounds its points, undone and redone by
// putting back the points kept from before and after it.
class CRoundingTransformCommand : public CCommand {
public:
    bool Do() override;
    bool Undo() override;

protected:
    CRoundingTransformCommand(CCanvas& canvas, CChartElement& element) : canvas_(canvas), element_(element) {}
    // False refuses the command before anything changes.
    virtual bool canTransform() const { return true; }
    // The change itself, made once.
    virtual void transform(CChartElement& element) = 0;

private:
    void restore(const GeometrySnapshot& snapshot);

    CCanvas& canvas_;
    CChartElement& element_;
    GeometrySnapshot before_;
    GeometrySnapshot after_;
};

class CRotateCommand : public CRoundingTransformCommand {
public:
    CRotateCommand(CCanvas& canvas, CChartElement& element, Point centre, double radians)
        : CRoundingTransformCommand(canvas, element), centre_(centre), radians_(radians)
    {
    }

protected:
    void transform(CChartElement& element) override;

private:
    Point centre_;
    double radians_;
};

class CScaleCommand : public CRoundingTransformCommand {
public:
    CScaleCommand(CCanvas& canvas, CChartElement& element, Point centre, double factorX, double factorY)
        : CRoundingTransformCommand(canvas, element), centre_(centre), factorX_(factorX), factorY_(factorY)
    {
    }

protected:
    // Refuses a factor that undo could not invert (zero, infinite, not a number).
    bool canTransform() const override;
    void transform(CChartElement& element) override;

private:
    Point centre_;
    double factorX_;
    double factorY_;
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
