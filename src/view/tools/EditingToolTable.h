#pragma once
// The tools that place nothing: selecting, moving, changing one point,
// rotating, and the tools of sizing and mirroring, each declared once with
// the command and palette button that choose it, its texts, its picture and
// how it is made. The tool registry, the palettes and the string table read
// it; a new editing tool is one row.

#include "view/CommandTable.h"

#include <memory>
#include <span>
#include <string_view>

namespace loopora {

class CTool;
class CToolRegistry;

struct EditingToolRow {
    std::string_view name;
    uint16_t command;        // the button or menu item choosing it; 0 when other tools and scripts choose it
    PaletteSlot button;      // {} for a tool without a palette button
    const char* commandText; // the status prompt, then after "\n" the tool tip; null for none
    ButtonPicture picture;
    std::unique_ptr<CTool> (*make)(CToolRegistry& registry);
};

std::span<const EditingToolRow> editingTools();
// The row of a tool name, or null.
const EditingToolRow* editingTool(std::string_view name);

} // namespace loopora
