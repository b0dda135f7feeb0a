#include "view/dialogs/Dialogs.h"

#include "platform/DecimalText.h"
#include "platform/Texts.h"
#include "stitches/ChainOval.h"

namespace loopora::dialogs {
namespace {

DialogField integer(int id, const char* key, const char* label, double lo, double hi, int value)
{
    return {id, key, _(label), FieldType::Integer, lo, hi, std::to_string(value), {}};
}

DialogField real(int id, const char* key, const char* label, double lo, double hi, double value)
{
    return {id, key, _(label), FieldType::Real, lo, hi, formatDecimal(value), {}};
}

DialogField rotate(int id) { return integer(id, "rotate", N_("Повернуть (0,1)"), 0, 1, 0); }
DialogField angle() { return real(1027, "angle", N_("Угол (10...360)"), 10, 360, 360.0); }
DialogField height() { return real(1013, "height", N_("Высота (0.1...30)"), 0.1, 30, 30.0); }

} // namespace

DialogModel chartParameters()
{
    DialogField background{1007, "background", _("Основа"), FieldType::Choice, 0, 2, "1", {_("Чистая"), _("Круг"), _("В клетку")}};
    return DialogModel(136, _("Параметры схемы"),
                       {integer(1005, "width", N_("Ширина основы"), 100, 600, 0),
                        integer(1006, "height", N_("Высота основы"), 100, 600, 0), background,
                        integer(1011, "spacing", N_("Ширина строчек"), 10, 30, 30)},
                       {}, _("ОК"), "");
}

DialogModel textLabel()
{
    return DialogModel(155, _("Текстовая метка"), {{1019, "text", _("Текст:"), FieldType::Text, 0, 0, "", {}}}, {}, "OK",
                       _("Отмена"));
}

DialogModel row()
{
    return DialogModel(156, _("Расположение элементов в ряд"),
                       {integer(1012, "count", N_("Количество (2...50)"), 2, 50, 2), height(), rotate(1025)}, {}, _("ОК"),
                       _("Отмена"));
}

DialogModel arc()
{
    return DialogModel(157, _("Расположение элементов дугой"),
                       {integer(1012, "count", N_("Количество (4...50)"), 4, 50, 10), height(), rotate(1026), angle()}, {},
                       _("ОК"), _("Отмена"));
}

DialogModel arcWithLoops()
{
    // Checked loops first, though the count and height stand above them on the dialog.
    return DialogModel(158, _("Расположение элементов дугой с петлями"),
                       {integer(1028, "loops", N_("Количество петель (1...5)"), 1, 5, 1), rotate(1026), angle(),
                        integer(1012, "count", N_("Количество (4...50)"), 4, 50, 10), height()},
                       {3, 4, 0, 1, 2}, _("ОК"), _("Отмена"));
}

DialogModel chainRing()
{
    return DialogModel(154, _("Круг петель"),
                       {integer(1012, "count", N_("Количество"), 3, 100, 0), real(1013, "loopsize", N_("Размер петли"), kFlattestChainRatio, 100, 0.0)},
                       {}, "OK", "Cancel");
}

DialogModel scale()
{
    return DialogModel(135, _("Параметры"),
                       {real(1003, "widthfactor", N_("Ширина (0.5...2)"), 0.5, 2, 0.0),
                        real(1004, "heightfactor", N_("Высота (0.5...2)"), 0.5, 2, 0.0)},
                       {}, _("ОК"), _("Отмена"));
}

} // namespace loopora::dialogs
