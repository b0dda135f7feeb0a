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
    CTool* delegate = registry_.findTool(ownHandle ? "change" : "move");
    if (!delegate)
        return;
    (ownHandle ? changePending_ : movePending_) = true;
    delegate->onButtonDown(e);
}

void CSelectTool::onMouseMove(const ToolEvent& e)
{
    if (movePending_) {
        if (CTool* move = registry_.findTool("move"))
            move->onMouseMove(e);
    } else if (changePending_) {
        if (CTool* change = registry_.findTool("change"))
            change->onMouseMove(e);
    } else {
        CTool::onMouseMove(e);
    }
}

void CSelectTool::onDrag(const ToolEvent&)
{
    ToolDC dc = toolDC();
    if (previousPoint_ != pressPoint_)
        dc->drawFocusRect(between(pressPoint_, previousPoint_));
    dc->drawFocusRect(between(pressPoint_, hit_.point));
}

void CSelectTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    if (changePending_ || movePending_) {
        CTool* delegate = registry_.findTool(changePending_ ? "change" : "move");
        changePending_ = movePending_ = false;
        if (delegate)
            delegate->onButtonUp(e);
        return;
    }
    if (!dragging_)
        return;
    const Rect band = between(pressPoint_, hit_.point);
    {
        ToolDC dc = toolDC();
        dc->drawFocusRect(band);
    }
    // Touching the band is enough; an element need not lie inside it.
    for (const auto& child : canvas_.children())
        if (!Rect::intersected(child->getBounds(), band).isEmpty())
            canvas_.select(child.get(), 1);
    canvas_.invalidate(canvas_.selection().getBounds());
}

void CMoveTool::onButtonDown(const ToolEvent& e)
{
    CTool::onButtonDown(e);
    pressHit_ = hit_;
    lastRect_ = canvas_.selection().getBounds();
    feedbackShown_ = false;
}

void CMoveTool::drawFeedback(CDC& dc, Point to, const Rect& frame)
{
    if (pressHit_.part == HitPart::Handle) {
        // A white pen inverts what it crosses, so the line is seen on any
        // background and a second drawing removes it.
        PenScope white(dc, Pen{int32_t(PenStyle::Solid), 1, colours::white});
        dc.moveTo(pressPoint_.x, pressPoint_.y);
        dc.lineTo(to.x, to.y);
    } else {
        dc.drawFocusRect(frame);
    }
}

void CMoveTool::onDrag(const ToolEvent&)
{
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    ToolDC dc = toolDC();
    RasterOpScope xorPen(dc.dc(), RasterOp::XorPen);
    if (feedbackShown_)
        drawFeedback(dc.dc(), previousPoint_, lastRect_);
    Rect moved = canvas_.selection().getBounds().offset(int32_t(dx_), int32_t(dy_));
    drawFeedback(dc.dc(), hit_.point, moved);
    lastRect_ = moved;
    feedbackShown_ = true;
}

void CMoveTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    if (feedbackShown_) {
        ToolDC dc = toolDC();
        RasterOpScope xorPen(dc.dc(), RasterOp::XorPen);
        drawFeedback(dc.dc(), previousPoint_, lastRect_);
        feedbackShown_ = false;
    }
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    if (dx_ == 0 && dy_ == 0)
        return;
    canvas_.history().Execute(std::make_unique<CMoveCommand>(canvas_, canvas_.selection().members(), dx_, dy_));
}

void CChangeTool::onButtonDown(const ToolEvent& e)
{
    CTool::onButtonDown(e);
    element_ = hitElement_;
    handleIndex_ = hit_.handleIndex;
    rubberBandShown_ = false;
}

void CChangeTool::drawRubberBand(CDC& dc, Point to)
{
    PenScope dotted(dc, Pen{int32_t(PenStyle::Dot), 1, colours::white});
    RasterOpScope xorPen(dc, RasterOp::XorPen);
    dc.moveTo(pressPoint_.x, pressPoint_.y);
    dc.lineTo(to.x, to.y);
}

void CChangeTool::onDrag(const ToolEvent&)
{
    ToolDC dc = toolDC();
    if (rubberBandShown_)
        drawRubberBand(dc.dc(), previousPoint_);
    drawRubberBand(dc.dc(), hit_.point);
    rubberBandShown_ = true;
}

void CChangeTool::onButtonUp(const ToolEvent& e)
{
    CTool::onButtonUp(e);
    if (rubberBandShown_) {
        ToolDC dc = toolDC();
        drawRubberBand(dc.dc(), previousPoint_);
        rubberBandShown_ = false;
    }
    dx_ = double(hit_.point.x) - pressPoint_.x;
    dy_ = double(hit_.point.y) - pressPoint_.y;
    if ((dx_ == 0 && dy_ == 0) || canvas_.selection().empty() || !element_)
        return;
    canvas_.history().Execute(std::make_unique<CMovePointCommand>(canvas_, *element_, handleIndex_, dx_, dy_));
}

} // namespace loopora
