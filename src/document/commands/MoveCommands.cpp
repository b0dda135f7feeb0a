#include "document/commands/MoveCommands.h"

#include "elements/ChartElement.h"
#include "platform/Numeric.h"

namespace loopora {

void CMoveCommand::change()
{
    const int32_t x = truncToInt(dx_);
    const int32_t y = truncToInt(dy_);
    for (CChartElement* e : elements())
        e->moveBy(x, y);
}

bool CMovePointCommand::canChange() const { return index_ < element_.points().size(); }

void CMovePointCommand::change() { element_.movePoint(index_, truncToInt(dx_), truncToInt(dy_)); }

} // namespace loopora
