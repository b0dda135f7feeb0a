#pragma once
// Whether a view's window shows exactly what a repaint of all of it gives:
// the check that partial repaints and scrolling leave nothing stale behind,
// whether the window shows the bitmap's pixels or antialiased shapes.

#include "support/Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace loopora::test {

inline int channelDifference(Pixel a, Pixel b)
{
    int most = 0;
    for (int shift : {0, 8, 16})
        most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return most;
}

inline testing::AssertionResult showsWhatARepaintShows(CPattraView& view)
{
    const std::vector<Pixel> shown = view.pixels().pixels();
    view.invalidateAll();
    view.paint();
    size_t differing = 0;
    int most = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        const int difference = channelDifference(shown[i], view.pixels().pixels()[i]);
        differing += difference != 0;
        most = std::max(most, difference);
    }
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ from a repaint at " << view.zoomPercent()
                                       << "%, by up to " << most << " levels";
}

inline testing::AssertionResult showsWhatARepaintShows(Session& s) { return showsWhatARepaintShows(s.view()); }

} // namespace loopora::test
