// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <vector>

class QObject;

namespace Brelun {

// Something a screen reader reads, with the place it takes on screen.
struct Placed
{
    QObject *object = nullptr;
    QRect place;
};

// The order a sighted player reads the window in: line by line from the top, each line from
// the left. Things share a line when their middles lie within its height, so that texts a
// unit or two apart in height, as the header's, still read as one line.
std::vector<QObject *> inReadingOrder(std::vector<Placed> placed);

} // namespace Brelun
