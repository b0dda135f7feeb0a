#pragma once
// Scope guards for device-context state: each selects a value on construction
// and puts the previous one back when the scope ends, on every path out.

#include "platform/DeviceContext.h"

namespace loopora {

class PenScope {
public:
    PenScope(CDC& dc, const Pen& pen) : dc_(dc), previous_(dc.selectPen(pen)) {}
    ~PenScope() { dc_.selectPen(previous_); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

private:
    CDC& dc_;
    Pen previous_;
};

class BrushScope {
public:
    BrushScope(CDC& dc, const Brush& brush) : dc_(dc), previous_(dc.selectBrush(brush)) {}
    ~BrushScope() { dc_.selectBrush(previous_); }
    BrushScope(const BrushScope&) = delete;
    BrushScope& operator=(const BrushScope&) = delete;

private:
    CDC& dc_;
    Brush previous_;
};

class RasterOpScope {
public:
    RasterOpScope(CDC& dc, RasterOp op) : dc_(dc), previous_(dc.setRasterOp(op)) {}
    ~RasterOpScope() { dc_.setRasterOp(previous_); }
    RasterOpScope(const RasterOpScope&) = delete;
    RasterOpScope& operator=(const RasterOpScope&) = delete;

private:
    CDC& dc_;
    RasterOp previous_;
};

class BackgroundModeScope {
public:
    BackgroundModeScope(CDC& dc, BackgroundMode mode) : dc_(dc), previous_(dc.setBackgroundMode(mode)) {}
    ~BackgroundModeScope() { dc_.setBackgroundMode(previous_); }
    BackgroundModeScope(const BackgroundModeScope&) = delete;
    BackgroundModeScope& operator=(const BackgroundModeScope&) = delete;

private:
    CDC& dc_;
    BackgroundMode previous_;
};

class TextColourScope {
public:
    TextColourScope(CDC& dc, Colour c) : dc_(dc), previous_(dc.setTextColour(c)) {}
    ~TextColourScope() { dc_.setTextColour(previous_); }
    TextColourScope(const TextColourScope&) = delete;
    TextColourScope& operator=(const TextColourScope&) = delete;

private:
    CDC& dc_;
    Colour previous_;
};

} // namespace loopora
