#pragma once
// A chart window for benchmarks: it shows nothing and asks nothing.

#include "view/ViewHost.h"

namespace loopora::bench {

class QuietWindow : public ViewHost {
public:
    explicit QuietWindow(Size client = {600, 600}) : client_(client) {}

    Size clientSize() const override { return client_; }
    void showScrollBars(const ScrollBars&) override {}
    void update(const Rect&) override {}
    void showCoordinates(Point, Point) override {}
    uint16_t popupMenu(int, Point) override { return 0; }
    bool runDialog(DialogModel&) override { return false; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    std::optional<std::string> askBitmapFileName() override { return std::nullopt; }
    void messageBox(const std::string&) override {}

private:
    Size client_;
};

} // namespace loopora::bench
