#pragma once
// Each round's number beside its first stitch, a mark where it starts and
// an arrow the way it goes, drawn over a chart window in window pixels: an
// aid on the screen, neither stored in the chart nor in its bitmap.

#include "pattern/RoundMarks.h"
#include "view/ChartView.h"

#include <memory>

class QPainter;

namespace loopora::app {

class RoundNumbers {
public:
    explicit RoundNumbers(std::shared_ptr<const pattern::PatternReading> reading) : reading_(std::move(reading)) {}

    const pattern::PatternReading* reading() const { return reading_.get(); }
    void paint(QPainter& painter, CPattraView& view);

private:
    std::shared_ptr<const pattern::PatternReading> reading_;
    // The marks, placed for the zoom they were placed at.
    int32_t placedAtZoom_ = 0;
    std::vector<pattern::RoundMark> marks_;
};

} // namespace loopora::app
