#include "elements/GroupElement.h"

#include "elements/ElementRecord.h"
#include "platform/Archive.h"

namespace loopora {

Rect CGroupElement::getBounds() const
{
    if (!boundsCached())
        cacheBounds(CChartElement::getBounds());
    return cachedBounds();
}

Rect CGroupElement::drawnBounds() const
{
    if (!drawnBoundsCached())
        cacheDrawnBounds(CChartElement::drawnBounds());
    return cachedDrawnBounds();
}

void CGroupElement::recomputeFrame()
{
    points_.clear();
    geometryChanged();
    Rect r = getBounds();
    points_ = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    geometryChanged();
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
    for (size_t i = 0; i < points_.size(); ++i) {
        if (handleHit(points_[i], hit.point)) {
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
    setCanvas(common->canvas());
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
    points_.clear();
    geometryChanged();
    if (hasFlag(kCurrent) && canvas())
        canvas()->releaseCurrent(*this);
    setFlags(kDeletedFlags);
    return true;
}

bool CGroupElement::adoptChildren(std::vector<std::unique_ptr<CChartElement>> parts)
{
    if (parts.empty())
        return false;
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
    for (int32_t i = 0; i < announced; ++i)
        readElementRecord(ar, *this, canvas());
    recomputeFrame();
}

} // namespace loopora
