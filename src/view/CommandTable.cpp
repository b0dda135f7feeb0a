#include "view/CommandTable.h"

#include "view/CommandIds.h"

#include <array>

namespace loopora {
namespace {

constexpr ToolCommand kToolCommands[] = {
    // Main toolbar.
    {cmd::kSelect, "select"},
    {cmd::kRotate, "rotatebyarc"},
    {cmd::kRotateHidden, "rotatebyarc"},
    // Single symbols.
    {32856, "circle"}, {32771, "chain"}, {32802, "slipstitch"}, {32781, "line"}, {32792, "single"},
    {32804, "halfdouble"}, {32805, "double"}, {32806, "treble"}, {32870, "doubletreble"}, {32871, "trebletreble"},
    {32808, "qibao"}, {32866, "singletopscratch"}, {32867, "singlebackscratch"}, {32861, "halfdoubletopscratch"},
    {32862, "halfdoublebackscratch"}, {32854, "topscratch"}, {32855, "backscratch"}, {32887, "trebletopscratch"},
    {32888, "treblebackscratch"}, {32869, "singletwist"}, {32873, "ushape"}, {32941, "variantzao"}, {33046, "text"},
    // Increases of doubles.
    {32824, "double1to2flat"}, {32837, "double1to2flatset"}, {32874, "leftdouble1to2flat"},
    {32881, "rightdouble1to2flat"}, {32827, "double1to3flat"}, {32839, "double1to3flatset"}, {32914, "double1to3"},
    {32960, "double1to3set"}, {32879, "leftdouble1to3flat"}, {32882, "rightdouble1to3flat"},
    {32828, "double1to4flat"}, {32840, "double1to4flatset"}, {32958, "double1to4"}, {32959, "double1to4set"},
    {32880, "leftdouble1to4flat"}, {32884, "rightdouble1to4flat"}, {32886, "double1to5flat"},
    {32841, "double1to5flatset"}, {32830, "double1to5"}, {32842, "double1to5set"}, {32961, "double1to6"},
    {32911, "double1to6set"}, {32918, "double1to7"}, {32971, "double1to7set"},
    // Decreases.
    {32819, "double2to1flat"}, {32820, "double3to1flat"}, {32963, "double3to1"}, {32823, "double4to1flat"},
    {32965, "double4to1"}, {32822, "double5to1flat"}, {32964, "double5to1"}, {32968, "double6to1flat"},
    {32969, "double6to1"}, {32966, "double7to1flat"}, {32967, "double7to1"},
    // Increases with chains.
    {32832, "double1to2chain1"}, {32833, "double1to2chain2"}, {32834, "double1to2chain3"},
    {33026, "double1to3chain2flat"}, {33027, "double1to3chain2flatset"}, {32912, "double1to3chain2"},
    {32925, "double1to3chain2set"}, {32922, "double1to4chain1flat"}, {32924, "double1to4chain1flatset"},
    {32836, "double1to4chain1"}, {33028, "double1to4chain1set"}, {32923, "double1to4chain3"},
    {32902, "double1to4chain3set"}, {33024, "double1to5chain4"}, {32891, "double1to5chain4set"},
    {32843, "double1to6chain2set"},
    // Chains and special groups (the chains ring's button opens its dialog first).
    {32777, "chain2"}, {32790, "chain3"}, {32845, "chain3teeth"}, {cmd::kChainRing, "chainsring"},
    {32810, "single2to1"}, {32813, "single3to1"}, {32846, "double1to2zaoset"}, {32847, "double1to3zao"},
    {32849, "double1to3zaoset"}, {32850, "double1to5zao"}, {32851, "double1to5zaoset"}, {32852, "double1to5cron"},
    {32853, "double1to5cronset"},
    // Treble increases. The eleventh button places the flat four-leg fan, so
    // that every fan of the palette can be placed.
    {32972, "treble1to2flat"}, {32973, "treble1to2flatset"}, {32974, "lefttreble1to2flat"},
    {32975, "righttreble1to2flat"}, {32976, "treble1to3flat"}, {32977, "treble1to3flatset"}, {32978, "treble1to3"},
    {32979, "treble1to3set"}, {32980, "lefttreble1to3flat"}, {32981, "righttreble1to3flat"},
    {32982, "treble1to4flat"}, {32983, "treble1to4flatset"}, {32984, "treble1to4"}, {32985, "treble1to4set"},
    {32986, "lefttreble1to4flat"}, {32987, "righttreble1to4flat"}, {32988, "treble1to5flat"},
    {32989, "treble1to5flatset"}, {32990, "treble1to5"}, {32991, "treble1to5set"}, {32992, "treble1to6"},
    {32993, "treble1to6set"}, {32994, "treble1to7"}, {32995, "treble1to7set"},
    // Double-treble increases.
    {32999, "doubletreble1to2flat"}, {33000, "doubletreble1to2flatset"}, {33001, "leftdoubletreble1to2flat"},
    {33002, "rightdoubletreble1to2flat"}, {33003, "doubletreble1to3flat"}, {33004, "doubletreble1to3flatset"},
    {33005, "doubletreble1to3"}, {33006, "doubletreble1to3set"}, {33007, "leftdoubletreble1to3flat"},
    {33008, "rightdoubletreble1to3flat"}, {33009, "doubletreble1to4flat"}, {33010, "doubletreble1to4flatset"},
    {33011, "doubletreble1to4"}, {33012, "doubletreble1to4set"}, {33013, "leftdoubletreble1to4flat"},
    {33014, "rightdoubletreble1to4flat"}, {33015, "doubletreble1to5flat"}, {33016, "doubletreble1to5flatset"},
    {33017, "doubletreble1to5"}, {33018, "doubletreble1to5set"}, {33019, "doubletreble1to6"},
    {33020, "doubletreble1to6set"}, {33021, "doubletreble1to7"}, {33022, "doubletreble1to7set"},
    // The mirror commands show the radio state of their tools, which are never current.
    {cmd::kMirrorRight, "hrotate"},
    {cmd::kMirrorDown, "vrotate"},
};

struct CommandString {
    uint16_t id;
    std::string_view text;
};

constexpr CommandString kStrings[] = {
    {cmd::kNew, "Создать новую схему\nСоздать"},
    {cmd::kSaveAs, "Сохранить схему под другим именем\nСохранить как"},
    {cmd::kSaveBitmap, "Сохранить в формате BMP\nСохранить BMP"},
    {cmd::kExportPdf, "Сохранить схему в векторном PDF для печати и публикации\nЭкспорт в PDF"},
    {cmd::kExportSvg, "Сохранить схему в векторном SVG для редакторов векторной графики\nЭкспорт в SVG"},
    {cmd::kExportPng, "Сохранить схему в PNG высокого разрешения\nЭкспорт в PNG"},
    {cmd::kPrint, "Напечатать схему\nПечать"},
    {cmd::kPrintPreview, "Показать схему такой, какой она будет напечатана\nПредварительный просмотр"},
    {cmd::kCopy, "Копировать выбранный элемент\nКопировать"},
    {cmd::kPaste, "Вставить из буфера обмена\nВставить"},
    {cmd::kAbout, "Информация о программе\nО программе"},
    {cmd::kDrawingColour, "Выбор цвета для рисования\nЦвет"},
    {cmd::kSelect, "Режим выбора элементов\nВыбор"},
    {cmd::kGroup, "Объединить элементы в группу\nСгруппировать"},
    {cmd::kUngroup, "Разбить группу на элементы\nРазгруппировать"},
    {cmd::kRotate, "Вращение элементов\nВращение"},
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
    {33046, "Текстовая метка"},
};

constexpr MenuItem kElementMenu[] = {
    {cmd::kSize, "Размер"},
    {cmd::kElementColour, "Цвет"},
    {cmd::kUngroup, "Разгруппировать"},
    {cmd::kMirrorRight, "Перевернуть вправо"},
    {cmd::kMirrorDown, "Перевернуть вниз"},
    {cmd::kCreateRow, "Создать ряд"},
    {cmd::kCreateArc, "Создать дугу"},
    {cmd::kCreateArcWithLoops, "Создать дугу с петлями"},
};
constexpr MenuItem kChartMenu[] = {{cmd::kChartParameters, "Параметры схемы"}};
constexpr MenuItem kTextMenu[] = {{cmd::kText, "Текст"}, {cmd::kElementColour, "Цвет"}};

std::vector<uint16_t> idsFrom(uint16_t first, uint16_t last)
{
    std::vector<uint16_t> out;
    for (uint16_t id = first; id <= last; ++id)
        out.push_back(id);
    return out;
}

} // namespace

std::span<const ToolCommand> toolCommands() { return kToolCommands; }

std::string_view toolOfCommand(uint16_t id)
{
    for (const ToolCommand& c : kToolCommands)
        if (c.id == id)
            return c.tool;
    return {};
}

uint16_t commandOfTool(std::string_view tool)
{
    for (const ToolCommand& c : kToolCommands)
        if (c.tool == tool)
            return c.id;
    return 0;
}

const std::vector<PaletteInfo>& palettes()
{
    static const std::vector<PaletteInfo> kPalettes = {
        {1, 128, 18, 17, DockSide::Top, true, cmd::kToolbar, "Панель инструментов (&T)",
         {cmd::kNew, cmd::kSaveBitmap, cmd::kCopy, cmd::kPaste, 0, cmd::kAbout, cmd::kDrawingColour, cmd::kSelect,
          cmd::kGroup, cmd::kUngroup, cmd::kRotate}},
        {2, 132, 15, 17, DockSide::Left, true, cmd::kTogglePalette2, "Простые символы",
         {32856, 32771, 32802, 32781, 32792, 32804, 32805, 32806, 32870, 32871, 32808, 32866,
          32867, 32861, 32862, 32854, 32855, 32887, 32888, 32869, 32873, 32941, 33046}},
        {3, 140, 27, 23, DockSide::Top, true, cmd::kTogglePalette3, "Группы символов",
         {32824, 32837, 32874, 32881, 32827, 32839, 32914, 32960, 32879, 32882, 32828, 32840,
          32958, 32959, 32880, 32884, 32886, 32841, 32830, 32842, 32961, 32911, 32918, 32971}},
        {4, 147, 28, 24, DockSide::Top, false, cmd::kTogglePalette4, "Группы с петлями 2",
         {32819, 32820, 32963, 32823, 32965, 32822, 32964, 32968, 32969, 32966, 32967}},
        {5, 149, 28, 24, DockSide::Top, true, cmd::kTogglePalette5, "Группы с петлями",
         {32832, 32833, 32834, 33026, 33027, 32912, 32925, 32922, 32924, 32836, 33028, 32923, 32902, 33024, 32891,
          32843}},
        {6, 152, 28, 27, DockSide::Top, false, cmd::kTogglePalette6, "Группы с петлями 3",
         {32777, 32790, 32845, cmd::kChainRing, 32810, 32813, 32846, 32847, 32849, 32850, 32851, 32852, 32853}},
        {7, 153, 27, 23, DockSide::Top, false, cmd::kTogglePalette7, "", idsFrom(32972, 32995)},
        {8, 154, 27, 23, DockSide::Top, false, cmd::kTogglePalette8, "", idsFrom(32999, 33022)},
    };
    return kPalettes;
}

std::span<const MenuItem> contextMenu(int menuId)
{
    switch (menuId) {
    case cmd::kElementMenu: return kElementMenu;
    case cmd::kChartMenu: return kChartMenu;
    case cmd::kTextMenu: return kTextMenu;
    default: return {};
    }
}

std::string_view commandText(uint16_t id)
{
    for (const CommandString& s : kStrings)
        if (s.id == id)
            return s.text;
    return {};
}

std::string_view statusPrompt(uint16_t id)
{
    std::string_view text = commandText(id);
    return text.substr(0, text.find('\n'));
}

std::string_view toolTip(uint16_t id)
{
    std::string_view text = commandText(id);
    size_t cut = text.find('\n');
    return cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
}

} // namespace loopora
