// SPDX-License-Identifier: GPL-3.0-or-later
// The five bet controls, "Change values" and "Start Lotto", and the lock that stills them.

#include "game_fixture.h"

#include "game/rules.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <utility>

namespace {

using Brelun::BetKey;
using Brelun::GO;

const char *nameOf(BetKey key)
{
    switch (key) {
    case BetKey::PlusOne:
        return "PlusOne";
    case BetKey::PlusTen:
        return "PlusTen";
    case BetKey::Double:
        return "Double";
    case BetKey::TimesTen:
        return "TimesTen";
    case BetKey::Zero:
        return "Zero";
    }
    return "?";
}

struct BetStep
{
    BetKey key;
    std::int32_t bet;
    std::int32_t chips;
};

class BetTest : public fakes::GameTest
{
protected:
    void start(std::int32_t bet, std::int32_t chips)
    {
        GO.Bet = bet;
        GO.Chips = chips;
    }

    // Presses each control in turn and checks the stake, the chips and both displays after it.
    void expectSteps(std::initializer_list<BetStep> steps)
    {
        int n = 0;
        for (const BetStep &step : steps) {
            SCOPED_TRACE(::testing::Message() << "press " << ++n << ": " << nameOf(step.key));
            Brelun::pressBet(step.key);
            EXPECT_EQ(GO.Bet, step.bet);
            EXPECT_EQ(GO.Chips, step.chips);
            EXPECT_EQ(board.stake.text, std::to_string(step.bet));
            EXPECT_EQ(board.chips.text, std::to_string(step.chips));
        }
    }
};

TEST_F(BetTest, FromTheStartEachControlMovesChipsBetweenTheChipsAndTheStake)
{
    start(0, 500);
    expectSteps({{BetKey::PlusOne, 1, 499},
                 {BetKey::TimesTen, 10, 490},
                 {BetKey::Double, 20, 480},
                 {BetKey::PlusTen, 30, 470},
                 {BetKey::Zero, 0, 500}});
}

TEST_F(BetTest, AStakeBelowZeroKeepsItsSignInEveryControl)
{
    start(-5, 505);
    expectSteps({{BetKey::PlusOne, -4, 504},
                 {BetKey::Double, -8, 508},
                 {BetKey::TimesTen, -80, 580},
                 {BetKey::PlusTen, -70, 570},
                 {BetKey::Zero, 0, 500}});
}

TEST_F(BetTest, AStakeRaisedPastTheChipsIsTakenAndTheChipsGoBelowZero)
{
    start(500, 0);
    expectSteps({{BetKey::PlusOne, 501, -1}});
    EXPECT_EQ(board.chips.text, "-1");
}

TEST_F(BetTest, TimesTenFromOneReachesOneBillionAfterNinePressesAndWrapsOnTheTenth)
{
    start(1, 499);
    expectSteps({{BetKey::TimesTen, 10, 490},
                 {BetKey::TimesTen, 100, 400},
                 {BetKey::TimesTen, 1000, -500},
                 {BetKey::TimesTen, 10000, -9500},
                 {BetKey::TimesTen, 100000, -99500},
                 {BetKey::TimesTen, 1000000, -999500},
                 {BetKey::TimesTen, 10000000, -9999500},
                 {BetKey::TimesTen, 100000000, -99999500},
                 {BetKey::TimesTen, 1000000000, -999999500},
                 {BetKey::TimesTen, 1410065408, -1410064908}}); // 10^10 mod 2^32; chips 500 - stake
}

TEST_F(BetTest, DoubleFromOneReachesTheLowestStakeAfterThirtyOnePressesAndZeroAfterOneMore)
{
    start(1, 499);
    for (int press = 1; press <= 30; ++press) {
        SCOPED_TRACE(press);
        Brelun::pressBet(BetKey::Double);
        const std::int64_t stake = std::int64_t{1} << press;
        ASSERT_EQ(GO.Bet, stake);
        ASSERT_EQ(GO.Chips, 500 - stake);
    }
    expectSteps({{BetKey::Double, std::numeric_limits<std::int32_t>::min(), -2147483148}, // 500 + 2^31 wrapped
                 {BetKey::Double, 0, 500}});
    EXPECT_EQ(board.stake.text, "0");
}

class BetOnZeroStake : public BetTest, public ::testing::WithParamInterface<BetKey>
{
};

TEST_P(BetOnZeroStake, ChangesNoValueButWritesBothDisplaysAgain)
{
    start(0, 500);
    board.stake.text = "stale";
    board.chips.text = "stale";

    Brelun::pressBet(GetParam());

    EXPECT_EQ(GO.Bet, 0);
    EXPECT_EQ(GO.Chips, 500);
    EXPECT_EQ(board.stake.text, "0");
    EXPECT_EQ(board.chips.text, "500");
    EXPECT_EQ(board.stake.textWrites, 1);
    EXPECT_EQ(board.chips.textWrites, 1);
}

INSTANTIATE_TEST_SUITE_P(Multipliers, BetOnZeroStake,
                         ::testing::Values(BetKey::Double, BetKey::TimesTen, BetKey::Zero),
                         [](const ::testing::TestParamInfo<BetKey> &info) { return nameOf(info.param); });

// Raising the stake moves chips out, "x0" moves them all back: the sum never changes, also
// where either side wraps past the ends of the 32-bit range.
TEST_F(BetTest, EveryPressKeepsChipsPlusStakeTheSameModuloTwoToTheThirtyTwo)
{
    constexpr std::int32_t top = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t bottom = std::numeric_limits<std::int32_t>::min();
    const std::pair<std::int32_t, std::int32_t> starts[] = {
        {0, 500}, {top, 7}, {-3, bottom}, {123456789, -987654321}, {bottom, top}};
    const BetKey keys[] = {BetKey::PlusOne, BetKey::PlusTen, BetKey::Double, BetKey::TimesTen, BetKey::Zero};
    std::mt19937 pick(4321);
    for (const auto &[bet, chips] : starts) {
        SCOPED_TRACE(::testing::Message() << "from stake " << bet << ", chips " << chips);
        start(bet, chips);
        const std::uint32_t sum = static_cast<std::uint32_t>(bet) + static_cast<std::uint32_t>(chips);
        for (int press = 0; press < 2000; ++press) {
            const BetKey key = keys[pick() % 5];
            Brelun::pressBet(key);
            ASSERT_EQ(static_cast<std::uint32_t>(GO.Bet) + static_cast<std::uint32_t>(GO.Chips), sum)
                << "after press " << press << ": " << nameOf(key);
        }
    }
}

// --- the lock --------------------------------------------------------------------------------

struct Control
{
    std::string name;
    std::function<void()> press;

    friend void PrintTo(const Control &c, std::ostream *os) { *os << c.name; }
};

class LockedControl : public BetTest, public ::testing::WithParamInterface<Control>
{
};

// The script holds no draws, so a control that dealt or drew a line would fail the test too.
TEST_P(LockedControl, DoesNothingWhileAGameIsUnderWay)
{
    GO.go = true;
    GO.Bet = 10;
    GO.Chips = 490;
    GO.Win = 20;
    GO.FLine = {{2, 1, 7, 15, 9, 11, 10, 13, 12, 6, 8, 3, 14, 4, 16, 5}};
    GO.LLine = {{3, 4, 1, 2}};
    GO.WLine = {{5, 9, 1, 16, 12, 3, 2}};
    GO.SlctCount = 3;
    GO.SelDCount = 2;
    const Brelun::Tgo before = GO;

    GetParam().press();

    fakes::expectSameState(before, GO);
    EXPECT_EQ(board.writes(), 0);
    EXPECT_EQ(chance.drawsTaken(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    AllSeven, LockedControl,
    ::testing::Values(Control{"PlusOne", [] { Brelun::pressBet(BetKey::PlusOne); }},
                      Control{"PlusTen", [] { Brelun::pressBet(BetKey::PlusTen); }},
                      Control{"Double", [] { Brelun::pressBet(BetKey::Double); }},
                      Control{"TimesTen", [] { Brelun::pressBet(BetKey::TimesTen); }},
                      Control{"Zero", [] { Brelun::pressBet(BetKey::Zero); }},
                      Control{"ChangeValues", [] { Brelun::pressChangeValues(); }},
                      Control{"StartLotto", [] { Brelun::pressStartLotto(); }}),
    [](const ::testing::TestParamInfo<Control> &info) { return info.param.name; });

TEST_F(BetTest, ChangeValuesDrawsANewWinningLineAndLeavesTheStakeChipsWinAndTicketAlone)
{
    GO.Bet = 10;
    GO.Chips = 480;
    GO.Win = 100;
    GO.FLine = {{2, 1, 7, 15, 9, 11, 10, 13, 12, 6, 8, 3, 14, 4, 16, 5}};
    GO.LLine = {{3, 4, 1, 2}};
    GO.WLine = {{5, 9, 1, 16, 12, 3, 2}};
    Brelun::Tgo expected = GO;
    for (int k : {7, 3, 15, 9, 2, 11})
        chance.add(fakes::drawFor(k, 16));
    chance.add(fakes::drawFor(4, 4));

    Brelun::pressChangeValues();

    expected.WLine = {{7, 3, 15, 9, 2, 11, 4}};
    fakes::expectSameState(expected, GO);
    EXPECT_EQ(board.ball(1).text, "7");
    EXPECT_EQ(board.ball(7).text, "T");
    EXPECT_EQ(board.stake.writes() + board.win.writes() + board.chips.writes(), 0);
}

} // namespace
