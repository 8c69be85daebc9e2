// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"
#include "startup.h"

#include "game/chance.h"
#include "toolkit/application.h"
#include "ui/tavix.h"

int main(int argc, char *argv[])
{
    Brelun::seedRandomSource(); // once, before any part of the toolkit is set up

    DesktopSessionGuard session; // a platform that cannot start ends the program in one line
    TApplication Application(argc, argv);
    session.release();
    Application.Initialize(Brelun::tavixIdentity());
    Brelun::prepareWindow();
    Application.CreateForm(Brelun::Tavix);
    Application.Run();
    return 0;
}
