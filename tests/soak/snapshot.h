// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/onebased.h"
#include "game/state.h"

#include <QRgb>
#include <QString>

#include <optional>
#include <string>

namespace Brelun {
class TTavix;
}

namespace soak {

// What the game holds and what the window shows of it, at one moment.
struct Snapshot
{
    Brelun::Tgo game;
    Brelun::Array1<QString, 20> cellText; // by cell index
    Brelun::Array1<QRgb, 20> cellColor;
    Brelun::Array1<QString, 7> ballText; // left to right
    Brelun::Array1<QRgb, 7> ballColor;
    QString win;   // the win display
    QString stake; // the stake display
    QString chips; // the chips display
    bool showVisible = false;
};

Snapshot takeSnapshot(const Brelun::TTavix &window);

// The first field in which two games differ, as "field: expected ..., got ...".
std::optional<std::string> gameDifference(const Brelun::Tgo &expected, const Brelun::Tgo &actual);

// The first label or button state in which two snapshots differ.
std::optional<std::string> faceDifference(const Snapshot &expected, const Snapshot &actual);

} // namespace soak
