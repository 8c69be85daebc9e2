// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/tavix.h"

#include <gtest/gtest.h>

#include <memory>

namespace tavix_test {

// The game's window, built the way the program builds it: the process's random source seeded,
// the game's state at zero as a fresh process has it, `Tavix` naming the window while it is
// built, and its creation handler (FormCreate) run before anything shows it. Tests show it (and
// make it active, where key strokes or focus matter) once they have set up what must come first.
class GameWindow
{
public:
    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow &) = delete;
    GameWindow &operator=(const GameWindow &) = delete;

    Brelun::TTavix *get() const { return m_window.get(); }

    // Shows the window and waits until the platform has exposed it.
    [[nodiscard]] ::testing::AssertionResult show();
    // Makes the window the active one and waits until the platform says it is.
    [[nodiscard]] ::testing::AssertionResult activate();
    // Frees the window, and with it the board, before the test ends.
    void destroy();

private:
    std::unique_ptr<Brelun::TTavix> m_window;
};

} // namespace tavix_test
