// Invariants of what the view derives from its declarations (the type
// table, the editing tools' table and the command table): every named type
// has exactly one tool under its name, placing an element of that type; the
// editing tools come on top; every command is declared once, chooses its
// tool and has one button where its declaration puts it; every button of the
// symbol palettes places a type; a type without a prototype, or with one of
// the wrong class, gets no tool rather than a tool without a prototype.

#include "document/Canvas.h"
#include "document/TypeTable.h"
#include "elements/PrototypeTable.h"
#include "support/Session.h"
#include "view/CommandIds.h"
#include "view/CommandTable.h"
#include "view/tools/ArrangementTools.h"
#include "view/tools/EditingToolTable.h"
#include "view/tools/SelectTool.h"

#include <gtest/gtest.h>

#include <set>

using namespace loopora;
using loopora::test::Session;

TEST(TypeTools, EveryNamedTypeHasOneToolPlacingIt)
{
    Session s;
    s.run({"new 300 300 0 30"});
    CToolRegistry& tools = s.view().tools();
    size_t named = 0;
    for (const ElementType& type : elementTypes()) {
        if (type.name.empty())
            continue;
        ++named;
        auto* tool = dynamic_cast<CPlacementTool*>(tools.findTool(type.name));
        ASSERT_TRUE(tool) << type.name;
        EXPECT_EQ(tool->prototype().typeId(), type.id) << type.name;
        EXPECT_EQ(tool->prototype().canvas(), &s.canvas()) << type.name;
    }
    for (const EditingToolRow& editing : editingTools())
        EXPECT_TRUE(tools.findTool(editing.name)) << editing.name;
    EXPECT_EQ(tools.toolCount(), named + editingTools().size());
    EXPECT_EQ(tools.rowTool(), tools.findTool("lines"));
    EXPECT_EQ(tools.arcTool(), tools.findTool("rings"));
    EXPECT_EQ(tools.loopArcTool(), tools.findTool("mixrings"));
    EXPECT_EQ(tools.chainRingTool(), tools.findTool("chainsring"));
    EXPECT_EQ(tools.moveTool(), tools.findTool("move"));
    EXPECT_EQ(tools.changeTool(), tools.findTool("change"));
}

TEST(TypeTools, CommandsOfTypesChooseTheirTools)
{
    std::set<uint16_t> commands;
    for (const ElementType& type : elementTypes()) {
        if (type.command() == 0)
            continue;
        EXPECT_TRUE(commands.insert(type.command()).second) << type.command();
        EXPECT_EQ(toolOfCommand(type.command()), type.name);
        EXPECT_EQ(commandOfTool(type.name), type.command());
        EXPECT_EQ(elementTypeOfCommand(type.command()), &type);
    }
    // Every symbol palette's buttons are commands of types, each on one button.
    std::set<uint16_t> buttons;
    for (const PaletteInfo& palette : palettes()) {
        if (palette.number == MainToolbar)
            continue;
        for (uint16_t id : palette.buttons) {
            EXPECT_TRUE(commands.count(id)) << "palette " << palette.number << " button " << id;
            EXPECT_TRUE(buttons.insert(id).second) << id;
        }
    }
    EXPECT_EQ(buttons, commands);
    EXPECT_EQ(toolOfCommand(cmd::kRotateHidden), "rotatebyarc");
    EXPECT_EQ(commandOfTool("rotatebyarc"), cmd::kRotate);
    EXPECT_EQ(commandOfTool("rectangle"), 0); // chosen by name only
}

TEST(TypeTools, EachDeclaredButtonSitsWhereItsDeclarationSays)
{
    std::set<uint16_t> seen;
    for (const PaletteInfo& palette : palettes()) {
        EXPECT_EQ(paletteOfToggle(palette.toggleCommand), &palette);
        int slot = 0;
        for (uint16_t id : palette.buttons) {
            ++slot; // a separator takes the slot left free
            if (id == 0)
                continue;
            EXPECT_TRUE(seen.insert(id).second) << id;
            const PaletteSlot at = buttonOf(id);
            EXPECT_EQ(at.palette, palette.number) << id;
            EXPECT_EQ(at.slot, slot) << id;
            EXPECT_NE(buttonPicture(id), ButtonPicture::NoPicture) << id;
        }
    }
    for (const EditingToolRow& tool : editingTools()) {
        EXPECT_EQ(tool.button.palette == NoPalette, !seen.count(tool.command)) << tool.name;
        if (tool.command != 0) {
            EXPECT_EQ(toolOfCommand(tool.command), tool.name);
        }
    }
    // No button but a later symbol's takes a command of the later symbols' block.
    for (uint16_t id : seen)
        if (id >= kLaterSymbolCommands && id < kLaterSymbolCommands + PrototypeTable::kSize) {
            ASSERT_TRUE(elementTypeOfCommand(id)) << id;
            EXPECT_EQ(elementTypeOfCommand(id)->button.command, kCommandOfTypeId) << id;
        }
    EXPECT_EQ(buttonPicture(cmd::kSelect), ButtonPicture::SelectArrow);
    EXPECT_EQ(buttonPicture(elementTypeNamed("text")->command()), ButtonPicture::TextLabel);
    EXPECT_EQ(buttonPicture(elementTypeNamed("double")->command()), ButtonPicture::Symbol);
}

TEST(TypeTools, ATypeWithoutAFittingPrototypeGetsNoTool)
{
    CCanvas canvas;
    CToolRegistry tools(canvas);
    const ElementType rows[] = {
        {151, "ghost", TypeKind::Stitch, PlacingTool::Placement, {}, Arrangeable::No, SameAs{typeids::kDouble}},
        {typeids::kDouble, "notarow", TypeKind::Arrangement, PlacingTool::RowTool, {}, Arrangeable::No,
         SameAs{typeids::kRow}},
        {typeids::kLine, "line", TypeKind::Figure, PlacingTool::Placement, {}, Arrangeable::No, SameAs{typeids::kLine}},
    };
    tools.registerTypeTools(rows);
    EXPECT_EQ(tools.findTool("ghost"), nullptr);
    EXPECT_EQ(tools.findTool("notarow"), nullptr);
    EXPECT_EQ(tools.rowTool(), nullptr);
    EXPECT_TRUE(tools.findTool("line"));
    EXPECT_EQ(tools.toolCount(), 1u);
}

TEST(TypeTools, ANameIsRegisteredOnce)
{
    CCanvas canvas;
    CToolRegistry tools(canvas);
    EXPECT_TRUE(tools.registerTool("select", std::make_unique<CSelectTool>(tools)));
    CTool* first = tools.findTool("select");
    EXPECT_FALSE(tools.registerTool("select", std::make_unique<CSelectTool>(tools)));
    EXPECT_FALSE(tools.registerTool("other", nullptr));
    EXPECT_EQ(tools.findTool("select"), first);
    EXPECT_EQ(tools.toolCount(), 1u);
}

TEST(TypeTools, ButtonTipsNameWhatTheButtonPlacesInTheLanguage)
{
    EXPECT_EQ(buttonToolTip(32805, Language::Russian), "ccc4\nстолбик с накидом — ссн");
    EXPECT_EQ(buttonToolTip(32805, Language::English), "ccc4\ndouble crochet — dc");
    EXPECT_EQ(buttonToolTip(32819, Language::English), "double2to1flat\ndouble crochet 2 together — dc2tog");
    EXPECT_EQ(buttonToolTip(32781, Language::Russian), "line\nлиния");
    EXPECT_EQ(buttonToolTip(32781, Language::English), "line");
    EXPECT_EQ(buttonToolTip(cmd::kChainRing, Language::Russian), "chainsring\nкольцо из в. п.");
    EXPECT_EQ(buttonToolTip(cmd::kSelect, Language::English), "Выбор");
    // Every symbol button of the palettes names its stitch.
    for (const PaletteInfo& palette : palettes())
        for (uint16_t id : palette.buttons)
            if (const ElementType* type = elementTypeOfCommand(id); type && isCountedSymbol(type->kind)) {
                EXPECT_NE(buttonToolTip(id, Language::English).find('\n'), std::string::npos) << type->name;
            }
}
