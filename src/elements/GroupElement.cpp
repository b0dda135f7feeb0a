#include "elements/GroupElement.h"

#include "elements/ElementRecord.h"
#include "elements/Nesting.h"
#include "platform/Archive.h"
#include "platform/RasterSupport.h"

#include <algorithm>
#include <cassert>

namespace loopora {

Rect CGroupElement::getBounds() const
{
    if (!knows(kBoundsKnown)) {
        bounds_ = CChartElement::getBounds();
        learn(kBoundsKnown);
    }
    return bounds_;
}

Rect CGroupElement::drawnBounds() const
{
    if (!knows(kDrawnBoundsKnown)) {
        drawnBounds_ = CChartElement::drawnBounds();
        learn(kDrawnBoundsKnown);
    }
    return drawnBounds_;
}

void CGroupElement::recomputeFrame()
{
    // One walk over the children gives both the frame and the drawn bounds.
    Rect r;
    Rect drawn;
    forEachFetching(children(), [&](const auto& c) {
        r = accumulateBounds(r, c->getBounds());
        drawn = Rect::united(drawn, c->drawnBounds());
    });
    takeFrame(r, drawn);
}

void CGroupElement::takeFrame(Rect r, Rect drawn)
{
    const Point corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    setPoints({corners, 4});
    // The bounds of any element are null or hold a pixel, so the frame holds
    // every child's, and the bounds are now the frame's points grown by 5:
    // never empty, so the drawn bounds are what they reach united with
    // whatever the children's pixels reach.
    bounds_ = r.inflated(5);
    const int32_t reach = std::clamp(penWidth(), 1, raster::kMaxPenWidth) / 2 + 1 - 5;
    drawnBounds_ = Rect::united(reach > 0 ? bounds_.inflated(reach) : bounds_, drawn);
    learn(kBoundsKnown | kDrawnBoundsKnown);
    assert(bounds_ == CChartElement::getBounds());
    assert(drawnBounds_ == CChartElement::drawnBounds());
}


void CGroupElement::onRotated(Point, double) { recomputeFrame(); }
void CGroupElement::onRotatedRadians(Point, double) { recomputeFrame(); }
void CGroupElement::onScaled(Point, double, double) { recomputeFrame(); }
void CGroupElement::onMirroredX(Point) { recomputeFrame(); }
void CGroupElement::onMirroredY(Point) { recomputeFrame(); }

CChartElement* CGroupElement::hitTest(HitInfo& hit)
{
    hit.part = HitPart::None;
    return hitTestBody(hit) ? this : nullptr;
}

bool CGroupElement::hitTestBody(HitInfo& hit)
{
    const PointList frame = points();
    for (size_t i = 0; i < frame.size(); ++i) {
        if (handleHit(frame[i], hit.point)) {
            hit.element = this;
            hit.part = HitPart::Handle;
            hit.handleIndex = i;
            return true;
        }
    }
    if (getBounds().contains(hit.point)) {
        hit.element = this;
        hit.part = HitPart::Body;
        return true;
    }
    return false;
}

void CGroupElement::cloneChildrenInto(CChartElement& copy) const
{
    for (const auto& c : children())
        if (auto childCopy = cloneElement(*c))
            copy.appendChild(std::move(childCopy));
}

std::unique_ptr<CChartElement> CGroupElement::clone() const { return cloneAs<CGroupElement>(); }

bool CGroupElement::adopt(const std::vector<CChartElement*>& elements, int32_t dropFlags)
{
    if (elements.empty() || !elements.front())
        return false;
    CChartElement* common = elements.front()->parent();
    if (!common)
        return false;
    if (!parent() || !common->ownedChildren())
        return false;
    // One pass checks and marks the elements and unites their bounds for
    // the frame; a second moves them. On a large chart each pass waits on
    // memory for every element, so there are no more. The only allocation
    // comes first: after it nothing fails.
    reserveChildren(elements.size());
    Rect r;
    Rect drawn;
    for (size_t i = 0; i < elements.size(); ++i) {
        if (i + kFetchAhead < elements.size() && elements[i + kFetchAhead])
            fetchAhead(elements[i + kFetchAhead]);
        CChartElement* e = elements[i];
        if (!e || e->parent() != common || e == this || e->levels() >= kDeepestNesting) {
            for (size_t j = 0; j < i; ++j)
                elements[j]->forget(kMarked);
            return false;
        }
        e->learn(kMarked);
        r = accumulateBounds(r, e->getBounds());
        drawn = Rect::united(drawn, e->drawnBounds());
    }
    reparentTo(*common);
    common->moveMarkedChildren(elements, *this, dropFlags);
    takeFrame(r, drawn);
    return true;
}

bool CGroupElement::ungroup()
{
    CChartElement* target = parent();
    if (!target)
        return false;
    std::vector<std::unique_ptr<CChartElement>> parts = takeChildren();
    target->reserveChildren(parts.size());
    for (auto& c : parts)
        target->appendChild(std::move(c));
    setPoints({});
    if (hasFlag(kCurrent) && canvas())
        canvas()->releaseCurrent(*this);
    setFlags(kDeletedFlags);
    return true;
}

bool CGroupElement::adoptChildren(std::vector<std::unique_ptr<CChartElement>> parts)
{
    if (parts.empty())
        return false;
    reserveChildren(parts.size());
    for (auto& p : parts)
        appendChild(std::move(p));
    recomputeFrame();
    levels(); // counted while the parts are at hand, not in a later walk over the chart
    return true;
}

void CGroupElement::serializeBody(CArchive& ar)
{
    if (ar.isStoring()) {
        ar.writeInt32(storedChildCount());
        for (const auto& c : children())
            c->serialize(ar);
        return;
    }
    const int32_t announced = ar.readCount("child count", kSmallestRecordBytes);
    // Room for the announced children at once, as a symbol's parts are built;
    // a damaged count, nested group within group, reserves little each.
    reserveChildren(std::min<size_t>(size_t(announced), 1024));
    for (int32_t i = 0; i < announced; ++i)
        readElementRecord(ar, *this);
    recomputeFrame();
    levels(); // counted while the parts are at hand, not in a later walk over the chart
}

} // namespace loopora
