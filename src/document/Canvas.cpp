#include "document/Canvas.h"

#include "document/CircleBackground.h"
#include "document/History.h"
#include "elements/ElementRecord.h"
#include "elements/TypeIds.h"
#include "platform/Archive.h"
#include "platform/DrawingState.h"

namespace loopora {

CCanvas::CCanvas() : CCompositeElement(typeids::kCanvas) {}

CCanvas::~CCanvas()
{
    // Commands and the selection refer to children; let go of them before they go.
    history_.reset();
    if (selection_)
        selection_->clear();
    // The element clipboard is the application's: canvases come and go for
    // other reasons too (a chart loaded for rendering, a test's chart), and
    // only closing a chart window empties it.
}

CSelectionSet& CCanvas::selection()
{
    if (!selection_)
        selection_ = std::make_unique<CSelectionSet>();
    return *selection_;
}

const CSelectionSet& CCanvas::selection() const { return const_cast<CCanvas*>(this)->selection(); }

void CCanvas::select(CChartElement* e, SelectMode mode)
{
    if (!e) {
        selection().clear();
        return;
    }
    if (mode == SelectMode::Replace)
        selection().clear();
    selection().add(e);
}

void CCanvas::deselect(CChartElement* e)
{
    if (selection_)
        selection_->remove(e);
}

void CCanvas::setCurrent(CChartElement* e)
{
    if (e == current_)
        return;
    if (current_)
        current_->clearFlags(kCurrent);
    if (e)
        e->setFlags(kCurrent);
    current_ = e;
}

void CCanvas::clearCurrent(CChartElement* e)
{
    if (e)
        e->clearFlags(kCurrent);
    current_ = nullptr;
}

void CCanvas::release(CChartElement* e)
{
    deselect(e);
    if (e && e == current_)
        clearCurrent(e);
}

void CCanvas::invalidate(const Rect& r)
{
    if (window_)
        window_->invalidateChartRect(r);
}

void CCanvas::drawBackground(CDC& dc)
{
    DrawingStateSaver saved(dc);
    dc.selectPen({int32_t(PenStyle::Solid), 1, colours::lightGrey});
    dc.setTextColour(colours::lightGrey);
    const int32_t s = lineSpacing_;
    if (s <= 0 && backgroundKind_ != int32_t(Background::Clean))
        return; // a damaged spacing would never finish the pattern
    switch (Background(backgroundKind_)) {
    case Background::Circles: {
        // Centred on the sheet; the radius starts from half the width whatever the height.
        drawCircleBackground(dc, {chartWidth_ / 2, chartHeight_ / 2}, chartWidth_ / 2, s);
        break;
    }
    case Background::Grid:
        for (int32_t x = 0; x <= chartWidth_; x += s) {
            dc.moveTo(x, 0);
            dc.lineTo(x, chartHeight_);
        }
        for (int32_t y = 0; y <= chartHeight_; y += s) {
            dc.moveTo(0, y);
            dc.lineTo(chartWidth_, y);
        }
        break;
    case Background::Clean:
    default:
        break;
    }
}

void CCanvas::drawElements(CDC& dc)
{
    DrawingStateSaver saved(dc);
    dc.setBackgroundMode(BackgroundMode::Opaque);
    // A repaint of the whole sheet mostly holds every element, and then draws
    // them without testing each against what it shows.
    const Rect visible = dc.visibleArea();
    const Rect sheet{0, 0, chartWidth_, chartHeight_};
    bool wholly = visible == CDC::kEverywhere;
    if (!wholly && Rect::intersected(sheet, visible) == sheet) {
        const Rect drawn = drawnBounds();
        wholly = Rect::intersected(drawn, visible) == drawn;
    }
    CChartElement::drawWithin(dc, wholly);
}

Rect CCanvas::drawnBounds() const
{
    if (!knows(kDrawnBoundsKnown)) {
        drawnBounds_ = CCompositeElement::drawnBounds();
        learn(kDrawnBoundsKnown);
    }
    return drawnBounds_;
}

void CCanvas::drawHandles(CDC& dc)
{
    if (!selection_)
        return;
    for (CChartElement* member : selection_->members()) {
        if (member->hasFlag(kHidden))
            break;
        for (Point p : member->points()) {
            Rect square{p.x - 3, p.y - 3, p.x + 3, p.y + 3};
            dc.fillRect(square, colours::green);
            dc.frameRect(square, colours::black);
        }
    }
}

void CCanvas::draw(CDC& dc)
{
    drawBackground(dc);
    drawElements(dc);
    drawHandles(dc);
}

void CCanvas::drawWithoutHandles(CDC& dc)
{
    drawBackground(dc);
    drawElements(dc);
}

void CCanvas::serialize(CArchive& ar)
{
    if (ar.isStoring()) {
        ar.writeInt32(storedChildCount());
        ar.writeInt32(backgroundKind_);
        ar.writeInt32(lineSpacing_);
        ar.writePoint(origin_);
        ar.writeInt32(chartWidth_);
        ar.writeInt32(chartHeight_);
        for (const auto& c : children())
            c->serialize(ar);
        return;
    }
    // The count comes before the header, so it is checked against what is left after it.
    size_t countAt = ar.offset();
    int32_t count = ar.readCount("element count", 0);
    backgroundKind_ = ar.readInt32();
    lineSpacing_ = ar.readInt32();
    origin_ = readStoredPoint(ar);
    chartWidth_ = ar.readInt32();
    chartHeight_ = ar.readInt32();
    if (size_t(count) > ar.remaining() / kSmallestRecordBytes)
        ar.failAt(countAt, "element count " + std::to_string(count) + " is more than the rest of the file can hold");
    reserveChildren(size_t(count));
    for (int32_t i = 0; i < count; ++i)
        readElementRecord(ar, *this);
}

} // namespace loopora
