#pragma once
// A chart document: the size of the sheet and the canvas with everything on it.
// It is what is created, loaded, saved and closed as one chart.

#include "document/Canvas.h"

#include <memory>

namespace loopora {

class CArchive;

class CPattraDoc {
public:
    CPattraDoc();

    int32_t chartWidth() const { return width_; }
    int32_t chartHeight() const { return height_; }
    // Sets the sheet size of the document and the canvas's copy of it.
    void setChartSize(int32_t width, int32_t height);

    CCanvas& canvas() { return *canvas_; }
    const CCanvas& canvas() const { return *canvas_; }

    // The chart file: the sheet size (8 bytes), then the canvas. Called by
    // the chart file's loader and saver (ChartFile.h) with their archive.
    void Serialize(CArchive& ar);

    // --- Unsaved changes ---
    // True while the history stands elsewhere than where it stood when the
    // chart was made, loaded or last saved, and after markModified.
    bool isModified() const;
    // A change made outside the history: an element's colour, a label's text,
    // the chart parameters.
    void markModified() { modified_ = true; }
    // The chart was just written to its file.
    void markSaved();

private:
    int32_t width_ = 0;
    int32_t height_ = 0;
    std::unique_ptr<CCanvas> canvas_;
    bool modified_ = false;
};

} // namespace loopora
