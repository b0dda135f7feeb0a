#include "view/tools/GestureFeedback.h"

#include "platform/DrawingState.h"
#include "view/ChartView.h"
#include "view/ToolRegistry.h"

namespace loopora {

ToolDC::ToolDC(CPattraView& view) : view_(view), dc_(view.sheetPixels()) { view.prepareDC(dc_); }

ToolDC::~ToolDC()
{
    if (!drawn_.isEmpty())
        view_.showChartArea(drawn_);
}

void FeedbackShape::draw(CDC& dc) const
{
    switch (kind) {
    case Kind::Nothing: break;
    case Kind::DottedLine:
    case Kind::Line: {
        DrawingStateSaver saved(dc);
        dc.selectPen({int32_t(kind == Kind::DottedLine ? PenStyle::Dot : PenStyle::Solid), 1, colours::white});
        dc.setRasterOp(RasterOp::XorPen);
        dc.moveTo(from.x, from.y);
        dc.lineTo(to.x, to.y);
        break;
    }
    case Kind::Frame: dc.drawFocusRect(frame); break;
    }
}

Rect FeedbackShape::bounds() const
{
    switch (kind) {
    case Kind::Nothing: break;
    case Kind::DottedLine:
    case Kind::Line: return Rect::spanned(from, to).normalized().inflated(1);
    case Kind::Frame: return frame.normalized();
    }
    return {};
}

void GestureFeedback::show(const FeedbackShape& shape)
{
    CPattraView* view = registry_.view();
    if (!view || shape == shown_)
        return;
    ToolDC dc(*view);
    shown_.draw(dc.dc());
    dc.drew(shown_.bounds());
    shape.draw(dc.dc());
    dc.drew(shape.bounds());
    shown_ = shape;
}

void GestureFeedback::hide()
{
    if (!shown())
        return;
    if (CPattraView* view = registry_.view()) {
        ToolDC dc(*view);
        shown_.draw(dc.dc());
        dc.drew(shown_.bounds());
    }
    shown_ = {};
}

void GestureFeedback::repaint(CDC& dc) const { shown_.draw(dc); }

} // namespace loopora
