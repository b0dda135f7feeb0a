// The chart remembers unsaved changes: commands done, undone and redone, and
// the colour, label text and chart parameter changes made outside the
// history. Closing a modified chart, or leaving the program, asks first.
// Charts are named by their file, or "Схема" and a number that is never
// reused; saving under another name renames the chart and its window.

#include "elements/PrototypeTable.h"
#include "elements/TextElement.h"
#include "view/Application.h"
#include "view/CommandIds.h"
#include "view/dialogs/DialogModel.h"
#include "view/MouseEvent.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <memory>

using namespace loopora;

namespace {

// A window whose dialogs are answered by the test: confirmed as preset, or with values.
class FakeWindow : public ViewHost {
public:
    Size clientSize() const override { return {400, 300}; }
    void showScrollBars(const ScrollBars&) override {}
    void update(const Rect&) override {}
    void showCoordinates(Point, Point) override {}
    uint16_t popupMenu(int, Point) override { return 0; }
    bool runDialog(DialogModel& dialog) override
    {
        for (const auto& [key, value] : dialogValues)
            dialog.setFieldText(key, value);
        return !dialog.validate();
    }
    std::optional<Colour> chooseColour(Colour) override { return colours::blue; }
    std::optional<std::string> askBitmapFileName() override { return std::nullopt; }
    void messageBox(const std::string&) override {}

    std::vector<std::pair<std::string, std::string>> dialogValues;
};

class FakeDesktop : public AppHost {
public:
    ViewHost& openChartWindow(const std::string& caption) override
    {
        captions.push_back(caption);
        windows.push_back(std::make_unique<FakeWindow>());
        return *windows.back();
    }
    void closeChartWindow(ViewHost& window) override
    {
        std::erase_if(windows, [&](const auto& w) { return w.get() == &window; });
    }
    bool runDialog(DialogModel&) override { return true; }
    std::optional<std::string> askOpenFileName() override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const std::string& suggestion) override
    {
        suggestions.push_back(suggestion);
        return savePath;
    }
    void messageBox(const std::string&) override {}
    SaveChanges askSaveChanges(const std::string& chartName) override
    {
        asked.push_back(chartName);
        SaveChanges answer = answers.empty() ? SaveChanges::Cancel : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    void chartFileUsed(const std::string& path) override { used.push_back(path); }
    void chartRenamed(ViewHost& window, const std::string& caption) override
    {
        renamed.emplace_back(&window, caption);
    }
    void exit() override { exited = true; }
    bool confirm(const std::string& question) override
    {
        questions.push_back(question);
        return confirmation;
    }

    std::vector<std::unique_ptr<FakeWindow>> windows;
    std::optional<std::string> savePath;
    std::deque<SaveChanges> answers;
    std::vector<std::string> asked;
    std::vector<std::string> used;
    std::vector<std::string> captions;
    std::vector<std::string> suggestions;
    std::vector<std::pair<ViewHost*, std::string>> renamed;
    bool exited = false;
    std::vector<std::string> questions;
    bool confirmation = false;
};

class NoExport : public ChartExporter {
public:
    ExportOutcome exportChart(CPattraDoc&, const std::string&, std::string&) override { return ExportOutcome::Written; }
};

class ModifiedTracking : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(app.newChart(300, 300, 1, 30)); }

    // A double dragged from its base to its top with the current tool.
    void placeDouble(int x = 100)
    {
        CPattraView& view = *app.activeView();
        view.onCommand(32805);
        view.onButtonDown({x, 200}, kLeftButton);
        view.onMouseMove({x, 150}, kLeftButton);
        view.onButtonUp({x, 120}, kNoButton);
    }

    std::string tempFile(const char* name)
    {
        auto path = std::filesystem::temp_directory_path() / (std::string("loopora-modified-") + name);
        created.push_back(path);
        return path.string();
    }

    // Another file with the same contents: opening the chart's own file
    // again would only bring its window to the front.
    std::string copyOf(const std::string& path)
    {
        const std::string copy = tempFile("copy.chart");
        std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing);
        return copy;
    }

    void TearDown() override
    {
        for (const auto& p : created)
            std::filesystem::remove(p);
    }

    FakeWindow& window() { return static_cast<FakeWindow&>(*app.active()->window); }

    FakeDesktop desktop;
    NoExport exporter;
    CPattraApp app{desktop, exporter};
    std::vector<std::filesystem::path> created;
};

} // namespace

TEST_F(ModifiedTracking, NewChartIsNotModified)
{
    EXPECT_FALSE(app.isModified(0));
    EXPECT_EQ(app.chartName(0), "Схема1");
}

TEST_F(ModifiedTracking, PlacingUndoingAndRedoingMarkTheChart)
{
    placeDouble();
    ASSERT_EQ(app.active()->document->canvas().childCount(), 1u);
    EXPECT_TRUE(app.isModified(0));

    desktop.savePath = tempFile("a.chart");
    ASSERT_TRUE(app.onCommand(cmd::kSave));
    EXPECT_FALSE(app.isModified(0));
    EXPECT_EQ(desktop.used, std::vector<std::string>{*desktop.savePath});
    EXPECT_EQ(app.chartName(0), "loopora-modified-a.chart");

    app.onCommand(cmd::kUndo);
    EXPECT_TRUE(app.isModified(0));
    app.onCommand(cmd::kSave);
    EXPECT_FALSE(app.isModified(0));
    app.onCommand(cmd::kRedo);
    EXPECT_TRUE(app.isModified(0));
}

TEST_F(ModifiedTracking, UndoAndRedoBackToTheSavedStateLeaveItUnmodified)
{
    placeDouble();
    desktop.savePath = tempFile("b.chart");
    ASSERT_TRUE(app.onCommand(cmd::kSave));
    app.onCommand(cmd::kUndo);
    app.onCommand(cmd::kRedo);
    EXPECT_FALSE(app.isModified(0));
    app.onCommand(cmd::kUndo);
    app.onCommand(cmd::kUndo); // nothing more to undo
    app.onCommand(cmd::kRedo);
    EXPECT_FALSE(app.isModified(0));

    // A new chart is unmodified after its first placement is undone.
    app.newChart(300, 300, 0, 30);
    placeDouble();
    EXPECT_TRUE(app.isModified(1));
    app.onCommand(cmd::kUndo);
    EXPECT_FALSE(app.isModified(1));
}

TEST_F(ModifiedTracking, UndoWithNothingToUndoChangesNothing)
{
    app.onCommand(cmd::kUndo);
    app.onCommand(cmd::kRedo);
    EXPECT_FALSE(app.isModified(0));
}

TEST_F(ModifiedTracking, ElementColourMarksTheChart)
{
    placeDouble();
    desktop.savePath = tempFile("b.chart");
    app.onCommand(cmd::kSave);
    app.onCommand(cmd::kDrawingColour); // the pen of later stitches is no part of the chart
    EXPECT_FALSE(app.isModified(0));
    app.onCommand(cmd::kElementColour);
    EXPECT_TRUE(app.isModified(0));
}

TEST_F(ModifiedTracking, LabelTextMarksTheChartWhenItChanges)
{
    CPattraView& view = *app.activeView();
    view.onCommand(33046);
    view.onButtonDown({50, 50}, kLeftButton);
    view.onMouseMove({120, 90}, kLeftButton);
    view.onButtonUp({150, 100}, kNoButton);
    auto* label = dynamic_cast<CTextElement*>(view.canvas().current());
    ASSERT_NE(label, nullptr);
    app.active()->document->markSaved();

    view.onCommand(cmd::kText); // confirmed with the same, empty text
    EXPECT_FALSE(app.isModified(0));
    window().dialogValues = {{"text", "Ряд 1\r\nРяд 2"}};
    view.onCommand(cmd::kText);
    EXPECT_EQ(label->text(), "Ряд 1\r\nРяд 2");
    EXPECT_TRUE(app.isModified(0));
}

TEST_F(ModifiedTracking, ChartParametersMarkTheChartWhenTheyChange)
{
    CPattraView& view = *app.activeView();
    view.onCommand(cmd::kChartParameters);
    EXPECT_FALSE(app.isModified(0));
    window().dialogValues = {{"background", "2"}};
    view.onCommand(cmd::kChartParameters);
    EXPECT_TRUE(app.isModified(0));
}

TEST_F(ModifiedTracking, ClosingAnUnmodifiedChartAsksNothing)
{
    EXPECT_TRUE(app.onCommand(cmd::kClose));
    EXPECT_EQ(app.chartCount(), 0u);
    EXPECT_TRUE(desktop.asked.empty());
}

TEST_F(ModifiedTracking, ALabelThatWouldLoseCharactersAsksBeforeSaving)
{
    // A label read from a file's 16-bit text form may hold characters the file's code page lacks.
    CPattraView& view = *app.activeView();
    view.tools().selectTool("text");
    view.onButtonDown({20, 20}, kLeftButton);
    view.onMouseMove({60, 40}, kLeftButton);
    view.onButtonUp({120, 60}, kNoButton);
    ASSERT_EQ(app.active()->document->canvas().childCount(), 1u);
    auto& label = static_cast<CTextElement&>(*app.active()->document->canvas().child(0));
    label.setText("中文 Ж abc\r\n中");
    desktop.savePath = tempFile("labels.chart");

    app.onCommand(cmd::kSave);
    EXPECT_FALSE(std::filesystem::exists(*desktop.savePath));
    ASSERT_EQ(desktop.questions.size(), 1u);
    EXPECT_NE(desktop.questions[0].find("«中文 Ж abc 中»: 中 文\n"), std::string::npos) << desktop.questions[0];
    EXPECT_TRUE(app.isModified(0));

    desktop.confirmation = true;
    app.onCommand(cmd::kSave);
    EXPECT_EQ(desktop.questions.size(), 2u);
    ASSERT_TRUE(std::filesystem::exists(*desktop.savePath));
    EXPECT_FALSE(app.isModified(0));
    ASSERT_TRUE(app.openChart(copyOf(*desktop.savePath)));
    ASSERT_EQ(app.active()->document->canvas().childCount(), 1u);
    EXPECT_EQ(static_cast<CTextElement&>(*app.active()->document->canvas().child(0)).text(), "?? Ж abc\r\n?");

    // Labels the code page holds ask nothing.
    label.setText("Ряд 1");
    app.activate(0);
    app.onCommand(cmd::kSave);
    EXPECT_EQ(desktop.questions.size(), 2u);
}

TEST_F(ModifiedTracking, CancelKeepsAModifiedChartOpen)
{
    placeDouble();
    desktop.answers = {SaveChanges::Cancel};
    app.onCommand(cmd::kClose);
    EXPECT_EQ(app.chartCount(), 1u);
    EXPECT_EQ(desktop.asked, std::vector<std::string>{"Схема1"});
    EXPECT_TRUE(app.isModified(0));
}

TEST_F(ModifiedTracking, DiscardClosesWithoutSaving)
{
    placeDouble();
    desktop.answers = {SaveChanges::Discard};
    app.onCommand(cmd::kClose);
    EXPECT_EQ(app.chartCount(), 0u);
    EXPECT_TRUE(desktop.used.empty());
}

TEST_F(ModifiedTracking, SaveWritesTheChartThenCloses)
{
    placeDouble();
    desktop.answers = {SaveChanges::Save};
    desktop.savePath = tempFile("c.chart");
    app.onCommand(cmd::kClose);
    EXPECT_EQ(app.chartCount(), 0u);
    ASSERT_TRUE(std::filesystem::exists(*desktop.savePath));
    ASSERT_TRUE(app.openChart(*desktop.savePath));
    EXPECT_EQ(app.active()->document->canvas().childCount(), 1u);
    EXPECT_FALSE(app.isModified(0));
}

TEST_F(ModifiedTracking, SaveRefusedKeepsTheChartOpen)
{
    placeDouble();
    desktop.answers = {SaveChanges::Save}; // and no file name given to the save prompt
    app.onCommand(cmd::kClose);
    EXPECT_EQ(app.chartCount(), 1u);
}

TEST_F(ModifiedTracking, ExitAsksForEveryModifiedChartAndStopsAtCancel)
{
    placeDouble();
    ASSERT_TRUE(app.newChart(200, 200, 0, 30));
    placeDouble(60);
    ASSERT_TRUE(app.newChart(200, 200, 0, 30)); // unmodified: not asked about
    desktop.answers = {SaveChanges::Discard, SaveChanges::Cancel};
    app.onCommand(cmd::kExit);
    EXPECT_EQ(desktop.asked.size(), 2u);
    EXPECT_EQ(app.chartCount(), 3u);
    EXPECT_FALSE(desktop.exited);
    EXPECT_EQ(app.activeIndex(), 1u); // the chart asked about last is the active one

    desktop.answers = {SaveChanges::Discard, SaveChanges::Discard};
    app.onCommand(cmd::kExit);
    EXPECT_EQ(app.chartCount(), 0u);
    EXPECT_TRUE(desktop.exited);
}

TEST_F(ModifiedTracking, ALoadedChartStartsUnmodified)
{
    placeDouble();
    std::string path = tempFile("d.chart");
    ASSERT_TRUE(app.saveChartAs(path));
    ASSERT_TRUE(app.openChart(copyOf(path)));
    EXPECT_FALSE(app.isModified(1));
    EXPECT_EQ(app.chartName(1), "loopora-modified-copy.chart");
}

TEST_F(ModifiedTracking, NewChartsAreNumberedAndNumbersAreNotReused)
{
    ASSERT_TRUE(app.newChart(200, 200, 0, 30));
    app.closeChart(1);
    ASSERT_TRUE(app.newChart(200, 200, 0, 30));
    EXPECT_EQ(app.chartName(1), "Схема3");
    EXPECT_EQ(desktop.captions, (std::vector<std::string>{"Схема1", "Схема2", "Схема3"}));
}

TEST_F(ModifiedTracking, AnOpenedChartIsCaptionedWithItsFileName)
{
    std::string path = tempFile("e.chart");
    ASSERT_TRUE(app.saveChartAs(path));
    app.closeChart(0);
    ASSERT_TRUE(app.openChart(path));
    EXPECT_EQ(desktop.captions.back(), "loopora-modified-e.chart");
}

TEST_F(ModifiedTracking, SaveAsWritesANewFileAndRenamesTheChart)
{
    placeDouble();
    desktop.savePath = tempFile("f.chart");
    ASSERT_TRUE(app.onCommand(cmd::kSave));
    ASSERT_EQ(desktop.renamed.size(), 1u);
    EXPECT_EQ(desktop.renamed[0], std::make_pair(app.active()->window, std::string("loopora-modified-f.chart")));

    placeDouble(60);
    desktop.savePath = tempFile("g.chart");
    ASSERT_TRUE(app.onCommand(cmd::kSaveAs));
    EXPECT_EQ(desktop.suggestions, (std::vector<std::string>{"Схема1", tempFile("f.chart")}));
    EXPECT_EQ(app.chartName(0), "loopora-modified-g.chart");
    EXPECT_EQ(desktop.renamed.back().second, "loopora-modified-g.chart");
    EXPECT_FALSE(app.isModified(0));
    EXPECT_EQ(desktop.used.back(), *desktop.savePath);

    // The old file keeps what it had; the new one has both stitches, and a
    // plain save now goes to it without asking.
    ASSERT_TRUE(app.openChart(tempFile("f.chart")));
    EXPECT_EQ(app.active()->document->canvas().childCount(), 1u);
    app.activate(0);
    placeDouble(200);
    desktop.savePath.reset();
    ASSERT_TRUE(app.onCommand(cmd::kSave));
    ASSERT_TRUE(app.openChart(copyOf(tempFile("g.chart"))));
    EXPECT_EQ(app.active()->document->canvas().childCount(), 3u);
}

TEST_F(ModifiedTracking, SaveAsCancelledKeepsTheChartAsItWas)
{
    placeDouble();
    ASSERT_TRUE(app.onCommand(cmd::kSaveAs)); // the prompt gives no file
    EXPECT_TRUE(app.isModified(0));
    EXPECT_EQ(app.chartName(0), "Схема1");
    EXPECT_TRUE(desktop.renamed.empty());
    EXPECT_TRUE(desktop.used.empty());
}

TEST_F(ModifiedTracking, SaveAsThatCannotWriteKeepsTheOldName)
{
    placeDouble();
    desktop.savePath = tempFile("h.chart");
    ASSERT_TRUE(app.onCommand(cmd::kSave));
    desktop.savePath = "/nonexistent/loopora/chart";
    app.onCommand(cmd::kSaveAs);
    EXPECT_EQ(app.chartName(0), "loopora-modified-h.chart");
    EXPECT_EQ(app.active()->path, tempFile("h.chart"));
    EXPECT_EQ(desktop.renamed.size(), 1u);
}
