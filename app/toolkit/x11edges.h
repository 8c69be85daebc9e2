// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Under X11 a window can be a device pixel wider or higher than the picture Qt paints for it: Qt
// paints its logical size times the scale, rounded, while the X window takes the size the window
// manager gives it, which Qt takes back to whole logical units (a manager keeps sizes to the
// increment Qt asks for, the scale rounded; and Qt's own first size can round the other way).
// Qt never draws that strip, and the X server leaves it as it found it.
namespace X11Edges {

// Carries a top-level window's picture on into that strip, as the X server now shows it: its
// last column to the right and its last row below. For after each frame the window shows, as the
// X server leaves the strip as it is until it is exposed again; elsewhere than on X11, or before
// the window has its native window, does nothing.
void carryOnPicture(QWidget *window);

} // namespace X11Edges
