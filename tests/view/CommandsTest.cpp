// Invariants of the view's commands: tools are chosen by their buttons and
// the buttons show the current tool; the context menu fits the current
// element; size, mirror and arrangement commands act on the current element
// through their dialogs; the clipboard is shared by every chart and emptied
// when any chart closes; undo and redo run through the menu ids.

#include "arrangements/ArcArrangement.h"
#include "arrangements/RowArrangement.h"
#include "document/TypeTable.h"
#include "elements/Nesting.h"
#include "elements/TextElement.h"
#include "stitches/ChainOval.h"
#include "support/Session.h"
#include "support/TestCharts.h"
#include "view/CommandIds.h"
#include "view/tools/ArrangementTools.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace loopora;
using loopora::test::childAt;
using loopora::test::Session;

TEST(ToolRegistry, ViewStartsWithDoubleAndKnowsEveryTool)
{
    Session s;
    s.run({"new 300 300 0 30"});
    EXPECT_EQ(s.view().tools().currentToolName(), "double");
    for (const char* name : {"line", "text", "rectangle", "chainsring", "lines", "rings", "mixrings", "select", "move",
                             "change", "scale", "rotatebyarc", "hrotate", "vrotate", "treble1to4flat", "treble1to4set",
                             "doubletreble1to7set"})
        EXPECT_TRUE(s.view().tools().findTool(name)) << name;
    EXPECT_FALSE(s.view().tools().selectTool("nosuchtool"));
    EXPECT_EQ(s.view().tools().currentToolName(), "double");
}

TEST(CommandTable, ButtonsShowTheCurrentTool)
{
    Session s;
    s.run({"new 300 300 0 30", "command 32783"});
    EXPECT_EQ(s.view().tools().currentToolName(), "rotatebyarc");
    EXPECT_TRUE(s.app().isCommandChecked(cmd::kRotate));
    EXPECT_TRUE(s.app().isCommandChecked(cmd::kRotateHidden));
    EXPECT_FALSE(s.app().isCommandChecked(32805));
    // Every fan button places its own symbol, the eleventh treble one included.
    s.run({"command 32982"});
    EXPECT_EQ(s.view().tools().currentToolName(), "treble1to4flat");
    s.run({"drag 100 200 100 120"});
    EXPECT_EQ(s.element(0)->typeId(), 101);
}

TEST(ContextMenu, FitsTheCurrentElement)
{
    Session s;
    s.run({"new 400 400 0 30", "answer menu 0", "rclick 50 50"});
    EXPECT_EQ(s.output(), "menu 157: \"Параметры схемы\"\n");
    s.run({"tool text", "drag 100 100 200 150", "answer menu 0", "rclick 150 120"});
    EXPECT_EQ(s.output(), "menu 158: \"Текст\" \"Цвет\"\n");
    s.run({"tool double", "drag 300 300 300 220", "answer menu 0", "rclick 300 260"});
    EXPECT_EQ(s.output(), "menu 156: \"Размер\" \"Цвет\" \"Разгруппировать\" \"Перевернуть вправо\" \"Перевернуть вниз\" "
                          "\"Создать ряд\" \"Создать дугу\" \"Создать дугу с петлями\"\n");
}

TEST(TextLabel, TextIsSetThroughItsDialog)
{
    Session s;
    s.run({"new 400 400 0 30", "tool text", "drag 100 100 250 150", "answer menu 33038",
           "answer ok \"text=Ряд 1\\nповтор\"", "rclick 150 120"});
    auto* label = dynamic_cast<CTextElement*>(s.element(0));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), "Ряд 1\r\nповтор");
    // Characters a chart file cannot hold are refused and the dialog stays open.
    s.run({"answer menu 33038", "answer ok text=中文", "answer cancel", "rclick 150 120"});
    EXPECT_NE(s.output().find("dialog: «Текст:»"), std::string::npos);
    EXPECT_EQ(label->text(), "Ряд 1\r\nповтор");
}

TEST(SizeCommand, ScalesSymbolsAboutTheFrameCentreButNotLines)
{
    Session s;
    s.run({"new 400 400 0 30", "tool line", "drag 50 50 150 50", "answer menu 32786", "rclick 100 50"});
    EXPECT_EQ(s.historySize(), 1u); // no dialog, nothing done
    s.run({"tool double", "drag 200 300 200 200"});
    Rect before = Rect::spanned(s.element(1)->points()[0], s.element(1)->points()[2]);
    s.run({"answer menu 32786", "answer ok widthfactor=2 heightfactor=0.5", "rclick 200 250"});
    Rect after = Rect::spanned(s.element(1)->points()[0], s.element(1)->points()[2]);
    EXPECT_NEAR(double(after.width()), 2.0 * double(before.width()), 12);
    EXPECT_NEAR(double(after.height()), 0.5 * double(before.height()), 12);
    EXPECT_NEAR((after.left + after.right) / 2, (before.left + before.right) / 2, 6);
}

TEST(MirrorCommand, MirrorsTheSelectionAboutTheCurrentElementsRightEdge)
{
    Session s;
    s.run({"new 600 400 0 30", "tool double", "drag 100 300 100 200", "drag 200 300 200 200", "tool select",
           "click 100 250", "click 200 250 ctrl"});
    Point corner = s.element(1)->boundsCorner();
    std::vector<Point> firstStem = childAt(s.element(0), 1)->points();
    s.run({"answer menu 32954", "rclick 200 250"});
    EXPECT_EQ(childAt(s.element(0), 1)->points()[0].x, 2 * corner.x - firstStem[0].x);
    // Mirroring again uses the current element's new bounds: the symbols move on to the right.
    s.run({"answer menu 32954", "rclick 200 250"});
    EXPECT_GT(childAt(s.element(0), 1)->points()[0].x, firstStem[0].x);
}

// Worked into three stitches, a decrease stands in no round of its own.
TEST(Arrangements, RowOfADecreaseDoesNothing)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double3to1", "drag 100 300 100 200", "answer menu 33042", "rclick 100 250"});
    EXPECT_EQ(s.view().tools().currentToolName(), "double3to1");
    s.run({"answer menu 33043", "rclick 100 250"});
    EXPECT_EQ(s.view().tools().currentToolName(), "double3to1");
}

TEST(Arrangements, ArcWithLoopsRefusesChainsAndAcceptsDoubles)
{
    Session s;
    s.run({"new 400 400 0 30", "tool chain", "drag 50 100 50 140", "answer menu 33044", "rclick 50 120"});
    EXPECT_EQ(s.view().tools().currentToolName(), "chain");
    s.run({"tool double", "drag 200 300 200 220", "answer menu 33044", "answer ok count=6 loops=2", "rclick 200 260"});
    EXPECT_EQ(s.view().tools().currentToolName(), "mixrings");
    s.run({"drag 200 200 280 200"});
    auto* arc = dynamic_cast<CLoopedArcArrangement*>(s.element(2));
    ASSERT_TRUE(arc);
    EXPECT_EQ(arc->childCount(), 6u + 6u * 2u);
    EXPECT_EQ(s.canvas().current(), arc);
    // One undo takes the whole arrangement away.
    s.run({"undo"});
    EXPECT_TRUE(arc->hasFlag(kHidden));
}

TEST(Arrangements, ChainsOpenTheRowAndArcDialogsLyingAlong)
{
    Session s;
    s.run({"new 400 400 0 30", "tool chain", "drag 50 100 50 140", "answer menu 33042", "answer ok", "rclick 50 120"});
    EXPECT_EQ(s.view().tools().currentToolName(), "lines");
    CRowArrangement& row = s.view().tools().rowTool()->row();
    EXPECT_TRUE(row.alongLine());
    EXPECT_EQ(row.count(), 10);
    EXPECT_EQ(row.stitchTemplate()->typeId(), typeids::kChain);
    s.run({"tool select", "click 50 120", "answer menu 33043", "answer ok", "rclick 50 120"});
    CArcArrangement& arc = s.view().tools().arcTool()->arc();
    EXPECT_TRUE(arc.alongArc());
    EXPECT_EQ(arc.height(), 10.0);
    EXPECT_EQ(arc.count(), 10);
}

TEST(Arrangements, CancelledChainRingDialogStillChoosesTheTool)
{
    Session s;
    s.run({"new 400 400 0 30", "answer cancel", "command 33029"});
    EXPECT_EQ(s.view().tools().currentToolName(), "chainsring");
    s.run({"answer ok count=8 loopsize=3", "command 33029", "drag 100 200 300 200"});
    EXPECT_EQ(s.element(0)->childCount(), 8u);
}

TEST(Arrangements, ChainRingDialogRefusesALoopSizeOfZero)
{
    Session s;
    s.run({"new 400 400 0 30", "answer ok count=6 loopsize=0", "answer ok loopsize=-0", "answer ok loopsize=0.5",
           "command 33029"});
    EXPECT_EQ(s.output(), "dialog: «Размер петли»: введите число от 0.1 до 100.\n"
                          "dialog: «Размер петли»: введите число от 0.1 до 100.\n");
    s.run({"drag 100 200 300 200"});
    ASSERT_EQ(s.elements(), 1u);
    EXPECT_EQ(static_cast<const CChainOval*>(childAt(s.element(0), 0))->ratio(), 0.5);
}

TEST(Dialogs, FieldsAreCheckedInExchangeOrder)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 200 300 200 220", "answer menu 33044",
           "answer ok loops=9 count=1", "answer ok loops=2 count=51", "answer cancel", "rclick 200 260"});
    EXPECT_EQ(s.output(), "menu 156: \"Размер\" \"Цвет\" \"Разгруппировать\" \"Перевернуть вправо\" \"Перевернуть вниз\" "
                          "\"Создать ряд\" \"Создать дугу\" \"Создать дугу с петлями\"\n"
                          "dialog: «Количество петель (1...5)»: введите целое число от 1 до 5.\n"
                          "dialog: «Количество (4...50)»: введите целое число от 4 до 50.\n");
}

TEST(ChartParameters, OffersTheChartsOwnSize)
{
    Session s;
    s.run({"new 300 200 2 20", "new 500 400 1 30", "window 1", "answer menu 33037", "answer ok spacing=10",
           "rclick 10 10"});
    EXPECT_EQ(s.app().chart(0).document->chartWidth(), 300);
    EXPECT_EQ(s.app().chart(0).document->chartHeight(), 200);
    EXPECT_EQ(s.app().chart(0).document->canvas().lineSpacing(), 10);
    EXPECT_EQ(s.app().chart(0).document->canvas().backgroundKind(), 2);
}

TEST(Clipboard, CopyInOneChartPasteInAnotherAndCloseEmptiesIt)
{
    Session s;
    s.run({"new 400 400 0 30", "tool line", "drag 50 50 100 50", "copy", "new 400 400 0 30", "paste"});
    ASSERT_EQ(s.elements(), 1u);
    EXPECT_EQ(s.element(0)->points()[0], (Point{65, 50}));
    EXPECT_EQ(s.element(0)->canvas(), &s.canvas());
    s.run({"paste"});
    EXPECT_EQ(s.element(1)->points()[0], (Point{70, 50}));
    s.run({"new 400 400 0 30", "close", "window 2", "paste"});
    EXPECT_EQ(s.elements(), 2u);
}

TEST(Clipboard, CutPasteAndTwoUndos)
{
    Session s;
    s.run({"new 400 400 0 30", "tool line", "drag 50 50 100 50", "cut", "paste"});
    ASSERT_EQ(s.elements(), 2u);
    EXPECT_TRUE(s.element(0)->hasFlag(kHidden));
    EXPECT_FALSE(s.element(1)->hasFlag(kHidden));
    s.run({"undo"});
    EXPECT_TRUE(s.element(1)->hasFlag(kHidden));
    s.run({"undo"});
    EXPECT_FALSE(s.element(0)->hasFlag(kHidden));
}

TEST(UndoRedo, RunThroughTheMenuIds)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 100 200 100 120", "command 57643"});
    EXPECT_TRUE(s.element(0)->hasFlag(kHidden));
    s.run({"command 57644"});
    EXPECT_FALSE(s.element(0)->hasFlag(kHidden));
}

TEST(Rotation, NothingCurrentNothingHitDoesNothing)
{
    Session s;
    s.run({"new 400 400 0 30", "tool double", "drag 100 200 100 120", "tool select", "click 350 350",
           "tool rotatebyarc", "drag 300 300 300 350"});
    EXPECT_EQ(s.historySize(), 1u);
    // With a symbol under the pointer it is selected, made current and turned.
    std::vector<Point> before = childAt(s.element(0), 1)->points();
    s.run({"drag 100 130 60 160"});
    EXPECT_EQ(s.canvas().current(), s.element(0));
    EXPECT_EQ(s.historySize(), 2u);
    EXPECT_NE(childAt(s.element(0), 1)->points(), before);
}

TEST(Windows, NewWindowIsRefusedAndScriptsSayWhatWentWrong)
{
    Session s;
    s.run({"new 400 400 0 30", "command 57648"});
    EXPECT_EQ(s.app().chartCount(), 1u);
    EXPECT_EQ(s.refused("rclick 10 10"), "a context menu opened with no answer queued for it");
    EXPECT_EQ(s.refused("frobnicate"), "unknown step \"frobnicate\"");
    s.run({"close"});
    EXPECT_EQ(s.refused("undo"), "command 57643 reaches no chart");
    EXPECT_EQ(s.refused("dump"), "no chart is open");
}

TEST(Scripts, AFailedExportStopsTheScript)
{
    Session s;
    s.run({"new 300 300 0 30"});
    EXPECT_EQ(s.refused("export /no/such/folder/chart.bmp"), "the bitmap /no/such/folder/chart.bmp was not written");
    EXPECT_NE(s.output().find("message: "), std::string::npos);

    std::istringstream script("new 300 300 0 30\n# a comment\nexport /no/such/folder/chart.bmp\nundo\n");
    std::ostringstream out, err;
    cli::ScriptRunner runner({400, 300}, out);
    EXPECT_EQ(runner.run(script, err), 1);
    EXPECT_EQ(err.str().rfind("script line 3: ", 0), 0u) << err.str();
}

TEST(Scripts, AnswersMustFitWhatTheyAnswer)
{
    Session s;
    s.run({"new 300 300 0 30", "tool double", "drag 100 200 100 120"});
    // Every field of a colour answer is checked, not only the first.
    s.run({"answer ok colour=200,0,0 bogus=7"});
    EXPECT_EQ(s.refused("command 32776"), "the colour dialog has no field bogus");
    s.run({"answer ok colour=200,0,0 colour=0,0,9"});
    EXPECT_EQ(s.refused("command 32776"), "the colour dialog's answer needs colour=R,G,B, once");
    // A menu answer must name a command of the menu shown: 33037 is on the chart's menu, not the element's.
    s.run({"answer menu 33037"});
    EXPECT_EQ(s.refused("rclick 100 160"), "the menu 156 has no command 33037");
    s.output();
    s.run({"answer menu 0", "rclick 100 160", "answer menu 32786", "answer ok widthfactor=2 heightfactor=2",
           "rclick 100 160"});
    EXPECT_EQ(s.historySize(), 2u);
}

TEST(Group, TheDeepestGroupTheEditorMakesOpensAgainAndNoDeeperOneIsMade)
{
    Session s;
    s.run({"new 300 300 0 30", "tool line", "drag 50 50 150 50"});
    for (int level = 2; level <= kDeepestNesting; ++level)
        s.run({"group"});
    ASSERT_EQ(s.elements(), 1u);
    EXPECT_EQ(nestingDepth(*s.element(0)), kDeepestNesting);
    const std::string path = (std::filesystem::temp_directory_path() / "loopora-deepest-group.chart").string();
    s.run({"save " + path, "close", "open " + path});
    ASSERT_EQ(s.app().chartCount(), 1u);
    EXPECT_EQ(nestingDepth(*s.element(0)), kDeepestNesting);
    std::filesystem::remove(path);

    // One more level is refused with a word to the user, and nothing is recorded.
    const size_t steps = s.historySize();
    s.output();
    s.run({"tool select", "click 100 50", "group"});
    EXPECT_EQ(s.output(), "message: Группа не создана: в схеме может быть не больше 256 уровней вложенных групп.\n");
    EXPECT_EQ(s.historySize(), steps);
    EXPECT_EQ(nestingDepth(*s.element(0)), kDeepestNesting);
}

TEST(Scripts, SavingALabelThatWouldLoseCharactersStopsTheScript)
{
    Session s;
    s.run({"new 300 300 0 30", "tool text", "drag 10 10 120 40"});
    static_cast<CTextElement*>(s.element(0))->setText("中文 Ж abc");
    const std::string path = (std::filesystem::temp_directory_path() / "loopora-lossy-label.chart").string();
    std::filesystem::remove(path);
    EXPECT_EQ(s.refused("save " + path),
              "Схема не сохранена: в кодировке Windows-1251 нет этих знаков меток:\n«中文 Ж abc»: 中 文");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Sessions, AMissingElementFailsOnlyTheTestThatAsksForIt)
{
    Session s;
    s.run({"new 300 300 0 30", "tool double", "drag 100 200 100 120"});
    EXPECT_THROW(s.element(1), std::out_of_range);
    EXPECT_THROW(childAt(s.element(0), 3), std::out_of_range);
    EXPECT_EQ(childAt(s.element(0), 2)->typeId(), typeids::kLine);
}

// A round of any symbol worked into one stitch is one arc: each copy stands
// on its own point of the circle, turned outward, built as the symbol would
// be on that frame by hand; a row stands its copies across the line.
TEST(Arrangements, RowsAndArcsRepeatEverySymbolWorkedIntoOneStitch)
{
    for (const char* tool : {"single1to2", "double1to3", "halfdouble1to3", "double1to3zao", "ystitch"}) {
        SCOPED_TRACE(tool);
        Session s;
        s.run({"new 600 600 0 30", std::string("tool ") + tool, "drag 300 500 300 470", "answer menu 33043",
               "answer ok count=12 angle=360", "rclick 300 485", "drag 300 300 300 240"});
        auto* arc = dynamic_cast<CArcArrangement*>(s.element(1));
        ASSERT_TRUE(arc);
        ASSERT_EQ(arc->childCount(), 12u);
        const StitchFrames frames = arc->frames({300, 300}, {300, 240});
        for (size_t i = 0; i < 12; ++i) {
            EXPECT_EQ(arc->child(i)->typeId(), typeIdOfName(tool));
            CCanvas canvas;
            auto byHand = test::built(typeIdOfName(tool), {frames[i].first, frames[i].second}, &canvas,
                                      {2, colours::black, 0});
            EXPECT_EQ(arc->child(i)->points(), byHand->points()) << i;
        }
        s.run({"tool select", "click 300 485", "answer menu 33042", "answer ok count=5", "rclick 300 485",
               "drag 100 100 500 100"});
        auto* row = dynamic_cast<CRowArrangement*>(s.element(2));
        ASSERT_TRUE(row);
        EXPECT_EQ(row->childCount(), 5u);
    }
}
