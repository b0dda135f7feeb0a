#include "view/CommandTable.h"

#include "elements/TypeIds.h"
#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/tools/EditingToolTable.h"
#include "view/Viewport.h"

#include <algorithm>

namespace loopora {
namespace {

using enum ButtonPicture;

// The commands that choose no type's tool, each with its palette button, its
// string-table text (status prompt, then after "\n" the tool tip) and its
// button's picture. A hidden command may choose an editing tool besides that
// tool's own command.
struct CommandRow {
    uint16_t id;
    PaletteSlot button;
    const char* text = nullptr;
    ButtonPicture picture = NoPicture;
    std::string_view tool{};
};

constexpr CommandRow kCommands[] = {
    {cmd::kNew, {MainToolbar, 1}, N_("Создать новую схему\nСоздать"), NewChart},
    {cmd::kChartFromPattern, {}, N_("Создать схему по письменному описанию или по форме\nСоздать по описанию")},
    {cmd::kSaveAs, {}, N_("Сохранить схему под другим именем\nСохранить как")},
    {cmd::kSaveBitmap, {MainToolbar, 2}, N_("Сохранить в формате BMP\nСохранить BMP"), SaveBitmap},
    {cmd::kExportPdf, {}, N_("Сохранить схему в векторном PDF для печати и публикации\nЭкспорт в PDF")},
    {cmd::kExportSvg, {}, N_("Сохранить схему в векторном SVG для редакторов векторной графики\nЭкспорт в SVG")},
    {cmd::kExportPng, {}, N_("Сохранить схему в PNG высокого разрешения\nЭкспорт в PNG")},
    {cmd::kPrint, {}, N_("Напечатать схему\nПечать")},
    {cmd::kPrintPreview, {}, N_("Показать схему такой, какой она будет напечатана\nПредварительный просмотр")},
    {cmd::kCopy, {MainToolbar, 3}, N_("Копировать выбранный элемент\nКопировать"), Copy},
    {cmd::kPaste, {MainToolbar, 4}, N_("Вставить из буфера обмена\nВставить"), Paste},
    {cmd::kAbout, {MainToolbar, 6}, N_("Информация о программе\nО программе"), About},
    {cmd::kDrawingColour, {MainToolbar, 7}, N_("Выбор цвета для рисования\nЦвет"), Colours},
    {cmd::kGroup, {MainToolbar, 9}, N_("Объединить элементы в группу\nСгруппировать"), Group},
    {cmd::kUngroup, {MainToolbar, 10}, N_("Разбить группу на элементы\nРазгруппировать"), Ungroup},
    {cmd::kSize, {}, "ttt3"},
    {cmd::kRotateHidden, {}, "mmm1\nmmm1", NoPicture, "rotatebyarc"},
};

const CommandRow* commandRow(uint16_t id)
{
    for (const CommandRow& row : kCommands)
        if (row.id == id)
            return &row;
    return nullptr;
}

const EditingToolRow* editingToolOfCommand(uint16_t id)
{
    if (id == 0)
        return nullptr;
    for (const EditingToolRow& row : editingTools())
        if (row.command == id)
            return &row;
    return nullptr;
}

// How each palette looks and where it docks; its buttons are those declared on it.
struct PaletteLook {
    Palette number;
    int resource;
    int buttonWidth;
    int buttonHeight;
    DockSide side;
    bool visibleAtStart;
    uint16_t toggleCommand;
    const char* menuText;
};

constexpr PaletteLook kPaletteLooks[] = {
    {MainToolbar, 128, 18, 17, DockSide::Top, true, cmd::kToolbar, N_("Панель инструментов (&T)")},
    {BasicPalette, 132, 15, 17, DockSide::Left, true, cmd::kTogglePalette2, N_("Простые символы")},
    {FanPalette, 140, 27, 23, DockSide::Top, true, cmd::kTogglePalette3, N_("Группы символов")},
    {DecreasePalette, 147, 28, 24, DockSide::Top, false, cmd::kTogglePalette4, N_("Группы с петлями 2")},
    {ChainFanPalette, 149, 28, 24, DockSide::Top, true, cmd::kTogglePalette5, N_("Группы с петлями")},
    {ChainClusterPalette, 152, 28, 27, DockSide::Top, false, cmd::kTogglePalette6, N_("Группы с петлями 3")},
    {TrebleFanPalette, 153, 27, 23, DockSide::Top, false, cmd::kTogglePalette7, ""},
    {DoubleTrebleFanPalette, 154, 27, 23, DockSide::Top, false, cmd::kTogglePalette8, ""},
    {MorePalette, 159, 27, 23, DockSide::Top, true, cmd::kTogglePalette9, N_("Дополнительные символы")},
};

// The buttons declared on a palette in slot order, a separator (0) wherever
// a slot is left free between two of them.
std::vector<uint16_t> buttonsOn(Palette palette)
{
    std::vector<std::pair<uint8_t, uint16_t>> slots;
    auto take = [&](PaletteSlot at, uint16_t id) {
        if (at.palette == palette && id != 0)
            slots.emplace_back(at.slot, id);
    };
    for (const CommandRow& row : kCommands)
        take(row.button, row.id);
    for (const EditingToolRow& row : editingTools())
        take(row.button, row.command);
    for (const ElementType& type : elementTypes())
        take(type.paletteSlot(), type.command());
    std::sort(slots.begin(), slots.end());
    std::vector<uint16_t> buttons;
    for (size_t i = 0; i < slots.size(); ++i) {
        if (i > 0 && slots[i].first > slots[i - 1].first + 1)
            buttons.push_back(0);
        buttons.push_back(slots[i].second);
    }
    return buttons;
}

constexpr MenuItem kElementMenu[] = {
    {cmd::kSize, N_("Размер")},
    {cmd::kElementColour, N_("Цвет")},
    {cmd::kUngroup, N_("Разгруппировать")},
    {cmd::kMirrorRight, N_("Перевернуть вправо")},
    {cmd::kMirrorDown, N_("Перевернуть вниз")},
    {cmd::kCreateRow, N_("Создать ряд")},
    {cmd::kCreateArc, N_("Создать дугу")},
    {cmd::kCreateArcWithLoops, N_("Создать дугу с петлями")},
};
constexpr MenuItem kChartMenu[] = {{cmd::kChartParameters, N_("Параметры схемы")}};
constexpr MenuItem kTextMenu[] = {{cmd::kText, N_("Текст")}, {cmd::kElementColour, N_("Цвет")}};

struct ZoomCommand {
    uint16_t id;
    int32_t percent;
};

constexpr ZoomCommand kZoomCommands[] = {{cmd::kZoom25, 25},   {cmd::kZoom50, 50},   {cmd::kZoom75, 75},
                                         {cmd::kZoom100, 100}, {cmd::kZoom150, 150}, {cmd::kZoom200, 200},
                                         {cmd::kZoom300, 300}, {cmd::kZoom400, 400}, {cmd::kZoom600, 600},
                                         {cmd::kZoom800, 800}};

// Each level a window steps through has its menu item.
constexpr bool everyLevelHasACommand()
{
    if (std::size(kZoomCommands) != kZoomLevels.size())
        return false;
    for (size_t i = 0; i < kZoomLevels.size(); ++i)
        if (kZoomCommands[i].percent != kZoomLevels[i])
            return false;
    return true;
}
static_assert(everyLevelHasACommand());

} // namespace

int32_t zoomOfCommand(uint16_t id)
{
    for (const ZoomCommand& c : kZoomCommands)
        if (c.id == id)
            return c.percent;
    return 0;
}

uint16_t commandOfZoom(int32_t percent)
{
    for (const ZoomCommand& c : kZoomCommands)
        if (c.percent == percent)
            return c.id;
    return 0;
}

std::string_view toolOfCommand(uint16_t id)
{
    if (const EditingToolRow* tool = editingToolOfCommand(id))
        return tool->name;
    if (const CommandRow* row = commandRow(id))
        return row->tool;
    const ElementType* type = elementTypeOfCommand(id);
    return type ? type->name : std::string_view{};
}

uint16_t commandOfTool(std::string_view tool)
{
    if (const EditingToolRow* row = editingTool(tool))
        return row->command;
    const ElementType* type = elementTypeNamed(tool);
    return type ? type->command() : 0;
}

const std::vector<PaletteInfo>& palettes()
{
    static const std::vector<PaletteInfo> kPalettes = [] {
        std::vector<PaletteInfo> made;
        for (const PaletteLook& look : kPaletteLooks)
            made.push_back({look.number, look.resource, look.buttonWidth, look.buttonHeight, look.side,
                            look.visibleAtStart, look.toggleCommand, look.menuText, buttonsOn(look.number)});
        return made;
    }();
    return kPalettes;
}

const PaletteInfo* paletteOfToggle(uint16_t toggleCommand)
{
    for (const PaletteInfo& info : palettes())
        if (info.toggleCommand == toggleCommand)
            return &info;
    return nullptr;
}

PaletteSlot buttonOf(uint16_t id)
{
    if (const CommandRow* row = commandRow(id))
        return row->button;
    if (const EditingToolRow* row = editingToolOfCommand(id))
        return row->button;
    const ElementType* type = elementTypeOfCommand(id);
    return type ? type->paletteSlot() : PaletteSlot{};
}

ButtonPicture buttonPicture(uint16_t id)
{
    if (const CommandRow* row = commandRow(id))
        return row->picture;
    if (const EditingToolRow* row = editingToolOfCommand(id))
        return row->picture;
    const ElementType* type = elementTypeOfCommand(id);
    if (!type)
        return NoPicture;
    return type->id == typeids::kText ? TextLabel : Symbol;
}

std::vector<MenuItem> contextMenu(int menuId)
{
    std::span<const MenuItem> items;
    switch (menuId) {
    case cmd::kElementMenu: items = kElementMenu; break;
    case cmd::kChartMenu: items = kChartMenu; break;
    case cmd::kTextMenu: items = kTextMenu; break;
    default: break;
    }
    std::vector<MenuItem> shown;
    for (const MenuItem& item : items)
        shown.push_back({item.id, _(item.text)});
    return shown;
}

std::string_view commandText(uint16_t id)
{
    const char* text = nullptr;
    if (const CommandRow* row = commandRow(id))
        text = row->text;
    else if (const EditingToolRow* tool = editingToolOfCommand(id))
        text = tool->commandText;
    else if (const ElementType* type = elementTypeOfCommand(id))
        text = type->commandText;
    return text ? std::string_view(_(text)) : std::string_view{};
}

std::string_view statusPrompt(uint16_t id)
{
    std::string_view text = commandText(id);
    return text.substr(0, text.find('\n'));
}

std::string buttonToolTip(uint16_t id, Language language)
{
    std::string tip(toolTip(id));
    if (tip.empty())
        tip = toolOfCommand(id);
    const ElementType* type = elementTypeOfCommand(id);
    if (!type)
        return tip;
    const HumanName& name = humanName(*type, language);
    std::string named(name.name);
    if (!name.abbreviation.empty() && name.abbreviation != name.name)
        named.append(" — ").append(name.abbreviation);
    return named == tip ? tip : tip + "\n" + named;
}

std::string_view toolTip(uint16_t id)
{
    std::string_view text = commandText(id);
    size_t cut = text.find('\n');
    return cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
}

} // namespace loopora
