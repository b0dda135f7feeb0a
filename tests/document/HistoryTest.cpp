// Invariants: the history runs a command once and records it only when its Do
// succeeds; the redo tail is dropped only by a successful new command; Undo
// and Redo move the position by one, and with nothing to do they succeed and
// change nothing; a command whose undo fails stays in place and blocks older
// ones.

#include "document/History.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace loopora;

namespace {

// Writes what happens to it into a shared log; can be told to fail.
class LoggingCommand : public CCommand {
public:
    LoggingCommand(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    ~LoggingCommand() override { log_.push_back("~" + name_); }

    bool Do() override
    {
        log_.push_back("do " + name_);
        return !failDo;
    }
    bool Undo() override
    {
        log_.push_back("undo " + name_);
        return !failUndo;
    }

    bool failDo = false;
    bool failUndo = false;

private:
    std::string name_;
    std::vector<std::string>& log_;
};

struct Log {
    std::vector<std::string> lines;
    std::unique_ptr<LoggingCommand> command(std::string name) { return std::make_unique<LoggingCommand>(name, lines); }
    std::vector<std::string> take() { return std::exchange(lines, {}); }
};

using Lines = std::vector<std::string>;

} // namespace

TEST(History, StartsEmpty)
{
    CHistory h;
    EXPECT_EQ(h.size(), 0u);
    EXPECT_EQ(h.position(), 0);
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
}

TEST(History, ExecuteRunsTheCommandOnceAndRecordsIt)
{
    Log log;
    CHistory h;
    EXPECT_TRUE(h.Execute(log.command("A")));
    EXPECT_EQ(log.take(), (Lines{"do A"}));
    EXPECT_EQ(h.size(), 1u);
    EXPECT_EQ(h.position(), 1);
}

TEST(History, NewCommandAfterUndoDropsTheUndoneOne)
{
    Log log;
    {
        CHistory h;
        h.Execute(log.command("A"));
        h.Execute(log.command("B"));
        EXPECT_TRUE(h.Undo());
        log.take();
        EXPECT_TRUE(h.Execute(log.command("C")));
        EXPECT_EQ(log.take(), (Lines{"do C", "~B"}));
        EXPECT_EQ(h.size(), 2u);
        EXPECT_EQ(h.position(), 2);
        EXPECT_TRUE(h.Redo()); // nothing left to redo
        EXPECT_TRUE(log.take().empty());
        EXPECT_TRUE(h.Undo());
        EXPECT_TRUE(h.Undo());
        EXPECT_EQ(log.take(), (Lines{"undo C", "undo A"}));
    }
    EXPECT_EQ(log.take(), (Lines{"~A", "~C"}));
}

TEST(History, UndoPastTheStartSucceedsAndDoesNothing)
{
    Log log;
    CHistory h;
    h.Execute(log.command("A"));
    EXPECT_TRUE(h.Undo());
    EXPECT_TRUE(h.Undo());
    EXPECT_EQ(log.take(), (Lines{"do A", "undo A"}));
    EXPECT_EQ(h.position(), 0);
    EXPECT_TRUE(h.Redo());
    EXPECT_EQ(log.take(), (Lines{"do A"}));
    EXPECT_EQ(h.position(), 1);
}

TEST(History, UndoAndRedoOnAnEmptyHistorySucceed)
{
    CHistory h;
    EXPECT_TRUE(h.Undo());
    EXPECT_TRUE(h.Redo());
    EXPECT_EQ(h.position(), 0);
}

TEST(History, FailingCommandIsDroppedAndTheRedoTailKept)
{
    Log log;
    CHistory h;
    h.Execute(log.command("A"));
    h.Execute(log.command("B"));
    h.Undo();
    log.take();
    auto failing = log.command("F");
    failing->failDo = true;
    EXPECT_FALSE(h.Execute(std::move(failing)));
    EXPECT_EQ(log.take(), (Lines{"do F", "~F"}));
    EXPECT_EQ(h.size(), 2u);
    EXPECT_EQ(h.position(), 1);
    EXPECT_TRUE(h.Redo());
    EXPECT_EQ(log.take(), (Lines{"do B"}));
}

TEST(History, NullCommandIsRefused)
{
    CHistory h;
    EXPECT_FALSE(h.Execute(nullptr));
    EXPECT_EQ(h.size(), 0u);
}

TEST(History, FailedUndoStaysAndBlocksOlderCommands)
{
    Log log;
    CHistory h;
    h.Execute(log.command("A"));
    auto stuck = log.command("B");
    stuck->failUndo = true;
    h.Execute(std::move(stuck));
    log.take();
    EXPECT_FALSE(h.Undo());
    EXPECT_FALSE(h.Undo());
    EXPECT_EQ(log.take(), (Lines{"undo B", "undo B"}));
    EXPECT_EQ(h.position(), 2);
    EXPECT_EQ(h.size(), 2u);
}

TEST(History, FailedRedoLeavesThePosition)
{
    Log log;
    CHistory h;
    auto flaky = log.command("A");
    LoggingCommand* a = flaky.get();
    h.Execute(std::move(flaky));
    h.Undo();
    a->failDo = true;
    EXPECT_FALSE(h.Redo());
    EXPECT_EQ(h.position(), 0);
    a->failDo = false;
    EXPECT_TRUE(h.Redo());
    EXPECT_EQ(h.position(), 1);
}

TEST(History, IsCleanExactlyAtTheSavedPosition)
{
    Log log;
    CHistory h;
    EXPECT_TRUE(h.isClean());
    h.Undo(); // nothing to undo
    h.Redo(); // nothing to redo
    auto failing = log.command("a");
    failing->failDo = true;
    h.Execute(std::move(failing));
    EXPECT_TRUE(h.isClean());
    h.Execute(log.command("b"));
    EXPECT_FALSE(h.isClean());
    h.Undo();
    EXPECT_TRUE(h.isClean());
    h.Redo();
    EXPECT_FALSE(h.isClean());

    h.setClean(); // saved after b
    h.Execute(log.command("c"));
    h.Undo();
    EXPECT_TRUE(h.isClean());
    h.Undo();
    h.Redo();
    EXPECT_TRUE(h.isClean());

    // Undoing past the saved state and doing something new loses it for good.
    h.Undo();
    h.Execute(log.command("d"));
    EXPECT_FALSE(h.isClean());
    h.Undo();
    EXPECT_FALSE(h.isClean());
    h.Redo();
    EXPECT_FALSE(h.isClean());
}
