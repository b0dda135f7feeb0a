#include "view/tools/Tool.h"

#include "document/Canvas.h"
#include "platform/DrawingState.h"
#include "view/ChartView.h"
#include "view/ToolRegistry.h"

namespace loopora {

ToolDC::ToolDC(CPattraView& view) : view_(view), dc_(view.pixels())
{
    view.prepareDC(dc_);
}

ToolDC::~ToolDC() { view_.showPixels(); }

CTool::CTool(CToolRegistry& registry) : canvas_(registry.canvas()), registry_(registry) {}

CPattraView& CTool::view() const { return *registry_.view(); }

ToolDC CTool::toolDC() { return ToolDC(view()); }

void CTool::update(const ToolEvent& e)
{
    hit_ = {};
    hit_.point = {e.x, e.y};
    hitElement_ = canvas_.hitTest(hit_);
    hit_.element = hitElement_;
}

void CTool::onButtonDown(const ToolEvent& e)
{
    update(e);
    pressPoint_ = hit_.point;
    previousPoint_ = hit_.point;
}

void CTool::onMouseMove(const ToolEvent& e)
{
    update(e);
    if (e.flags & MK_LBUTTON) {
        dragging_ = true;
        onDrag(e);
    } else {
        dragging_ = false;
        onHover(e);
    }
    previousPoint_ = hit_.point;
}

void CTool::showFeedback()
{
    if (feedbackShown_ || !registry_.view())
        return;
    ToolDC dc = toolDC();
    drawFeedback(dc.dc());
    feedbackShown_ = true;
}

void CTool::hideFeedback()
{
    if (!feedbackShown_)
        return;
    feedbackShown_ = false;
    if (registry_.view()) {
        ToolDC dc = toolDC();
        drawFeedback(dc.dc());
    }
}

void CTool::paintFeedback(CDC& dc)
{
    if (feedbackShown_)
        drawFeedback(dc);
}

void CTool::drawLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    PenScope blue(dc, Pen{int32_t(PenStyle::Solid), 1, colours::blue});
    dc.moveTo(x1, y1);
    dc.lineTo(x2, y2);
}

void CTool::drawXorLine(CDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    RasterOpScope notXor(dc, RasterOp::NotXorPen);
    BackgroundModeScope opaque(dc, BackgroundMode::Opaque);
    drawLine(dc, x1, y1, x2, y2);
}

} // namespace loopora
