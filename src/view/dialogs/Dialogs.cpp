#include "view/dialogs/Dialogs.h"

#include "platform/DecimalText.h"
#include "stitches/ChainOval.h"

#include <stdexcept>

namespace loopora::dialogs {
namespace {

// The fields' keys, which scripts name; each is written once here.
constexpr std::string_view kWidth = "width";
constexpr std::string_view kHeight = "height";
constexpr std::string_view kBackground = "background";
constexpr std::string_view kSpacing = "spacing";
constexpr std::string_view kText = "text";
constexpr std::string_view kCount = "count";
constexpr std::string_view kRotate = "rotate";
constexpr std::string_view kAngle = "angle";
constexpr std::string_view kLoops = "loops";
constexpr std::string_view kLoopSize = "loopsize";
constexpr std::string_view kWidthFactor = "widthfactor";
constexpr std::string_view kHeightFactor = "heightfactor";

DialogField integer(int id, std::string_view key, const char* label, double lo, double hi, int value)
{
    return {id, std::string(key), label, FieldType::Integer, lo, hi, std::to_string(value), {}};
}

DialogField real(int id, std::string_view key, const char* label, double lo, double hi, double value)
{
    return {id, std::string(key), label, FieldType::Real, lo, hi, formatDecimal(value), {}};
}

DialogField rotate(int id, bool along) { return integer(id, kRotate, "Повернуть (0,1)", 0, 1, along ? 1 : 0); }
DialogField angle(double degrees) { return real(1027, kAngle, "Угол (10...360)", 10, 360, degrees); }
DialogField height(double value) { return real(1013, kHeight, "Высота (0.1...30)", 0.1, 30, value); }
DialogField count(const char* label, double lo, double hi, int value) { return integer(1012, kCount, label, lo, hi, value); }

// A field the dialog is built with; a reader asking for another is a mistake in this file.
const std::string& textOf(const DialogModel& dialog, std::string_view key)
{
    const DialogField* field = dialog.find(key);
    if (!field)
        throw std::logic_error("the dialog " + std::to_string(dialog.resourceId()) + " has no field " + std::string(key));
    return field->text;
}

int integerOf(const DialogModel& dialog, std::string_view key)
{
    auto v = parseInteger(textOf(dialog, key));
    return v ? int(*v) : 0;
}

double realOf(const DialogModel& dialog, std::string_view key)
{
    auto v = parseDecimal(textOf(dialog, key));
    return v ? *v : 0.0;
}

} // namespace

DialogModel modelOf(const ChartParameters& shown)
{
    DialogField background{1007, std::string(kBackground), "Основа", FieldType::Choice, 0, 2, std::to_string(shown.background),
                           {"Чистая", "Круг", "В клетку"}};
    return DialogModel(136, "Параметры схемы",
                       {integer(1005, kWidth, "Ширина основы", 100, 600, shown.width),
                        integer(1006, kHeight, "Высота основы", 100, 600, shown.height), background,
                        integer(1011, kSpacing, "Ширина строчек", 10, 30, shown.spacing)},
                       {}, "ОК", "");
}

DialogModel modelOf(const LabelText& shown)
{
    return DialogModel(155, "Текстовая метка", {{1019, std::string(kText), "Текст:", FieldType::Text, 0, 0, shown.text, {}}}, {},
                       "OK", "Отмена");
}

DialogModel modelOf(const RowParameters& shown)
{
    return DialogModel(156, "Расположение элементов в ряд",
                       {count("Количество (2...50)", 2, 50, shown.count), height(shown.height),
                        rotate(1025, shown.alongLine)},
                       {}, "ОК", "Отмена");
}

DialogModel modelOf(const ArcParameters& shown)
{
    return DialogModel(157, "Расположение элементов дугой",
                       {count("Количество (4...50)", 4, 50, shown.count), height(shown.height),
                        rotate(1026, shown.alongArc), angle(shown.sweep)},
                       {}, "ОК", "Отмена");
}

DialogModel modelOf(const LoopedArcParameters& shown)
{
    // Checked loops first, though the count and height stand above them on the dialog.
    return DialogModel(158, "Расположение элементов дугой с петлями",
                       {integer(1028, kLoops, "Количество петель (1...5)", 1, 5, shown.loops),
                        rotate(1026, shown.arc.alongArc), angle(shown.arc.sweep),
                        count("Количество (4...50)", 4, 50, shown.arc.count), height(shown.arc.height)},
                       {3, 4, 0, 1, 2}, "ОК", "Отмена");
}

DialogModel modelOf(const ChainRingParameters& shown)
{
    return DialogModel(154, "Круг петель",
                       {integer(1012, kCount, "Количество", 3, 100, shown.count),
                        real(1013, kLoopSize, "Размер петли", kFlattestChainRatio, 100, shown.loopSize)},
                       {}, "OK", "Cancel");
}

DialogModel modelOf(const ScaleFactors& shown)
{
    return DialogModel(135, "Параметры",
                       {real(1003, kWidthFactor, "Ширина (0.5...2)", 0.5, 2, shown.width),
                        real(1004, kHeightFactor, "Высота (0.5...2)", 0.5, 2, shown.height)},
                       {}, "ОК", "Отмена");
}

void read(const DialogModel& d, ChartParameters& values)
{
    values = {integerOf(d, kWidth), integerOf(d, kHeight), integerOf(d, kBackground), integerOf(d, kSpacing)};
}

void read(const DialogModel& d, LabelText& values) { values = {textOf(d, kText)}; }

void read(const DialogModel& d, RowParameters& values)
{
    values = {integerOf(d, kCount), realOf(d, kHeight), integerOf(d, kRotate) == 1};
}

void read(const DialogModel& d, ArcParameters& values)
{
    values = {integerOf(d, kCount), realOf(d, kHeight), integerOf(d, kRotate) == 1, realOf(d, kAngle)};
}

void read(const DialogModel& d, LoopedArcParameters& values)
{
    read(d, values.arc);
    values.loops = integerOf(d, kLoops);
}

void read(const DialogModel& d, ChainRingParameters& values) { values = {integerOf(d, kCount), realOf(d, kLoopSize)}; }

void read(const DialogModel& d, ScaleFactors& values) { values = {realOf(d, kWidthFactor), realOf(d, kHeightFactor)}; }

} // namespace loopora::dialogs
