// SPDX-License-Identifier: GPL-3.0-or-later
// One whole game played with the mouse, from the first picture to the next ticket.
#include "play_window.h"

#include <QImage>
#include <QPixmap>

#include <algorithm>
#include <set>

namespace play {
namespace {

using Brelun::GO;
using Brelun::WL;

using tavix_test::colours::CellFill;

class WholeGame : public PlayWindow
{
protected:
    // A fresh ticket on screen: every cell empty, blue and in the normal text colour.
    void expectFreshTicket()
    {
        const QImage image = w->grab().toImage();
        for (int k = 1; k <= 20; ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(cellText(k), QString());
            EXPECT_EQ(cellColour(k), Normal);
            EXPECT_EQ(image.pixel(screen::cell(k).center()), CellFill);
        }
        for (int j = 1; j <= 7; ++j)
            EXPECT_EQ(ballColour(j), Normal) << "ball " << j;
        EXPECT_EQ(winText(), QStringLiteral("0"));
        EXPECT_FALSE(w->Button1->isVisible());
        EXPECT_EQ(GO.SlctCount, 0);
        EXPECT_EQ(GO.SelDCount, 0);
        EXPECT_EQ(GO.SelLCount, 0);
        EXPECT_EQ(GO.Win, 0);
        EXPECT_FALSE(GO.go);
        std::set<int> numbers(GO.FLine.begin(), GO.FLine.end());
        EXPECT_EQ(numbers.size(), 16u);
        EXPECT_EQ(*numbers.begin(), 1);
        EXPECT_EQ(*numbers.rbegin(), 16);
        std::set<int> letters(GO.LLine.begin(), GO.LLine.end());
        EXPECT_EQ(letters, (std::set<int>{1, 2, 3, 4}));
    }

    // The balls show the winning line in force: six distinct numbers and a letter.
    void expectBallsShowTheWinningLine()
    {
        std::set<int> numbers;
        for (int j = 1; j <= 6; ++j) {
            EXPECT_EQ(WL[j]->text(), QString::number(GO.WLine[j])) << "ball " << j;
            EXPECT_GE(GO.WLine[j], 1);
            EXPECT_LE(GO.WLine[j], 16);
            numbers.insert(GO.WLine[j]);
        }
        EXPECT_EQ(numbers.size(), 6u);
        ASSERT_GE(GO.WLine[7], 1);
        ASSERT_LE(GO.WLine[7], 4);
        EXPECT_EQ(WL[7]->text().toStdString(), Brelun::Ltr[GO.WLine[7]]);
    }
};

TEST_F(WholeGame, IsPlayedFromTheFirstPictureToTheNextTicket)
{
    {
        SCOPED_TRACE("the first picture");
        expectFreshTicket();
        expectBallsShowTheWinningLine();
        EXPECT_EQ(stakeText(), QStringLiteral("0"));
        EXPECT_EQ(chipsText(), QStringLiteral("500"));
    }

    press(Control::PlusTen);
    EXPECT_EQ(stakeText(), QStringLiteral("10"));
    EXPECT_EQ(chipsText(), QStringLiteral("490"));

    for (int j = 1; j <= 7; ++j)
        WL[j]->setText(QString());
    press(Control::ChangeValues);
    {
        SCOPED_TRACE("a new winning line");
        expectBallsShowTheWinningLine();
    }

    // Four winning numbers and two others, the win shown growing as they open.
    const std::vector<int> winning = cellsWithWinningNumbers();
    const std::vector<int> losing = cellsWithoutWinningNumbers();
    const int choices[] = {losing[0], winning[0], winning[1], winning[2], losing[1], winning[3]};
    const char *const winShown[] = {"0", "0", "0", "0", "0", "20"};
    for (std::size_t n = 0; n < 6; ++n) {
        SCOPED_TRACE(n + 1);
        const int k = choices[n];
        clickCell(k);
        EXPECT_EQ(cellText(k), QString::number(GO.FLine[k]));
        EXPECT_EQ(cellColour(k), ballOf(k) != 0 ? Highlight : Normal);
        EXPECT_EQ(winText(), QString::fromLatin1(winShown[n]));
        EXPECT_TRUE(GO.go);
    }

    const int letter = winningLetterCell();
    clickCell(letter);
    EXPECT_EQ(cellText(letter).toStdString(), Brelun::Ltr[GO.WLine[7]]);
    EXPECT_EQ(cellColour(letter), Highlight);
    EXPECT_EQ(winText(), QStringLiteral("50"));
    EXPECT_EQ(chipsText(), QStringLiteral("480"));
    ASSERT_TRUE(w->Button1->isVisible());

    clickShow();
    for (int k = 1; k <= 20; ++k)
        EXPECT_FALSE(cellText(k).isEmpty()) << "cell " << k;

    const Brelun::Array1<std::int32_t, 7> line = GO.WLine;
    press(Control::StartLotto);
    EXPECT_EQ(GO.Chips, 530);
    EXPECT_EQ(chipsText(), QStringLiteral("530"));
    EXPECT_EQ(stakeText(), QStringLiteral("10"));
    EXPECT_EQ(GO.WLine, line);
    {
        SCOPED_TRACE("the next ticket");
        expectFreshTicket();
        expectBallsShowTheWinningLine();
    }

    // The next ticket plays: a click opens what the new deal put there.
    const int next = cellsWithoutWinningNumbers()[0];
    clickCell(next);
    EXPECT_EQ(cellText(next), QString::number(GO.FLine[next]));
    EXPECT_EQ(GO.SlctCount, 1);
}

} // namespace
} // namespace play
