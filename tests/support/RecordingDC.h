#pragma once
// A device context that remembers what was drawn instead of drawing it, for
// tests that check which pixels and figures an element asks for.

#include "platform/DeviceContext.h"

#include <set>
#include <utility>
#include <vector>

namespace loopora::test {

class RecordingDC final : public CDC {
public:
    struct Pixel {
        int32_t x, y;
        Colour colour;
    };
    struct ArcCall {
        Rect box;
        Point start, end;
    };

    std::vector<Pixel> pixels;
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Rect> ellipses;
    std::vector<ArcCall> arcs;

    std::set<std::pair<int32_t, int32_t>> pixelSet() const
    {
        std::set<std::pair<int32_t, int32_t>> out;
        for (const Pixel& p : pixels)
            out.insert({p.x, p.y});
        return out;
    }

    void lineTo(int32_t x, int32_t y) override
    {
        lines.push_back({currentPosition(), {x, y}});
        moveTo(x, y);
    }
    void ellipse(const Rect& box) override { ellipses.push_back(box); }
    void rectangle(const Rect&) override {}
    void arc(const Rect& box, Point start, Point end) override { arcs.push_back({box, start, end}); }
    void fillRect(const Rect&, Colour) override {}
    void frameRect(const Rect&, Colour) override {}
    void drawFocusRect(const Rect&) override {}
    void setPixel(int32_t x, int32_t y, Colour c) override { pixels.push_back({x, y, c}); }
    void textOut(int32_t, int32_t, std::string_view) override {}
    TextMetrics textMetrics() const override { return {16, 13, 0}; }
    int32_t textWidth(std::string_view text) const override { return int32_t(text.size()) * 7; }
};

} // namespace loopora::test
