#include "document/commands/TransformCommands.h"

#include "document/Canvas.h"

#include <cmath>

namespace loopora {

bool CRotateCommand::Do()
{
    element_.rotateRadians(centre_, radians_);
    return true;
}

bool CRotateCommand::Undo()
{
    element_.rotateRadians(centre_, -radians_);
    return true;
}

bool CScaleCommand::invertible() const
{
    return std::isfinite(factorX_) && std::isfinite(factorY_) && factorX_ != 0.0 && factorY_ != 0.0;
}

bool CScaleCommand::Do()
{
    if (!invertible())
        return false;
    element_.scale(centre_, factorX_, factorY_);
    return true;
}

bool CScaleCommand::Undo()
{
    if (!invertible())
        return false;
    element_.scale(centre_, 1.0 / factorX_, 1.0 / factorY_);
    return true;
}

bool CFlipCommand::Do()
{
    if (elements_.empty())
        return false;
    Rect oldArea;
    Rect newArea;
    for (CChartElement* e : elements_) {
        oldArea = CChartElement::accumulateBounds(oldArea, e->getBounds());
        (e->*mirror_)(axis_);
        newArea = CChartElement::accumulateBounds(newArea, e->getBounds());
    }
    canvas_.invalidate(oldArea);
    canvas_.invalidate(newArea);
    return true;
}

CFlipHorizontalCommand::CFlipHorizontalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis)
    : CFlipCommand(canvas, std::move(elements), axis, &CChartElement::mirrorX)
{
}

CFlipVerticalCommand::CFlipVerticalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis)
    : CFlipCommand(canvas, std::move(elements), axis, &CChartElement::mirrorY)
{
}

} // namespace loopora
