// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

class QImage;

namespace TavixIcon {

// A Windows .ico file holding the given square images, in order. Images of 256 pixels are stored
// as PNG (as Windows Vista and later expect); smaller ones as 32-bit top-to-bottom-flipped DIBs
// with an AND mask, which every Windows version and resource compiler reads.
QByteArray icoFile(const QList<QImage> &images);

} // namespace TavixIcon
