// Invariants of the type table, the one place that says what each type id
// is: the prototype table holds exactly its rows, each under its own id (old
// ids built as another type carry that type's id); names and ids find each
// other; the named constants of the code name the classes they mean; the
// catalogue is every placed symbol but the plain figures, each with a
// palette button of its own; the types added after the first catalogue
// take their commands from their ids.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/TypeTable.h"
#include "elements/LensElement.h"
#include "elements/LineElement.h"
#include "elements/PrototypeTable.h"
#include "elements/TextElement.h"
#include "stitches/BasicStitches.h"
#include "stitches/CircleArc.h"
#include "stitches/SlipStitchDot.h"

#include <gtest/gtest.h>

#include <set>

using namespace loopora;

TEST(TypeTable, ThePrototypeTableHoldsExactlyItsRows)
{
    std::set<int32_t> rows;
    for (const ElementType& type : elementTypes()) {
        rows.insert(type.id);
        const CChartElement* prototype = PrototypeTable::prototype(type.id);
        ASSERT_TRUE(prototype) << type.id;
        const auto* same = std::get_if<SameAs>(&type.build);
        EXPECT_EQ(prototype->typeId(), same ? same->typeId : type.id) << type.id;
        EXPECT_EQ(elementType(type.id), &type);
    }
    for (int32_t id = -1; id <= PrototypeTable::kSize; ++id)
        if (!rows.count(id)) {
            EXPECT_EQ(PrototypeTable::prototype(id), nullptr) << id;
            EXPECT_EQ(elementType(id), nullptr) << id;
        }
    EXPECT_EQ(rows.size(), elementTypes().size());
}

TEST(TypeTable, NamesAndIdsFindEachOther)
{
    for (const ElementType& type : elementTypes()) {
        EXPECT_EQ(typeName(type.id), type.name);
        if (type.name.empty())
            continue;
        EXPECT_EQ(typeIdOfName(type.name), type.id) << type.name;
        EXPECT_EQ(elementTypeNamed(type.name), &type);
    }
    EXPECT_EQ(typeName(7), "double");
    EXPECT_EQ(typeName(44), "");
    EXPECT_EQ(typeName(151), "");
    EXPECT_EQ(typeIdOfName("text"), 149);
    EXPECT_EQ(typeIdOfName("treble1to4flat"), 101);
    EXPECT_EQ(typeIdOfName("doubletreble1to7set"), 138);
    EXPECT_EQ(typeIdOfName("nosuch"), -1);
    EXPECT_EQ(typeIdOfName(""), -1);
}

TEST(TypeTable, NamedIdsAreTheClassesTheCodeMeans)
{
    auto is = [](int32_t id, auto* typed) {
        return dynamic_cast<decltype(typed)>(PrototypeTable::prototype(id)) != nullptr;
    };
    EXPECT_TRUE(is(typeids::kLine, (const CLineElement*)nullptr));
    EXPECT_TRUE(is(typeids::kText, (const CTextElement*)nullptr));
    EXPECT_TRUE(is(typeids::kLens, (const CLensElement*)nullptr));
    EXPECT_TRUE(is(typeids::kCircle, (const CCircleArc*)nullptr));
    EXPECT_TRUE(is(typeids::kChain, (const CChainOval*)nullptr));
    EXPECT_TRUE(is(typeids::kSlipStitch, (const CSlipStitchDot*)nullptr));
    EXPECT_TRUE(is(typeids::kSingle, (const CSingleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kHalfDouble, (const CHalfDoubleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kDouble, (const CDoubleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kTreble, (const CTrebleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kDoubleTreble, (const CDoubleTrebleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kTrebleTreble, (const CTrebleTrebleStitch*)nullptr));
    EXPECT_TRUE(is(typeids::kRow, (const CRowArrangement*)nullptr));
    EXPECT_TRUE(is(typeids::kLoopedArc, (const CLoopedArcArrangement*)nullptr));
    EXPECT_TRUE(is(typeids::kChainRing, (const CChainRing*)nullptr));
    EXPECT_EQ(typeName(typeids::kChain2), "chain2");
    EXPECT_EQ(typeName(typeids::kChain3), "chain3");
    EXPECT_EQ(typeName(typeids::kArc), "rings");
}

TEST(TypeTable, FansBuiltLikeOthersAreFans)
{
    for (const ElementType& type : elementTypes())
        if (const auto* like = std::get_if<FanLike>(&type.build)) {
            const ElementType* model = elementType(like->fanTypeId);
            ASSERT_TRUE(model) << type.id;
            EXPECT_EQ(model->kind, TypeKind::Fan) << type.id;
            EXPECT_EQ(type.kind, TypeKind::Fan) << type.id;
        }
}

TEST(TypeTable, CatalogueIsEveryPlacedSymbolButTheFigures)
{
    std::set<std::string_view> catalogue;
    for (const ElementType& type : elementTypes()) {
        if (!isCatalogueSymbol(type))
            continue;
        catalogue.insert(type.name);
        // Every symbol the catalogue shows has a palette button; the
        // rectangle is the one figure chosen by name only.
        EXPECT_NE(type.button.palette, NoPalette) << type.name;
        EXPECT_NE(type.command(), 0) << type.name;
    }
    for (std::string_view left : {"line", "rectangle", "text", "lines", "rings", "mixrings", ""})
        EXPECT_EQ(catalogue.count(left), 0u) << left;
    for (std::string_view kept : {"chain", "circle", "chainsring", "double", "doubletreble1to7set"})
        EXPECT_EQ(catalogue.count(kept), 1u) << kept;
}

TEST(TypeTable, EachButtonHasItsOwnSlotAndCommand)
{
    std::set<std::pair<Palette, int>> slots;
    std::set<uint16_t> commands;
    for (const ElementType& type : elementTypes()) {
        if (type.button.palette == NoPalette) {
            EXPECT_EQ(type.command(), type.button.command) << type.id;
            continue;
        }
        EXPECT_TRUE(slots.insert({type.button.palette, type.button.slot}).second) << type.name;
        EXPECT_TRUE(commands.insert(type.command()).second) << type.name;
        EXPECT_EQ(elementTypeOfCommand(type.command()), &type);
        // A command of its own is one of the first catalogue's numbers; the
        // rest follow from the ids.
        if (type.button.command == kCommandOfTypeId)
            EXPECT_EQ(type.command(), kLaterSymbolCommands + type.id) << type.name;
        else
            EXPECT_LT(type.command(), kLaterSymbolCommands) << type.name;
    }
}
