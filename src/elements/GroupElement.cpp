#include "elements/GroupElement.h"

#include "elements/ElementRecord.h"
#include "platform/Archive.h"

#include <algorithm>

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
    setPoints({});
    const Rect r = getBounds();
    const Point corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    setPoints({corners, 4});
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

bool CGroupElement::adopt(const std::vector<CChartElement*>& elements)
{
    if (elements.empty())
        return false;
    CChartElement* common = elements.front()->parent();
    if (!common)
        return false;
    for (CChartElement* e : elements)
        if (!e || e->parent() != common || e == this)
            return false;
    if (!parent())
        return false;
    reparentTo(*common);
    common->handOverChildren(elements, *this);
    recomputeFrame();
    return true;
}

bool CGroupElement::ungroup()
{
    CChartElement* target = parent();
    if (!target)
        return false;
    for (auto& c : takeChildren())
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
}

} // namespace loopora
