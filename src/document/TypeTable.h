#pragma once
// The one table of element types: for every type id the class it is built
// as, its tool name, its family, which arrangements repeat it, which tool
// places it and which palette button (palette and slot) chooses that tool,
// and the names and stitch counts a chart's key shows. The prototype table,
// the view's tools, the palettes, the command and string tables, the
// catalogue and the palette pictures are all read from it, so a new symbol is
// one row in its family's file under document/types/ plus its build.

#include "document/StitchAnchors.h"
#include "platform/UiLanguage.h"
#include "stitches/ComposedSymbol.h"
#include "stitches/Decreases.h"
#include "stitches/IncreaseFans.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <variant>

namespace loopora {

enum class TypeKind : uint8_t {
    Group,       // a user's group
    Canvas,      // the root of a chart
    Figure,      // line, rectangle, text label: the two points are ends or corners
    Part,        // a stroke symbols are built from, never placed by itself
    Stitch,      // a basic stitch: chain, slip stitch, single up to treble treble
    Fan,         // an increase: legs spreading from one base
    Decrease,    // legs meeting at one top
    Cluster,     // an almond outline of lenses around a stem
    ChainGroup,  // chains end to end
    Special,     // scratches, twists and the other one-off symbols
    Mark,        // where the yarn is joined or fastened off: in the key, but no stitch
    Arrangement, // a row, an arc or a ring of repeated symbols
};

// The arrangements that repeat a type: rows and arcs, and arcs with loops too.
enum class Arrangeable : uint8_t { No, InRowsAndArcs, Everywhere };

// The tool that places a type under its name.
enum class PlacingTool : uint8_t { NoTool, Placement, RowTool, ArcTool, LoopedArcTool };

// The palettes of the main window, numbered in the order they are made.
enum Palette : uint8_t {
    NoPalette,
    MainToolbar,            // files, the clipboard, colour, groups and the editing tools
    BasicPalette,           // basic stitches, post stitches and figures
    FanPalette,             // increases of doubles
    DecreasePalette,        // decreases of doubles and singles
    ChainFanPalette,        // increases with chains
    ChainClusterPalette,    // chain groups, puffs, popcorns
    TrebleFanPalette,       // increases of trebles, shown by key only
    DoubleTrebleFanPalette, // increases of double trebles, shown by key only
    MorePalette,            // the symbols added after the first catalogue
    kPaletteCount
};

// Where a command's button sits: a palette and the slot on it, counted from
// 1 in the order the buttons show. A slot left free between two buttons
// shows as a separator.
struct PaletteSlot {
    Palette palette = NoPalette;
    uint8_t slot = 0;
};

// Types placed after the first catalogue have no command number of their own
// in the row: their button sends kLaterSymbolCommands + the type id. The
// numbers from there to kLaterSymbolCommands + the prototype table's size are
// taken by nothing else.
constexpr uint16_t kLaterSymbolCommands = 34000;
constexpr uint16_t kCommandOfTypeId = 0;

// A type's palette button: the command it sends (the historical number, or
// kCommandOfTypeId) and where it sits; {} for a type without a button.
struct TypeButton {
    uint16_t command = 0;
    Palette palette = NoPalette;
    uint8_t slot = 0;
};

// A prototype of a class that needs nothing but its default constructor.
using MakePrototype = std::unique_ptr<CChartElement> (*)();
// A type built exactly as another one (old chart files hold these ids).
struct SameAs {
    int32_t typeId;
};
// How a type's prototype is made: its class, a fan or decrease recipe of
// double legs, a fan built like another with taller legs, a composed build.
using TypeBuild = std::variant<MakePrototype, FanRecipe, FanLike, DecreaseRecipe, ComposedBuild, SameAs>;

// A name as a pattern book writes it, with its abbreviation (empty for
// what is not a stitch: figures, groups, arrangements).
struct HumanName {
    std::string_view name;
    std::string_view abbreviation;
};

// What a symbol does to a round: how many stitches of the round below it is
// worked into and how many new stitches it makes.
struct StitchCounts {
    int32_t workedInto = 0;
    int32_t makes = 0;
};

struct ElementType {
    int32_t id;
    std::string_view name; // the tool's name ("double", "line"); empty when no tool places the type
    TypeKind kind;
    PlacingTool tool;
    TypeButton button; // the palette button that chooses the tool
    Arrangeable arrangeable;
    TypeBuild build;
    HumanName russian{};
    HumanName english{};
    StitchCounts counts{};
    // The string-table text of its command, when it has one of its own: the
    // status prompt, then after "\n" the tool tip.
    const char* commandText = nullptr;
    // Where it is worked from, when its build does not say (StitchAnchors.h).
    StitchAnchors anchors{};

    // The command choosing the type's tool; 0 for a type without a button.
    constexpr uint16_t command() const
    {
        if (button.command != kCommandOfTypeId)
            return button.command;
        return button.palette == NoPalette ? 0 : uint16_t(kLaterSymbolCommands + id);
    }
    constexpr PaletteSlot paletteSlot() const { return {button.palette, button.slot}; }
};

// A symbol of a chart's key: counted by its type. Groups and arrangements
// count what they hold; figures and parts are not symbols. Marks are in the
// key, but not among the stitches.
constexpr bool isCountedSymbol(TypeKind kind)
{
    switch (kind) {
    case TypeKind::Stitch:
    case TypeKind::Fan:
    case TypeKind::Decrease:
    case TypeKind::Cluster:
    case TypeKind::ChainGroup:
    case TypeKind::Special:
    case TypeKind::Mark: return true;
    default: return false;
    }
}
// An element whose children are counted in its stead.
constexpr bool holdsCountedSymbols(TypeKind kind)
{
    return kind == TypeKind::Group || kind == TypeKind::Canvas || kind == TypeKind::Arrangement;
}

// The type's name in a language.
inline const HumanName& humanName(const ElementType& type, Language language)
{
    return language == Language::English ? type.english : type.russian;
}

// Every type, in id order.
std::span<const ElementType> elementTypes();
// The row of a type id, or null.
const ElementType* elementType(int32_t typeId);
// The row placed by the tool of that name, or null.
const ElementType* elementTypeNamed(std::string_view name);
// The row whose tool a command chooses, or null.
const ElementType* elementTypeOfCommand(uint16_t command);

// The tool name of a type, or an empty view. Names never appear in files.
std::string_view typeName(int32_t typeId);
// The type id of a tool name, or -1.
int32_t typeIdOfName(std::string_view name);

// Which arrangements repeat elements of a type; No for unknown ids.
Arrangeable arrangeableOf(int32_t typeId);
bool canArrangeInRow(int32_t typeId);
bool canArrangeInArc(int32_t typeId);
bool canArrangeInLoopedArc(int32_t typeId);

// A new prototype of the row's class, built as the row says; null for a row
// whose build refers to a row that is not there.
std::unique_ptr<CChartElement> makePrototype(const ElementType& type);

// The symbols of the palettes, as the catalogue shows them: every type a
// placement tool puts on the chart, but the plain figures.
bool isCatalogueSymbol(const ElementType& type);

} // namespace loopora
