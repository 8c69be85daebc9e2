// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

class QAccessibleInterface;
class QWidget;
class TLabel;

namespace Brelun {

class TTavix;

struct Presented
{
    enum class Kind { Display, Control, Cell, Ball, Show };

    Kind kind;
    int index = 0; // of a cell or a ball
    const TLabel *caption = nullptr; // a display's caption, or the caption a control shows
};

// What a control of a game window is to a screen reader. Nothing for what a screen reader does
// not read on its own: the bands, rows and layouts that only hold controls, the captions that a
// display or a control already reads out, the texts inside cells and balls, and the templates.
std::optional<Presented> presentedAs(const QWidget *widget);

// The window as one frame whose children are what it presents, in reading order.
QAccessibleInterface *newWindowAccessible(TTavix *window);

} // namespace Brelun
