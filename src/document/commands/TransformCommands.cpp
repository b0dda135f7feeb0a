#include "document/commands/TransformCommands.h"

#include "document/Canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace loopora {

namespace {

std::span<CChartElement* const> one(CChartElement*& e) { return {&e, 1}; }

int32_t mirrored(int32_t v, int32_t axis) { return int32_t(std::clamp<int64_t>(2 * int64_t(axis) - v, INT32_MIN, INT32_MAX)); }

Rect mirroredBounds(const Rect& r, Point axis, bool leftToRight)
{
    if (leftToRight)
        return {mirrored(r.right, axis.x), r.top, mirrored(r.left, axis.x), r.bottom};
    return {r.left, mirrored(r.bottom, axis.y), r.right, mirrored(r.top, axis.y)};
}

} // namespace

bool CRotateCommand::Do()
{
    if (after_.taken()) {
        after_.restore();
        return true;
    }
    CChartElement* e = &element_;
    before_ = GeometrySnapshot(one(e));
    element_.rotateRadians(centre_, radians_);
    after_ = GeometrySnapshot(one(e));
    return true;
}

bool CRotateCommand::Undo()
{
    if (!before_.taken())
        return false;
    before_.restore();
    return true;
}

bool CScaleCommand::invertible() const
{
    return std::isfinite(factorX_) && std::isfinite(factorY_) && factorX_ != 0.0 && factorY_ != 0.0;
}

bool CScaleCommand::Do()
{
    if (!invertible())
        return false;
    if (after_.taken()) {
        after_.restore();
        return true;
    }
    CChartElement* e = &element_;
    before_ = GeometrySnapshot(one(e));
    element_.scale(centre_, factorX_, factorY_);
    after_ = GeometrySnapshot(one(e));
    return true;
}

bool CScaleCommand::Undo()
{
    if (!before_.taken())
        return false;
    before_.restore();
    return true;
}

void CFlipCommand::mirror()
{
    Rect oldArea;
    Rect newArea;
    for (CChartElement* e : elements_) {
        oldArea = CChartElement::accumulateBounds(oldArea, e->drawnBounds());
        (e->*mirror_)(axis_);
        newArea = CChartElement::accumulateBounds(newArea, e->drawnBounds());
    }
    canvas_.invalidate(oldArea);
    canvas_.invalidate(newArea);
}

void CFlipCommand::restore(const GeometrySnapshot& snapshot)
{
    for (CChartElement* e : elements_)
        canvas_.invalidate(e->drawnBounds());
    snapshot.restore();
    for (CChartElement* e : elements_)
        canvas_.invalidate(e->drawnBounds());
}

bool CFlipCommand::Do()
{
    if (elements_.empty())
        return false;
    if (done_ && after_.taken()) {
        restore(after_);
        return true;
    }
    if (!done_) {
        done_ = true;
        // Mirrored about a point far out, an element may reach the edge of the drawable area.
        bool clamps = false;
        for (CChartElement* e : elements_)
            clamps = clamps || reachesCoordinateLimit(mirroredBounds(e->getBounds(), axis_, mirror_ == &CChartElement::mirrorX));
        if (clamps) {
            before_ = GeometrySnapshot(elements_);
            mirror();
            after_ = GeometrySnapshot(elements_);
            return true;
        }
    }
    mirror();
    return true;
}

bool CFlipCommand::Undo()
{
    if (before_.taken()) {
        restore(before_);
        return true;
    }
    return Do();
}

CFlipHorizontalCommand::CFlipHorizontalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis)
    : CFlipCommand(canvas, std::move(elements), axis, &CChartElement::mirrorX)
{
}

CFlipVerticalCommand::CFlipVerticalCommand(CCanvas& canvas, std::vector<CChartElement*> elements, Point axis)
    : CFlipCommand(canvas, std::move(elements), axis, &CChartElement::mirrorY)
{
}

} // namespace loopora
