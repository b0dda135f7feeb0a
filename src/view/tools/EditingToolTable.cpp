#include "view/tools/EditingToolTable.h"

#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/tools/EditingTools.h"
#include "view/tools/SelectTool.h"

namespace loopora {
namespace {

template <typename T>
std::unique_ptr<CTool> make(CToolRegistry& registry)
{
    return std::make_unique<T>(registry);
}

using enum ButtonPicture;

// Sizing and mirroring act at once through their commands; their tools do
// nothing with the pointer, but scripts choose them by these names and the
// mirror items show their radio state.
constexpr EditingToolRow kEditingTools[] = {
    {"select", cmd::kSelect, {MainToolbar, 8}, N_("Режим выбора элементов\nВыбор"), SelectArrow, make<CSelectTool>},
    {"move", 0, {}, nullptr, NoPicture, make<CMoveTool>},
    {"change", 0, {}, nullptr, NoPicture, make<CChangeTool>},
    {"rotatebyarc", cmd::kRotate, {MainToolbar, 11}, N_("Вращение элементов\nВращение"), RotateArrow,
     make<CRotateByArcTool>},
    {"scale", 0, {}, nullptr, NoPicture, make<CTool>},
    {"hrotate", cmd::kMirrorRight, {}, "qqq1\nqqq1", NoPicture, make<CTool>},
    {"vrotate", cmd::kMirrorDown, {}, "qqq2\nqqq2", NoPicture, make<CTool>},
};

} // namespace

std::span<const EditingToolRow> editingTools() { return kEditingTools; }

const EditingToolRow* editingTool(std::string_view name)
{
    for (const EditingToolRow& row : kEditingTools)
        if (row.name == name)
            return &row;
    return nullptr;
}

} // namespace loopora
