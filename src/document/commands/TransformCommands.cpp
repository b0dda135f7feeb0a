#include "document/commands/TransformCommands.h"

#include "elements/ChartElement.h"

#include <cmath>

namespace loopora {

void CRotateCommand::change() { elements().front()->rotateRadians(centre_, radians_); }

bool CScaleCommand::canChange() const
{
    return std::isfinite(factorX_) && std::isfinite(factorY_) && factorX_ != 0.0 && factorY_ != 0.0;
}

void CScaleCommand::change() { elements().front()->scale(centre_, factorX_, factorY_); }

void CFlipCommand::change()
{
    for (CChartElement* e : elements())
        (e->*mirror_)(axis_);
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
