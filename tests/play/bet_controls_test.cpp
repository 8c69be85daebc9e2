// SPDX-License-Identifier: GPL-3.0-or-later
// The five bet controls, pressed with the mouse where they stand below the ticket.
#include "play_window.h"

#include <QTest>

#include <cstdint>
#include <ostream>
#include <string>

namespace play {
namespace {

using Brelun::GO;

class BetControls : public PlayWindow
{
protected:
    void expectStakeAndChips(std::int64_t stake, std::int64_t chips)
    {
        EXPECT_EQ(GO.Bet, wrapped(stake));
        EXPECT_EQ(GO.Chips, wrapped(chips));
        EXPECT_EQ(stakeText(), decimal(stake));
        EXPECT_EQ(chipsText(), decimal(chips));
    }
};

TEST_F(BetControls, MoveChipsIntoTheStakeAndBackStepByStep)
{
    struct Step
    {
        Control control;
        std::int32_t stake;
        std::int32_t chips;
    };
    const Step steps[] = {
        {Control::PlusOne, 1, 499},  {Control::TimesTen, 10, 490}, {Control::Double, 20, 480},
        {Control::PlusTen, 30, 470}, {Control::Zero, 0, 500},
    };
    expectStakeAndChips(0, 500);
    for (const Step &step : steps) {
        SCOPED_TRACE(nameOf(step.control));
        press(step.control);
        expectStakeAndChips(step.stake, step.chips);
    }
}

class ControlsOnANoughtStake : public BetControls, public ::testing::WithParamInterface<Control>
{
};

TEST_P(ControlsOnANoughtStake, WriteBothDisplaysAgain)
{
    w->Label4->setText(QStringLiteral("stale stake"));
    w->Label7->setText(QStringLiteral("stale chips"));
    press(GetParam());
    expectStakeAndChips(0, 500);
}

INSTANTIATE_TEST_SUITE_P(Multipliers, ControlsOnANoughtStake,
                         ::testing::Values(Control::Double, Control::TimesTen, Control::Zero));

TEST_F(BetControls, AcceptAStakeAboveTheChipsAndShowChipsBelowZero)
{
    pressTimes(Control::PlusTen, 50);
    expectStakeAndChips(500, 0);
    press(Control::PlusOne);
    expectStakeAndChips(501, -1);
    EXPECT_EQ(chipsText(), QStringLiteral("-1"));
}

// One multiplier pressed again and again on a stake of 1, until the stake has wrapped.
struct Wrapping
{
    const char *name;
    Control control;
    int factor;
    int presses;
    int markedPress; // after this press the stake reads `marked`, the last value before the wrap shows
    const char *marked;
    const char *lastStake;
    const char *lastChips;
    friend void PrintTo(const Wrapping &wrapping, std::ostream *os) { *os << wrapping.name; }
};

class RepeatedMultiplier : public BetControls, public ::testing::WithParamInterface<Wrapping>
{
};

TEST_P(RepeatedMultiplier, WrapsTheStakeAndTheChipsModuloTwoToThe32)
{
    const Wrapping &c = GetParam();
    press(Control::PlusOne);
    std::int64_t stake = 1;
    for (int n = 1; n <= c.presses; ++n) {
        SCOPED_TRACE(n);
        press(c.control);
        stake *= c.factor;
        expectStakeAndChips(stake, 500 - stake);
        if (n == c.markedPress) {
            EXPECT_EQ(stakeText(), QString::fromLatin1(c.marked));
        }
    }
    EXPECT_EQ(stakeText(), QString::fromLatin1(c.lastStake));
    EXPECT_EQ(chipsText(), QString::fromLatin1(c.lastChips));
}

INSTANTIATE_TEST_SUITE_P(
    OnAStakeOfOne, RepeatedMultiplier,
    ::testing::Values(
        Wrapping{"TimesTenTenTimes", Control::TimesTen, 10, 10, 9, "1000000000", "1410065408", "-1410064908"},
        // Doubling reaches the lowest stake, then nought.
        Wrapping{"DoublingThirtyTwoTimes", Control::Double, 2, 32, 31, "-2147483648", "0", "500"}),
    [](const ::testing::TestParamInfo<Wrapping> &info) { return std::string(info.param.name); });

class PressWithAnyButton : public BetControls, public ::testing::WithParamInterface<Qt::MouseButton>
{
};

TEST_P(PressWithAnyButton, RaisesTheStakeOnThePressItself)
{
    const QPoint point = placeOf(Control::PlusOne).center();
    QTest::mousePress(handle(), GetParam(), {}, point);
    expectStakeAndChips(1, 499);
    QTest::mouseRelease(handle(), GetParam(), {}, point);
    expectStakeAndChips(1, 499);
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressWithAnyButton,
                         ::testing::Values(Qt::LeftButton, Qt::RightButton, Qt::MiddleButton));

TEST_F(BetControls, ADoubleClickOnPlusOneRaisesTheStakeByTwo)
{
    const MouseEventLog log(w->Rectangle10);
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, placeOf(Control::PlusOne).center());
    // The second press of a real double click arrives as the double click event alone.
    const std::vector<QEvent::Type> realDoubleClick{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
    EXPECT_EQ(log.types, realDoubleClick);
    expectStakeAndChips(2, 498);
}

TEST_F(BetControls, APressOnTheCaptionActsOnTheControlBeneathIt)
{
    const QPoint onCaption = placeOf(Control::PlusTen).center();
    const QRect caption(w->Label13->mapTo(w, QPoint(0, 0)), w->Label13->size());
    ASSERT_TRUE(w->Label13->isVisible());
    ASSERT_TRUE(caption.contains(onCaption));
    QTest::mouseClick(handle(), Qt::LeftButton, {}, onCaption);
    expectStakeAndChips(10, 490);
}

TEST_F(BetControls, LeaveTheWinAsItIs)
{
    w->Label5->setText(QStringLiteral("untouched"));
    for (const Control control : {Control::PlusOne, Control::PlusTen, Control::Double, Control::TimesTen, Control::Zero})
        press(control);
    EXPECT_EQ(winText(), QStringLiteral("untouched"));
    EXPECT_EQ(GO.Win, 0);
}

} // namespace
} // namespace play
