#include "elements/ChartElement.h"

#include "elements/ElementRecord.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/DrawingState.h"
#include "platform/Numeric.h"
#include "platform/RasterSupport.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace loopora {

CChartElement::CChartElement(int32_t typeId) : typeId_(typeId) {}

CChartElement::~CChartElement() = default;

bool CChartElement::assignState(const ElementState& state)
{
    points_ = state.points;
    setPenFields(state.pen());
    geometryChanged();
    return true;
}

void CChartElement::geometryChanged()
{
    for (CChartElement* e = this; e; e = e->parent_) {
        e->boundsCached_ = false;
        e->drawnBoundsCached_ = false;
    }
}

void CChartElement::setPen(const PenAttributes& pen)
{
    for (auto& c : children_)
        c->setPen(pen);
    setPenFields(pen);
}

void CChartElement::setPenFields(const PenAttributes& pen)
{
    penWidth_ = pen.penWidth;
    penColour_ = pen.penColour;
    penStyle_ = pen.penStyle;
    geometryChanged(); // plotted figures grow with the pen
}

void CChartElement::serialize(CArchive& ar)
{
    if (ar.isStoring()) {
        if (hasFlag(kDeletedFlags))
            return;
        ar.writeInt32(typeId_);
    }
    serializeBody(ar);
}

void CChartElement::serializeBody(CArchive& ar) { serializePlainBody(ar); }

void CChartElement::serializePlainBody(CArchive& ar)
{
    if (ar.isStoring()) {
        ar.writeInt32(int32_t(points_.size()));
        for (Point p : points_)
            ar.writePoint(p);
        ar.writeInt32(penWidth_);
        ar.writeUInt32(penColour_);
        ar.writeInt32(penStyle_);
        return;
    }
    int32_t n = ar.readCount("point count", 8, kMostStoredPoints);
    points_.reserve(points_.size() + size_t(n));
    for (int32_t i = 0; i < n; ++i)
        points_.push_back(readStoredPoint(ar));
    geometryChanged();
    penWidth_ = ar.readInt32();
    penColour_ = ar.readUInt32();
    penStyle_ = ar.readInt32();
}

void CChartElement::onRotated(Point, double) { geometryChanged(); }
void CChartElement::onRotatedRadians(Point, double) { geometryChanged(); }
void CChartElement::onScaled(Point, double, double) { geometryChanged(); }
void CChartElement::onMirroredX(Point) { geometryChanged(); }
void CChartElement::onMirroredY(Point) { geometryChanged(); }

void CChartElement::draw(CDC& dc)
{
    if (hasFlag(kHidden))
        return;
    {
        DrawingStateSaver saved(dc);
        dc.selectPen({penStyle_, penWidth_, penColour_});
        drawShape(dc);
    }
    // Children that cannot reach the picture are left out: a repaint of a
    // small part of a busy chart draws only what stands there.
    const Rect visible = dc.visibleArea();
    const bool everything = visible == CDC::kEverywhere;
    for (auto& c : children_)
        if (everything || !Rect::intersected(c->drawnBounds(), visible).isEmpty())
            c->draw(dc);
}

void CChartElement::drawShape(CDC&) {}

Rect CChartElement::accumulateBounds(const Rect& soFar, const Rect& next)
{
    if (soFar.isNull())
        return next;
    return soFar.isEmpty() ? soFar : Rect::united(soFar, next);
}

Rect CChartElement::unionWithChildrenBounds(Rect result) const
{
    for (const auto& c : children_)
        result = accumulateBounds(result, c->getBounds());
    return result;
}

Rect CChartElement::getBounds() const
{
    Rect own;
    if (!points_.empty()) {
        own = {points_[0].x, points_[0].y, points_[0].x, points_[0].y};
        for (Point p : points_) {
            own.left = std::min(own.left, p.x);
            own.top = std::min(own.top, p.y);
            own.right = std::max(own.right, p.x);
            own.bottom = std::max(own.bottom, p.y);
        }
        own = own.inflated(5);
    }
    return unionWithChildrenBounds(own);
}

Rect CChartElement::drawnBounds() const
{
    Rect drawn = getBounds();
    // The bounds keep 5 pixels around the points; half a wider pen reaches further.
    const int32_t reach = std::clamp(penWidth_, 1, raster::kMaxPenWidth) / 2 + 1 - 5;
    if (reach > 0 && !drawn.isEmpty())
        drawn = drawn.inflated(reach);
    for (const auto& c : children_)
        drawn = accumulateBounds(drawn, c->drawnBounds());
    return drawn;
}

bool CChartElement::handleHit(Point handle, Point p)
{
    return Rect{handle.x - 4, handle.y - 4, handle.x + 4, handle.y + 4}.contains(p);
}

CChartElement* CChartElement::hitTest(HitInfo& hit)
{
    // Topmost first. A deleted element is still in the tree for undo's sake, but
    // it is not on screen, so it must not catch a click meant for what lies under it.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
        if ((*it)->hasFlag(kHidden))
            continue;
        if (CChartElement* found = (*it)->hitTest(hit))
            return found;
    }
    for (size_t i = 0; i < points_.size(); ++i) {
        if (handleHit(points_[i], hit.point)) {
            hit.element = this;
            hit.part = HitPart::Handle;
            hit.handleIndex = i;
            return this;
        }
    }
    return hitTestBody(hit) ? this : nullptr;
}

bool CChartElement::hitTestBody(HitInfo&) { return false; }

bool CChartElement::hitInsideBounds(HitInfo& hit)
{
    if (!getBounds().contains(hit.point))
        return false;
    hit.element = this;
    hit.part = HitPart::Body;
    return true;
}

std::unique_ptr<CChartElement> CChartElement::clone() const { return nullptr; }

void CChartElement::transformOwnPoints(const Affine& m)
{
    for (Point& p : points_)
        p = transformTruncated(m, p);
}

void CChartElement::moveBy(int32_t dx, int32_t dy)
{
    for (auto& c : children_)
        c->moveBy(dx, dy);
    for (Point& p : points_)
        p = {clampCoordinate(int64_t(p.x) + dx), clampCoordinate(int64_t(p.y) + dy)};
    geometryChanged();
}

void CChartElement::movePoint(size_t index, int32_t dx, int32_t dy)
{
    if (index >= points_.size())
        return;
    Point& p = points_[index];
    p = {clampCoordinate(int64_t(p.x) + dx), clampCoordinate(int64_t(p.y) + dy)};
    geometryChanged();
}

void CChartElement::rotate(Point centre, double degrees)
{
    for (auto& c : children_)
        c->rotate(centre, degrees);
    transformOwnPoints(Affine::about(centre, Affine::rotation(degrees * kRotationDegreeFactor)));
    onRotated(centre, degrees);
}

void CChartElement::rotateRadians(Point centre, double radians)
{
    for (auto& c : children_)
        c->rotateRadians(centre, radians);
    if (hasFrameHandles()) {
        onRotatedRadians(centre, radians);
        return;
    }
    transformOwnPoints(Affine::about(centre, Affine::rotation(radians)));
    geometryChanged();
}

void CChartElement::scale(Point centre, double sx, double sy)
{
    for (auto& c : children_)
        c->scale(centre, sx, sy);
    transformOwnPoints(Affine::about(centre, Affine::scaling(sx, sy)));
    onScaled(centre, sx, sy);
}

void CChartElement::mirrorX(Point axis)
{
    for (auto& c : children_)
        c->mirrorX(axis);
    for (Point& p : points_)
        p.x = clampCoordinate(2 * int64_t(axis.x) - p.x);
    onMirroredX(axis);
}

void CChartElement::mirrorY(Point axis)
{
    for (auto& c : children_)
        c->mirrorY(axis);
    for (Point& p : points_)
        p.y = clampCoordinate(2 * int64_t(axis.y) - p.y);
    onMirroredY(axis);
}

Point CChartElement::boundsCentre() const
{
    Rect r = getBounds();
    return {int32_t((int64_t(r.left) + r.right) / 2), int32_t((int64_t(r.top) + r.bottom) / 2)};
}

Point CChartElement::boundsCorner() const
{
    Rect r = getBounds();
    return {r.right, r.bottom};
}

CChartElement* CChartElement::appendChild(std::unique_ptr<CChartElement> e)
{
    if (!e)
        return nullptr;
    e->parent_ = this;
    children_.push_back(std::move(e));
    geometryChanged();
    return children_.back().get();
}

std::unique_ptr<CChartElement> CChartElement::detach()
{
    if (!parent_)
        return nullptr;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& c) { return c.get() == this; });
    std::unique_ptr<CChartElement> self = std::move(*it);
    siblings.erase(it);
    parent_->geometryChanged();
    parent_ = nullptr;
    return self;
}

void CChartElement::reparentTo(CChartElement& newParent)
{
    if (auto self = detach())
        newParent.appendChild(std::move(self));
}

void CChartElement::handOverChildren(const std::vector<CChartElement*>& which, CChartElement& newParent)
{
    std::unordered_set<const CChartElement*> wanted(which.begin(), which.end());
    std::unordered_map<const CChartElement*, std::unique_ptr<CChartElement>> leaving;
    std::vector<std::unique_ptr<CChartElement>> staying;
    staying.reserve(children_.size());
    for (auto& c : children_) {
        if (wanted.count(c.get()) && c.get() != &newParent) {
            c->parent_ = nullptr;
            leaving.emplace(c.get(), std::move(c));
        } else {
            staying.push_back(std::move(c));
        }
    }
    children_ = std::move(staying);
    geometryChanged();
    for (CChartElement* e : which) {
        auto it = leaving.find(e);
        if (it != leaving.end() && it->second)
            newParent.appendChild(std::move(it->second));
    }
}

int32_t CChartElement::storedChildCount() const
{
    int32_t n = 0;
    for (const auto& c : children_)
        if (!c->hasFlag(kDeletedFlags))
            ++n;
    return n;
}

std::vector<std::unique_ptr<CChartElement>> CChartElement::takeChildren()
{
    for (auto& c : children_)
        c->parent_ = nullptr;
    geometryChanged();
    return std::exchange(children_, {});
}

std::unique_ptr<CChartElement> CChartElement::cloneElement(const CChartElement& source)
{
    std::unique_ptr<CChartElement> copy = source.clone();
    if (!copy)
        return nullptr;
    copy->canvas_ = source.canvas_;
    copy->setPenFields(source.pen());
    copy->points_ = source.points_;
    copy->geometryChanged();
    return copy;
}

} // namespace loopora
