#pragma once
// The undo history of one canvas: every command that was done, oldest first,
// and the position that separates what can be undone from what can be redone.

#include "document/commands/Command.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace loopora {

class CHistory {
public:
    // Runs a new command and records it when it succeeds. The history takes
    // the command whatever the result; a command that fails is dropped, and
    // the redo tail is dropped only after a successful Do.
    bool Execute(std::unique_ptr<CCommand> command);
    // Both succeed and do nothing when there is nothing to undo or redo. A
    // command whose undo fails stays in place and blocks the older ones.
    bool Undo();
    bool Redo();

    size_t size() const { return commands_.size(); }
    int32_t position() const { return position_; }
    bool canUndo() const { return position_ > 0; }
    bool canRedo() const { return size_t(position_) < commands_.size(); }
    const CCommand* command(size_t i) const { return commands_[i].get(); }
    // The clean position: the chart was saved (or made, or loaded) with the
    // history at this position. Undo and Redo back to it make the chart
    // unmodified again; a new command made after undoing past it discards
    // the commands that led there, so no position is clean any more.
    void setClean() { clean_ = position_; }
    bool isClean() const { return clean_ == position_; }
    // A number no other state of any chart shares: it moves on with every
    // command done, undone or redone (and every one that failed part way),
    // so what is read from a chart is read again only when it moved on.
    uint64_t stamp() const { return stamp_; }

private:
    std::vector<std::unique_ptr<CCommand>> commands_;
    int32_t position_ = 0;
    int32_t clean_ = 0; // -1 when the saved state can no longer be reached
    uint64_t stamp_ = nextStamp();

    static uint64_t nextStamp();
};

} // namespace loopora
