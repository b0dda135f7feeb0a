#include "view/tools/SelectTool.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/MoveCommands.h"
#include "view/ToolRegistry.h"

namespace loopora {
namespace {

Rect between(Point a, Point b) { return Rect::spanned(a, b).normalized(); }

} // namespace

void CSelectTool::begin(const MouseEvent& e)
{
    changePending_ = movePending_ = false;
    const SelectMode mode = e.modifiers.control ? SelectMode::Add : SelectMode::Replace;
    CChartElement* hitOne = hitElement();
    // A press on an element that is already selected keeps the whole
    // selection, so that it can be dragged as one.
    if (hitOne) {
        if (!hitOne->hasFlag(kSelected))
            canvas_.select(hitOne, mode);
    } else {
        canvas_.select(nullptr, mode);
    }
    canvas_.setCurrent(hitOne);
    canvas_.invalidate(canvas_.getBounds());
    if (!hitOne)
        return;
    const bool ownHandle = hit().part == HitPart::Handle && !hitOne->hasFrameHandles();
    (ownHandle ? changePending_ : movePending_) = true;
    if (CTool* handed = handedTo())
        handed->press(e);
    else
        changePending_ = movePending_ = false;
}

CTool* CSelectTool::handedTo() const
{
    if (!movePending_ && !changePending_)
        return nullptr;
    if (changePending_)
        return registry_.changeTool();
    return registry_.moveTool();
}

void CSelectTool::drag(const MouseEvent&)
{
    feedback().show(FeedbackShape::focusFrame(between(pressPoint(), currentPoint())));
}

void CSelectTool::end(const MouseEvent&)
{
    if (movePending_ || changePending_) {
        changePending_ = movePending_ = false;
        return;
    }
    if (!dragging())
        return;
    const Rect band = between(pressPoint(), currentPoint());
    // The repaint covers the selection: what was selected before the band
    // (with Ctrl) and what the band adds, united as the band goes.
    CSelectionSet& selection = canvas_.selection();
    Rect area = selection.getBounds();
    // Touching the band is enough; an element need not lie inside it.
    forEachFetching(canvas_.children(), [&](const auto& child) {
        const Rect bounds = child->getBounds();
        if (!Rect::intersected(bounds, band).isEmpty() && selection.add(child.get()))
            area = CChartElement::accumulateBounds(area, bounds);
    });
    canvas_.invalidate(area);
}

void CMoveTool::drag(const MouseEvent&)
{
    const double dx = double(currentPoint().x) - pressPoint().x;
    const double dy = double(currentPoint().y) - pressPoint().y;
    if (pressHit_.part == HitPart::Handle)
        feedback().show(FeedbackShape::line(pressPoint(), currentPoint()));
    else
        feedback().show(FeedbackShape::focusFrame(canvas_.selection().getBounds().offset(int32_t(dx), int32_t(dy))));
}

void CMoveTool::end(const MouseEvent&)
{
    const double dx = double(currentPoint().x) - pressPoint().x;
    const double dy = double(currentPoint().y) - pressPoint().y;
    if (dx == 0 && dy == 0)
        return;
    canvas_.history().Execute(std::make_unique<CMoveCommand>(canvas_, canvas_.selection().members(), dx, dy));
}

void CChangeTool::begin(const MouseEvent&)
{
    element_ = hitElement();
    handleIndex_ = hit().handleIndex;
}

void CChangeTool::drag(const MouseEvent&)
{
    feedback().show(FeedbackShape::dottedLine(pressPoint(), currentPoint()));
}

void CChangeTool::end(const MouseEvent&)
{
    const double dx = double(currentPoint().x) - pressPoint().x;
    const double dy = double(currentPoint().y) - pressPoint().y;
    if ((dx == 0 && dy == 0) || canvas_.selection().empty() || !element_)
        return;
    canvas_.history().Execute(std::make_unique<CMovePointCommand>(canvas_, *element_, handleIndex_, dx, dy));
}

} // namespace loopora
