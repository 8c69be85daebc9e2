// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tavix_window.h"

#include "game/chance.h"
#include "game/state.h"

#include <QTest>

#include <new>

namespace tavix_test {

namespace {

// As the application object builds its window: `Tavix` names it from before its construction
// begins, so that whatever runs while it is built reaches this window, not an earlier one.
std::unique_ptr<Brelun::TTavix> buildNamedTavix()
{
    void *storage = ::operator new(sizeof(Brelun::TTavix));
    Brelun::Tavix = static_cast<Brelun::TTavix *>(storage);
    try {
        auto *window = ::new (storage) Brelun::TTavix();
        Brelun::Tavix = window;
        return std::unique_ptr<Brelun::TTavix>(window);
    } catch (...) {
        Brelun::Tavix = nullptr;
        ::operator delete(storage);
        throw;
    }
}

} // namespace

GameWindow::GameWindow()
{
    Brelun::seedRandomSource(); // the program seeds once per process; later calls change nothing
    Brelun::GO = Brelun::Tgo{};
    m_window = buildNamedTavix();
    m_window->create();
}

GameWindow::~GameWindow() = default;

::testing::AssertionResult GameWindow::show()
{
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return ::testing::AssertionFailure() << "the window never showed";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult GameWindow::activate()
{
    m_window->activateWindow();
    if (!QTest::qWaitForWindowActive(m_window.get()))
        return ::testing::AssertionFailure() << "the window never became active";
    return ::testing::AssertionSuccess();
}

void GameWindow::destroy()
{
    m_window.reset();
}

} // namespace tavix_test
