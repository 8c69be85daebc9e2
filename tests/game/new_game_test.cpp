// SPDX-License-Identifier: GPL-3.0-or-later
// Starting a new game: the last win is credited, the ticket is blanked and dealt again.

#include "game_fixture.h"

#include "game/deal.h"
#include "game/faces.h"
#include "game/rules.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

using Brelun::GO;
using fakes::Highlight;
using fakes::NormalText;
using fakes::drawFor;

class NewGameTest : public fakes::GameTest
{
protected:
    // The end of a finished game: cells open and painted, balls painted, "Show" up.
    NewGameTest()
    {
        GO.Win = 100;
        GO.Bet = 10;
        GO.Chips = 480;
        GO.FLine = {{2, 1, 7, 15, 9, 11, 10, 13, 12, 6, 8, 3, 14, 4, 16, 5}};
        GO.LLine = {{3, 4, 1, 2}};
        GO.WLine = {{5, 9, 1, 16, 12, 3, 2}};
        GO.Slct = {{16, 1, 12, 3, 8, 5, 0}};
        GO.SelDCount = 4;
        GO.SelLCount = 1;
        GO.SlctCount = 7;
        // Copied from a std::string, not assigned from the literal: GCC 12 at -O3 inlines the
        // literal's assignment into a memcpy it then wrongly reports as overlapping (-Wrestrict).
        const std::string opened = "x";
        for (int k = 1; k <= 20; ++k) {
            board.cell(k).text = opened;
            board.cell(k).color = k % 3 == 0 ? Highlight : NormalText;
        }
        const char *balls[] = {"5", "9", "1", "16", "12", "3", "L"};
        for (int i = 1; i <= 7; ++i) {
            board.ball(i).text = balls[i - 1];
            board.ball(i).color = i % 2 == 0 ? Highlight : NormalText;
        }
        board.stake.text = "10";
        board.show.visible = true;
    }

    // The draws of one deal: every position keeps its place.
    void arrangeDeal()
    {
        for (int k = 1; k <= 16; ++k)
            chance.add(drawFor(k, 16));
        for (int k = 1; k <= 4; ++k)
            chance.add(drawFor(k, 4));
    }
};

TEST_F(NewGameTest, BlanksEveryCellAndSetsItBackToTheNormalTextColour)
{
    arrangeDeal();
    Brelun::initNewLoto();
    for (int k = 1; k <= 20; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(board.cell(k).text, "");
        EXPECT_EQ(board.cell(k).color, NormalText);
    }
}

TEST_F(NewGameTest, SetsTheBallsBackToTheNormalTextColourAndKeepsTheWinningLineOnThem)
{
    const Brelun::Array1<std::int32_t, 7> line = GO.WLine;
    arrangeDeal();
    Brelun::initNewLoto();
    const char *balls[] = {"5", "9", "1", "16", "12", "3", "L"};
    for (int i = 1; i <= 7; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(board.ball(i).color, NormalText);
        EXPECT_EQ(board.ball(i).text, balls[i - 1]);
        EXPECT_EQ(board.ball(i).textWrites, 0);
    }
    EXPECT_EQ(GO.WLine, line);
}

TEST_F(NewGameTest, CreditsTheWinShowsWinZeroAndTheNewChipsAndHidesShow)
{
    arrangeDeal();
    Brelun::initNewLoto();
    EXPECT_EQ(GO.Chips, 580);
    EXPECT_EQ(board.chips.text, "580");
    EXPECT_EQ(board.win.text, "0");
    EXPECT_FALSE(board.show.visible);
    EXPECT_EQ(board.show.visibleWrites, 1);
}

TEST_F(NewGameTest, CreditsAWinThatCarriesTheChipsPastTheTopByWrapping)
{
    GO.Chips = std::numeric_limits<std::int32_t>::max();
    GO.Win = 1;
    arrangeDeal();
    Brelun::initNewLoto();
    EXPECT_EQ(GO.Chips, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(board.chips.text, "-2147483648");
}

TEST_F(NewGameTest, DealsAFreshTicketAndClearsTheCountersTheWinAndTheLock)
{
    GO.go = true; // the callers test the lock; dealing clears it whatever it was
    arrangeDeal();
    Brelun::initNewLoto();
    EXPECT_EQ(chance.drawsTaken(), 20u);
    EXPECT_EQ(GO.FLine, (Brelun::Array1<std::int32_t, 16>{{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}}));
    EXPECT_EQ(GO.LLine, (Brelun::Array1<std::int32_t, 4>{{1, 2, 3, 4}}));
    EXPECT_EQ(GO.SlctCount, 0);
    EXPECT_EQ(GO.SelDCount, 0);
    EXPECT_EQ(GO.SelLCount, 0);
    EXPECT_EQ(GO.Win, 0);
    EXPECT_FALSE(GO.go);
}

TEST_F(NewGameTest, LeavesTheStakeItsDisplayAndThePastChoicesAlone)
{
    const Brelun::Array1<std::int32_t, 7> choices = GO.Slct;
    arrangeDeal();
    Brelun::initNewLoto();
    EXPECT_EQ(GO.Bet, 10);
    EXPECT_EQ(board.stake.text, "10");
    EXPECT_EQ(board.stake.writes(), 0);
    EXPECT_EQ(GO.Slct, choices);
}

TEST_F(NewGameTest, TwoPressesOfStartLottoInARowCreditTheWinOnce)
{
    arrangeDeal();
    arrangeDeal();

    Brelun::pressStartLotto();
    Brelun::pressStartLotto();

    EXPECT_EQ(chance.drawsTaken(), 40u);
    EXPECT_EQ(GO.Chips, 580);
    EXPECT_EQ(board.chips.text, "580");
    EXPECT_EQ(board.win.text, "0");
    EXPECT_EQ(GO.Win, 0);
}

} // namespace
