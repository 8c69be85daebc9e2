// SPDX-License-Identifier: GPL-3.0-or-later
// The lock of a game under way: from the first click on the ticket until the letter choice
// the seven controls below the ticket do nothing.
#include "play_window.h"

#include <cstdint>

namespace play {
namespace {

using Brelun::GO;
using Brelun::WL;

class Lock : public PlayWindow
{
protected:
    // Presses each of the seven controls in turn; none may change what the player sees or the
    // game holds. The balls are marked first, so that a winning line drawn again would show.
    void expectControlsDead()
    {
        const Picture unmarked = picture();
        for (int j = 1; j <= 7; ++j)
            WL[j]->setText(QStringLiteral("?"));
        const Picture before = picture();
        const Figures figuresBefore = figures();
        for (const Control control : AllControls) {
            SCOPED_TRACE(nameOf(control));
            press(control);
            EXPECT_EQ(picture(), before);
            EXPECT_EQ(figures(), figuresBefore);
        }
        for (int j = 1; j <= 7; ++j)
            WL[j]->setText(unmarked.ballTexts[static_cast<std::size_t>(j - 1)]);
    }

    // Presses each of the seven controls in turn and sees each do its work.
    void expectControlsWork()
    {
        const std::int64_t stake = GO.Bet;
        const std::int64_t chips = GO.Chips;
        press(Control::PlusOne);
        EXPECT_EQ(GO.Bet, wrapped(stake + 1));
        press(Control::PlusTen);
        EXPECT_EQ(GO.Bet, wrapped(stake + 11));
        press(Control::Double);
        EXPECT_EQ(GO.Bet, wrapped(2 * (stake + 11)));
        press(Control::TimesTen);
        EXPECT_EQ(GO.Bet, wrapped(20 * (stake + 11)));
        press(Control::Zero);
        EXPECT_EQ(GO.Bet, 0);
        EXPECT_EQ(GO.Chips, wrapped(chips + stake));
        EXPECT_EQ(stakeText(), QStringLiteral("0"));

        for (int j = 1; j <= 7; ++j)
            WL[j]->setText(QStringLiteral("?"));
        press(Control::ChangeValues);
        for (int j = 1; j <= 6; ++j)
            EXPECT_EQ(WL[j]->text(), QString::number(GO.WLine[j])) << "ball " << j;
        EXPECT_EQ(WL[7]->text().toStdString(), Brelun::Ltr[GO.WLine[7]]);

        press(Control::StartLotto);
        EXPECT_EQ(GO.SlctCount, 0);
        EXPECT_FALSE(GO.go);
        EXPECT_FALSE(w->Button1->isVisible());
        for (int k = 1; k <= 20; ++k)
            EXPECT_EQ(cellText(k), QString()) << "cell " << k;
    }
};

TEST_F(Lock, HoldsTheSevenControlsFromTheFirstCellClickUntilTheLetterChoice)
{
    press(Control::PlusTen);
    const std::vector<int> winning = cellsWithWinningNumbers();
    const std::vector<int> losing = cellsWithoutWinningNumbers();

    clickCell(winning[0]);
    EXPECT_TRUE(GO.go);
    {
        SCOPED_TRACE("after the first number");
        expectControlsDead();
    }

    for (std::size_t n = 1; n < 6; ++n)
        clickCell(winning[n]);
    ASSERT_EQ(GO.SlctCount, 6);
    {
        SCOPED_TRACE("after the sixth number");
        expectControlsDead();
    }

    // A number cell clicked before the letter opens nothing and changes no win.
    const QString win = winText();
    clickCell(losing[0]);
    EXPECT_EQ(cellText(losing[0]), QString());
    EXPECT_EQ(winText(), win);
    {
        SCOPED_TRACE("after a number past the sixth");
        expectControlsDead();
    }

    clickCell(otherLetterCell());
    EXPECT_FALSE(GO.go);
    SCOPED_TRACE("after the letter choice");
    expectControlsWork();
}

TEST_F(Lock, IsSetByAFirstClickOnALetterCellThatOpensNothing)
{
    w->Label5->setText(QStringLiteral("untouched"));
    const int letter = winningLetterCell();
    clickCell(letter);
    EXPECT_EQ(cellText(letter), QString());
    EXPECT_EQ(cellColour(letter), Normal);
    EXPECT_EQ(ballColour(7), Normal);
    EXPECT_EQ(GO.SlctCount, 0);
    EXPECT_EQ(GO.SelLCount, 0);
    EXPECT_TRUE(GO.go);
    EXPECT_EQ(winText(), QStringLiteral("untouched"));
    expectControlsDead();

    // The letter stays refused until six numbers are open, and never touches the win shown.
    openNumbers(3, 0);
    w->Label5->setText(QStringLiteral("untouched"));
    clickCell(letter);
    EXPECT_EQ(cellText(letter), QString());
    EXPECT_EQ(GO.SlctCount, 3);
    EXPECT_EQ(winText(), QStringLiteral("untouched"));

    const std::vector<int> losing = cellsWithoutWinningNumbers();
    for (std::size_t n = 0; n < 3; ++n)
        clickCell(losing[n]);
    clickCell(letter);
    EXPECT_EQ(cellText(letter).toStdString(), Brelun::Ltr[GO.WLine[7]]);
    EXPECT_FALSE(GO.go);
    expectControlsWork();
}

TEST_F(Lock, ReturnsWithANumberClickAfterTheLetterAndGoesWithTheNextLetterForOneMoreStake)
{
    press(Control::PlusTen);
    openNumbers(2, 4);
    clickCell(otherLetterCell());
    ASSERT_FALSE(GO.go);
    ASSERT_EQ(chipsText(), QStringLiteral("480"));

    clickCell(cellsWithoutWinningNumbers()[5]);
    EXPECT_TRUE(GO.go);
    expectControlsDead();

    clickCell(winningLetterCell());
    EXPECT_FALSE(GO.go);
    EXPECT_TRUE(w->Button1->isVisible());
    EXPECT_EQ(GO.Chips, 470);
    EXPECT_EQ(chipsText(), QStringLiteral("470"));
    expectControlsWork();
}

} // namespace
} // namespace play
