#pragma once

#include <optional>

// Whether the caps lock, num lock and scroll lock keys are on.
struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The current state, or nothing when the windowing system does not tell (offscreen, Wayland).
std::optional<LockKeyState> readLockKeyState();
