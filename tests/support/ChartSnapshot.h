#pragma once
// What the tests compare before and after an undo: the whole element tree
// (points, pen, flags, child order) plus the selection in order and the
// current element, each named by its path of child indices from the canvas.

#include "document/Canvas.h"
#include "document/ChartJson.h"
#include "document/Document.h"

#include <string>
#include <vector>

namespace loopora::test {

// "2/0" is the first child of the canvas's third child; "-" is no element.
inline std::string elementPath(const CChartElement* e)
{
    if (!e)
        return "-";
    std::string path;
    for (; e->parent(); e = e->parent()) {
        const CChartElement* parent = e->parent();
        size_t i = 0;
        while (parent->child(i) != e)
            ++i;
        path = std::to_string(i) + (path.empty() ? "" : "/" + path);
    }
    return path;
}

inline std::string chartState(const CPattraDoc& doc)
{
    const CCanvas& canvas = doc.canvas();
    std::string out = chartToJson(doc) + "selection:";
    for (const CChartElement* e : canvas.selection().members())
        out += ' ' + elementPath(e);
    out += "\ncurrent: " + elementPath(canvas.current()) + "\n";
    return out;
}

// Keeps every rectangle the canvas asks its window to repaint.
class RecordingWindow : public CanvasWindow {
public:
    void invalidateChartRect(const Rect& r) override { rects.push_back(r); }
    std::vector<Rect> rects;
};

} // namespace loopora::test
