#pragma once
// The root element of a chart: its children are everything drawn on the sheet.
// It also keeps the sheet's background settings, the selection, the current
// element, the undo history and the window it is shown in.

#include "elements/ChartElement.h"
#include "elements/SelectionSet.h"

#include <memory>

namespace loopora {

class CHistory;

// The window a canvas is shown in, as far as the canvas needs it: repainting
// the part of the window that shows a chart rectangle. A canvas without a
// window (a chart loaded for rendering) simply records nothing.
class CanvasWindow {
public:
    virtual ~CanvasWindow() = default;
    virtual void invalidateChartRect(const Rect& chartRect) = 0;
};

enum class Background : int32_t { Clean = 0, Circles = 1, Grid = 2 };

enum class SelectMode { Add, Replace };

class CCanvas : public CCompositeElement {
public:
    CCanvas();
    ~CCanvas() override;

    // --- Selection and current element ---
    CSelectionSet& selection();
    const CSelectionSet& selection() const;
    // The element joins the selection, or replaces it; a null element
    // clears the selection.
    void select(CChartElement* e, SelectMode mode);
    void deselect(CChartElement* e);
    void setCurrent(CChartElement* e);
    void clearCurrent(CChartElement* e);
    // An element that leaves the screen (deleted, cut, undone away) is
    // neither selected nor current any more: commands and keys act on what
    // the user sees.
    void release(CChartElement* e);
    CChartElement* current() const { return current_; }
    void releaseCurrent(CChartElement& e) override { clearCurrent(&e); }

    // --- Window and drawing ---
    void setWindow(CanvasWindow* window) { window_ = window; }
    CanvasWindow* window() const { return window_; }
    // Repaints the part of the window that shows r (chart coordinates).
    void invalidate(const Rect& r);

    // Background, elements in order, then the handles of the selection.
    void draw(CDC& dc) override;
    void drawWithoutHandles(CDC& dc);
    void drawBackground(CDC& dc);
    void drawHandles(CDC& dc);

    // --- Sheet settings ---
    Point origin() const { return origin_; }
    void setOrigin(Point origin) { origin_ = origin; }
    int32_t backgroundKind() const { return backgroundKind_; }
    void setBackgroundKind(int32_t kind) { backgroundKind_ = kind; }
    int32_t lineSpacing() const { return lineSpacing_; }
    void setLineSpacing(int32_t spacing) { lineSpacing_ = spacing; }
    int32_t chartWidth() const { return chartWidth_; }
    int32_t chartHeight() const { return chartHeight_; }
    void setChartSize(int32_t width, int32_t height)
    {
        chartWidth_ = width;
        chartHeight_ = height;
    }

    int32_t pasteCounter() const { return pasteCounter_; }
    void setPasteCounter(int32_t n) { pasteCounter_ = n; }

    // The canvas header and the top-level element records.
    void serialize(CArchive& ar) override;

    // --- Undoable editing (CanvasEditing.cpp) ---
    // Created empty on first request; every undoable change runs through it.
    CHistory& history();
    // True while the history stands where it was when the chart was last
    // saved, made or loaded (also while no history was made).
    bool historyAtSavedState() const;
    // The chart was saved: the history's position is the clean one now.
    void markHistorySaved();
    // Refills the program-wide element clipboard with copies of the selection;
    // true when it holds elements afterwards. Nothing selected empties it.
    bool copy();
    // Copy, then hide the selection through a recorded cut.
    bool cut();
    // Adds copies of the clipboard to target, 15, 20, 25... pixels to the
    // right of the copied elements as this canvas's paste counter grows. The
    // paste is recorded in target's history, with the copies it owns.
    bool paste(CCanvas& target);
    // Groups the selection; refused for an empty or mixed-parent selection.
    bool group();
    // Dissolves the current element when it is a visible group-like element
    // (hasFrameHandles) with children; otherwise does nothing.
    bool ungroup();

protected:
    CChartElement* rootCanvas() const override { return const_cast<CCanvas*>(this); }
    // A canvas inside a chart (a file may hold one) draws as a canvas does.
    void drawWithin(CDC& dc, bool) override { draw(dc); }

    // Kept, as a group keeps its own, so that a repaint of the whole sheet
    // knows without a walk whether it holds every element.
    Rect drawnBounds() const override;

private:
    void drawElements(CDC& dc);

    std::unique_ptr<CHistory> history_;
    std::unique_ptr<CSelectionSet> selection_;
    CChartElement* current_ = nullptr;
    CanvasWindow* window_ = nullptr;
    int32_t pasteCounter_ = 0;
    Point origin_{};
    int32_t backgroundKind_ = 0;
    int32_t lineSpacing_ = 30;
    int32_t chartWidth_ = 0;
    int32_t chartHeight_ = 0;
    mutable Rect drawnBounds_{};
};

} // namespace loopora
