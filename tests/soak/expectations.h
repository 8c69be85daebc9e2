// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soak/snapshot.h"

#include <optional>
#include <string>

namespace soak {

// What an input reaches, worked out from the window before it is delivered, and so what the
// game must do with it.
struct Reach
{
    enum class On {
        Unknown,      // a mouse button was already held, or the control may vanish mid-input: not predicted
        Nothing,      // no control with a handler: the game and the window stay as they were
        Keyboard,     // keys change no field of the game; they may only click a focused "Show"
        Bet,          // a bet control, index: 0 "+1", 1 "+10", 2 "x2", 3 "x10", 4 "x0"
        ChangeValues,
        StartLotto,
        Cell,         // a ticket cell, index: its cell index
        Show,
    };

    On on = On::Unknown;
    int index = 0;
    int presses = 0; // mouse-downs the control receives
    int clicks = 0;  // left clicks it receives
};

// How the game and the window after the input differ from what the input must have done.
std::optional<std::string> unexpectedChange(const Snapshot &before, const Snapshot &after, const Reach &reach);

} // namespace soak
