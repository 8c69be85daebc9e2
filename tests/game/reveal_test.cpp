// SPDX-License-Identifier: GPL-3.0-or-later
// Opening ticket cells: the six number choices, the letter choice, the lock and "Show".

#include "ticket_fixture.h"

#include "game/faces.h"
#include "game/rules.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using Brelun::BetKey;
using Brelun::GO;
using fakes::Highlight;
using fakes::FakeFace;

class RevealTest : public fakes::TicketTest
{
protected:
    // Every bet and game control, pressed once: none may change a field, write a face or draw.
    void expectEveryControlDead()
    {
        const Brelun::Tgo before = GO;
        board.forgetWrites();
        for (BetKey key : {BetKey::PlusOne, BetKey::PlusTen, BetKey::Double, BetKey::TimesTen, BetKey::Zero})
            Brelun::pressBet(key);
        Brelun::pressChangeValues();
        Brelun::pressStartLotto();
        fakes::expectSameState(before, GO);
        EXPECT_EQ(board.writes(), 0);
    }
};

// --- the lock --------------------------------------------------------------------------------

TEST_F(RevealTest, EveryControlIsDeadFromTheFirstCellClickUntilTheLetterChoice)
{
    EXPECT_FALSE(GO.go);
    Brelun::clickCell(winnerCell(1));
    EXPECT_TRUE(GO.go);
    {
        SCOPED_TRACE("after the first number");
        expectEveryControlDead();
    }
    openNumbers(0); // five more choices: losers
    {
        SCOPED_TRACE("after the sixth number");
        expectEveryControlDead();
    }
    Brelun::clickCell(loserCells().back()); // opens nothing now
    {
        SCOPED_TRACE("after a number click with the letter due");
        expectEveryControlDead();
    }
    Brelun::clickCell(OtherLetterCell);
    EXPECT_FALSE(GO.go);
    Brelun::pressBet(BetKey::PlusOne);
    EXPECT_EQ(GO.Bet, 11);
    EXPECT_EQ(board.stake.text, "11");
}

TEST_F(RevealTest, AFirstClickOnALetterCellOpensNothingButLocksTheControls)
{
    Brelun::clickCell(WinningLetterCell);

    EXPECT_TRUE(GO.go);
    EXPECT_EQ(GO.SlctCount, 0);
    EXPECT_EQ(GO.SelLCount, 0);
    EXPECT_EQ(GO.Chips, 490);
    EXPECT_EQ(board.writes(), 0); // the cell stays closed and the win is not written
    expectEveryControlDead();

    openNumbers(6);
    Brelun::clickCell(WinningLetterCell);
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(GO.Chips, 480);
}

TEST_F(RevealTest, ALetterCellClickedDuringTheSixNumberChoicesChangesNothingButTheLock)
{
    for (int i = 1; i <= 4; ++i)
        Brelun::clickCell(winnerCell(i));
    ASSERT_EQ(board.win.text, "20");
    board.forgetWrites();

    Brelun::clickCell(WinningLetterCell);
    Brelun::clickCell(OtherLetterCell);

    EXPECT_EQ(GO.SlctCount, 4);
    EXPECT_EQ(GO.SelLCount, 0);
    EXPECT_EQ(GO.Win, 20);
    EXPECT_EQ(GO.Chips, 490);
    EXPECT_TRUE(GO.go);
    EXPECT_EQ(board.writes(), 0);
}

TEST_F(RevealTest, AfterTheLetterChoiceANumberClickLocksAgainAndALetterClickUnlocksForAnotherStake)
{
    openNumbers(6);
    Brelun::clickCell(OtherLetterCell);
    ASSERT_FALSE(GO.go);
    ASSERT_EQ(GO.Chips, 480);

    Brelun::clickCell(winnerCell(1));
    EXPECT_TRUE(GO.go);
    EXPECT_TRUE(board.show.visible);
    expectEveryControlDead();

    Brelun::clickCell(20);
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(board.cell(20).text, "L");
    EXPECT_EQ(GO.Chips, 470);
    EXPECT_EQ(board.chips.text, "470");
    EXPECT_TRUE(board.show.visible);
}

// --- the number choices ----------------------------------------------------------------------

TEST_F(RevealTest, ANumberCellOpensAsTheNextChoiceAndOnlyAWinnerPaintsItselfAndItsBall)
{
    for (int k = 1; k <= 16; ++k) {
        SCOPED_TRACE(::testing::Message() << "cell " << k);
        board.clear();
        GO.SlctCount = GO.SelDCount = 0;
        int ball = 0;
        for (int i = 1; i <= 6; ++i)
            ball = GO.WLine[i] == GO.FLine[k] ? i : ball;

        Brelun::clickCell(k);

        EXPECT_EQ(GO.SlctCount, 1);
        EXPECT_EQ(GO.Slct[1], k);
        EXPECT_EQ(board.cell(k).text, std::to_string(GO.FLine[k]));
        EXPECT_EQ(GO.SelDCount, ball != 0 ? 1 : 0);
        EXPECT_EQ(board.cell(k).color, ball != 0 ? Highlight : FakeFace::Unpainted);
        for (int i = 1; i <= 7; ++i)
            EXPECT_EQ(board.ball(i).color, i == ball ? Highlight : FakeFace::Unpainted) << "ball " << i;
        for (int other = 1; other <= 20; ++other) {
            if (other != k) {
                EXPECT_EQ(board.cell(other).writes(), 0) << "cell " << other;
            }
        }
    }
}

TEST_F(RevealTest, TheChoicesAreRecordedInOrderAndTheSeventhEntryIsNeverWritten)
{
    GO.Slct[7] = 99;
    const int cells[] = {5, 3, 16, 1, 9, 12};
    for (int k : cells)
        Brelun::clickCell(k);
    Brelun::clickCell(WinningLetterCell);
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(GO.Slct[n], cells[n - 1]) << "choice " << n;
    EXPECT_EQ(GO.Slct[7], 99);
}

TEST_F(RevealTest, WithTheLetterDueANumberCellOpensNothingAndTheWinStaysAsItWas)
{
    openNumbers(4);
    board.forgetWrites();
    const int closedLoser = loserCells().back();
    const int closedWinner = winnerCell(5);

    Brelun::clickCell(closedLoser);
    Brelun::clickCell(closedWinner);

    EXPECT_EQ(GO.SlctCount, 8);
    EXPECT_EQ(GO.SelDCount, 4);
    EXPECT_EQ(GO.Win, 20);
    EXPECT_EQ(board.win.text, "20");
    EXPECT_EQ(board.cell(closedLoser).writes(), 0);
    EXPECT_EQ(board.cell(closedWinner).writes(), 0);
    EXPECT_EQ(board.ball(5).writes(), 0);
    EXPECT_TRUE(GO.go);
}

// A number may be chosen once a game: counting it twice would score its match twice and let
// the letter be chosen before six different cells are open.
TEST_F(RevealTest, ASecondClickOnANumberOpenedThisGameIsRefusedAndChangesNothing)
{
    Brelun::clickCell(winnerCell(1));
    Brelun::clickCell(loserCells().front());
    Brelun::clickCell(winnerCell(2));
    const Brelun::Tgo before = GO;
    board.forgetWrites();

    for (int again : {winnerCell(1), loserCells().front(), winnerCell(2)}) {
        SCOPED_TRACE(again);
        Brelun::clickCell(again);
        fakes::expectSameState(before, GO);
        EXPECT_EQ(board.writes(), 0);
    }

    for (int i = 3; i <= 5; ++i) // the game still takes three more different cells
        Brelun::clickCell(winnerCell(i));
    EXPECT_EQ(GO.SlctCount, 6);
    EXPECT_EQ(GO.SelDCount, 5);
    EXPECT_EQ(board.win.text, "100");
    Brelun::clickCell(WinningLetterCell);
    EXPECT_EQ(GO.Win, 500);
}

TEST_F(RevealTest, ACellOpenedInAnEarlierGameCanBeChosenAgain)
{
    openNumbers(6);
    Brelun::clickCell(OtherLetterCell);
    GO.SlctCount = GO.SelDCount = GO.SelLCount = 0; // what the next deal resets; Slct is kept
    GO.Win = 0;

    Brelun::clickCell(winnerCell(1));

    EXPECT_EQ(GO.SlctCount, 1);
    EXPECT_EQ(GO.SelDCount, 1);
}

// Even billions of clicks must not carry the count back to the number choices, where the
// choice would be written past the end of the record.
TEST_F(RevealTest, TheClickCountStopsAtItsTopAndNeverFallsBackIntoTheNumberChoices)
{
    GO.SlctCount = std::numeric_limits<std::int32_t>::max() - 1;
    GO.SelDCount = 6;
    const Brelun::Array1<std::int32_t, 7> choices = GO.Slct;

    Brelun::clickCell(cellOf(8));
    Brelun::clickCell(cellOf(8));

    EXPECT_EQ(GO.SlctCount, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(GO.Slct, choices);
    EXPECT_EQ(board.cell(cellOf(8)).writes(), 0);
    EXPECT_EQ(board.win.text, "5000");
    Brelun::clickCell(WinningLetterCell);
    EXPECT_EQ(GO.Win, 10000);
    EXPECT_EQ(GO.Chips, 480);
    EXPECT_FALSE(GO.go);
}

// --- "Show" ----------------------------------------------------------------------------------

TEST_F(RevealTest, ShowOpensAllTwentyCellsKeepsTheColoursAndChangesNoCounterWinChipsOrLock)
{
    openNumbers(2);
    Brelun::clickCell(OtherLetterCell);
    for (bool relocked : {false, true}) {
        SCOPED_TRACE(relocked ? "after a number click relocked the game" : "after the letter choice");
        if (relocked)
            Brelun::clickCell(loserCells().back());
        const Brelun::Tgo before = GO;
        std::vector<Brelun::Argb> colours;
        for (const FakeFace &face : board.cells)
            colours.push_back(face.color);
        board.forgetWrites();

        Brelun::clickShow();

        const char *values[] = {"8", "13", "2", "7", "12", "1", "6", "11", "16", "5",
                                "10", "15", "4", "9", "14", "3", "C", "T", "R", "L"};
        for (int k = 1; k <= 20; ++k) {
            EXPECT_EQ(board.cell(k).text, values[k - 1]) << "cell " << k;
            EXPECT_EQ(board.cell(k).color, colours[static_cast<std::size_t>(k - 1)]) << "cell " << k;
            EXPECT_EQ(board.cell(k).colorWrites, 0) << "cell " << k;
        }
        EXPECT_EQ(board.cell(winnerCell(1)).color, Highlight);
        EXPECT_EQ(board.cell(winnerCell(2)).color, Highlight);
        EXPECT_FALSE(board.show.visible);
        fakes::expectSameState(before, GO);
        EXPECT_EQ(board.stake.writes() + board.win.writes() + board.chips.writes(), 0);
    }
}

TEST_F(RevealTest, AfterShowACellClickActsAsInTheStateTheGameWasIn)
{
    openNumbers(6);
    Brelun::clickCell(OtherLetterCell);
    Brelun::clickShow();

    Brelun::clickCell(WinningLetterCell); // a further letter choice

    EXPECT_EQ(GO.SelLCount, 1);
    EXPECT_EQ(GO.Win, 10000);
    EXPECT_EQ(GO.Chips, 470);
    EXPECT_TRUE(board.show.visible);
}

} // namespace
