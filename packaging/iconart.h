// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;

namespace TavixIcon {

// Draws the Tavix icon (a ticket with one matched cell and a winning ball) at size x size pixels,
// 32-bit with straight (not premultiplied) alpha, as PNG and ICO files want it.
QImage draw(int size);

} // namespace TavixIcon
