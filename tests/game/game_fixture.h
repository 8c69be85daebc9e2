// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fake_chance.h"
#include "fake_faces.h"

#include "game/chance.h"
#include "game/state.h"

#include <gtest/gtest.h>

namespace fakes {

// Each test starts from the state at load (every field 0, unlocked), writes into fake
// controls and draws from a script that is empty unless the test fills it.
class GameTest : public ::testing::Test
{
protected:
    GameTest() { Brelun::GO = {}; }
    ~GameTest() override { Brelun::GO = {}; }

    FakeBoard board;
    ScriptedChance chance;

private:
    Brelun::testing::ScopedChance useScript{chance};
};

// Field by field, since the record has no comparison of its own.
inline void expectSameState(const Brelun::Tgo &expected, const Brelun::Tgo &actual)
{
    EXPECT_EQ(expected.Win, actual.Win);
    EXPECT_EQ(expected.Bet, actual.Bet);
    EXPECT_EQ(expected.Chips, actual.Chips);
    EXPECT_EQ(expected.FLine, actual.FLine);
    EXPECT_EQ(expected.LLine, actual.LLine);
    EXPECT_EQ(expected.WLine, actual.WLine);
    EXPECT_EQ(expected.Slct, actual.Slct);
    EXPECT_EQ(expected.SelDCount, actual.SelDCount);
    EXPECT_EQ(expected.SelLCount, actual.SelLCount);
    EXPECT_EQ(expected.SlctCount, actual.SlctCount);
    EXPECT_EQ(expected.go, actual.go);
}

} // namespace fakes
