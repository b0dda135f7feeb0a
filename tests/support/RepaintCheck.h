#pragma once
// Whether a view's window shows exactly what a repaint of all of it gives:
// the check that partial repaints and scrolling leave nothing stale behind.
// Where the window shows the bitmap's pixels it must be exactly that; where
// it shows antialiased shapes, a repaint through another clip may round an
// edge pixel's coverage a few levels differently, which nothing stale does.

#include "support/Session.h"

#include <gtest/gtest.h>

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
    const bool exact = view.viewport().deviceIsSheet() || view.showsPixels();
    const int allowed = exact ? 0 : 8;
    size_t differing = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differing += channelDifference(shown[i], view.pixels().pixels()[i]) > allowed;
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ from a repaint at " << view.zoomPercent() << "%";
}

inline testing::AssertionResult showsWhatARepaintShows(Session& s) { return showsWhatARepaintShows(s.view()); }

} // namespace loopora::test
