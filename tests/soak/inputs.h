// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soak/dice.h"
#include "soak/expectations.h"

#include <QPoint>
#include <QSize>

#include <string>
#include <variant>

namespace Brelun {
class TTavix;
}

namespace soak {

enum class Action { Press, Release, Click, DoubleClick };

struct MouseInput
{
    Action action = Action::Click;
    Qt::MouseButton button = Qt::LeftButton;
    QPoint at; // in the window
};

struct KeyInput
{
    Qt::Key key = Qt::Key_Tab;
    Qt::KeyboardModifiers modifiers;
};

struct ResizeInput
{
    QSize size;
};

// One thing a player or the desktop does to the window, and what it was aimed at.
struct Input
{
    std::variant<MouseInput, KeyInput, ResizeInput> what;
    std::string aim;
};

// A random input, aimed from where the window's controls stand now.
Input pickInput(Dice &dice, const Brelun::TTavix &window);

// What the input will reach, worked out before it is delivered.
Reach predictReach(const Input &input, const Brelun::TTavix &window);

// Delivers the input as the desktop does, through the window system's event path.
void deliver(const Input &input, Brelun::TTavix &window);

std::string describe(const Input &input);

} // namespace soak
