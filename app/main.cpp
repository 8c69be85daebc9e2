#include "game/chance.h"
#include "toolkit/application.h"
#include "ui/tavix.h"

int main(int argc, char *argv[])
{
    Brelun::seedRandomSource(); // once, before any part of the toolkit is set up

    TApplication Application(argc, argv);
    Application.Initialize();
    Application.CreateForm(Brelun::Tavix);
    Application.Run();
    return 0;
}
