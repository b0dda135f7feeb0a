#include "document/commands/PlaceCommand.h"

#include "document/Canvas.h"

namespace loopora {

bool CPlaceCommand::build()
{
    std::unique_ptr<CChartElement> copy = CChartElement::cloneElement(prototype_);
    if (!copy)
        return false;
    ElementState state{points_, pen_.penWidth, pen_.penColour, pen_.penStyle};
    // A copy that fails to build may be half built; it goes with the unique_ptr.
    if (!copy->assignState(state))
        return false;
    CChartElement* e = canvas_.appendChild(std::move(copy));
    const Rect area = CChartElement::accumulateBounds(canvas_.selection().getBounds(), e->drawnBounds());
    canvas_.select(e, SelectMode::Replace);
    canvas_.setCurrent(e);
    canvas_.invalidate(area);
    created_ = e;
    return true;
}

bool CPlaceCommand::Do()
{
    if (!created_)
        return build();
    created_->clearFlags(kDeletedFlags);
    canvas_.invalidate(created_->drawnBounds());
    return true;
}

bool CPlaceCommand::Undo()
{
    if (!created_)
        return false;
    canvas_.release(created_);
    created_->setFlags(kDeletedFlags);
    canvas_.invalidate(created_->drawnBounds());
    return true;
}

} // namespace loopora
