#include "view/dialogs/Dialogs.h"

#include "platform/DecimalText.h"
#include "stitches/ChainOval.h"

namespace loopora::dialogs {
namespace {

DialogField integer(int id, const char* key, const char* label, double lo, double hi, int value)
{
    return {id, key, label, FieldType::Integer, lo, hi, std::to_string(value), {}};
}

DialogField real(int id, const char* key, const char* label, double lo, double hi, double value)
{
    return {id, key, label, FieldType::Real, lo, hi, formatDecimal(value), {}};
}

DialogField rotate(int id) { return integer(id, "rotate", "Повернуть (0,1)", 0, 1, 0); }
DialogField angle() { return real(1027, "angle", "Угол (10...360)", 10, 360, 360.0); }
DialogField height() { return real(1013, "height", "Высота (0.1...30)", 0.1, 30, 30.0); }

} // namespace

DialogModel chartParameters()
{
    DialogField background{1007, "background", "Основа", FieldType::Choice, 0, 2, "1", {"Чистая", "Круг", "В клетку"}};
    return DialogModel(136, "Параметры схемы",
                       {integer(1005, "width", "Ширина основы", 100, 600, 0),
                        integer(1006, "height", "Высота основы", 100, 600, 0), background,
                        integer(1011, "spacing", "Ширина строчек", 10, 30, 30)},
                       {}, "ОК", "");
}

DialogModel textLabel()
{
    return DialogModel(155, "Текстовая метка", {{1019, "text", "Текст:", FieldType::Text, 0, 0, "", {}}}, {}, "OK",
                       "Отмена");
}

DialogModel row()
{
    return DialogModel(156, "Расположение элементов в ряд",
                       {integer(1012, "count", "Количество (2...50)", 2, 50, 2), height(), rotate(1025)}, {}, "ОК",
                       "Отмена");
}

DialogModel arc()
{
    return DialogModel(157, "Расположение элементов дугой",
                       {integer(1012, "count", "Количество (4...50)", 4, 50, 10), height(), rotate(1026), angle()}, {},
                       "ОК", "Отмена");
}

DialogModel arcWithLoops()
{
    // Checked loops first, though the count and height stand above them on the dialog.
    return DialogModel(158, "Расположение элементов дугой с петлями",
                       {integer(1028, "loops", "Количество петель (1...5)", 1, 5, 1), rotate(1026), angle(),
                        integer(1012, "count", "Количество (4...50)", 4, 50, 10), height()},
                       {3, 4, 0, 1, 2}, "ОК", "Отмена");
}

DialogModel chainRing()
{
    return DialogModel(154, "Круг петель",
                       {integer(1012, "count", "Количество", 3, 100, 0), real(1013, "loopsize", "Размер петли", kFlattestChainRatio, 100, 0.0)},
                       {}, "OK", "Cancel");
}

DialogModel scale()
{
    return DialogModel(135, "Параметры",
                       {real(1003, "widthfactor", "Ширина (0.5...2)", 0.5, 2, 0.0),
                        real(1004, "heightfactor", "Высота (0.5...2)", 0.5, 2, 0.0)},
                       {}, "ОК", "Отмена");
}

} // namespace loopora::dialogs
