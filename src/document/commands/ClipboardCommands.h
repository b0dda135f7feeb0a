#pragma once
// The undoable halves of Cut and Paste; the element clipboard itself lives in
// document/Clipboard.h and the canvas fills it.

#include "document/commands/Command.h"

#include <cstdint>
#include <vector>

namespace loopora {

class CCanvas;
class CChartElement;

// Hides the cut elements, which stop being selected or current. Undo shows
// them again, unselected.
class CCutCommand : public CCommand {
public:
    // Elements already hidden are left out, so that undoing this cut shows
    // only what it hid.
    CCutCommand(CCanvas& canvas, std::vector<CChartElement*> elements);

    // Fails when there is nothing left to hide.
    bool Do() override;
    bool Undo() override;

private:
    CCanvas& canvas_;
    std::vector<CChartElement*> elements_;
};

// Adds copies of the clipboard's elements to a canvas, each shifted right by
// (paste number + 2) x 5 pixels, never down. The copies are made once; undo
// hides them and redo shows the same copies again. Pasted elements are not
// selected.
class CPasteCommand : public CCommand {
public:
    CPasteCommand(std::vector<const CChartElement*> sources, int32_t pasteNumber, CCanvas& target)
        : sources_(std::move(sources)), pasteNumber_(pasteNumber), target_(target)
    {
    }

    // The first time fails when nothing could be copied.
    bool Do() override;
    // Also lets go of any copy the user selected since, so that no hidden
    // element stays selected.
    bool Undo() override;

    const std::vector<CChartElement*>& clones() const { return clones_; }

private:
    bool pasteCopies();

    std::vector<const CChartElement*> sources_; // the clipboard's elements, until the first Do
    std::vector<CChartElement*> clones_;        // the copies, owned by the target canvas
    int32_t pasteNumber_;
    CCanvas& target_;
    bool done_ = false;
};

} // namespace loopora
