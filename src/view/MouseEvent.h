#pragma once
// A mouse message in the editor's own terms: where the pointer is, which
// buttons are held and which keys modify it. Each window turns its
// platform's message into one.

#include "platform/Geometry.h"

namespace loopora {

struct MouseButtons {
    bool left = false;
    bool right = false;
    bool middle = false;
};

struct KeyModifiers {
    bool shift = false;
    bool control = false;
};

constexpr MouseButtons kNoButton{};
constexpr MouseButtons kLeftButton{.left = true};

// What the view hands to the current tool; the point is in chart coordinates.
struct MouseEvent {
    Point point;
    MouseButtons buttons;
    KeyModifiers modifiers;
};

} // namespace loopora
