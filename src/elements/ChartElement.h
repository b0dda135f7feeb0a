#pragma once
// Everything that stands on a chart is a CChartElement: stitch symbols, lines,
// labels, arrangements, user groups and the canvas itself. An element has
// handle points, a parent link, state flags and a pen, with the editor's
// geometry (move, move one handle, rotate, scale, mirror), bounds, hit
// testing, drawing and storage implemented once here. Elements that hold
// others (groups, symbols, arrangements, the canvas) derive from
// CCompositeElement, which owns the children; every other element is a leaf.
//
// A chart holds hundreds of thousands of elements, three quarters of them
// lines, so a leaf keeps only what it needs: its points inline (two fit
// without a block of their own), its pen as a number in the PenTable, and
// its canvas found through its parents.

#include "elements/PenTable.h"
#include "elements/PointList.h"
#include "elements/PointMath.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace loopora {

class CArchive;
class CDC;
class CChartElement;
class ShapeSink;

enum ElementFlags : int32_t {
    kHidden = 1,   // not drawn; refused by the selection
    kRemoved = 2,  // not written to files; always set and cleared together with kHidden
    kSelected = 8, // kept by the selection set
    kCurrent = 16, // kept by the canvas: the one element commands and dialogs act on
};
constexpr int32_t kDeletedFlags = kHidden | kRemoved;

// What an element is built from: the points a tool collected and the pen.
struct ElementState {
    std::vector<Point> points;
    int32_t penWidth = 1;
    Colour penColour = colours::black;
    int32_t penStyle = 0;

    PenAttributes pen() const { return {penWidth, penColour, penStyle}; }
};

enum class HitPart : int32_t { None = 0, Handle = 1, Body = 2 };

struct HitInfo {
    CChartElement* element = nullptr;
    Point point{};
    HitPart part = HitPart::None;
    size_t handleIndex = 0;
};

// Receives an element's own parameters by name, for listings such as the JSON dump.
class FieldSink {
public:
    virtual ~FieldSink() = default;
    virtual void field(std::string_view name, double value) = 0;
    virtual void field(std::string_view name, int32_t value) = 0;
    virtual void field(std::string_view name, bool value) = 0;
    virtual void field(std::string_view name, const std::string& utf8) = 0;
};

class CChartElement {
public:
    explicit CChartElement(int32_t typeId = -1);
    virtual ~CChartElement();
    CChartElement(const CChartElement&) = delete;
    CChartElement& operator=(const CChartElement&) = delete;

    // --- Operations every class may give its own behaviour ---

    // Replaces the points and the pen. Stitch symbols build their strokes here.
    virtual bool assignState(const ElementState& state);
    // Passes the pen on to every child, then takes it.
    virtual void setPen(const PenAttributes& pen);
    // True for groups and everything built on them: their points are the four
    // corners of their children's bounds, not geometry of their own.
    virtual bool hasFrameHandles() const { return false; }
    // Storing: nothing for a hidden or removed element, otherwise the type id and
    // the body. Loading reads the body only; the type id was read by whoever
    // created the element.
    virtual void serialize(CArchive& ar);
    virtual void onRotated(Point centre, double degrees);
    virtual void onRotatedRadians(Point centre, double radians);
    virtual void onScaled(Point centre, double sx, double sy);
    virtual void onMirroredX(Point axis);
    virtual void onMirroredY(Point axis);
    // Draws the element with its own pen, then those of its children whose
    // pixels may fall within what the device shows (all of them on a device
    // without a picture of its own), in order.
    virtual void draw(CDC& dc);
    virtual Rect getBounds() const;
    // The area the element's pixels may cover: its bounds, and beyond them
    // whatever a wide pen or a label's text reaches. A repaint draws an
    // element only where this meets the repainted area, so commands repaint
    // this area of what they change.
    virtual Rect drawnBounds() const;
    // The element under hit.point, topmost first, or null; fills hit.
    virtual CChartElement* hitTest(HitInfo& hit);
    // A new, unparented element of the same class (children cloned where it has
    // any); null for classes that cannot be copied. cloneElement completes it.
    virtual std::unique_ptr<CChartElement> clone() const;
    virtual void drawShape(CDC& dc);
    // The element's own figure as the ideal shapes its pixels approximate
    // (see describeElement); nothing for groups, whose children have theirs.
    virtual void describeShape(ShapeSink&) const {}
    virtual bool hitTestBody(HitInfo& hit);
    // The class's own stored parameters.
    virtual void describeFields(FieldSink&) const {}
    // Called on an element's canvas when that element stops being current
    // without the canvas's knowledge (a dissolved group). Only the canvas cares.
    virtual void releaseCurrent(CChartElement&) {}

    // --- Geometry shared by every class ---

    void moveBy(int32_t dx, int32_t dy);
    void movePoint(size_t index, int32_t dx, int32_t dy);
    // Rotation in degrees for building symbols; results truncated toward zero.
    void rotate(Point centre, double degrees);
    // The rotation the rotate tool applies.
    void rotateRadians(Point centre, double radians);
    void scale(Point centre, double sx, double sy);
    void mirrorX(Point axis);
    void mirrorY(Point axis);
    Point boundsCentre() const;
    Point boundsCorner() const;

    // --- State ---

    int32_t typeId() const { return typeId_ == kNoTypeId ? -1 : int32_t(typeId_); }
    PointList points() const
    {
        return pointMode_ <= kInlinePoints ? PointList{slots_.here, pointMode_}
                                           : PointList{slots_.away.data, slots_.away.count};
    }
    void setPoints(PointList points);
    void setPoints(std::initializer_list<Point> points) { setPoints(PointList{points.begin(), points.size()}); }

    int32_t flags() const { return flags_; }
    bool hasFlag(int32_t mask) const { return (flags_ & mask) != 0; }
    void setFlags(int32_t mask) { flags_ = uint8_t(flags_ | mask); }
    void clearFlags(int32_t mask) { flags_ = uint8_t(flags_ & ~mask); }
    bool isVisible() const { return !hasFlag(kHidden); }
    bool isDeleted() const { return hasFlag(kDeletedFlags); }

    const PenAttributes& pen() const { return PenTable::pen(penId_); }
    int32_t penWidth() const { return pen().penWidth; }
    Colour penColour() const { return pen().penColour; }
    int32_t penStyle() const { return pen().penStyle; }

    // The canvas at the root of the element's tree (the canvas is its own);
    // null for elements of no chart (prototypes, clipboard copies, pictures,
    // symbols being built), which draw all the same.
    CChartElement* canvas() const;

    // --- Tree ---

    using Children = std::span<const std::unique_ptr<CChartElement>>;

    CChartElement* parent() const { return parent_; }
    // The children in drawing order; none for a leaf.
    Children children() const;
    size_t childCount() const { return children().size(); }
    CChartElement* child(size_t i) const { return children()[i].get(); }
    // Appends an element this one now owns; returns it. A leaf owns none:
    // it refuses (null) and the element goes.
    CChartElement* appendChild(std::unique_ptr<CChartElement> e);
    // Takes this element out of its parent's children (order of the rest kept)
    // and hands over its ownership; null when it has no parent.
    std::unique_ptr<CChartElement> detach();
    // Makes an element that has a parent the last child of newParent.
    void reparentTo(CChartElement& newParent);
    // Moves those of the listed elements that are children of this one, in
    // list order, to the end of newParent's children; the rest keep their
    // order. One pass over the children and two over the list, however many
    // move: the elements are marked rather than looked up.
    void handOverChildren(std::span<CChartElement* const> which, CChartElement& newParent);
    // The children a file holds: those neither hidden nor removed.
    int32_t storedChildCount() const;
    // Empties the child list, handing the children over in order.
    std::vector<std::unique_ptr<CChartElement>> takeChildren();
    // Room for `more` children beyond those there are, so that they join
    // without the list growing step by step.
    void reserveChildren(size_t more);
    // The levels from the element down to its deepest descendant: 1 for a
    // leaf. Kept by composites until their children change, so a check of
    // a million members reads a number each.
    int levels() const;

    // One step of uniting bounds: a null result takes the next rectangle, an
    // empty but not null one stays as it is, anything else grows by it.
    static Rect accumulateBounds(const Rect& soFar, const Rect& next);

    // A deep copy of source: same class, pen and points; no parent, no flags.
    static std::unique_ptr<CChartElement> cloneElement(const CChartElement& source);

    // Calls visit for each listed element that no other listed element
    // holds, in list order: a part counted once when a group around it is
    // listed too. The listed elements are marked, not looked up in a table.
    template <typename Visit>
    static void forEachOutermost(std::span<CChartElement* const> elements, Visit&& visit)
    {
        for (CChartElement* e : elements)
            if (e)
                e->learn(kMarked);
        for (CChartElement* e : elements)
            if (e && !e->insideMarked())
                visit(*e);
        for (CChartElement* e : elements)
            if (e)
                e->forget(kMarked);
    }

protected:
    // What an element knows besides its flags: which of its kept results
    // still hold, and what the tree operations mark on their way.
    enum Knowledge : uint8_t {
        kBoundsKnown = 1,       // groups: the bounds; plotted figures: the box of their pixels
        kDrawnBoundsKnown = 2,  // groups: the drawn bounds
        kOwnsChildren = 4,      // a CCompositeElement
        kMarked = 8,            // named in the list handOverChildren is working through
        kTaken = 16,            // out of its parent, about to join the new one
        kLevelsKnown = 32,      // composites: the levels below
    };
    bool knows(uint8_t bit) const { return (knowledge_ & bit) != 0; }
    void learn(uint8_t bit) const { knowledge_ = uint8_t(knowledge_ | bit); }
    void forget(uint8_t bit) const { knowledge_ = uint8_t(knowledge_ & ~bit); }

    // The one call after anything that decides the element's bounds changed:
    // its points, pen, children or shape. Groups and plotted figures keep
    // their bounds until then; this tells them, and every group above, to
    // compute them again.
    void geometryChanged();
    // The one call after the children change: this element and every one
    // above it count their levels again.
    void treeChanged();

    // Draws the element and those children that reach what dc shows; wholly
    // when the element lies within what dc shows, so its children need no test.
    virtual void drawWithin(CDC& dc, bool wholly);

    // The body after the type id; the plain body is the points and the pen.
    virtual void serializeBody(CArchive& ar);
    void serializePlainBody(CArchive& ar);
    // The body test of figures hit anywhere inside their bounds: fills hit as a body hit.
    bool hitInsideBounds(HitInfo& hit);
    // Hit test of one handle square, 8 by 8 pixels around the point.
    static bool handleHit(Point handle, Point p);
    // Applies the map to every own point, truncating.
    void transformOwnPoints(const Affine& m);
    // The smallest rectangle around the own points, inflated by 5, united with
    // the children's bounds.
    Rect unionWithChildrenBounds(Rect own) const;
    // The own points, to change in place.
    std::span<Point> mutablePoints()
    {
        return pointMode_ <= kInlinePoints ? std::span<Point>{slots_.here, pointMode_}
                                           : std::span<Point>{slots_.away.data, slots_.away.count};
    }
    // Keeps up to `capacity` points in a buffer of the derived object (a
    // group's four frame corners) rather than in a block of their own. Called
    // once, by the constructor, before the element has points.
    void keepPointsIn(Point* buffer, uint32_t capacity);
    // The root's own answer to canvas(): the canvas answers itself.
    virtual CChartElement* rootCanvas() const { return nullptr; }
    // Takes the pen without passing it on.
    void setPenFields(const PenAttributes& pen);

private:
    friend class CCompositeElement;
    // A group checks and marks the elements it adopts in one pass.
    friend class CGroupElement;

    static constexpr uint8_t kNoTypeId = 0xFF;
    // pointMode_: up to kInlinePoints points in slots_.here, counted by the
    // mode itself; or in slots_.away, in a buffer of the derived object or
    // in a block the element owns.
    static constexpr uint8_t kInlinePoints = 2;
    static constexpr uint8_t kPointsLent = 3;
    static constexpr uint8_t kPointsOwned = 4;
    struct AwayPoints {
        Point* data;
        uint32_t count;
        uint32_t capacity;
    };
    union PointSlots {
        Point here[kInlinePoints];
        AwayPoints away;
    };

    // Whether a parent, or one above it, is marked.
    bool insideMarked() const
    {
        for (const CChartElement* up = parent_; up; up = up->parent_)
            if (up->knows(kMarked))
                return true;
        return false;
    }
    // The second half of handOverChildren, for a caller that marked the
    // listed children (kMarked) and made room in newParent for them; the
    // flags in dropFlags are cleared on each as it moves, while it is at hand.
    void moveMarkedChildren(std::span<CChartElement* const> which, CChartElement& newParent, int32_t dropFlags = 0);
    // Room for n points, keeping the first ones; new ones are (0, 0).
    Point* resizePoints(size_t n);
    std::vector<std::unique_ptr<CChartElement>>* ownedChildren();

    CChartElement* parent_ = nullptr;
    PointSlots slots_{};
    uint8_t typeId_;
    uint8_t flags_ = 0;
    mutable uint8_t knowledge_ = 0;
    uint8_t pointMode_ = 0;
    PenId penId_ = PenTable::kDefaultPen;
};

// An element that owns children: groups, every symbol and arrangement, and
// the canvas. Only these carry a child list.
class CCompositeElement : public CChartElement {
protected:
    explicit CCompositeElement(int32_t typeId) : CChartElement(typeId) { learn(kOwnsChildren); }

private:
    friend class CChartElement;
    std::vector<std::unique_ptr<CChartElement>> children_;
    mutable uint16_t levels_ = 1;
};

// A walk over the elements of a large chart waits on memory more than it
// works: a million symbols take a few hundred megabytes. Walks over long
// lists of elements ask for the one kFetchAhead places ahead, so that the
// waits overlap instead of following one another.
constexpr size_t kFetchAhead = 16;

inline void fetchAhead(const CChartElement* e)
{
    const char* at = reinterpret_cast<const char*>(e);
    __builtin_prefetch(at);
    __builtin_prefetch(at + 64);
    __builtin_prefetch(at + 128);
}

// Calls visit with each entry of a list of elements (owning or not) in order,
// fetching ahead.
template <typename List, typename Visit>
void forEachFetching(const List& list, Visit&& visit)
{
    const size_t n = list.size();
    for (size_t i = 0; i < n; ++i) {
        if (i + kFetchAhead < n)
            fetchAhead(&*list[i + kFetchAhead]);
        visit(list[i]);
    }
}

inline CChartElement::Children CChartElement::children() const
{
    if (!knows(kOwnsChildren))
        return {};
    return static_cast<const CCompositeElement*>(this)->children_;
}

inline std::vector<std::unique_ptr<CChartElement>>* CChartElement::ownedChildren()
{
    return knows(kOwnsChildren) ? &static_cast<CCompositeElement*>(this)->children_ : nullptr;
}

} // namespace loopora
