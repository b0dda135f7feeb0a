#include "view/tools/Tool.h"

#include "document/Canvas.h"
#include "platform/DrawingState.h"
#include "view/ChartView.h"
#include "view/ToolRegistry.h"

namespace loopora {

CTool::CTool(CToolRegistry& registry) : canvas_(registry.canvas()), registry_(registry), feedback_(registry) {}

CPattraView& CTool::view() const { return *registry_.view(); }

ToolDC CTool::toolDC() { return ToolDC(view()); }

void CTool::update(const MouseEvent& e)
{
    hit_ = {};
    hit_.point = e.point;
    hitElement_ = canvas_.hitTest(hit_);
    hit_.element = hitElement_;
}

void CTool::press(const MouseEvent& e)
{
    // The window keeps the mouse while the button is held, so an earlier
    // gesture's feedback is gone by now; should any linger, it goes first.
    feedback_.hide();
    update(e);
    pressPoint_ = hit_.point;
    previousPoint_ = hit_.point;
    inGesture_ = true;
    dragging_ = false;
    begin(e);
}

void CTool::move(const MouseEvent& e)
{
    if (CTool* other = handedTo()) {
        other->move(e);
        return;
    }
    update(e);
    dragging_ = e.buttons.left;
    if (!e.buttons.left)
        hover(e);
    else if (inGesture_)
        drag(e);
    previousPoint_ = hit_.point;
}

void CTool::release(const MouseEvent& e)
{
    if (!inGesture_)
        return;
    inGesture_ = false;
    if (CTool* other = handedTo()) {
        other->release(e);
    } else {
        update(e);
        // The feedback goes with the gesture, also when the release lies
        // elsewhere than the last move and when nothing is repainted.
        feedback_.hide();
    }
    end(e);
}

void CTool::cancelGesture()
{
    if (CTool* other = handedTo())
        other->cancelGesture();
    feedback_.hide();
    if (!inGesture_)
        return;
    inGesture_ = false;
    cancel();
}

void CTool::paintFeedback(CDC& dc)
{
    if (CTool* other = handedTo())
        other->paintFeedback(dc);
    else
        feedback_.repaint(dc);
}

void CTool::drawLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    DrawingStateSaver saved(dc);
    dc.selectPen({int32_t(PenStyle::Solid), 1, colours::blue});
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

void CTool::drawXorLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    DrawingStateSaver saved(dc);
    dc.setRasterOp(RasterOp::NotXorPen);
    dc.setBackgroundMode(BackgroundMode::Opaque);
    drawLine(dc, x1, y1, x2, y2);
}

} // namespace loopora
