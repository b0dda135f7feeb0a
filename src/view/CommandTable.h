#pragma once
// The command table of the chart view: the commands that choose no tool,
// each declared once with its palette button, texts and picture; the
// palettes, whose buttons come from those, the editing tools' table and the
// type table; the context menus; and the status prompts and tool tips of
// the string table. Texts come out in the interface language.

#include "document/TypeTable.h"
#include "platform/UiLanguage.h"

#include <cstdint>
#include <string>
#include <span>
#include <string_view>
#include <vector>

namespace loopora {

enum class DockSide { Top, Left };

// What a button that places no symbol shows; symbol buttons show their symbol.
enum class ButtonPicture : uint8_t {
    NoPicture,
    Symbol, // the symbol the button's type builds
    NewChart,
    SaveBitmap,
    Copy,
    Paste,
    About,
    Colours,
    SelectArrow,
    Group,
    Ungroup,
    RotateArrow,
    TextLabel, // a framed letter: a label's placeholder text would not fit a button
};

struct PaletteInfo {
    int number;       // 1 and up (a Palette), in creation order
    int resource;     // the toolbar resource it is known by
    int buttonWidth;  // pixels
    int buttonHeight;
    DockSide side;
    bool visibleAtStart;
    uint16_t toggleCommand;     // the View menu item or hidden command that shows and hides it
    const char* menuText;       // its View menu item's Russian text; empty when no menu item offers it
    std::vector<uint16_t> buttons; // command ids in slot order; 0 is a separator
};

struct MenuItem {
    uint16_t id; // 0 for a separator
    const char* text;
};

// The zoom level in percent a command chooses, or 0.
int32_t zoomOfCommand(uint16_t id);
// The command that chooses a zoom level, or 0.
uint16_t commandOfZoom(int32_t percent);

// The tool a command chooses, or empty.
std::string_view toolOfCommand(uint16_t id);
// The first command that chooses a tool, or 0 (palette buttons show its radio state).
uint16_t commandOfTool(std::string_view tool);

const std::vector<PaletteInfo>& palettes();
// The palette a command shows and hides, or null.
const PaletteInfo* paletteOfToggle(uint16_t toggleCommand);
// Where a command's button sits; {} for a command without one.
PaletteSlot buttonOf(uint16_t id);
// What a command's button shows.
ButtonPicture buttonPicture(uint16_t id);

// Context menu 156 (an element is current), 157 (none is) or 158 (a text label is).
std::vector<MenuItem> contextMenu(int menuId);

// The string-table text of a command: the status prompt, then after "\n" the
// tool tip; empty for commands without one.
std::string_view commandText(uint16_t id);
std::string_view statusPrompt(uint16_t id);
std::string_view toolTip(uint16_t id);

// What a palette button's tool tip shows: its string-table tip (or, without
// one, its tool's name), and on a second line what the button places, named
// in the language, with its abbreviation for a stitch symbol.
std::string buttonToolTip(uint16_t id, Language language);

} // namespace loopora
