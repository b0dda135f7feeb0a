#pragma once
// One undoable change to a chart. A command refers to elements but never owns
// them: deleting only hides, so undo and redo work on the same objects and
// never copy or rebuild the chart.

namespace loopora {

class CCommand {
public:
    virtual ~CCommand() = default;
    CCommand() = default;
    CCommand(const CCommand&) = delete;
    CCommand& operator=(const CCommand&) = delete;

    // Performs the change: the first execution and every redo. False when it
    // cannot be done.
    virtual bool Do() = 0;
    // Reverses the change; false leaves the command where it is in the history.
    virtual bool Undo() = 0;
};

} // namespace loopora
