// SPDX-License-Identifier: GPL-3.0-or-later
// What a game pays: the win shown after each click on the ticket, and the stake that the
// letter choice charges.
#include "play_window.h"

#include <QTest>

#include <cstdint>

namespace play {
namespace {

using Brelun::GO;

class Payout : public PlayWindow
{
protected:
    void expectWin(std::int64_t win)
    {
        EXPECT_EQ(GO.Win, wrapped(win));
        EXPECT_EQ(winText(), decimal(win));
    }
};

enum class Letter { NotYet, Winning, Other };

struct PayoutRow
{
    int winners;
    Letter letter;
    const char *win; // with a stake of 10
};

void PrintTo(const PayoutRow &row, std::ostream *os)
{
    static const char *const letters[] = {"no letter yet", "the winning letter", "another letter"};
    *os << row.winners << " winning numbers, " << letters[static_cast<int>(row.letter)] << ": " << row.win;
}

class PayoutRows : public Payout, public ::testing::WithParamInterface<PayoutRow>
{
};

TEST_P(PayoutRows, ShowTheStakeTimesTheMultiplierOfTheRow)
{
    const PayoutRow row = GetParam();
    press(Control::PlusTen);
    openNumbers(row.winners, 6 - row.winners);
    if (row.letter == Letter::Winning)
        clickCell(winningLetterCell());
    if (row.letter == Letter::Other)
        clickCell(otherLetterCell());
    EXPECT_EQ(winText(), QString::fromLatin1(row.win));
    EXPECT_EQ(QString::number(GO.Win), QString::fromLatin1(row.win));
}

INSTANTIATE_TEST_SUITE_P(StakeTen, PayoutRows,
                         ::testing::Values(PayoutRow{4, Letter::NotYet, "20"}, PayoutRow{5, Letter::NotYet, "100"},
                                           PayoutRow{6, Letter::NotYet, "5000"}, PayoutRow{3, Letter::NotYet, "0"},
                                           PayoutRow{6, Letter::Winning, "10000"}, PayoutRow{6, Letter::Other, "5000"},
                                           PayoutRow{5, Letter::Winning, "500"}, PayoutRow{4, Letter::Winning, "50"},
                                           PayoutRow{3, Letter::Winning, "10"}, PayoutRow{3, Letter::Other, "0"},
                                           PayoutRow{2, Letter::Winning, "0"}, PayoutRow{0, Letter::Winning, "0"}));

TEST_F(Payout, TheLetterChoiceChargesTheStakeAndBringsUpShow)
{
    press(Control::PlusTen);
    openNumbers(1, 5);
    EXPECT_EQ(chipsText(), QStringLiteral("490"));
    EXPECT_FALSE(w->Button1->isVisible());
    clickCell(otherLetterCell());
    EXPECT_EQ(GO.Chips, 480);
    EXPECT_EQ(chipsText(), QStringLiteral("480"));
    EXPECT_TRUE(w->Button1->isVisible());
}

TEST_F(Payout, ANoughtStakeIsChargedAsNoughtAndWinsNothing)
{
    openNumbers(6, 0);
    expectWin(0);
    clickCell(winningLetterCell());
    expectWin(0);
    EXPECT_EQ(chipsText(), QStringLiteral("500"));
}

TEST_F(Payout, AWrappedNegativeStakeRaisesTheChipsAndWinsBelowZero)
{
    press(Control::PlusOne);
    pressTimes(Control::Double, 31);
    press(Control::PlusOne);
    const std::int64_t stake = -2147483647;
    ASSERT_EQ(GO.Bet, stake);
    const std::int64_t chips = 500 - stake;
    ASSERT_EQ(GO.Chips, wrapped(chips));

    openNumbers(3, 3);
    clickCell(winningLetterCell());
    EXPECT_EQ(GO.Chips, wrapped(chips - stake));
    EXPECT_EQ(chipsText(), QStringLiteral("498"));
    expectWin(stake);
    EXPECT_EQ(winText(), QStringLiteral("-2147483647"));
}

// Letter choices made one after another in the same game: another letter, then the winning
// letter, then the winning letter again.
struct LetterChoices
{
    int winners;
    std::int64_t afterOther;
    std::int64_t afterWinning;
    std::int64_t afterWinningAgain;
};

void PrintTo(const LetterChoices &row, std::ostream *os)
{
    *os << row.winners << " winning numbers";
}

class FurtherLetterChoices : public Payout, public ::testing::WithParamInterface<LetterChoices>
{
};

TEST_P(FurtherLetterChoices, MoveTheWinToTheLetterRowOnceAndBackOnTheNext)
{
    const LetterChoices row = GetParam();
    press(Control::PlusTen);
    openNumbers(row.winners, 6 - row.winners);

    clickCell(otherLetterCell());
    EXPECT_EQ(GO.SelLCount, 0);
    expectWin(row.afterOther);
    EXPECT_EQ(chipsText(), QStringLiteral("480"));

    clickCell(winningLetterCell());
    EXPECT_EQ(GO.SelLCount, 1);
    EXPECT_EQ(cellColour(winningLetterCell()), Highlight);
    EXPECT_EQ(ballColour(7), Highlight);
    expectWin(row.afterWinning);
    EXPECT_EQ(chipsText(), QStringLiteral("470"));

    clickCell(winningLetterCell());
    EXPECT_EQ(GO.SelLCount, 2);
    expectWin(row.afterWinningAgain);
    EXPECT_EQ(chipsText(), QStringLiteral("460"));
    EXPECT_FALSE(GO.go);
}

INSTANTIATE_TEST_SUITE_P(StakeTen, FurtherLetterChoices,
                         ::testing::Values(LetterChoices{6, 5000, 10000, 5000}, LetterChoices{3, 0, 10, 0}));

TEST_F(Payout, AStakeChangedAfterTheLetterCountsFromTheNextCellClick)
{
    press(Control::PlusTen);
    openNumbers(6, 0);
    clickCell(winningLetterCell());
    expectWin(10000);

    press(Control::PlusTen);
    ASSERT_EQ(stakeText(), QStringLiteral("20"));
    expectWin(10000);

    clickCell(cellsWithoutWinningNumbers()[0]);
    expectWin(20000);
}

TEST_F(Payout, StartLottoSettlesTheWinHeldWhateverTheStakeBecameSince)
{
    press(Control::PlusTen);
    openNumbers(4, 2);
    clickCell(winningLetterCell());
    expectWin(50);
    press(Control::Zero);
    ASSERT_EQ(chipsText(), QStringLiteral("490"));
    press(Control::StartLotto);
    EXPECT_EQ(GO.Chips, 540);
    EXPECT_EQ(chipsText(), QStringLiteral("540"));
    expectWin(0);
}

TEST_F(Payout, ADoubleClickOnStartLottoSettlesTheWinOnce)
{
    press(Control::PlusTen);
    openNumbers(6, 0);
    clickCell(otherLetterCell());
    expectWin(5000);
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, placeOf(Control::StartLotto).center());
    EXPECT_EQ(GO.Chips, 5480);
    EXPECT_EQ(chipsText(), QStringLiteral("5480"));
    expectWin(0);
}

} // namespace
} // namespace play
