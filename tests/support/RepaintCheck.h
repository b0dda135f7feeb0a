#pragma once
// Whether a view's window shows exactly what a repaint of all of it gives:
// the check that partial repaints and scrolling leave nothing stale behind.

#include "support/Session.h"

#include <gtest/gtest.h>

#include <vector>

namespace loopora::test {

inline testing::AssertionResult showsWhatARepaintShows(Session& s)
{
    const std::vector<Pixel> shown = s.view().pixels().pixels();
    s.view().invalidateAll();
    s.view().paint();
    size_t differing = 0;
    for (size_t i = 0; i < shown.size(); ++i)
        differing += shown[i] != s.view().pixels().pixels()[i];
    if (differing == 0)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << differing << " pixels differ from a repaint";
}

} // namespace loopora::test
