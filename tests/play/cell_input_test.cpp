// SPDX-License-Identifier: GPL-3.0-or-later
// Which mouse input on the ticket counts as a click on a cell, and what a click on a cell that
// is already open does.
#include "play_window.h"

#include "support/platform_mouse.h"

#include <QTest>

#include <algorithm>
#include <string>

namespace play {
namespace {

using Brelun::GO;
using Brelun::RR;

class Ticket : public PlayWindow
{
protected:
    // The game as it was dealt: nothing open, nothing counted, unlocked.
    void expectUntouched(const Picture &before, const Figures &figuresBefore)
    {
        EXPECT_EQ(picture(), before);
        EXPECT_EQ(figures(), figuresBefore);
        EXPECT_FALSE(GO.go);
        EXPECT_EQ(GO.SlctCount, 0);
    }
};

// A cell opened earlier in the game, clicked again while number choices are still due.
struct Reopen
{
    int opened;  // distinct cells opened before
    int again;   // which of them (1-based, in the order opened) is clicked again
};

void PrintTo(const Reopen &r, std::ostream *os)
{
    *os << "choice " << r.again << " of " << r.opened;
}

class OpenCellClickedAgain : public Ticket, public ::testing::WithParamInterface<Reopen>
{
};

TEST_P(OpenCellClickedAgain, ChangesNothingAndLeavesTheChoiceDue)
{
    const Reopen r = GetParam();
    press(Control::PlusTen);
    // Winning cells first, so that a repeated match would be counted and paid.
    openNumbers(std::min(r.opened, 6), std::max(0, r.opened - 6));
    const int cell = cellsWithWinningNumbers()[static_cast<std::size_t>(r.again - 1)];
    w->Label5->setText(QStringLiteral("untouched"));
    const Picture before = picture();
    const Figures figuresBefore = figures();

    clickCell(cell);

    EXPECT_EQ(picture(), before);
    EXPECT_EQ(figures(), figuresBefore);
    EXPECT_EQ(GO.SlctCount, r.opened);
    EXPECT_EQ(GO.SelDCount, r.opened);
    EXPECT_TRUE(GO.go);

    // The letter still waits for six distinct numbers.
    for (int n = r.opened; n < 6; ++n) {
        clickCell(winningLetterCell());
        EXPECT_EQ(cellText(winningLetterCell()), QString());
        clickCell(cellsWithWinningNumbers()[static_cast<std::size_t>(n)]);
    }
    ASSERT_EQ(GO.SlctCount, 6);
    EXPECT_EQ(GO.SelDCount, 6);
    clickCell(winningLetterCell());
    EXPECT_FALSE(GO.go);
    EXPECT_EQ(winText(), QStringLiteral("10000"));
}

INSTANTIATE_TEST_SUITE_P(Choices, OpenCellClickedAgain,
                         ::testing::Values(Reopen{1, 1}, Reopen{3, 1}, Reopen{5, 3}, Reopen{5, 5}));

class OffTheCells : public Ticket, public ::testing::WithParamInterface<QPoint>
{
};

TEST_P(OffTheCells, AClickDoesNothing)
{
    const QPoint point = GetParam();
    for (int k = 1; k <= 20; ++k)
        ASSERT_FALSE(screen::cell(k).contains(point)) << "the point lies on cell " << k;
    const Picture before = picture();
    const Figures figuresBefore = figures();
    clickAt(point);
    expectUntouched(before, figuresBefore);
    press(Control::PlusOne);
    EXPECT_EQ(stakeText(), QStringLiteral("1")) << "the click locked the controls";
}

INSTANTIATE_TEST_SUITE_P(Points, OffTheCells,
                         ::testing::Values(QPoint(41, 157),   // just left of row 1's first cell
                                           QPoint(92, 157),   // just right of it
                                           QPoint(67, 182),   // just below it
                                           QPoint(94, 157),   // between the first two cells of row 1
                                           QPoint(201, 280),  // between the last two number cells of row 3
                                           QPoint(67, 188),   // between rows 1 and 2
                                           QPoint(255, 157),  // the empty stretch of row 1, its left end
                                           QPoint(275, 218),  // the empty stretch of row 2
                                           QPoint(296, 340)), // the empty stretch of row 4, its right end
                         [](const auto &info) {
                             return "At" + std::to_string(info.param.x()) + "x" + std::to_string(info.param.y());
                         });

class OnACellsEdge : public Ticket, public ::testing::WithParamInterface<QPoint>
{
};

TEST_P(OnACellsEdge, AClickOpensTheCell)
{
    const int cell = 4; // the top row's leftmost cell, at 42,133 and 50 x 49
    ASSERT_TRUE(screen::cell(cell).contains(GetParam()));
    clickAt(GetParam());
    EXPECT_EQ(cellText(cell), QString::number(GO.FLine[cell]));
    EXPECT_EQ(GO.SlctCount, 1);
    EXPECT_TRUE(GO.go);
}

INSTANTIATE_TEST_SUITE_P(Points, OnACellsEdge,
                         ::testing::Values(QPoint(42, 157), QPoint(91, 157), QPoint(67, 133), QPoint(67, 181),
                                           QPoint(42, 133), QPoint(91, 181)),
                         [](const auto &info) {
                             return "At" + std::to_string(info.param.x()) + "x" + std::to_string(info.param.y());
                         });

TEST_F(Ticket, ADoubleClickOnACellIsOneClick)
{
    const int cell = cellsWithWinningNumbers()[0];
    const MouseEventLog log(RR[cell]);
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, screen::cell(cell).center());
    const std::vector<QEvent::Type> realDoubleClick{QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
    EXPECT_EQ(log.types, realDoubleClick);
    EXPECT_EQ(GO.SlctCount, 1);
    EXPECT_EQ(GO.SelDCount, 1);
    EXPECT_EQ(cellText(cell), QString::number(GO.FLine[cell]));
}

TEST_F(Ticket, ADoubleClickOnTheLetterChargesTheStakeOnce)
{
    press(Control::PlusTen);
    openNumbers(0, 6);
    QTest::mouseDClick(handle(), Qt::LeftButton, {}, screen::cell(winningLetterCell()).center());
    EXPECT_EQ(GO.SlctCount, 7);
    EXPECT_EQ(GO.SelLCount, 1);
    EXPECT_EQ(chipsText(), QStringLiteral("480"));
}

// Clicks in quick succession, as a fast hand, a tablet or a switch device sends them: each one
// a millisecond after the last, on six cells, and on the near edges of two neighbouring cells
// (close enough in time and place for the platform to take the second as a double click).
TEST_F(Ticket, ClicksBackToBackOnDifferentCellsEachOpenTheirCell)
{
    const std::vector<int> six = cellsWithoutWinningNumbers();
    tavix_test::PlatformMouse mouse(handle());
    mouse.wait(1000);
    for (std::size_t i = 0; i < 6; ++i)
        mouse.click(QPointF(screen::cell(six[i]).center()));
    EXPECT_EQ(GO.SlctCount, 6);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(cellText(six[i]), QString::number(GO.FLine[six[i]])) << "cell " << six[i];
}

TEST_F(Ticket, QuickClicksOnTheNearEdgesOfNeighbouringCellsOpenBoth)
{
    // Row 1, columns 1 and 2: RR[4] ends at 92, RR[3] starts at 96.
    tavix_test::PlatformMouse mouse(handle());
    mouse.wait(1000);
    mouse.click({91, 157});
    mouse.click({96, 157});
    EXPECT_EQ(GO.SlctCount, 2);
    EXPECT_FALSE(cellText(4).isEmpty());
    EXPECT_FALSE(cellText(3).isEmpty());
}

class OtherButtons : public Ticket, public ::testing::WithParamInterface<Qt::MouseButton>
{
};

TEST_P(OtherButtons, DoNotClickACell)
{
    const Picture before = picture();
    const Figures figuresBefore = figures();
    clickCell(cellsWithWinningNumbers()[0], GetParam());
    clickCell(winningLetterCell(), GetParam());
    expectUntouched(before, figuresBefore);
}

INSTANTIATE_TEST_SUITE_P(Buttons, OtherButtons, ::testing::Values(Qt::RightButton, Qt::MiddleButton));

class DraggedOff : public Ticket, public ::testing::WithParamInterface<QPoint>
{
};

TEST_P(DraggedOff, APressReleasedAwayFromItsCellIsNoClick)
{
    const int cell = 4; // the top row's leftmost cell
    const QPoint pressed = screen::cell(cell).center();
    const QPoint released = GetParam();
    ASSERT_FALSE(screen::cell(cell).contains(released));
    const Picture before = picture();
    const Figures figuresBefore = figures();
    QTest::mousePress(handle(), Qt::LeftButton, {}, pressed);
    QTest::mouseMove(handle(), released);
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, released);
    expectUntouched(before, figuresBefore);
}

INSTANTIATE_TEST_SUITE_P(Releases, DraggedOff,
                         ::testing::Values(screen::cell(3).center(),  // on the neighbouring cell
                                           QPoint(94, 157),           // between the two
                                           QPoint(67, 60)),           // up on the ball band
                         [](const auto &info) {
                             return "To" + std::to_string(info.param.x()) + "x" + std::to_string(info.param.y());
                         });

} // namespace
} // namespace play
