#include "view/ToolRegistry.h"

#include "document/Canvas.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "view/tools/ArrangementTools.h"
#include "view/tools/EditingToolTable.h"
#include "view/tools/PlacementTool.h"
#include "view/tools/SelectTool.h"

namespace loopora {
namespace {

// A prototype of the type for a tool of this view's chart, when it is of class T.
template <typename T>
std::unique_ptr<T> prototypeAs(int32_t typeId, CCanvas& canvas)
{
    std::unique_ptr<CChartElement> made = createElement(typeId);
    auto* typed = dynamic_cast<T*>(made.get());
    if (!typed)
        return nullptr;
    made.release();
    std::unique_ptr<T> prototype(typed);
    prototype->setCanvas(&canvas);
    return prototype;
}

} // namespace

bool CToolRegistry::registerTool(std::string name, std::unique_ptr<CTool> tool)
{
    if (!tool || tools_.count(name))
        return false;
    tools_.emplace(std::move(name), std::move(tool));
    return true;
}

CTool* CToolRegistry::findTool(std::string_view name) const
{
    auto it = tools_.find(name);
    return it == tools_.end() ? nullptr : it->second.get();
}

bool CToolRegistry::selectTool(std::string_view name)
{
    if (name == currentName_)
        return true;
    CTool* next = findTool(name);
    if (!next)
        return false;
    if (CTool* current = currentTool())
        current->deactivate();
    currentName_ = std::string(name);
    next->activate();
    return true;
}

template <typename Tool>
Tool* CToolRegistry::registerTyped(std::string name, std::unique_ptr<Tool> tool)
{
    Tool* registered = tool.get();
    return registerTool(std::move(name), std::move(tool)) ? registered : nullptr;
}

template <typename Tool, typename Prototype>
Tool* CToolRegistry::registerToolOf(const ElementType& type)
{
    auto prototype = prototypeAs<Prototype>(type.id, canvas_);
    if (!prototype)
        return nullptr;
    return registerTyped(std::string(type.name), std::make_unique<Tool>(std::move(prototype), *this));
}

void CToolRegistry::registerTypeTools(std::span<const ElementType> types)
{
    for (const ElementType& type : types) {
        switch (type.tool) {
        case PlacingTool::NoTool: break;
        case PlacingTool::Placement:
            // The ring's tool keeps its ring typed for the ring command.
            if (type.id == typeids::kChainRing)
                chainRingTool_ = registerToolOf<CChainRingTool, CChainRing>(type);
            else
                registerToolOf<CPlacementTool, CChartElement>(type);
            break;
        case PlacingTool::RowTool: rowTool_ = registerToolOf<CRowTool, CRowArrangement>(type); break;
        case PlacingTool::ArcTool: arcTool_ = registerToolOf<CArcTool, CArcArrangement>(type); break;
        case PlacingTool::LoopedArcTool: loopArcTool_ = registerToolOf<CLoopArcTool, CLoopedArcArrangement>(type); break;
        }
    }
}

void CToolRegistry::registerStandardTools()
{
    registerTypeTools(elementTypes());
    for (const EditingToolRow& row : editingTools())
        registerTool(std::string(row.name), row.make(*this));
    moveTool_ = dynamic_cast<CMoveTool*>(findTool("move"));
    changeTool_ = dynamic_cast<CChangeTool*>(findTool("change"));
}

} // namespace loopora
