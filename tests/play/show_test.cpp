// SPDX-License-Identifier: GPL-3.0-or-later
// Matches painted on the ticket and the balls, and the "Show" button that opens the whole ticket.
#include "play_window.h"

#include <QTest>

namespace play {
namespace {

using Brelun::GO;

class Matches : public PlayWindow, public ::testing::WithParamInterface<bool>
{
};

TEST_P(Matches, PaintTheCellAndItsBallAndNothingElse)
{
    const bool letterWins = GetParam();
    openNumbers(3, 3);
    const int letter = letterWins ? winningLetterCell() : otherLetterCell();
    clickCell(letter);

    std::array<bool, 8> ballMatched{};
    for (int k = 1; k <= 16; ++k) {
        SCOPED_TRACE(k);
        const bool opened = !cellText(k).isEmpty();
        const int ball = ballOf(k);
        if (opened && ball != 0)
            ballMatched[static_cast<std::size_t>(ball)] = true;
        EXPECT_EQ(cellColour(k), opened && ball != 0 ? Highlight : Normal);
    }
    for (int k = 17; k <= 20; ++k)
        EXPECT_EQ(cellColour(k), k == letter && letterWins ? Highlight : Normal) << "cell " << k;
    for (int j = 1; j <= 6; ++j)
        EXPECT_EQ(ballColour(j), ballMatched[static_cast<std::size_t>(j)] ? Highlight : Normal) << "ball " << j;
    EXPECT_EQ(ballColour(7), letterWins ? Highlight : Normal);
    EXPECT_EQ(GO.SelDCount, 3);
}

INSTANTIATE_TEST_SUITE_P(Letter, Matches, ::testing::Values(true, false),
                         [](const auto &info) { return std::string(info.param ? "Winning" : "Other"); });

// The ways a player sets off "Show".
enum class Activation { Mouse, TabThenReturn, TabThenSpace, TabThenKeypadEnter, PressedOffThenReturn };

std::string nameOf(Activation activation)
{
    switch (activation) {
    case Activation::Mouse:
        return "Mouse";
    case Activation::TabThenReturn:
        return "TabThenReturn";
    case Activation::TabThenSpace:
        return "TabThenSpace";
    case Activation::TabThenKeypadEnter:
        return "TabThenKeypadEnter";
    case Activation::PressedOffThenReturn:
        return "PressedOffThenReturn";
    }
    return "?";
}

void PrintTo(Activation activation, std::ostream *os)
{
    *os << nameOf(activation);
}

class Show : public PlayWindow, public ::testing::WithParamInterface<Activation>
{
protected:
    void activateShow(Activation activation)
    {
        const QPoint onShow = screen::show.center();
        switch (activation) {
        case Activation::Mouse:
            clickShow();
            return;
        case Activation::TabThenReturn:
        case Activation::TabThenSpace:
        case Activation::TabThenKeypadEnter:
            QTest::keyClick(handle(), Qt::Key_Tab);
            break;
        case Activation::PressedOffThenReturn:
            // A press gives the button the focus; released away from it, it does not click.
            QTest::mousePress(handle(), Qt::LeftButton, {}, onShow);
            QTest::mouseMove(handle(), onShow + QPoint(0, -100));
            QTest::mouseRelease(handle(), Qt::LeftButton, {}, onShow + QPoint(0, -100));
            ASSERT_TRUE(w->Button1->isVisible()) << "a press released off the button clicked it";
            break;
        }
        ASSERT_TRUE(w->Button1->hasFocus());
        if (activation == Activation::TabThenSpace)
            QTest::keyClick(handle(), Qt::Key_Space);
        else if (activation == Activation::TabThenKeypadEnter)
            QTest::keyClick(handle(), Qt::Key_Enter, Qt::KeypadModifier);
        else
            QTest::keyClick(handle(), Qt::Key_Return);
    }
};

TEST_P(Show, OpensTheWholeTicketAndChangesNothingElse)
{
    press(Control::PlusTen);
    openNumbers(2, 4);
    clickCell(winningLetterCell());
    ASSERT_TRUE(w->Button1->isVisible());
    const Picture before = picture();
    const Figures figuresBefore = figures();

    activateShow(GetParam());

    EXPECT_FALSE(w->Button1->isVisible());
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(cellText(k), QString::number(GO.FLine[k])) << "cell " << k;
    for (int j = 1; j <= 4; ++j)
        EXPECT_EQ(cellText(16 + j).toStdString(), Brelun::Ltr[GO.LLine[j]]) << "cell " << 16 + j;
    Picture expected = before;
    for (int k = 1; k <= 20; ++k)
        expected.cellTexts[static_cast<std::size_t>(k - 1)] = cellText(k);
    expected.showVisible = false;
    EXPECT_EQ(picture(), expected);
    EXPECT_EQ(figures(), figuresBefore);
}

INSTANTIATE_TEST_SUITE_P(Ways, Show,
                         ::testing::Values(Activation::Mouse, Activation::TabThenReturn, Activation::TabThenSpace,
                                           Activation::TabThenKeypadEnter, Activation::PressedOffThenReturn),
                         [](const auto &info) { return nameOf(info.param); });

using ShowButton = PlayWindow;

TEST_F(ShowButton, LeavesTheNextClickToPlayOnFromTheSettledGame)
{
    press(Control::PlusTen);
    openNumbers(6, 0);
    clickCell(otherLetterCell());
    clickShow();
    ASSERT_FALSE(w->Button1->isVisible());
    ASSERT_EQ(winText(), QStringLiteral("5000"));

    clickCell(cellsWithoutWinningNumbers()[0]);
    EXPECT_TRUE(GO.go);
    EXPECT_EQ(GO.SlctCount, 8);
    EXPECT_EQ(winText(), QStringLiteral("5000"));
    EXPECT_FALSE(w->Button1->isVisible());
    press(Control::PlusOne);
    EXPECT_EQ(stakeText(), QStringLiteral("10"));

    clickCell(winningLetterCell());
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(winText(), QStringLiteral("10000"));
    EXPECT_EQ(chipsText(), QStringLiteral("470"));
    EXPECT_TRUE(w->Button1->isVisible());
}

TEST_F(ShowButton, PressedWhileANumberClickHoldsTheLockLeavesItHeld)
{
    press(Control::PlusTen);
    openNumbers(4, 2);
    clickCell(otherLetterCell());
    clickCell(cellsWithoutWinningNumbers()[2]);
    ASSERT_TRUE(GO.go);
    ASSERT_TRUE(w->Button1->isVisible());
    const Figures before = figures();

    clickShow();
    EXPECT_FALSE(w->Button1->isVisible());
    EXPECT_EQ(figures(), before);
    press(Control::PlusOne);
    press(Control::StartLotto);
    EXPECT_EQ(figures(), before);
    EXPECT_EQ(stakeText(), QStringLiteral("10"));

    clickCell(winningLetterCell());
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(winText(), QStringLiteral("50"));
}

TEST_F(ShowButton, TakesNoClickOrKeyWhileHidden)
{
    const Picture before = picture();
    const Figures figuresBefore = figures();
    clickAt(screen::show.center());
    QTest::keyClick(handle(), Qt::Key_Tab);
    QTest::keyClick(handle(), Qt::Key_Return);
    QTest::keyClick(handle(), Qt::Key_Space);
    EXPECT_EQ(picture(), before);
    EXPECT_EQ(figures(), figuresBefore);
}

} // namespace
} // namespace play
