// SPDX-License-Identifier: GPL-3.0-or-later
// What a game pays, what the letter choice charges, and how further letter choices move the win.

#include "ticket_fixture.h"

#include "game/faces.h"
#include "game/rules.h"
#include "game/state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

namespace {

using Brelun::GO;
using fakes::Highlight;

enum class Letter { NotYet, Winning, Other };

struct PayoutCase
{
    std::string name;
    int hits;
    Letter letter;
    std::int32_t win; // with stake 10

    friend void PrintTo(const PayoutCase &c, std::ostream *os) { *os << c.name; }
};

class Payout : public fakes::TicketTest, public ::testing::WithParamInterface<PayoutCase>
{
};

TEST_P(Payout, WinIsTheStakeTimesTheMultiplierOfTheFirstRowThatHolds)
{
    const PayoutCase &c = GetParam();
    openNumbers(c.hits);
    if (c.letter == Letter::Winning)
        Brelun::clickCell(WinningLetterCell);
    else if (c.letter == Letter::Other)
        Brelun::clickCell(OtherLetterCell);

    EXPECT_EQ(GO.SelDCount, c.hits);
    EXPECT_EQ(GO.SelLCount, c.letter == Letter::Winning ? 1 : 0);
    EXPECT_EQ(GO.Win, c.win);
    EXPECT_EQ(board.win.text, std::to_string(c.win));
}

INSTANTIATE_TEST_SUITE_P(
    StakeTen, Payout,
    ::testing::Values(PayoutCase{"SixNumbersAndTheLetterPay1000Times", 6, Letter::Winning, 10000},
                      PayoutCase{"SixNumbersAndAnotherLetterPay500Times", 6, Letter::Other, 5000},
                      PayoutCase{"SixNumbersBeforeTheLetterShow500Times", 6, Letter::NotYet, 5000},
                      PayoutCase{"FiveNumbersAndTheLetterPay50Times", 5, Letter::Winning, 500},
                      PayoutCase{"FiveNumbersAndAnotherLetterPay10Times", 5, Letter::Other, 100},
                      PayoutCase{"FiveNumbersBeforeTheLetterShow10Times", 5, Letter::NotYet, 100},
                      PayoutCase{"FourNumbersAndTheLetterPay5Times", 4, Letter::Winning, 50},
                      PayoutCase{"FourNumbersAndAnotherLetterPayTwice", 4, Letter::Other, 20},
                      PayoutCase{"FourNumbersBeforeTheLetterShowTwice", 4, Letter::NotYet, 20},
                      PayoutCase{"ThreeNumbersAndTheLetterPayTheStake", 3, Letter::Winning, 10},
                      PayoutCase{"ThreeNumbersAndAnotherLetterPayNothing", 3, Letter::Other, 0},
                      PayoutCase{"ThreeNumbersBeforeTheLetterShowNothing", 3, Letter::NotYet, 0},
                      PayoutCase{"TwoNumbersAndTheLetterPayNothing", 2, Letter::Winning, 0},
                      PayoutCase{"NoNumberAndTheLetterPayNothing", 0, Letter::Winning, 0}),
    [](const ::testing::TestParamInfo<PayoutCase> &info) { return info.param.name; });

using PayoutTest = fakes::TicketTest;

TEST_F(PayoutTest, WhileTheNumbersAreOpenedTheWinShowsWhatTheTicketWouldPayWithoutTheLetter)
{
    const char *shown[] = {"0", "0", "0", "20", "100", "5000"};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        Brelun::clickCell(winnerCell(i));
        EXPECT_EQ(board.win.text, shown[i - 1]);
        EXPECT_EQ(board.win.textWrites, i);
    }
}

// --- the letter choice: charge, unlock, "Show" -----------------------------------------------

struct ChargeCase
{
    std::string name;
    std::int32_t bet;
    std::int32_t chips;
    std::int32_t win;        // after six winning numbers and the winning letter
    std::int32_t chipsAfter; // chips less the stake, wrapped

    friend void PrintTo(const ChargeCase &c, std::ostream *os) { *os << c.name; }
};

class LetterCharge : public fakes::TicketTest, public ::testing::WithParamInterface<ChargeCase>
{
};

TEST_P(LetterCharge, ChargesTheStakeWithItsSignAndPaysTheWrappedProduct)
{
    const ChargeCase &c = GetParam();
    GO.Bet = c.bet;
    GO.Chips = c.chips;
    openNumbers(6);
    EXPECT_EQ(GO.Chips, c.chips); // opening numbers charges nothing

    Brelun::clickCell(WinningLetterCell);

    EXPECT_EQ(GO.Chips, c.chipsAfter);
    EXPECT_EQ(board.chips.text, std::to_string(c.chipsAfter));
    EXPECT_EQ(GO.Win, c.win);
    EXPECT_EQ(board.win.text, std::to_string(c.win));
    EXPECT_EQ(GO.Bet, c.bet);
    EXPECT_TRUE(board.show.visible);
    EXPECT_FALSE(GO.go);
}

INSTANTIATE_TEST_SUITE_P(
    Stakes, LetterCharge,
    ::testing::Values(ChargeCase{"StakeTen", 10, 490, 10000, 480},
                      ChargeCase{"StakeZeroChargesNothingAndPaysNothing", 0, 500, 0, 500},
                      ChargeCase{"StakeBelowZeroRaisesTheChipsAndPaysBelowZero", -10, 510, -10000, 520},
                      ChargeCase{"ChipsBelowZeroStillPay", 10, -7, 10000, -17},
                      ChargeCase{"LowestStakeTimesAThousandWrapsToZero", std::numeric_limits<std::int32_t>::min(),
                                 500, 0, -2147483148},
                      ChargeCase{"WrappedStakeOfTenToTheTenthPaysTheLow32BitsOfTheProduct", 1410065408,
                                 -1410064908, 1316134912, 1474836980}),
    [](const ::testing::TestParamInfo<ChargeCase> &info) { return info.param.name; });

TEST_F(PayoutTest, AStakeOfZeroPaysNothingOnAnyRow)
{
    GO.Bet = 0;
    GO.Chips = 500;
    for (int hits = 0; hits <= 6; ++hits) {
        for (int letterCell : {WinningLetterCell, OtherLetterCell}) {
            SCOPED_TRACE(::testing::Message() << hits << " numbers, letter cell " << letterCell);
            GO.SlctCount = GO.SelDCount = GO.SelLCount = 0;
            openNumbers(hits);
            Brelun::clickCell(letterCell);
            EXPECT_EQ(GO.Win, 0);
            EXPECT_EQ(board.win.text, "0");
            EXPECT_EQ(GO.Chips, 500);
        }
    }
}

TEST_F(PayoutTest, TheLetterChoiceShowsItsLetterAndPaintsItAndBallSevenOnlyWhenItWins)
{
    openNumbers(0);
    Brelun::clickCell(OtherLetterCell);
    EXPECT_EQ(board.cell(OtherLetterCell).text, "C");
    EXPECT_EQ(board.cell(OtherLetterCell).colorWrites, 0);
    EXPECT_EQ(board.ball(7).colorWrites, 0);

    Brelun::clickCell(WinningLetterCell);
    EXPECT_EQ(board.cell(WinningLetterCell).text, "R");
    EXPECT_EQ(board.cell(WinningLetterCell).color, Highlight);
    EXPECT_EQ(board.ball(7).color, Highlight);
    EXPECT_EQ(GO.SelLCount, 1);
}

// --- further letter choices ------------------------------------------------------------------

struct RechoiceCase
{
    std::string name;
    int hits;
    std::int32_t wins[3]; // after a missed letter, the winning letter once, and twice

    friend void PrintTo(const RechoiceCase &c, std::ostream *os) { *os << c.name; }
};

class FurtherLetterChoice : public fakes::TicketTest, public ::testing::WithParamInterface<RechoiceCase>
{
};

// The letter counts only while it has been found exactly once: a second find falls back.
TEST_P(FurtherLetterChoice, MovesTheWinToTheLetterRowAndBackAndChargesTheStakeEachTime)
{
    const RechoiceCase &c = GetParam();
    openNumbers(c.hits);
    const int clicks[] = {OtherLetterCell, WinningLetterCell, WinningLetterCell};
    const std::int32_t counts[] = {0, 1, 2};
    for (int n = 0; n < 3; ++n) {
        SCOPED_TRACE(::testing::Message() << "letter choice " << n + 1);
        Brelun::clickCell(clicks[n]);
        EXPECT_EQ(GO.SelLCount, counts[n]);
        EXPECT_EQ(GO.Win, c.wins[n]);
        EXPECT_EQ(board.win.text, std::to_string(c.wins[n]));
        EXPECT_EQ(GO.Chips, 490 - 10 * (n + 1));
        EXPECT_FALSE(GO.go);
        EXPECT_TRUE(board.show.visible);
    }
    EXPECT_EQ(board.ball(7).color, Highlight);
}

INSTANTIATE_TEST_SUITE_P(StakeTen, FurtherLetterChoice,
                         ::testing::Values(RechoiceCase{"SixNumbers", 6, {5000, 10000, 5000}},
                                           RechoiceCase{"ThreeNumbers", 3, {0, 10, 0}}),
                         [](const ::testing::TestParamInfo<RechoiceCase> &info) { return info.param.name; });

TEST_F(PayoutTest, TheLetterCountStopsAtItsTopInsteadOfOverflowing)
{
    openNumbers(6);
    GO.SelLCount = std::numeric_limits<std::int32_t>::max();
    Brelun::clickCell(WinningLetterCell);
    EXPECT_EQ(GO.SelLCount, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(GO.Win, 5000);
}

// --- the stake after the letter choice -------------------------------------------------------

TEST_F(PayoutTest, AStakeChangedAfterTheLetterChoiceCountsOnlyFromTheNextCellClick)
{
    openNumbers(6);
    Brelun::clickCell(WinningLetterCell);
    ASSERT_EQ(GO.Win, 10000);
    board.forgetWrites();

    Brelun::pressBet(Brelun::BetKey::PlusTen);
    EXPECT_EQ(GO.Bet, 20);
    EXPECT_EQ(GO.Win, 10000);
    EXPECT_EQ(board.win.writes(), 0);

    Brelun::clickCell(cellOf(8)); // a number cell: opens nothing, works the win out anew
    EXPECT_EQ(GO.Win, 20000);
    EXPECT_EQ(board.win.text, "20000");
}

TEST_F(PayoutTest, StartLottoAfterAStakeChangeCreditsTheWinAsItStood)
{
    openNumbers(6);
    Brelun::clickCell(WinningLetterCell); // chips 480, win 10000
    Brelun::pressBet(Brelun::BetKey::PlusTen); // stake 20, chips 470
    for (int k = 1; k <= 16; ++k)
        chance.add(fakes::drawFor(k, 16));
    for (int k = 1; k <= 4; ++k)
        chance.add(fakes::drawFor(k, 4));

    Brelun::pressStartLotto();

    EXPECT_EQ(GO.Chips, 10470);
    EXPECT_EQ(board.chips.text, "10470");
    EXPECT_EQ(GO.Win, 0);
    EXPECT_EQ(board.win.text, "0");
    EXPECT_EQ(GO.Bet, 20);
}

} // namespace
