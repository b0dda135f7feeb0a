#include "view/CommandTable.h"

#include "document/TypeTable.h"
#include "platform/Texts.h"
#include "view/CommandIds.h"
#include "view/Viewport.h"

#include <array>

namespace loopora {
namespace {

struct ToolCommand {
    uint16_t id;
    std::string_view tool;
};

// The commands of the tools that place nothing; the type table says which
// command chooses the tool of each type.
constexpr ToolCommand kToolCommands[] = {
    {cmd::kSelect, "select"},
    {cmd::kRotate, "rotatebyarc"},
    {cmd::kRotateHidden, "rotatebyarc"},
    // The mirror commands show the radio state of their tools, which are never current.
    {cmd::kMirrorRight, "hrotate"},
    {cmd::kMirrorDown, "vrotate"},
};

struct CommandString {
    uint16_t id;
    const char* text;
};

constexpr CommandString kStrings[] = {
    {cmd::kNew, N_("Создать новую схему\nСоздать")},
    {cmd::kSaveAs, N_("Сохранить схему под другим именем\nСохранить как")},
    {cmd::kSaveBitmap, N_("Сохранить в формате BMP\nСохранить BMP")},
    {cmd::kExportPdf, N_("Сохранить схему в векторном PDF для печати и публикации\nЭкспорт в PDF")},
    {cmd::kExportSvg, N_("Сохранить схему в векторном SVG для редакторов векторной графики\nЭкспорт в SVG")},
    {cmd::kExportPng, N_("Сохранить схему в PNG высокого разрешения\nЭкспорт в PNG")},
    {cmd::kPrint, N_("Напечатать схему\nПечать")},
    {cmd::kPrintPreview, N_("Показать схему такой, какой она будет напечатана\nПредварительный просмотр")},
    {cmd::kCopy, N_("Копировать выбранный элемент\nКопировать")},
    {cmd::kPaste, N_("Вставить из буфера обмена\nВставить")},
    {cmd::kAbout, N_("Информация о программе\nО программе")},
    {cmd::kDrawingColour, N_("Выбор цвета для рисования\nЦвет")},
    {cmd::kSelect, N_("Режим выбора элементов\nВыбор")},
    {cmd::kGroup, N_("Объединить элементы в группу\nСгруппировать")},
    {cmd::kUngroup, N_("Разбить группу на элементы\nРазгруппировать")},
    {cmd::kRotate, N_("Вращение элементов\nВращение")},
    {32771, "test"},
    {32781, "test6"},
    {cmd::kSize, "ttt3"},
    {32792, "ttt4"},
    {32802, "ccc2"},
    {32804, "ccc3"},
    {32805, "ccc4\nccc4"},
    {cmd::kRotateHidden, "mmm1\nmmm1"},
    {cmd::kMirrorRight, "qqq1\nqqq1"},
    {cmd::kMirrorDown, "qqq2\nqqq2"},
    {33046, N_("Текстовая метка")},
};

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

std::vector<uint16_t> idsFrom(uint16_t first, uint16_t last)
{
    std::vector<uint16_t> out;
    for (uint16_t id = first; id <= last; ++id)
        out.push_back(id);
    return out;
}

} // namespace

namespace {

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
    for (const ToolCommand& c : kToolCommands)
        if (c.id == id)
            return c.tool;
    const ElementType* type = elementTypeOfCommand(id);
    return type ? type->name : std::string_view{};
}

uint16_t commandOfTool(std::string_view tool)
{
    for (const ToolCommand& c : kToolCommands)
        if (c.tool == tool)
            return c.id;
    const ElementType* type = elementTypeNamed(tool);
    return type ? type->command : 0;
}

const std::vector<PaletteInfo>& palettes()
{
    static const std::vector<PaletteInfo> kPalettes = {
        {1, 128, 18, 17, DockSide::Top, true, cmd::kToolbar, N_("Панель инструментов (&T)"),
         {cmd::kNew, cmd::kSaveBitmap, cmd::kCopy, cmd::kPaste, 0, cmd::kAbout, cmd::kDrawingColour, cmd::kSelect,
          cmd::kGroup, cmd::kUngroup, cmd::kRotate}},
        {2, 132, 15, 17, DockSide::Left, true, cmd::kTogglePalette2, N_("Простые символы"),
         {32856, 32771, 32802, 32781, 32792, 32804, 32805, 32806, 32870, 32871, 32808, 32866,
          32867, 32861, 32862, 32854, 32855, 32887, 32888, 32869, 32873, 32941, 33046}},
        {3, 140, 27, 23, DockSide::Top, true, cmd::kTogglePalette3, N_("Группы символов"),
         {32824, 32837, 32874, 32881, 32827, 32839, 32914, 32960, 32879, 32882, 32828, 32840,
          32958, 32959, 32880, 32884, 32886, 32841, 32830, 32842, 32961, 32911, 32918, 32971}},
        {4, 147, 28, 24, DockSide::Top, false, cmd::kTogglePalette4, N_("Группы с петлями 2"),
         {32819, 32820, 32963, 32823, 32965, 32822, 32964, 32968, 32969, 32966, 32967}},
        {5, 149, 28, 24, DockSide::Top, true, cmd::kTogglePalette5, N_("Группы с петлями"),
         {32832, 32833, 32834, 33026, 33027, 32912, 32925, 32922, 32924, 32836, 33028, 32923, 32902, 33024, 32891,
          32843}},
        {6, 152, 28, 27, DockSide::Top, false, cmd::kTogglePalette6, N_("Группы с петлями 3"),
         {32777, 32790, 32845, cmd::kChainRing, 32810, 32813, 32846, 32847, 32849, 32850, 32851, 32852, 32853}},
        {7, 153, 27, 23, DockSide::Top, false, cmd::kTogglePalette7, "", idsFrom(32972, 32995)},
        {8, 154, 27, 23, DockSide::Top, false, cmd::kTogglePalette8, "", idsFrom(32999, 33022)},
    };
    return kPalettes;
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
    for (const CommandString& s : kStrings)
        if (s.id == id)
            return _(s.text);
    return {};
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
