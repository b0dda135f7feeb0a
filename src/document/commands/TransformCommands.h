#pragma once
// Turning and sizing the current element, and mirroring the selection, kept
// and taken back as their points before and after.

#include "document/commands/GeometryCommand.h"
#include "platform/Geometry.h"

namespace loopora {

class CRotateCommand : public CGeometryCommand {
public:
    CRotateCommand(CCanvas& canvas, CChartElement& element, Point centre, double radians)
        : CGeometryCommand(canvas, {&element}), centre_(centre), radians_(radians)
    {
    }

protected:
    void change() override;

private:
    Point centre_;
    double radians_;
};

class CScaleCommand : public CGeometryCommand {
public:
    CScaleCommand(CCanvas& canvas, CChartElement& element, Point centre, double factorX, double factorY)
        : CGeometryCommand(canvas, {&element}), centre_(centre), factorX_(factorX), factorY_(factorY)
    {
    }

protected:
    // Refuses a factor that would squash the element flat or has no value
    // (zero, infinite, not a number).
    bool canChange() const override;
    void change() override;

private:
    Point centre_;
    double factorX_;
    double factorY_;
};

// Mirrors every element of the list about an axis through a point; the two
// directions differ only in the element operation they call.
class CFlipCommand : public CGeometryCommand {
protected:
    using Mirror = void (CChartElement::*)(Point);
    CFlipCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis, Mirror mirror)
        : CGeometryCommand(canvas, std::move(elements)), axis_(axis), mirror_(mirror)
    {
    }
    void change() override;

private:
    Point axis_;
    Mirror mirror_;
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
