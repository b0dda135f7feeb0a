#pragma once
// The scope guard of a device context's drawing attributes: it saves them
// when made and restores them when the scope ends, on every path out, so a
// drawing routine sets what it needs and leaves the context as it found it.

#include "platform/DeviceContext.h"

namespace loopora {

class DrawingStateSaver {
public:
    explicit DrawingStateSaver(CDC& dc) : dc_(dc) { dc_.save(); }
    ~DrawingStateSaver() { dc_.restore(); }
    DrawingStateSaver(const DrawingStateSaver&) = delete;
    DrawingStateSaver& operator=(const DrawingStateSaver&) = delete;

private:
    CDC& dc_;
};

} // namespace loopora
