// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

// Tests of the game's window run on a real QApplication prepared as the program prepares its
// own (fonts, the screen-reader view); without a display they use Qt's offscreen platform.
int main(int argc, char *argv[])
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    Brelun::prepareWindow();
    return RUN_ALL_TESTS();
}
