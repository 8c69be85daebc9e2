// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tavix.h"

#include "game/faces.h"

namespace Brelun {

TTavix::TTavix()
{
    setWindowTitle(QStringLiteral("Tavix"));
    resize(385, 650);
    {
        const LayoutLoading loading;
        buildMainBands();
        buildHeader();
        buildBallBand();
        buildTicketCard();
        buildControlArea();
    }
    realignTree(this);
    onCreate = [this](QObject *sender) { FormCreate(sender); };
}

TTavix::~TTavix()
{
    // The rules must never write into controls that are gone.
    faces = {};
    RR = {};
    LL = {};
    WW = {};
    WL = {};
    if (Tavix == this)
        Tavix = nullptr;
}

} // namespace Brelun
