#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock lights, for the
// status bar's CAP, NUM and SCR panes. Qt has no portable way to read them:
// on X11 the keyboard's indicators are asked; elsewhere they read as off.

namespace loopora::app {

struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeys readLockKeys();

} // namespace loopora::app
