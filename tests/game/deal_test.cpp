// SPDX-License-Identifier: GPL-3.0-or-later
// Dealing the hidden ticket and drawing the winning line.

#include "game_fixture.h"

#include "game/deal.h"
#include "game/faces.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Brelun::GO;
using fakes::drawFor;
using fakes::GameTest;

using Letters = std::array<int, 4>;

Letters lettersOf(const Brelun::Tgo &state)
{
    return {state.LLine[1], state.LLine[2], state.LLine[3], state.LLine[4]};
}

template <typename Line>
bool holdsEachOfOneToSizeOnce(const Line &line)
{
    std::vector<int> values(line.begin(), line.end());
    std::sort(values.begin(), values.end());
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}

// --- GenLine ---------------------------------------------------------------------------------

using DealTest = GameTest;

TEST_F(DealTest, EveryDealHoldsEachNumberAndEachLetterOnce)
{
    fakes::SeededChance seeded(20240601);
    Brelun::testing::ScopedChance use(seeded);
    for (int deal = 0; deal < 2000; ++deal) {
        SCOPED_TRACE(deal);
        Brelun::GenLine();
        ASSERT_TRUE(holdsEachOfOneToSizeOnce(GO.FLine)) << ::testing::PrintToString(GO.FLine);
        ASSERT_TRUE(holdsEachOfOneToSizeOnce(GO.LLine)) << ::testing::PrintToString(GO.LLine);
    }
}

// Position i exchanges with the drawn position, in order: sixteen draws over 1..16 for the
// numbers, then four over 1..4 for the letters. The expected lines are traced by hand.
TEST_F(DealTest, TakesSixteenDrawsForTheNumbersThenFourForTheLettersAndSwapsInOrder)
{
    for (int k : {5, 12, 1, 16, 9, 3, 3, 14, 2, 7, 16, 1, 8, 11, 4, 6})
        chance.add(drawFor(k, 16));
    for (int k : {2, 4, 1, 3})
        chance.add(drawFor(k, 4));

    Brelun::GenLine();

    EXPECT_EQ(chance.drawsTaken(), 20u);
    EXPECT_EQ(chance.clockReads, 20);
    const Brelun::Array1<std::int32_t, 16> numbers{{2, 1, 7, 15, 9, 11, 10, 13, 12, 6, 8, 3, 14, 4, 16, 5}};
    EXPECT_EQ(GO.FLine, numbers);
    EXPECT_EQ(lettersOf(GO), (Letters{3, 4, 1, 2}));
}

TEST_F(DealTest, ADrawOfThePositionItselfLeavesItInPlace)
{
    for (int k = 1; k <= 16; ++k)
        chance.add(drawFor(k, 16));
    for (int k = 1; k <= 4; ++k)
        chance.add(drawFor(k, 4));

    Brelun::GenLine();

    const Brelun::Array1<std::int32_t, 16> identity{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}};
    EXPECT_EQ(GO.FLine, identity);
    EXPECT_EQ(lettersOf(GO), (Letters{1, 2, 3, 4}));
}

// The letter column for every one of the 4^4 equally likely sequences of its four draws.
std::map<Letters, int> letterOrdersOverEverySequence()
{
    std::map<Letters, int> orders;
    for (int s = 0; s < 256; ++s) {
        fakes::ScriptedChance script;
        for (int i = 0; i < 16; ++i)
            script.add(drawFor(1, 16));
        for (int d = 0, rest = s; d < 4; ++d, rest /= 4)
            script.add(drawFor(rest % 4 + 1, 4));
        Brelun::testing::ScopedChance use(script);
        Brelun::GenLine();
        ++orders[lettersOf(GO)];
    }
    return orders;
}

constexpr int R = 1, L = 2, C = 3, T = 4;

TEST_F(DealTest, LetterOrdersAreUnevenFifteenSequencesGiveLRTCAndEightEachGiveTRLCAndTLCR)
{
    const std::map<Letters, int> orders = letterOrdersOverEverySequence();

    EXPECT_EQ(orders.size(), 24u); // every order of four letters can come up
    int total = 0;
    for (const auto &[order, count] : orders) {
        total += count;
        std::vector<int> sorted(order.begin(), order.end());
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, (std::vector<int>{R, L, C, T}));
    }
    EXPECT_EQ(total, 256);
    EXPECT_EQ(orders.at({L, R, T, C}), 15);
    EXPECT_EQ(orders.at({T, R, L, C}), 8);
    EXPECT_EQ(orders.at({T, L, C, R}), 8);
    const auto [fewest, most] = std::minmax_element(orders.begin(), orders.end(), [](const auto &a, const auto &b) {
        return a.second < b.second;
    });
    EXPECT_EQ(fewest->second, 8);
    EXPECT_EQ(most->second, 15);
}

TEST_F(DealTest, LetterRowsAreEvenForRAndTheBottomRowButLFavoursRowOneAndTRowThree)
{
    const std::map<Letters, int> orders = letterOrdersOverEverySequence();
    auto sequencesWith = [&](int letter, int row) {
        int n = 0;
        for (const auto &[order, count] : orders) {
            if (order[static_cast<std::size_t>(row - 1)] == letter)
                n += count;
        }
        return n;
    };
    for (int row = 1; row <= 4; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(sequencesWith(R, row), 64);
    }
    for (int letter : {R, L, C, T}) {
        SCOPED_TRACE(letter);
        EXPECT_EQ(sequencesWith(letter, 4), 64);
    }
    EXPECT_EQ(sequencesWith(L, 1), 75);
    EXPECT_EQ(sequencesWith(T, 3), 75);
}

// The same uneven exchange deals the numbers: number 16 ends in cell 15 with probability
// about 0.082 and in cell 1 with about 0.047, where an even shuffle would give 0.0625.
TEST_F(DealTest, NumberSixteenLandsInCellFifteenMoreOftenThanInCellOne)
{
    fakes::SeededChance seeded(77);
    Brelun::testing::ScopedChance use(seeded);
    constexpr int deals = 40000;
    int inCell15 = 0;
    int inCell1 = 0;
    for (int deal = 0; deal < deals; ++deal) {
        Brelun::GenLine();
        inCell15 += GO.FLine[15] == 16 ? 1 : 0;
        inCell1 += GO.FLine[1] == 16 ? 1 : 0;
    }
    EXPECT_NEAR(inCell15 / double(deals), 0.0823, 0.007);
    EXPECT_NEAR(inCell1 / double(deals), 0.0475, 0.007);
}

TEST_F(DealTest, ResetsThePerGameFieldsAndLeavesStakeChipsWinningLineAndChoicesAlone)
{
    GO.Win = 1230;
    GO.Bet = 77;
    GO.Chips = -5;
    GO.WLine = {{4, 9, 12, 1, 16, 7, 3}};
    GO.Slct = {{3, 8, 1, 14, 6, 2, 11}};
    GO.SelDCount = 6;
    GO.SelLCount = 2;
    GO.SlctCount = 9;
    GO.go = true;
    const Brelun::Tgo before = GO;
    for (int i = 0; i < 16; ++i)
        chance.add(drawFor(1, 16));
    for (int i = 0; i < 4; ++i)
        chance.add(drawFor(1, 4));

    Brelun::GenLine();

    EXPECT_EQ(GO.SlctCount, 0);
    EXPECT_EQ(GO.SelDCount, 0);
    EXPECT_EQ(GO.SelLCount, 0);
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(GO.Win, 0);
    EXPECT_EQ(GO.Bet, before.Bet);
    EXPECT_EQ(GO.Chips, before.Chips);
    EXPECT_EQ(GO.WLine, before.WLine);
    EXPECT_EQ(GO.Slct, before.Slct);
    EXPECT_EQ(board.writes(), 0); // dealing shows nothing by itself
}

// --- GenWinLine ------------------------------------------------------------------------------

using WinningLineTest = GameTest;

TEST_F(WinningLineTest, HoldsSixDistinctNumbersInDrawnOrderThenTheLetterDrawnAfterThem)
{
    for (int k : {5, 9, 1, 16, 12, 3})
        chance.add(drawFor(k, 16));
    chance.add(drawFor(L, 4));

    Brelun::GenWinLine();

    EXPECT_EQ(chance.drawsTaken(), 7u);
    EXPECT_EQ(GO.WLine, (Brelun::Array1<std::int32_t, 7>{{5, 9, 1, 16, 12, 3, L}}));
    const char *texts[] = {"5", "9", "1", "16", "12", "3", "L"};
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(board.ball(i).text, texts[i - 1]);
        EXPECT_EQ(board.ball(i).textWrites, 1);
    }
}

// A shift to a neighbouring number would give 6 (or 4) after the repeated 5; a redraw takes 12.
TEST_F(WinningLineTest, DropsARepeatedNumberAndTakesTheNextDrawInstead)
{
    for (int k : {5, 5, 12, 5, 12, 1, 2, 3, 4})
        chance.add(drawFor(k, 16));
    chance.add(drawFor(T, 4));

    Brelun::GenWinLine();

    EXPECT_EQ(chance.drawsTaken(), 10u);
    EXPECT_EQ(GO.WLine, (Brelun::Array1<std::int32_t, 7>{{5, 12, 1, 2, 3, 4, T}}));
    EXPECT_EQ(board.ball(2).text, "12");
    EXPECT_EQ(board.ball(7).text, "T");
}

TEST_F(WinningLineTest, LetterBallShowsTheLetterOfTheDrawnIndex)
{
    const std::pair<int, const char *> letters[] = {{R, "R"}, {L, "L"}, {C, "C"}, {T, "T"}};
    for (const auto &[index, text] : letters) {
        SCOPED_TRACE(text);
        for (int k = 1; k <= 6; ++k)
            chance.add(drawFor(k, 16));
        chance.add(drawFor(index, 4));
        Brelun::GenWinLine();
        EXPECT_EQ(GO.WLine[7], index);
        EXPECT_EQ(board.ball(7).text, text);
    }
}

// Balls painted in the last game keep their colour until the next game starts.
TEST_F(WinningLineTest, ChangesNoColourNoCounterNoWinAndNoTicket)
{
    GO.FLine = {{2, 1, 7, 15, 9, 11, 10, 13, 12, 6, 8, 3, 14, 4, 16, 5}};
    GO.LLine = {{3, 4, 1, 2}};
    GO.Win = 500;
    GO.Bet = 10;
    GO.Chips = 480;
    GO.SelDCount = 4;
    GO.SelLCount = 1;
    GO.SlctCount = 7;
    const Brelun::Tgo before = GO;
    board.ball(2).color = fakes::Highlight;
    for (int k : {14, 2, 6, 10, 8, 11})
        chance.add(drawFor(k, 16));
    chance.add(drawFor(C, 4));

    Brelun::GenWinLine();

    Brelun::Tgo expected = before;
    expected.WLine = {{14, 2, 6, 10, 8, 11, C}};
    fakes::expectSameState(expected, GO);
    EXPECT_EQ(board.ball(2).color, fakes::Highlight);
    int colourWrites = 0;
    for (const fakes::FakeFace &ball : board.balls)
        colourWrites += ball.colorWrites;
    EXPECT_EQ(colourWrites, 0);
    int otherWrites = board.stake.writes() + board.win.writes() + board.chips.writes() + board.show.writes();
    for (const fakes::FakeFace &cell : board.cells)
        otherWrites += cell.writes();
    EXPECT_EQ(otherWrites, 0);
}

} // namespace
