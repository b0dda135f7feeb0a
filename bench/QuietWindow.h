#pragma once
// A chart window for benchmarks: it shows nothing and asks nothing; it
// scrolls within its range as a window's scroll bars do.

#include "view/ViewHost.h"

#include <algorithm>

namespace loopora::bench {

class QuietWindow : public ViewHost {
public:
    explicit QuietWindow(Size client = {600, 600}) : client_(client) {}

    Size clientSize() const override { return client_; }
    Point scrollPosition() const override { return scroll_; }
    void scrollTo(Point p) override
    {
        scroll_ = {std::clamp(p.x, 0, std::max(0, total_.width - client_.width)),
                   std::clamp(p.y, 0, std::max(0, total_.height - client_.height))};
    }
    void setScrollSizes(Size total) override
    {
        total_ = total;
        scrollTo(scroll_);
    }
    void update(const Rect&) override {}
    void showCoordinates(Point, Point) override {}
    uint16_t popupMenu(int, Point) override { return 0; }
    bool runDialog(DialogModel&) override { return false; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
    std::optional<std::string> askBitmapFileName() override { return std::nullopt; }
    void messageBox(const std::string&) override {}

private:
    Size client_;
    Size total_{};
    Point scroll_{};
};

} // namespace loopora::bench
