#include "app/ChartReadings.h"

#include "document/History.h"

namespace loopora::app {

std::shared_ptr<const pattern::PatternReading> ChartReadings::of(CCanvas& canvas)
{
    Kept& kept = kept_[&canvas];
    const uint64_t stamp = canvas.history().stamp();
    if (!kept.reading || kept.stamp != stamp) {
        kept.reading = std::make_shared<const pattern::PatternReading>(pattern::readChart(canvas));
        kept.stamp = stamp;
        ++reads_;
    }
    return kept.reading;
}

} // namespace loopora::app
