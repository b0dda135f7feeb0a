#pragma once
// Everything that stands on a chart is a CChartElement: stitch symbols, lines,
// labels, arrangements, user groups and the canvas itself. An element is a
// composite: handle points, owned children, a parent link, state flags and a
// pen, with the editor's geometry (move, move one handle, rotate, scale,
// mirror), bounds, hit testing, drawing and storage implemented once here.

#include "elements/PointMath.h"
#include "platform/Colour.h"
#include "platform/Geometry.h"

#include <cstdint>
#include <memory>
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

struct PenAttributes {
    int32_t penWidth = 1;
    Colour penColour = colours::black;
    int32_t penStyle = 0;

    friend bool operator==(const PenAttributes&, const PenAttributes&) = default;
};

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

    int32_t typeId() const { return typeId_; }
    const std::vector<Point>& points() const { return points_; }
    void setPoints(std::vector<Point> points)
    {
        points_ = std::move(points);
        geometryChanged();
    }

    int32_t flags() const { return flags_; }
    bool hasFlag(int32_t mask) const { return (flags_ & mask) != 0; }
    void setFlags(int32_t mask) { flags_ |= mask; }
    void clearFlags(int32_t mask) { flags_ &= ~mask; }
    bool isVisible() const { return !hasFlag(kHidden); }
    bool isDeleted() const { return hasFlag(kDeletedFlags); }

    PenAttributes pen() const { return {penWidth_, penColour_, penStyle_}; }
    int32_t penWidth() const { return penWidth_; }
    Colour penColour() const { return penColour_; }
    int32_t penStyle() const { return penStyle_; }

    // The canvas the element belongs to (the canvas is its own); null for
    // elements of no chart (prototypes, clipboard copies, pictures), which
    // draw all the same.
    CChartElement* canvas() const { return canvas_; }
    void setCanvas(CChartElement* canvas) { canvas_ = canvas; }

    // --- Tree ---

    CChartElement* parent() const { return parent_; }
    const std::vector<std::unique_ptr<CChartElement>>& children() const { return children_; }
    size_t childCount() const { return children_.size(); }
    CChartElement* child(size_t i) const { return children_[i].get(); }
    // Appends an element this one now owns; returns it.
    CChartElement* appendChild(std::unique_ptr<CChartElement> e);
    // Takes this element out of its parent's children (order of the rest kept)
    // and hands over its ownership; null when it has no parent.
    std::unique_ptr<CChartElement> detach();
    // Makes an element that has a parent the last child of newParent.
    void reparentTo(CChartElement& newParent);
    // Moves those of the listed elements that are children of this one, in
    // list order, to the end of newParent's children; the rest keep their
    // order. One pass over the children, however many move.
    void handOverChildren(const std::vector<CChartElement*>& which, CChartElement& newParent);
    // The children a file holds: those neither hidden nor removed.
    int32_t storedChildCount() const;
    // Empties the child list, handing the children over in order.
    std::vector<std::unique_ptr<CChartElement>> takeChildren();

    // One step of uniting bounds: a null result takes the next rectangle, an
    // empty but not null one stays as it is, anything else grows by it.
    static Rect accumulateBounds(const Rect& soFar, const Rect& next);

    // A deep copy of source: same class, pen, points and canvas; no parent, no flags.
    static std::unique_ptr<CChartElement> cloneElement(const CChartElement& source);

protected:
    // The one call after anything that decides the element's bounds changed:
    // its points, pen, children or shape. Groups keep their bounds until
    // then; this tells them, and every group above, to compute them again.
    void geometryChanged();
    // A group's bounds, kept while nothing below it changes.
    bool boundsCached() const { return boundsCached_; }
    const Rect& cachedBounds() const { return cachedBounds_; }
    void cacheBounds(const Rect& r) const
    {
        cachedBounds_ = r;
        boundsCached_ = true;
    }
    bool drawnBoundsCached() const { return drawnBoundsCached_; }
    const Rect& cachedDrawnBounds() const { return cachedDrawnBounds_; }
    void cacheDrawnBounds(const Rect& r) const
    {
        cachedDrawnBounds_ = r;
        drawnBoundsCached_ = true;
    }

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

    std::vector<Point> points_;

private:
    int32_t typeId_;
    std::vector<std::unique_ptr<CChartElement>> children_;
    int32_t flags_ = 0;
    CChartElement* parent_ = nullptr;
    CChartElement* canvas_ = nullptr;
    int32_t penWidth_ = 1;
    Colour penColour_ = colours::black;
    int32_t penStyle_ = 0;
    mutable bool boundsCached_ = false;
    mutable bool drawnBoundsCached_ = false;
    mutable Rect cachedBounds_{};
    mutable Rect cachedDrawnBounds_{};

    void setPenFields(const PenAttributes& pen);
};

} // namespace loopora
