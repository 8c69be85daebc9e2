// The application object's tests run on the one TApplication of the process, as the program
// does, on the offscreen platform unless a display is given.

#include "toolkit/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char *argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    application.Initialize();
    return RUN_ALL_TESTS();
}
