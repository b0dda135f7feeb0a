#pragma once
// The named tools of one chart view, the name of the current one, and the pen
// that placed elements receive.

#include "elements/ChartElement.h"
#include "view/tools/Tool.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace loopora {

class CCanvas;
class CPattraView;

class CToolRegistry {
public:
    explicit CToolRegistry(CCanvas& canvas) : canvas_(canvas) {}

    CCanvas& canvas() const { return canvas_; }
    CPattraView* view() const { return view_; }
    void setView(CPattraView* view) { view_ = view; }

    // Stores a tool under a name, replacing (and destroying) one already there.
    bool registerTool(std::string name, std::unique_ptr<CTool> tool);
    CTool* findTool(std::string_view name) const;
    CTool* currentTool() const { return findTool(currentName_); }
    std::string currentToolName() const { return currentName_; }
    // Makes the named tool current; false, with nothing changed, for a name
    // under which no tool is registered.
    bool selectTool(std::string_view name);

    // The pen of every later placement, whichever tool places it.
    const PenAttributes& attributes() const { return attributes_; }
    void setDrawingColour(Colour c) { attributes_.penColour = c; }

    // Registers the placement tools of every named element type, the
    // arrangement tools and the editing tools, in the order views have always
    // registered them.
    void registerStandardTools();

private:
    std::map<std::string, std::unique_ptr<CTool>, std::less<>> tools_;
    std::string currentName_;
    CCanvas& canvas_;
    CPattraView* view_ = nullptr;
    PenAttributes attributes_{2, colours::black, 0};
};

} // namespace loopora
