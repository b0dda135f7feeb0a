#pragma once
// The named tools of one chart view, the name of the current one, and the pen
// that placed elements receive.

#include "elements/ChartElement.h"
#include "view/tools/Tool.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace loopora {

class CArcTool;
class CCanvas;
class CChainRingTool;
class CChangeTool;
class CLoopArcTool;
class CMoveTool;
class CPattraView;
class CRowTool;
struct ElementType;

class CToolRegistry {
public:
    explicit CToolRegistry(CCanvas& canvas) : canvas_(canvas) {}

    CCanvas& canvas() const { return canvas_; }
    CPattraView* view() const { return view_; }
    void setView(CPattraView* view) { view_ = view; }

    // Stores a tool under a name; refused (false, the tool dropped) for a
    // null tool and for a name that already has one.
    bool registerTool(std::string name, std::unique_ptr<CTool> tool);
    CTool* findTool(std::string_view name) const;
    size_t toolCount() const { return tools_.size(); }
    CTool* currentTool() const { return findTool(currentName_); }
    std::string currentToolName() const { return currentName_; }
    // Makes the named tool current; false, with nothing changed, for a name
    // under which no tool is registered.
    bool selectTool(std::string_view name);

    // The pen of every later placement, whichever tool places it.
    const PenAttributes& attributes() const { return attributes_; }
    void setDrawingColour(Colour c) { attributes_.penColour = c; }

    // Registers the tools of every type of the type table that names one,
    // then the editing tools.
    void registerStandardTools();
    // Registers the tool each of the types names, with a prototype of the
    // type; a type without a prototype, or whose prototype is not of the
    // class its tool places, gets no tool.
    void registerTypeTools(std::span<const ElementType> types);

    // The tools other code drives directly, as their own classes; null
    // before they are registered. The arrangement commands set up the
    // arrangement tools and the ring's, the select tool hands its drags on
    // to the move and change tools.
    CRowTool* rowTool() const { return rowTool_; }
    CArcTool* arcTool() const { return arcTool_; }
    CLoopArcTool* loopArcTool() const { return loopArcTool_; }
    CChainRingTool* chainRingTool() const { return chainRingTool_; }
    CMoveTool* moveTool() const { return moveTool_; }
    CChangeTool* changeTool() const { return changeTool_; }

private:
    // Registers a Tool placing a prototype of the type, which must be a Prototype.
    template <typename Tool, typename Prototype>
    Tool* registerToolOf(const ElementType& type);
    // Registers a tool under a name; the tool as its own class, or null when refused.
    template <typename Tool>
    Tool* registerTyped(std::string name, std::unique_ptr<Tool> tool);

    std::map<std::string, std::unique_ptr<CTool>, std::less<>> tools_;
    std::string currentName_;
    CCanvas& canvas_;
    CPattraView* view_ = nullptr;
    PenAttributes attributes_{2, colours::black, 0};
    CRowTool* rowTool_ = nullptr;
    CArcTool* arcTool_ = nullptr;
    CLoopArcTool* loopArcTool_ = nullptr;
    CChainRingTool* chainRingTool_ = nullptr;
    CMoveTool* moveTool_ = nullptr;
    CChangeTool* changeTool_ = nullptr;
};

} // namespace loopora
