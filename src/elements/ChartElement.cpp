#include "elements/ChartElement.h"

#include "elements/ElementRecord.h"
#include "platform/Archive.h"
#include "platform/DeviceContext.h"
#include "platform/DrawingState.h"
#include "platform/Numeric.h"
#include "platform/RasterSupport.h"

#include <algorithm>

namespace loopora {

CChartElement::CChartElement(int32_t typeId)
    : typeId_(typeId >= 0 && typeId < kNoTypeId ? uint8_t(typeId) : kNoTypeId)
{
}

CChartElement::~CChartElement()
{
    if (pointMode_ == kPointsOwned)
        delete[] slots_.away.data;
}

// --- Points ---

void CChartElement::keepPointsIn(Point* buffer, uint32_t capacity)
{
    slots_.away = {buffer, 0, capacity};
    pointMode_ = kPointsLent;
}

Point* CChartElement::resizePoints(size_t n)
{
    const PointList old = points();
    if (pointMode_ <= kInlinePoints && n <= kInlinePoints) {
        std::fill(slots_.here + std::min<size_t>(old.size(), n), slots_.here + n, Point{});
        pointMode_ = uint8_t(n);
        return slots_.here;
    }
    if (pointMode_ > kInlinePoints && n <= slots_.away.capacity) {
        std::fill(slots_.away.data + std::min<size_t>(old.size(), n), slots_.away.data + n, Point{});
        slots_.away.count = uint32_t(n);
        return slots_.away.data;
    }
    // More than the element's own room holds: a block of exactly n points.
    auto block = std::make_unique<Point[]>(n);
    std::copy(old.begin(), old.begin() + std::min(old.size(), n), block.get());
    if (pointMode_ == kPointsOwned)
        delete[] slots_.away.data;
    slots_.away = {block.release(), uint32_t(n), uint32_t(n)};
    pointMode_ = kPointsOwned;
    return slots_.away.data;
}

void CChartElement::setPoints(PointList source)
{
    const PointList own = points();
    if (source.data() >= own.data() && source.data() < own.data() + own.size()) {
        // Points of this element itself: kept aside before the room changes.
        const std::vector<Point> copy(source.begin(), source.end());
        std::copy(copy.begin(), copy.end(), resizePoints(copy.size()));
    } else {
        std::copy(source.begin(), source.end(), resizePoints(source.size()));
    }
    geometryChanged();
}

// --- State and pen ---

bool CChartElement::assignState(const ElementState& state)
{
    setPoints(state.points);
    setPenFields(state.pen());
    geometryChanged();
    return true;
}

void CChartElement::geometryChanged()
{
    for (CChartElement* e = this; e; e = e->parent_)
        e->forget(kBoundsKnown | kDrawnBoundsKnown);
}

void CChartElement::treeChanged()
{
    for (CChartElement* e = this; e; e = e->parent_)
        e->forget(kLevelsKnown);
}

int CChartElement::levels() const
{
    if (!knows(kOwnsChildren))
        return 1;
    auto* self = static_cast<const CCompositeElement*>(this);
    if (!knows(kLevelsKnown)) {
        int deepest = 0;
        forEachFetching(self->children_, [&](const auto& c) { deepest = std::max(deepest, c->levels()); });
        // Files and groups stop nesting far sooner than this counts.
        self->levels_ = uint16_t(std::min(deepest + 1, 0xFFFF));
        learn(kLevelsKnown);
    }
    return self->levels_;
}

void CChartElement::setPen(const PenAttributes& pen)
{
    for (const auto& c : children())
        c->setPen(pen);
    setPenFields(pen);
}

void CChartElement::setPenFields(const PenAttributes& pen)
{
    penId_ = PenTable::idOf(pen);
    geometryChanged(); // plotted figures grow with the pen
}

CChartElement* CChartElement::canvas() const
{
    const CChartElement* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->rootCanvas();
}

// --- Storage ---

void CChartElement::serialize(CArchive& ar)
{
    if (ar.isStoring()) {
        if (hasFlag(kDeletedFlags))
            return;
        ar.writeInt32(typeId());
    }
    serializeBody(ar);
}

void CChartElement::serializeBody(CArchive& ar) { serializePlainBody(ar); }

void CChartElement::serializePlainBody(CArchive& ar)
{
    if (ar.isStoring()) {
        const PointList own = points();
        ar.writeInt32(int32_t(own.size()));
        for (Point p : own)
            ar.writePoint(p);
        const PenAttributes& p = pen();
        ar.writeInt32(p.penWidth);
        ar.writeUInt32(p.penColour);
        ar.writeInt32(p.penStyle);
        return;
    }
    const int32_t n = ar.readCount("point count", 8, kMostStoredPoints);
    const size_t had = points().size();
    Point* read = resizePoints(had + size_t(n)) + had;
    for (int32_t i = 0; i < n; ++i)
        read[i] = readStoredPoint(ar);
    geometryChanged();
    PenAttributes p;
    p.penWidth = ar.readInt32();
    p.penColour = ar.readUInt32();
    p.penStyle = ar.readInt32();
    setPenFields(p);
}

void CChartElement::onRotated(Point, double) { geometryChanged(); }
void CChartElement::onRotatedRadians(Point, double) { geometryChanged(); }
void CChartElement::onScaled(Point, double, double) { geometryChanged(); }
void CChartElement::onMirroredX(Point) { geometryChanged(); }
void CChartElement::onMirroredY(Point) { geometryChanged(); }

// --- Drawing ---

void CChartElement::draw(CDC& dc) { drawWithin(dc, dc.visibleArea() == CDC::kEverywhere); }

void CChartElement::drawWithin(CDC& dc, bool wholly)
{
    if (hasFlag(kHidden))
        return;
    {
        DrawingStateSaver saved(dc);
        const PenAttributes& p = pen();
        dc.selectPen({p.penStyle, p.penWidth, p.penColour});
        drawShape(dc);
    }
    const Children kids = children();
    if (kids.empty())
        return;
    if (wholly) {
        forEachFetching(kids, [&](const auto& c) { c->drawWithin(dc, true); });
        return;
    }
    // Children that cannot reach the picture are left out: a repaint of a
    // small part of a busy chart draws only what stands there. A child the
    // picture holds whole holds its own children whole too, which are then
    // drawn without a test each: a repaint of the whole sheet tests only the
    // elements at the top.
    const Rect visible = dc.visibleArea();
    forEachFetching(kids, [&](const auto& c) {
        const Rect drawn = c->drawnBounds();
        const Rect common = Rect::intersected(drawn, visible);
        if (!common.isEmpty())
            c->drawWithin(dc, common == drawn);
    });
}

void CChartElement::drawShape(CDC&) {}

// --- Bounds ---

Rect CChartElement::accumulateBounds(const Rect& soFar, const Rect& next)
{
    if (soFar.isNull())
        return next;
    return soFar.isEmpty() ? soFar : Rect::united(soFar, next);
}

Rect CChartElement::unionWithChildrenBounds(Rect result) const
{
    forEachFetching(children(), [&](const auto& c) { result = accumulateBounds(result, c->getBounds()); });
    return result;
}

Rect CChartElement::getBounds() const
{
    Rect own;
    const PointList pts = points();
    if (!pts.empty()) {
        own = {pts[0].x, pts[0].y, pts[0].x, pts[0].y};
        for (Point p : pts) {
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
    const int32_t reach = std::clamp(penWidth(), 1, raster::kMaxPenWidth) / 2 + 1 - 5;
    if (reach > 0 && !drawn.isEmpty())
        drawn = drawn.inflated(reach);
    forEachFetching(children(), [&](const auto& c) { drawn = accumulateBounds(drawn, c->drawnBounds()); });
    return drawn;
}

// --- Hit testing ---

bool CChartElement::handleHit(Point handle, Point p)
{
    return Rect{handle.x - 4, handle.y - 4, handle.x + 4, handle.y + 4}.contains(p);
}

CChartElement* CChartElement::hitTest(HitInfo& hit)
{
    // Topmost first. A deleted element is still in the tree for undo's sake, but
    // it is not on screen, so it must not catch a click meant for what lies under it.
    const Children kids = children();
    for (size_t i = kids.size(); i-- > 0;) {
        if (i >= kFetchAhead)
            fetchAhead(kids[i - kFetchAhead].get());
        if (kids[i]->hasFlag(kHidden))
            continue;
        if (CChartElement* found = kids[i]->hitTest(hit))
            return found;
    }
    const PointList pts = points();
    for (size_t i = 0; i < pts.size(); ++i) {
        if (handleHit(pts[i], hit.point)) {
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

// --- Geometry ---

void CChartElement::transformOwnPoints(const Affine& m)
{
    for (Point& p : mutablePoints())
        p = transformTruncated(m, p);
}

void CChartElement::moveBy(int32_t dx, int32_t dy)
{
    for (const auto& c : children())
        c->moveBy(dx, dy);
    for (Point& p : mutablePoints())
        p = {clampCoordinate(int64_t(p.x) + dx), clampCoordinate(int64_t(p.y) + dy)};
    geometryChanged();
}

void CChartElement::movePoint(size_t index, int32_t dx, int32_t dy)
{
    const std::span<Point> pts = mutablePoints();
    if (index >= pts.size())
        return;
    Point& p = pts[index];
    p = {clampCoordinate(int64_t(p.x) + dx), clampCoordinate(int64_t(p.y) + dy)};
    geometryChanged();
}

void CChartElement::rotate(Point centre, double degrees)
{
    for (const auto& c : children())
        c->rotate(centre, degrees);
    transformOwnPoints(Affine::about(centre, Affine::rotation(degrees * kRotationDegreeFactor)));
    onRotated(centre, degrees);
}

void CChartElement::rotateRadians(Point centre, double radians)
{
    for (const auto& c : children())
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
    for (const auto& c : children())
        c->scale(centre, sx, sy);
    transformOwnPoints(Affine::about(centre, Affine::scaling(sx, sy)));
    onScaled(centre, sx, sy);
}

void CChartElement::mirrorX(Point axis)
{
    for (const auto& c : children())
        c->mirrorX(axis);
    for (Point& p : mutablePoints())
        p.x = clampCoordinate(2 * int64_t(axis.x) - p.x);
    onMirroredX(axis);
}

void CChartElement::mirrorY(Point axis)
{
    for (const auto& c : children())
        c->mirrorY(axis);
    for (Point& p : mutablePoints())
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

// --- Tree ---

CChartElement* CChartElement::appendChild(std::unique_ptr<CChartElement> e)
{
    auto* list = ownedChildren();
    if (!e || !list)
        return nullptr;
    list->push_back(std::move(e));
    CChartElement* added = list->back().get();
    added->parent_ = this;
    geometryChanged();
    treeChanged();
    return added;
}

std::unique_ptr<CChartElement> CChartElement::detach()
{
    if (!parent_)
        return nullptr;
    auto& siblings = *parent_->ownedChildren();
    // From the end: what leaves is mostly what was just added (a group about to adopt).
    auto it = std::find_if(siblings.rbegin(), siblings.rend(), [this](const auto& c) { return c.get() == this; });
    std::unique_ptr<CChartElement> self = std::move(*it);
    siblings.erase(std::next(it).base());
    parent_->geometryChanged();
    parent_->treeChanged();
    parent_ = nullptr;
    return self;
}

void CChartElement::reparentTo(CChartElement& newParent)
{
    if (!newParent.ownedChildren())
        return;
    if (auto self = detach())
        newParent.appendChild(std::move(self));
}

void CChartElement::handOverChildren(std::span<CChartElement* const> which, CChartElement& newParent)
{
    auto* from = ownedChildren();
    auto* to = newParent.ownedChildren();
    if (!from || !to)
        return;
    // The only allocation, made before anything moves: from here on nothing can fail.
    to->reserve(to->size() + which.size());
    forEachFetching(which, [&](CChartElement* e) {
        if (e && e->parent_ == this && e != &newParent)
            e->learn(kMarked);
    });
    moveMarkedChildren(which, newParent);
}

void CChartElement::moveMarkedChildren(std::span<CChartElement* const> which, CChartElement& newParent,
                                       int32_t dropFlags)
{
    auto* from = ownedChildren();
    auto* to = newParent.ownedChildren();
    // The list mostly names the children in their own order (a rubber band
    // selects them so): while it does, each joins newParent as it is met.
    // From the first one out of order on, the rest wait, taken, and join
    // in list order after the walk.
    size_t next = 0;
    bool inOrder = true;
    size_t kept = 0;
    std::vector<std::unique_ptr<CChartElement>>& list = *from;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i + kFetchAhead < list.size())
            fetchAhead(list[i + kFetchAhead].get());
        std::unique_ptr<CChartElement>& c = list[i];
        if (!c->knows(kMarked)) {
            list[kept++] = std::move(c);
            continue;
        }
        c->forget(kMarked);
        c->clearFlags(dropFlags);
        c->parent_ = nullptr;
        if (inOrder && next < which.size() && which[next] == c.get()) {
            ++next;
            c->parent_ = &newParent;
            to->push_back(std::move(c));
            continue;
        }
        inOrder = false;
        c->learn(kTaken);
        c.release(); // owned by the list `which` names it in until it joins newParent
    }
    list.resize(kept);
    geometryChanged();
    treeChanged();
    for (size_t i = next; i < which.size(); ++i) {
        CChartElement* e = which[i];
        if (!e || !e->knows(kTaken))
            continue;
        e->forget(kTaken);
        to->emplace_back(e);
        e->parent_ = &newParent;
    }
    newParent.geometryChanged();
    newParent.treeChanged();
}

void CChartElement::reserveChildren(size_t more)
{
    if (auto* list = ownedChildren())
        list->reserve(list->size() + more);
}

int32_t CChartElement::storedChildCount() const
{
    int32_t n = 0;
    for (const auto& c : children())
        if (!c->hasFlag(kDeletedFlags))
            ++n;
    return n;
}

std::vector<std::unique_ptr<CChartElement>> CChartElement::takeChildren()
{
    auto* list = ownedChildren();
    if (!list)
        return {};
    for (auto& c : *list)
        c->parent_ = nullptr;
    geometryChanged();
    treeChanged();
    return std::exchange(*list, {});
}

std::unique_ptr<CChartElement> CChartElement::cloneElement(const CChartElement& source)
{
    std::unique_ptr<CChartElement> copy = source.clone();
    if (!copy)
        return nullptr;
    copy->penId_ = source.penId_;
    copy->setPoints(source.points());
    return copy;
}

} // namespace loopora
