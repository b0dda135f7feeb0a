#include "document/commands/TransformCommands.h"

#include "document/Canvas.h"
#include "document/commands/Repaint.h"

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

void CRoundingTransformCommand::restore(const GeometrySnapshot& snapshot)
{
    CChartElement* e = &element_;
    changeAndRepaint(canvas_, one(e), [&] { snapshot.restore(); });
}

bool CRoundingTransformCommand::Do()
{
    if (after_.taken()) {
        restore(after_);
        return true;
    }
    if (!canTransform())
        return false;
    CChartElement* e = &element_;
    before_ = GeometrySnapshot(one(e));
    changeAndRepaint(canvas_, one(e), [&] { transform(element_); });
    after_ = GeometrySnapshot(one(e));
    return true;
}

bool CRoundingTransformCommand::Undo()
{
    if (!before_.taken())
        return false;
    restore(before_);
    return true;
}

void CRotateCommand::transform(CChartElement& element) { element.rotateRadians(centre_, radians_); }

bool CScaleCommand::canTransform() const
{
    return std::isfinite(factorX_) && std::isfinite(factorY_) && factorX_ != 0.0 && factorY_ != 0.0;
}

void CScaleCommand::transform(CChartElement& element) { element.scale(centre_, factorX_, factorY_); }

void CFlipCommand::mirror()
{
    const Mirror mirror = mirror_;
    const Point axis = axis_;
    changeAndRepaint(canvas_, elements_, [&elements = elements_, mirror, axis] {
        for (CChartElement* e : elements)
            (e->*mirror)(axis);
    });
}

void CFlipCommand::restore(const GeometrySnapshot& snapshot)
{
    changeAndRepaint(canvas_, elements_, [&] { snapshot.restore(); });
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
