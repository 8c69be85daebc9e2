// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tavix.h"

#include "game/faces.h"
#include "ui/accessibility.h"
#include "ui/fonts.h"

namespace Brelun {

TTavix::TTavix()
{
    loadWindowFonts();
    installAccessibility();
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
    bindDisplays();
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

void TTavix::bindDisplays()
{
    faces.stake = Label4;
    faces.win = Label5;
    faces.chips = Label7;
    faces.show = Button1;
}

} // namespace Brelun
