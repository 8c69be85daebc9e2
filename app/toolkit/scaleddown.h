// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPaintDevice;
class QPainter;
class QWidget;

// Qt's painter never draws a picture smaller than its logical size: below a display scale of 1
// it paints every widget at full size and at its unscaled offset, so most of a window falls
// outside its smaller device picture. Below that scale a form draws its whole tree into a
// picture at scale 1 and shrinks that onto the screen, and its controls paint only into that
// picture.
namespace ScaledDown {

// Whether a widget shown on this device must leave its painting to its form.
bool leavesPaintingToForm(const QPaintDevice *device);

// Draws a form's children, shrunk to the form's scale, with the form's painter.
void drawChildren(QWidget *form, QPainter &painter);

} // namespace ScaledDown
