#include "view/dialogs/Dialogs.h"

#include "platform/DecimalText.h"
#include "platform/Texts.h"
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
    return {id, std::string(key), _(label), FieldType::Integer, lo, hi, std::to_string(value), {}};
}

DialogField real(int id, std::string_view key, const char* label, double lo, double hi, double value)
{
    return {id, std::string(key), _(label), FieldType::Real, lo, hi, formatDecimal(value), {}};
}

DialogField rotate(int id, bool along) { return integer(id, kRotate, N_("Повернуть (0,1)"), 0, 1, along ? 1 : 0); }
DialogField angle(double degrees) { return real(1027, kAngle, N_("Угол (10...360)"), 10, 360, degrees); }
DialogField height(double value) { return real(1013, kHeight, N_("Высота (0.1...30)"), 0.1, 30, value); }
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
    DialogField background{1007, std::string(kBackground), _("Основа"), FieldType::Choice, 0, 2, std::to_string(shown.background),
                           {_("Чистая"), _("Круг"), _("В клетку")}};
    return DialogModel(136, _("Параметры схемы"),
                       {integer(1005, kWidth, N_("Ширина основы"), 100, 600, shown.width),
                        integer(1006, kHeight, N_("Высота основы"), 100, 600, shown.height), background,
                        integer(1011, kSpacing, N_("Ширина строчек"), 10, 30, shown.spacing)},
                       {}, _("ОК"), "");
}

DialogModel modelOf(const LabelText& shown)
{
    return DialogModel(155, _("Текстовая метка"), {{1019, std::string(kText), _("Текст:"), FieldType::Text, 0, 0, shown.text, {}}}, {},
                       "OK", _("Отмена"));
}

DialogModel modelOf(const RowParameters& shown)
{
    return DialogModel(156, _("Расположение элементов в ряд"),
                       {count(N_("Количество (2...50)"), 2, 50, shown.count), height(shown.height),
                        rotate(1025, shown.alongLine)},
                       {}, _("ОК"), _("Отмена"));
}

DialogModel modelOf(const ArcParameters& shown)
{
    return DialogModel(157, _("Расположение элементов дугой"),
                       {count(N_("Количество (4...50)"), 4, 50, shown.count), height(shown.height),
                        rotate(1026, shown.alongArc), angle(shown.sweep)},
                       {}, _("ОК"), _("Отмена"));
}

DialogModel modelOf(const LoopedArcParameters& shown)
{
    // Checked loops first, though the count and height stand above them on the dialog.
    return DialogModel(158, _("Расположение элементов дугой с петлями"),
                       {integer(1028, kLoops, N_("Количество петель (1...5)"), 1, 5, shown.loops),
                        rotate(1026, shown.arc.alongArc), angle(shown.arc.sweep),
                        count(N_("Количество (4...50)"), 4, 50, shown.arc.count), height(shown.arc.height)},
                       {3, 4, 0, 1, 2}, _("ОК"), _("Отмена"));
}

DialogModel modelOf(const ChainRingParameters& shown)
{
    return DialogModel(154, _("Круг петель"),
                       {integer(1012, kCount, N_("Количество"), 3, 100, shown.count),
                        real(1013, kLoopSize, N_("Размер петли"), kFlattestChainRatio, 100, shown.loopSize)},
                       {}, "OK", "Cancel");
}

DialogModel modelOf(const ScaleFactors& shown)
{
    return DialogModel(135, _("Параметры"),
                       {real(1003, kWidthFactor, N_("Ширина (0.5...2)"), 0.5, 2, shown.width),
                        real(1004, kHeightFactor, N_("Высота (0.5...2)"), 0.5, 2, shown.height)},
                       {}, _("ОК"), _("Отмена"));
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
