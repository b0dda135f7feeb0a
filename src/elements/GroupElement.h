#pragma once
// A composite that behaves as one rigid figure: drawn and transformed through
// its children, hit anywhere inside its frame, with the four corners of its
// children's bounds as its handles. Base of every stitch symbol and arrangement.

#include "elements/ChartElement.h"

#include <memory>
#include <vector>

namespace loopora {

class CGroupElement : public CCompositeElement {
public:
    CGroupElement() : CGroupElement(0) {}

    bool hasFrameHandles() const override { return true; }
    // Kept until something below the group changes: hit tests ask every
    // group on every pointer move.
    Rect getBounds() const override;
    Rect drawnBounds() const override;
    void onRotated(Point centre, double degrees) override;
    void onRotatedRadians(Point centre, double radians) override;
    void onScaled(Point centre, double sx, double sy) override;
    void onMirroredX(Point axis) override;
    void onMirroredY(Point axis) override;
    // The group is hit as a whole; its children are not consulted.
    CChartElement* hitTest(HitInfo& hit) override;
    bool hitTestBody(HitInfo& hit) override;
    std::unique_ptr<CChartElement> clone() const override;

    // Makes elements of one parent the children of this group: the group goes
    // to the end of that parent's children and the elements, in list order,
    // into the group. Refused for an empty list, for elements of different
    // parents or of none, for an element already kDeepestNesting levels deep
    // (the group would nest one deeper), and while the group itself has no
    // parent (a new group is appended to the common parent before it adopts).
    // The flags in dropFlags are cleared on each element as it joins.
    bool adopt(const std::vector<CChartElement*>& elements, int32_t dropFlags = 0);
    // Gives the children back to the group's parent, in order, and leaves the
    // group hidden, removed and empty in its place (so that undo can refill it).
    bool ungroup();
    // Makes freshly built parts the children and takes the frame of their bounds.
    // Refused (false) for an empty list.
    bool adoptChildren(std::vector<std::unique_ptr<CChartElement>> parts);
    // Replaces the points by the four corners of the children's bounds.
    void recomputeFrame();

protected:
    explicit CGroupElement(int32_t typeId) : CCompositeElement(typeId) { keepPointsIn(frame_, 4); }
    void serializeBody(CArchive& ar) override;
    // Copies the children of this group into copy, each parented to it.
    void cloneChildrenInto(CChartElement& copy) const;
    // A new T made from args, holding copies of this group's children.
    template <typename T, typename... Args>
    std::unique_ptr<CChartElement> cloneAs(Args&&... args) const
    {
        auto copy = std::make_unique<T>(std::forward<Args>(args)...);
        cloneChildrenInto(*copy);
        return copy;
    }

private:
    // Takes the frame of r, the children's bounds united, and the drawn
    // bounds that and drawn, their drawn bounds united, reach.
    void takeFrame(Rect r, Rect drawn);

    // Kept while nothing below the group changes (see geometryChanged).
    mutable Rect bounds_{};
    mutable Rect drawnBounds_{};
    // The four frame corners.
    Point frame_[4];
};

} // namespace loopora
