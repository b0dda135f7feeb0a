#include "document/TypeTable.h"

#include "document/types/DecreaseTypes.h"
#include "document/types/FanTypes.h"
#include "document/types/FigureTypes.h"
#include "document/types/StitchTypes.h"
#include "elements/PrototypeTable.h"

#include <array>

namespace loopora {
namespace {

using enum TypeKind;
using enum PlacingTool;
using enum Arrangeable;

// Every row has the same shape: id, tool name, family, the tool that places
// it, its palette button, the arrangements that repeat it, its build, then
// the Russian and the English name with its abbreviation, the stitch counts
// (worked into, makes) and, for a few, their command's own text. The rows
// live by family in document/types/; here they come together in id order.
//
// Rows and arcs repeat every symbol worked into one stitch (a round of
// increases, shells or puffs is one arc), standing each copy on its own base
// point as they stand the basic stitches; arcs with loops repeat only the
// stitches, chain groups, post stitches, bobbles and the like.
constexpr size_t kRowCount = std::size(types::kFigureTypes) + std::size(types::kStitchTypes) +
                             std::size(types::kFanTypes) + std::size(types::kDecreaseTypes);

constexpr std::array<ElementType, kRowCount> kTypes = [] {
    std::array<ElementType, kRowCount> joined{};
    size_t next = 0;
    for (int32_t id = 0; id < PrototypeTable::kSize; ++id)
        for (std::span<const ElementType> family :
             {std::span<const ElementType>(types::kFigureTypes), std::span<const ElementType>(types::kStitchTypes),
              std::span<const ElementType>(types::kFanTypes), std::span<const ElementType>(types::kDecreaseTypes)})
            for (const ElementType& row : family)
                if (row.id == id && next < kRowCount)
                    joined[next++] = row;
    return joined;
}();

// Two rows never share an id or a tool name, and every row with a tool
// name has a tool (and the reverse): files and tools find types by them.
constexpr bool idsAscendAndNamesAreUnique()
{
    for (size_t i = 0; i < std::size(kTypes); ++i) {
        if (i > 0 && kTypes[i].id <= kTypes[i - 1].id)
            return false;
        if (kTypes[i].name.empty() != (kTypes[i].tool == NoTool))
            return false;
        for (size_t j = i + 1; j < std::size(kTypes); ++j)
            if (!kTypes[i].name.empty() && kTypes[i].name == kTypes[j].name)
                return false;
    }
    return true;
}
static_assert(idsAscendAndNamesAreUnique(), "type ids ascend once each, tool names are unique and name a tool");

static_assert(kTypes[std::size(kTypes) - 1].id < PrototypeTable::kSize, "every id has its place in the prototype table");

// Row indexes by type id, -1 where no row is.
constexpr auto kRowIndex = [] {
    std::array<int16_t, PrototypeTable::kSize> index{};
    index.fill(-1);
    for (size_t i = 0; i < std::size(kTypes); ++i)
        index[size_t(kTypes[i].id)] = int16_t(i);
    return index;
}();

constexpr const ElementType* rowOf(int32_t typeId)
{
    if (typeId < 0 || typeId >= PrototypeTable::kSize || kRowIndex[size_t(typeId)] < 0)
        return nullptr;
    return &kTypes[size_t(kRowIndex[size_t(typeId)])];
}

// A fan built like another names a fan with a recipe of its own; a type
// built as another names one that has a build of its own.
constexpr bool referencesResolve()
{
    for (const ElementType& t : kTypes) {
        if (const auto* like = std::get_if<FanLike>(&t.build)) {
            const ElementType* model = rowOf(like->fanTypeId);
            if (!model || !std::holds_alternative<FanRecipe>(model->build))
                return false;
        }
        if (const auto* same = std::get_if<SameAs>(&t.build)) {
            const ElementType* model = rowOf(same->typeId);
            if (!model || std::holds_alternative<SameAs>(model->build))
                return false;
        }
    }
    return true;
}
static_assert(referencesResolve(), "every FanLike and SameAs names a row that builds on its own");

template <typename... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <typename... F>
Overloaded(F...) -> Overloaded<F...>;

} // namespace

std::span<const ElementType> elementTypes() { return kTypes; }

const ElementType* elementType(int32_t typeId) { return rowOf(typeId); }

const ElementType* elementTypeNamed(std::string_view name)
{
    if (name.empty())
        return nullptr;
    for (const ElementType& t : kTypes)
        if (t.name == name)
            return &t;
    return nullptr;
}

const ElementType* elementTypeOfCommand(uint16_t command)
{
    if (command == 0)
        return nullptr;
    for (const ElementType& t : kTypes)
        if (t.command() == command)
            return &t;
    return nullptr;
}

std::string_view typeName(int32_t typeId)
{
    const ElementType* t = rowOf(typeId);
    return t ? t->name : std::string_view{};
}

int32_t typeIdOfName(std::string_view name)
{
    const ElementType* t = elementTypeNamed(name);
    return t ? t->id : -1;
}

Arrangeable arrangeableOf(int32_t typeId)
{
    const ElementType* t = rowOf(typeId);
    return t ? t->arrangeable : No;
}

bool canArrangeInRow(int32_t typeId) { return arrangeableOf(typeId) != No; }
bool canArrangeInArc(int32_t typeId) { return arrangeableOf(typeId) != No; }
bool canArrangeInLoopedArc(int32_t typeId) { return arrangeableOf(typeId) == Everywhere; }

std::unique_ptr<CChartElement> makePrototype(const ElementType& type)
{
    const int32_t id = type.id;
    return std::visit(
        Overloaded{
            [](MakePrototype make) { return make(); },
            [id](const FanRecipe& recipe) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CIncreaseFan>(recipe, *recipe.legStyle, id);
            },
            [id](const FanLike& like) -> std::unique_ptr<CChartElement> {
                const ElementType* model = rowOf(like.fanTypeId);
                const auto* recipe = model ? std::get_if<FanRecipe>(&model->build) : nullptr;
                if (!recipe)
                    return nullptr;
                return std::make_unique<CIncreaseFan>(*recipe, *like.legs, id);
            },
            [id](const DecreaseRecipe& recipe) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CDoubleDecrease>(recipe, id);
            },
            [id](ComposedBuild build) -> std::unique_ptr<CChartElement> {
                return std::make_unique<CComposedSymbol>(id, build);
            },
            [](SameAs same) -> std::unique_ptr<CChartElement> {
                const ElementType* model = rowOf(same.typeId);
                return model ? makePrototype(*model) : nullptr;
            },
        },
        type.build);
}

bool isCatalogueSymbol(const ElementType& type) { return type.tool == Placement && type.kind != Figure; }

} // namespace loopora
