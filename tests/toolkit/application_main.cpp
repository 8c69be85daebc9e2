// SPDX-License-Identifier: GPL-3.0-or-later
// The application object's tests run on the one TApplication of the process, as the program
// does, on the offscreen platform unless a display is given.

#include "toolkit/application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Qt's own options follow the program's arguments: the application object must take none of them.
    static char reverse[] = "-reverse", geometry[] = "-qwindowgeometry", size[] = "10x10+0+0",
                styleSheet[] = "-stylesheet", sheet[] = "/nonexistent/tavix.qss";
    std::vector<char *> arguments(argv, argv + argc);
    arguments.insert(arguments.end(), {reverse, geometry, size, styleSheet, sheet});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    TApplication application(count, arguments.data());
    application.Initialize({QStringLiteral("toolkit-test"), QStringLiteral("Toolkit test"), QStringLiteral("0"),
                            QStringLiteral("toolkit-test"), nullptr});
    return RUN_ALL_TESTS();
}
