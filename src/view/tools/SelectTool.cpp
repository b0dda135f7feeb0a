#include "view/tools/SelectTool.h"

#include "document/Canvas.h"
#include "document/History.h"
#include "document/commands/MoveCommands.h"
#include "platform/DrawingState.h"
#include "view/ToolRegistry.h"

namespace loopora {
namespace {

Rect between(Point a, Point b) { return Rect::spanned(a, b).normalized(); }

} // namespace

void CSelectTool::onButtonDown(const ToolEvent& e)
{
    hideFeedback();
    CTool::onButtonDown(e);
    const int mode = (e.flags & MK_CONTROL) ? 1 : 2;
    // A press on an element that is already selected keeps the whole
    // selection, so that it can be dragged as one.
    if (hitElement_) {
        if (!hitElement_->hasFlag(kSelected))
            canvas_.select(hitElement_, mode);
    } else {
        canvas_.select(nullptr, mode);
    }
    canvas_.setCurrent(hitElement_);
    canvas_.invalidate(canvas_.getBounds());
    if (!hitElement_)
        return;
    const bool ownHandle = hit_.part == HitPart::Handle && !hitElement_->hasFrameHandles();
    (ownHandle ? changePending_ : movePending_) = true;
    if (CTool* handedTo = delegate())
        handedTo->onButtonDown(e);
    else
        changePending_ = movePending_ = false;
}

void CSelectTool::onMouseMove(const ToolEvent& e)
{
    if (CTool* handedTo = delegate())
        handedTo->onMouseMove(e);
    else
        CTool::onMouseMove(e);
}

void CSelectTool::deactivate()
{
    if (CTool* handedTo = delegate())
        handedTo->deactivate();
    changePending_ = movePending_ = false;
    CTool::deactivate();
}

CTool* CSelectTool::delegate() const
{
    if (!movePending_ && !changePending_)
        return nullptr;
    return registry_.findTool(changePending_ ? "change" : "move");
}

void CSelectTool::drawFeedback(CDC& dc) { dc.drawFocusRect(between(pressPoint_, bandEnd_)); }

void CSelectTool::paintFeedback(CDC& dc)
{
    if (CTool* handedTo = delegate())
        handedTo->paintFeedback(dc);
    else
        CTool::paintFeedback(dc);
}

void CSelectTool::onDrag(const ToolEvent&)
{
    hideFeedback();
    bandEnd_ = hit_.point;
    showFeedback();
}

void CSelectTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    if (CTool* handedTo = delegate()) {
        changePending_ = movePending_ = false;
        handedTo->onButtonUp(e);
        return;
    }
    // The band is removed where it was drawn last; the release may lie elsewhere.
    hideFeedback();
    if (!dragging_)
        return;
    const Rect band = between(pressPoint_, hit_.point);
    // Touching the band is enough; an element need not lie inside it.
    for (const auto& child : canvas_.children())
        if (!Rect::intersected(child->getBounds(), band).isEmpty())
            canvas_.select(child.get(), 1);
    canvas_.invalidate(canvas_.selection().getBounds());
}

void CMoveTool::onButtonDown(const ToolEvent& e)
{
    hideFeedback();
    CTool::onButtonDown(e);
    pressHit_ = hit_;
}

void CMoveTool::drawFeedback(CDC& dc)
{
    RasterOpScope xorPen(dc, RasterOp::XorPen);
    if (pressHit_.part == HitPart::Handle) {
        // A white pen inverts what it crosses, so the line is seen on any
        // background and a second drawing removes it.
        PenScope white(dc, Pen{int32_t(PenStyle::Solid), 1, colours::white});
        dc.moveTo(pressPoint_.x, pressPoint_.y);
        dc.lineTo(to_.x, to_.y);
    } else {
        dc.drawFocusRect(frame_);
    }
}

void CMoveTool::onDrag(const ToolEvent&)
{
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    hideFeedback();
    to_ = hit_.point;
    frame_ = canvas_.selection().getBounds().offset(int32_t(dx_), int32_t(dy_));
    showFeedback();
}

void CMoveTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    hideFeedback();
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    if (dx_ == 0 && dy_ == 0)
        return;
    canvas_.history().Execute(std::make_unique<CMoveCommand>(canvas_, canvas_.selection().members(), dx_, dy_));
}

void CChangeTool::onButtonDown(const ToolEvent& e)
{
    hideFeedback();
    CTool::onButtonDown(e);
    element_ = hitElement_;
    handleIndex_ = hit_.handleIndex;
}

void CChangeTool::drawFeedback(CDC& dc)
{
    PenScope dotted(dc, Pen{int32_t(PenStyle::Dot), 1, colours::white});
    RasterOpScope xorPen(dc, RasterOp::XorPen);
    dc.moveTo(pressPoint_.x, pressPoint_.y);
    dc.lineTo(bandEnd_.x, bandEnd_.y);
}

void CChangeTool::onDrag(const ToolEvent&)
{
    hideFeedback();
    bandEnd_ = hit_.point;
    showFeedback();
}

void CChangeTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    hideFeedback();
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    if ((dx_ == 0 && dy_ == 0) || canvas_.selection().empty() || !element_)
        return;
    canvas_.history().Execute(std::make_unique<CMovePointCommand>(canvas_, *element_, handleIndex_, dx_, dy_));
}

} // namespace loopora
