#include "app/LockKeys.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, KeyPress...) clash with Qt: it comes last, here only.
#ifdef LOOPORA_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace loopora::app {

LockKeys readLockKeys()
{
    LockKeys keys;
#ifdef LOOPORA_HAVE_X11
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 && x11->display()) {
        unsigned int lights = 0;
        // The core keyboard's indicators 1, 2 and 3 are Caps, Num and Scroll Lock.
        if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &lights) == Success) {
            keys.caps = lights & 1u;
            keys.num = lights & 2u;
            keys.scroll = lights & 4u;
        }
    }
#endif
    return keys;
}

} // namespace loopora::app
